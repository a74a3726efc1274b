// SPDX-License-Identifier: GPL-3.0-or-later
// How the view draws text: each control in its own reading direction and alignment, numbers
// whole or visibly cut short, fonts from frames, colours, wrapping and shared button sizes.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "qt/convert.h"
#include "qt/widgets.h"
#include "view_fixture.h"

namespace {

using namespace model;
using namespace view_testing;

const Font big = sans(13.5, Weight::Bold);

struct Samples final : Screen {
    explicit Samples(Services& s) : Screen(s, {.name = "Samples", .width = 9000, .height = 9000}) {}
    Label ltr_formula = label("LtrFormula").at(120, 120, 2400, 375).caption(" +  س ").font(big);
    Label ltr_plus = label("LtrPlus").at(120, 600, 2400, 375).caption(" + ").font(big);
    Label rtl_formula = label("RtlFormula").at(3000, 120, 2400, 375).caption(" +  س ").font(big).rtl();
    Label rtl_plus = label("RtlPlus").at(3000, 600, 2400, 375).caption(" + ").font(big).rtl();

    Label left = label("Left").at(120, 1200, 2400, 375).caption("=").font(big);
    Label right = label("Right").at(120, 1600, 2400, 375).caption("=").font(big).right();
    Label rtl_left = label("RtlLeft").at(120, 2000, 2400, 375).caption("=").font(big).rtl();
    Label rtl_right = label("RtlRight").at(120, 2400, 2400, 375).caption("=").font(big).rtl().right();
    Label centre = label("Centre").at(120, 2800, 2400, 375).caption("=").font(big).rtl().centred();

    TextBox number_rtl = display("NumberRtl").at(3000, 1200, 1500, 375).text("-88").font(big).rtl().centred();
    TextBox number_ltr = display("NumberLtr").at(3000, 1600, 1500, 375).text("-88").font(big).centred();
    TextBox cut_rtl = display("CutRtl").at(120, 3200, 600, 375).text("-1.23456789012346E+20").font(big).rtl().centred();
    TextBox cut_ltr = display("CutLtr").at(120, 3600, 600, 375).text("-1.23456789012346E+20").font(big).centred();

    Frame frame1 = frame("Frame1").at(3000, 2400, 3000, 1500).font(sans(9.75, Weight::Bold));
    TextBox inner = display("Inner").at(120, 240, 1500, 375).in(frame1);

    TextBox under = display("Under").at(120, 4200, 1500, 375);
    Line over = line("Over").from(0, 4400).to(2000, 4400);

    Button column_long = button("ColumnLong").at(6000, 120, 1800, 375).font(big).caption("معادلة من الدرجة الثانية");
    Button column_short = button("ColumnShort").at(6000, 600, 1800, 375).font(big).caption("رجوع");
    Button alone = button("Alone").at(6000, 1200, 1900, 375).font(big).caption("رجوع");

    Label bordered = label("Bordered").at(3000, 4200, 1500, 375).caption("٣").back(0x00FFFFC0).bordered();
    Label plain = label("Plain").at(3000, 4800, 1500, 375).caption("٣").back(0x00FFFFC0);

