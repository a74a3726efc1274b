// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader and a keyboard user meet: names and roles in the accessibility tree,
// read-only display boxes, a focus ring from the first moment, and message boxes that can only
// be closed.
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "model/spoken.h"
#include "qt/widgets.h"
#include "view_fixture.h"

namespace {

using namespace model;
using namespace view_testing;

QAccessibleInterface* access(QWidget* w) { return QAccessible::queryAccessibleInterface(w); }

TEST(EveryScreen, TheAccessibilityTreeCarriesTheNamesRolesAndStatesOfTheControls)
{
    for_every_screen([](qtview::ScreenView& view, qtview::Digits) {
        for (QWidget* w : view.findChildren<QWidget*>()) {
            const model::Control* c = view.control_of(w);
            if (c == nullptr)
                continue;
            SCOPED_TRACE(c->designer_name());
            QAccessibleInterface* a = access(w);
            ASSERT_NE(a, nullptr);
            const bool decoration = (c->kind == Kind::Shape || c->kind == Kind::Line || c->kind == Kind::Image)
                && c->accessible_name.empty();
            EXPECT_EQ(a->state().invisible, decoration || !c->shown());
            if (decoration)
                continue;
            // Where there is nothing to say, Qt may lend a box its frame's title, a label its blanks.
            if (!spoken_name(*c).empty()) {
                EXPECT_EQ(a->text(QAccessible::Name).toStdString(), spoken_name(*c));
            }
            EXPECT_EQ(a->text(QAccessible::Description).toStdString(), spoken(c->accessible_description));
            if (c->kind == Kind::TextBox) {
                EXPECT_EQ(a->role(), QAccessible::EditableText);
                EXPECT_EQ(a->state().readOnly, c->locked());
                EXPECT_EQ(static_cast<QLineEdit*>(w)->isReadOnly(), c->locked());
            }
        }
    });
}

TEST_F(ViewTest, ADisplayBoxIsReadWholeWhateverFitsOnScreen)
{
    open("Form7");
    program.current()->find("Text1")->text = "-123456789012";
    program.current()->find("Text2")->text = "1000";
    click("Command3");
    QAccessibleInterface* a = access(widget("Text3"));
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("الناتج"));
    ASSERT_NE(a->textInterface(), nullptr);
    EXPECT_EQ(a->textInterface()->text(0, a->textInterface()->characterCount()), "-123456789012000");
}

struct FocusScreen final : Screen {
    explicit FocusScreen(Services& s) : Screen(s, {.name = "FocusScreen", .width = 4000, .height = 3000}) {}
    Button hidden_first = button("HiddenFirst").at(120, 120, 1200, 375).caption("مخفي").tab(0).hidden();
    Button shown = button("Shown").at(120, 600, 1200, 375).caption("ظاهر").tab(1);
    TextBox typed = input("Typed").at(120, 1200, 1200, 375).tab(2).named("العدد");
    Button other = button("Other").at(2000, 600, 1200, 375).caption("آخر").tab(3);
};

struct FocusTest : ViewTest {
    void SetUp() override
    {
        ViewTest::SetUp();
        program.show<FocusScreen>();
        view().activateWindow();
        QApplication::processEvents();
    }
};

TEST_F(FocusTest, TheFirstVisibleControlInTabOrderHasTheFocus) { EXPECT_EQ(view().focusWidget(), widget("Shown")); }

TEST_F(FocusTest, TheFocusedControlWearsAPlainRingFromTheStart)
{
    ASSERT_TRUE(widget("Shown")->hasFocus());
    const int ring = 2 * (widget("Shown")->width() + widget("Shown")->height());
    EXPECT_GT(pixels_near(picture(widget("Shown")), qtview::focus_ring_colour), ring);
    EXPECT_EQ(pixels_near(picture(widget("Other")), qtview::focus_ring_colour), 0);
    EXPECT_EQ(pixels_near(picture(widget("Typed")), qtview::focus_ring_colour), 0);
    widget("Typed")->setFocus();
    EXPECT_GT(pixels_near(picture(widget("Typed")), qtview::focus_ring_colour), ring);
    EXPECT_EQ(pixels_near(picture(widget("Shown")), qtview::focus_ring_colour), 0);
}

