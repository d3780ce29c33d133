// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/ui/tabpage.h"

#include <QIcon>
#include <QList>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QToolButton;
class FlowLayout;
class Logo;

namespace tk {
struct QuickLoadList;
}

// The "&Setup" tab: installation paths, profile commands and the quick-load bar.
class SetupPage : public TabPage {
    Q_OBJECT
public:
    explicit SetupPage(QWidget* parent = nullptr);

    void load(const tk::ProfileRead& read) override;
    void store(tk::Profile& profile) const override;

    // Replaces the bar's buttons and "Run game on click" with those of list (a load reads
    // it from the quick-load list file).
    void showQuickLoadList(const tk::QuickLoadList& list);
    // Writes the bar and "Run game on click" into the quick-load list file; throws
    // "Unable to write to %s" when the file system refuses.
    void saveQuickLoadList() const;

    // Appends a quick-load button for the profile named caption (the file name
    // without ".tsf") to the end of the bar and returns it.
    QToolButton* addQuickLoadButton(const QString& caption);
    // Remove quick-load buttons. Safe while a button is handling its own click: the
    // buttons leave the bar at once and are deleted once control returns to the
    // event loop.
    void removeQuickLoadButton(QToolButton* button);
    void removeAllQuickLoadButtons();
    // The quick-load buttons and their captions, in the bar's order.
    QList<QToolButton*> quickLoadButtons() const { return m_quickLoad; }
    QStringList quickLoadCaptions() const;
    static QString quickLoadCaption(const QToolButton* button);
    // The one picture every quick-load button shows.
    static QIcon quickLoadIcon();

    // The current profile's file name that Panel23 shows; while the settings differ
    // from the files the panel shows it followed by " *", the name itself stays as set.
    QString profileName() const { return m_profileName; }
    // path: the profile's whole path, which a name shown cut shows as its tool tip.
    void setProfileName(const QString& name, const QString& path = QString());
    void setChangedMarker(bool changed);

    // Installation paths (display only) and the executable name.
    QLabel* currdirpanel = nullptr;
    QLabel* currgamepanel = nullptr;
    QLabel* quakepathpanel = nullptr;
    QLineEdit* exefile = nullptr;

    // Profile commands.
    QLabel* Panel23 = nullptr; // current profile
    QPushButton* SpeedButton7 = nullptr; // "&Open"
    QPushButton* SpeedButton8 = nullptr; // "&Save"
    QPushButton* SpeedButton9 = nullptr; // "Save &As"

    // Quick-load bar and its commands. ToolBar1 holds the buttons; the area scrolls
    // through their rows.
    QScrollArea* quickLoadArea = nullptr;
    QWidget* ToolBar1 = nullptr;
    QPushButton* SpeedButton10 = nullptr; // "Add &Current Config"
    QPushButton* SpeedButton11 = nullptr; // "&Remove a Button"
    QPushButton* SpeedButton12 = nullptr; // "R&emove all Buttons"
    QCheckBox* CheckBox23 = nullptr; // "Run game on click"

    Logo* Image1 = nullptr;

Q_SIGNALS:
    // A quick-load button was clicked; caption names its profile.
    void quickLoadClicked(const QString& caption);

protected:
    // The keys of the quick-load bar.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showProfileName();
    // Marks the button the keys of the bar act on, while the bar has the focus.
    void showChosenQuickLoadButton();

    QString m_profileName;
    bool m_changedMarker = false;
    QList<QToolButton*> m_quickLoad;
    qsizetype m_chosenQuickLoad = 0;
    FlowLayout* m_quickLoadLayout = nullptr;
};
