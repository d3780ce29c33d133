#include "player/ui/bindspage.h"

#include "launch/core/execsettings.h"

BindsPage::BindsPage(QWidget* parent)
    : QWidget(parent)
{ }

void BindsPage::gatherExecSettings(tk::ExecSettings&) const
{ }
