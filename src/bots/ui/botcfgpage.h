// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/ui/tabpage.h"
#include "bots/core/botlist.h"

#include <QIcon>
#include <QList>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class BotGenerator;
class BotListModel;
class QPushButton;
class QTreeView;
class SpinEdit;
class TForm3;

// The "Bot &Cfg" tab: the bot list file and the bots that join the next game.
class BotCfgPage : public TabPage {
    Q_OBJECT
public:
    explicit BotCfgPage(QWidget* parent = nullptr);

    // The bot editor that "&Add Bot" and "&Edit Bot" open.
    void setEditor(TForm3* editor) { m_editor = editor; }
    // The dialog that "Bot &Generator" opens.
    void setGenerator(BotGenerator* generator) { m_generator = generator; }

    void load(const tk::ProfileRead& read) override;
    void store(tk::Profile& profile) const override;

    // The drop-down items of botfilename: the "*.cfg" files of the launcher directory.
    void setBotListFiles(const QStringList& cfgFiles);

    // Row icons of the bot list, 16 by 16: an empty framed square for a bot that stays
    // out of the next game, a tick for one that joins it.
    static QIcon unselectedBotIcon();
    static QIcon selectedBotIcon();
    // Beside the profile of a bot whose line runs more than one console command.
    static QIcon severalCommandsIcon();

    // Left: the bot list.
    // The bot list of the current bot list file, with each bot's selected flag.
    tk::BotList& botList() { return m_bots; }
    const tk::BotList& botList() const { return m_bots; }

    // Makes name the current bot list file and reads it; a missing file, or one that is
    // not read as a bot list, keeps the bots and, with reportMissing, says so.
    void openBotListFile(const QString& name, bool reportMissing);
    // Clears the highlight and sets the selected flag of every bot with one of the names.
    void selectByNames(const QStringList& names);
    // Shows the bot list: one row per bot with its icon, and the count label.
    void refreshBotView();
    void refreshCountLabel();

    QTreeView* ListView1 = nullptr; // its rows are the bots of botList()
    QLabel* Label1 = nullptr; // count label
    SpinEdit* SpinEdit3 = nullptr; // how many bots "Pick Random #" selects
    QPushButton* SpeedButton30 = nullptr; // "Pick Random #"

    // Right: the bot list file and editing.
    QLabel* StaticText1 = nullptr;
    QComboBox* botfilename = nullptr;
    QLabel* Label2 = nullptr; // instruction text
    QPushButton* SpeedButton14 = nullptr; // "&Add Bot"
    QPushButton* SpeedButton15 = nullptr; // "&Edit Bot"
    QPushButton* SpeedButton16 = nullptr; // "&Delete Bot"
    QPushButton* SpeedButton29 = nullptr; // "Bot &Generator"
    QCheckBox* CheckBox20 = nullptr; // "No Bot Chat in game"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ListView1DblClick();
    void SpeedButton30Click();
    void SpeedButton14Click();
    void SpeedButton16Click();
    // Makes a new bot list file and switches to it.
    void SpeedButton29Click();
    void botfilenameChange(const QString& text);
    void botfilenameSelect();

    // The row with the list's selection highlight, or -1.
    qsizetype highlightedRow() const;
    // Opens the editor on the highlighted bot and stores what it gives. Throws
    // UserError when the bot list file cannot be written.
    void editHighlighted();

    tk::BotList m_bots;
    BotListModel* m_model = nullptr;
    // What the last open found wrong with a file it did not read: choosing it says so.
    QString m_refusal;
    TForm3* m_editor = nullptr;
    BotGenerator* m_generator = nullptr;
};
