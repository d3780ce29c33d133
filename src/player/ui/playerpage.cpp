#include "player/ui/playerpage.h"

#include "launch/core/execsettings.h"

PlayerPage::PlayerPage(QWidget* parent)
    : QWidget(parent)
{ }

void PlayerPage::gatherExecSettings(tk::ExecSettings&) const
{ }
