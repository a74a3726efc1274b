// SPDX-License-Identifier: GPL-3.0-or-later
// The equivalent-fractions screen: the ten fractions, the refusals and clearing.
#include <gtest/gtest.h>

#include "fractio/form1.h"
#include "fractio/screens.h"
#include "harness.h"

using testing_support::Harness;

namespace {

const std::string incomplete = "أكمل البيانات ";
const std::string impossible = "لايمكن .. فضلاً تأكد من الكسر ";

struct EquivalentTest : ::testing::Test {
    Harness h{fractio::app_title};
    void SetUp() override { h.start<fractio::Form1>(); }

    void find(const std::string& n, const std::string& d)
    {
        h.type("Text1", n);
        h.type("Text2", d);
        h.click("Command1");
    }
    std::vector<std::string> row(const char* name) const
    {
        std::vector<std::string> texts;
        for (int i = 0; i < 10; ++i)
            texts.push_back(h.text(std::string(name) + "(" + std::to_string(i) + ")"));
        return texts;
    }
};

using Texts = std::vector<std::string>;

TEST_F(EquivalentTest, WritesTheFractionTimesTwoToElevenFromRightToLeft)
{
    struct Row {
        std::string n, d;
        Texts numerators, denominators;
    };
    const std::vector<Row> table = {
        {"1",
         "2",
         {"2", "3", "4", "5", "6", "7", "8", "9", "10", "11"},
         {"4", "6", "8", "10", "12", "14", "16", "18", "20", "22"}},
        {"2.5",
         "-3",
         {"5", "7.5", "10", "12.5", "15", "17.5", "20", "22.5", "25", "27.5"},
         {"-6", "-9", "-12", "-15", "-18", "-21", "-24", "-27", "-30", "-33"}},
        {" ٣ ",
         "1e2",
         {"6", "9", "12", "15", "18", "21", "24", "27", "30", "33"},
         {"200", "300", "400", "500", "600", "700", "800", "900", "1000", "1100"}},
        {"123456789012",
         "1",
         {"246913578024", "370370367036", "493827156048", "617283945060", "740740734072", "864197523084",
          "987654312096", "1111111101108", "1234567890120", "1358024679132"},
         {"2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}},
    };
    for (const auto& r : table) {
        SCOPED_TRACE(r.n + "/" + r.d);
        find(r.n, r.d);
        EXPECT_TRUE(h.boxes.empty());
        EXPECT_EQ(row("Label2"), r.numerators);
        EXPECT_EQ(row("Label3"), r.denominators);
    }
}

TEST_F(EquivalentTest, AnIncompleteOrImpossibleFractionIsRefusedAndTheRowStays)
{
    find("1", "2");
    const Texts numerators = row("Label2"), denominators = row("Label3");
    struct Row {
        std::string n, d, prompt;
    };
    const std::vector<Row> table = {
        {"", "2", incomplete},
        {"5", "", incomplete},
        {"", "", incomplete},
        {"5", "0", impossible},
        {"0", "5", impossible},
        {"0.0", "5", impossible},
        {"5", "-0", impossible},
        {"abc", "2", impossible},
        {"1", "12abc", impossible},
        {" ", "2", impossible},
        {"1e999", "2", impossible},
        {"1e308", "1", fractio::too_large},
        {"1", "-1e308", fractio::too_large},
    };
    for (const auto& r : table) {
        SCOPED_TRACE(r.n + "/" + r.d);
        h.boxes.clear();
        find(r.n, r.d);
        ASSERT_EQ(h.boxes.size(), 1u);
        EXPECT_EQ(h.boxes[0].prompt, r.prompt);
        EXPECT_EQ(h.boxes[0].title, "مجموعة برامج الدرفاني");
        EXPECT_EQ(row("Label2"), numerators);
        EXPECT_EQ(row("Label3"), denominators);
        EXPECT_EQ(h.text("Text1"), r.n);
        EXPECT_EQ(h.text("Text2"), r.d);
    }
}

TEST_F(EquivalentTest, ClearingEmptiesTheBoxesAndTheRowButKeepsTheEqualsSigns)
{
    find("1", "2");
    h.click("Command2");
    EXPECT_EQ(row("Label2"), Texts(10, ""));
    EXPECT_EQ(row("Label3"), Texts(10, ""));
    EXPECT_EQ(h.text("Text1"), "");
    EXPECT_EQ(h.text("Text2"), "");
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(h.text("Label4(" + std::to_string(k) + ")"), "=");
}

TEST_F(EquivalentTest, EnterAndEscBothFindTheEquivalents)
{
    EXPECT_EQ(h.screen().default_button()->designer_name(), "Command1");
    EXPECT_EQ(h.screen().cancel_button()->designer_name(), "Command1");
}

}  // namespace
