// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>

class TForm1;
class ProfileStore;

// The "&Setup" tab's commands: open, save and save-as a profile, and the quick-load
// buttons that load a profile with one click (and launch straight away when asked).
class ProfileCommands : public QObject {
    Q_OBJECT
public:
    ProfileCommands(TForm1& form, ProfileStore& store);

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

    TForm1& m_form;
    ProfileStore& m_store;
};
