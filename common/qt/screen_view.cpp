// SPDX-License-Identifier: GPL-3.0-or-later
// The window of one screen.
#include "qt/screen_view.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QRadioButton>
#include <QScreen>
#include <QtMath>
#include <algorithm>
#include <map>
#include <tuple>

#include "model/spoken.h"
#include "qt/convert.h"
#include "qt/widgets.h"

namespace qtview {

using model::Control;
using model::Kind;

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// What each part of a reading shows, leaving out what the pupil types.
std::vector<std::string> displays_of(const std::vector<model::Part>& parts)
{
    std::vector<std::string> words;
    for (const model::Part& p : parts)
        words.push_back(model::spoken({p}, true));
    return words;
}

Qt::LayoutDirection direction(const Control& c) { return c.right_to_left ? Qt::RightToLeft : Qt::LeftToRight; }

// Left alignment follows a right-to-left control to its right edge; otherwise left and right
// are where they say, whatever the text.
TextLook look(const Control& c)
{
    Qt::Alignment align = Qt::AlignHCenter;
    if (c.align == model::Align::Right || (c.align == model::Align::Left && c.right_to_left))
        align = Qt::AlignRight | Qt::AlignAbsolute;
    else if (c.align == model::Align::Left)
        align = Qt::AlignLeft | Qt::AlignAbsolute;
    return {direction(c), align};
}

void paint_colours(QWidget* w, const Control& c)
{
    QPalette p = w->palette();
    if (c.back) {
        const QColor back = to_colour(*c.back);
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            p.setColor(role, back);
        w->setAutoFillBackground(c.kind != Kind::Button);
    }
    // Text is black unless the control says otherwise; it never takes its frame's caption colour.
    const QColor fore = to_colour(c.fore.value_or(model::system_colour(8)));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, fore);
    // The pupil must see that a disabled control no longer takes a click, even an option button
    // without a caption.
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled_text);
    p.setColor(QPalette::Disabled, QPalette::Base, disabled_fill);
    w->setPalette(p);
}

// A number in a box reads left to right, even while the pupil types it into a right-to-left box.
QWidget* make_text_box(Control& c, QWidget* parent)
{
    auto* box = new BoxWidget(parent);
    box->look = look(c);
    box->setAlignment(box->look.align);
    const bool input = c.role == model::BoxRole::Input;
    box->setFrame(input);
    box->setReadOnly(c.locked());
    box->setFocusPolicy(input ? Qt::StrongFocus : c.locked() ? Qt::NoFocus : Qt::ClickFocus);
    QObject::connect(box, &QLineEdit::textChanged, box,
                     [box, &c](const QString& t) { box->setLayoutDirection(direction_of(t, direction(c))); });
    QObject::connect(box, &QLineEdit::textEdited, box, [&c](const QString& t) { c.text = t.toStdString(); });
    return box;
}

// An animation rests while no one can see it: while its picture or its window is hidden or the
// window is minimised. Otherwise it would wake the program several times a second for nothing.
class RestWhileHidden final : public QObject {
public:
    RestWhileHidden(QMovie* movie, QLabel* label) : QObject(label), movie_(movie) { label->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide || event->type() == QEvent::Show)
            movie_->setPaused(event->type() == QEvent::Hide);
        return false;
    }

private:
    QMovie* movie_;
};

QWidget* make_image(const Control& c, QWidget* parent)
{
    auto* label = new QLabel(parent);
    const QString gif = QStringLiteral(":/art/%1.gif").arg(qs(c.picture));
    if (QFile::exists(gif)) {
        auto* movie = new QMovie(gif, QByteArray(), label);
        label->setMovie(movie);
        movie->start();
        new RestWhileHidden(movie, label);
    } else {
        label->setPixmap(load_picture(c.picture));
    }
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop | Qt::AlignAbsolute);
    return label;
}

// Lightweight controls are painted on their container, beneath the windowed ones.
bool windowed(Kind k) { return k == Kind::TextBox || k == Kind::Button || k == Kind::Option || k == Kind::Frame; }

}  // namespace

