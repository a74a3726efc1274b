// SPDX-License-Identifier: GPL-3.0-or-later
// Renders a screen offscreen to PNG, after a list of clicks, with a picture of every message box
// that the clicks open.
//   shoot [--digits western|eastern] [--zoom FACTOR] OUT.png PROGRAM FORM [CONTROL | CONTROL=TEXT]...
// A CONTROL is clicked; CONTROL=TEXT types TEXT into a box. Message boxes are answered with OK
// and saved as OUT-box1.png, OUT-box2.png, ... showing the screen behind them. The digits and
// the zoom are the programs' own options; the choices the programs keep are neither read nor
// changed.
#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <cstdio>
#include <iostream>

#include "fractio/screens.h"
#include "numeria/screens.h"
#include "qt/app.h"
#include "qt/options.h"
#include "values/random.h"

namespace {

class ShotBox final : public model::MessageBox {
public:
    ShotBox(qtview::Shell& shell, QString stem, qtview::Digits digits)
        : shell_(shell), stem_(std::move(stem)), digits_(digits)
    {
    }
    model::Program* program = nullptr;

    void show(const std::string& prompt, const std::string& title) override
    {
        shell_.sync_all();
        ++count_;
        std::cout << "box " << count_ << " [" << title << "] " << prompt << "\n";
        auto* view = program->current() ? shell_.view_of(*program->current()) : nullptr;
        if (view == nullptr)
            return;
        QPixmap screen = view->grab();
        auto box
            = qtview::make_message_box(QString::fromStdString(prompt), QString::fromStdString(title), digits_, nullptr);
        box->adjustSize();
        box->show();  // lays the box out so it can be grabbed
        const QPixmap picture = box->grab();
        box->hide();
        QPainter p(&screen);
        const QSizeF logical = QSizeF(screen.size()) / screen.devicePixelRatio();
        const QSizeF boxsize = QSizeF(picture.size()) / picture.devicePixelRatio();
        const QPointF at((logical.width() - boxsize.width()) / 2, (logical.height() - boxsize.height()) / 2);
        p.fillRect(QRectF(at, boxsize).adjusted(-2, -2, 2, 2), Qt::darkGray);
        p.drawPixmap(at, picture);
        p.end();
        screen.save(QStringLiteral("%1-box%2.png").arg(stem_).arg(count_));
    }

private:
    qtview::Shell& shell_;
    QString stem_;
    qtview::Digits digits_;
    int count_ = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    qtview::add_view_options(parser);
    QString error;
    const bool parsed = parser.parse(arguments);
    const auto choice = parsed ? qtview::take_view_options(parser, {}, QStringLiteral("shoot"), error) : std::nullopt;
    if (!choice || parser.positionalArguments().size() < 3) {
        std::cerr << (parsed ? error : parser.errorText() + QLatin1Char('\n')).toStdString()
                  << "usage: shoot [--digits western|eastern] [--zoom FACTOR] OUT.png PROGRAM FORM "
                     "[CONTROL | CONTROL=TEXT]...\n";
        return 2;
    }
    qtview::apply_zoom(choice->zoom);
    QApplication app(argc, argv);
    qtview::set_up_application(app);
    // The tool's name, then what is not an option, as the steps below count them.
    const QStringList args = QStringList{arguments.front()} + parser.positionalArguments();
    const QString out = args[1];
    const model::ProgramDescription* description = nullptr;
    for (const auto* d : {&numeria::program(), &fractio::program()})
        if (args[2] == QString::fromUtf8(d->id.data(), d->id.size()))
            description = d;
    if (description == nullptr) {
        std::cerr << "unknown program " << args[2].toStdString() << " (numeria or fractio)\n";
        return 2;
    }
    values::RuntimeRandom random;
    qtview::Shell shell(choice->digits);
    QString stem = out;
    stem.chop(4);
    ShotBox box(shell, stem, choice->digits);
    model::Program program(std::string(description->title), box, random);
    box.program = &program;
    shell.attach(program);
    const model::ScreenEntry* entry = nullptr;
    for (const auto& e : description->screens)
        if (args[3] == QString::fromUtf8(e.name.data(), e.name.size()))
            entry = &e;
    if (entry == nullptr) {
        std::cerr << "unknown screen " << args[3].toStdString() << "\n";
        return 2;
    }
    entry->show(program);
    for (int i = 4; i < args.size(); ++i) {
        const QStringList step = args[i].split(QLatin1Char('='));
        model::Screen* screen = program.current();
        model::Control* control = screen ? screen->find(step[0].toStdString()) : nullptr;
        if (control == nullptr) {
            std::cerr << "no control " << step[0].toStdString() << "\n";
            return 1;
        }
        if (step.size() > 1)
            control->text = args[i].section(QLatin1Char('='), 1).toStdString();
        else
            program.click(*control);
        shell.sync_all();
    }
    if (program.current() == nullptr) {
        std::cerr << "the program has ended\n";
        return 0;
    }
    QApplication::processEvents();
    return shell.view_of(*program.current())->grab().save(out) ? 0 : 1;
}
