// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers in the pupil's digit set: every kind of display, a sign inside an Arabic sentence, and
// the model left in Western digits.
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "qt/widgets.h"
#include "values/values.h"
#include "view_fixture.h"

namespace {

using namespace model;
using namespace view_testing;
using qtview::Digits;

const QString lrm(QChar(0x200E));

TEST(InDigits, WritesEveryNumberInTheChosenSetAndTouchesNothingElse)
{
    const std::vector<std::pair<QString, QString>> table = {
        {"-10", "-١٠"},
        {"3.5", "٣٫٥"},
        {"-1.5E-05", "-١٫٥E-٠٥"},
        {"1. جمع و طرح الكسور", "١. جمع و طرح الكسور"},
        {"العددان موجبان...لذلك", "العددان موجبان...لذلك"},
        {"الناتج = " + lrm + "-10", "الناتج = " + lrm + lrm + "-" + lrm + "١٠"},
        {"س = 2.5E+17", "س = ٢٫٥E" + lrm + "+" + lrm + "١٧"},
    };
    for (const auto& [text, eastern] : table) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(qtview::in_digits(text, Digits::Western), text);
        EXPECT_EQ(qtview::in_digits(text, Digits::Eastern), eastern);
        // A number alone still reads as the same number.
        if (qtview::is_number(text)) {
            EXPECT_EQ(values::strict(eastern.toStdString()), values::strict(text.toStdString()));
        }
    }
}

struct Board final : Screen {
    explicit Board(Services& s) : Screen(s, {.name = "Board", .caption = "  السؤال 2", .width = 6000, .height = 3000})
    {
    }
    Label sentence
        = label("Sentence").at(120, 120, 4000, 375).caption("الناتج = \u200E-88").font(sans(13.5, Weight::Bold)).rtl();
    Label number = label("Number").at(120, 600, 1500, 375).caption("-12.5").rtl();
    TextBox result = display("Result").at(120, 1000, 1500, 375).text("-3.25").named("الناتج").rtl();
    TextBox typed = input("Typed").at(120, 1400, 1500, 375).text("-7").named("العدد").rtl();
    Button two = button("Two").at(2000, 1000, 1200, 375).caption("2").named("اثنان").described("العدد 2");
};

// The leftmost mark a widget draws is a dash: wider than tall, unlike any digit.
bool starts_with_a_dash(QWidget* w)
{
    const QImage image = picture(w);
    const auto runs = ink_runs(image);
    int top = image.height(), bottom = -1;
    for (int x = runs.at(0).first; x <= runs.at(0).second; ++x)
        for (int y = 0; y < image.height(); ++y)
            if (std::abs(image.pixelColor(x, y).lightness() - image.pixelColor(0, 0).lightness()) > 100)
                top = std::min(top, y), bottom = std::max(bottom, y);
    return runs.at(0).second - runs.at(0).first > 2 * (bottom - top);
}

TEST(Digits, ShowOnEveryKindOfDisplayAndAreReadAloudWhileTheModelKeepsWesternDigits)
{
    struct Row {
        Digits digits;
        QString number, result, button, title, prompt;
    };
    const std::vector<Row> table = {
        {Digits::Western, "-12.5", "-3.25", "2", "السؤال 2", "المضاعف هو 12"},
        {Digits::Eastern, "-١٢٫٥", "-٣٫٢٥", "٢", "السؤال ٢", "المضاعف هو ١٢"},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.number.toStdString());
        values::RuntimeRandom random;
        qtview::Shell shell(row.digits);
        model::Program program{numeria::app_title, shell, random};
        shell.attach(program);
        auto& board = program.start<Board>();
        auto* view = shell.view_of(board);
        auto widget = [view](const char* name) { return view->findChild<QWidget*>(name); };
        EXPECT_EQ(static_cast<QLabel*>(widget("Number"))->text(), row.number);
        // Heard as words, whichever digits are shown.
        const auto said = [](const char* text) { return QString::fromStdString(model::spoken(text)); };
        EXPECT_EQ(widget("Number")->accessibleName(), said("-12.5"));
        EXPECT_EQ(static_cast<QLineEdit*>(widget("Result"))->text(), row.result);
        QAccessibleTextInterface* read = QAccessible::queryAccessibleInterface(widget("Result"))->textInterface();
        EXPECT_EQ(read->text(0, read->characterCount()), row.result);
        // What the pupil typed stays as typed.
        EXPECT_EQ(static_cast<QLineEdit*>(widget("Typed"))->text(), "-7");
        EXPECT_EQ(static_cast<QPushButton*>(widget("Two"))->text(), row.button);
        EXPECT_EQ(widget("Two")->accessibleDescription(), said("العدد 2"));
        EXPECT_EQ(view->windowTitle(), row.title);
        EXPECT_TRUE(starts_with_a_dash(widget("Sentence")));
        EXPECT_TRUE(starts_with_a_dash(widget("Number")));
        EXPECT_EQ(board.number.caption(), "-12.5");
        EXPECT_EQ(board.result.text(), "-3.25");

        auto box = qtview::make_message_box("المضاعف هو 12", "السؤال 2", row.digits, nullptr);
        EXPECT_EQ(static_cast<QMessageBox*>(box.get())->text(), row.prompt);
        EXPECT_EQ(box->windowTitle(), row.title);
        EXPECT_EQ(box->accessibleName(), said("السؤال 2"));
    }
}

}  // namespace
