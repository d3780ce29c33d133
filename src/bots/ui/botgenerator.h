// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/installpaths.h"
#include "bots/core/botgeneration.h"
#include "widgets/titleddialog.h"

#include <QList>
#include <QStringList>
#include <cstdint>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class Interaction;
class SpinEdit;

namespace tk {
struct ExecSettings;
}

// "Bot Generator": a new bot list file of drawn names, looks and profiles, written in one
// step. Its lines are the bot editor's, composed by the same function.
class BotGenerator : public TitledDialog {
    Q_OBJECT
public:
    explicit BotGenerator(QWidget* parent = nullptr);

    // Questions, refusals and write errors are shown through this; so is the dialog.
    void setInteraction(Interaction* interaction) { m_ui = interaction; }
    // The list is written to the launcher directory; models come from the Quake2 directory.
    void setInstallPaths(const tk::InstallPaths& paths) { m_paths = paths; }
    // The current settings, asked for at every opening: the server's room for bots and the
    // Player tab's model and skin.
    void setSettingsSource(std::function<tk::ExecSettings()> source) { m_settings = std::move(source); }

    // Opens the dialog on a new list: a free file name, the installed models, the room
    // the server has now, the random generator seeded from the clock and a first draw.
    void prepare();
    // prepare(), then the dialog. True when a file was written: its name is createdFile().
    bool createBotList();
    QString createdFile() const { return m_created; }
    bool selectsAllBots() const;

    // The settings the controls hold, and the bots they give with the current draw.
    tk::BotGenerationSettings generationSettings() const;
    const QList<tk::GeneratedBot>& bots() const { return m_bots; }
    // Draws again, from where the shared random generator stands now.
    void drawAgain();

    // The names shipped with the launcher.
    static const QStringList& nameList();

    QLabel* Label1 = nullptr; // title
    QLabel* filePanel = nullptr;
    QLineEdit* fileName = nullptr;
    QLabel* countPanel = nullptr;
    SpinEdit* botCount = nullptr;
    QLabel* roomLabel = nullptr;
    QGroupBox* namesGroup = nullptr;
    QRadioButton* namesFromList = nullptr;
    QRadioButton* namesNumbered = nullptr;
    QLineEdit* namePrefix = nullptr;
    QGroupBox* looksGroup = nullptr;
    QRadioButton* looksRandom = nullptr;
    QRadioButton* looksOneModel = nullptr;
    QComboBox* lookModel = nullptr;
    QRadioButton* looksPlayer = nullptr;
    QGroupBox* profilesGroup = nullptr;
    QRadioButton* profilesRandom = nullptr;
    QRadioButton* profilesOne = nullptr;
    QComboBox* profileChoice = nullptr;
    QCheckBox* selectAll = nullptr;
    QLabel* linesPanel = nullptr;
    QListWidget* lines = nullptr;
    QLabel* problemLabel = nullptr;
    QPushButton* drawButton = nullptr; // "&Draw Again"
    QPushButton* cancelButton = nullptr; // "&Cancel"
    QPushButton* createButton = nullptr; // "Cr&eate"
    QLabel* hintPanel = nullptr;

protected:
    void changeEvent(QEvent* event) override;

private:
    // The count's hint before the server's room is known.
    static QString countHint();
    void buildLayout();
    void applyEnableRules();
    // Draws from m_seed and shows the lines, or why there are none.
    void regenerate();
    void createClick();
    // Writes the list to the file named; false when the user or the file refused.
    bool writeList(const QString& name);

    Interaction* m_ui = nullptr;
    tk::InstallPaths m_paths;
    std::function<tk::ExecSettings()> m_settings;
    QList<tk::ModelSkins> m_wardrobe;
    QString m_playerModel;
    QString m_playerSkin;
    std::uint32_t m_seed = 0;
    QList<tk::GeneratedBot> m_bots;
    QString m_created;
};
