#include "profile/ui/miscpage.h"

#include "launch/core/execsettings.h"

MiscPage::MiscPage(QWidget* parent)
    : QWidget(parent)
{ }

void MiscPage::gatherExecSettings(tk::ExecSettings&) const
{ }

void MiscPage::fillExtraConfigList(const QStringList&)
{ }
