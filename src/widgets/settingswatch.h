// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>

class QWidget;

// Tells, at most once per event-loop turn, that a setting may have changed, so that a
// burst of changes (a profile load, a held arrow key) is handled once.
//
// Every control under a watched root is followed by what makes it a setting: the user
// property of the widget (a check box's or radio button's checked state, an edit's text,
// a combo box's text, a slider's value, the memo's text, a colour swatch's colour) and
// the rows and the selection of every list. Scroll bars, tabs and popups are left out:
// scrolling or switching tabs changes no setting. What no control shows (a file
// written, another profile path) is reported through touch().
class SettingsWatch : public QObject {
    Q_OBJECT
public:
    explicit SettingsWatch(QObject* parent = nullptr);

    // Follows the controls under root that exist now.
    void watch(QWidget* root);

public Q_SLOTS:
    void touch();

Q_SIGNALS:
    void changed();

private:
    void deliver();

    bool m_pending = false;
};
