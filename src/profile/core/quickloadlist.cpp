// SPDX-License-Identifier: GPL-2.0-or-later
#include "profile/core/quickloadlist.h"

#include "app/core/consoletext.h"
#include "app/core/fileutil.h"
#include "app/core/installpaths.h"
#include "profile/core/inifile.h"

#include <QCoreApplication>

namespace tk {

namespace {

const QString kQuikLoad = QStringLiteral("QuikLoad");

// More buttons than this could never be shown; a list file claiming more is damaged and
// must not make the rebuild run for ever.
constexpr int kMaxQuickLoadButtons = 512;

QString item(int k)
{
    return QStringLiteral("n%1").arg(k);
}

} // namespace

QString quickLoadListPath(const InstallPaths& paths)
{
    return paths.inLauncherDir(QStringLiteral("quikload.ini"));
}

QuickLoadList readQuickLoadList(const InstallPaths& paths, LeftOutNames& told, QStringList& messages)
{
    const QString path = quickLoadListPath(paths);
    FileCheck check;
    const IniFile file = IniFile::load(path, &check);
    if (check.refused())
        messages.append(QCoreApplication::translate("QuickLoadList",
            "The quick-load list %1 was not read: %2. No quick-load buttons are shown, and saving will not "
            "replace the file.")
                            .arg(path, check.reason));
    QuickLoadList list;
    const int count = qMin(file.readInt(kQuikLoad, QStringLiteral("Number"), 0), kMaxQuickLoadButtons);
    for (int k = 0; k < count; ++k) {
        QString caption = file.readString(kQuikLoad, item(k), QStringLiteral("x"));
        // A button loads and saves the profile of its caption: only one of the launcher
        // directory's own, whoever wrote the list.
        const QString profile = caption + QStringLiteral(".tsf");
        const QString refusal = nameRefusal(
            existingFileName(paths.launcherDir, profile), NameUse::InDirectory, paths.launcherDir);
        if (!refusal.isEmpty()) {
            const QString message = refusedNameMessage(QStringLiteral("quikload.ini"),
                QStringLiteral("[%1] %2").arg(kQuikLoad, item(k)), profile, refusal);
            if (!told.untold({ message }).isEmpty())
                messages.append(message);
            caption = QStringLiteral("x");
        }
        list.captions.append(caption);
    }
    list.runOnClick = file.readBool(kQuikLoad, QStringLiteral("OnClick"), false);
    return list;
}

void writeQuickLoadList(const InstallPaths& paths, const QuickLoadList& list)
{
    const QString path = quickLoadListPath(paths);
    IniFile file = IniFile::load(path);
    file.writeInt(kQuikLoad, QStringLiteral("Number"), int(list.captions.size()));
    for (int k = 0; k < list.captions.size(); ++k)
        file.writeString(kQuikLoad, item(k), list.captions[k]);
    file.writeBool(kQuikLoad, QStringLiteral("OnClick"), list.runOnClick);
    file.save(path);
}

} // namespace tk
