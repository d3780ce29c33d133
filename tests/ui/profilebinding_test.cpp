// SPDX-License-Identifier: GPL-2.0-or-later
// The bindings of the profile keys to the main window's controls, and the settings of
// a new window: the main window made, not yet started up, so no profile loaded.
#include "app/ui/prefspage.h"
#include "app/ui/tabpage.h"
#include "app/ui/tform1.h"
#include "launch/core/execfile.h"
#include "profile/core/inifile.h"
#include "profile/core/profile.h"
#include "profile/core/profilekeys.h"
#include "profile/ui/profilebinding.h"
#include "profile/ui/profilestore.h"
#include "support/mainwindow.h"
#include "support/printers.h"
#include "support/scriptedinteraction.h"
#include "widgets/colorswatch.h"
#include "widgets/spinedit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using tk::ProfileKey;

// The main window made, not yet started up.
class NewWindow : public MainWindowTest {
protected:
    void SetUp() override { openWindow(Shown::No, false); }
};

bool showsType(QWidget* w, ProfileKey::Type type)
{
    switch (type) {
    case ProfileKey::Type::Bool:
        return qobject_cast<QAbstractButton*>(w);
    case ProfileKey::Type::Int:
        return qobject_cast<SpinEdit*>(w) || qobject_cast<ColorSwatch*>(w);
    case ProfileKey::Type::String:
        return qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w);
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
        QWidget* w = nullptr;
        for (const TabPage* page : form->pages()) {
            if (QWidget* own = widgetOf(profileControl(*page, key))) {
                EXPECT_FALSE(w) << name.toStdString() << " is bound on two pages";
                EXPECT_TRUE(page->isAncestorOf(own)) << name.toStdString();
                w = own;
            }
        }
        if (!w) {
            if (key.type != ProfileKey::Type::List)
                unbound.append(name);
            continue;
        }
        EXPECT_NE(key.type, ProfileKey::Type::List) << name.toStdString();
        EXPECT_TRUE(showsType(w, key.type)) << name.toStdString() << " " << w->metaObject()->className();
        EXPECT_TRUE(form->PageControl1->isAncestorOf(w)) << name.toStdString();
        EXPECT_FALSE(seen.contains(w)) << name.toStdString() << " shares its control";
        seen.insert(w);
    }
    // Steps of their own read and write these; the rotation file's name is the map tab's, the
    // language the Prefs tab's.
    EXPECT_EQ(unbound,
        (QStringList {
            "BotDataFile/FileName", "MapControl/Selected", "MapControl/RotationFile", "Launcher/Language" }));
}

