// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "widgets/titleddialog.h"

#include <optional>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class Interaction;

// The bind entry dialog "User Entry": one key and its console command.
class TForm4 : public TitledDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    // The check failures are reported through this.
    void setInteraction(Interaction* interaction) { m_ui = interaction; }

    // Sets every text for a new row.
    void prepareAdd();
    // Sets every text for changing the row at that index.
    void prepareEdit(int row, const QString& key, const QString& command);

    QString keyText() const;
    QString commandText() const;
    // The row being edited; nullopt for a new row.
    std::optional<int> target() const;

    QGroupBox* GroupBox1 = nullptr;
    QComboBox* ComboBox1 = nullptr; // key
    QComboBox* edit1 = nullptr; // command
    QPushButton* SpeedButton1 = nullptr; // apply
    QPushButton* SpeedButton2 = nullptr; // "&Cancel"
    QLineEdit* itemnum = nullptr; // hidden: "New" or the row index

private:
    void SpeedButton1Click();

    Interaction* m_ui = nullptr;
};
