// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/consoletext.h"
#include "app/core/installpaths.h"
#include "widgets/titleddialog.h"

#include <QEvent>
#include <QHash>
#include <QList>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class ImageView;
class Interaction;

namespace tk {
class BotList;
}

// The bot editor "Edit Bot": name, model, skin and profile of one bot.
class TForm3 : public TitledDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    // The failed save checks and undecodable skin images are reported through this;
    // the dialog is shown through it too.
    void setInteraction(Interaction* interaction) { m_ui = interaction; }
    // The models and skins are looked up below the Quake2 directory of these paths.
    void setInstallPaths(const tk::InstallPaths& paths) { m_paths = paths; }

    // Loads the five values of the bot at target in bots, offers the installed models
    // and skins, previews the skin and shows the dialog modally. True when the user
    // saved; the values are then in the accessors below, for the caller to store.
    bool editBot(const tk::BotList& bots, qsizetype target);
    // The position of the bot the dialog was last opened on.
    qsizetype target() const { return m_target; }

    // Puts the five values into their controls without running the change rules.
    void setValues(const QString& name, const QString& model, const QString& skin, const QString& profileFile,
        const QString& profileName);

    QString botName() const;
    QString botModel() const;
    QString botSkin() const;
    QString profileFile() const;
    QString profileName() const;

    // The status hint panel's text.
    QString statusHint() const;

    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* namePanel = nullptr;
    QLabel* modelPanel = nullptr;
    QLabel* skinPanel = nullptr;
    QLabel* filePanel = nullptr;
    QLabel* profilePanel = nullptr;
    QLineEdit* Edit1 = nullptr;
    QComboBox* ComboBox2 = nullptr; // model
    QComboBox* ComboBox3 = nullptr; // skin
    QComboBox* ComboBox4 = nullptr; // profile file
    QComboBox* ComboBox1 = nullptr; // profile name
    QPushButton* BitBtn2 = nullptr; // "&Random Mdl/Skin"
    QFrame* Panel10 = nullptr;
    ImageView* preview = nullptr;
    QPushButton* BitBtn3 = nullptr; // "Reload Picture"
    QPushButton* BitBtn4 = nullptr; // "&Edit Picture"
    QPushButton* BitBtn6 = nullptr; // "&Cancel"
    QPushButton* BitBtn5 = nullptr; // "&Save Bot and Close"
    QWidget* StatusBar1 = nullptr;
    QLabel* hintPanel = nullptr;
    QLabel* versionPanel = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    enum class Trigger { Move, Click, Release };
    struct Hint {
        QWidget* widget;
        Trigger trigger;
        QString text;
    };

    void buildLayout();
    void buildHints();
    void ComboBox2Change();
    void ComboBox3Change();
    void ComboBox4Change(const QString& text);
    void BitBtn2Click();
    void BitBtn5Click();

    // The change rules, run by the handlers above and by the opening steps.
    void applyModelChange();
    void reloadPreview();
    // Tells the user, once a run, which model or skin names the lists leave out.
    void tellLeftOut(const QStringList& names);
    // Replaces the items of combo and keeps its text, without running a change rule.
    void replaceItems(QComboBox* combo, const QStringList& items);
    void setTextQuietly(QComboBox* combo, const QString& text);

    Interaction* m_ui = nullptr;
    tk::LeftOutNames m_leftOut; // told about once a run
    tk::InstallPaths m_paths;
    qsizetype m_target = -1;
    QList<Hint> m_hints;
    // What the hint panel shows while a part has the keyboard focus.
    QHash<const QObject*, QString> m_focusHints;
    // Set while the dialog itself fills the controls, so that no change rule runs.
    bool m_settingValues = false;
};
