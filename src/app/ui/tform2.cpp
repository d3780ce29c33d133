#include "app/ui/tform2.h"

TForm2::TForm2(QWidget* parent)
    : QDialog(parent)
{ }

void TForm2::setVersionText(const QString& text)
{
    setProperty("versionText", text);
}
