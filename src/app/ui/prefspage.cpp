#include "app/ui/prefspage.h"

#include "app/ui/widgets.h"
#include "launch/core/execsettings.h"

#include <QCheckBox>

PrefsPage::PrefsPage(QWidget* parent)
    : QWidget(parent)
{
    CheckBox24 = controls::checkBox(this, "CheckBox24", tr("Leave Tarrakind! open when running Quake2"),
        tr("Click here to leave program open when running Quake2"));
    CheckBox24->setChecked(true);
    CheckBox26 = controls::checkBox(this, "CheckBox26", tr("Always Save current Profile on Program close"));
    CheckBox25 = controls::checkBox(this, "CheckBox25", tr("Light-up button captions onMouseOver"),
        tr("Light up button caption when cursor is over them"));
    CheckBox25->setChecked(true);
}

void PrefsPage::gatherExecSettings(tk::ExecSettings&) const
{ }
