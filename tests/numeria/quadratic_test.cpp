// SPDX-License-Identifier: GPL-3.0-or-later
// The quadratic lesson and practice screens: the drawn equation, the formula as it shrinks, the
// discriminant's messages, the solutions, the practice screen's refusals and fresh starts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <tuple>

#include "harness.h"
#include "numeria/form1.h"
#include "numeria/form10.h"
#include "numeria/form11.h"
#include "numeria/screens.h"

using testing_support::Harness;

namespace {

const std::string one_solution = "يوجد حل وحيد للمعادلة لان.. ما تحت الجذر يساوي صفر";
const std::string two_solutions = "يوجد حلان مختلفان للمعادلة.. لان ما تحت الجذر موجب";
const std::string no_solution = "لا يوجد حل حقيقي... لان ما تحت الجذر سالب";
const std::string zero_a = "معامل السين تربيع يجب ان لا يساوي صفر";
const std::string too_large = "الأعداد كبيرة جدا... قم بإدخال أعداد أصغر";

// Every shown control with its text, as a box record holds it.
std::map<std::string, std::string> board(const Harness& h)
{
    std::map<std::string, std::string> shown;
    for (const model::Control& c : h.screen().controls())
        if (c.shown())
            shown[c.designer_name()] = c.text;
    return shown;
}

using Texts = std::vector<std::string>;
using Solutions = std::map<std::string, std::string>;

Texts texts(const Harness& h, std::initializer_list<const char*> names)
{
    Texts out;
    for (const char* n : names)
        out.push_back(h.text(n));
    return out;
}

struct Example {
    std::string name, a, b, c;  // as the pupil types them; the lesson draws the same whole numbers
    Texts simplified;           // -b, b², 4ac, 2a
    std::string d, prompt;
    Solutions solutions;
};

Solutions two(std::string minus_b, std::string root, std::string two_a, std::string first, std::string second)
{
    return {{"Text12", minus_b}, {"Text13", root},  {"Text14", two_a}, {"Text15", minus_b},
            {"Text16", root},    {"Text17", two_a}, {"Text18", first}, {"Text19", second}};
}
Solutions one(std::string minus_b, std::string two_a, std::string x)
{
    return {{"Text20", minus_b}, {"Text21", two_a}, {"Text22", x}};
}

// The first step, the three parts of the substitution button and the solutions button, checked
// stage by stage against the example.
void walk(Harness& h, const Example& e)
{
    h.click("Command1");
    EXPECT_EQ(texts(h, {"Text4", "Text5", "Text6"}), (Texts{e.a, e.b, e.c}));
    h.click("Command2");
    EXPECT_EQ(texts(h, {"Text7", "Text8", "Text9", "Text10", "Text11"}), (Texts{e.b, e.b, e.a, e.c, e.a}));
    EXPECT_EQ(h.text("Command2"), "الخطوة الأولى");
    h.click("Command2");
    EXPECT_EQ(texts(h, {"Text7", "Text8", "Label5(0)", "Text11"}), e.simplified);
    EXPECT_EQ(h.text("Command2"), "التأكد من الجذر التربيعي");
    for (const auto* piece : {"Label2(0)", "Line4", "Label4", "Label5(1)", "Text9", "Text10", "Line6", "Label5(2)"})
        EXPECT_FALSE(h.shows(piece)) << piece;
    h.boxes.clear();
    h.click("Command2");
    ASSERT_EQ(h.boxes.size(), 1u);
    EXPECT_EQ(h.boxes[0].prompt, e.prompt);
    EXPECT_EQ(h.boxes[0].title, "numeria");
    EXPECT_EQ(h.boxes[0].text("Text8"), e.d);
    for (const auto* piece : {"Line7", "Label5(0)", "Label2(1)", "Line8"})
        EXPECT_FALSE(h.boxes[0].shows(piece)) << piece;
    EXPECT_EQ(h.shows("Command4"), e.prompt != no_solution);
    if (h.shows("Command4"))
        h.click("Command4");
    Solutions shown;
    for (const auto* name :
         {"Text12", "Text13", "Text14", "Text15", "Text16", "Text17", "Text18", "Text19", "Text20", "Text21", "Text22"})
        if (h.shows(name))
            shown[name] = h.text(name);
    EXPECT_EQ(shown, e.solutions);
}

// clang-format off
//                             name              a      b     c     -b, b², 4ac, 2a                  D      message        solutions
const Example negative_4ac = {"negative 4ac",   "2",   "5",  "-3", {"-5", "25", "-24", "4"},      "49",  two_solutions, two("-5", "7.00", "4", "0.50", "-3.00")};
const Example single       = {"D = 0",          "1",   "2",  "1",  {"-2", "4", "4", "2"},         "0",   one_solution,  one("-2", "2", "-1.00")};
const std::vector<Example> lesson_examples = {
                              {"two solutions", "1",   "-5", "6",  {"5", "25", "24", "2"},        "1",   two_solutions, two("5", "1.00", "2", "3.00", "2.00")},
                              {"one solution",  "-1",  "2",  "-1", {"-2", "4", "4", "-2"},        "0",   one_solution,  one("-2", "-2", "1.00")},
                              {"no solution",   "2",   "1",  "3",  {"-1", "1", "24", "4"},        "-23", no_solution,   {}},
                              negative_4ac,
                              {"D is 13",       "1",   "3",  "-1", {"-3", "9", "-4", "2"},        "13",  two_solutions, two("-3", "3.61", "2", "0.30", "-3.30")},
};
const std::vector<Example> practice_examples = {
                              {"no solution",   "1",   "2",  "5",  {"-2", "4", "20", "2"},        "-16", no_solution,   {}},
                              {"half a",        "0.5", "1",  "-4", {"-1", "1", "-8", "1"},        "9",   two_solutions, two("-1", "3.00", "1", "2.00", "-4.00")},
                              {"b = 0",         "1",   "0",  "-4", {"0", "0", "-16", "2"},        "16",  two_solutions, two("0", "4.00", "2", "2.00", "-2.00")},
                              {"c = 0",         "1",   "-3", "0",  {"3", "9", "0", "2"},          "9",   two_solutions, two("3", "3.00", "2", "3.00", "0.00")},
                              {"b = c = 0",     "1",   "0",  "0",  {"0", "0", "0", "2"},          "0",   one_solution,  one("0", "2", "0.00")},
                              single,
                              // Decided on the exact numbers typed, however small.
                              {"(س + 0.1)²",    "1",   "0.2", "0.01", {"-0.2", "0.04", "0.04", "2"}, "0",  one_solution,  one("-0.2", "2", "-0.10")},
                              {"tiny a and c",  "1E-200", "0", "-1E-200", {"0", "0", "-4E-400", "2E-200"}, "4E-400", two_solutions, two("0", "0.00", "2E-200", "1.00", "-1.00")},
                              {"all tiny",      "1E-170", "3E-170", "2E-170", {"-3E-170", "9E-340", "8E-340", "2E-170"}, "1E-340", two_solutions, two("-3E-170", "0.00", "2E-170", "-1.00", "-2.00")},
                              {"b² far above 4ac", "1", "1E+60", "1E+58", {"-1E+60", "1E+120", "4E+58", "2"}, "1E+120", two_solutions, two("-1E+60", "999999999999999999999999999999999999999999999999999999999999.98", "2", "-0.01", "-999999999999999999999999999999999999999999999999999999999999.99")},
};
// clang-format on

struct QuadraticLessonTest : ::testing::Test {
    Harness h{numeria::app_title};
    void SetUp() override { h.start<numeria::Form1>(); }
    // Scripts the six draws of Load, the signs first, and opens the lesson from the menu.
    void open(int a, int b, int c, const char* button = "Command7")
    {
        for (int v : {a, b, c})
            h.random.sign(v);
        h.random.draw(3, std::abs(a));
        h.random.draw(10, std::abs(b));
        h.random.draw(10, std::abs(c));
        h.click(button);
    }
};

TEST_F(QuadraticLessonTest, TheFirstEquationAfterStartIsAlwaysTheSame)
{
    h.click("Command7");
    EXPECT_EQ(texts(h, {"Text1", "Text2", "Text3"}), (Texts{"", "4", "8"}));
}

TEST_F(QuadraticLessonTest, LoadWritesTheEquationWithoutACoefficientOneAndShowsOnlyTheEquationRow)
{
    const std::vector<std::tuple<int, int, int, Texts>> table
        = {{1, -5, 6, {"", "-5", "6"}}, {-1, 2, -1, {"-", "2", "-1"}}, {-3, 10, -10, {"-3", "10", "-10"}}};
    for (const auto& [a, b, c, equation] : table) {
        SCOPED_TRACE(a);
        open(a, b, c);
        EXPECT_TRUE(h.random.exhausted());
        EXPECT_EQ(texts(h, {"Text1", "Text2", "Text3"}), equation);
        for (const char* hidden : {"Frame1", "Frame2", "Command2", "Command4", "Frame3"})
            EXPECT_FALSE(h.shows(hidden)) << hidden;
        h.click("Command6");
    }
}

TEST_F(QuadraticLessonTest, TheWorkedExamplesGiveTheirBoardsAndMessages)
{
    for (const auto& e : lesson_examples) {
        SCOPED_TRACE(e.name);
        open(std::stoi(e.a), std::stoi(e.b), std::stoi(e.c));
        walk(h, e);
        h.click("Command6");
    }
}

TEST_F(QuadraticLessonTest, FurtherPressesRepeatTheDiscriminantTestAndTheFirstStepChangesNothingElse)
{
    open(2, 5, -3);
    walk(h, negative_4ac);
    const auto solved = board(h);
    h.boxes.clear();
    h.click("Command2");
    h.click("Command1");
    ASSERT_EQ(h.boxes.size(), 1u);
    EXPECT_EQ(h.boxes[0].prompt, two_solutions);
    EXPECT_EQ(board(h), solved);
}

TEST_F(QuadraticLessonTest, AnotherProblemDrawsANewEquationAndThePracticeComesBackToAFreshLesson)
{
    open(1, -5, 6);
    h.click("Command1");
    open(-2, 3, 4, "Command5");
    EXPECT_EQ(texts(h, {"Text1", "Text2", "Text3"}), (Texts{"-2", "3", "4"}));
    EXPECT_FALSE(h.shows("Frame1"));
    h.click("Command7");
    ASSERT_EQ(h.name(), "Form11");
    h.type("Text1", "1");
    h.click("Command1");
    h.click("Command5");
    EXPECT_EQ(h.name(), "Form11");
    EXPECT_EQ(h.text("Text1"), "");
    EXPECT_FALSE(h.shows("Frame1"));
    open(3, -1, 1, "Command6");
    EXPECT_EQ(texts(h, {"Text1", "Text2", "Text3"}), (Texts{"3", "-1", "1"}));
    h.click("Command6");
    EXPECT_EQ(h.name(), "Form1");
    EXPECT_EQ(h.program.loaded().size(), 1u);
}

struct QuadraticPracticeTest : ::testing::Test {
    Harness h{numeria::app_title};
    void SetUp() override { h.start<numeria::Form11>(); }
    // A fresh practice screen with the three boxes typed.
    void enter(const std::string& a, const std::string& b, const std::string& c)
    {
        h.click("Command5");
        h.type("Text1", a);
        h.type("Text2", b);
        h.type("Text3", c);
    }
};

TEST_F(QuadraticPracticeTest, TheWorkedExamplesGiveTheirBoardsAndMessages)
{
    for (const auto* table : {&practice_examples, &lesson_examples})
        for (const auto& e : *table) {
            SCOPED_TRACE(e.name);
            enter(e.a, e.b, e.c);
            walk(h, e);
        }
}

TEST_F(QuadraticPracticeTest, ACoefficientOfSquareThatReadsAsZeroIsRefusedAndNothingChanges)
{
    for (const char* a : {"", "0", "abc", "-0", "0.0", "  "}) {
        SCOPED_TRACE(a);
        enter(a, "2", "3");
        h.boxes.clear();
        h.click("Command1");
        ASSERT_EQ(h.boxes.size(), 1u);
        EXPECT_EQ(h.boxes[0].prompt, zero_a);
        EXPECT_EQ(h.boxes[0].title, "numeria");
        EXPECT_FALSE(h.shows("Frame1"));
        EXPECT_FALSE(h.shows("Frame2"));
    }
}

TEST_F(QuadraticPracticeTest, ARefusedCoefficientAfterASolvedEquationLeavesItsSolutionsToShowAgain)
{
    enter("2", "5", "-3");
    walk(h, negative_4ac);
    const auto solved = board(h);
    h.type("Text1", "0");
    h.boxes.clear();
    h.click("Command1");
    ASSERT_EQ(h.boxes.size(), 1u);
    EXPECT_EQ(h.boxes[0].prompt, zero_a);
    h.click("Command4");
    auto now = board(h);
    now["Text1"] = "2";
    EXPECT_EQ(now, solved);
}

// A new equation must not meet the pieces, the step or the discriminant of an earlier one.
TEST_F(QuadraticPracticeTest, AnAcceptedFirstStepStartsTheFormulaAsAFreshScreenWould)
{
    enter("1", "2", "1");
    h.click("Command1");
    const auto fresh = board(h);
    for (int presses : {1, 2, 3, 4}) {
        SCOPED_TRACE(presses);
        enter("2", "5", "-3");
        h.click("Command1");
        for (int i = 0; i < presses; ++i)
            h.click(i < 3 ? "Command2" : "Command4");
        h.type("Text1", "1");
        h.type("Text2", "2");
        h.type("Text3", "1");
        h.click("Command1");
        EXPECT_EQ(board(h), fresh);
        walk(h, single);
        EXPECT_FALSE(h.shows("Frame4"));
    }
}

TEST_F(QuadraticPracticeTest, NumbersBeyondTheDoubleRangeAreRefusedWhereTheyArise)
{
    struct Row {
        std::string name, a, b, c;
        int presses;  // of the method's buttons before the one that meets the overflow
    };
    const std::vector<Row> table = {
        {"typed a", "1e999", "1", "1", 0},      {"typed b", "1", "-1e400", "1", 0},
        {"b squared", "1", "1e200", "1", 2},    {"4ac", "1e300", "1", "1e300", 2},
        {"2a", "1e308", "1", "0", 2},           {"discriminant", "1", "1e154", "-2.5e307", 3},
        {"quotient", "1e-300", "1e10", "0", 4},
    };
    const std::vector<std::string> buttons = {"Command1", "Command2", "Command2", "Command2", "Command4"};
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        enter(row.a, row.b, row.c);
        for (int i = 0; i < row.presses; ++i)
            h.click(buttons[i]);
        h.boxes.clear();
        const auto before = board(h);
        h.click(buttons[row.presses]);
        ASSERT_EQ(h.boxes.size(), 1u);
        EXPECT_EQ(h.boxes[0].prompt, too_large);
        EXPECT_EQ(board(h), before);
    }
}

}  // namespace
