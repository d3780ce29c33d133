#include "bots/ui/botcfgpage.h"

#include "launch/core/execsettings.h"
#include <QComboBox>

BotCfgPage::BotCfgPage(QWidget* parent)
    : QWidget(parent)
{
    botfilename = new QComboBox(this);
    botfilename->setObjectName(QStringLiteral("botfilename"));
    botfilename->setEditable(true);
    botfilename->setEditText(QStringLiteral("bots.cfg"));
}

void BotCfgPage::gatherExecSettings(tk::ExecSettings&) const
{ }

void BotCfgPage::setBotListFiles(const QStringList& cfgFiles)
{
    const QString text = botfilename->currentText();
    botfilename->clear();
    botfilename->addItems(cfgFiles);
    botfilename->setEditText(text);
}
