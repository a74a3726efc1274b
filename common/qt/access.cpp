// SPDX-License-Identifier: GPL-3.0-or-later
// Accessibility interfaces of our own.
#include "qt/access.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QRadioButton>

namespace qtview {

namespace {

constexpr char announcer_property[] = "announcer";

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
    return nullptr;
}

}  // namespace

void install_accessibility() { QAccessible::installFactory(factory); }

Announcer::Announcer(QWidget* parent) : QWidget(parent)
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
