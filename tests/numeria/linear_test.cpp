// SPDX-License-Identifier: GPL-3.0-or-later
// The linear-equation lesson and practice screens: the four steps, their captions, and what the
// practice screen refuses.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "harness.h"
#include "numeria/form4.h"
#include "numeria/form9.h"
#include "numeria/screens.h"

using testing_support::Harness;

namespace {

using Texts = std::vector<std::string>;

const std::string zero_coefficient = "معامل س يجب أن لا يساوي صفر... إعد الإدخال";
const std::string too_large = numeria::numbers_too_large;
// The step button's caption before each step.
const Texts captions = {"الخطوة الأولى", "الخطوة الثانية", "الخطوة الثالثة", "الخطوة الرابعة"};
// The boxes each step writes, and what it reveals: the words of the move, then a frame each.
const std::vector<Texts> step_boxes
    = {{"Text10"}, {"Text4", "Text5", "Text6"}, {"Text7", "Text8", "Text11", "Text12"}, {"Text9"}};
const Texts step_shows = {"Label9", "Frame3", "Frame4", "Frame5"};

Texts texts(const Harness& h, const Texts& names)
{
    Texts found;
    for (const auto& name : names)
        found.push_back(h.text(name));
    return found;
}

// After `done` steps: those steps and no later one on show, and the caption of the next step or
// no button after the last.
void expect_progress(const Harness& h, int done)
{
    std::vector<bool> shown, expected;
    for (int k = 0; k < 4; ++k) {
        shown.push_back(h.shows(step_shows[k]));
        expected.push_back(k < done);
    }
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(h.shows("Label5"), done > 0);
    EXPECT_EQ(h.shows("Command3"), done < 4);
    if (done < 4) {
        EXPECT_EQ(h.text("Command3"), captions[done]);
    }
}

struct LinearLessonTest : ::testing::Test {
    Harness h{numeria::app_title};
    void SetUp() override { h.start<numeria::Form4>(); }
    void example(int a, int b, int c)
    {
        h.random.draw(10, a);
        h.random.draw(10, b);
        h.random.draw(10, c);
        h.click("Command2");
    }
};

TEST_F(LinearLessonTest, OnlyTheRulesAndTheButtonsShowUntilTheFirstExample)
{
    EXPECT_FALSE(h.shows("Frame2"));
    EXPECT_FALSE(h.shows("Text1"));
    for (const auto* name : {"Frame1", "Label3", "Command2", "Command4", "Command1"})
        EXPECT_TRUE(h.shows(name)) << name;
    EXPECT_EQ(h.screen().tab_order().front()->designer_name(), "Command2");
}

TEST_F(LinearLessonTest, TheFirstExampleAfterStartIsAlwaysEightSixSix)
{
    h.click("Command2");
    EXPECT_EQ(texts(h, {"Text1", "Text2", "Text3", "Text10"}), (Texts{"8", "6", "6", "6"}));
    expect_progress(h, 1);
}

TEST_F(LinearLessonTest, EachClickOfTheStepButtonShowsTheNextStepOfTheDrawnEquation)
{
    struct Row {
        int a, b, c;
        std::vector<Texts> steps;  // the equation row, then what each step writes
    };
    const std::vector<Row> table = {
        {3, 2, 9, {{"3", "2", "9", "2"}, {"3", "9", "-2"}, {"3", "7", "3", "7"}, {"2.33333333333333"}}},
        {4, 7, 3, {{"4", "7", "3", "7"}, {"4", "3", "-7"}, {"4", "-4", "4", "-4"}, {"-1"}}},
        {5, 6, 6, {{"5", "6", "6", "6"}, {"5", "6", "-6"}, {"5", "0", "5", "0"}, {"0"}}},
        {1, 3, 10, {{"1", "3", "10", "3"}, {"1", "10", "-3"}, {"1", "7", "1", "7"}, {"7"}}},
        {7, 10, 1, {{"7", "10", "1", "10"}, {"7", "1", "-10"}, {"7", "-9", "7", "-9"}, {"-1.28571428571429"}}},
        {6, 1, 2, {{"6", "1", "2", "1"}, {"6", "2", "-1"}, {"6", "1", "6", "1"}, {"0.166666666666667"}}},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(std::to_string(row.a) + " " + std::to_string(row.b) + " " + std::to_string(row.c));
        example(row.a, row.b, row.c);
        EXPECT_EQ(texts(h, {"Text1", "Text2", "Text3", "Text10"}), row.steps[0]);
        expect_progress(h, 1);
        for (int done = 2; done <= 4; ++done) {
            h.click("Command3");
            EXPECT_EQ(texts(h, step_boxes[done - 1]), row.steps[done - 1]);
            expect_progress(h, done);
        }
    }
    EXPECT_TRUE(h.boxes.empty());
}

TEST_F(LinearLessonTest, ANewExampleMidwayStartsAgainFromTheFirstStep)
{
    for (int steps_before = 0; steps_before <= 3; ++steps_before) {
        SCOPED_TRACE(steps_before);
        example(3, 2, 9);
        for (int k = 0; k < steps_before; ++k)
            h.click("Command3");
        example(4, 7, 3);
        EXPECT_EQ(texts(h, {"Text1", "Text2", "Text3", "Text10"}), (Texts{"4", "7", "3", "7"}));
        expect_progress(h, 1);
        h.click("Command3");
        EXPECT_EQ(texts(h, step_boxes[1]), (Texts{"4", "3", "-7"}));
        expect_progress(h, 2);
    }
}

TEST_F(LinearLessonTest, TryYourselfOpensThePracticeWhoseBackButtonBringsAFreshLesson)
{
    example(3, 2, 9);
    h.click("Command4");
    EXPECT_EQ(h.name(), "Form9");
    EXPECT_EQ(h.program.loaded().size(), 1u);
    h.click("Command1");
    EXPECT_EQ(h.name(), "Form4");
    EXPECT_EQ(h.program.loaded().size(), 1u);
    EXPECT_FALSE(h.shows("Frame2"));
    h.click("Command1");
    EXPECT_EQ(h.name(), "Form1");
}

struct LinearPracticeTest : ::testing::Test {
    Harness h{numeria::app_title};
    void SetUp() override { h.start<numeria::Form9>(); }
    // A new visit to the screen, for the next row of a table.
    void fresh()
    {
        h.program.unload(h.screen());
        h.start<numeria::Form9>();
    }
    void enter(const std::string& a, const std::string& b, const std::string& c)
    {
        h.type("Text1", a);
        h.type("Text2", b);
        h.type("Text3", c);
    }
    // A refused click: one box with the app's title, and nothing on the screen changed.
    void expect_refused(const std::string& prompt)
    {
        std::map<std::string, std::string> before;
        for (const auto& c : h.screen().controls())
            if (c.shown())
                before[c.designer_name()] = c.text;
        h.boxes.clear();
        h.click("Command3");
        ASSERT_EQ(h.boxes.size(), 1u);
        EXPECT_EQ(h.boxes[0].prompt, prompt);
        EXPECT_EQ(h.boxes[0].title, "numeria");
        EXPECT_EQ(h.boxes[0].screen, before);
        h.boxes.clear();
    }
};

TEST_F(LinearPracticeTest, FourClicksSolveThePupilsEquation)
{
    struct Row {
        std::string a, b, c;
        std::vector<Texts> steps;
    };
    const std::vector<Row> table = {
        {"2", "3", "11", {{"3"}, {"2", "11", "-3"}, {"2", "8", "2", "8"}, {"4"}}},
        {"-2", "5", "1", {{"5"}, {"-2", "1", "-5"}, {"-2", "-4", "-2", "-4"}, {"2"}}},
        {"0.5", "0.2", "1", {{"0.2"}, {"0.5", "1", "-0.2"}, {"0.5", "0.8", "0.5", "0.8"}, {"1.6"}}},
        {"3", "2", "9", {{"2"}, {"3", "9", "-2"}, {"3", "7", "3", "7"}, {"2.33333333333333"}}},
        {"12abc", "x", "7", {{"0"}, {"12", "7", "0"}, {"12", "7", "12", "7"}, {"0.583333333333333"}}},
        {"-2", "5", "5", {{"5"}, {"-2", "5", "-5"}, {"-2", "0", "-2", "0"}, {"0"}}},
        {"٢", "٣", "١١", {{"3"}, {"2", "11", "-3"}, {"2", "8", "2", "8"}, {"4"}}},
        {"1e300",
         "-1e300",
         "1e300",
         {{"-1E+300"}, {"1E+300", "1E+300", "1E+300"}, {"1E+300", "2E+300", "1E+300", "2E+300"}, {"2"}}},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.a + " " + row.b + " " + row.c);
        fresh();
        enter(row.a, row.b, row.c);
        for (int done = 1; done <= 4; ++done) {
            h.click("Command3");
            EXPECT_EQ(texts(h, step_boxes[done - 1]), row.steps[done - 1]);
            expect_progress(h, done);
        }
        h.click("Command3");  // the button is gone
        expect_progress(h, 4);
    }
    EXPECT_TRUE(h.boxes.empty());
}