ScreenView::ScreenView(model::Screen& screen, model::Program& program, Digits digits, std::function<void()> after_event,
                       std::function<void(const QString&)> aloud)
    : screen_(&screen), program_(program), digits_(digits), after_event_(std::move(after_event)),
      aloud_(std::move(aloud))
{
    const QScreen* desktop = QGuiApplication::primaryScreen();
    dpi_ = desktop != nullptr ? desktop->logicalDotsPerInch() : 96.0;
    const auto& d = screen.design();
    setObjectName(qs(d.name));
    setWindowTitle(in_digits(qs(d.caption).trimmed(), digits_));
    setAccessibleName(qs(model::spoken(d.spoken.empty() ? d.caption : d.spoken)));
    setLayoutDirection(Qt::RightToLeft);
    QPalette p = palette();
    p.setColor(QPalette::Window, to_colour(d.back));
    if (d.fore)
        p.setColor(QPalette::WindowText, to_colour(*d.fore));
    setPalette(p);
    setAutoFillBackground(true);
    // Screens are fixed in size: no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    if (!d.icon.empty())
        setWindowIcon(load_icon(d.icon));

    std::map<const Control*, QWidget*> parents;
    for (Control& c : screen.controls()) {
        QWidget* parent = c.container != nullptr ? parents.at(c.container) : this;
        QWidget* w = build(c, parent);
        parents[&c] = w;
        entries_.push_back({&c, w, to_font(c.effective_font()), 1000.0, w->geometry(), {}, {}});
        w->setFont(entries_.back().base_font);
    }
    for (const Entry& e : entries_)
        if (windowed(e.control->kind))
            e.widget->raise();
    for (const Entry& e : entries_)
        if (QWidget* above = e.control->beneath != nullptr ? widget_of(*e.control->beneath) : nullptr)
            e.widget->stackUnder(above);
    for (const Entry& e : entries_)
        if (auto* frame = dynamic_cast<FrameBox*>(e.widget))
            frame->raise_border();
    // What the pupil types takes its room as it grows, like a number a handler writes.
    for (const Entry& e : entries_)
        if (auto* edit = qobject_cast<QLineEdit*>(e.widget))
            connect(edit, &QLineEdit::textEdited, this, [this] { lay_out(); });
    QWidget* previous = nullptr;
    for (Control* c : screen.tab_order()) {
        if (QWidget* w = widget_of(*c); previous != nullptr && w != nullptr)
            QWidget::setTabOrder(previous, w);
        previous = widget_of(*c);
    }
    share_column_sizes();
    announcer_ = new Announcer(this);
    sync();
    for (const auto& parts : screen.readings())
        heard_.push_back(displays_of(parts));
}

QWidget* ScreenView::build(Control& c, QWidget* parent)
{
    const QRect r = to_rect(c.left, c.top, c.width, c.height, dpi_);
    QWidget* w = nullptr;
    switch (c.kind) {
    case Kind::Label: {
        auto* label = new TextLabel(parent);
        label->look = look(c);
        label->setWordWrap(true);
        label->setAlignment(label->look.align | Qt::AlignTop);
        if (c.border)
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
        w = label;
        break;
    }
    case Kind::TextBox: w = make_text_box(c, parent); break;
    case Kind::Button: {
        auto* button = new WrapButton(parent);
        button->look = {direction(c), Qt::AlignHCenter};  // captions of buttons are centred
        button->setAutoDefault(false);
        QObject::connect(button, &QPushButton::clicked, this, [this, &c] { press(&c); });
        w = button;
        break;
    }
    case Kind::Option: {
        auto* option = new QRadioButton(parent);
        option->setAutoExclusive(false);
        QObject::connect(option, &QRadioButton::clicked, this, [this, &c] { press(&c); });
        w = option;
        break;
    }
    case Kind::Frame: w = new FrameBox(parent); break;
    case Kind::Shape: {
        const auto fill = c.fill ? std::optional<QColor>(to_colour(*c.fill)) : std::nullopt;
        w = new ShapeWidget(c.shape, fill, parent);
        break;
    }
    case Kind::Line: {
        const QPoint from(to_px(c.x1, dpi_), to_px(c.y1, dpi_)), to(to_px(c.x2, dpi_), to_px(c.y2, dpi_));
        w = new LineWidget(from, to, c.border_width, to_colour(c.fore.value_or(model::system_colour(8))), parent);
        break;
    }
    case Kind::Image: w = make_image(c, parent); break;
    }
    w->setLayoutDirection(direction(c));
    const bool decorative = c.kind == Kind::Shape || c.kind == Kind::Line || c.kind == Kind::Image;
    w->setProperty(decoration_property, decorative && c.accessible_name.empty());
    if (c.kind != Kind::Line)
        w->setGeometry(r);
    w->setObjectName(qs(c.designer_name()));
    paint_colours(w, c);
    return w;
}

