#include "maps/ui/mappage.h"

#include "app/core/textcodec.h"
#include "app/ui/widgets.h"
#include "launch/core/execsettings.h"

#include <QLabel>
#include <QListWidget>

MapPage::MapPage(QWidget* parent)
    : QWidget(parent)
{
    ListBox3 = new QListWidget(this);
    ListBox3->setObjectName(QStringLiteral("ListBox3"));
    Panel24
        = controls::displayPanel(this, "Panel24", QStringLiteral("maps.lst"), tr("Map rotation filename"));
}

void MapPage::gatherExecSettings(tk::ExecSettings&) const
{ }

QList<QByteArray> MapPage::rotationEntries() const
{
    QList<QByteArray> entries;
    for (int i = 0; i < ListBox3->count(); ++i)
        entries.append(tk::encodeText(ListBox3->item(i)->text()));
    return entries;
}

QString MapPage::rotationFileName() const
{
    return Panel24->text();
}