TEST_F(LinearPracticeTest, AZeroCoefficientIsRefusedAtAnyStepAndTheStepWaits)
{
    const Texts zeros = {"0", "", "abc", "-0", "0.0", "  ", "0e5"};
    for (int done = 0; done <= 3; ++done) {
        for (const auto& a : zeros) {
            SCOPED_TRACE(std::to_string(done) + " steps, a = '" + a + "'");
            fresh();
            enter("2", "3", "11");
            for (int k = 0; k < done; ++k)
                h.click("Command3");
            h.type("Text1", a);
            expect_refused(zero_coefficient);
            expect_progress(h, done);
            h.type("Text1", "2");
            h.click("Command3");
            EXPECT_TRUE(h.boxes.empty());
            expect_progress(h, done + 1);
        }
    }
}

TEST_F(LinearPracticeTest, ANumberChangedBetweenStepsCountsFromTheNextStepOn)
{
    enter("2", "3", "11");
    h.click("Command3");
    h.type("Text2", "5");
    h.click("Command3");
    EXPECT_EQ(h.text("Text10"), "3");
    EXPECT_EQ(texts(h, step_boxes[1]), (Texts{"2", "11", "-5"}));
    h.type("Text1", "-3");
    h.click("Command3");
    h.click("Command3");
    EXPECT_EQ(h.text("Text4"), "2");
    EXPECT_EQ(texts(h, step_boxes[2]), (Texts{"-3", "6", "-3", "6"}));
    EXPECT_EQ(h.text("Text9"), "-2");
}

TEST_F(LinearPracticeTest, NumbersBeyondTheDoubleRangeAreRefusedAndTheStepWaits)
{
    struct Row {
        std::string a, b, c;
        int refused_at;  // the step whose click is refused
    };
    const std::vector<Row> table = {
        {"1e999", "1", "1", 1},           {"0", "-1e999", "1", 1},     {"1", "2", "1e400", 1},
        {"1", "-1e308", "1e308", 3},      {"1", "1e308", "-1e308", 3}, {"1e-300", "0", "1e300", 4},
        {"-1e-10", "-1e300", "1e300", 4},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.a + " " + row.b + " " + row.c);
        fresh();
        enter(row.a, row.b, row.c);
        for (int k = 1; k < row.refused_at; ++k)
            h.click("Command3");
        ASSERT_TRUE(h.boxes.empty());
        expect_refused(too_large);
        expect_progress(h, row.refused_at - 1);
        enter("2", "3", "11");
        h.click("Command3");
        EXPECT_TRUE(h.boxes.empty());
        expect_progress(h, row.refused_at);
    }
}

}  // namespace
