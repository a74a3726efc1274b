// SPDX-License-Identifier: GPL-3.0-or-later
// The fraction method on the lesson's drawn fractions and on the practice screen's typed ones:
// the message boxes in order, and the board as the pupil reads it at each.
#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "harness.h"
#include "numeria/form1.h"
#include "numeria/form3.h"
#include "numeria/form8.h"
#include "numeria/screens.h"

using testing_support::BoxRecord;
using testing_support::Harness;

namespace {

const std::string same = "المقامات موحدة";
const std::string different = "المقامات ليست موحدة";
const std::string new_denominator = "هو المقام الجديد";
const std::string rescale = "والان قسمة المقام الجديد.. بالمقامات القديمة.. وضرب الناتج بالبسطين";
const std::string multiplication = "الطريقة.. ضرب البسط بالبسط... والمقام في المقام";
const std::string division = "نقلب الكسر الثاني.. ونحول الإشارة من قسمة إلى ضرب";
const std::string zero_denominator = "إعد إدخال المقام بحيث لا يساوي الصفر";
const std::string zero_numerator = "يجب ان لا يساوي بسط الكسر الثاني صفر";
const std::string too_large = "الأعداد كبيرة جدا... قم بإدخال أعداد أصغر";
const std::string too_small = "الأعداد صغيرة جدا... قم بإدخال أعداد أكبر";
const std::string app = "numeria";

struct Box {
    std::string prompt, title, board;
    bool operator==(const Box&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Box& b)
{
    return os << b.prompt << " [" << b.title << "] " << b.board;
}

// The board read right to left as the pupil sees it: each fraction with a part on show as
// numerator/denominator (a hidden part left out, "/" for a bar), then the signs and "=".
// `shown` gives a visible control's text, or nothing when it is hidden or absent.
std::string reading(const std::function<std::optional<std::string>(const std::string&)>& shown)
{
    std::string out;
    auto add = [&](const std::string& piece) { out += (out.empty() ? "" : " ") + piece; };
    auto fraction = [&](const char* num, const char* den, const char* bar) {
        const auto n = shown(num), d = shown(den), b = shown(bar);
        if (n || d || b)
            add(n.value_or("") + (b ? "/" : " ") + d.value_or(""));
    };
    auto sign = [&](const char* name) {
        if (const auto s = shown(name))
            add(*s);
    };
    fraction("Text1", "Text2", "Line1(0)");
    sign("Text7");
    fraction("Text3", "Text4", "Line1(1)");
    sign("Label1(1)");
    fraction("Text8", "Text9", "Line1(4)");
    sign("Text12");
    fraction("Text10", "Text11", "Line1(3)");
    sign("Label1(0)");
    fraction("Text5", "Text6", "Line1(2)");
    return out;
}

struct FractionsTest : ::testing::Test {
    Harness h{numeria::app_title};

