#include "profile/ui/setuppage.h"

#include "launch/core/gamestart.h"
#include "app/ui/widgets.h"
#include "launch/core/execsettings.h"

#include <QLabel>
#include <QLineEdit>

SetupPage::SetupPage(QWidget* parent)
    : QWidget(parent)
{
    currdirpanel = controls::displayPanel(this, "currdirpanel", {}, tr("Path to current directory"));
    currgamepanel = controls::displayPanel(this, "currgamepanel", {}, tr("Tarrakind game directory"));
    quakepathpanel = controls::displayPanel(this, "quakepathpanel", {}, tr("Path to Quake2 executable"));
    exefile = controls::edit(this, "exefile",
        tk::defaultExecutableName(),
        tr("Quake2 executable to run. Can be altered"));
    Panel23 = controls::displayPanel(this, "Panel23", {}, tr("Name of Config. currently loaded"));
}

void SetupPage::gatherExecSettings(tk::ExecSettings&) const
{ }
