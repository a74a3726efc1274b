// SPDX-License-Identifier: GPL-3.0-or-later
// Signed-integer practice with the pupil's own numbers.
#include <gtest/gtest.h>

#include "harness.h"
#include "numeria/form7.h"
#include "numeria/screens.h"

using testing_support::Harness;

namespace {

const std::string zero_divisor = "لا يجوز القسمة على صفر... قم بإعادة الادخال للقيمة الثانية";
const std::string too_large = "الأعداد كبيرة جدا... قم بإدخال أعداد أصغر";
const std::string divisor_rounds_to_zero
    = "لإيجاد الباقي يقرب المقسوم عليه إلى أقرب عدد صحيح، وهنا يصبح صفرا... قم بإعادة الادخال للقيمة الثانية";

struct PracticeTest : ::testing::Test {
    Harness h{numeria::app_title};
    void SetUp() override { h.start<numeria::Form7>(); }
    void enter(const std::string& x, const std::string& y)
    {
        h.type("Text1", x);
        h.type("Text2", y);
    }
};

TEST_F(PracticeTest, LoadHidesTheResultAndTheRemainderLine)
{
    EXPECT_FALSE(h.shows("Text3"));
    EXPECT_FALSE(h.shows("Text4"));
    EXPECT_FALSE(h.shows("Label3"));
}

TEST_F(PracticeTest, OperationsOnThePupilsNumbers)
{
    struct Row {
        std::string x, y, button, result, remainder;
    };
    const std::vector<Row> table = {
        {"7", "-2", "Command4", "-3", "1"},
        {"-7", "2", "Command4", "-3", "-1"},
        {"6", "3", "Command4", "2", "0"},
        {"-4", "-5", "Command2", "1", ""},
        {"-4", "-5", "Command3", "20", ""},
        {"", "5", "Command1", "5", ""},
        {"12abc", "1", "Command1", "13", ""},
        {"abc", "-3", "Command2", "3", ""},
        {"0.5", "0.25", "Command1", "0.75", ""},
        {"7", "2", "Command4", "3", "1"},
        {"7.6", "2", "Command4", "3", "0"},
        {"٣٫٥", "2", "Command3", "7", ""},
        {"-0.3", "1", "Command3", "-0.3", ""},
        {"0", "-5", "Command3", "0", ""},
        {"-1", "3", "Command4", "0", "-1"},
        {"123456789012", "1000000", "Command3", "1.23456789012E+17", ""},
        {"9007199254740992", "10", "Command4", "900719925474099", "2"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.x + " " + row.button + " " + row.y);
        enter(row.x, row.y);
        h.click(row.button);
        EXPECT_TRUE(h.boxes.empty());
        EXPECT_TRUE(h.shows("Text3"));
        EXPECT_EQ(h.text("Text3"), row.result);
        EXPECT_EQ(h.shows("Text4"), !row.remainder.empty());
        EXPECT_EQ(h.shows("Label3"), !row.remainder.empty());
        if (!row.remainder.empty()) {
            EXPECT_EQ(h.text("Text4"), row.remainder);
        }
    }
}

// A zero divisor leaves the quotient as it was; a divisor that only rounds to zero hides it, since
// it belongs to the earlier divisor.
TEST_F(PracticeTest, ADivisorThatIsOrRoundsToZeroIsRefused)
{
    struct Row {
        std::string divisor, prompt;
    };
    const std::vector<Row> table = {
        {"0", zero_divisor},
        {"", zero_divisor},
        {"abc", zero_divisor},
        {"-0", zero_divisor},
        {"0.3", divisor_rounds_to_zero},
        {"0.5", divisor_rounds_to_zero},
        {"-0.5", divisor_rounds_to_zero},
        {"0.0001", divisor_rounds_to_zero},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.divisor);
        enter("7", "2");
        h.click("Command4");
        h.boxes.clear();
        h.type("Text2", row.divisor);
        h.click("Command4");
        ASSERT_EQ(h.boxes.size(), 1u);
        EXPECT_EQ(h.boxes[0].prompt, row.prompt);
        EXPECT_EQ(h.boxes[0].title, "numeria");
        EXPECT_FALSE(h.boxes[0].shows("Text4"));
        EXPECT_FALSE(h.boxes[0].shows("Label3"));
        EXPECT_EQ(h.boxes[0].shows("Text3"), row.prompt == zero_divisor);
        EXPECT_EQ(h.shows("Text3"), row.prompt == zero_divisor);
        EXPECT_EQ(h.text("Text3"), "3");
        EXPECT_FALSE(h.shows("Text4"));
        EXPECT_FALSE(h.shows("Label3"));
    }
    h.boxes.clear();
    h.type("Text2", "0.6");  // rounds to 1 for the remainder
    h.click("Command4");
    EXPECT_TRUE(h.boxes.empty());
    EXPECT_EQ(h.text("Text3"), "11");
    EXPECT_EQ(h.text("Text4"), "0");
}

