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
const Int two_to_53 = Int{1} << 53;

Q floor_of(Q q)
{
    Int f = q.num() / q.den();
    if (q.num() % q.den() != 0 && q.num() < 0)
        --f;
    return Q(f);
}

// Whole numbers for the remainder: halves to even.
Q round_even(Q q)
{
    const Q f = floor_of(q), rest = q - f;
    return Q(1, 2) < rest || (rest == Q(1, 2) && f.num() % 2 != 0) ? f + Q(1) : f;
}

Slack slack_for(Q exact) { return exact.exact_in_double() ? Slack::Half : Slack::UnderOne; }

::testing::AssertionResult holds(const Harness& h, const std::string& control, Q exact)
{
    const std::string text = h.text(control);
    if (shows(text, exact, slack_for(exact)))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << control << " shows " << printable(text) << " for " << exact.str();
}

std::string describe(const std::vector<Entry>& entries)
{
    std::string out;
    for (const Entry& e : entries)
        out += printable(e.text) + " ";
    return out;
}

bool any_overflow(std::initializer_list<const Entry*> entries)
{
    for (const Entry* e : entries)
        if (e->lenient.kind == Kind::Overflow)
            return true;
    return false;
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

            std::optional<std::string> refusal;
            std::optional<Q> result, remainder;
            const bool predicted = any_overflow({&x, &y}) || (x.lenient.value && y.lenient.value);
            if (any_overflow({&x, &y})) {
                refusal = too_large;
            } else if (predicted) {
                const Q a = *x.lenient.value, b = *y.lenient.value;
                const Q dividend = round_even(a), divisor = round_even(b);
                if (op < 3)
                    result = op == 0 ? a + b : op == 1 ? a - b : a * b;
                else if (b.sign() == 0)
                    refusal = zero_divisor;
                else if (divisor.sign() == 0)
                    refusal = rounds_to_zero;
                else if (Q(two_to_53) < dividend.abs() || Q(two_to_53) < divisor.abs())
                    refusal = too_large;
                else {
                    if (a.whole() && b.whole())
                        result = Q((a / b).truncated());
                    remainder = dividend - Q((dividend / divisor).truncated()) * divisor;
                }
            }
            const Texts seen = prompts(h);
            if (predicted) {
                EXPECT_EQ(seen, refusal ? Texts{*refusal} : Texts{});
            } else {
                EXPECT_LE(seen.size(), 1u);
                for (const auto& p : seen) {
                    EXPECT_TRUE(p == too_large || p == zero_divisor || p == rounds_to_zero) << p;
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
            const Int largest = gen.chance(4) ? two_to_53 : 100000;
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

            if (any_overflow({&a, &b, &c, &d})) {
                EXPECT_EQ(seen, Texts{too_large});
                return;
            }
            if (!a.lenient.value || !b.lenient.value || !c.lenient.value || !d.lenient.value)
                return;
            const Q n1 = *a.lenient.value, d1 = *b.lenient.value, n2 = *c.lenient.value, d2 = *d.lenient.value;
            if (d1.sign() == 0 || d2.sign() == 0) {
                EXPECT_EQ(seen, Texts{zero_denominator});
            } else if (op == 3 && n2.sign() == 0) {
                EXPECT_EQ(seen, Texts{zero_numerator});
            } else if (op == 2) {
                EXPECT_TRUE(holds(h, "Text8", n1 * n2));
                EXPECT_TRUE(holds(h, "Text9", d1 * d2));
            } else if (op == 3) {
                EXPECT_TRUE(holds(h, "Text8", n1) && holds(h, "Text9", d1));
                EXPECT_TRUE(holds(h, "Text10", d2) && holds(h, "Text11", n2));
                EXPECT_TRUE(holds(h, "Text5", n1 * d2));
                EXPECT_TRUE(holds(h, "Text6", d1 * n2));
            } else {
                EXPECT_EQ(seen[0], d1 == d2 ? same : different);
                // Positive whole denominators meet at their least common multiple; any others at a
                // common denominator that keeps each fraction's value.
                std::optional<Q> l;
                bool read_back = false;
                if (d1 == d2) {
                    l = d1;
                } else if (d1.whole() && d2.whole() && d1.sign() > 0 && d2.sign() > 0) {
                    l = d1 * d2 / Q(gcd_of(d1.num(), d2.num()));
                } else if (const auto written = read_written(h.text("Text6")); written && written->m != 0) {
                    l = written->value();
                    read_back = true;
                } else {
                    ADD_FAILURE() << "no common denominator in Text6: " << h.text("Text6");
                }
                // Read back, it is exact only where the screen writes every digit of it.
                if (!l || (read_back && !(l->abs() < Q(power_of_ten(15)))))
                    return;
                EXPECT_TRUE(holds(h, "Text6", *l));
                const Q m1 = *l / d1 * n1, m2 = *l / d2 * n2, sum = op == 0 ? m1 + m2 : m1 - m2;
                if (l->exact_in_double() && m1.exact_in_double() && m2.exact_in_double()) {
                    EXPECT_TRUE(holds(h, "Text8", m1) && holds(h, "Text10", m2));
                    EXPECT_TRUE(holds(h, "Text5", sum));
                }
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
                EXPECT_TRUE(step == 4 ? seen.empty() : seen == Texts{too_large} || seen == Texts{zero_coefficient});
            }
            if (any_overflow({&a, &b, &c}) && step < 4) {
                EXPECT_EQ(seen, Texts{too_large});
            } else if (a.lenient.is(Q(0)) && b.lenient.kind == Kind::Number && c.lenient.kind == Kind::Number
                       && step < 4) {
                EXPECT_EQ(seen, Texts{zero_coefficient});
            } else if (a.lenient.value && b.lenient.value && c.lenient.value) {
                EXPECT_EQ(seen, Texts{});
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
            if (a.lenient.value && b.lenient.value && c.lenient.value) {
                const Q va = *a.lenient.value, vb = *b.lenient.value, vc = *c.lenient.value;
                switch (step) {
                case 0: EXPECT_TRUE(holds(h, "Text10", vb)); break;
                case 1: EXPECT_TRUE(holds(h, "Text4", va) && holds(h, "Text5", vc) && holds(h, "Text6", -vb)); break;
                case 2:
                    EXPECT_TRUE(holds(h, "Text7", va) && holds(h, "Text11", va));
                    EXPECT_TRUE(holds(h, "Text8", vc - vb) && holds(h, "Text12", vc - vb));
                    break;
                case 3: EXPECT_TRUE(holds(h, "Text9", (vc - vb) / va)); break;
                }
            }
            ++step;
        });
}

// The sign of s·√D − r, exactly.
int root_against(int s, Q d, Q r)
{
    if (s < 0)
        return -root_against(1, d, -r);
    if (r.sign() < 0)
        return 1;
    const Q square = r * r;
    return d == square ? 0 : d < square ? -1 : 1;
}

// Whether `text` gives (−b + s·√D) / 2a to two decimals: within half a hundredth, either way
// at an exact half.
::testing::AssertionResult gives_root(const Harness& h, const std::string& control, Q a, Q b, Q d, int s)
{
    const std::string text = h.text(control);
    const auto shown = read_written(text);
    if (!shown || shown->e != -2)
        return ::testing::AssertionFailure() << control << " shows " << printable(text);
    // x against t is s·√D against 2a·t + b, the other way round for a < 0.
    const auto against = [&](Q t) { return a.sign() * root_against(s, d, Q(2) * a * t + b); };
    const Q half = Q(1, 200);
    if (against(shown->value() - half) >= 0 && against(shown->value() + half) <= 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << control << " shows " << text << " for a=" << a.str() << " b=" << b.str()
                                         << " D=" << d.str() << " sign " << s;
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
    std::array<Entry, 3> typed, kept;
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
            for (int i = 0; i < 3; ++i)
                if (k == 0 || gen.chance(3)) {
                    typed[i] = gen.chance(2) ? gen.spelled(gen.chance(2) ? gen.whole(20) : gen.dyadic(10))
                                             : gen.any(gen.chance(2) ? 1000000 : two_to_53);
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
                const auto& [a, b, c] = typed;
                // The coefficient of س² is tested first; the others are read only once it is not 0.
                if (a.lenient.is(Q(0))) {
                    EXPECT_EQ(seen, Texts{zero_a});
                } else if (a.lenient.kind == Kind::Overflow || (a.lenient.value && any_overflow({&b, &c}))) {
                    EXPECT_EQ(seen, Texts{too_large});
                } else if (a.lenient.value && b.lenient.kind == Kind::Number && c.lenient.kind == Kind::Number) {
                    EXPECT_EQ(seen, Texts{});
                }
                if (!seen.empty()) {
                    EXPECT_TRUE(seen == Texts{zero_a} || seen == Texts{too_large}) << seen[0];
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
                for (int i = 0; i < 3; ++i)
                    if (typed[i].lenient.value) {
                        EXPECT_TRUE(holds(h, "Text" + std::to_string(i + 4), *typed[i].lenient.value));
                    }
                kept = typed;
                accepted = true;
                part = 0;
                discriminant.reset();
                return;
            }
            const auto& [a, b, c] = kept;
            const bool exact = a.lenient.value && b.lenient.value && c.lenient.value;
            const Q va = exact ? *a.lenient.value : Q(), vb = exact ? *b.lenient.value : Q(),
                    vc = exact ? *c.lenient.value : Q();
            if (button == "Command4") {
                EXPECT_TRUE(seen.empty() || (!exact && seen == Texts{too_large})) << seen[0];
                for (const auto& name : changed) {
                    EXPECT_EQ(solution_changes.count(name), 1u) << name;
                }
                if (!before.at("Command4").second || !exact || !discriminant)
                    return;
                const Q d = *discriminant;
                EXPECT_TRUE(holds(h, d.sign() == 0 ? "Text20" : "Text12", -vb));
                EXPECT_TRUE(holds(h, d.sign() == 0 ? "Text21" : "Text14", Q(2) * va));
                if (d.sign() == 0) {
                    EXPECT_TRUE(h.shows("Frame6"));
                    EXPECT_EQ(h.text("Text22"), two_decimals(-vb / (Q(2) * va)));
                } else {
                    EXPECT_TRUE(h.shows("Frame4") && h.shows("Frame5"));
                    EXPECT_TRUE(gives_root(h, "Text13", Q(1, 2), Q(0), d, 1));
                    EXPECT_EQ(h.text("Text16"), h.text("Text13"));
                    EXPECT_TRUE(gives_root(h, "Text18", va, vb, d, 1));
                    EXPECT_TRUE(gives_root(h, "Text19", va, vb, d, -1));
                }
                return;
            }
            for (const auto& name : changed) {
                EXPECT_EQ(part_changes[part].count(name), 1u) << name << " changed at part " << part;
            }
            if (!exact) {
                if (seen.empty())
                    part = std::min(part + 1, 2);
                return;
            }
            switch (part) {
            case 0:
                EXPECT_EQ(seen, Texts{});
                EXPECT_TRUE(holds(h, "Text7", vb) && holds(h, "Text8", vb) && holds(h, "Text10", vc));
                EXPECT_TRUE(holds(h, "Text9", va) && holds(h, "Text11", va));
                EXPECT_EQ(h.text("Command2"), step_captions[0]);
                break;
            case 1:
                EXPECT_EQ(seen, Texts{});
                EXPECT_TRUE(holds(h, "Text7", -vb) && holds(h, "Text8", vb * vb));
                EXPECT_TRUE(holds(h, "Label5(0)", Q(4) * va * vc) && holds(h, "Text11", Q(2) * va));
                EXPECT_EQ(h.text("Command2"), check_root);
                break;
            case 2: {
                const Q d = vb * vb - Q(4) * va * vc;
                // Beyond exact doubles the difference may round; the message must still match the number shown.
                const bool in_range = (vb * vb).exact_in_double() && (Q(4) * va * vc).exact_in_double();
                const auto shown = read_written(h.text("Text8"));
                const int sign = in_range ? d.sign() : shown ? (shown->m > 0) - (shown->m < 0) : 2;
                EXPECT_EQ(seen, Texts{sign == 0 ? one_root : sign > 0 ? two_roots : no_root});
                if (in_range) {
                    EXPECT_TRUE(holds(h, "Text8", d));
                }
                EXPECT_EQ(h.shows("Command4"), sign >= 0);
                discriminant = in_range ? std::optional<Q>(d) : std::nullopt;
                break;
            }
            }
            part = std::min(part + 1, 2);
        });
}

}  // namespace
