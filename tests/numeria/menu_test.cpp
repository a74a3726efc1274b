// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu, the about screen and the way out.
#include <gtest/gtest.h>

#include "harness.h"
#include "numeria/form1.h"
#include "numeria/screens.h"

using testing_support::Harness;

namespace {

struct MenuTest : ::testing::Test {
    Harness h{numeria::app_title};
    void SetUp() override { h.start<numeria::Form1>(); }
};

TEST_F(MenuTest, EveryMenuButtonUnloadsTheMenuAndOpensItsScreenWhoseBackButtonReturns)
{
    const std::vector<std::tuple<std::string, std::string, std::string>> table = {
        {"Command1", "Form2", "Command1"},  {"Command2", "Form3", "Command1"}, {"Command3", "Form4", "Command1"},
        {"Command7", "Form10", "Command6"}, {"Command5", "Form6", "Command1"}, {"Command6", "Form5", "Command1"},
    };
    for (const auto& [button, target, back] : table) {
        SCOPED_TRACE(button);
        h.click(button);
        EXPECT_EQ(h.name(), target);
        EXPECT_EQ(h.program.loaded().size(), 1u);
        h.click(back);
        EXPECT_EQ(h.name(), "Form1");
    }
    EXPECT_TRUE(h.boxes.empty());
}

TEST_F(MenuTest, MenuFocusStartsOnTheFirstTopic)
{
    h.click("Command6");
    h.click("Command1");
    EXPECT_EQ(h.screen().tab_order().front()->designer_name(), "Command1");
}

TEST_F(MenuTest, ExitSaysGoodbyeWithTheApplicationTitleAndEndsOnlyAfterOk)
{
    bool ended_while_open = true;
    h.while_open = [&](const auto&) { ended_while_open = h.program.ended(); };
    h.click("Command4");
    ASSERT_EQ(h.boxes.size(), 1u);
    EXPECT_EQ(h.boxes[0].title, "numeria");
    EXPECT_EQ(h.boxes[0].prompt, "نتمنى أنك قد أستفدت من البرنامج... ونتمنى لك أيضا التوفيق والنجاح");
    EXPECT_FALSE(ended_while_open);
    EXPECT_TRUE(h.program.ended());
}

TEST_F(MenuTest, ClosingTheAboutScreenEndsTheProgramInsteadOfReturning)
{
    h.click("Command6");
    h.program.close(h.screen());
    EXPECT_TRUE(h.program.ended());
    EXPECT_TRUE(h.program.loaded().empty());
}

}  // namespace
