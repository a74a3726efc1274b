// The screen model: loading and unloading, dispatch while a box is open, containers, options,
// and the Tab order.
#include <gtest/gtest.h>

#include "harness.h"
#include "model/screen.h"

using namespace model;
using testing_support::Harness;

namespace {

std::vector<std::string> journal;

struct Home;
struct Away final : Screen {
    explicit Away(Services& s) : Screen(s, {.name = "Away"}) {}
    TextBox text1 = input("Text1");
    Button back = button("Back").on_click([this] { ui.unload(*this); ui.show<Home>(); journal.push_back("after unload"); });
    void load() override { journal.push_back("load Away"); }
    ~Away() override { journal.push_back("gone Away"); }
};

struct Home final : Screen {
    explicit Home(Services& s) : Screen(s, {.name = "Home"}) {}
    Frame frame1 = frame("Frame1");
    Label inner = label("Inner").in(frame1);
    Label hidden_inner = label("HiddenInner").in(frame1).hidden();
    std::array<Option, 3> choice = {option("Choice", 0).in(frame1), option("Choice", 1).in(frame1), option("Choice", 2)};
    TextBox shown_box = display("Shown");
    Button later = button("Later").on_click([] { journal.push_back("later"); });
    Button first = button("First").tab(0).on_click([this] {
        journal.push_back("first");
        ui.message("hello");
        journal.push_back("after box");
    });
    Button go = button("Go").on_click([this] { ui.unload(*this); ui.show<Away>(); });
    Button quit = button("Quit").on_click([this] { ui.message("bye", "12"); ui.end(); });
    Button toggle = button("Toggle").on_click([this] { frame1.set_visible(!frame1.visible()); });
    void load() override { journal.push_back("load Home"); }
};

struct ModelTest : ::testing::Test {
    Harness h{"app"};
    void SetUp() override { journal.clear(); }
};

TEST_F(ModelTest, NavigationUnloadsFirstAndRunsTheHandlerToItsEnd)
{
    h.start<Home>();
    h.click("Go");
    EXPECT_EQ(h.name(), "Away");
    EXPECT_EQ(h.program.loaded().size(), 1u);
    h.click("Back");
    // The unloaded screen outlives the handler that unloaded it, then goes.
    EXPECT_EQ(journal, (std::vector<std::string>{"load Home", "load Away", "load Home", "after unload", "gone Away"}));
}

TEST_F(ModelTest, AFreshVisitStartsFromTheDesignerValues)
{
    h.start<Home>();
    h.click("Go");
    h.type("Text1", "42");
    h.click("Back");
    h.click("Go");
    EXPECT_EQ(h.text("Text1"), "");
}

TEST_F(ModelTest, ABoxWithoutTitleShowsTheApplicationTitleAndClicksBehindItDoNothing)
{
    h.start<Home>();
    h.while_open = [&](const auto&) { h.click("Later"); h.click("Go"); };
    h.click("First");
    ASSERT_EQ(h.boxes.size(), 1u);
    EXPECT_EQ(h.boxes[0].title, "app");
    EXPECT_EQ(journal, (std::vector<std::string>{"load Home", "first", "after box"}));
    EXPECT_EQ(h.name(), "Home");
}

TEST_F(ModelTest, EndComesOnlyAfterTheBoxAndIgnoresLaterClicks)
{
    h.start<Home>();
    h.while_open = [&](const auto&) { EXPECT_FALSE(h.program.ended()); };
    h.click("Quit");
    EXPECT_EQ(h.boxes.at(0).title, "12");
    EXPECT_TRUE(h.program.ended());
    EXPECT_EQ(h.program.current(), nullptr);
}

TEST_F(ModelTest, ClosingTheOnlyWindowEndsTheProgram)
{
    h.start<Home>();
    h.program.close(h.screen());
    EXPECT_TRUE(h.program.ended());
}

TEST_F(ModelTest, AHiddenFrameHidesItsChildrenAndShowsThemAgainByTheirOwnFlag)
{
    h.start<Home>();
    EXPECT_TRUE(h.shows("Inner"));
    EXPECT_FALSE(h.shows("HiddenInner"));
    h.click("Toggle");
    EXPECT_FALSE(h.shows("Inner"));
    h.click("Toggle");
    EXPECT_TRUE(h.shows("Inner"));
    EXPECT_FALSE(h.shows("HiddenInner"));
}

TEST_F(ModelTest, SelectingAnOptionClearsOnlyItsContainer)
{
    auto& home = h.start<Home>();
    h.click("Choice(2)");
    h.click("Choice(0)");
    EXPECT_TRUE(home.choice[0].value());
    EXPECT_TRUE(home.choice[2].value());
    h.click("Choice(1)");
    EXPECT_FALSE(home.choice[0].value());
    EXPECT_TRUE(home.choice[1].value());
    home.choice[1].set_enabled(false);
    h.click("Choice(0)");
    h.click("Choice(1)");
    EXPECT_TRUE(home.choice[0].value());
}

TEST_F(ModelTest, TabOrderPutsGivenIndexesFirstAndSkipsDisplayBoxes)
{
    h.start<Home>();
    std::vector<std::string> order;
    for (Control* c : h.screen().tab_order())
        order.push_back(c->designer_name());
    EXPECT_EQ(order, (std::vector<std::string>{"First", "Choice(0)", "Choice(1)", "Choice(2)", "Later", "Go", "Quit", "Toggle"}));
}

}  // namespace
