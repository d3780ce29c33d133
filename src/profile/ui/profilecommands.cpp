// SPDX-License-Identifier: GPL-2.0-or-later
#include "profile/ui/profilecommands.h"

#include "app/core/installpaths.h"
#include "app/ui/guard.h"
#include "app/ui/interaction.h"
#include "profile/ui/profilestore.h"
#include "profile/ui/setuppage.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

ProfileCommands::ProfileCommands(ProfileStore& store, SetupPage& setup, const tk::InstallPaths& paths,
    Interaction& ui, QWidget* window, std::function<void()> launch)
    : QObject(window)
    , m_store(store)
    , m_setup(setup)
    , m_paths(paths)
    , m_ui(ui)
    , m_window(window)
    , m_launch(std::move(launch))
{
    const GuardTarget target(window, ui);
    connectGuarded(
        setup.SpeedButton7, &QPushButton::clicked, this, &ProfileCommands::SpeedButton7Click, target);
    connectGuarded(
        setup.SpeedButton8, &QPushButton::clicked, this, &ProfileCommands::SpeedButton8Click, target);
    connectGuarded(
        setup.SpeedButton9, &QPushButton::clicked, this, &ProfileCommands::SpeedButton9Click, target);
    connectGuarded(
        setup.SpeedButton10, &QPushButton::clicked, this, &ProfileCommands::SpeedButton10Click, target);
    connectGuarded(
        setup.SpeedButton11, &QPushButton::clicked, this, &ProfileCommands::SpeedButton11Click, target);
    connectGuarded(
        setup.SpeedButton12, &QPushButton::clicked, this, &ProfileCommands::SpeedButton12Click, target);
    // Loading a profile rebuilds the bar and so removes the clicked button: the click
    // is handled once the button's own signal has returned.
    connectGuarded(&setup, &SetupPage::quickLoadClicked, this, &ProfileCommands::quickLoadClick, target,
        Qt::QueuedConnection);
}

bool ProfileCommands::saveCurrent()
{
    const QString path = m_store.currentPath();
    return m_store.confirmSave(path) && guarded(m_ui, m_window, [&] { m_store.save(path); });
}

bool ProfileCommands::mayReplaceSettings()
{
    return m_store.mayDiscardSettings([this] { return saveCurrent(); });
}

void ProfileCommands::SpeedButton7Click()
{
    const QString path = m_ui.openFileName(m_window, tr("Tarrakind Setup Files (*.tsf)"));
    if (!path.isEmpty() && mayReplaceSettings())
        m_store.load(path);
}

void ProfileCommands::SpeedButton8Click()
{
    saveCurrent();
}

void ProfileCommands::SpeedButton9Click()
{
    bool accepted = false;
    QString name = m_ui.prompt(
        m_window, tr("Save Config. File"), tr("Enter Filename for Config. File"), QString(), &accepted);
    // Cancel abandons the command rather than saving a profile called "maps".
    if (!accepted)
        return;
    name = name.left(name.indexOf('.') < 0 ? name.size() : name.indexOf('.'));
    if (name.isEmpty())
        name = QStringLiteral("maps");
    name += QStringLiteral(".tsf");
    const QString path = m_paths.inLauncherDir(name);
    if (!m_store.confirmSave(path))
        return;
    m_setup.setProfileName(name);
    m_store.save(path);
    m_store.setCurrentPath(path);
}

void ProfileCommands::SpeedButton10Click()
{
    SetupPage* setup = &m_setup;
    const QString fileName = QFileInfo(setup->profileName()).fileName();
    const QString caption = fileName.left(qMax<qsizetype>(0, fileName.size() - 4));
    if (setup->quickLoadCaptions().contains(caption)) {
        m_ui.showMessage(m_window, tr("A QuikLoad button already exists with the name '%1'").arg(caption));
        return;
    }
    setup->addQuickLoadButton(caption);
    setup->saveQuickLoadList();
}

void ProfileCommands::SpeedButton11Click()
{
    SetupPage* setup = &m_setup;
    const QString caption
        = m_ui.prompt(m_window, tr("QuikLoad Input"), tr("Enter caption of button to remove"), QString());
    const QList<QToolButton*> buttons = setup->quickLoadButtons();
    for (qsizetype i = buttons.size() - 1; i >= 0; --i) {
        if (SetupPage::quickLoadCaption(buttons[i]) == caption) {
            setup->removeQuickLoadButton(buttons[i]);
            break;
        }
    }
    setup->saveQuickLoadList();
}

void ProfileCommands::SpeedButton12Click()
{
    m_setup.removeAllQuickLoadButtons();
    m_setup.saveQuickLoadList();
}

void ProfileCommands::quickLoadClick(const QString& caption)
{
    if (!mayReplaceSettings())
        return;
    const bool loaded = guarded(
        m_ui, m_window, [&] { m_store.load(m_paths.inLauncherDir(caption + QStringLiteral(".tsf"))); });
    if (loaded && m_setup.CheckBox23->isChecked())
        m_launch();
}
