// SPDX-License-Identifier: GPL-3.0-or-later
// numeria's practice screens driven with entries of every kind: after each click only written
// numbers and the screen's own words, the screen's messages and nothing else, no result left
// beside numbers it does not belong to, and for exact entries the exact answer, worked out here
// in rationals.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "entries.h"
#include "exact.h"
#include "harness.h"
#include "numeria/form11.h"
#include "numeria/form7.h"
#include "numeria/form8.h"
#include "numeria/form9.h"
#include "numeria/messages.h"
#include "numeria/screens.h"
#include "properties.h"

using namespace testing_support;
using Kind = Reading::Kind;
using Texts = std::vector<std::string>;

namespace {

const std::string zero_divisor = "لا يجوز القسمة على صفر... قم بإعادة الادخال للقيمة الثانية";
const std::string zero_denominator = "إعد إدخال المقام بحيث لا يساوي الصفر";
const std::string zero_numerator = "يجب ان لا يساوي بسط الكسر الثاني صفر";
const std::string same = "المقامات موحدة";
const std::string different = "المقامات ليست موحدة";
const std::string new_denominator = "هو المقام الجديد";
const std::string rescale = "والان قسمة المقام الجديد.. بالمقامات القديمة.. وضرب الناتج بالبسطين";
const std::string multiplication = "الطريقة.. ضرب البسط بالبسط... والمقام في المقام";
const std::string division = "نقلب الكسر الثاني.. ونحول الإشارة من قسمة إلى ضرب";
const std::string zero_coefficient = "معامل س يجب أن لا يساوي صفر... إعد الإدخال";
const std::string zero_a = "معامل السين تربيع يجب ان لا يساوي صفر";
const std::string one_root = "يوجد حل وحيد للمعادلة لان.. ما تحت الجذر يساوي صفر";
const std::string two_roots = "يوجد حلان مختلفان للمعادلة.. لان ما تحت الجذر موجب";
const std::string no_root = "لا يوجد حل حقيقي... لان ما تحت الجذر سالب";
const Texts step_captions = {"الخطوة الأولى", "الخطوة الثانية", "الخطوة الثالثة", "الخطوة الرابعة"};
const std::string substitution = "أولا: التعويض";
const std::string check_root = "التأكد من الجذر التربيعي";
const std::string rounds_to_zero
    = "لإيجاد الباقي يقرب المقسوم عليه إلى أقرب عدد صحيح، وهنا يصبح صفرا... قم بإعادة الادخال للقيمة الثانية";
const std::string too_large = numeria::numbers_too_large;
const std::string too_small = numeria::numbers_too_small;

// The refusal of a number out of range, or nothing for one within it.
std::optional<std::string> refusal_of(const Q& x)
{
    const Range r = range_of(x);
    return r == Range::TooLarge ? std::optional(too_large)
        : r == Range::TooSmall  ? std::optional(too_small)
                                : std::nullopt;
}

// The boxes read from the start of their texts, in order: the first number out of range is
// refused; `known` is false when a box before it holds something the test does not predict.
struct Read {
    bool known = true;
    std::optional<std::string> refusal;
    std::vector<Q> values;
};
Read read_in_order(std::initializer_list<const Entry*> entries)
{
    Read r;
    for (const Entry* e : entries) {
        if (e->lenient.kind == Kind::TooLarge || e->lenient.kind == Kind::TooSmall) {
            r.refusal = e->lenient.kind == Kind::TooLarge ? too_large : too_small;
            return r;
        }
        if (!e->lenient.value) {
            r.known = false;
            return r;
        }
        r.values.push_back(*e->lenient.value);
    }
    return r;
}

// The first of the numbers a board is about to write that is out of range.
std::optional<std::string> first_refusal(std::initializer_list<Q> numbers)
{
    for (const Q& x : numbers)
        if (const auto r = refusal_of(x))
            return r;
    return std::nullopt;
}

::testing::AssertionResult holds(const Harness& h, const std::string& control, const Q& exact)
{
    const std::string text = h.text(control), expected = written(exact);
    if (text == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << control << " shows " << printable(text) << " for " << exact.str()
                                         << ", written " << expected;
}

std::string describe(const std::vector<Entry>& entries)
{
    std::string out;
    for (const Entry& e : entries)
        out += printable(e.text) + " ";
    return out;
}

TEST(AnyEntry, SignedPracticeGivesTheExactResultOrRefusesWithoutLeavingAnOldOne)
{
    drive<numeria::Form7>(
        numeria::app_title, [](Tidy&) {},
        [](Harness& h, Entries& gen, int) {
            const Entry x = gen.any(), y = gen.any();
            const int op = gen.below(4);
            h.type("Text1", x.text);
            h.type("Text2", y.text);
            const Board before = board_of(h.screen());
            h.click("Command" + std::to_string(op + 1));
            SCOPED_TRACE(describe({x, y}) + "button " + std::to_string(op + 1));

            const Read n = read_in_order({&x, &y});
            std::optional<std::string> refusal = n.refusal;
            std::optional<Q> result, remainder;
            if (n.known && !refusal) {
                const Q a = n.values[0], b = n.values[1];
                const Int divisor = half_even(b);
                if (op < 3)
                    result = op == 0 ? a + b : op == 1 ? a - b : a * b;
                else if (b.sign() == 0)
                    refusal = zero_divisor;
                else if (divisor == 0)
                    refusal = rounds_to_zero;
                else {
                    result = Q(truncated(a / b));
                    // The remainder of whole numbers takes the sign of the dividend.
                    const Int dividend = half_even(a);
                    remainder = Q(Int(dividend - dividend / divisor * divisor));
                }
                if (result && refusal_of(*result)) {
                    refusal = refusal_of(*result);
                    result.reset();
                    remainder.reset();
                }
            }
            const Texts seen = prompts(h);
            if (n.known || refusal) {
                EXPECT_EQ(seen, refusal ? Texts{*refusal} : Texts{});
            } else {
                EXPECT_LE(seen.size(), 1u);
                for (const auto& p : seen) {
                    EXPECT_TRUE(p == too_large || p == too_small || p == zero_divisor || p == rounds_to_zero) << p;
                }
            }
            const bool refused = !seen.empty();
            EXPECT_EQ(h.shows("Text4"), !refused && op == 3);
            EXPECT_EQ(h.shows("Label3"), !refused && op == 3);
            // The one refusal after which the earlier result may stay is the zero divisor.
            if (refused && seen[0] == zero_divisor) {
                EXPECT_EQ(board_of(h.screen()).at("Text3"), before.at("Text3"));
            } else {
                EXPECT_EQ(h.shows("Text3"), !refused);
            }
            if (result) {
                EXPECT_TRUE(holds(h, "Text3", *result));
            }
            if (remainder) {
                EXPECT_TRUE(holds(h, "Text4", *remainder));
            }
        });
}

// The fraction board after a click: which parts are on show for each outcome.
const Texts worked_parts = {"Text5",  "Text6",    "Text8",    "Text9",    "Text10",   "Text11",
                            "Text12", "Line1(2)", "Line1(3)", "Line1(4)", "Label1(0)"};
std::set<std::string> parts_shown(const Harness& h)
{
    std::set<std::string> shown;
    for (const auto& p : worked_parts)
        if (h.shows(p))
            shown.insert(p);
    return shown;
}

TEST(AnyEntry, FractionPracticeWorksAnEqualFractionOrRefusesOnAClearedBoard)
{
    const std::array<std::set<std::string>, 4> shown_after = {
        std::set<std::string>(worked_parts.begin(), worked_parts.end()),
        std::set<std::string>(worked_parts.begin(), worked_parts.end()),
        {"Text8", "Text9", "Line1(4)"},
        std::set<std::string>(worked_parts.begin(), worked_parts.end()),
    };
    const std::array<const char*, 4> signs = {"+", "-", "X", "X"};
    drive<numeria::Form8>(
        numeria::app_title,
        [](Tidy& t) {
            t.allow("Text12", {"+", "-", "X"});
        },
        [&](Harness& h, Entries& gen, int) {
            const Int largest = gen.chance(4) ? power_of_ten(40) : Int(100000);
            const Entry a = gen.any(largest), b = gen.any(largest), c = gen.any(largest), d = gen.any(largest);
            const int op = gen.below(4);
            h.type("Text1", a.text);
            h.type("Text2", b.text);
            h.type("Text3", c.text);
            h.type("Text4", d.text);
            h.click("Command" + std::to_string(op + 2));
            SCOPED_TRACE(describe({a, b, c, d}) + "button " + std::to_string(op + 2));

            const Texts seen = prompts(h);
            const std::set<std::string> refusals = {too_large, too_small, zero_denominator, zero_numerator};
            const bool refused = seen.size() == 1 && refusals.count(seen[0]) > 0;
            EXPECT_EQ(parts_shown(h), refused ? std::set<std::string>{} : shown_after[op]);
            EXPECT_EQ(Texts({h.text("Text1"), h.text("Text2"), h.text("Text3"), h.text("Text4")}),
                      Texts({a.text, b.text, c.text, d.text}));
            if (refused) {
                for (const char* cell : {"Text5", "Text6", "Text8", "Text9", "Text10", "Text11"}) {
                    EXPECT_EQ(h.text(cell), "") << cell;
                }
            } else if (op < 2) {
                const bool equal = seen.size() == 2 && seen == Texts{same, rescale};
                EXPECT_TRUE(equal || seen == (Texts{different, new_denominator, rescale}))
                    << ::testing::PrintToString(seen);
                EXPECT_EQ(h.text("Text12"), signs[op]);
                EXPECT_EQ(h.text("Text9"), h.text("Text6"));
                EXPECT_EQ(h.text("Text11"), h.text("Text6"));
                if (!equal && seen.size() == 3) {
                    EXPECT_EQ(h.boxes[1].title, h.text("Text6"));
                }
            } else {
                EXPECT_EQ(seen, Texts{op == 2 ? multiplication : division});
                if (op == 3) {
                    EXPECT_EQ(h.text("Text12"), "X");
                }
            }

            const Read n = read_in_order({&a, &b, &c, &d});
            if (n.refusal) {
                EXPECT_EQ(seen, Texts{*n.refusal});
                return;
            }
            if (!n.known)
                return;
            const Q n1 = n.values[0], d1 = n.values[1], n2 = n.values[2], d2 = n.values[3];
            if (d1.sign() == 0 || d2.sign() == 0) {
                EXPECT_EQ(seen, Texts{zero_denominator});
            } else if (op == 3 && n2.sign() == 0) {
                EXPECT_EQ(seen, Texts{zero_numerator});
            } else if (op == 2) {
                const Q top = n1 * n2, bottom = d1 * d2;
                if (const auto r = first_refusal({top, bottom})) {
                    EXPECT_EQ(seen, Texts{*r});
                    return;
                }
                EXPECT_TRUE(holds(h, "Text8", top) && holds(h, "Text9", bottom));
            } else if (op == 3) {
                const Q top = n1 * d2, bottom = d1 * n2;
                if (const auto r = first_refusal({top, bottom})) {
                    EXPECT_EQ(seen, Texts{*r});
                    return;
                }
                EXPECT_TRUE(holds(h, "Text8", n1) && holds(h, "Text9", d1));
                EXPECT_TRUE(holds(h, "Text10", d2) && holds(h, "Text11", n2));
                EXPECT_TRUE(holds(h, "Text5", top) && holds(h, "Text6", bottom));
            } else {
                // Positive whole denominators meet at their least common multiple, any others at
                // their product.
                Q l = d1 * d2;
                if (d1 == d2)
                    l = d1;
                else if (d1.whole() && d2.whole() && d1.sign() > 0 && d2.sign() > 0)
                    l = l / Q(gcd(d1.num(), d2.num()));
                const Q m1 = l / d1 * n1, m2 = l / d2 * n2, result = op == 0 ? m1 + m2 : m1 - m2;
                if (const auto r = first_refusal({l, m1, m2, result})) {
                    EXPECT_EQ(seen, Texts{*r});
                    return;
                }
                EXPECT_EQ(seen, d1 == d2 ? Texts({same, rescale}) : Texts({different, new_denominator, rescale}));
                EXPECT_TRUE(holds(h, "Text6", l) && holds(h, "Text8", m1) && holds(h, "Text10", m2));
                EXPECT_TRUE(holds(h, "Text5", result));
            }
        });
}

TEST(AnyEntry, LinearPracticeWritesEachStepExactlyOrRefusesAndChangesNothing)
{
    // The controls each step may change, the step button among them.
    const std::array<std::set<std::string>, 4> step_changes = {
        std::set<std::string>{"Text10", "Label5", "Label9", "Command3"},
        {"Frame3", "Text4", "Text5", "Text6", "Command3"},
        {"Frame4", "Text7", "Text8", "Text11", "Text12", "Command3"},
        {"Frame5", "Text9", "Command3"},
    };
    int step = 0;
    std::array<Entry, 3> typed;
    drive<numeria::Form9>(
        numeria::app_title,
        [](Tidy& t) {
            t.allow("Command3", {step_captions[1], step_captions[2], step_captions[3]});
        },
        [&](Harness& h, Entries& gen, int k) {
            if (k == 0)
                step = 0;
            for (int i = 0; i < 3; ++i)
                if (k == 0 || gen.chance(3)) {
                    typed[i] = gen.chance(3) ? gen.spelled(Q(gen.below(7) - 3)) : gen.any();
                    h.type("Text" + std::to_string(i + 1), typed[i].text);
                }
            const auto& [a, b, c] = typed;
            const Board before = board_of(h.screen());
            h.click("Command3");
            SCOPED_TRACE(describe({a, b, c}) + "step " + std::to_string(step));

            const Texts seen = prompts(h);
            const std::set<std::string> changed = changes(before, board_of(h.screen()));
            if (step == 4 || !seen.empty()) {
                EXPECT_EQ(changed, std::set<std::string>{});
                EXPECT_TRUE(step == 4 ? seen.empty()
                                      : seen == Texts{too_large} || seen == Texts{too_small}
                                    || seen == Texts{zero_coefficient});
            }
            const Read n = read_in_order({&a, &b, &c});
            std::optional<std::string> refusal = n.refusal;
            if (n.known && !refusal && n.values[0].sign() == 0)
                refusal = zero_coefficient;
            // The difference is written at the third step and divided at the fourth.
            std::optional<Q> difference, quotient;
            if (n.known && !refusal) {
                difference = n.values[2] - n.values[1];
                quotient = *difference / n.values[0];
                if (step == 2)
                    refusal = refusal_of(*difference);
                if (step == 3)
                    refusal = first_refusal({*difference, *quotient});
            }
            if (step < 4 && (n.known || refusal)) {
                EXPECT_EQ(seen, refusal ? Texts{*refusal} : Texts{});
            }
            if (step == 4 || !seen.empty())
                return;

            for (const auto& name : changed) {
                EXPECT_EQ(step_changes[step].count(name), 1u) << name << " changed at step " << step;
            }
            EXPECT_EQ(h.shows("Command3"), step < 3);
            if (step < 3) {
                EXPECT_EQ(h.text("Command3"), step_captions[step + 1]);
            }
            EXPECT_TRUE(h.shows(std::array{"Label9", "Frame3", "Frame4", "Frame5"}[step]));
            if (n.known) {
                const Q va = n.values[0], vb = n.values[1], vc = n.values[2];
                switch (step) {
                case 0: EXPECT_TRUE(holds(h, "Text10", vb)); break;
                case 1: EXPECT_TRUE(holds(h, "Text4", va) && holds(h, "Text5", vc) && holds(h, "Text6", -vb)); break;
                case 2:
                    EXPECT_TRUE(holds(h, "Text7", va) && holds(h, "Text11", va));
                    EXPECT_TRUE(holds(h, "Text8", *difference) && holds(h, "Text12", *difference));
                    break;
                case 3: EXPECT_TRUE(holds(h, "Text9", *quotient)); break;
                }
            }
            ++step;
        });
}

// Bits enough that (−b ± √D) / 2a keeps far more than 30 digits however much its terms cancel:
// b² against 4ac spans at most 2^4100 within the doubles' range.
constexpr mp_bitcnt_t root_bits = 4600;

// √D exactly when D is the square of a rational.
std::optional<Q> exact_root(const Q& d)
{
    const Int n = sqrt(d.num()), m = sqrt(d.den());
    if (n * n == d.num() && m * m == d.den())
        return Q(n, m);
    return std::nullopt;
}

// A number the board computes from √D: exact when the root is, otherwise to `root_bits`.
struct Near {
    Q value;
    bool exact;
    // Its two decimals; beside an irrational value within 1e-30 of itself of a boundary between
    // two hundredths, either of them.
    std::set<std::string> two_decimals_texts() const
    {
        const std::string nearest = two_decimals(value);
        if (exact)
            return {nearest};
        const Q hundredth(1, 100), slack = value.abs() * ten_to(-30), shown = read_written(nearest)->value();
        std::set<std::string> texts = {nearest};
        for (const int side : {-1, 1}) {
            const Q boundary = shown + Q(side) * hundredth / Q(2);
            if ((value - boundary).abs() <= slack)
                texts.insert(two_decimals(shown + Q(side) * hundredth));
        }
        return texts;
    }
};

// (−b + s·√D) / 2a, or √D itself for a = 1/2, b = 0.
Near solution(const Q& a, const Q& b, const Q& d, int s)
{
    if (const auto root = exact_root(d))
        return {(-b + Q(s) * *root) / (Q(2) * a), true};
    mpf_class root(d.mpq(), root_bits), x(0, root_bits);
    root = sqrt(root);
    x = (mpf_class(-b.mpq(), root_bits) + s * root) / mpf_class((Q(2) * a).mpq(), root_bits);
    mpq_class v;
    mpq_set_f(v.get_mpq_t(), x.get_mpf_t());
    return {Q(v), false};
}

::testing::AssertionResult gives(const Harness& h, const std::string& control, const Near& x)
{
    const std::string text = h.text(control);
    const std::set<std::string> expected = x.two_decimals_texts();
    if (expected.count(text) > 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << control << " shows " << text << " for " << *expected.begin();
}

TEST(AnyEntry, QuadraticPracticeWorksTheKeptCoefficientsExactlyOrRefusesAndChangesNothing)
{
    const std::set<std::string> typed_boxes = {"Text1", "Text2", "Text3"};
    const std::array<std::set<std::string>, 3> part_changes = {
        std::set<std::string>{"Text7", "Text8", "Text9", "Text10", "Text11", "Command2"},
        {"Label2(0)", "Line4", "Text7", "Text8", "Label4", "Label5(0)", "Label5(1)", "Text9", "Text10", "Line6",
         "Label5(2)", "Text11", "Command2"},
        {"Line7", "Label5(0)", "Label2(1)", "Line8", "Text8", "Command4"},
    };
    const std::set<std::string> solution_changes
        = {"Frame3", "Frame4", "Frame5", "Frame6", "Text12", "Text13", "Text14", "Text15",
           "Text16", "Text17", "Text18", "Text19", "Text20", "Text21", "Text22"};
    Board made;
    std::array<Entry, 3> typed;
    std::optional<std::array<Q, 3>> kept;  // the coefficients of the first step, when the test knows them
    bool accepted = false;
    int part = 0;
    std::optional<Q> discriminant;
    drive<numeria::Form11>(
        numeria::app_title,
        [](Tidy& t) {
            t.allow("Command2", {step_captions[0], check_root});
            t.two_decimals({"Text13", "Text16", "Text18", "Text19", "Text22"});
        },
        [&](Harness& h, Entries& gen, int k) {
            if (k == 0) {
                made = board_of(h.screen());
                accepted = false;
            }
            if (gen.chance(8)) {
                // a(x − r)²: one solution, r
                const Q r = gen.decimal(10), a = gen.chance(2) ? Q(1 + gen.below(4)) : gen.decimal(10);
                typed = {gen.spelled(a), gen.spelled(Q(-2) * a * r), gen.spelled(a * r * r)};
                for (int i = 0; i < 3; ++i)
                    h.type("Text" + std::to_string(i + 1), typed[i].text);
            }
            for (int i = 0; i < 3; ++i)
                if (k == 0 || gen.chance(3)) {
                    typed[i] = gen.chance(2) ? gen.spelled(gen.chance(2) ? gen.whole(20) : gen.decimal(10))
                                             : gen.any(gen.chance(2) ? Int(1000000) : power_of_ten(40));
                    h.type("Text" + std::to_string(i + 1), typed[i].text);
                }
            const int pick = gen.below(10);
            const std::string button = pick < 3 || !accepted ? "Command1" : pick < 8 ? "Command2" : "Command4";
            const Board before = board_of(h.screen());
            h.click(button);
            const Board after = board_of(h.screen());
            const Texts seen = prompts(h);
            const std::set<std::string> changed = changes(before, after);
            SCOPED_TRACE(describe({typed[0], typed[1], typed[2]}) + button + " part " + std::to_string(part));

            if (button == "Command1") {
                // The coefficient of س² is tested first; then the three are read in order.
                const Read n = read_in_order({&typed[0], &typed[1], &typed[2]});
                if (typed[0].lenient.kind == Kind::Number && typed[0].lenient.is(Q(0))) {
                    EXPECT_EQ(seen, Texts{zero_a});
                } else if (n.known || n.refusal) {
                    EXPECT_EQ(seen, n.refusal ? Texts{*n.refusal} : Texts{});
                }
                if (!seen.empty()) {
                    EXPECT_TRUE(seen == Texts{zero_a} || seen == Texts{too_large} || seen == Texts{too_small})
                        << seen[0];
                    EXPECT_EQ(changed, std::set<std::string>{});
                    return;
                }
                for (const auto& [name, state] : after) {
                    const std::set<std::string> first_step
                        = {"Text4", "Text5", "Text6", "Frame1", "Frame2", "Command2"};
                    if (typed_boxes.count(name) == 0 && first_step.count(name) == 0) {
                        EXPECT_EQ(state, made.at(name)) << name << " after a new first step";
                    }
                }
                for (const char* shown : {"Frame1", "Frame2", "Command2"}) {
                    EXPECT_TRUE(h.shows(shown)) << shown;
                }
                EXPECT_EQ(h.text("Command2"), substitution);
                kept.reset();
                if (n.known) {
                    kept = {n.values[0], n.values[1], n.values[2]};
                    for (int i = 0; i < 3; ++i) {
                        EXPECT_TRUE(holds(h, "Text" + std::to_string(i + 4), n.values[i]));
                    }
                }
                accepted = true;
                part = 0;
                discriminant.reset();
                return;
            }
            if (button == "Command4") {
                for (const auto& name : changed) {
                    EXPECT_EQ(solution_changes.count(name), 1u) << name;
                }
                if (!before.at("Command4").second || !kept || !discriminant) {
                    EXPECT_TRUE(seen.empty() || seen == Texts{too_large}) << seen[0];
                    return;
                }
                const auto& [va, vb, vc] = *kept;
                const Q d = *discriminant;
                SCOPED_TRACE("a=" + va.str() + " b=" + vb.str() + " c=" + vc.str());
                const Near plus = solution(va, vb, d, 1), minus = solution(va, vb, d, -1);
                if (refusal_of(plus.value) == too_large || refusal_of(minus.value) == too_large) {
                    EXPECT_EQ(seen, Texts{too_large});
                    EXPECT_EQ(changed, std::set<std::string>{});
                    return;
                }
                EXPECT_EQ(seen, Texts{});
                EXPECT_TRUE(holds(h, d.sign() == 0 ? "Text20" : "Text12", -vb));
                EXPECT_TRUE(holds(h, d.sign() == 0 ? "Text21" : "Text14", Q(2) * va));
                if (d.sign() == 0) {
                    EXPECT_TRUE(h.shows("Frame6"));
                    EXPECT_EQ(h.text("Text22"), two_decimals(plus.value));
                } else {
                    EXPECT_TRUE(h.shows("Frame4") && h.shows("Frame5"));
                    EXPECT_TRUE(gives(h, "Text13", solution(Q(1, 2), Q(0), d, 1)));
                    EXPECT_EQ(h.text("Text16"), h.text("Text13"));
                    EXPECT_TRUE(gives(h, "Text18", plus) && gives(h, "Text19", minus));
                    EXPECT_EQ(h.text("Text15"), h.text("Text12"));
                    EXPECT_EQ(h.text("Text17"), h.text("Text14"));
                }
                return;
            }
            for (const auto& name : changed) {
                EXPECT_EQ(part_changes[part].count(name), 1u) << name << " changed at part " << part;
            }
            if (!kept) {
                EXPECT_TRUE(seen.size() <= 1);
                if (seen != Texts{too_large})
                    part = std::min(part + 1, 2);
                return;
            }
            const auto& [va, vb, vc] = *kept;
            // Only what is too large to write is refused; the working is written at any small size.
            const auto too_large_among = [](std::initializer_list<Q> numbers) {
                for (const Q& x : numbers)
                    if (range_of(x) == Range::TooLarge)
                        return true;
                return false;
            };
            switch (part) {
            case 0:
                EXPECT_EQ(seen, Texts{});
                EXPECT_TRUE(holds(h, "Text7", vb) && holds(h, "Text8", vb) && holds(h, "Text10", vc));
                EXPECT_TRUE(holds(h, "Text9", va) && holds(h, "Text11", va));
                EXPECT_EQ(h.text("Command2"), step_captions[0]);
                break;
            case 1:
                if (too_large_among({vb * vb, Q(4) * va * vc, Q(2) * va})) {
                    EXPECT_EQ(seen, Texts{too_large});
                    EXPECT_EQ(changed, std::set<std::string>{});
                    return;
                }
                EXPECT_EQ(seen, Texts{});
                EXPECT_TRUE(holds(h, "Text7", -vb) && holds(h, "Text8", vb * vb));
                EXPECT_TRUE(holds(h, "Label5(0)", Q(4) * va * vc) && holds(h, "Text11", Q(2) * va));
                EXPECT_EQ(h.text("Command2"), check_root);
                break;
            case 2: {
                const Q d = vb * vb - Q(4) * va * vc;
                if (too_large_among({d})) {
                    EXPECT_EQ(seen, Texts{too_large});
                    EXPECT_EQ(changed, std::set<std::string>{});
                    return;
                }
                EXPECT_EQ(seen, Texts{d.sign() == 0 ? one_root : d.sign() > 0 ? two_roots : no_root});
                EXPECT_TRUE(holds(h, "Text8", d));
                EXPECT_EQ(h.shows("Command4"), d.sign() >= 0);
                discriminant = d;
                break;
            }
            }
            part = std::min(part + 1, 2);
        });
}

}  // namespace