void ScreenView::share_column_sizes()
{
    // Buttons stacked in one column read as a set: they share the size that fits the longest.
    std::map<std::tuple<const Control*, int, int>, double> column;
    for (Entry& e : entries_) {
        if (e.control->kind != Kind::Button)
            continue;
        fit(e, shown(*e.control));
        auto key = std::make_tuple(e.control->container, e.control->left, e.control->width);
        auto [it, fresh] = column.try_emplace(key, e.widget->font().pointSizeF());
        if (!fresh)
            it->second = std::min(it->second, e.widget->font().pointSizeF());
    }
    for (Entry& e : entries_) {
        if (e.control->kind != Kind::Button)
            continue;
        e.largest_size = column.at(std::make_tuple(e.control->container, e.control->left, e.control->width));
        e.fitted_text.clear();
    }
}

void ScreenView::fit(Entry& e, const QString& text)
{
    QFont font = e.base_font;
    font.setPointSizeF(std::min(font.pointSizeF(), e.largest_size));
    const Kind k = e.control->kind;
    if (text.isEmpty()) {
        // Nothing to measure, so the font is not opened before a handler writes something.
    } else if (k == Kind::Label || k == Kind::Button || k == Kind::Option) {
        const QFontMetrics m(e.base_font);
        const Fit how = e.control->wraps || e.widget->height() >= 2 * m.lineSpacing() ? Fit::Wrapped : Fit::OneLine;
        const int margin = k == Kind::Label ? 1 : k == Kind::Button ? 3 : 10 + m.height();
        // A bordered label draws within its border.
        auto* label = qobject_cast<QLabel*>(e.widget);
        const QSize room = label != nullptr ? label->contentsRect().size() : e.widget->size();
        font = fit_font(font, text, room, how, margin);
    } else if (k == Kind::TextBox) {
        font = fit_font(font, text, e.widget->size(), Fit::OneLine, static_cast<BoxWidget*>(e.widget)->text_margin());
    }
    e.widget->setFont(font);
    e.fitted_text = text;
    e.fitted_size = e.widget->size();
}

namespace {

// A number, alone or after a sign such as "=", takes the room it needs beside its box; other
// text shrinks within the box.
bool grows(const QString& text)
{
    const QString t = text.trimmed();
    return !t.contains(QLatin1Char(' ')) && std::any_of(t.begin(), t.end(), [](QChar c) { return c.isDigit(); });
}

// Room beside the text on either side of a label or a text box.
int side_room(QWidget* w)
{
    if (auto* box = dynamic_cast<BoxWidget*>(w))
        return box->text_margin();
    auto* label = static_cast<QLabel*>(w);
    return (label->width() - label->contentsRect().width()) / 2 + 1;
}

}  // namespace

// A control whose number is wider than its box grows into free room of its container along its
// alignment: a centred one both ways, a right-aligned one leftwards, a left-aligned one
// rightwards, and on into the other side where the first is taken. Free room is what no other
// visible control takes up and lies inside the container; what remains too wide shrinks and, last,
// is shortened. The model keeps the designer's positions.
void ScreenView::lay_out()
{
    std::vector<QRect> rects;
    rects.reserve(entries_.size());
    for (const Entry& e : entries_)
        rects.push_back(e.designed);
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (const int extra = overflow(entries_[i]); extra > 0)
            rects[i] = grown(i, extra, rects);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        Entry& e = entries_[i];
        if (e.control->kind == Kind::Line)
            continue;
        if (e.widget->geometry() != rects[i])
            e.widget->setGeometry(rects[i]);
        if (const QString text = shown(*e.control); text != e.fitted_text || e.widget->size() != e.fitted_size)
            fit(e, text);
    }
    stretch_bars(rects);
}

