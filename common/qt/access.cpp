// SPDX-License-Identifier: GPL-3.0-or-later
// Accessibility interfaces of our own.
#include "qt/access.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QRadioButton>

namespace qtview {

namespace {

constexpr char announcer_property[] = "announcer";
constexpr char status_line_property[] = "status line";

// Qt gives a radio button that is not auto-exclusive the role of a check box. Ours are not, so
// that the model alone decides which of a container's options is chosen, but each still allows
// one choice among its container's options: a radio button.
class OptionAccessible final : public QAccessibleWidget {
public:
    explicit OptionAccessible(QRadioButton* option) : QAccessibleWidget(option, QAccessible::RadioButton) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = option()->isChecked();
        return s;
    }
    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        return t == QAccessible::Name && own.isEmpty() ? option()->text() : own;
    }
    // Qt names the option's frame as its label, and the screen reader then says the frame's title
    // again at every option of it; the frame is heard once, when the focus enters it.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        auto all = QAccessibleWidget::relations(match);
        all.removeIf([this](const auto& r) { return r.first->object() == option()->parentWidget(); });
        return all;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && option()->isEnabled())
            option()->click();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QRadioButton* option() const { return static_cast<QRadioButton*>(widget()); }
};

QAccessibleInterface* factory(const QString&, QObject* object)
{
    if (auto* option = qobject_cast<QRadioButton*>(object))
        return new OptionAccessible(option);
    if (auto* w = qobject_cast<QWidget*>(object); w != nullptr && w->property(announcer_property).toBool())
        return new QAccessibleWidget(w, QAccessible::Notification);
    if (auto* w = qobject_cast<QWidget*>(object); w != nullptr && w->property(status_line_property).toBool())
        return new QAccessibleWidget(w, QAccessible::StatusBar);
    return nullptr;
}

// A notification in a status bar is heard as its text alone. Anywhere else the screen reader first
// says its role, a word that is missing from Arabic catalogues and so is heard in English.
QWidget* status_line(QWidget* window)
{
    auto* line = new QWidget(window);
    line->setObjectName(QStringLiteral("StatusLine"));
    line->setProperty(status_line_property, true);
    line->setFocusPolicy(Qt::NoFocus);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    line->setGeometry(0, 0, 0, 0);
    return line;
}

}  // namespace

void install_accessibility() { QAccessible::installFactory(factory); }

Announcer::Announcer(QWidget* window) : QWidget(status_line(window))
{
    setObjectName(QStringLiteral("Announcer"));
    setProperty(announcer_property, true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

// A notification is heard when it appears, so each new text comes with a fresh appearance.
void Announcer::say(const QString& text)
{
    said_ = text;
    if (text.isEmpty())
        return;
    hide();
    setAccessibleName(text);
    show();
}

}  // namespace qtview
