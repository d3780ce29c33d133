#include "app/core/fileutil.h"
#include "maps/core/rotation.h"
#include "maps/ui/mappage.h"

#include <QLabel>

void MapPage::loadRotationFile(const QString& fullPath)
{
    setRotationEntries(tk::readRotationFile(fullPath));
}

void MapPage::setRotationFileName(const QString& name)
{
    Panel24->setText(name);
}

void MapPage::refreshCatalogue()
{
}

void MapPage::selectMapByName(const QString&)
{
}

void MapPage::saveRotationFile()
{
    tk::writeRotationFile(paths().inLauncherDir(rotationFileName()), rotationEntries());
}