TEST_F(ViewTest, AClickWritesTheNamesOfWhatItChangedAndNothingElse)
{
    open("Form7");
    program.current()->find("Text1")->text = "7";
    program.current()->find("Text2")->text = "-2";
    const int built = view().accessibility_writes();
    click("Command1");
    // The result box, empty until now, takes its name; the rest stay as they were.
    EXPECT_EQ(view().accessibility_writes(), built + 1);
    EXPECT_EQ(view().announcer().last_said(), QStringLiteral("سبعة زائد سالب اثنان يساوي خمسة"));
    // Heard as its text alone: a notification elsewhere is preceded by its role, in English.
    QAccessibleInterface* news = access(const_cast<qtview::Announcer*>(&view().announcer()));
    EXPECT_EQ(news->role(), QAccessible::Notification);
    EXPECT_EQ(news->parent()->role(), QAccessible::StatusBar);
    click("Command2");
    EXPECT_EQ(view().accessibility_writes(), built + 1);
    EXPECT_EQ(view().announcer().last_said(), QStringLiteral("سبعة ناقص سالب اثنان يساوي تسعة"));
    click("Command5");  // the lesson: each of its names and descriptions written once
    int given = 0;
    for (const Control& c : program.current()->controls())
        given += !spoken_name(c).empty() + !c.accessible_description.empty();
    EXPECT_EQ(view().accessibility_writes(), given);
}

TEST_F(ViewTest, AnEntryRefusedByABoxIsNotHeardBesideTheResultBefore)
{
    open("Form7");
    program.current()->find("Text1")->text = "7";
    program.current()->find("Text2")->text = "-2";
    click("Command4");
    program.current()->find("Text2")->text = "0";
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    click("Command4");  // division by zero: the box says so, and the old quotient stays shown
    EXPECT_EQ(view().announcer().last_said(), QStringLiteral("سبعة قسمة سالب اثنان يساوي سالب ثلاثة والباقي واحد"));
}

TEST_F(ViewTest, ACaptionAHandlerChangesIsHeardInsteadOfTheNameItWasGiven)
{
    open("Form10");
    click("Command1");
    click("Command2");  // substitutes the coefficients
    click("Command2");  // simplifies: "4 أ جـ" becomes a number
    // The step button now names the next step, and that is heard with the simplified formula.
    EXPECT_TRUE(view().announcer().last_said().endsWith(QStringLiteral("التأكد من الجذر التربيعي")));
    const Control& product = *program.current()->find("Label5(0)");
    ASSERT_NE(product.text, product.named_text);
    EXPECT_EQ(widget("Label5(0)")->accessibleName().toStdString(), spoken(product.text));
}

TEST_F(ViewTest, OptionsAreRadioButtonsAndATriedWrongOneIsUnavailableAfterMarking)
{
    open("Form6");
    QAccessibleInterface* wrong = access(widget("Option2(0)"));
    EXPECT_EQ(wrong->role(), QAccessible::RadioButton);
    EXPECT_TRUE(wrong->state().checkable);
    EXPECT_FALSE(wrong->state().checked);
    EXPECT_TRUE(wrong->relations(QAccessible::Label).isEmpty());  // the question is heard once, not at each option
    // Heard as the candidate beside it, not as its place.
    EXPECT_EQ(wrong->text(QAccessible::Name).toStdString(), spoken(program.current()->find("Label2(0)")->text));
    click("Option2(0)");
    EXPECT_TRUE(wrong->state().checked);
    click("Command2");
    EXPECT_TRUE(wrong->state().disabled);
}

TEST(MessageBox, IsReadOnceInSpokenWords)
{
    auto box = qtview::make_message_box("العددان موجبان...لذلك", "numeria", qtview::Digits::Western, nullptr);
    QAccessibleInterface* a = access(box.get());
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("نوميريا"));
    EXPECT_EQ(a->text(QAccessible::Description), QString());
    EXPECT_EQ(box->findChild<QLabel*>("qt_msgbox_label")->accessibleName(), QStringLiteral("العددان موجبان، لذلك"));
}

TEST(MessageBox, HasOnlyACloseButtonInItsTitleBarAndComesBackWhenMinimised)
{
    auto box = qtview::make_message_box("نص", "12", qtview::Digits::Western, nullptr);
    const Qt::WindowFlags flags = box->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
    box->show();
    box->setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(box->isMinimized());
}

}  // namespace