    std::string board() const
    {
        return reading([this](const std::string& name) -> std::optional<std::string> {
            const model::Control* c = h.screen().find(name);
            return c != nullptr && c->shown() ? std::optional(c->text) : std::nullopt;
        });
    }
    std::vector<Box> boxes() const
    {
        std::vector<Box> out;
        for (const BoxRecord& b : h.boxes)
            out.push_back({b.prompt, b.title, reading([&](const std::string& name) -> std::optional<std::string> {
                               return b.shows(name) ? std::optional(b.text(name)) : std::nullopt;
                           })});
        return out;
    }
    void draws(const std::array<int, 4>& numbers)
    {
        for (int k : numbers)
            h.random.draw(10, k);
    }
};

struct FractionLessonTest : FractionsTest {
    void SetUp() override { h.start<numeria::Form3>(); }
};

struct FractionPracticeTest : FractionsTest {
    void SetUp() override { h.start<numeria::Form8>(); }
    void enter(const std::string& a, const std::string& b, const std::string& c, const std::string& d)
    {
        h.type("Text1", a);
        h.type("Text2", b);
        h.type("Text3", c);
        h.type("Text4", d);
    }
};

TEST_F(FractionLessonTest, TheBoardStaysHiddenUntilTheFirstExample)
{
    for (const char* name : {"Frame1", "Text1", "Text5", "Label1(1)", "Line1(0)"})
        EXPECT_FALSE(h.shows(name)) << name;
    for (const char* name : {"Label2(0)", "Label3(1)", "Line2(2)", "Command3", "Command5", "Command6", "Command1"})
        EXPECT_TRUE(h.shows(name)) << name;
    EXPECT_EQ(h.text("Text7"), "+");
    EXPECT_EQ(h.text("Text12"), "+");
}

TEST_F(FractionLessonTest, EachExampleWorksItsDrawnFractionsStageByStage)
{
    struct Row {
        std::string button;
        std::array<int, 4> abcd;
        std::vector<Box> boxes;
        std::string end;
    };
    // One after another on the same board, so each also shows that the reset leaves no trace.
    const std::vector<Row> table = {
        {"Command2",
         {3, 4, 5, 6},
         {{different, app, "3/4 - 5/6 ="},
          {new_denominator, "12", "3/4 - 5/6 ="},
          {rescale, app, "3/4 - 5/6 = /12 - /12 = /"}},
         "3/4 - 5/6 = 9/12 - 10/12 = -1/12"},
        {"Command3",
         {2, 5, 1, 5},
         {{same, app, "2/5 + 1/5 ="}, {rescale, app, "2/5 + 1/5 = /5 + /5 = /"}},
         "2/5 + 1/5 = 2/5 + 1/5 = 3/5"},
        {"Command4", {10, 10, 10, 10}, {{multiplication, app, "10/10 X 10/10 ="}}, "10/10 X 10/10 = 100/100"},
        {"Command3",
         {1, 2, 1, 4},
         {{different, app, "1/2 + 1/4 ="},
          {new_denominator, "4", "1/2 + 1/4 ="},
          {rescale, app, "1/2 + 1/4 = /4 + /4 = /"}},
         "1/2 + 1/4 = 2/4 + 1/4 = 3/4"},
        {"Command5", {1, 2, 3, 4}, {{division, app, "1/2 ÷ 3/4 ="}}, "1/2 ÷ 3/4 = 1/2 X 4/3 = 4/6"},
        {"Command4", {2, 3, 3, 4}, {{multiplication, app, "2/3 X 3/4 ="}}, "2/3 X 3/4 = 6/12"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.button + " " + row.end);
        draws(row.abcd);
        h.boxes.clear();
        h.click(row.button);
        EXPECT_EQ(boxes(), row.boxes);
        EXPECT_EQ(board(), row.end);
    }
}

TEST_F(FractionLessonTest, CommonDenominatorsAreLeastCommonMultiplesAndResultsAreNotReduced)
{
    struct Row {
        std::string button;
        std::array<int, 4> abcd;
        std::string title, end;
    };
    const std::vector<Row> table = {
        {"Command3", {1, 3, 1, 7}, "21", "1/3 + 1/7 = 7/21 + 3/21 = 10/21"},
        {"Command3", {2, 1, 1, 5}, "5", "2/1 + 1/5 = 10/5 + 1/5 = 11/5"},
        {"Command3", {1, 2, 1, 6}, "6", "1/2 + 1/6 = 3/6 + 1/6 = 4/6"},
        {"Command2", {1, 2, 2, 4}, "4", "1/2 - 2/4 = 2/4 - 2/4 = 0/4"},
        {"Command2", {7, 4, 1, 10}, "20", "7/4 - 1/10 = 35/20 - 2/20 = 33/20"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.end);
        draws(row.abcd);
        h.boxes.clear();
        h.click(row.button);
        ASSERT_EQ(h.boxes.size(), 3u);
        EXPECT_EQ(h.boxes[1].title, row.title);
        EXPECT_EQ(board(), row.end);
    }
}

TEST_F(FractionLessonTest, TheFirstExampleOfTheProgramIsAlwaysEightSixthsPlusSixThirds)
{
    h.click("Command3");
    EXPECT_EQ(boxes(),
              (std::vector<Box>{{different, app, "8/6 + 6/3 ="},
                                {new_denominator, "6", "8/6 + 6/3 ="},
                                {rescale, app, "8/6 + 6/3 = /6 + /6 = /"}}));
    EXPECT_EQ(board(), "8/6 + 6/3 = 8/6 + 12/6 = 20/6");
}

TEST_F(FractionLessonTest, TryYourselfOpensThePracticeWhoseBackButtonBringsAFreshLesson)
{
    draws({1, 2, 1, 2});
    h.click("Command4");
    h.click("Command6");
    EXPECT_EQ(h.name(), "Form8");
    EXPECT_EQ(h.program.loaded().size(), 1u);
    h.click("Command1");
    EXPECT_EQ(h.name(), "Form3");
    EXPECT_FALSE(h.shows("Frame1"));
    EXPECT_EQ(h.text("Text1"), "");
    h.click("Command1");
    EXPECT_EQ(h.name(), "Form1");
}

TEST_F(FractionPracticeTest, TheBoardOpensWithEmptyBoxesAndTheWorkedPartsHidden)
{
    for (const char* name : {"Text5", "Text6", "Text8", "Text9", "Text10", "Text11"}) {
        EXPECT_TRUE(h.shows(name)) << name;
        EXPECT_EQ(h.text(name), "") << name;
    }
    for (const char* name : {"Text12", "Label1(0)", "Line1(2)", "Line1(3)", "Line1(4)"})
        EXPECT_FALSE(h.shows(name)) << name;
}

TEST_F(FractionPracticeTest, TypedFractionsAreReadLenientlyAndWorkedAsInTheLesson)
{
    struct Row {
        std::vector<std::string> abcd;
        std::string button;
        std::vector<Box> boxes;
        std::string end;
    };
    const std::vector<Row> table = {
        {{"1", "2", "0", "3"},
         "Command2",
         {{different, app, "1/2 0/3 ="}, {new_denominator, "6", "1/2 0/3 ="}, {rescale, app, "1/2 0/3 = /6 + /6 = /"}},
         "1/2 0/3 = 3/6 + 0/6 = 3/6"},
        {{"3", "4", "1", "4.0"},
         "Command3",
         {{same, app, "3/4 1/4.0 ="}, {rescale, app, "3/4 1/4.0 = /4 - /4 = /"}},
         "3/4 1/4.0 = 3/4 - 1/4 = 2/4"},
        {{"1", "2", "1.5", "3"}, "Command4", {{multiplication, app, "1/2 1.5/3 ="}}, "1/2 1.5/3 = 1.5/6"},
        {{"", "3/4", "abc", "2abc"}, "Command4", {{multiplication, app, "/3/4 abc/2abc ="}}, "/3/4 abc/2abc = 0/6"},
        {{"-0", "2", "٣", "4"}, "Command5", {{division, app, "-0/2 ٣/4 ="}}, "-0/2 ٣/4 = 0/2 X 4/3 = 0/6"},
        // Denominators that are negative or not whole: their product, and a fraction equal to the
        // true result.
        {{"1", "-2", "1", "-4"}, "Command2", {}, "1/-2 1/-4 = -4/8 + -2/8 = -6/8"},
        {{"1", "-2", "1", "4"}, "Command2", {}, "1/-2 1/4 = 4/-8 + -2/-8 = 2/-8"},
        {{"1", "0.5", "1", "0.25"}, "Command2", {}, "1/0.5 1/0.25 = 0.25/0.125 + 0.5/0.125 = 0.75/0.125"},
        {{"1", "0.4", "1", "-0.4"}, "Command3", {}, "1/0.4 1/-0.4 = -0.4/-0.16 - 0.4/-0.16 = -0.8/-0.16"},
        // Large denominators, far beyond a counting search.
        {{"1", "1000003", "1", "1000033"},
         "Command2",
         {},
         "1/1000003 1/1000033 = 1000033/1000036000099 + 1000003/1000036000099 = 2000036/1000036000099"},
        // Products beyond what a double holds exactly, and a difference of two nearly equal ones.
        {{"123456789", "987654321", "123456789", "987654323"},
         "Command3",
         {},
         "123456789/987654321 123456789/987654323 = 1.21932631359549E+17/9.7546105976528E+17 - "
         "1.21932631112635E+17/9.7546105976528E+17 = 246913578/9.7546105976528E+17"},
        {{"7", "1000000000000000", "1", "2000000000000000"},
         "Command3",
         {},
         "7/1000000000000000 1/2000000000000000 = 14/2E+15 - 1/2E+15 = 13/2E+15"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.abcd[0] + "/" + row.abcd[1] + " " + row.button + " " + row.abcd[2] + "/" + row.abcd[3]);
        enter(row.abcd[0], row.abcd[1], row.abcd[2], row.abcd[3]);
        h.boxes.clear();
        h.click(row.button);
        if (!row.boxes.empty()) {
            EXPECT_EQ(boxes(), row.boxes);
        }
        EXPECT_EQ(board(), row.end);
        EXPECT_EQ(h.text("Text1"), row.abcd[0]);  // never rewritten
    }
    EXPECT_EQ(h.boxes.at(1).title, "2E+15");
}

TEST_F(FractionPracticeTest, ARefusedEntryLeavesTheBoardAsTheResetLeftIt)
{
    struct Row {
        std::vector<std::string> abcd;
        std::string button, prompt;
    };
    const std::vector<Row> table = {
        {{"", "", "", ""}, "Command2", zero_denominator},
        {{"", "", "", ""}, "Command5", zero_denominator},
        {{"1", "2", "0", "3"}, "Command5", zero_numerator},
        {{"1", "0", "0", "3"}, "Command5", zero_denominator},
        {{"1", "2", "abc", "3"}, "Command5", zero_numerator},
        {{"1", "2", "3", "x"}, "Command4", zero_denominator},
        {{"1", "-0", "3", "4"}, "Command3", zero_denominator},
        {{"1e999", "0", "3", "4"}, "Command3", too_large},
        {{"1e300", "3", "1e300", "7"}, "Command4", too_large},
        {{"1e200", "1", "1", "1e200"}, "Command2", too_large},
        {{"1e300", "1", "1", "1e300"}, "Command5", too_large},
        {{"1e308", "1", "1e308", "1"}, "Command2", too_large},
        {{"1", "1e-200", "1", "1e-200"}, "Command4", too_small},
        {{"1", "1e-200", "1e-200", "1"}, "Command5", too_small},
        {{"1", "1e-200", "1", "3e-200"}, "Command3", too_small},
        {{"1e-200", "1", "1e-200", "1"}, "Command4", too_small},
    };
    for (const auto& row : table) {
        const std::string entered = row.abcd[0] + "/" + row.abcd[1] + " " + row.abcd[2] + "/" + row.abcd[3];
        SCOPED_TRACE(entered + " " + row.button);
        enter("1", "2", "1", "3");
        h.click("Command5");  // a worked board, which the refused entry must clear
        enter(row.abcd[0], row.abcd[1], row.abcd[2], row.abcd[3]);
        h.boxes.clear();
        h.click(row.button);
        const std::string reset = row.abcd[0] + "/" + row.abcd[1] + " " + row.abcd[2] + "/" + row.abcd[3] + " =";
        EXPECT_EQ(boxes(), (std::vector<Box>{{row.prompt, app, reset}}));
        EXPECT_EQ(board(), reset);
    }
}

TEST_F(FractionPracticeTest, EachOperatorReplacesWhatThePreviousOneShowed)
{
    enter("1", "2", "3", "4");
    h.click("Command2");
    h.click("Command4");
    EXPECT_EQ(board(), "1/2 3/4 = 3/8");
    h.click("Command5");
    EXPECT_EQ(board(), "1/2 3/4 = 1/2 X 4/3 = 4/6");
    h.click("Command3");
    EXPECT_EQ(board(), "1/2 3/4 = 2/4 - 3/4 = -1/4");
    h.click("Command1");
    EXPECT_EQ(h.name(), "Form3");
    EXPECT_FALSE(h.shows("Frame1"));
}

}  // namespace
