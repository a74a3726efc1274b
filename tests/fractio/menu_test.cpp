// SPDX-License-Identifier: GPL-3.0-or-later
// The start screen, the menu, the way into each activity and back, and the way out.
#include <gtest/gtest.h>

#include "fractio/form2.h"
#include "fractio/screens.h"
#include "harness.h"

using testing_support::Harness;

namespace {

struct MenuTest : ::testing::Test {
    Harness h{fractio::app_title};
    void SetUp() override { h.start<fractio::Form2>(); }
};

TEST_F(MenuTest, StartOpensTheMenuWhoseBackButtonReturnsToAFreshStartScreen)
{
    h.click("Command1");
    EXPECT_EQ(h.name(), "Form3");
    EXPECT_EQ(h.program.loaded().size(), 1u);
    h.click("Command4");
    EXPECT_EQ(h.name(), "Form2");
    EXPECT_EQ(h.program.loaded().size(), 1u);
    h.click("Command1");
    EXPECT_EQ(h.name(), "Form3");
    EXPECT_TRUE(h.boxes.empty());
}

TEST_F(MenuTest, EachActivityOpensFromTheMenuAndReturnsToItEmptied)
{
    struct Row {
        std::string button, screen, typed_into, back;
    };
    const std::vector<Row> table = {
        {"Command1", "Form1", "Text1", "Command3"},
        {"Command2", "Form4", "Text1", "Command2"},
        {"Command3", "Form5", "Text1(0)", "Command7"},
    };
    h.click("Command1");
    for (const auto& row : table) {
        SCOPED_TRACE(row.screen);
        h.click(row.button);
        EXPECT_EQ(h.name(), row.screen);
        EXPECT_EQ(h.program.loaded().size(), 1u);
        h.type(row.typed_into, "5");
        h.click(row.back);
        EXPECT_EQ(h.name(), "Form3");
        EXPECT_EQ(h.program.loaded().size(), 1u);
        h.click(row.button);
        EXPECT_EQ(h.text(row.typed_into), "");
        h.click(row.back);
    }
    EXPECT_TRUE(h.boxes.empty());
}

TEST_F(MenuTest, ExitThanksThePupilUnderTheCollectionsTitleAndEndsOnlyAfterOk)
{
    bool ended_while_open = true;
    h.while_open = [&](const auto&) { ended_while_open = h.program.ended(); };
    h.click("Command2");
    ASSERT_EQ(h.boxes.size(), 1u);
    EXPECT_EQ(h.boxes[0].prompt, "شكراً .. لاختيارك مجموعة برامج الدرفاني");
    EXPECT_EQ(h.boxes[0].title, "مجموعة برامج الدرفاني");
    EXPECT_FALSE(ended_while_open);
    EXPECT_TRUE(h.program.ended());
}

TEST_F(MenuTest, ClosingAnyWindowEndsTheProgramWithoutThanks)
{
    for (const std::vector<std::string>& path : {std::vector<std::string>{}, {"Command1"}, {"Command1", "Command3"}}) {
        Harness run{fractio::app_title};
        run.start<fractio::Form2>();
        for (const auto& button : path)
            run.click(button);
        SCOPED_TRACE(run.name());
        run.program.close(run.screen());
        EXPECT_TRUE(run.program.ended());
        EXPECT_TRUE(run.program.loaded().empty());
        EXPECT_TRUE(run.boxes.empty());
    }
}

}  // namespace
