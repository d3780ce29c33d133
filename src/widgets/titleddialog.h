// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDialog>

// A dialog of the launcher with the system's title bar (the bot editor and the bind
// entry, unlike the borderless About box): modal, with minimise and close buttons
// but no help or maximise button, in the launcher's 8-point font.
class TitledDialog : public QDialog {
    Q_OBJECT
public:
    TitledDialog(const QString& name, const QString& title, QWidget* parent);
};
