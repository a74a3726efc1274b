// fractio's screens that read the pupil's text, driven with entries of every kind: the screen's
// messages and nothing else, a refusal that changes nothing, and for exact entries the exact
// answer, worked out here in rationals.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include "fractio/form1.h"
#include "fractio/form4.h"
#include "fractio/form5.h"
#include "fractio/screens.h"
#include "properties.h"

using namespace testing_support;
using Kind = Reading::Kind;
using Texts = std::vector<std::string>;

namespace {

const std::string incomplete1 = "أكمل البيانات ";
const std::string impossible1 = "لايمكن .. فضلاً تأكد من الكسر ";
const std::string incomplete4 = "أكمل البيانات";
const std::string impossible4 = "لا يمكن .. فضلاً تأكد من الكسر";
const std::string incomplete_row = " أكمل البيانات";
const std::string incomplete_sheet = " أكمل البيانات ";
const std::string right = " صح";
const std::string wrong = "خطأ";
const std::string not_started = "اضغط على ابدأ أولاً .. لتظهر الأسئلة";
const std::string too_large = fractio::too_large;

std::string indexed(const char* name, int i) { return std::string(name) + "(" + std::to_string(i) + ")"; }

// An entry for a fraction box, now and then left empty.
Entry fraction_entry(Entries& gen) { return gen.chance(12) ? Entry{"", {}, {}} : gen.any(); }

// What the whole-text reading refuses outright: no number, or 0.
bool refused(const Reading& r) { return r.kind == Kind::NotANumber || r.kind == Kind::Overflow || r.is(Q(0)); }

::testing::AssertionResult holds(const Harness& h, const std::string& control, Q exact)
{
    const std::string text = h.text(control);
    if (shows(text, exact, exact.exact_in_double() ? Slack::Half : Slack::UnderOne))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << control << " shows " << printable(text) << " for " << exact.str();
}

TEST(AnyEntry, EquivalentFractionsAreTheExactMultiplesOrTheEntryIsRefusedAndNothingChanges)
{
    std::set<std::string> results;
    for (int i = 0; i < 10; ++i) {
        results.insert(indexed("Label2", i));
        results.insert(indexed("Label3", i));
    }
    drive<fractio::Form1>(
        fractio::app_title, [](Tidy&) {},
        [&](Harness& h, Entries& gen, int) {
            const Board before = board_of(h.screen());
            if (gen.chance(8)) {
                h.click("Command2");
                EXPECT_TRUE(h.boxes.empty());
                for (const auto& [name, state] : board_of(h.screen())) {
                    const bool emptied = results.count(name) > 0 || name == "Text1" || name == "Text2";
                    EXPECT_EQ(state.first, emptied ? "" : before.at(name).first) << name;
                }
                return;
            }
            const Entry n = fraction_entry(gen), d = fraction_entry(gen);
            h.type("Text1", n.text);
            h.type("Text2", d.text);
            const Board typed = board_of(h.screen());
            h.click("Command1");
            SCOPED_TRACE(printable(n.text) + " over " + printable(d.text));
            const Texts seen = prompts(h);
            const bool exact = n.strict.value && d.strict.value;
            if (n.text.empty() || d.text.empty()) {
                EXPECT_EQ(seen, Texts{incomplete1});
            } else if (refused(n.strict) || refused(d.strict)) {
                EXPECT_EQ(seen, Texts{impossible1});
            } else if (exact) {
                EXPECT_EQ(seen, Texts{});
            } else {
                EXPECT_TRUE(seen.empty() || seen == Texts{impossible1} || seen == Texts{too_large});
            }
            for (const auto& name : changes(typed, board_of(h.screen()))) {
                EXPECT_TRUE(seen.empty() && results.count(name) > 0) << name << " changed";
            }
            if (!exact || !seen.empty())
                return;
            for (int i = 0; i < 10; ++i) {
                EXPECT_TRUE(holds(h, indexed("Label2", i), *n.strict.value * Q(i + 2)));
                EXPECT_TRUE(holds(h, indexed("Label3", i), *d.strict.value * Q(i + 2)));
            }
        });
}

TEST(AnyEntry, SimplificationGivesTheFractionInLowestTermsOrRefusesAndChangesNothing)
{
    const std::set<std::string> results = {"Label1", "Label2", "Label5"};
    drive<fractio::Form4>(
        fractio::app_title, [](Tidy& t) { t.prefixed("Label5", "="); },
        [&](Harness& h, Entries& gen, int) {
            if (gen.chance(8)) {
                h.click("Command3");
                EXPECT_TRUE(h.boxes.empty());
                for (const char* emptied : {"Text1", "Text2", "Label1", "Label2", "Label5"}) {
                    EXPECT_EQ(h.text(emptied), "") << emptied;
                }
                return;
            }
            const Entry n = fraction_entry(gen), d = fraction_entry(gen);
            h.type("Text1", n.text);
            h.type("Text2", d.text);
            const Board typed = board_of(h.screen());
            h.click("Command1");
            SCOPED_TRACE(printable(n.text) + " over " + printable(d.text));
            const Texts seen = prompts(h);
            std::optional<Q> q;
            if (n.strict.value && d.strict.value && !refused(n.strict) && !refused(d.strict))
                q = *n.strict.value / *d.strict.value;
            // Whole numbers are written with all their digits up to 15 of them.
            const Q longest = Q(power_of_ten(15) - 1);
            if (n.text.empty() || d.text.empty()) {
                EXPECT_EQ(seen, Texts{incomplete4});
            } else if (refused(n.strict) || refused(d.strict)) {
                EXPECT_EQ(seen, Texts{impossible4});
            } else if (q && !q->whole() && !(n.strict.value->whole() && d.strict.value->whole())) {
                // Numbers that are not whole make only a whole number; past 15 digits no quotient is
                // written, whole or not.
                EXPECT_TRUE(seen == Texts{impossible4} || (longest < q->abs() && seen == Texts{too_large}));
            } else if (q) {
                const bool written_whole = Q(q->num()).abs() <= longest && Q(q->den()) <= longest;
                EXPECT_EQ(seen, written_whole ? Texts{} : Texts{too_large});
            } else {
                EXPECT_TRUE(seen.empty() || seen == Texts{impossible4} || seen == Texts{too_large});
            }
            for (const auto& name : changes(typed, board_of(h.screen()))) {
                EXPECT_TRUE(seen.empty() && results.count(name) > 0) << name << " changed";
            }
            if (!seen.empty())
                return;
            const auto top = read_written(h.text("Label1")), bottom = read_written(h.text("Label2"));
            ASSERT_TRUE(top && bottom && bottom->m != 0) << h.text("Label1") << " over " << h.text("Label2");
            const Q p = top->value(), r = bottom->value();
            EXPECT_TRUE(p.whole() && r.whole() && gcd_of(p.num(), r.num()) == 1) << p.str() << " over " << r.str();
            const bool whole = r == Q(1) || r == Q(-1);
            EXPECT_EQ(h.text("Label5").empty(), !whole);
            if (whole) {
                EXPECT_TRUE(r == Q(1)) << "a whole number over " << r.str();
                EXPECT_EQ(h.text("Label5"), "=" + h.text("Label1"));
            }
            if (q) {
                EXPECT_TRUE(p / r == *q) << p.str() << " over " << r.str() << " for " << q->str();
            }
        });
}

TEST(AnyEntry, TheQuizMarksEachAnswerAgainstItsOwnQuestion)
{
    std::optional<std::array<int, 10>> factors;
    std::array<std::string, 5> verdicts;
    std::array<Entry, 5> answers;
    drive<fractio::Form5>(
        fractio::app_title,
        [](Tidy& t) {
            for (const char* v : {"Label5", "Label6", "Label7", "Label8", "Label9"})
                t.allow(v, {right, wrong});
        },
        [&](Harness& h, Entries& gen, int k) {
            if (k == 0) {
                factors.reset();
                verdicts = {};
                answers = {};
            }
            const int row = gen.below(5);
            if (gen.chance(2)) {
                const int product = factors ? (*factors)[row] * (*factors)[row + 5] : gen.below(145);
                answers[row] = gen.chance(2) ? gen.spelled(Q(product))
                    : gen.chance(4)          ? Entry{"", {}, {}}
                                             : gen.any(200);
                h.type(indexed("Text1", row), answers[row].text);
            }
            // The verdict on one row, or nothing when the test cannot tell.
            const auto judged = [&](int r) -> std::optional<std::string> {
                const Reading& a = answers[r].strict;
                if (a.value)
                    return *a.value == Q((*factors)[r] * (*factors)[r + 5]) ? right : wrong;
                if (a.kind == Kind::NotANumber || a.kind == Kind::Overflow)
                    return wrong;
                return std::nullopt;
            };
            const auto mark = [&](int r) {
                const std::string shown = h.text("Label" + std::to_string(5 + r));
                EXPECT_TRUE(shown == right || shown == wrong) << shown;
                verdicts[r] = judged(r).value_or(shown);
            };
            const auto empty = [&](int r) { return answers[r].text.empty(); };
            std::string action;
            Texts expected;
            switch (gen.below(6)) {
            case 0:
                action = "Command6";
                factors.emplace();
                for (int& f : *factors) {
                    f = gen.below(13);
                    h.random.push((static_cast<float>(f) + 0.5f) / 13.0f);
                }
                h.click(action);
                verdicts = {};
                break;
            case 1:
                action = "Command8";
                h.click(action);
                if (std::any_of(answers.begin(), answers.end(), [](const Entry& e) { return e.text.empty(); }))
                    expected = {incomplete_sheet};
                else if (!factors)
                    expected = {not_started};
                else
                    for (int r = 0; r < 5; ++r)
                        mark(r);
                break;
            case 2:
                action = "Command9";
                h.click(action);
                answers = {};
                verdicts = {};
                break;
            default:
                action = "Command" + std::to_string(row + 1);
                h.click(action);
                if (empty(row))
                    expected = {incomplete_row};
                else if (!factors)
                    expected = {not_started};
                else
                    mark(row);
            }
            SCOPED_TRACE(action + " row " + std::to_string(row) + " " + printable(answers[row].text));
            EXPECT_EQ(prompts(h), expected);
            for (int r = 0; r < 5; ++r) {
                EXPECT_EQ(h.text("Label" + std::to_string(5 + r)), verdicts[r]) << "row " << r;
                EXPECT_EQ(h.text(indexed("Text1", r)), answers[r].text) << "row " << r;
                EXPECT_EQ(h.text(indexed("Label1", r)), factors ? std::to_string((*factors)[r]) : "") << "row " << r;
                EXPECT_EQ(h.text(indexed("Label2", r)), factors ? std::to_string((*factors)[r + 5]) : "")
                    << "row " << r;
            }
        });
}

}  // namespace
