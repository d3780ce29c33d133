// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>
#include <functional>

class Interaction;
class ProfileStore;
class SetupPage;
class QWidget;

namespace tk {
struct InstallPaths;
}

// The "&Setup" tab's commands: open, save and save-as a profile, and the quick-load
// buttons that load a profile with one click (and launch straight away when asked).
class ProfileCommands : public QObject {
    Q_OBJECT
public:
    // launch is LAUNCH!; the commands show their questions and errors over window.
    ProfileCommands(ProfileStore& store, SetupPage& setup, const tk::InstallPaths& paths, Interaction& ui,
        QWidget* window, std::function<void()> launch);

    void SpeedButton7Click(); // "&Open"
    void SpeedButton8Click(); // "&Save"
    void SpeedButton9Click(); // "Save &As"
    void SpeedButton10Click(); // "Add &Current Config"
    void SpeedButton11Click(); // "&Remove a Button"
    void SpeedButton12Click(); // "R&emove all Buttons"
    void quickLoadClick(const QString& caption);

private:
    // Saves to the current profile path; false when the save did not happen.
    bool saveCurrent();
    // Before another profile replaces the settings: asks about changed settings and saves
    // them when the user wants; false when the profile is to stay.
    bool mayReplaceSettings();

    ProfileStore& m_store;
    SetupPage& m_setup;
    const tk::InstallPaths& m_paths;
    Interaction& m_ui;
    QWidget* m_window;
    std::function<void()> m_launch;
};
