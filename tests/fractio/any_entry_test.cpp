// SPDX-License-Identifier: GPL-3.0-or-later
// fractio's screens that read the pupil's text, driven with entries of every kind: the screen's
// messages and nothing else, a refusal that changes nothing, and for exact entries the exact
// answer, worked out here in rationals.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
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
const std::string too_small = fractio::too_small;

std::string indexed(const char* name, int i) { return std::string(name) + "(" + std::to_string(i) + ")"; }

// An entry for a fraction box, now and then left empty.
Entry fraction_entry(Entries& gen) { return gen.chance(12) ? Entry{"", {}, {}} : gen.any(); }

// What the fraction screens make of the two boxes read as whole texts: no fraction when either is
// no number, beyond the range or 0; numbers too small; or the two numbers. Empty when a box holds
// something the test does not predict.
struct Fraction {
    std::optional<std::string> refusal;
    std::optional<Q> n, d;
};
std::optional<Fraction> fraction_of(const Entry& n, const Entry& d, const std::string& impossible)
{
    const auto no_fraction = [](const Reading& r) {
        return r.kind == Kind::NotANumber || r.kind == Kind::TooLarge || (r.kind == Kind::Number && r.is(Q(0)));
    };
    if (n.text.empty() || d.text.empty())
        return std::nullopt;
    if (no_fraction(n.strict) || no_fraction(d.strict))
        return Fraction{impossible, {}, {}};
    if (n.strict.kind == Kind::Unknown || d.strict.kind == Kind::Unknown)
        return std::nullopt;
    if (n.strict.kind == Kind::TooSmall || d.strict.kind == Kind::TooSmall)
        return Fraction{too_small, {}, {}};
    return Fraction{{}, n.strict.value, d.strict.value};
}

::testing::AssertionResult holds(const Harness& h, const std::string& control, const Q& exact)
{
    const std::string text = h.text(control), expected = written(exact);
    if (text == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << control << " shows " << printable(text) << " for " << exact.str()
                                         << ", written " << expected;
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
            const auto f = fraction_of(n, d, impossible1);
            std::optional<std::string> refusal = f ? f->refusal : std::nullopt;
            if (f && !refusal)
                for (int i = 2; i <= 11 && !refusal; ++i)
                    if (range_of(*f->n * Q(i)) != Range::Fits || range_of(*f->d * Q(i)) != Range::Fits)
                        refusal = too_large;
            if (n.text.empty() || d.text.empty()) {
                EXPECT_EQ(seen, Texts{incomplete1});
            } else if (f) {
                EXPECT_EQ(seen, refusal ? Texts{*refusal} : Texts{});
            } else {
                EXPECT_TRUE(seen.empty() || seen == Texts{impossible1} || seen == Texts{too_large}
                            || seen == Texts{too_small});
            }
            for (const auto& name : changes(typed, board_of(h.screen()))) {
                EXPECT_TRUE(seen.empty() && results.count(name) > 0) << name << " changed";
            }
            if (!f || refusal)
                return;
            for (int i = 0; i < 10; ++i) {
                EXPECT_TRUE(holds(h, indexed("Label2", i), *f->n * Q(i + 2)));
                EXPECT_TRUE(holds(h, indexed("Label3", i), *f->d * Q(i + 2)));
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
            const auto f = fraction_of(n, d, impossible4);
            std::optional<std::string> refusal = f ? f->refusal : std::nullopt;
            std::optional<Q> q;
            if (f && !refusal) {
                // The pupil's number must be the very one its nearest double stands for, the
                // shortest digits that read back as that double.
                const auto stands_for_itself = [](const Q& x) {
                    char shortest[32];
                    const double nearest = *nearest_double(x);
                    char* end = std::to_chars(shortest, shortest + sizeof shortest, nearest).ptr;
                    std::string text(shortest, end);
                    std::replace(text.begin(), text.end(), 'e', 'E');
                    const auto back = read_written(text);
                    return back && back->value() == x;
                };
                q = *f->n / *f->d;
                // Both terms of the fraction in lowest terms are written with all their digits.
                const Q longest = Q(Int(power_of_ten(15) - 1));
                if (!stands_for_itself(*f->n) || !stands_for_itself(*f->d) || longest < Q(q->num()).abs()
                    || longest < Q(q->den()))
                    refusal = too_large;
            }
            if (n.text.empty() || d.text.empty()) {
                EXPECT_EQ(seen, Texts{incomplete4});
            } else if (f) {
                EXPECT_EQ(seen, refusal ? Texts{*refusal} : Texts{});
            } else {
                EXPECT_TRUE(seen.empty() || seen == Texts{impossible4} || seen == Texts{too_large}
                            || seen == Texts{too_small});
            }
            for (const auto& name : changes(typed, board_of(h.screen()))) {
                EXPECT_TRUE(seen.empty() && results.count(name) > 0) << name << " changed";
            }
            if (!seen.empty())
                return;
            const auto top = read_written(h.text("Label1")), bottom = read_written(h.text("Label2"));
            ASSERT_TRUE(top && bottom && bottom->m != 0) << h.text("Label1") << " over " << h.text("Label2");
            const Q p = top->value(), r = bottom->value();
            EXPECT_TRUE(p.whole() && r.whole() && gcd(p.num(), r.num()) == 1) << p.str() << " over " << r.str();
            EXPECT_EQ(h.text("Label1"), written(p));
            EXPECT_EQ(h.text("Label2"), written(r));
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
                // The quiz reads an answer as the double nearest to it.
                const Reading& a = answers[r].strict;
                const double product = (*factors)[r] * (*factors)[r + 5];
                if (a.value)
                    return nearest_double(*a.value) == product ? right : wrong;
                if (a.kind == Kind::TooSmall)
                    return product == 0 ? right : wrong;
                if (a.kind == Kind::NotANumber || a.kind == Kind::TooLarge)
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
