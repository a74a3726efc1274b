// SPDX-License-Identifier: GPL-3.0-or-later
// What screen readers are told beyond each widget's own properties: option buttons that are
// radio buttons, and an announcer for what a click has just worked out.
#pragma once

#include <QString>
#include <QWidget>

namespace qtview {

// The accessibility interfaces of option buttons and announcers. Call once per application.
void install_accessibility();

// Draws nothing and takes no focus; each thing it says reaches the screen reader as a
// notification, once.
class Announcer final : public QWidget {
public:
    explicit Announcer(QWidget* window);
    void say(const QString& text);
    const QString& last_said() const { return said_; }

private:
    QString said_;
};

}  // namespace qtview
