// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/ui/tabpage.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QMouseEvent;
class QPushButton;
class QTreeWidget;

namespace tk {
struct MapCatalogue;
}

// The "&Map" tab: the map catalogue and the map rotation.
class MapPage : public TabPage {
    Q_OBJECT
public:
    explicit MapPage(QWidget* parent = nullptr);

    void load(const tk::ProfileRead& read) override;
    void store(tk::Profile& profile) const override;

    // The rotation list and its eight buttons are enabled exactly when rotation is on.
    // Runs on every click of "Enable Rotation"; the profile load runs it after setting it.
    void applyEnableRules();

    // Rebuilds the map catalogue from the launcher directory: the map remembered from the
    // selected row (or named last) is selected again. The current-map panel is left as it was.
    void refreshCatalogue();
    // Shows the rows of catalogue and selects the remembered map again.
    void showCatalogue(const tk::MapCatalogue& catalogue);
    // Remembers name and selects the rows carrying it exactly (the last one stays
    // selected), then updates the current-map panel.
    void selectMapByName(const QString& name);

    // The executable's name as the Setup tab holds it, asked for at each refresh: where the
    // engine's binary lies is one of the places it finds maps (and their titles) in.
    void setExecutableSource(std::function<QString()> executable);

    // The map name of the selected catalogue row, if a row is selected.
    std::optional<QString> selectedMapName() const;

    // The rotation list's entries, bytes exact, and the rotation file name. Entries
    // set from a file keep their bytes; entries added by name are encoded as typed text.
    QList<QByteArray> rotationEntries() const;
    void setRotationEntries(const QList<QByteArray>& entries);
    QString rotationFileName() const;
    void setRotationFileName(const QString& name);

    // Replaces the rotation list with the file's entries; throws tk::UserError
    // ("Cannot open file ...") and leaves the list as it was when it cannot be read.
    void loadRotationFile(const QString& fullPath);
    // Writes the list to the rotation file in the launcher directory; throws
    // tk::UserError ("Cannot create file ...") when it cannot be written.
    void saveRotationFile();
    // Where saveRotationFile writes: the rotation file name in the launcher directory.
    QString rotationFilePath() const;

    // Map selection.
    QTreeWidget* ListView2 = nullptr; // map catalogue: "Map", "Title"
    QAction* EnterAlterMapTitle = nullptr; // context menu item of the catalogue
    QPushButton* BitBtn1 = nullptr; // refresh the catalogue
    QLabel* Panel37 = nullptr; // current map

    // Map rotation.
    QCheckBox* CheckBox22 = nullptr; // "Enable Rotation"
    QListWidget* ListBox3 = nullptr; // rotation list
    QLabel* Panel18 = nullptr; // "Rotation File"
    QLabel* Panel24 = nullptr; // rotation file name
    QPushButton* SpeedButton27 = nullptr; // "Add to Ro&tation"
    QPushButton* SpeedButton22 = nullptr; // "Move &Up"
    QPushButton* SpeedButton23 = nullptr; // "Move &Down"
    QPushButton* SpeedButton24 = nullptr; // "D&elete"
    QPushButton* SpeedButton25 = nullptr; // "Delete &All"
    QPushButton* SpeedButton28 = nullptr; // "&Randomize"
    QPushButton* SpeedButton26 = nullptr; // "Save"
    QPushButton* SpeedButton31 = nullptr; // "Load"

Q_SIGNALS:
    // The rotation file name was set or the rotation file written: nothing the controls
    // hold shows either.
    void rotationFileChanged();
    // The rotation file now holds the rotation shown.
    void rotationFileWritten();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The map list's description: its group's hint and its key, in the current language.
    void describeMapList();
    QWidget* buildSelectionGroup();
    QWidget* buildRotationGroup();

    // Handlers of the controls; each runs as one guarded user action.
    void ListView2Click();
    void ListView2MouseUp(QMouseEvent* event);
    void EnterAlterMapTitleClick();
    void SpeedButton27Click(); // Add
    void SpeedButton22Click(); // Move up
    void SpeedButton23Click(); // Move down
    void SpeedButton24Click(); // Delete
    void SpeedButton25Click(); // Delete all
    void SpeedButton28Click(); // Randomize
    void SpeedButton26Click(); // Save
    void SpeedButton31Click(); // Load

    void updateCurrentMapPanel();
    qsizetype selectedRotationIndex() const;
    void showRotation(const QList<QByteArray>& entries, qsizetype selected);

    std::function<QString()> m_executable;
    QString m_rememberedMapName; // lives for the whole run; re-selected by every refresh
    bool m_leftPressed = false; // a left press on the catalogue awaits its release
};