    Label boxed = label("Boxed")
                      .at(120, 6200, 465, 495)
                      .caption("-12.5")
                      .font({"Arabic Transparent", 12, Weight::Bold})
                      .bordered()
                      .centred();
    Label wrapped = label("Wrapped")
                        .at(120, 5000, 2000, 1000)
                        .font(sans(9.75))
                        .rtl()
                        .caption("قم بإدخال قيمتين بإستخدام لوحة المفاتيح داخل المربعين");
};

struct SampleTest : ViewTest {
    void SetUp() override
    {
        ViewTest::SetUp();
        program.show<Samples>();
    }
    std::vector<std::pair<int, int>> runs(const char* name) { return ink_runs(picture(widget(name))); }
};

TEST_F(SampleTest, EachLabelReadsInTheDirectionOfItsOwnFlag)
{
    // Without the flag the + comes first from the left, as written; with it, from the right.
    ASSERT_FALSE(runs("LtrFormula").empty());
    EXPECT_EQ(runs("LtrFormula").front(), runs("LtrPlus").front());
    EXPECT_EQ(runs("RtlFormula").back(), runs("RtlPlus").back());
    EXPECT_NE(runs("LtrFormula").size(), 1u);
}

TEST_F(SampleTest, AlignmentIsAbsoluteExceptLeftInARightToLeftControl)
{
    enum class Side { Left, Right, Centre };
    const std::vector<std::pair<const char*, Side>> table = {
        {"Left", Side::Left},      {"Right", Side::Right},   {"RtlLeft", Side::Right},
        {"RtlRight", Side::Right}, {"Centre", Side::Centre},
    };
    for (const auto& [name, side] : table) {
        SCOPED_TRACE(name);
        const auto ink = runs(name);
        ASSERT_FALSE(ink.empty());
        const int width = widget(name)->width();
        if (side == Side::Left)
            EXPECT_LT(ink.front().first, width / 4);
        else if (side == Side::Right)
            EXPECT_GT(ink.back().second, 3 * width / 4);
        else
            EXPECT_NEAR((ink.front().first + ink.back().second) / 2, width / 2, 3);
    }
}

TEST_F(SampleTest, ANumberReadsLeftToRightInABoxOfEitherDirection)
{
    EXPECT_EQ(picture(widget("NumberRtl")), picture(widget("NumberLtr")));
    const auto ink = runs("NumberLtr");
    ASSERT_GE(ink.size(), 2u);
    // The minus sign, narrower than an 8, stands on the left.
    EXPECT_LT(ink.front().second - ink.front().first, ink.back().second - ink.back().first);
    // Cut short, it still reads from its minus sign on the left.
    EXPECT_EQ(picture(widget("CutRtl")), picture(widget("CutLtr")));
}

TEST_F(SampleTest, AControlWithoutAFontTakesItsFramesFont)
{
    EXPECT_TRUE(widget("Inner")->font().bold());
    EXPECT_DOUBLE_EQ(widget("Inner")->font().pointSizeF(), 9.75);
    EXPECT_FALSE(widget("Under")->font().bold());
}

TEST_F(SampleTest, BoxesLieAboveLinesDeclaredAfterThem)
{
    const QObjectList stack = view().children();
    EXPECT_GT(stack.indexOf(widget("Under")), stack.indexOf(widget("Over")));
}

TEST_F(SampleTest, ABorderedLabelHasASingleLineAroundIt)
{
    const QImage bordered = picture(widget("Bordered")), plain = picture(widget("Plain"));
    for (const QPoint& edge : {QPoint(0, 10), QPoint(bordered.width() - 1, 10), QPoint(20, 0)}) {
        EXPECT_LT(bordered.pixelColor(edge).lightness(), 100);
        EXPECT_EQ(plain.pixelColor(edge), QColor(0xC0, 0xFF, 0xFF));
    }
}

TEST_F(SampleTest, ALabelTallEnoughForTwoLinesWrapsRatherThanShrinks)
{
    QWidget* w = widget("Wrapped");
    EXPECT_DOUBLE_EQ(w->font().pointSizeF(), 9.75);
    const QFontMetrics m(w->font());
    EXPECT_GT(m.horizontalAdvance(static_cast<QLabel*>(w)->text()), w->width());
}

TEST_F(SampleTest, ANumberInABorderedLabelGrowsOrShrinksWithinTheBorderRatherThanBeingCutShort)
{
    auto* boxed = widget<qtview::TextLabel>("Boxed");
    EXPECT_EQ(boxed->shown_text(), boxed->text());
    EXPECT_TRUE(boxed->font().pointSizeF() < 12 || boxed->width() > qtview::to_px(465, 96));
    EXPECT_LE(QFontMetrics(boxed->font()).horizontalAdvance(boxed->text()), boxed->contentsRect().width() - 2);
}

TEST_F(ViewTest, EveryNumberOnThePracticeScreenIsShownWholeOrVisiblyCutShort)
{
    open("Form7");
    struct Row {
        std::string x, y, shown;
    };
    const std::vector<Row> table = {
        {"-123", "45", "-5535"},          {"1000", "1000", "1000000"},   {"-1e20", "3", "-3E+20"},
        {"-1.5e300", "-1e5", "1.5E+305"}, {"-123456789012", "1000", ""},  // too long even once grown and shrunk
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.x + " X " + row.y);
        program.current()->find("Text1")->text = row.x;
        program.current()->find("Text2")->text = row.y;
        click("Command3");
        auto* box = widget<qtview::BoxWidget>("Text3");
        const QString full = box->text();
        const QString shown = box->shown_text();
        if (row.shown.empty()) {
            ASSERT_TRUE(shown.contains(QChar(0x2026)));
            EXPECT_TRUE(shown.startsWith(full.left(2)));
            EXPECT_TRUE(shown.contains("E+"));
        } else {
            EXPECT_EQ(shown.toStdString(), row.shown);
        }
        EXPECT_LE(QFontMetrics(box->font()).horizontalAdvance(shown), box->width() - 4);
        EXPECT_GE(box->font().pointSizeF(), qtview::legible_minimum);
        EXPECT_EQ(box->toolTip(), shown == full ? QString() : full);
    }
}

