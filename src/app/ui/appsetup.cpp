// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ui/appsetup.h"

#include "app/core/version.h"

#include <QApplication>

QIcon applicationIcon()
{
    QIcon icon;
    for (const int size : { 16, 24, 32, 48, 64, 128, 256 })
        icon.addFile(
            QStringLiteral(":/desktop/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(tk::applicationId()),
            QSize(size, size));
    return icon;
}

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("tarrakind"));
    QApplication::setApplicationVersion(tk::versionNumber());
    QGuiApplication::setDesktopFileName(tk::applicationId());
    QApplication::setWindowIcon(applicationIcon());
}
