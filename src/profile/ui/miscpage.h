// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/ui/tabpage.h"

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

// The "M&isc." tab: additional commands, demo recording, an extra config file.
class MiscPage : public TabPage {
    Q_OBJECT
public:
    explicit MiscPage(QWidget* parent = nullptr);

    void load(const tk::ProfileRead& read) override;
    void store(tk::Profile& profile) const override;

    // Fills the extra config list once at start-up. A name already in the box (from
    // the profile) stays; an empty box shows the first name.
    void fillExtraConfigList(const QStringList& cfgFiles);

    // The lines of the additional commands exactly as held, every character kept (a
    // no-break space, a line or paragraph separator); none for an empty memo.
    QStringList additionalLines() const;
    // Shows lines in the memo, each as one line, and keeps each as it is for
    // additionalLines() until the user edits it. cut names the lines (by index) that the
    // profile held longer than its reader keeps; they count as cut until edited.
    void setAdditionalLines(const QStringList& lines, const QList<qsizetype>& cut = {});
    // The lines of additionalLines() that count as cut.
    QList<qsizetype> cutAdditionalLines() const;

    // The demo controls follow "Record a Demo", the config box "Use extra config.
    // file". Each runs when its box is clicked; the profile load runs both.
    void applyEnableRules();

    QPlainTextEdit* Memo1 = nullptr; // additional commands

    QCheckBox* CheckBox21 = nullptr; // "Record a Demo"
    QLineEdit* Edit1 = nullptr; // demo file name
    QRadioButton* RadioButton1 = nullptr; // "Overwrite existing File"
    QRadioButton* RadioButton2 = nullptr; // "Use sequential Filenames"

    QCheckBox* CheckBox27 = nullptr; // "Use extra config. file"
    QComboBox* ComboBox1 = nullptr; // extra config file name

private:
    void CheckBox21Click();
    void CheckBox27Click();
};