// The one table of defaults: what a profile without the key reads, and what a new window
// holds, where that differs (the Player tab's fields stay empty until a profile is loaded,
// and start-up always loads one; with no bot and no map selected those keys are not
// written).
TEST_F(NewWindow, HoldsEveryDefault)
{
    struct Default {
        const char* key; // section/key
        const char* read;
        const char* window = nullptr; // the same as read
    };
    const Default defaults[] = {
        { "BotDataFile/FileName", "bots.cfg" },
        { "BotOptions/NoChat", "0" },
        { "ServerOptions/FragLimit", "150" },
        { "ServerOptions/TimeLimit", "30" },
        { "ServerOptions/MaxClients", "16" },
        { "ServerOptions/CaptureLimit", "8" },
        { "ServerOptions/Dedicated", "0" },
        { "ServerOptions/Cheats", "0" },
        { "ServerOptions/DMFlags", "280084" },
        { "ServerOptions/MinPlayers", "0" },
        { "ServerOptions/MinPlayersVal", "0" },
        { "Demo/RecordDemo", "0" },
        { "Demo/DemoName", "tarkdemo" },
        { "Demo/Overwrite", "1" },
        { "Demo/Sequence", "0" },
        { "Misc/ExtraCfg", "0" },
        { "Misc/ExtraCfgName", "" },
        { "Additional/Count", "0" },
        { "Quake2 Setup/EXE", "quake2" },
        { "SelectedBots/Count", "0", "(not written)" },
        { "MapControl/Selected", "", "(not written)" },
        { "MapControl/Rotation", "0" },
        { "MapControl/RotationFile", "maps.lst" },
        { "Player/LagEnabled", "0" },
        { "Player/LagVal", "0" },
        { "Player/LagVar", "0" },
        { "Player/Enabled", "0" },
        { "Player/Name", "Player", "" },
        { "Player/Model", "male", "" },
        { "Player/Skin", "grunt", "" },
        { "Player/Hand", "Right", "" },
        { "Player/Crosshair", "Cross", "" },
        { "Player/SpecifyFPS", "0" },
        { "Player/FPS", "50", "0" },
        { "Player/SpecifySens", "0" },
        { "Player/Sens", "5", "" },
        { "Binds/Enabled", "0" },
        { "Binds/Count", "0" },
        { "Launcher/LeaveOpen", "1" },
        { "Launcher/SaveOnClose", "0" },
        { "Launcher/LightUpButtons", "1" },
        { "Launcher/LightUpColor", "255" },
        { "Launcher/CheckMatch", "1" },
        { "Launcher/AskDiscard", "1" },
        // A new window follows the desktop's language: no key.
        { "Launcher/Language", "", "(not written)" },
        { "GameMod/DM", "1" },
        { "GameMod/CTF", "0" },
        { "GameMod/RA", "0" },
        { "GameMod/XATRIX", "0" },
        { "GameMod/ROGUE", "0" },
        { "RA/o1", "1" },
        { "RA/o2", "1" },
        { "RA/o3", "0" },
        { "RA/o4", "1" },
        { "RA/o5", "1" },
        { "RA/w1", "1" },
        { "RA/w2", "1" },
        { "RA/w3", "1" },
        { "RA/w4", "1" },
        { "RA/w5", "1" },
        { "RA/w6", "1" },
        { "RA/w7", "0" },
        { "RA/w8", "1" },
        { "RA/w9", "0" },
        { "RA/l1", "200" },
        { "RA/l2", "100" },
        { "RA/l3", "100" },
        { "RA/l4", "200" },
        { "RA/l5", "50" },
        { "RA/l6", "50" },
        { "RA/l7", "50" },
        { "RA/l8", "150" },
        { "CTF/t1", "1" },
        { "CTF/t2", "0" },
        { "CTF/t3", "1" },
        { "CTF/t4", "0" },
    };
    const QList<ProfileKey>& keys = tk::profileKeys();
    ASSERT_EQ(keys.size(), qsizetype(std::size(defaults)));

    const QString path = paths().inLauncherDir(QStringLiteral("new.tsf"));
    form->profiles().save(path);
    const tk::IniFile saved = tk::IniFile::load(path);
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const ProfileKey& key = keys[i];
        const Default& d = defaults[i];
        SCOPED_TRACE(d.key);
        EXPECT_EQ(key.section + '/' + key.key, QLatin1String(d.key));
        EXPECT_EQ(key.defaultValue, QLatin1String(d.read));
        EXPECT_EQ(saved.readString(key.section, key.key, QStringLiteral("(not written)")),
            QLatin1String(d.window ? d.window : d.read));
    }

    const tk::ExecSettings gathered = form->gatherExecSettings();
    EXPECT_TRUE(gathered == tk::ExecSettings {})
        << tk::generateExecFile(gathered, paths()).toStdString() << "\ninstead of\n"
        << tk::generateExecFile(tk::ExecSettings {}, paths()).toStdString();
    EXPECT_EQ(form->prefsPage->colortest->color(), QColor(Qt::red));
}

// Every page stores every setting it shows: stored over a profile whose every value differs
// from a new window's, a new window gives exactly a new profile.
TEST_F(NewWindow, EveryPageStoresEverySettingItHolds)
{
    tk::Profile stale;
    for (const ProfileKey& key : tk::profileKeys()) {
        std::visit(
            [&](const auto& field) {
                using F = std::decay_t<decltype(field)>;
                if constexpr (std::is_same_v<F, tk::ProfileField<bool>>)
                    field.set(stale, key.defaultValue != QLatin1String("1"));
                else if constexpr (std::is_same_v<F, tk::ProfileField<int>>)
                    field.set(stale, key.defaultValue.toInt() + 77);
                else if constexpr (std::is_same_v<F, tk::ProfileField<QString>>)
                    field.set(stale, QStringLiteral("stale"));
            },
            key.field);
    }
    stale.exec.binds = { { "F9", "stale" } };
    stale.exec.selectedMap = QStringLiteral("stale");
    stale.exec.catalogueMaps = { QStringLiteral("stale") };
    stale.exec.rotationEntries = { "stale" };
    stale.flagBoxes.fill(true);
    stale.additionalLines = { QStringLiteral("stale") };
    stale.bots.readContents("\"sv\" \"addbot\" \"stale\"\r\n");
    stale.rememberedMap = QStringLiteral("stale");
    stale.rotationFile = QStringLiteral("stale.lst");

    for (const TabPage* page : form->pages())
        page->store(stale);
    const tk::Profile fresh;
    EXPECT_TRUE(stale.execSettings() == fresh.execSettings())
        << tk::generateExecFile(stale.execSettings(), paths()).toStdString();
    EXPECT_EQ(stale.flagBoxes, fresh.flagBoxes);
    EXPECT_EQ(stale.demoOverwrite, fresh.demoOverwrite);
    EXPECT_EQ(stale.additionalLines, fresh.additionalLines);
    EXPECT_EQ(stale.bots.size(), 0);
    EXPECT_EQ(stale.bots.fileName(), fresh.bots.fileName());
    EXPECT_EQ(stale.rememberedMap, fresh.rememberedMap);
    EXPECT_EQ(stale.rotationFile, fresh.rotationFile);
    EXPECT_TRUE(stale.prefs == fresh.prefs);
}

} // namespace
