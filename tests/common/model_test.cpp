// SPDX-License-Identifier: GPL-3.0-or-later
// The screen model: loading and unloading, dispatch while a box is open, containers, options,
// and the Tab order.
#include <gtest/gtest.h>

#include "harness.h"
#include "model/screen.h"
#include "model/spoken.h"

using namespace model;
using testing_support::Harness;

namespace {

std::vector<std::string> journal;

struct Home;
struct Away final : Screen {
    explicit Away(Services& s) : Screen(s, {.name = "Away"}) {}
    TextBox text1 = input("Text1");
    Button back = button("Back").on_click([this] {
        ui.unload(*this);
        ui.show<Home>();
        journal.push_back("after unload");
    });
    void load() override { journal.push_back("load Away"); }
    ~Away() override { journal.push_back("gone Away"); }
};

struct Home final : Screen {
    explicit Home(Services& s) : Screen(s, {.name = "Home"}) {}
    Frame frame1 = frame("Frame1");
    Label inner = label("Inner").in(frame1);
    Label hidden_inner = label("HiddenInner").in(frame1).hidden();
    std::array<Option, 3> choice
        = {option("Choice", 0).in(frame1), option("Choice", 1).in(frame1), option("Choice", 2)};
    TextBox shown_box = display("Shown");
    Button later = button("Later").on_click([] { journal.push_back("later"); });
    Button first = button("First").tab(0).on_click([this] {
        journal.push_back("first");
        ui.message("hello");
        journal.push_back("after box");
    });
    Button go = button("Go").on_click([this] {
        ui.unload(*this);
        ui.show<Away>();
    });
    Button quit = button("Quit").on_click([this] {
        ui.message("bye", "12");
        ui.end();
    });
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
    h.while_open = [&](const auto&) {
        h.click("Later");
        h.click("Go");
    };
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
    EXPECT_EQ(
        order,
        (std::vector<std::string>{"First", "Choice(0)", "Choice(1)", "Choice(2)", "Later", "Go", "Quit", "Toggle"}));
}

struct Misplaced final : Screen {
    explicit Misplaced(Services& s) : Screen(s, {.name = "Misplaced"}) {}
    Label early = label("Early").in(late);
    Frame late = frame("Late");
};

struct Elsewhere final : Screen {
    explicit Elsewhere(Services& s) : Screen(s, {.name = "Elsewhere"}) {}
    Frame own = frame("Own");
};

TEST_F(ModelTest, AChildDeclaredBeforeItsFrameIsRefusedNamingBoth)
{
    try {
        h.start<Misplaced>();
        FAIL() << "a child declared before its frame was accepted";
    } catch (const std::logic_error& e) {
        EXPECT_EQ(std::string(e.what()), "Misplaced: Early is placed in Late, which is not a Frame declared before it");
    }
    EXPECT_EQ(h.program.current(), nullptr);
}

TEST_F(ModelTest, AFrameOfAnotherScreenIsRefused)
{
    Harness other{"other"};
    auto& elsewhere = other.start<Elsewhere>();
    struct Borrower final : Screen {
        Borrower(Services& s, const Frame& f) : Screen(s, {.name = "Borrower"}), inner(label("Inner").in(f)) {}
        Label inner;
    };
    Borrower borrower(h.program, elsewhere.own);
    EXPECT_THROW(borrower.finish_declarations(), std::logic_error);
}

// Members of one array in different frames and out of index order, as on an exercise sheet.
struct Sheet final : Screen {
    explicit Sheet(Services& s) : Screen(s, {.name = "Sheet"}) {}
    Frame frame1_0 = frame("Frame1", 0);
    Option option2_1 = option("Option2", 1).in(frame1_0);
    Option option2_0 = option("Option2", 0).in(frame1_0);
    Frame frame1_1 = frame("Frame1", 1);
    Label mark = label("Mark").in(frame1_1);
    Option option2_2 = option("Option2", 2).in(frame1_1);
    ControlArray<Option> option2{*this, "Option2"};
    ControlArray<Frame> frame1{*this, "Frame1"};
};

TEST_F(ModelTest, AControlArrayReachesItsMembersByIndexAcrossFrames)
{
    auto& sheet = h.start<Sheet>();
    EXPECT_EQ(sheet.option2.indexes(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(&sheet.option2[2].control(), &sheet.option2_2.control());
    EXPECT_EQ(sheet.option2[0].control().container, &sheet.frame1[0].control());
    EXPECT_EQ(sheet.option2[2].control().container, &sheet.frame1[1].control());
    sheet.option2[1].set_value(true);
    sheet.option2[2].set_value(true);
    EXPECT_TRUE(sheet.option2_1.value());  // another frame: still selected
    EXPECT_THROW(sheet.option2[3], std::out_of_range);
    EXPECT_THROW((ControlArray<Label>{sheet, "Option2"}[0]), std::out_of_range);
}

// A unit shared by two screens declares its rows once; each screen passes what differs and adds
// its own rows after them.
struct Board : Screen {
    struct Differences {
        int top;
        const char* caption;
    };
    Board(Services& s, ScreenDesign d, Differences diff) : Screen(s, std::move(d)), diff_(diff) {}
    const Differences diff_;
    Frame frame1 = frame("Frame1").at(120, diff_.top, 3000, 1500).caption(diff_.caption);
    TextBox result = display("Text5").at(120, 240, 495, 495).in(frame1).named("الناتج");
    Button back = button("Command1").at(120, diff_.top + 1600, 900, 375).tab(1);
};

struct Lesson final : Board {
    explicit Lesson(Services& s) : Board(s, {.name = "Lesson"}, {.top = 3960, .caption = "مثال "}) {}
    Button example = button("Command2").at(1200, 120, 900, 375).tab(0);
};

struct Practice final : Board {
    explicit Practice(Services& s) : Board(s, {.name = "Practice"}, {.top = 1560, .caption = ""}) {}
    TextBox first = input("Text1").at(1200, 120, 495, 495).tab(0);
};

TEST_F(ModelTest, ASharedUnitGivesEachScreenItsRowsWithTheScreensDifferences)
{
    auto& lesson = h.start<Lesson>();
    EXPECT_EQ(lesson.frame1.control().top, 3960);
    EXPECT_EQ(lesson.result.control().container, &lesson.frame1.control());
    EXPECT_EQ(lesson.tab_order().front()->designer_name(), "Command2");
    h.program.unload(lesson);
    auto& practice = h.start<Practice>();
    EXPECT_EQ(practice.frame1.control().top, 1560);
    EXPECT_EQ(practice.back.control().top, 3160);
    EXPECT_EQ(practice.tab_order().front()->designer_name(), "Text1");
}

// A question row of the quiz in small: two factors that are blank until drawn, then its answer.
struct Question final : Screen {
    explicit Question(Services& s) : Screen(s, {.name = "Question"}) {}
    Label first = label("First");
    Label times = label("Times").caption("×");
    Label second = label("Second");
    Label equals = label("Equals").caption("=");
    TextBox answer = input("Answer").named("الناتج").reads({first, times, second, equals});
    Label mark = label("Mark").named("علامة صح").hidden();
    Reading row = reading({first, times, second, equals, answer, mark});
};

TEST_F(ModelTest, SignsAreHeardOnlyWithTheNumbersTheyJoin)
{
    auto& q = h.start<Question>();
    const auto& parts = q.readings().front();
    EXPECT_EQ(spoken(parts), "");
    EXPECT_EQ(spoken_name(q.answer.control()), "الناتج");
    q.first.set_caption("3");
    EXPECT_EQ(spoken(parts), "ثلاثة ضرب");
    q.second.set_caption("4");
    EXPECT_EQ(spoken(parts), "ثلاثة ضرب أربعة يساوي");
    EXPECT_EQ(spoken_name(q.answer.control()), "ثلاثة ضرب أربعة يساوي");
    q.answer.set_text("12");
    q.mark.show();  // a mark, heard by its name, is no sign
    EXPECT_EQ(spoken(parts), "ثلاثة ضرب أربعة يساوي اثنا عشر علامة صح");
}

}  // namespace
