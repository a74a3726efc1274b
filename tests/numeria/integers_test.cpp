// SPDX-License-Identifier: GPL-3.0-or-later
// The signed-integer lesson: each example's draws, boxes and messages.
#include <gtest/gtest.h>

#include "harness.h"
#include "numeria/form2.h"
#include "numeria/screens.h"

using testing_support::BoxRecord;
using testing_support::Harness;

namespace {

const std::string same_sign_positive = "العددان موجبان...لذلك إشارة الناتج موجبة";
const std::string same_sign_negative = "العددان سالبان لذلك إشارة الناتج  سالبة";
const std::string larger = "هو العدد الاكبر... لذلك ستكون إشارته هي إشارة الناتج";
const std::string equal = "العددان متساويان";

struct IntegersTest : ::testing::Test {
    Harness h{numeria::app_title};
    void SetUp() override { h.start<numeria::Form2>(); }

    // Scripts one sign draw followed by the two magnitude draws.
    void draws(int sign, int first, int second)
    {
        h.random.sign(sign);
        h.random.draw(10, first);
        h.random.draw(10, second);
    }
    void draws(int sign1, int sign2, int first, int second)
    {
        h.random.sign(sign1);
        h.random.sign(sign2);
        h.random.draw(10, first);
        h.random.draw(10, second);
    }
    static std::vector<std::string> board(const BoxRecord& b)
    {
        return {b.text("Text1"), b.text("Text2"), b.text("Text3"), b.text("Text4")};
    }
    std::vector<std::string> board() const
    {
        return {h.text("Text1"), h.text("Text2"), h.text("Text3"), h.text("Text4")};
    }
};

TEST_F(IntegersTest, TheFirstExampleAfterStartIsAlwaysSixPlusSix)
{
    h.click("Command2");
    ASSERT_EQ(h.boxes.size(), 1u);
    EXPECT_EQ(h.boxes[0].prompt, same_sign_positive);
    EXPECT_EQ(h.boxes[0].title, "numeria");
    EXPECT_EQ(board(h.boxes[0]), (std::vector<std::string>{"6", "+", "6", ""}));
    EXPECT_EQ(h.boxes[0].text("Label2"), "=");
    EXPECT_EQ(h.text("Text4"), "12");
}

TEST_F(IntegersTest, SameSignAdditionExplainsTheCommonSign)
{
    struct Row {
        int sign, a, b;
        std::string prompt;
        std::vector<std::string> result;
    };
    const std::vector<Row> table = {
        {+1, 3, 10, same_sign_positive, {"3", "+", "10", "13"}},
        {-1, 3, 4, same_sign_negative, {"-3", "+", "-4", "-7"}},
    };
    for (const auto& row : table) {
        draws(row.sign, row.a, row.b);
        h.boxes.clear();
        h.click("Command2");
        ASSERT_EQ(h.boxes.size(), 1u);
        EXPECT_EQ(h.boxes[0].prompt, row.prompt);
        EXPECT_EQ(h.boxes[0].text("Text4"), "");
        EXPECT_EQ(board(), row.result);
    }
}

TEST_F(IntegersTest, MixedSignAdditionNamesTheLargerNumberInTheTitle)
{
    struct Row {
        int sign, a, b;
        std::string title, prompt;
        std::vector<std::string> result;
    };
    const std::vector<Row> table = {
        {+1, 4, 4, "numeria", equal, {"4", "+", "-4", "0"}},
        {-1, 3, 8, "8", larger, {"-3", "+", "8", "5"}},
        {+1, 9, 2, "9", larger, {"9", "+", "-2", "7"}},
        {-1, 10, 1, "-10", larger, {"-10", "+", "1", "-9"}},
    };
    for (const auto& row : table) {
        draws(row.sign, row.a, row.b);
        h.boxes.clear();
        h.click("Command3");
        ASSERT_EQ(h.boxes.size(), 1u);
        EXPECT_EQ(h.boxes[0].title, row.title);
        EXPECT_EQ(h.boxes[0].prompt, row.prompt);
        EXPECT_EQ(h.boxes[0].text("Text4"), "");
        EXPECT_EQ(board(), row.result);
    }
}

TEST_F(IntegersTest, SubtractionTurnsIntoAdditionOfTheOpposite)
{
    draws(-1, 6, 4);
    h.click("Command4");
    ASSERT_EQ(h.boxes.size(), 3u);
    EXPECT_EQ(h.boxes[0].title, "اولا");
    EXPECT_EQ(h.boxes[0].prompt, "نقوم بتغيير إشارة الطرح إلى جمع");
    EXPECT_EQ(board(h.boxes[0]), (std::vector<std::string>{"-6", "-", "4", ""}));
    EXPECT_EQ(h.boxes[1].title, "4");
    EXPECT_EQ(h.boxes[1].prompt, "نقوم بتغيير إشارته");
    EXPECT_EQ(board(h.boxes[1]), (std::vector<std::string>{"-6", "+", "4", ""}));
    EXPECT_EQ(h.boxes[2].title, "numeria");
    EXPECT_EQ(board(h.boxes[2]), (std::vector<std::string>{"-6", "+", "-4", ""}));
    EXPECT_EQ(board(), (std::vector<std::string>{"-6", "+", "-4", "-10"}));
}

TEST_F(IntegersTest, MultiplicationSignFollowsWhetherTheSignsAgree)
{
    struct Row {
        int s1, s2, a, b;
        std::string prompt;
        std::string product;
    };
    const std::vector<Row> table = {
        {+1, +1, 3, 4, "بما إن الاشارتين متشابهتين، ستكون إشارة حاصل الضرب موجبة", "12"},
        {-1, -1, 5, 2, "بما إن الاشارتين متشابهتين، ستكون إشارة حاصل الضرب موجبة", "10"},
        {-1, +1, 3, 4, "بما إن الاشارتين مختلفتين، ستكون إشارة حاصل الضرب سالبة", "-12"},
    };
    for (const auto& row : table) {
        draws(row.s1, row.s2, row.a, row.b);
        h.boxes.clear();
        h.click("Command6");
        ASSERT_EQ(h.boxes.size(), 1u);
        EXPECT_EQ(h.boxes[0].prompt, row.prompt);
        EXPECT_EQ(h.text("Text2"), "X");
        EXPECT_EQ(h.text("Text4"), row.product);
    }
}

TEST_F(IntegersTest, DivisionGivesQuotientTowardZeroAndRemainderSignedLikeTheDividend)
{
    struct Row {
        int s1, s2, a, b;
        std::string prompt, quotient, remainder;
    };
    const std::string alike = "بما إن الاشارتين متشابهتين، ستكون إشارة حاصل القسمة موجبة";
    const std::string differ = "بما إن الاشارتين مختلفتين، ستكون إشارة حاصل القسمة سالبة";
    const std::vector<Row> table = {
        {-1, +1, 7, 2, differ, "-3", "-1"},
        {+1, -1, 7, 2, differ, "-3", "1"},
        {+1, +1, 10, 5, alike, "2", "0"},
        {-1, -1, 9, 4, alike, "2", "-1"},
    };
    for (const auto& row : table) {
        draws(row.s1, row.s2, row.a, row.b);
        h.boxes.clear();
        h.click("Command7");
        ASSERT_EQ(h.boxes.size(), 1u);
        EXPECT_EQ(h.boxes[0].prompt, row.prompt);
        EXPECT_EQ(h.boxes[0].text("Text4"), "");
        EXPECT_FALSE(h.boxes[0].shows("Text5"));
        EXPECT_EQ(h.text("Text2"), "÷");
        EXPECT_EQ(h.text("Text4"), row.quotient);
        EXPECT_TRUE(h.shows("Text5"));
        EXPECT_TRUE(h.shows("Label5"));
        EXPECT_EQ(h.text("Text5"), row.remainder);
    }
}

TEST_F(IntegersTest, TheNextExampleHidesTheRemainderLine)
{
    h.click("Command7");
    ASSERT_TRUE(h.shows("Text5"));
    h.click("Command2");
    EXPECT_FALSE(h.shows("Text5"));
    EXPECT_FALSE(h.shows("Label5"));
}

TEST_F(IntegersTest, LeavingAndComingBackShowsAnEmptyBoard)
{
    h.click("Command7");
    h.click("Command5");
    EXPECT_EQ(h.name(), "Form7");
    h.click("Command5");
    EXPECT_EQ(h.name(), "Form2");
    EXPECT_FALSE(h.shows("Label2"));
    EXPECT_FALSE(h.shows("Text5"));
    EXPECT_EQ(board(), (std::vector<std::string>{"", "", "", ""}));
    h.click("Command1");
    EXPECT_EQ(h.name(), "Form1");
}

}  // namespace
