// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/installpaths.h"
#include "launch/core/execfile.h"
#include "launch/core/execsettings.h"
#include "widgets/fontscale.h"

#include <QWidget>
#include <functional>

class Interaction;
class ExecLinesModel;
class QLabel;
class QPushButton;
class QTreeView;

// "Exec File Preview": the exec file exactly as LAUNCH! would write it now, made by the
// same generator from the same settings, with the findings of the pre-launch check above
// it. A tool window beside the main window; of itself it writes no file (Save As writes
// where the user chooses).
class ExecPreview : public QWidget {
    Q_OBJECT
public:
    using SettingsSource = std::function<tk::ExecSettings()>;

    ExecPreview(const tk::InstallPaths& paths, Interaction& interaction, SettingsSource settings,
        QWidget* parent = nullptr);

    // The size it opens with where the screen has room, and the least in which its lines
    // can still be read (they scroll).
    static QSize preferredSize() { return controls::scaled(QSize(520, 560)); }
    static QSize minimumUsableSize() { return controls::scaled(QSize(300, 240)); }

    // Generates the script from the settings now and shows it.
    void refresh();
    // How many times the script was generated.
    int generations() const { return m_generations; }

    // The lines shown, as the script's bytes.
    const QByteArray& script() const;
    // The text shown, one line after another, each followed by a line feed.
    QString text() const;

    void copyClick(); // "Copy"
    void saveAsClick(); // "Save As..."

    QLabel* findings = nullptr;
    QTreeView* lines = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* closeButton = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

Q_SIGNALS:
    // A line was double-clicked: the user wants to see the setting it comes from.
    void lineActivated(const tk::ExecLineOrigin& origin);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The text column as wide as the longest line, or as the view where that is wider.
    void fitTextColumn();

    tk::InstallPaths m_paths;
    Interaction& m_ui;
    SettingsSource m_settings;
    ExecLinesModel* m_model = nullptr;
    int m_generations = 0;
};