TEST_F(PracticeTest, ANumberOrResultTooLargeIsRefusedAndTheEarlierResultHidden)
{
    enter("6", "4");
    h.click("Command1");
    struct Row {
        std::string x, y, button;
    };
    const std::vector<Row> table = {
        {"1e999", "1", "Command1"},      {"1e300", "1e300", "Command3"},  {"-1e308", "1e308", "Command2"},
        {"1e300", "1e-300", "Command4"}, {"1e300", "-1e-10", "Command4"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.x + " " + row.button + " " + row.y);
        h.boxes.clear();
        enter(row.x, row.y);
        h.click(row.button);
        ASSERT_EQ(h.boxes.size(), 1u);
        EXPECT_EQ(h.boxes[0].title, "numeria");
        EXPECT_FALSE(h.boxes[0].shows("Text3"));
        EXPECT_FALSE(h.shows("Text3"));
        EXPECT_EQ(h.text("Text3"), "10");
        EXPECT_FALSE(h.shows("Text4"));
    }
}

TEST_F(PracticeTest, AnOperationRefusingTooLargeNumbersHasHiddenTheResultAndRemainderLineFirst)
{
    struct Row {
        std::string x, y, button;
    };
    const std::vector<Row> table = {
        {"1e999", "1", "Command1"},
        {"1", "1e999", "Command2"},
        {"1e300", "1e300", "Command3"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.x + " " + row.button + " " + row.y);
        enter("9", "4");
        h.click("Command4");
        ASSERT_TRUE(h.shows("Text4"));
        h.boxes.clear();
        enter(row.x, row.y);
        h.click(row.button);
        ASSERT_EQ(h.boxes.size(), 1u);
        EXPECT_EQ(h.boxes[0].prompt, too_large);
        EXPECT_FALSE(h.boxes[0].shows("Text4"));
        EXPECT_FALSE(h.boxes[0].shows("Label3"));
        EXPECT_FALSE(h.boxes[0].shows("Text3"));
        EXPECT_FALSE(h.shows("Text4"));
        EXPECT_FALSE(h.shows("Label3"));
        EXPECT_FALSE(h.shows("Text3"));
    }
}

TEST_F(PracticeTest, AdditionAfterDivisionHidesTheRemainderLine)
{
    enter("9", "4");
    h.click("Command4");
    ASSERT_TRUE(h.shows("Text4"));
    h.click("Command1");
    EXPECT_EQ(h.text("Text3"), "13");
    EXPECT_FALSE(h.shows("Text4"));
    EXPECT_FALSE(h.shows("Label3"));
}

TEST_F(PracticeTest, BackLeadsToAFreshLesson)
{
    h.click("Command5");
    EXPECT_EQ(h.name(), "Form2");
    EXPECT_EQ(h.program.loaded().size(), 1u);
}

}  // namespace