// How many pixels wider than its designed box a control must be for its number at its own size.
int ScreenView::overflow(const Entry& e) const
{
    const Control& c = *e.control;
    if ((c.kind != Kind::Label && c.kind != Kind::TextBox) || c.wraps || !c.shown())
        return 0;
    const QString text = shown(c);
    if (!grows(text))
        return 0;
    QFont font = e.base_font;
    font.setPointSizeF(std::min(font.pointSizeF(), e.largest_size));
    // A pixel for the rounding of the drawn line, as the fitting measures it.
    const int needed = qCeil(QFontMetricsF(font).horizontalAdvance(text)) + 1 + 2 * side_room(e.widget);
    return needed - e.designed.width();
}

QRect ScreenView::grown(std::size_t i, int extra, const std::vector<QRect>& rects) const
{
    const Entry& e = entries_[i];
    const QRect r = rects[i];
    // Inside a frame's border, or the window.
    const int inset = e.control->container != nullptr ? 2 : 0;
    int lo = inset;
    int hi
        = (e.control->container != nullptr ? e.widget->parentWidget()->width() : to_px(screen_->design().width, dpi_))
        - inset;
    for (std::size_t j = 0; j < entries_.size(); ++j) {
        const Entry& s = entries_[j];
        const QRect other = rects[j];
        if (j == i || s.control->container != e.control->container || !s.control->shown() || other.bottom() < r.top()
            || other.top() > r.bottom())
            continue;
        const auto span = taken(s, other);
        if (!span)
            continue;
        const auto [first, last] = *span;
        if (last <= r.left()) {
            lo = std::max(lo, last);
        } else if (first > r.right()) {
            hi = std::min(hi, first);
        } else if (looks_like_container(*s.control)) {
            return r;  // already over its neighbour's text
        } else if (first <= r.left() && last > r.right()) {
            lo = std::max(lo, first);  // lies within it
            hi = std::min(hi, last);
        } else if (first + last < r.left() + r.right()) {
            lo = std::max(lo, r.left());  // overlaps it a little by design
        } else {
            hi = std::min(hi, r.right() + 1);
        }
    }
    const int left_room = std::max(0, r.left() - lo), right_room = std::max(0, hi - r.right() - 1);
    int left = 0, right = 0;
    if (e.control->align == model::Align::Centre) {
        left = std::min(left_room, extra / 2);
        right = std::min(right_room, extra - left);
        left = std::min(left_room, extra - right);
    } else if (look(*e.control).align & Qt::AlignRight) {
        left = std::min(left_room, extra);
        right = std::min(right_room, extra - left);
    } else {
        right = std::min(right_room, extra);
        left = std::min(left_room, extra - right);
    }
    return r.adjusted(-left, 0, right, 0);
}

// What a control takes up across its row: all of its box, or only its text where the rest of it
// looks like its container and may lie under a neighbour that grows.
std::optional<std::pair<int, int>> ScreenView::taken(const Entry& s, QRect r) const
{
    const Control& c = *s.control;
    if (!looks_like_container(c))
        return std::make_pair(r.left(), r.right() + 1);
    const QString text = shown(c);
    if (text.trimmed().isEmpty())
        return std::nullopt;
    const int room = side_room(s.widget);
    const QFontMetrics m(s.widget->font());
    const int width = std::min(m.horizontalAdvance(text), r.width() - 2 * room);
    const Qt::Alignment align = look(c).align;
    int first = align & Qt::AlignRight ? r.right() + 1 - room - width
        : align & Qt::AlignLeft        ? r.left() + room
                                       : r.left() + (r.width() - width) / 2;
    int last = first + width;
    // The spaces around a caption such as " +  س " are free room too.
    qsizetype lead = 0, trail = 0;
    while (text[lead].isSpace())
        ++lead;
    while (text[text.size() - 1 - trail].isSpace())
        ++trail;
    const int before = m.horizontalAdvance(text.left(lead)), after = m.horizontalAdvance(text.right(trail));
    const bool ltr = direction_of(text, direction(c)) == Qt::LeftToRight;
    first += ltr ? before : after;
    last -= ltr ? after : before;
    constexpr int gap = 2;  // between neighbouring texts
    return std::make_pair(first - gap, std::max(first, last) + gap);
}

bool ScreenView::looks_like_container(const Control& c) const
{
    model::Colour back = screen_->design().back;
    for (const Control* container = c.container; container != nullptr; container = container->container)
        if (container->back) {
            back = *container->back;
            break;
        }
    if (c.kind == Kind::Label)
        return !c.border && (!c.back || *c.back == back);
    return c.kind == Kind::TextBox && c.role != model::BoxRole::Input && c.back == back;
}

