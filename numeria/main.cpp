// numeria: starts on the main menu and runs until the pupil leaves.
#include <QApplication>

#include "numeria/form1.h"
#include "numeria/screens.h"
#include "qt/app.h"
#include "qt/convert.h"
#include "values/random.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("numeria"));
    qtview::set_up_application(app);
    QApplication::setWindowIcon(qtview::load_icon("numeria-icon"));
    values::RuntimeRandom random;
    qtview::Shell shell;
    model::Program program(numeria::app_title, shell, random);
    shell.attach(program);
    program.start<numeria::Form1>();
    return shell.run();
}
