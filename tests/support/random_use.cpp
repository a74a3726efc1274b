// SPDX-License-Identifier: GPL-3.0-or-later
// A program used at random through its real windows.
#include "random_use.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <map>

#include "model/program.h"
#include "qt/app.h"
#include "values/random.h"

namespace testing_support {

namespace {

// One run of a program, from its start-up screen until it ends.
class Session final : public model::MessageBox, public model::ProgramObserver {
public:
    Session(const model::ProgramDescription& d, Entries& entries, long& events, std::set<std::string>& visited,
            std::vector<std::string>& faults, const std::function<bool()>& go_on)
        : description_(d), entries_(entries), events_(events), visited_(visited), faults_(faults), go_on_(go_on)
    {
        shell_.attach(program_);
        program_.set_observer(this);  // passes everything on to the shell, watching it
    }

    // True when the pupil ended the program.
    bool run()
    {
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [this] { tick(); });
        driver.start(0);
        description_.screen(description_.start).show(program_);
        shell_.run();
        return !stopped_;
    }

private:
    void show(const std::string& prompt, const std::string& title) override
    {
        ++boxes_open_;
        // A timer does not fire again while its own tick runs, and the tick that opened this box
        // runs until the box is answered: the box has its own.
        QTimer answering;
        QObject::connect(&answering, &QTimer::timeout, [this] { tick(); });
        answering.start(0);
        shell_.show(prompt, title);
        --boxes_open_;
    }
    void shown(model::Screen& s) override
    {
        shell_.shown(s);
        visited_.insert(std::string(description_.id) + " " + s.name());
        if (watched_.insert(&s).second)
            for (model::Control& c : s.controls())
                if (c.on_click)
                    c.on_click = [this, &s, &c, handler = c.on_click] { guarded(s, c, handler); };
    }
    void unloaded(model::Screen& s) override
    {
        watched_.erase(&s);
        shell_.unloaded(s);
    }
    void ended() override { shell_.ended(); }

    void guarded(const model::Screen& s, const model::Control& c, const std::function<void()>& handler)
    {
        if (boxes_open_ > 0)
            fault("a click reached " + s.name() + " " + c.designer_name() + " while a box was open");
        handler();
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
        if (boxes_open_ > 0 && box != nullptr) {
            entries_.chance(3) ? stray(box) : answer(box);
        } else if (boxes_open_ == 0 && !go_on_()) {
            stopped_ = true;
            program_.end();
        } else if (boxes_open_ == 0) {
            use(shell_.view_of(*program_.current()));
        }
        --ticking_;
    }

    void check_windows()
    {
        if (program_.loaded().size() > 1)
            fault(std::to_string(program_.loaded().size()) + " screens loaded");
        int open = 0, kept = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            const bool view = dynamic_cast<qtview::ScreenView*>(w) != nullptr;
            open += view && w->isVisible();
            kept += view;
        }
        if (open > 1)
            fault(std::to_string(open) + " screen windows open");
        // The window of the screen just unloaded may wait for the event loop to delete it.
        if (kept > 2)
            fault(std::to_string(kept) + " screen windows alive");
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
    std::set<std::string>& visited_;
    std::vector<std::string>& faults_;
    const std::function<bool()>& go_on_;
    values::RuntimeRandom random_;
    qtview::Shell shell_;
    model::Program program_{std::string(description_.title), *this, random_};
    std::set<const model::Screen*> watched_;
    int boxes_open_ = 0, ticking_ = 0;
    bool stopped_ = false;
};

}  // namespace

bool RandomUse::session(const model::ProgramDescription& program, const std::function<bool()>& go_on)
{
    Session session(program, entries_, events_, visited_, faults_, go_on);
    return session.run();
}

bool RandomUse::visited_every_screen_of(const model::ProgramDescription& program) const
{
    for (const model::ScreenEntry& e : program.screens)
        if (!visited_.contains(std::string(program.id) + " " + std::string(e.name)))
            return false;
    return true;
}

}  // namespace testing_support