// A fraction bar under or over a part that grew spans the part, so the fraction reads as one.
void ScreenView::stretch_bars(const std::vector<QRect>& rects)
{
    const int reach = to_px(240, dpi_);
    for (Entry& bar : entries_) {
        const Control& l = *bar.control;
        if (l.kind != Kind::Line || l.y1 != l.y2)
            continue;
        const int y = to_px(l.y1, dpi_), designed_from = to_px(std::min(l.x1, l.x2), dpi_),
                  designed_to = to_px(std::max(l.x1, l.x2), dpi_);
        int from = designed_from, to = designed_to;
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            const QRect d = entries_[i].designed;
            if (entries_[i].control->container != l.container || rects[i] == d || !entries_[i].control->shown())
                continue;
            const bool near = (y > d.bottom() && y - d.bottom() <= reach) || (y < d.top() && d.top() - y <= reach);
            const int shared = std::min(d.right() + 1, designed_to) - std::max(d.left(), designed_from);
            if (near && 2 * shared >= d.width()) {
                from = std::min(from, rects[i].left());
                to = std::max(to, rects[i].right() + 1);
            }
        }
        const int pad = l.border_width;
        if (QRect(QPoint(from, y), QPoint(to, y)).adjusted(-pad, -pad, pad, pad) != bar.widget->geometry())
            static_cast<LineWidget*>(bar.widget)->set_ends(QPoint(from, y), QPoint(to, y));
    }
}

// What a control shows when even its smallest font is too large: part of the text.
static QString shown_text(QWidget* w, const QString& text)
{
    if (auto* label = dynamic_cast<TextLabel*>(w))
        return label->shown_text();
    if (auto* box = dynamic_cast<BoxWidget*>(w))
        return box->shown_text();
    return text;
}

// What the pupil typed into an input box is theirs and stays as typed, in either digit set;
// everything else is shown in the chosen digits.
QString ScreenView::shown(const Control& c) const
{
    const bool typed = c.kind == Kind::TextBox && c.role == model::BoxRole::Input;
    return typed ? qs(c.text) : in_digits(qs(c.text), digits_);
}

void ScreenView::sync()
{
    if (screen_ == nullptr)
        return;
    lay_out();
    for (Entry& e : entries_)
        sync_entry(e);
}

void ScreenView::sync_entry(Entry& e)
{
    const Control& c = *e.control;
    const QString text = shown(c);
    switch (c.kind) {
    case Kind::Label: static_cast<QLabel*>(e.widget)->setText(text); break;
    case Kind::TextBox:
        if (auto* edit = static_cast<QLineEdit*>(e.widget); edit->text() != text)
            edit->setText(text);
        break;
    case Kind::Button: static_cast<QPushButton*>(e.widget)->setText(text); break;
    case Kind::Option: {
        auto* option = static_cast<QRadioButton*>(e.widget);
        option->setText(text);
        option->setChecked(c.value);
        break;
    }
    case Kind::Frame: static_cast<QGroupBox*>(e.widget)->setTitle(text); break;
    default: break;
    }
    e.widget->setEnabled(c.enabled);
    // A number cut short on screen is read whole by the tooltip and the screen reader.
    const bool cut = shown_text(e.widget, text) != text;
    if (const QString tip = cut ? text : QString(); e.widget->toolTip() != tip)
        e.widget->setToolTip(tip);
    // Every change is an event a screen reader hears: a name written again with the same value
    // would bury the news of the click among hundreds of events.
    if (const QString name = qs(model::spoken_name(c)); e.widget->accessibleName() != name) {
        e.widget->setAccessibleName(name);
        ++accessibility_writes_;
    }
    if (const QString about = qs(model::spoken(c.accessible_description)); e.widget->accessibleDescription() != about) {
        e.widget->setAccessibleDescription(about);
        ++accessibility_writes_;
    }
    e.widget->setVisible(c.visible);
}

void ScreenView::place()
{
    const auto& d = screen_->design();
    const QSize size(to_px(d.width, dpi_), to_px(d.height, dpi_));
    setFixedSize(size);
    const QScreen* desktop = QGuiApplication::primaryScreen();
    if (d.start == model::StartUp::Manual) {
        setGeometry(QRect(QPoint(to_px(d.left, dpi_), to_px(d.top, dpi_)), size));
    } else if (d.start == model::StartUp::Centred && desktop != nullptr) {
        QRect centred(QPoint(), size);
        centred.moveCenter(desktop->availableGeometry().center());
        setGeometry(centred);
    }
}

