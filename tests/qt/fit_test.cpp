// SPDX-License-Identifier: GPL-3.0-or-later
// Every number whole on screen: every box and label of every screen of both programs, in the
// states where their widest numbers arrive, checked on what the view draws.
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <set>

#include "qt/convert.h"
#include "qt/widgets.h"
#include "view_fixture.h"

namespace {

using namespace view_testing;

struct Silent final : model::MessageBox {
    void show(const std::string&, const std::string&) override {}
};

// The columns of a widget's picture that differ from its container's colour, in the container's
// coordinates: what the widget visibly takes up.
QRect drawn_part(QWidget* w)
{
    const QImage image = picture(w);
    const QColor back = w->parentWidget()->palette().color(QPalette::Window);
    int first = image.width(), last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - back.red()) + std::abs(c.green() - back.green()) + std::abs(c.blue() - back.blue())
                > 30) {
                first = std::min(first, x), last = std::max(last, x);
                break;
            }
        }
    return last < 0 ? QRect() : QRect(w->x() + first, w->y(), last - first + 1, w->height());
}

// A number written shorter keeps its sign, its leading digit and its size: every digit before
// its separator, or an exponent. Where not even that fits, the ellipsis alone says so.
bool honest_shortening(const QString& full, const QString& shown)
{
    const QString digit = QStringLiteral("[0-9\\x{0660}-\\x{0669}]");
    static const QRegularExpression exponent(QStringLiteral("E[-+]%1+$").arg(digit));
    const QString head = full.left(full.indexOf(QRegularExpression(digit)) + 1);
    const QString whole = full.section(QRegularExpression(QStringLiteral("[.\\x{066B}E]")), 0, 0);
    if (shown == QString(QChar(0x2026)))
        return true;  // not even the leading digit with its exponent fits: the box admits it
    return shown.contains(QChar(0x2026)) && shown.startsWith(head)
        && (shown.contains(exponent) || (shown.startsWith(whole) && whole.size() <= shown.indexOf(QChar(0x2026))));
}

struct Row {
    const char* program;
    const char* screen;
    // As the screenshot tool takes them: a name clicks, NAME=TEXT writes a text, ~NAME=TEXT one
    // longer than any entry of four digits gives, which may be written shorter where room runs out;
    // * shows every control.
    std::vector<std::string> steps;
};

