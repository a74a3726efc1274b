// SPDX-License-Identifier: GPL-3.0-or-later
// The modal message box: one OK button, no icon, right to left.
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QSpacerItem>
#include <QTimer>
#include <utility>

#include "model/spoken.h"
#include "qt/app.h"

namespace qtview {

namespace {

// Some window managers draw a minimise button on every window whatever the box asks for. A
// minimised box would take the whole program with it, and the pupil would have no way back, so
// the box comes straight back.
class StaysOpen final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::WindowStateChange && box != nullptr && box->isMinimized())
            box->setWindowState((box->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        return false;
    }
};

}  // namespace

std::unique_ptr<QWidget> make_message_box(const QString& written_prompt, const QString& written_title, Digits digits,
                                          QWidget* parent)
{
    const QString prompt = in_digits(written_prompt, digits), title = in_digits(written_title, digits);
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("MessageBox"));
    box->setLayoutDirection(Qt::RightToLeft);
    box->setWindowModality(Qt::ApplicationModal);
    box->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    box->installEventFilter(new StaysOpen(box.get()));
    box->setTextFormat(Qt::PlainText);
    // The prompt is heard once, from its label, in spoken words; the title names the box.
    box->setAccessibleName(QString::fromStdString(model::spoken(written_title.toStdString())));
    if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        label->setAccessibleName(QString::fromStdString(model::spoken(written_prompt.toStdString())));
    // A short title such as "12" would otherwise be cut to "..." by a narrow box.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(260, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0, 1,
                      grid->columnCount());
    return box;
}

void Shell::show(const std::string& prompt, const std::string& title)
{
    sync_all();
    QWidget* parent = QApplication::activeWindow();
    if (parent == nullptr && program_ != nullptr && program_->current() != nullptr)
        parent = view_of(*program_->current());
    auto box = make_message_box(QString::fromStdString(prompt), QString::fromStdString(title), digits_, parent);
    box_said_ = box_reading(prompt, title, program_ != nullptr ? program_->app_title() : std::string());
    read_aloud_.say(box_said_);
    static_cast<QMessageBox*>(box.get())->exec();
    read_aloud_.stop();
    box_said_.clear();
    if (std::exchange(no_voice_waits_, false))
        QTimer::singleShot(0, keys_.get(), [this] { tell_no_voice(); });
}

bool Shell::reading_key(int key)
{
    if (key == Qt::Key_F2) {
        read_aloud_.toggle();
        return true;
    }
    // F3 on a screen reads its boards again, from the screen's own window.
    if (box_said_.isEmpty() || QApplication::activeModalWidget() == nullptr)
        return false;
    read_aloud_.say(box_said_);
    return true;
}

void Shell::tell_no_voice()
{
    if (QApplication::activeModalWidget() != nullptr) {
        no_voice_waits_ = true;
        return;
    }
    const QString title = program_ != nullptr ? QString::fromStdString(program_->app_title()) : QString();
    const model::Screen* screen = program_ != nullptr ? program_->current() : nullptr;
    auto box = make_message_box(no_voice_message(), title, digits_, screen != nullptr ? view_of(*screen) : nullptr);
    static_cast<QMessageBox*>(box.get())->exec();
}

}  // namespace qtview
