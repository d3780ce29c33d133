// SPDX-License-Identifier: GPL-2.0-or-later
#include "profile/ui/profilecommands.h"

#include "app/ui/tform1.h"
#include "profile/ui/profilestore.h"
#include "profile/ui/setuppage.h"
#include "widgets/guard.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

ProfileCommands::ProfileCommands(TForm1& form, ProfileStore& store)
    : QObject(&form)
    , m_form(form)
    , m_store(store)
{
    SetupPage* setup = form.setupPage;
    const GuardTarget target(&form, form.interaction());
    connectGuarded(
        setup->SpeedButton7, &QPushButton::clicked, this, &ProfileCommands::SpeedButton7Click, target);
    connectGuarded(
        setup->SpeedButton8, &QPushButton::clicked, this, &ProfileCommands::SpeedButton8Click, target);
    connectGuarded(
        setup->SpeedButton9, &QPushButton::clicked, this, &ProfileCommands::SpeedButton9Click, target);
    connectGuarded(
        setup->SpeedButton10, &QPushButton::clicked, this, &ProfileCommands::SpeedButton10Click, target);
    connectGuarded(
        setup->SpeedButton11, &QPushButton::clicked, this, &ProfileCommands::SpeedButton11Click, target);
    connectGuarded(
        setup->SpeedButton12, &QPushButton::clicked, this, &ProfileCommands::SpeedButton12Click, target);
    // Loading a profile rebuilds the bar and so removes the clicked button: the click
    // is handled once the button's own signal has returned.
    connectGuarded(setup, &SetupPage::quickLoadClicked, this, &ProfileCommands::quickLoadClick, target,
        Qt::QueuedConnection);
}

bool ProfileCommands::saveCurrent()
{
    const QString path = m_store.currentPath();
    return m_store.confirmSave(path) && guarded(m_form.interaction(), &m_form, [&] { m_store.save(path); });
}

bool ProfileCommands::mayReplaceSettings()
{
    return m_store.mayDiscardSettings([this] { return saveCurrent(); });
}

void ProfileCommands::SpeedButton7Click()
{
    const QString path = m_form.interaction().openFileName(&m_form, tr("Tarrakind Setup Files (*.tsf)"));
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
    QString name = m_form.interaction().prompt(
        &m_form, tr("Save Config. File"), tr("Enter Filename for Config. File"), QString(), &accepted);
    // Cancel abandons the command rather than saving a profile called "maps".
    if (!accepted)
        return;
    name = name.left(name.indexOf('.') < 0 ? name.size() : name.indexOf('.'));
    if (name.isEmpty())
        name = QStringLiteral("maps");
    name += QStringLiteral(".tsf");
    const QString path = m_form.paths().inLauncherDir(name);
    if (!m_store.confirmSave(path))
        return;
    m_form.setupPage->setProfileName(name);
    m_store.save(path);
    m_store.setCurrentPath(path);
}

void ProfileCommands::SpeedButton10Click()
{
    SetupPage* setup = m_form.setupPage;
    const QString fileName = QFileInfo(setup->profileName()).fileName();
    const QString caption = fileName.left(qMax<qsizetype>(0, fileName.size() - 4));
    if (setup->quickLoadCaptions().contains(caption)) {
        m_form.interaction().showMessage(
            &m_form, tr("A QuikLoad button already exists with the name '%1'").arg(caption));
        return;
    }
    setup->addQuickLoadButton(caption);
    setup->saveQuickLoadList();
}

void ProfileCommands::SpeedButton11Click()
{
    SetupPage* setup = m_form.setupPage;
    const QString caption = m_form.interaction().prompt(
        &m_form, tr("QuikLoad Input"), tr("Enter caption of button to remove"), QString());
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
    m_form.setupPage->removeAllQuickLoadButtons();
    m_form.setupPage->saveQuickLoadList();
}

void ProfileCommands::quickLoadClick(const QString& caption)
{
    if (!mayReplaceSettings())
        return;
    const bool loaded = guarded(m_form.interaction(), &m_form,
        [&] { m_store.load(m_form.paths().inLauncherDir(caption + QStringLiteral(".tsf"))); });
    if (loaded && m_form.setupPage->CheckBox23->isChecked())
        m_form.launch();
}
