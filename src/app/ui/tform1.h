// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/consoletext.h"
#include "app/core/installpaths.h"
#include "launch/core/execsettings.h"

#include <QWidget>
#include <memory>

class QAbstractButton;
class QFrame;
class QLabel;
class QPushButton;
class QTabWidget;
class QTimer;
class Interaction;
class LightUp;
class StatusHints;
class TitleDrag;
class Logo;
class SetupPage;
class BotCfgPage;
class DmFlagsPage;
class GamePage;
class MapPage;
class MiscPage;
class PlayerPage;
class BindsPage;
class PrefsPage;
class TForm2;
class BotGenerator;
class TForm3;
class TForm4;
class ProfileStore;
class ProfileCommands;
class SettingsWatch;
class Mnemonics;
class ExecPreview;
class TabPage;

namespace tk {
struct ExecLineOrigin;
enum class SettingsTab;
} // namespace tk

// The main window: a borderless frame around the title panel, the nine tabs, the
// status panel and "LAUNCH!". Every setting lives in one of its controls.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    TForm1(const tk::InstallPaths& paths, Interaction& interaction, QWidget* parent = nullptr);
    ~TForm1() override;

    const tk::InstallPaths& paths() const { return m_paths; }
    Interaction& interaction() { return m_ui; }

    // Runs once, when the window is first shown; public so that tests, benchmarks and
    // the command line can run it without a display. Loads profilePath, by default
    // default.tsf in the launcher directory; false when that load stopped at an error,
    // whose message then goes into loadError too.
    bool startUp(const QString& profilePath = QString(), QString* loadError = nullptr);
    bool startedUp() const { return m_startedUp; }

    // The "LAUNCH!" command; every way of starting the game goes through it. The command
    // line may stop it once the rotation file and the exec file are written. False when
    // it stopped on the way (an error, a question declined, no game to start).
    // GameStarted closes the window afterwards unless "Leave Tarrakind! open when running
    // Quake2" is checked; the command line's window, never shown, is never closed, so that
    // nothing of the close sequence (the save on close, the question) runs.
    enum class LaunchUntil { GameStarted, GameStartedWindowKept, FilesWritten };
    bool launch(LaunchUntil until = LaunchUntil::GameStarted);

    // Loads and saves configuration profiles; holds the current profile path.
    ProfileStore& profiles() { return *m_profiles; }

    // The settings record of the exec file, from the settings every page holds.
    tk::ExecSettings gatherExecSettings() const;
    // The tab pages, in tab order.
    QList<TabPage*> pages() const;

    // Reports, once per event-loop turn, that some setting may have changed.
    SettingsWatch& settingsWatch() { return *m_watch; }

    // "Exec File Preview", from the "Preview" button and Ctrl+P; null until first shown.
    void showPreview();
    ExecPreview* preview() const { return m_preview; }
    // Shows the tab and the control a line of the exec file comes from.
    void showSettingOf(const tk::ExecLineOrigin& origin);
    TabPage* pageOf(tk::SettingsTab tab) const;

    // Title panel.
    QFrame* Panel7 = nullptr;
    QLabel* titleLabel = nullptr;
    QPushButton* Button3 = nullptr; // "Preview"
    QPushButton* Button2 = nullptr; // "?"
    QPushButton* Button1 = nullptr; // "Close"
    Logo* Image2 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    // Bottom strip.
    QLabel* Panel5 = nullptr;
    QPushButton* SpeedButton18 = nullptr; // "LAUNCH!"

    SetupPage* setupPage = nullptr;
    BotCfgPage* botCfgPage = nullptr;
    DmFlagsPage* dmFlagsPage = nullptr;
    GamePage* gamePage = nullptr;
    MapPage* mapPage = nullptr;
    MiscPage* miscPage = nullptr;
    PlayerPage* playerPage = nullptr;
    BindsPage* bindsPage = nullptr;
    PrefsPage* prefsPage = nullptr;

    TForm2* Form2 = nullptr;
    TForm3* Form3 = nullptr;
    TForm4* Form4 = nullptr;
    BotGenerator* botGenerator = nullptr; // "Bot &Generator"

    // Light-up of button captions under the mouse pointer.
    LightUp* lightUp() const { return m_lightUp; }
    QAbstractButton* litButton() const;
    QTimer* lightUpTimer() const;

    // Tab changed: the bot list takes the keyboard focus on "Bot &Cfg", so that the
    // arrow keys move through the bots at once.
    void PageControl1Change(int index);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The save of the close sequence; false when the window is to stay open.
    bool saveOnClose();
    // Whether the window may close: the save of the close sequence, or the question
    // about changed settings.
    bool mayClose();

private:
    void buildShell();
    void settingsChanged();
    void showChangedMarker(bool changed);
    void connectShellBehaviour();
    bool runLaunch(LaunchUntil until);
    void showAbout();
    // Texts that are composed or counted, which the change of language cannot find again.
    void retranslate();

    tk::InstallPaths m_paths;
    Interaction& m_ui;
    tk::ToldOnce m_told; // what the user has been told once this run
    bool m_startedUp = false;
    bool m_closed = false;
    Mnemonics* m_mnemonics = nullptr;
    std::unique_ptr<ProfileStore> m_profiles;
    ProfileCommands* m_commands = nullptr;
    StatusHints* m_statusHints = nullptr;
    TitleDrag* m_titleDrag = nullptr;
    LightUp* m_lightUp = nullptr;
    SettingsWatch* m_watch = nullptr;
    ExecPreview* m_preview = nullptr;
    QString m_title; // the title panel's text without the marker
    QString m_textsLanguage; // the language of the texts shown
};
