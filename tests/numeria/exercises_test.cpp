// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise sheet: its draws and candidates, the choices it records and its marking.
#include <gtest/gtest.h>

#include <array>

#include "harness.h"
#include "model/spoken.h"
#include "numeria/form1.h"
#include "numeria/form6.h"
#include "numeria/screens.h"

using testing_support::Harness;

namespace {

struct Pair {
    int sign, a, b;  // the sign of the first number, then both magnitudes
};

// Scripts the thirteen draws of a sheet: three signed pairs, then N1, D1, N2, D2.
void script(Harness& h, const std::array<Pair, 3>& pairs, const std::array<int, 4>& fraction)
{
    for (const Pair& p : pairs) {
        h.random.sign(p.sign);
        h.random.draw(10, p.a);
        h.random.draw(10, p.b);
    }
    for (int v : fraction)
        h.random.draw(10, v);
}

// The two numbers of an integer question, then its four candidates in their order.
std::vector<std::string> integer_question(const Harness& h, int q)
{
    const auto at = [&](const char* name) { return h.text(name + ("(" + std::to_string(q) + ")")); };
    return {at("Text2"), at("Text3"), at("Label1"), at("Label2"), at("Label3"), at("Label4")};
}

// The two fractions of the fraction question, then its four candidates in their order.
std::vector<std::string> fraction_question(const Harness& h)
{
    std::vector<std::string> shown
        = {h.text("Text2(3)") + "/" + h.text("Text4(0)"), h.text("Text3(3)") + "/" + h.text("Text6(0)")};
    const std::array<const char*, 4> numerators = {"Label1(3)", "Label2(3)", "Label3(3)", "Label4(3)"};
    for (int c = 0; c < 4; ++c)
        shown.push_back(h.text(numerators[c]) + "/" + h.text("Label7(" + std::to_string(c) + ")"));
    return shown;
}

// One letter per question: V a tick, X a cross, - neither, ! both.
std::string marks(const Harness& h)
{
    std::string shown;
    for (int i = 0; i < 4; ++i) {
        const bool tick = h.shows("Frame3(" + std::to_string(i) + ")");
        const bool cross = h.shows("Frame2(" + std::to_string(i) + ")");
        shown += tick ? (cross ? '!' : 'V') : (cross ? 'X' : '-');
    }
    return shown;
}

std::vector<int> disabled_wrong_options(const Harness& h)
{
    std::vector<int> disabled;
    for (int k = 0; k < 12; ++k)
        if (!h.screen().find("Option2(" + std::to_string(k) + ")")->enabled)
            disabled.push_back(k);
    return disabled;
}

std::vector<std::string> selected_options(const Harness& h)
{
    std::vector<std::string> selected;
    for (const model::Control& c : h.screen().controls())
        if (c.kind == model::Kind::Option && c.value)
            selected.push_back(c.designer_name());
    return selected;
}

const std::array<Pair, 3> any_pairs = {{{1, 1, 1}, {1, 1, 1}, {1, 1, 1}}};
const std::array<int, 4> any_fraction = {1, 1, 1, 1};

TEST(Exercises, TheFirstSheetAfterStartIsAlwaysTheSameAndStartsUnansweredAndUnmarked)
{
    Harness h{numeria::app_title};
    h.start<numeria::Form1>();
    h.click("Command5");
    ASSERT_EQ(h.name(), "Form6");
    EXPECT_EQ(integer_question(h, 0), (std::vector<std::string>{"6", "-6", "0", "12", "0", "-36"}));
    EXPECT_EQ(integer_question(h, 1), (std::vector<std::string>{"-4", "8", "4", "-12", "8", "-32"}));
    EXPECT_EQ(integer_question(h, 2), (std::vector<std::string>{"-8", "9", "1", "-17", "2", "-72"}));
    EXPECT_EQ(fraction_question(h), (std::vector<std::string>{"8/1", "5/9", "8/1", "13/9", "77/9", "13/10"}));
    EXPECT_EQ(marks(h), "----");
    EXPECT_TRUE(selected_options(h).empty());
    EXPECT_TRUE(disabled_wrong_options(h).empty());

    h.click("Option2(0)");
    h.click("Command2");
    const auto first = fraction_question(h);
    h.click("Command1");
    EXPECT_EQ(h.name(), "Form1");
    h.click("Command5");
    EXPECT_NE(fraction_question(h), first);
    EXPECT_EQ(marks(h), "----");
    EXPECT_TRUE(selected_options(h).empty());
    EXPECT_TRUE(disabled_wrong_options(h).empty());
    EXPECT_TRUE(h.boxes.empty());
}

TEST(Exercises, IntegerQuestionsOfferSumDifferenceAThirdAnswerAndProduct)
{
    struct Row {
        const char* name;
        int question;
        Pair pair;
        std::vector<std::string> shown;
    };
    const std::vector<Row> table = {
        {"twice the remainder equals the sum", 0, {1, 2, 2}, {"2", "-2", "0", "4", "0", "-4"}},
        {"remainder signed like a negative first", 0, {-1, 7, 3}, {"-7", "3", "-4", "-10", "-2", "-21"}},
        {"remainder of a positive first", 0, {1, 7, 3}, {"7", "-3", "4", "10", "2", "-21"}},
        {"subtraction", 1, {1, 5, 10}, {"5", "-10", "-5", "15", "-10", "-50"}},
        {"subtraction with a negative first", 1, {-1, 10, 10}, {"-10", "10", "0", "-20", "0", "-100"}},
        {"multiplication", 2, {-1, 3, 4}, {"-3", "4", "1", "-7", "2", "-12"}},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        Harness h{numeria::app_title};
        auto pairs = any_pairs;
        pairs[row.question] = row.pair;
        script(h, pairs, any_fraction);
        h.start<numeria::Form6>();
        EXPECT_TRUE(h.random.exhausted());
        EXPECT_EQ(integer_question(h, row.question), row.shown);
    }
}

TEST(Exercises, TheFractionQuestionOffersTheUnreducedSumOverTheCommonDenominatorThird)
{
    struct Row {
        const char* name;
        std::array<int, 4> draws;  // N1, D1, N2, D2
        std::vector<std::string> shown;
    };
    const std::vector<Row> table = {
        {"equal denominators", {3, 4, 2, 4}, {"3/4", "2/4", "3/4", "5/16", "5/4", "5/8"}},
        {"both denominators 1", {3, 1, 4, 1}, {"3/1", "4/1", "3/1", "7/1", "7/1", "7/2"}},
        {"one half and one half", {1, 2, 1, 2}, {"1/2", "1/2", "1/2", "2/4", "2/2", "2/4"}},
        {"common denominator below the product", {1, 4, 1, 6}, {"1/4", "1/6", "1/4", "2/24", "5/12", "2/10"}},
        {"largest numbers", {10, 10, 10, 9}, {"10/10", "10/9", "10/10", "20/90", "190/90", "20/19"}},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        Harness h{numeria::app_title};
        script(h, any_pairs, row.draws);
        h.start<numeria::Form6>();
        EXPECT_EQ(fraction_question(h), row.shown);
    }
}

// Over every draw of the fraction question: the first candidate never reads as the right one, and
// a candidate that does (both denominators 1) is marked right when chosen.
TEST(Exercises, OnlyACandidateThatReadsAsTheRightAnswerIsMarkedRight)
{
    for (int draw = 0; draw < 10000; ++draw) {
        const std::array<int, 4> f = {draw % 10 + 1, draw / 10 % 10 + 1, draw / 100 % 10 + 1, draw / 1000 + 1};
        Harness h{numeria::app_title};
        script(h, any_pairs, f);
        h.start<numeria::Form6>();
        const auto shown = fraction_question(h);
        ASSERT_NE(shown[2], shown[4]) << shown[0] << " + " << shown[1];
        if (shown[3] != shown[4])
            continue;
        h.click("Option2(10)");
        h.click("Command2");
        EXPECT_EQ(marks(h).back(), 'V') << shown[0] << " + " << shown[1];
        EXPECT_EQ(disabled_wrong_options(h), std::vector<int>{});
    }
}

TEST(Exercises, MarkingTicksQuestionsEverAnsweredRightAndGreysOutTriedWrongOptions)
{
    struct Row {
        const char* name;
        std::vector<std::string> clicks;  // "Command2" marks in between
        std::string marks;
        std::vector<int> disabled;
        std::vector<std::string> selected;
    };
    const std::vector<Row> table = {
        {"nothing chosen", {}, "XXXX", {}, {}},
        {"wrong, marked, then right", {"Option2(0)", "Command2", "Option1(0)"}, "VXXX", {0}, {"Option1(0)"}},
        {"right then wrong", {"Option1(1)", "Option2(4)"}, "XVXX", {4}, {"Option2(4)"}},
        // 6 + -6: the third candidate, 2 × (6 Mod -6), reads 0 like the right one.
        {"a wrong place that reads as the right answer", {"Option2(1)"}, "VXXX", {}, {"Option2(1)"}},
        {"one choice in each question",
         {"Option2(2)", "Option1(1)", "Option2(6)", "Option1(3)"},
         "XVXV",
         {2, 6},
         {"Option2(2)", "Option1(1)", "Option2(6)", "Option1(3)"}},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        Harness h{numeria::app_title};
        h.start<numeria::Form6>();
        for (const auto& click : row.clicks)
            h.click(click);
        h.click("Command2");
        EXPECT_EQ(marks(h), row.marks);
        EXPECT_EQ(disabled_wrong_options(h), row.disabled);
        EXPECT_EQ(selected_options(h), row.selected);
        h.click("Command2");
        EXPECT_EQ(marks(h), row.marks);
        EXPECT_EQ(disabled_wrong_options(h), row.disabled);
        EXPECT_TRUE(h.boxes.empty());
    }
}

TEST(Exercises, EachOptionTellsAScreenReaderTheCandidateItStandsFor)
{
    Harness h{numeria::app_title};
    h.start<numeria::Form1>();
    h.click("Command5");
    const std::vector<std::pair<std::string, std::string>> table = {
        {"Frame1(0)", "6 زائد -6"}, {"Option1(0)", "0"},
        {"Option2(0)", "12"},       {"Option2(1)", "0"},
        {"Option2(2)", "-36"},      {"Frame1(1)", "-4 ناقص 8"},
        {"Option2(3)", "4"},        {"Option1(1)", "-12"},
        {"Option2(4)", "8"},        {"Option2(5)", "-32"},
        {"Frame1(2)", "-8 ضرب 9"},  {"Option2(6)", "1"},
        {"Option2(7)", "-17"},      {"Option2(8)", "2"},
        {"Option1(2)", "-72"},      {"Frame1(3)", "8 على 1 زائد 5 على 9"},
        {"Option2(9)", "8 على 1"},  {"Option2(10)", "13 على 9"},
        {"Option1(3)", "77 على 9"}, {"Option2(11)", "13 على 10"},
    };
    // The frame's question is its description; an option is named by its candidate alone, so
    // that the number is not heard twice.
    for (const auto& [name, said] : table) {
        SCOPED_TRACE(name);
        const model::Control& c = *h.screen().find(name);
        if (c.kind == model::Kind::Frame) {
            EXPECT_EQ(c.accessible_description, said);
        } else {
            EXPECT_EQ(model::spoken_name(c), model::spoken(said));
            EXPECT_EQ(c.accessible_description, "");
        }
    }
}

}  // namespace
