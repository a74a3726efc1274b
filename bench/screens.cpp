// SPDX-License-Identifier: GPL-3.0-or-later
// Screen changes in the real window system: for every button of either tutor that takes one
// screen to another, the time from its click (the handler, the unloading of the old screen, the
// making and showing of the new one) to the new window's first painted frame.
//   screens [ROUNDS]
// Every round makes every change once, after one round that is not counted; the first change of
// each kind, before fonts and fitted sizes are warm, is given apart.
#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "fractio/screens.h"
#include "model/program.h"
#include "numeria/screens.h"
#include "qt/app.h"
#include "stats.h"
#include "values/random.h"

namespace {

using bench::Clock;

class CountingBox final : public model::MessageBox {
public:
    void show(const std::string&, const std::string&) override { ++shown; }
    int shown = 0;
};

struct Change {
    const model::ProgramDescription* program;
    std::string from, control, to;
    double first_ms = -1;
    std::vector<double> ms;
};

// The clicks that change the screen, found by clicking every control of every screen in a
// program without windows: those that leave another screen in front without a message box.
std::vector<Change> changes_of(const model::ProgramDescription& description)
{
    std::vector<Change> found;
    for (const auto& entry : description.screens) {
        std::vector<std::string> controls;
        {
            CountingBox box;
            values::RuntimeRandom random;
            model::Program program(std::string(description.title), box, random);
            entry.show(program);
            for (const model::Control& c : program.current()->controls())
                if (c.on_click && c.kind == model::Kind::Button)
                    controls.push_back(c.designer_name());
        }
        for (const std::string& name : controls) {
            CountingBox box;
            values::RuntimeRandom random;
            model::Program program(std::string(description.title), box, random);
            entry.show(program);
            model::Screen* before = program.current();
            program.click(*before->find(name));
            if (!program.ended() && program.current() != nullptr && program.current() != before && box.shown == 0)
                found.push_back({&description, std::string(entry.name), name, program.current()->name()});
        }
    }
    return found;
}

// Waits for the first frame of a new window of the given screen: the time after its first paint
// has been handled, which is when the frame goes to the window system.
class FirstFrame final : public QObject {
public:
    explicit FirstFrame(QString screen) : screen_(std::move(screen)) {}
    void forget(const QObject* old) { old_ = old; }

    Clock::time_point wait()
    {
        QTimer::singleShot(5000, &loop_, [this] { loop_.exit(1); });
        if (!painted_ && loop_.exec() != 0)
            throw std::runtime_error("no frame of " + screen_.toStdString());
        return at_;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted_ && watched != old_ && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->isWindow() && watched->objectName() == screen_) {
            painted_ = true;
            QTimer::singleShot(0, this, [this] {
                at_ = Clock::now();
                loop_.quit();
            });
        }
        return false;
    }

private:
    QString screen_;
    const QObject* old_ = nullptr;
    bool painted_ = false;
    Clock::time_point at_;
    QEventLoop loop_;
};

// Shows the screen the change starts from, in a program of its own, and waits until it is on
// screen; then times the click from its first event to the new window's first frame.
double measure(const Change& change)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    CountingBox box;
    values::RuntimeRandom random;
    qtview::Shell shell;
    model::Program program(std::string(change.program->title), box, random);
    shell.attach(program);
    {
        FirstFrame shown(QString::fromStdString(change.from));
        qApp->installEventFilter(&shown);
        change.program->screen(change.from).show(program);
        shown.wait();
        qApp->removeEventFilter(&shown);
    }
    QWidget* from = shell.view_of(*program.current());
    auto* button = from->findChild<QAbstractButton*>(QString::fromStdString(change.control));
    if (button == nullptr)
        throw std::runtime_error("no button " + change.control + " on " + change.from);
    FirstFrame next(QString::fromStdString(change.to));
    next.forget(from);
    qApp->installEventFilter(&next);
    const Clock::time_point start = Clock::now();
    button->click();
    const Clock::time_point painted = next.wait();
    qApp->removeEventFilter(&next);
    return bench::ms_between(start, painted);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    qtview::set_up_application(app);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    std::vector<Change> changes;
    for (const auto* description : {&numeria::program(), &fractio::program()})
        for (Change& c : changes_of(*description))
            changes.push_back(std::move(c));
    bool all_within = true;
    try {
        for (int round = 0; round <= rounds; ++round)
            for (Change& c : changes) {
                const double ms = measure(c);
                if (round == 0)
                    c.first_ms = ms;
                else
                    c.ms.push_back(ms);
            }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "screens: %s\n", e.what());
        return 1;
    }
    std::printf("| Screen change | p50 (ms) | p99 (ms) | First (ms) | Within 16 ms at p99 |\n");
    std::printf("|---|---:|---:|---:|---|\n");
    for (const Change& c : changes) {
        const double p99 = bench::percentile(c.ms, 99);
        all_within = all_within && p99 <= 16;
        std::printf("| %s %s → %s (%s) | %.1f | %.1f | %.1f | %s |\n", std::string(c.program->id).c_str(),
                    c.from.c_str(), c.to.c_str(), c.control.c_str(), bench::median(c.ms), p99, c.first_ms,
                    p99 <= 16 ? "yes" : "**no**");
    }
    std::printf("\n%d rounds of every change after a first one, given apart, while fonts and sizes were cold.\n",
                rounds);
    return all_within ? 0 : 3;
}
