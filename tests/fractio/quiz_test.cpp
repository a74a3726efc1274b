// SPDX-License-Identifier: GPL-3.0-or-later
// The multiplication-table quiz: the draws, marking one row and all rows, clearing.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>

#include "fractio/form5.h"
#include "fractio/screens.h"
#include "harness.h"

using testing_support::Harness;

namespace {

const std::string right = " صح";
const std::string wrong = "خطأ";
const std::string incomplete_row = " أكمل البيانات";
const std::string incomplete_sheet = " أكمل البيانات ";
const std::string not_started = "اضغط على ابدأ أولاً .. لتظهر الأسئلة";

std::string indexed(const char* name, int i) { return std::string(name) + "(" + std::to_string(i) + ")"; }
std::string verdict(int row) { return "Label" + std::to_string(5 + row); }
std::string mark(int row) { return "Command" + std::to_string(1 + row); }

struct QuizTest : ::testing::Test {
    Harness h{fractio::app_title};
    void SetUp() override { h.start<fractio::Form5>(); }

    // The next press of start draws these ten, Label1(0) to Label1(4) first.
    void start_with(const std::array<int, 10>& factors)
    {
        for (const int k : factors)
            h.random.push((static_cast<float>(k) + 0.5f) / 13.0f);
        h.click("Command6");
    }
    void answer(const std::array<std::string, 5>& answers)
    {
        for (int r = 0; r < 5; ++r)
            h.type(indexed("Text1", r), answers[r]);
    }
    std::vector<std::string> verdicts() const
    {
        std::vector<std::string> texts;
        for (int r = 0; r < 5; ++r)
            texts.push_back(h.text(verdict(r)));
        return texts;
    }
};

using Texts = std::vector<std::string>;

TEST_F(QuizTest, StartWritesTheFirstFiveDrawsAsFirstFactorsAndTheNextFiveAsSecond)
{
    EXPECT_EQ(h.text("Label1(0)"), "");
    start_with({0, 12, 3, 7, 1, 7, 4, 11, 0, 12});
    const Texts first = {"0", "12", "3", "7", "1"}, second = {"7", "4", "11", "0", "12"};
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(h.text(indexed("Label1", r)), first[r]);
        EXPECT_EQ(h.text(indexed("Label2", r)), second[r]);
    }
    EXPECT_TRUE(h.random.exhausted());
}

TEST_F(QuizTest, EachRowIsMarkedAgainstItsOwnProduct)
{
    start_with({0, 3, 3, 12, 5, 7, 4, 4, 12, 5});
    struct Row {
        int row;
        std::string answer, verdict;
    };
    const std::vector<Row> table = {
        {0, "0", right},      {0, "7", wrong},    {0, "-0", right},    {1, "12.0", right},   {1, "12", right},
        {1, "13", wrong},     {1, " 12 ", right}, {1, "12abc", wrong}, {1, "abc", wrong},    {1, "1e999", wrong},
        {2, "12", right},     {2, "١٢", right},   {3, "144", right},   {3, "1.44e2", right}, {4, "25", right},
        {4, "24.999", wrong}, {4, "-25", wrong},
    };
    for (const auto& r : table) {
        SCOPED_TRACE(std::to_string(r.row) + ": " + r.answer);
        h.type(indexed("Text1", r.row), r.answer);
        h.click(mark(r.row));
        EXPECT_TRUE(h.boxes.empty());
        EXPECT_EQ(h.text(verdict(r.row)), r.verdict);
    }
}

TEST_F(QuizTest, MarkingAllWritesEveryVerdict)
{
    start_with({2, 3, 4, 5, 6, 2, 3, 4, 5, 6});
    answer({"4", "9", "15", "25", "x"});
    h.click("Command8");
    EXPECT_TRUE(h.boxes.empty());
    EXPECT_EQ(verdicts(), (Texts{right, right, wrong, right, wrong}));
}

