// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt view of the screen model, offscreen: widgets mirror the model, fonts and sizes follow
// the designer values, nothing Arabic is clipped, and the real message box shows the board.
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMovie>
#include <QPushButton>
#include <QRawFont>
#include <QTimer>
#include <functional>

#include "numeria/form1.h"
#include "numeria/form2.h"
#include "qt/convert.h"
#include "view_fixture.h"

namespace {

using namespace view_testing;

TEST_F(ViewTest, WidgetsCarryDesignerNamesGeometryAndWhatThePupilSees)
{
    open("Form1");
    auto* command1 = widget<QPushButton>("Command1");
    ASSERT_NE(command1, nullptr);
    EXPECT_EQ(command1->geometry(), qtview::to_rect(480, 1800, 3615, 375, 96));
    EXPECT_EQ(command1->accessibleName(), QStringLiteral("العمليات الأساسية، الجمع والطرح والضرب والقسمة"));
    EXPECT_EQ(view().size(), QSize(294, 408));
    EXPECT_EQ(view().windowTitle(), QStringLiteral("برنامج اساسيات الرياضيات"));
    EXPECT_EQ(view().layoutDirection(), Qt::RightToLeft);
    EXPECT_TRUE(command1->hasFocus() || QApplication::focusWidget() == nullptr);
}

TEST_F(ViewTest, HiddenControlsAppearWhenAHandlerShowsThem)
{
    open("Form2");
    EXPECT_FALSE(widget("Label2")->isVisibleTo(&view()));
    EXPECT_FALSE(widget("Text5")->isVisibleTo(&view()));
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    click("Command7");
    EXPECT_TRUE(widget("Label2")->isVisibleTo(&view()));
    EXPECT_TRUE(widget("Text5")->isVisibleTo(&view()));
    EXPECT_FALSE(widget<QLineEdit>("Text5")->text().isEmpty());
}

TEST_F(ViewTest, FontsFollowTheSubstitutionTable)
{
    const std::vector<std::tuple<model::Font, QString>> table = {
        {model::sans(12, model::Weight::Bold), "Noto Sans Arabic UI"},
        {{"Simplified Arabic", 12, model::Weight::Bold}, "Noto Naskh Arabic UI"},
        {{"Monotype Koufi", 14.25, model::Weight::Bold}, "Noto Kufi Arabic"},
    };
    for (const auto& [font, family] : table) {
        const QFont f = qtview::to_font(font);
        EXPECT_EQ(QFontInfo(f).family(), family);
        EXPECT_DOUBLE_EQ(f.pointSizeF(), font.size);
        EXPECT_EQ(f.bold(), font.weight == model::Weight::Bold);
    }
}

TEST(EveryScreen, NoCaptionIsClipped)
{
    for_every_screen([](qtview::ScreenView& view, qtview::Digits) {
        for (QWidget* w : view.findChildren<QWidget*>()) {
            QString text;
            int margin = 1;
            if (auto* label = qobject_cast<QLabel*>(w))
                text = label->text();
            else if (auto* button = qobject_cast<QPushButton*>(w))
                text = button->text(), margin = 3;
            if (text.isEmpty())
                continue;
            SCOPED_TRACE(w->objectName().toStdString());
            const QFontMetrics m(w->font());
            const QRect needed = m.boundingRect(QRect(0, 0, w->width() - 2 * margin, 1 << 20), Qt::TextWordWrap, text);
            EXPECT_LE(needed.height(), w->height());
            EXPECT_LE(needed.width(), w->width() - 2 * margin);
        }
    });
}

// Fonts are matched among the stand-in families alone, so a character none of a control's
// families has would show as an empty box.
bool drawable(const QFont& font, char32_t c)
{
    for (const QString& family : font.families()) {
        QFont single(family);
        single.setStyleStrategy(QFont::NoFontMerging);
        const QRawFont face = QRawFont::fromFont(single);
        if (face.familyName() == family && face.supportsCharacter(c))
            return true;
    }
    return false;
}

QString text_of(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* box = qobject_cast<QLineEdit*>(w))
        return box->text();
    if (auto* frame = qobject_cast<QGroupBox*>(w))
        return frame->title();
    return {};
}

TEST(EveryScreen, EveryCharacterOfACaptionIsInOneOfItsFonts)
{
    for_every_screen([](qtview::ScreenView& view, qtview::Digits) {
        for (QWidget* w : view.findChildren<QWidget*>())
            for (char32_t c : text_of(w).toUcs4())
                if (!QChar::isSpace(c)) {
                    EXPECT_TRUE(drawable(w->font(), c))
                        << w->objectName().toStdString() << " U+" << std::hex << static_cast<unsigned>(c);
                }
    });
}

