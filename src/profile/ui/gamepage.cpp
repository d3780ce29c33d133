#include "profile/ui/gamepage.h"

#include "app/ui/widgets.h"
#include "launch/core/execsettings.h"

#include <QCheckBox>

GamePage::GamePage(QWidget* parent)
    : QWidget(parent)
{
    dedicated = controls::checkBox(this, "dedicated", tr("Dedicated Server"));
}

void GamePage::gatherExecSettings(tk::ExecSettings&) const
{ }
