// Both programs used at random through their real windows and real modal message boxes: clicks
// on what is on show, texts typed with the keyboard, boxes answered in every way, stray clicks and
// keys while a box is open. Checked throughout: at most one screen loaded and one window open, no
// handler reached while a box is open, no handler working for more than 1 ms, and no crash.
// A short run by default; RANDOM_USE_EVENTS=100000 for the long one.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "entries.h"
#include "view_fixture.h"

namespace {

using testing_support::Entries;

long event_budget()
{
    const char* v = std::getenv("RANDOM_USE_EVENTS");
    return v != nullptr ? std::atol(v) : 1500;
}

// The time the thread itself has worked, so that other programs on the machine do not count.
double cpu_seconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The limit is for the programs as they are built; under the address sanitizer the same code runs
// several times slower and now and then stops for the sanitizer's own bookkeeping.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define UNDER_ADDRESS_SANITIZER
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(UNDER_ADDRESS_SANITIZER)
constexpr double handler_limit = 0.025;
#else
constexpr double handler_limit = 0.001;
#endif

// One run of a program, from its start-up screen until it ends or the events are used up.
class Session final : public model::MessageBox, public model::ProgramObserver {
public:
    Session(const model::ProgramDescription& d, Entries& entries, long& events, std::vector<std::string>& faults)
        : description_(d), entries_(entries), events_(events), faults_(faults)
    {
        shell_.attach(program_);
        program_.set_observer(this);  // passes everything on to the shell, timing it
    }

    void run()
    {
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [this] { tick(); });
        driver.start(0);
        description_.screen(description_.start).show(program_);
        shell_.run();
    }

    double slowest = 0;
    std::set<std::string> visited;

private:
    // The box the pupil sees, timed so that the time spent reading it is not the handler's.
    void show(const std::string& prompt, const std::string& title) override
    {
        const double start = cpu_seconds();
        ++boxes_open_;
        // A timer does not fire again while its own tick runs, and the tick that opened this box
        // runs until the box is answered: the box has its own.
        QTimer answering;
        QObject::connect(&answering, &QTimer::timeout, [this] { tick(); });
        answering.start(0);
        shell_.show(prompt, title);
        --boxes_open_;
        outside_handlers_ += cpu_seconds() - start;
    }
    void shown(model::Screen& s) override
    {
        const double start = cpu_seconds();
        shell_.shown(s);
        visited.insert(std::string(description_.id) + " " + s.name());
        if (watched_.insert(&s).second)
            for (model::Control& c : s.controls())
                if (c.on_click)
                    c.on_click = [this, &s, &c, handler = c.on_click] { timed(s, c, handler); };
        outside_handlers_ += cpu_seconds() - start;
    }
    void unloaded(model::Screen& s) override
    {
        const double start = cpu_seconds();
        watched_.erase(&s);
        shell_.unloaded(s);
        outside_handlers_ += cpu_seconds() - start;
    }
    void ended() override { shell_.ended(); }

    void timed(const model::Screen& s, const model::Control& c, const std::function<void()>& handler)
    {
        const std::string where = s.name() + " " + c.designer_name();
        if (boxes_open_ > 0)
            fault("a click reached " + where + " while a box was open");
        const double start = cpu_seconds(), outside = outside_handlers_;
        handler();
        const double spent = cpu_seconds() - start - (outside_handlers_ - outside);
        slowest = std::max(slowest, spent);
        if (spent > handler_limit)
            fault(where + " worked for " + std::to_string(spent * 1000) + " ms");
    }

    void fault(std::string what)
    {
        if (faults_.size() < 20)
            faults_.push_back(std::string(description_.id) + ": " + std::move(what));
    }

    // One event per tick. A tick inside the event loop of a box that the event being handled
    // opened answers the box or tries to get past it; a tick that comes while an input is still
    // being delivered (the test's inputs let pending events run) does nothing.
    void tick()
    {
        if (ticking_ != boxes_open_ || program_.ended())
            return;
        ++ticking_;
        check_windows();
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (boxes_open_ > 0 && box != nullptr)
            entries_.chance(3) ? stray(box) : answer(box);
        else if (boxes_open_ == 0 && events_ >= event_budget())
            program_.end();
        else if (boxes_open_ == 0)
            use(shell_.view_of(*program_.current()));
        --ticking_;
    }

    void check_windows()
    {
        if (program_.loaded().size() > 1)
            fault(std::to_string(program_.loaded().size()) + " screens loaded");
        int open = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            open += dynamic_cast<qtview::ScreenView*>(w) != nullptr && w->isVisible();
        if (open > 1)
            fault(std::to_string(open) + " screen windows open");
    }

