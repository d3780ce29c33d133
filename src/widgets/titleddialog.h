// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDialog>

class QLabel;

// A dialog of the launcher with the system's title bar (the bot editor, the bot generator
// and the bind entry, unlike the borderless About box): modal, with minimise and close
// buttons but no help or maximise button, in the launcher's 8-point font, centred on the
// screen whenever it is shown.
class TitledDialog : public QDialog {
    Q_OBJECT
public:
    TitledDialog(const QString& name, const QString& title, QWidget* parent);

protected:
    // The bold italic title line at the top of the bot dialogs.
    static QLabel* titleLabel(QWidget* parent, const QString& text);

    void showEvent(QShowEvent* event) override;
};
