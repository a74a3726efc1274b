// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: the plainest Qt Widgets window with a dozen Arabic controls,
// written as anyone would write it, with none of the tutors' framework.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setLayoutDirection(Qt::RightToLeft);
    QWidget window;
    window.setWindowTitle(QStringLiteral("نافذة بسيطة"));
    window.setFixedSize(300, 410);
    const char* captions[] = {"العنوان الرئيسي", "الجمع", "الطرح", "الضرب", "القسمة", "الكسور"};
    int top = 10;
    for (const char* caption : captions) {
        auto* label = new QLabel(QString::fromUtf8(caption), &window);
        label->setGeometry(150, top, 140, 25);
        top += 30;
    }
    top = 10;
    for (const char* caption : {"ابدأ", "التالي", "الرجوع", "الخروج"}) {
        auto* button = new QPushButton(QString::fromUtf8(caption), &window);
        button->setGeometry(10, top, 130, 30);
        top += 40;
    }
    for (const char* hint : {"العدد الأول", "العدد الثاني"}) {
        auto* box = new QLineEdit(&window);
        box->setPlaceholderText(QString::fromUtf8(hint));
        box->setGeometry(10, top + 20, 280, 30);
        top += 40;
    }
    window.show();
    return QApplication::exec();
}
