// SPDX-License-Identifier: GPL-3.0-or-later
// The simplification screen: lowest terms, the whole-number result, refusals and clearing.
#include <gtest/gtest.h>

#include "fractio/form4.h"
#include "fractio/screens.h"
#include "harness.h"

using testing_support::Harness;

namespace {

const std::string incomplete = "أكمل البيانات";
const std::string impossible = "لا يمكن .. فضلاً تأكد من الكسر";

struct SimplifyTest : ::testing::Test {
    Harness h{fractio::app_title};
    void SetUp() override { h.start<fractio::Form4>(); }

    void simplify(const std::string& n, const std::string& d)
    {
        h.type("Text1", n);
        h.type("Text2", d);
        h.click("Command1");
    }
    std::vector<std::string> result() const { return {h.text("Label1"), h.text("Label2"), h.text("Label5")}; }
};

using Texts = std::vector<std::string>;

TEST_F(SimplifyTest, ReducesToLowestTermsAndNamesTheWholeNumberOnlyWhenThereIsOne)
{
    struct Row {
        std::string n, d;
        Texts result;
    };
    // Each row follows the one above, so a whole number left from an earlier row would show.
    const std::vector<Row> table = {
        {"6", "8", {"3", "4", ""}},
        {"12", "8", {"3", "2", ""}},
        {"6", "3", {"2", "1", "=2"}},
        {"3", "6", {"1", "2", ""}},
        {"7", "7", {"1", "1", "=1"}},
        {"2", "4", {"1", "2", ""}},
        {"-6", "3", {"-2", "1", "=-2"}},
        {"-2", "4", {"-1", "2", ""}},
        {"6", "-3", {"-2", "1", "=-2"}},
        {"2", "-4", {"1", "-2", ""}},
        {"-8", "-12", {"-2", "-3", ""}},
        {"-5", "-5", {"1", "1", "=1"}},
        {"123456789012", "246913578024", {"1", "2", ""}},
        {"999999999989", "999999999959", {"999999999989", "999999999959", ""}},
        {"999999999999999", "3", {"333333333333333", "1", "=333333333333333"}},
        {"9007199254740992", "-9007199254740992", {"-1", "1", "=-1"}},
        {"2.5", "0.5", {"5", "1", "=5"}},
        {"1.5", "-0.5", {"-3", "1", "=-3"}},
        {"٦", "٨", {"3", "4", ""}},
        {" 10 ", "4", {"5", "2", ""}},
        {"0.5", "0.1", {"5", "1", "=5"}},
        {"0.9", "0.3", {"3", "1", "=3"}},
        {"1.5", "3", {"1", "2", ""}},
        {"1.2", "5", {"6", "25", ""}},
        {"1", "-0.3", {"10", "-3", ""}},
    };
    for (const auto& r : table) {
        SCOPED_TRACE(r.n + "/" + r.d);
        simplify(r.n, r.d);
        EXPECT_TRUE(h.boxes.empty());
        EXPECT_EQ(result(), r.result);
    }
}

TEST_F(SimplifyTest, AFractionThatCannotBeReducedIsRefusedAndTheResultStays)
{
    simplify("6", "3");
    struct Row {
        std::string n, d, prompt;
    };
    const std::vector<Row> table = {
        {"", "4", incomplete},
        {"4", "", incomplete},
        {"0", "4", impossible},
        {"4", "0", impossible},
        {"-0", "4", impossible},
        {"abc", "4", impossible},
        {"4", "12abc", impossible},
        {"1e999", "4", impossible},
        {"1e-320", "3", fractio::too_small},
        {"1", "1e-310", fractio::too_small},
        {"1e-300", "3", fractio::too_large},  // 1 over a denominator of 301 digits
        {"6401377653981335", "97.3125", fractio::too_large},
        {"9007199254740993", "16", fractio::too_large},  // no double holds it
        {"1000000000000000.01", "8", fractio::too_large},
        {"1e20", "3", fractio::too_large},
        {"4", "-9007199254740994", fractio::too_large},
        // Reduced or divided, a number too long to be written with all its digits.
        {"1000000", "-4413701786576172", fractio::too_large},
        {"999999999999999", "0.5", fractio::too_large},
    };
    for (const auto& r : table) {
        SCOPED_TRACE(r.n + "/" + r.d);
        h.boxes.clear();
        simplify(r.n, r.d);
        ASSERT_EQ(h.boxes.size(), 1u);
        EXPECT_EQ(h.boxes[0].prompt, r.prompt);
        EXPECT_EQ(h.boxes[0].title, "مجموعة برامج الدرفاني");
        EXPECT_EQ(result(), (Texts{"2", "1", "=2"}));
    }
}

TEST_F(SimplifyTest, ClearingEmptiesTheBoxesAndTheResult)
{
    simplify("6", "3");
    h.click("Command3");
    EXPECT_EQ(result(), (Texts{"", "", ""}));
    EXPECT_EQ(h.text("Text1"), "");
    EXPECT_EQ(h.text("Text2"), "");
}

TEST_F(SimplifyTest, EnterSimplifies)
{
    EXPECT_EQ(h.screen().default_button()->designer_name(), "Command1");
    EXPECT_EQ(h.screen().cancel_button(), nullptr);
}

}  // namespace