TEST_F(QuizTest, AnEmptyAnswerIsAskedForAndNothingIsMarked)
{
    start_with({2, 3, 4, 5, 6, 2, 3, 4, 5, 6});
    answer({"1", "1", "1", "1", "1"});
    h.click("Command8");
    const Texts before = verdicts();
    answer({"4", "9", "16", "", "36"});
    h.click("Command8");
    h.click("Command4");
    ASSERT_EQ(h.boxes.size(), 2u);
    EXPECT_EQ(h.boxes[0].prompt, incomplete_sheet);
    EXPECT_EQ(h.boxes[1].prompt, incomplete_row);
    for (const auto& box : h.boxes)
        EXPECT_EQ(box.title, "مجموعة برامج الدرفاني");
    EXPECT_EQ(verdicts(), before);
}

TEST_F(QuizTest, MarkingBeforeAnyDrawAsksForStartAndMarksNothing)
{
    struct Row {
        std::string button;
        std::array<std::string, 5> answers;
        std::string prompt;
    };
    const std::vector<Row> table = {
        {"Command1", {"0", "", "", "", ""}, not_started},
        {"Command8", {"0", "0", "0", "0", "0"}, not_started},
        {"Command3", {"0", "0", "", "0", "0"}, incomplete_row},
        {"Command8", {"0", "0", "", "0", "0"}, incomplete_sheet},
    };
    for (const auto& r : table) {
        SCOPED_TRACE(r.button + " " + r.prompt);
        h.boxes.clear();
        answer(r.answers);
        h.click(r.button);
        ASSERT_EQ(h.boxes.size(), 1u);
        EXPECT_EQ(h.boxes[0].prompt, r.prompt);
        EXPECT_EQ(verdicts(), Texts(5, ""));
    }
}

TEST_F(QuizTest, ANewDrawEmptiesTheVerdictsButKeepsTheAnswers)
{
    start_with({1, 1, 1, 1, 1, 2, 2, 2, 2, 2});
    answer({"2", "2", "2", "2", "3"});
    h.click("Command8");
    ASSERT_EQ(verdicts(), (Texts{right, right, right, right, wrong}));
    start_with({3, 3, 3, 3, 3, 3, 3, 3, 3, 3});
    EXPECT_EQ(verdicts(), Texts(5, ""));
    EXPECT_EQ(h.text("Text1(4)"), "3");
    h.type("Text1(4)", "9");
    h.click("Command5");
    EXPECT_EQ(h.text("Label9"), right);
}

TEST_F(QuizTest, ClearingEmptiesAnswersAndVerdictsAndKeepsTheQuestions)
{
    start_with({3, 0, 0, 0, 0, 4, 0, 0, 0, 0});
    answer({"12", "0", "0", "0", "0"});
    h.click("Command8");
    h.click("Command9");
    EXPECT_EQ(verdicts(), Texts(5, ""));
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(h.text(indexed("Text1", r)), "");
    EXPECT_EQ(h.text("Label1(0)"), "3");
    EXPECT_EQ(h.text("Label2(0)"), "4");
    h.type("Text1(0)", "12");
    h.click("Command1");
    EXPECT_EQ(h.text("Label5"), right);
}

// A generator whose clock never moves, and which notes each reseed (R) and each draw (D).
class StoppedClock final : public values::Random {
public:
    explicit StoppedClock(std::uint64_t reading) : reading_(reading) {}
    float rnd() override
    {
        calls += 'D';
        return real_.rnd();
    }
    void randomize() override
    {
        calls += 'R';
        real_.mix_in(reading_);
    }
    std::string calls;

private:
    values::RuntimeRandom real_;
    std::uint64_t reading_;
};

TEST(QuizDraws, EachOfTheTenDrawsIsReseededAndTheyVaryWithinOneInstant)
{
    for (const std::uint64_t reading : {0ULL, 1ULL, 987654321ULL, 1ULL << 40, ~0ULL}) {
        SCOPED_TRACE(reading);
        Harness boxes{fractio::app_title};
        StoppedClock clock(reading);
        model::Program program(fractio::app_title, boxes, clock);
        model::Screen& quiz = program.start<fractio::Form5>();
        program.click(*quiz.find("Command6"));
        EXPECT_EQ(clock.calls, "RDRDRDRDRDRDRDRDRDRD");
        std::set<std::string> drawn;
        for (int r = 0; r < 5; ++r) {
            drawn.insert(quiz.find(indexed("Label1", r))->text);
            drawn.insert(quiz.find(indexed("Label2", r))->text);
        }
        EXPECT_GE(drawn.size(), 5u);
    }
}

}  // namespace