TEST(Elide, KeepsTheSignTheLeadingDigitAndTheSizeOrAdmitsItCannot)
{
    QFont font = qtview::to_font(sans(9.75));
    const QFontMetrics m(font);
    const QString e(QChar(0x2026));
    struct Row {
        QString text, expected;
        int width;  // 0: just the expected text's own width
    };
    const std::vector<Row> table = {
        {"-5535", "-5535", 200},
        {"-123456789012345", "-1.23" + e + "E+14", 0},
        // Never a fragment such as 77…, which reads as 77.
        {"77308", e, m.horizontalAdvance("7730")},
        {"-1.23456789012E+17", "-1.2" + e + "E+17", 0},
        {"6.93889390390723E-18", "6.9" + e + "E-18", 0},
        {"22358.44", "22358" + e, 0},
        {"=123456789012", "=1.2" + e + "E+11", 0},
        {"٢٢٣٥٨٫٤٤", "٢٢٣٥٨" + e, 0},
        {"-١٢٣٤٥٦٧٨٩٠١٢", "-١٫٢" + e + "E+١١", 0},
        // Nothing shorter says as much: the ellipsis alone, or nothing, but never wider.
        {"1E-300", e, m.horizontalAdvance("1E-30")},
        {"-123456789012345", "", 1},
        {"2.5E+99999999999999", e, m.horizontalAdvance("2.5E+99")},
    };
    for (const auto& row : table) {
        const int width = row.width > 0 ? row.width : m.horizontalAdvance(row.expected);
        SCOPED_TRACE(row.text.toStdString() + " in " + std::to_string(width));
        EXPECT_EQ(qtview::elide(row.text, m, width), row.expected);
    }
}

// A size fits when fitting from that size keeps it; the answer from the designer size must be
// the first such size going down in quarter points, however the search gets there.
TEST(FitFont, FindsTheLargestQuarterPointSizeThatFits)
{
    using qtview::Fit;
    struct Row {
        const char* name;
        Font font;
        QString text;
        QSize box;
        Fit fit;
        int margin;
    };
    const QString title = QStringLiteral("برنامج نوميريا في مـــــــادة الرياضيات");
    const QString rule = QStringLiteral("حاصل جمع عددين مختلفين في الاشارة: نحدد الاشارة، وتكون إشارة العدد الأكبر");
    const std::vector<Row> table = {
        {"fits as it is", big, "رجوع", {120, 25}, Fit::OneLine, 3},
        {"a little too wide", big, title, {273, 41}, Fit::OneLine, 1},
        {"far too wide", big, title, {120, 41}, Fit::OneLine, 1},
        {"too wide for the smallest size", big, title, {40, 41}, Fit::OneLine, 1},
        {"too low", sans(24, Weight::Bold), "٣", {60, 20}, Fit::OneLine, 2},
        {"a long number", sans(13.5), "-1.23456789012346E+17", {80, 33}, Fit::OneLine, 2},
        {"wrapped in a tall box", sans(9.75), rule, {200, 60}, Fit::Wrapped, 1},
        {"wrapped in a low box", sans(9.75, Weight::Bold), rule, {150, 40}, Fit::Wrapped, 1},
        {"already small", sans(7.25), title, {100, 30}, Fit::OneLine, 1},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        const QFont base = qtview::to_font(row.font);
        auto fitted_from = [&](double size) {
            QFont f = base;
            f.setPointSizeF(size);
            return qtview::fit_font(f, row.text, row.box, row.fit, row.margin).pointSizeF();
        };
        const double found = fitted_from(row.font.size);
        double expected = row.font.size;
        while (expected - 0.25 >= qtview::legible_minimum && fitted_from(expected) != expected)
            expected -= 0.25;
        EXPECT_DOUBLE_EQ(found, expected);
        EXPECT_DOUBLE_EQ(fitted_from(row.font.size), expected) << "when remembered";
    }
}

TEST(IsNumber, TellsNumbersFromOtherText)
{
    const std::vector<std::pair<QString, bool>> table = {
        {"-10", true},    {"2.33333333333333", true},
        {"1E+15", true},  {"-1.5E-05", true},
        {" 7 ", true},    {"٣٫٥", true},
        {"", false},      {"-", false},
        {"+", false},     {" +  س ", false},
        {"0 =", false},   {"س = 2", false},
        {"12abc", false},
    };
    for (const auto& [text, number] : table) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(qtview::is_number(text), number);
    }
}

TEST_F(ViewTest, ColoursComeFromTheDesignerValues)
{
    open("Form1");
    const QImage title = picture(widget("Label1"));
    EXPECT_EQ(title.pixelColor(2, 2), QColor(0xC0, 0xFF, 0xFF));
    EXPECT_GT(pixels_near(title, QColor(0xFF, 0x00, 0x00)), 50);
    EXPECT_EQ(picture(&view()).pixelColor(1, view().height() - 2), QColor(0x00, 0xFF, 0xFF));
}

TEST_F(SampleTest, ButtonsOfOneColumnShareTheSizeThatFitsTheLongest)
{
    const double base = widget("Alone")->font().pointSizeF();
    const double size = widget("ColumnLong")->font().pointSizeF();
    EXPECT_LT(size, base);
    EXPECT_DOUBLE_EQ(widget("ColumnShort")->font().pointSizeF(), size);
    const QFontMetrics m(widget("ColumnLong")->font());
    EXPECT_LE(m.horizontalAdvance(static_cast<QPushButton*>(widget("ColumnLong"))->text()),
              widget("ColumnLong")->width());
}

}  // namespace
