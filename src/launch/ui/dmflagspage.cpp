#include "launch/ui/dmflagspage.h"

#include "launch/core/execsettings.h"

DmFlagsPage::DmFlagsPage(QWidget* parent)
    : QWidget(parent)
{ }

void DmFlagsPage::gatherExecSettings(tk::ExecSettings&) const
{ }