TEST(EveryScreen, EveryNumberIsDrawnWholeInsideItsGrownBoxOverNoOtherControl)
{
    const std::vector<Row> table = {
        {"numeria", "Form7", {"Text1=-9999", "Text2=9999", "Command3"}},
        {"numeria", "Form7", {"Text1=-0.01", "Text2=9999", "Command4"}},
        {"numeria", "Form7", {"Text1=-9999", "Text2=0.01", "Command4", "~Text3=-1.21932631359549E+17"}},
        {"numeria", "Form8", {"Text1=-9999", "Text2=9998", "Text3=9999", "Text4=9999", "Command3"}},
        {"numeria", "Form8", {"Text1=-9999", "Text2=9999", "Text3=9999", "Text4=9998", "Command4"}},
        {"numeria", "Form8", {"Text1=-9999", "Text2=9998", "Text3=9999", "Text4=9997", "Command5"}},
        {"numeria",
         "Form8",
         {"Text1=1", "Text2=3", "Text3=1", "Text4=3", "Command4", "~Text8=1.21932631359549E+17",
          "~Text9=-6.93889390390723E-18"}},
        {"numeria",
         "Form9",
         {"Text1=-9999", "Text2=-9999", "Text3=9999", "Command3", "Command3", "Command3", "Command3"}},
        {"numeria",
         "Form9",
         {"~Text1=123456", "Text2=1", "Text3=1", "Command3", "Command3", "Command3", "Command3", "~Text11=123456"}},
        {"numeria", "Form11", {"Text1=3", "Text2=-250", "Text3=-1234", "Command1", "Command2", "Command2", "Command2"}},
        {"numeria",
         "Form11",
         {"Text1=-9999", "Text2=-9999", "Text3=9999", "Command1", "Command2", "Command2", "Command2", "Command4",
          "~Text13=22358.44", "~Text16=22358.44"}},
        {"numeria", "Form11", {"Text1=1E-300", "Text2=1", "Text3=1", "Command1"}},
        {"numeria",
         "Form11",
         {"Text1=1", "Text2=0.2", "Text3=0.01", "Command1", "Command2", "Command2", "Command2",
          "~Text8=6.93889390390723E-18"}},
        {"numeria",
         "Form11",
         {"Text1=0.01", "Text2=-9999", "Text3=0.01", "Command1", "Command2", "Command2", "Command2", "Command4",
          "~Text18=999900.00", "~Text19=-0.00", "~Text13=9999.00", "~Text16=9999.00"}},
        {"numeria",
         "Form11",
         {"Text1=1", "Text2=-9998", "~Text3=24990001", "Command1", "Command2", "Command2", "Command2", "Command4"}},
        {"numeria", "Form10", {"Command1", "Command2", "Command2", "Command2", "Command4"}},
        {"numeria", "Form4", {"Command2", "Command3", "Command3", "Command3"}},
        {"numeria", "Form3", {"Command2"}},
        {"numeria", "Form2", {"Command4"}},
        {"fractio", "Form1", {"Text1=9999", "Text2=9999", "Command1"}},
        {"fractio", "Form1", {"Text1=-9999", "Text2=-9999", "Command1"}},
        {"fractio", "Form4", {"Text1=9998", "Text2=9999", "Command1"}},
        {"fractio", "Form4", {"Text1=-9999", "Text2=1", "Command1"}},
        {"fractio", "Form4", {"Text1=123456789012", "Text2=7", "Command1"}},
        {"fractio", "Form5", {"Command6", "Text1(0)=-9999", "Text1(4)=144", "Command1", "Command8"}},
    };
    std::set<std::string> seen;
    auto walk = [&seen](const model::ProgramDescription& description, const model::ScreenEntry& entry,
                        const std::vector<std::string>& steps, qtview::Digits digits) {
        values::RuntimeRandom random;
        Silent silent;
        qtview::Shell shell(digits);
        model::Program program{std::string(description.title), silent, random};
        shell.attach(program);
        entry.show(program);
        std::set<const model::Control*> may_shorten;
        for (const std::string& step : steps) {
            model::Screen& screen = *program.current();
            const auto equals = step.find('=');
            const std::string name = step.substr(step[0] == '~', equals - (step[0] == '~'));
            if (step == "*") {
                for (model::Control& c : screen.controls())
                    c.visible = true;
            } else if (model::Control* c = screen.find(name); c != nullptr && equals != std::string::npos) {
                c->text = step.substr(equals + 1);
                if (step[0] == '~')
                    may_shorten.insert(c);
            } else {
                ASSERT_NE(c, nullptr) << name;
                program.click(*c);
            }
            shell.sync_all();
        }
        qtview::ScreenView& view = *shell.view_of(*program.current());
        for (QWidget* w : view.findChildren<QWidget*>()) {
            const model::Control* c = view.control_of(w);
            if (c == nullptr || (c->kind != model::Kind::Label && c->kind != model::Kind::TextBox) || !c->shown())
                continue;
            seen.insert(std::string(description.id) + std::string(entry.name) + c->designer_name());
            auto* label = dynamic_cast<qtview::TextLabel*>(w);
            auto* box = dynamic_cast<qtview::BoxWidget*>(w);
            const QString text = label != nullptr ? label->text() : box->text();
            if (text.trimmed().isEmpty())
                continue;
            SCOPED_TRACE(c->designer_name() + " " + text.toStdString());
            const QString shown = label != nullptr ? label->shown_text() : box->shown_text();
            const int room = label != nullptr ? label->contentsRect().width() - 2 : w->width() - 2 * box->text_margin();
            EXPECT_GE(w->font().pointSizeF(), qtview::legible_minimum);
            if (c->wraps || text.trimmed().contains(' '))
                continue;  // text that breaks onto lines, measured with the captions
            EXPECT_LE(QFontMetrics(w->font()).horizontalAdvance(shown), room);
            if (may_shorten.contains(c) && shown != text) {
                EXPECT_TRUE(honest_shortening(text, shown)) << shown.toStdString();
            } else {
                EXPECT_EQ(shown, text);
            }
            // Nothing reaches the edges of a box without a border, where it would be cut.
            if (!c->border && (box == nullptr || !box->hasFrame())) {
                const auto ink = ink_runs(picture(w));
                if (!ink.empty()) {
                    EXPECT_GT(ink.front().first, 0);
                    EXPECT_LT(ink.back().second, w->width() - 1);
                }
            }
            const QRect designed = qtview::to_rect(c->left, c->top, c->width, c->height, 96);
            if (w->geometry() == designed)
                continue;
            EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry()));
            for (QWidget* other : w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const model::Control* o = view.control_of(other);
                if (other == w || o == nullptr || !o->shown() || o->kind == model::Kind::Line)
                    continue;
                const QRect taken = drawn_part(other);
                EXPECT_LE(w->geometry().intersected(taken).width(), designed.intersected(taken).width())
                    << "over " << o->designer_name();
            }
        }
    };
    for (const auto digits : {qtview::Digits::Western, qtview::Digits::Eastern})
        for (const auto* description : {&numeria::program(), &fractio::program()})
            for (const auto& entry : description->screens) {
                SCOPED_TRACE(std::string(description->id) + " " + std::string(entry.name)
                             + (digits == qtview::Digits::Eastern ? " in Eastern digits" : ""));
                walk(*description, entry, {}, digits);
                walk(*description, entry, {"*"}, digits);
                for (const Row& row : table)
                    if (description->id == row.program && entry.name == row.screen) {
                        SCOPED_TRACE(::testing::PrintToString(row.steps));
                        walk(*description, entry, row.steps, digits);
                    }
            }
    // Every box and label was met while shown.
    for (const auto* description : {&numeria::program(), &fractio::program()})
        for (const auto& entry : description->screens) {
            values::RuntimeRandom random;
            Silent silent;
            model::Program program{std::string(description->title), silent, random};
            entry.show(program);
            for (const model::Control& c : program.current()->controls())
                if (c.kind == model::Kind::Label || c.kind == model::Kind::TextBox) {
                    EXPECT_TRUE(
                        seen.contains(std::string(description->id) + std::string(entry.name) + c.designer_name()))
                        << description->id << " " << entry.name << " " << c.designer_name();
                }
        }
}

}  // namespace
