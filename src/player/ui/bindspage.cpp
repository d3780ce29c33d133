// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/ui/bindspage.h"

#include "app/core/usererror.h"
#include "app/ui/guard.h"
#include "app/ui/interaction.h"
#include "player/ui/tform4.h"
#include "profile/core/profileread.h"
#include "profile/ui/profilebinding.h"
#include "widgets/mnemonics.h"
#include "widgets/reportview.h"
#include "widgets/widgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { BindColumn, KeyColumn, CommandColumn };

} // namespace

BindsPage::BindsPage(QWidget* parent)
    : TabPage(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(4);

    QGroupBox* binds = controls::group(this, tr("Key Binds"));
    auto* bindsLayout = new QVBoxLayout(binds);
    bindsLayout->setContentsMargins(4, 3, 4, 4);
    ListView3 = controls::reportView(
        binds, "ListView3", { tr("Bind"), tr("Key"), tr("Function / Command") }, { 52, 100, 250 });
    ListView3->headerItem()->setTextAlignment(KeyColumn, Qt::AlignCenter);
    controls::nameAfter(ListView3, binds->title());
    bindsLayout->addWidget(ListView3);
    row->addWidget(binds, 1);

    auto* side = new QVBoxLayout;
    side->setSpacing(3);
    CheckBox29
        = controls::checkBox(this, "CheckBox29", tr("Specify Binds"), tr("Click to specify custom Binds"));
    side->addSpacing(6);
    side->addWidget(CheckBox29);
    QGroupBox* editing = controls::group(this, tr("Bind List Editing"));
    auto* buttons = new QVBoxLayout(editing);
    buttons->setContentsMargins(6, 4, 6, 6);
    buttons->setSpacing(3);
    SpeedButton17 = controls::button(editing, "SpeedButton17", tr("&Add Bind"), tr("Add new Bind"));
    SpeedButton19 = controls::button(editing, "SpeedButton19", tr("&Edit Bind"), tr("Edit Selected Bind"));
    SpeedButton20
        = controls::button(editing, "SpeedButton20", tr("&Delete Bind"), tr("Delete Selected Bind"));
    SpeedButton21 = controls::button(editing, "SpeedButton21", tr("Delete &All"), tr("Delete All Binds"));
    buttons->addWidget(SpeedButton17);
    buttons->addWidget(SpeedButton19);
    buttons->addSpacing(8);
    buttons->addWidget(SpeedButton20);
    buttons->addWidget(SpeedButton21);
    side->addWidget(editing);
    // The deletions share no letter with anything: the list's Delete keys press them.
    Mnemonics::markDestructive(SpeedButton20);
    Mnemonics::markDestructive(SpeedButton21);
    controls::addShortcuts(SpeedButton20, { QKeySequence(Qt::Key_Delete) }, ListView3, tr("in the list"));
    controls::addShortcuts(
        SpeedButton21, { QKeySequence(Qt::SHIFT | Qt::Key_Delete) }, ListView3, tr("in the list"));
    side->addStretch(1);
    row->addLayout(side);

    connect(CheckBox29, &QCheckBox::clicked, this, &BindsPage::applyEnableRules);
    connectGuarded(SpeedButton17, &QPushButton::clicked, this, &BindsPage::SpeedButton17Click, guardTarget());
    connectGuarded(SpeedButton19, &QPushButton::clicked, this, &BindsPage::SpeedButton19Click, guardTarget());
    connect(SpeedButton20, &QPushButton::clicked, this, &BindsPage::SpeedButton20Click);
    connect(SpeedButton21, &QPushButton::clicked, this, &BindsPage::SpeedButton21Click);
    applyEnableRules();
}

void BindsPage::applyEnableRules()
{
    const bool on = CheckBox29->isChecked();
    for (QPushButton* b : { SpeedButton17, SpeedButton19, SpeedButton20, SpeedButton21 })
        b->setEnabled(on);
}

void BindsPage::addBindRow(const QString& key, const QString& command)
{
    auto* item = new QTreeWidgetItem(ListView3, { QStringLiteral("BIND"), key, command });
    item->setTextAlignment(KeyColumn, Qt::AlignCenter);
}

void BindsPage::setBindRow(int index, const QString& key, const QString& command)
{
    QTreeWidgetItem* item = ListView3->topLevelItem(index);
    if (!item)
        throw tk::UserError(tr("List index out of bounds (%1)").arg(index));
    item->setText(KeyColumn, key);
    item->setText(CommandColumn, command);
}

QList<tk::BindRow> BindsPage::bindRows() const
{
    QList<tk::BindRow> rows;
    rows.reserve(ListView3->topLevelItemCount());
    for (int i = 0; i < ListView3->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = ListView3->topLevelItem(i);
        rows.append({ item->text(KeyColumn), item->text(CommandColumn) });
    }
    return rows;
}

void BindsPage::clearBinds()
{
    ListView3->clear();
}

int BindsPage::selectedBindRow() const
{
    const QList<QTreeWidgetItem*> selected = ListView3->selectedItems();
    return selected.isEmpty() ? -1 : ListView3->indexOfTopLevelItem(selected.first());
}

void BindsPage::SpeedButton17Click()
{
    if (!m_bindDialog)
        return;
    m_bindDialog->prepareAdd();
    runBindDialog();
}

void BindsPage::SpeedButton19Click()
{
    const int index = selectedBindRow();
    if (index < 0 || !m_bindDialog)
        return;
    const QTreeWidgetItem* item = ListView3->topLevelItem(index);
    m_bindDialog->prepareEdit(index, item->text(KeyColumn), item->text(CommandColumn));
    runBindDialog();
}

void BindsPage::runBindDialog()
{
    if (ui().runModal(m_bindDialog) != QDialog::Accepted)
        return;
    const QString key = m_bindDialog->keyText();
    const QString command = m_bindDialog->commandText();
    if (const std::optional<int> row = m_bindDialog->target())
        setBindRow(*row, key, command);
    else
        addBindRow(key, command);
}

void BindsPage::SpeedButton20Click()
{
    const int index = selectedBindRow();
    if (index < 0)
        return;
    delete ListView3->takeTopLevelItem(index);
    // Nothing stays selected, so a second click cannot delete a row the user did not pick.
    ListView3->clearSelection();
}

void BindsPage::SpeedButton21Click()
{
    clearBinds();
}

void BindsPage::load(const tk::ProfileRead& read)
{
    loadBoundControls(*this, read.profile);
    if (read.profile.exec.binds != bindRows()) {
        clearBinds();
        for (const tk::BindRow& row : read.profile.exec.binds)
            addBindRow(row.key, row.command);
    }
    applyEnableRules();
}

void BindsPage::store(tk::Profile& profile) const
{
    storeBoundControls(*this, profile);
    profile.exec.binds = bindRows();
}
