// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/ui/tabpage.h"

#include "launch/core/execsettings.h"

#include <QList>
#include <QWidget>

class QCheckBox;
class QPushButton;
class QTreeWidget;
class TForm4;

// The "&Binds" tab: key binds written into the exec file.
class BindsPage : public TabPage {
    Q_OBJECT
public:
    explicit BindsPage(QWidget* parent = nullptr);

    // The "User Entry" dialog that adds and changes rows; the main window makes it
    // once and hands it over.
    void setBindDialog(TForm4* dialog) { m_bindDialog = dialog; }

    void load(const tk::ProfileRead& read) override;
    void store(tk::Profile& profile) const override;

    // The four editing buttons are enabled exactly when "Specify Binds" is checked;
    // the list stays usable. Runs when the box is clicked; the profile load runs it too.
    void applyEnableRules();

    // The bind list, in order.
    void addBindRow(const QString& key, const QString& command);
    // Replaces the key and command of an existing row; throws tk::UserError for an
    // index outside the list.
    void setBindRow(int index, const QString& key, const QString& command);
    QList<tk::BindRow> bindRows() const;
    void clearBinds();
    // The index of the selected row, or -1.
    int selectedBindRow() const;

    QTreeWidget* ListView3 = nullptr; // "Bind", "Key", "Function / Command"
    QCheckBox* CheckBox29 = nullptr; // "Specify Binds"
    QPushButton* SpeedButton17 = nullptr; // "&Add Bind"
    QPushButton* SpeedButton19 = nullptr; // "&Edit Bind"
    QPushButton* SpeedButton20 = nullptr; // "&Delete Bind"
    QPushButton* SpeedButton21 = nullptr; // "Delete &All"

private:
    void SpeedButton17Click();
    void SpeedButton19Click();
    void SpeedButton20Click();
    void SpeedButton21Click();
    // Shows the prepared dialog; when the user applies it, appends a row for a new
    // bind or changes the row the dialog was prepared for.
    void runBindDialog();

    TForm4* m_bindDialog = nullptr;
};
