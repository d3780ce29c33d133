// SPDX-License-Identifier: GPL-2.0-or-later
// The bindings of the profile keys to the main window's controls, and the settings of
// a new window: the main window made, not yet started up, so no profile loaded.
#include "app/ui/tform1.h"
#include "launch/core/execfile.h"
#include "profile/core/inifile.h"
#include "profile/core/profilekeys.h"
#include "profile/ui/profilebinding.h"
#include "profile/ui/profilestore.h"
#include "support/printers.h"
#include "support/scriptedinteraction.h"
#include "widgets/colorswatch.h"
#include "widgets/spinedit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using tk::ProfileKey;

struct NewWindow : ::testing::Test {
    QTemporaryDir root;
    tk::InstallPaths paths = [this] {
        const QString dir = root.filePath(QStringLiteral("quake2/TARRAKIND"));
        QDir().mkpath(dir);
        return tk::InstallPaths::fromLauncherDir(dir);
    }();
    ScriptedInteraction ui;
    TForm1 form { paths, ui };
};

bool showsType(QWidget* w, ProfileKey::Type type)
{
    switch (type) {
    case ProfileKey::Type::Bool:
        return qobject_cast<QAbstractButton*>(w);
    case ProfileKey::Type::Int:
        return qobject_cast<SpinEdit*>(w) || qobject_cast<ColorSwatch*>(w);
    case ProfileKey::Type::String:
        return qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QLabel*>(w);
    case ProfileKey::Type::List:
        break;
    }
    return false;
}

TEST_F(NewWindow, EveryProfileKeyBindsToAControlOfItsTypeOnTheTabs)
{
    QSet<QWidget*> seen;
    QStringList unbound;
    for (const ProfileKey& key : tk::profileKeys()) {
        const QString name = key.section + '/' + key.key;
        QWidget* w = widgetOf(profileControl(form, key));
        if (!w) {
            if (key.type != ProfileKey::Type::List)
                unbound.append(name);
            continue;
        }
        EXPECT_NE(key.type, ProfileKey::Type::List) << name.toStdString();
        EXPECT_TRUE(showsType(w, key.type)) << name.toStdString() << " " << w->metaObject()->className();
        EXPECT_TRUE(form.PageControl1->isAncestorOf(w)) << name.toStdString();
        EXPECT_FALSE(seen.contains(w)) << name.toStdString() << " shares its control";
        seen.insert(w);
    }
    // Steps of their own read and write these.
    EXPECT_EQ(unbound, (QStringList { "BotDataFile/FileName", "MapControl/Selected" }));
}

TEST_F(NewWindow, HoldsTheDefaultSettings)
{
    const tk::ExecSettings gathered = form.gatherExecSettings();
    EXPECT_TRUE(gathered == tk::ExecSettings {})
        << tk::generateExecFile(gathered, paths).toStdString() << "\ninstead of\n"
        << tk::generateExecFile(tk::ExecSettings {}, paths).toStdString();

    // The profile table's defaults are what a profile without the key loads. A new
    // window shows the same, except on the Player tab, whose fields stay empty until a
    // profile is loaded (start-up always loads one). No bot and no map is selected, so
    // those keys are not written.
    const QString path = paths.inLauncherDir(QStringLiteral("new.tsf"));
    form.profiles().save(path);
    const tk::IniFile saved = tk::IniFile::load(path);
    QStringList differing;
    for (const ProfileKey& key : tk::profileKeys()) {
        const QString value = saved.readString(key.section, key.key, QStringLiteral("(not written)"));
        if (value != key.defaultValue)
            differing.append(key.section + '/' + key.key + '=' + value);
    }
    EXPECT_EQ(differing,
        (QStringList { "SelectedBots/Count=(not written)", "MapControl/Selected=(not written)",
            "Player/Name=", "Player/Model=", "Player/Skin=", "Player/Hand=", "Player/Crosshair=",
            "Player/FPS=0", "Player/Sens=" }));
}

} // namespace