    template <class W>
    std::vector<W*> on_show(qtview::ScreenView* view, const std::function<bool(W*)>& usable)
    {
        std::vector<W*> found;
        for (W* w : view->findChildren<W*>())
            if (w->isVisibleTo(view) && w->isEnabled() && usable(w))
                found.push_back(w);
        return found;
    }
    template <class T>
    T* pick(const std::vector<T*>& from)
    {
        return from.empty() ? nullptr : from[static_cast<std::size_t>(entries_.below(static_cast<int>(from.size())))];
    }

    static void click(QWidget* w)
    {
        QWidget* window = w->window();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, w->mapTo(window, w->rect().center()));
    }
    static void key(QWidget* window, Qt::Key k, const QString& text = {}, Qt::KeyboardModifiers mods = {})
    {
        QTest::sendKeyEvent(QTest::Click, window->windowHandle(), k, text, mods);
    }

    // What the pupil does on the screen in front of them.
    void use(qtview::ScreenView* view)
    {
        ++events_;
        const int what = entries_.below(40);
        if (what < 24) {
            if (auto* b = pick(on_show<QAbstractButton>(view, [](QAbstractButton*) { return true; })))
                click(b);
        } else if (what < 34) {
            if (auto* box = pick(on_show<QLineEdit>(view, [](QLineEdit* e) { return !e->isReadOnly(); }))) {
                click(box);
                key(view, Qt::Key_A, {}, Qt::ControlModifier);
                const QString text = QString::fromUtf8(entries_.any().text.substr(0, 40));
                if (text.isEmpty())
                    key(view, Qt::Key_Backspace);
                for (const QChar ch : text)
                    key(view, Qt::Key_unknown, QString(ch));
            }
        } else if (what < 39) {
            const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Space};
            key(view, keys[entries_.below(4)]);
        } else if (entries_.chance(20)) {
            view->close();  // the title-bar button: ends the program
        }
    }

    // Clicks and keys aimed at the screen behind an open box: none may reach it.
    void stray(QMessageBox* box)
    {
        ++events_;
        model::Screen* screen = program_.current();
        qtview::ScreenView* view = shell_.view_of(*screen);
        std::map<const model::Control*, std::string> before;
        for (const model::Control& c : screen->controls())
            before[&c] = c.text;
        if (auto* b = pick(on_show<QAbstractButton>(view, [](QAbstractButton*) { return true; }));
            b && entries_.chance(2))
            click(b);
        else if (entries_.chance(2))
            key(view, Qt::Key_Return);
        else
            key(view, Qt::Key_5, "5");
        if (program_.current() != screen) {
            fault("the screen behind the box \"" + box->text().toStdString() + "\" went away");
            return;
        }
        for (const model::Control& c : screen->controls())
            if (before.at(&c) != c.text)
                fault(c.designer_name() + " changed behind the box \"" + box->text().toStdString() + "\"");
    }

    // OK with the mouse, Enter, Escape, or the box's title-bar button.
    void answer(QMessageBox* box)
    {
        ++events_;
        switch (entries_.below(4)) {
        case 0:
            if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
                click(ok);
                break;
            }
            [[fallthrough]];
        case 1: key(box, Qt::Key_Return); break;
        case 2: key(box, Qt::Key_Escape); break;
        default: box->close();
        }
    }

    const model::ProgramDescription& description_;
    Entries& entries_;
    long& events_;
    std::vector<std::string>& faults_;
    values::RuntimeRandom random_;
    qtview::Shell shell_;
    model::Program program_{std::string(description_.title), *this, random_};
    std::set<const model::Screen*> watched_;
    int boxes_open_ = 0, ticking_ = 0;
    double outside_handlers_ = 0;
};

TEST(RandomUse, BothProgramsTakeAnyClickTypingAndAnswerWithinTheirRules)
{
    Entries entries(testing_support::property_seed());
    std::vector<std::string> faults;
    std::set<std::string> visited;
    long events = 0;
    double slowest = 0;
    for (int run = 0; events < event_budget() && faults.empty(); ++run) {
        Session session(run % 2 == 0 ? numeria::program() : fractio::program(), entries, events, faults);
        session.run();
        slowest = std::max(slowest, session.slowest);
        visited.insert(session.visited.begin(), session.visited.end());
    }
    EXPECT_EQ(faults, std::vector<std::string>{});
    EXPECT_GE(visited.size(), 8u) << "screens reached: " << ::testing::PrintToString(visited);
    RecordProperty("events", static_cast<int>(events));
    RecordProperty("slowest_handler_us", static_cast<int>(slowest * 1e6));
    std::cout << events << " events on " << visited.size() << " screens; slowest handler " << slowest * 1000 << " ms\n";
}

}  // namespace