void ScreenView::focus_first()
{
    if (screen_ == nullptr)
        return;
    for (Control* c : screen_->tab_order())
        if (QWidget* w = widget_of(*c); w != nullptr && c->shown() && c->enabled) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
}

QWidget* ScreenView::widget_of(const Control& control) const
{
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.control == &control; });
    return it == entries_.end() ? nullptr : it->widget;
}

const Control* ScreenView::control_of(const QWidget* widget) const
{
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.widget == widget; });
    return it == entries_.end() ? nullptr : it->control;
}

void ScreenView::detach()
{
    screen_ = nullptr;
    for (Entry& e : entries_)
        e.widget->disconnect(this);
    entries_.clear();
}

void ScreenView::press(Control* control)
{
    if (screen_ == nullptr)
        return;
    const std::size_t boxes = program_.messages();
    const std::string name = model::spoken_name(*control);
    program_.click(*control);
    after_event_();
    // A button that names the next step, such as a step button, is heard by its new caption: the
    // screen reader would not say the new name of the control it is on.
    const bool renamed = screen_ != nullptr && control->shown() && model::spoken_name(*control) != name;
    announce_changes(control, program_.messages() != boxes, renamed ? qs(model::spoken_name(*control)) : QString());
}

void ScreenView::announce_changes(const Control* pressed, bool answered_by_box, const QString& renamed)
{
    if (screen_ == nullptr)
        return;
    QStringList news;
    std::size_t i = 0;
    for (const auto& parts : screen_->readings()) {
        std::vector<std::string> displays = displays_of(parts);
        // A display that was hidden is no news, or a refused entry would be heard beside the
        // result of the one before it. A click on one of the board's own buttons is heard with
        // its result even when that is the same as before, unless a box answered it.
        bool changed = false;
        for (std::size_t k = 0; k < displays.size(); ++k)
            changed = changed || (!displays[k].empty() && displays[k] != heard_[i][k]);
        const bool board_of_press = std::any_of(parts.begin(), parts.end(), [&](const model::Part& p) {
            return std::find(p.controls.begin(), p.controls.end(), pressed) != p.controls.end();
        });
        if (changed || (board_of_press && !answered_by_box))
            news << qs(model::spoken(parts));
        heard_[i++] = std::move(displays);
    }
    news << renamed;
    news.removeAll(QString());
    if (!news.isEmpty())
        tell(news.join(QStringLiteral("، ")));
}

void ScreenView::tell(const QString& text)
{
    announcer_->say(text);
    if (aloud_)
        aloud_(text);
}

void ScreenView::read_again()
{
    if (screen_ == nullptr)
        return;
    const Control* focused = control_of(focusWidget());
    auto holds_focus = [&](const model::Part& p) {
        for (const Control* c : p.controls)
            for (const Control* f = focused; f != nullptr; f = f->container)
                if (c == f)
                    return true;
        return false;
    };
    QStringList near, all;
    for (const auto& parts : screen_->readings()) {
        all << qs(model::spoken(parts));
        if (focused != nullptr && std::any_of(parts.begin(), parts.end(), holds_focus))
            near << all.back();
    }
    near.removeAll(QString());
    all.removeAll(QString());
    tell((near.isEmpty() ? all : near).join(QStringLiteral("، ")));
}

void ScreenView::closeEvent(QCloseEvent* event)
{
    // The window goes away only through the model: the shell closes it when the screen unloads.
    event->ignore();
    if (screen_ == nullptr)
        return;
    program_.close(*screen_);
    after_event_();
}

void ScreenView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F3) {
        read_again();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // Enter presses the button that has the focus, as Space does, and otherwise the default one.
    if (auto* focused = qobject_cast<QAbstractButton*>(focusWidget()); enter && focused != nullptr) {
        focused->click();
        return;
    }
    model::Control* target = nullptr;
    if (screen_ != nullptr && enter)
        target = screen_->default_button();
    else if (screen_ != nullptr && event->key() == Qt::Key_Escape)
        target = screen_->cancel_button();
    if (target == nullptr) {
        QWidget::keyPressEvent(event);
        return;
    }
    press(target);
}

}  // namespace qtview
