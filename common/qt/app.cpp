// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop shell of a program.
#include "qt/app.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QPainter>
#include <QPixmapCache>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleHints>
#include <QStyleOption>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "qt/access.h"
#include "qt/convert.h"
#include "qt/options.h"
#include "values/random.h"

namespace qtview {

namespace {

class TutorStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 0;
        if (hint == SH_MessageBox_CenterButtons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }

    // The control with the keyboard focus wears a ring that cannot be missed, from the moment a
    // screen opens, not only after the first key press.
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element == PE_FrameFocusRect)
            return;  // the ring below replaces the dotted rectangle
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        // An option wears it only once the pupil moves the focus with the keyboard: on a sheet that
        // opens with the focus on its first option, a ring would point at that answer.
        const bool radio = element == PE_IndicatorRadioButton;
        const bool ringed = element == PE_PanelButtonCommand || element == PE_PanelLineEdit
            || (radio && (option->state & State_KeyboardFocusChange));
        if (ringed && (option->state & State_HasFocus) && (option->state & State_Enabled))
            draw_focus_ring(painter, radio && widget != nullptr ? widget->rect() : option->rect);
    }

    static void draw_focus_ring(QPainter* painter, QRect area)
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(focus_ring_colour, focus_ring_width));
        painter->setBrush(Qt::NoBrush);
        const qreal inset = focus_ring_width / 2.0;
        painter->drawRoundedRect(QRectF(area).adjusted(inset, inset, -inset, -inset), 2, 2);
        painter->restore();
    }
};

// Shapes, lines and pictures without a name only decorate the screen: screen readers pass over
// them.
class Decoration final : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

// F2 and F3 reach the shell from whichever window has the keyboard, message boxes included.
class ReadingKeys final : public QObject {
public:
    explicit ReadingKeys(std::function<bool(int)> key) : key_(std::move(key)) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* press = static_cast<QKeyEvent*>(event);
        return !press->isAutoRepeat() && (press->key() == Qt::Key_F2 || press->key() == Qt::Key_F3)
            && key_(press->key());
    }

private:
    std::function<bool(int)> key_;
};

QAccessibleInterface* decoration_factory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget != nullptr && widget->property(decoration_property).toBool())
        return new Decoration(widget, QAccessible::Graphic);
    return nullptr;
}

}  // namespace

void set_up_application(QApplication& app)
{
    QApplication::setStyle(new TutorStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    QApplication::setLayoutDirection(Qt::RightToLeft);
    QApplication::setQuitOnLastWindowClosed(false);
    // The style would keep a picture of every button and box it draws, keyed by the control's
    // palette, which is new for every window: nothing drawn for a screen is ever asked for again
    // once it is unloaded. Qt 6.4 also never forgets the key of a picture it lets go, so the cache
    // grew with every screen opened, by ten megabytes of pictures and then by their keys.
    QPixmapCache::setCacheLimit(0);
    // The cursor of the box being typed into stays lit rather than blinking: a blinking cursor
    // would wake a program that waits for the pupil twice a second, all day.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    QAccessible::installFactory(decoration_factory);
    install_accessibility();
    match_standins_only();
    for (const char* name : designer_fonts)
        QFont::insertSubstitutions(QString::fromLatin1(name), families_for(name));
    QApplication::setFont(to_font(model::Font{}));
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Arabic), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

int run_program(int argc, char** argv, const model::ProgramDescription& description)
{
    // The command line is read before the application exists: the zoom must be set by then, and
    // help needs no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const Start start = read_command_line(arguments, description, *kept_choices());
    if (start.exit_status) {
        std::fputs(start.output.toUtf8().constData(), *start.exit_status == 0 ? stdout : stderr);
        return *start.exit_status;
    }
    apply_zoom(start.choice.zoom);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(description.id.data(), description.id.size()));
    QApplication::setApplicationVersion(QStringLiteral(TUTORS_VERSION));
    // The taskbar and the window switcher then show the menu entry's name and icon.
    QGuiApplication::setDesktopFileName(
        QString::fromUtf8(description.desktop_entry.data(), description.desktop_entry.size()));
    set_up_application(app);
    if (!description.icon.empty())
        QApplication::setWindowIcon(load_icon(std::string(description.icon)));
    values::RuntimeRandom random;
    Shell shell(start.choice.digits);
    model::Program program(std::string(description.title), shell, random);
    shell.attach(program);
    description.screen(description.start).show(program);
    shell.read_aloud().speak_with(system_speaker);
    shell.read_aloud().keep = [](bool on) { keep_speak(*kept_choices(), on); };
    shell.read_aloud().turn(start.speak, start.speak_asked);
    return shell.run();
}

Shell::Shell(Digits digits)
    : keys_(std::make_unique<ReadingKeys>([this](int key) { return reading_key(key); })), digits_(digits)
{
    // The message waits for the event loop, and for a message box that is open to close.
    read_aloud_.tell_no_voice = [this] { QTimer::singleShot(0, keys_.get(), [this] { tell_no_voice(); }); };
}

Shell::~Shell()
{
    for (auto& [screen, view] : views_)
        delete view;
}

void Shell::attach(model::Program& program)
{
    program_ = &program;
    program.set_observer(this);
}

int Shell::run() { return ended_ ? 0 : QApplication::exec(); }

ScreenView* Shell::view_of(const model::Screen& screen) const
{
    auto it = views_.find(&screen);
    return it == views_.end() ? nullptr : it->second;
}

void Shell::sync_all()
{
    for (auto& [screen, view] : views_)
        view->sync();
}

void Shell::shown(model::Screen& screen)
{
    ScreenView* view = view_of(screen);
    if (view == nullptr) {
        view = new ScreenView(
            screen, *program_, digits_, [this] { sync_all(); }, [this](const QString& said) { read_aloud_.say(said); });
        views_[&screen] = view;
        view->place();
    }
    view->sync();
    view->show();
    view->activateWindow();
    view->focus_first();
}

void Shell::unloaded(model::Screen& screen)
{
    ScreenView* view = view_of(screen);
    if (view == nullptr)
        return;
    views_.erase(&screen);
    view->detach();
    view->hide();
    QObject::connect(view, &QObject::destroyed, [] {
        release_fitted_fonts_when_many();
#if defined(__GLIBC__)
        // What the window held goes back to the system once it is gone, not only to the
        // allocator, whose free pages would otherwise stay resident between the live ones.
        malloc_trim(0);
#endif
    });
    view->deleteLater();
}

void Shell::ended()
{
    ended_ = true;
    QApplication::quit();
}

}  // namespace qtview