TEST(Fonts, WhatHandlersWriteIsInTheApplicationFont)
{
    // Numbers in both digit sets, signs, exponents, operators, and the ellipsis of a number cut short.
    const QString written = QStringLiteral("0123456789٠١٢٣٤٥٦٧٨٩٫-+.,E=×÷²…()/");
    for (char32_t c : written.toUcs4()) {
        EXPECT_TRUE(drawable(QApplication::font(), c)) << "U+" << std::hex << static_cast<unsigned>(c);
    }
}

// The ± of the quadratic formula is "+ -" in a box two lines of the designer font high, which
// the substitute font's taller lines would otherwise squeeze onto one line.
TEST_F(ViewTest, ALabelMarkedToWrapStacksItsCaptionWithinTheBox)
{
    open("Form10");
    auto* sign = widget<QLabel>("Label3");
    ASSERT_NE(sign, nullptr);
    const QFontMetrics m(sign->font());
    const QRect needed = m.boundingRect(QRect(0, 0, sign->width() - 2, 1 << 20), Qt::TextWordWrap, sign->text());
    EXPECT_GE(needed.height(), 2 * m.lineSpacing());
    EXPECT_LE(needed.height(), sign->height());
}

TEST_F(ViewTest, AWriteBeforeAMessageBoxIsOnScreenWhileTheBoxIsOpen)
{
    open("Form2");
    QString first_number, result, prompt;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        prompt = box->text();
        first_number = widget<QLineEdit>("Text1")->text();
        result = widget<QLineEdit>("Text4")->text();
        box->close();
    });
    click("Command2");
    EXPECT_EQ(prompt, QStringLiteral("العددان موجبان...لذلك إشارة الناتج موجبة"));
    EXPECT_EQ(first_number, "6");
    EXPECT_EQ(result, "");
    EXPECT_EQ(widget<QLineEdit>("Text4")->text(), "12");
}

struct KeyScreen final : model::Screen {
    explicit KeyScreen(model::Services& s) : Screen(s, {.name = "KeyScreen", .width = 3000, .height = 2000}) {}
    model::TextBox shown = display("Shown").at(120, 120, 1000, 300);
    model::TextBox typed = input("Typed").at(120, 600, 1000, 300).tab(1);
    model::Button ok
        = button("Ok").at(120, 1200, 900, 375).default_button().tab(0).on_click([this] { shown.set_text("ok"); });
    model::Button cancel
        = button("Cancel").at(1200, 1200, 900, 375).cancel_button().on_click([this] { shown.set_text("cancel"); });
};

TEST_F(ViewTest, EnterAndEscPressTheirButtonsAndTabSkipsDisplayBoxes)
{
    program.show<KeyScreen>();
    view().activateWindow();
    QApplication::processEvents();
    std::vector<QString> order;
    for (QWidget* w = widget("Ok"); order.size() < 4; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            order.push_back(w->objectName());
    EXPECT_EQ(order, (std::vector<QString>{"Ok", "Typed", "Cancel", "Ok"}));
    const std::vector<std::tuple<Qt::Key, QString>> table = {{Qt::Key_Escape, "cancel"}, {Qt::Key_Return, "ok"}};
    for (const auto& [key, expected] : table) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&view(), &press);
        EXPECT_EQ(widget<QLineEdit>("Shown")->text(), expected);
    }
    widget("Cancel")->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&view(), &enter);
    EXPECT_EQ(widget<QLineEdit>("Shown")->text(), "cancel");
}

TEST_F(ViewTest, ATriedWrongOptionIsGreyedOutAtMarking)
{
    open("Form6");
    click("Option2(0)");
    click("Command2");
    const int tried = pixels_near(picture(widget("Option2(0)")), qtview::disabled_fill);
    const int untried = pixels_near(picture(widget("Option2(1)")), qtview::disabled_fill);
    EXPECT_FALSE(widget("Option2(0)")->isEnabled());
    EXPECT_GT(tried, untried + 20);
}

TEST_F(ViewTest, TheMenuAnimationRestsWhileItsWindowIsHiddenOrMinimised)
{
    open("Form1");
    view().show();
    QMovie* movie = widget<QLabel>("Image1")->movie();
    ASSERT_NE(movie, nullptr);
    EXPECT_EQ(movie->state(), QMovie::Running);
    const std::vector<std::pair<const char*, std::function<void(QWidget&)>>> table = {
        {"hidden", [](QWidget& w) { w.hide(); }},
        {"minimised", [](QWidget& w) { w.setWindowState(Qt::WindowMinimized); }},
    };
    for (const auto& [name, put_away] : table) {
        SCOPED_TRACE(name);
        put_away(view());
        EXPECT_EQ(movie->state(), QMovie::Paused);
        view().setWindowState(Qt::WindowNoState);
        view().show();
        EXPECT_EQ(movie->state(), QMovie::Running);
    }
}

TEST_F(ViewTest, ClosingTheWindowEndsTheProgram)
{
    open("Form5");
    view().close();
    EXPECT_TRUE(program.ended());
}

}  // namespace
