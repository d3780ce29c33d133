// SPDX-License-Identifier: GPL-2.0-or-later
#include "profile/ui/profilebinding.h"

#include "app/ui/prefspage.h"
#include "app/ui/tform1.h"
#include "bots/ui/botcfgpage.h"
#include "launch/ui/dmflagspage.h"
#include "maps/ui/mappage.h"
#include "player/ui/bindspage.h"
#include "player/ui/playerpage.h"
#include "profile/core/profilekeys.h"
#include "profile/ui/gamepage.h"
#include "profile/ui/miscpage.h"
#include "profile/ui/setuppage.h"
#include "widgets/colorswatch.h"
#include "widgets/spinedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QRadioButton>
#include <type_traits>

namespace {

using tk::ProfileKey;

template <typename Control> constexpr ProfileKey::Type typeShownBy()
{
    if constexpr (std::is_same_v<Control, QCheckBox*> || std::is_same_v<Control, QRadioButton*>)
        return ProfileKey::Type::Bool;
    else if constexpr (std::is_same_v<Control, SpinEdit*> || std::is_same_v<Control, ColorSwatch*>)
        return ProfileKey::Type::Int;
    else {
        static_assert(
            std::is_same_v<Control,
                QLineEdit*> || std::is_same_v<Control, QComboBox*> || std::is_same_v<Control, QLabel*>,
            "a profile key binds to a check box, radio button, spin edit, colour swatch, edit, combo box "
            "or label");
        return ProfileKey::Type::String;
    }
}

struct Binding {
    const char* section;
    const char* key;
    ProfileKey::Type type; // of the control's value; unchecked where there is no control
    ProfileControl (*control)(TForm1&); // null for none
};

// get is a lambda without captures that returns a page's control: its type gives the
// key type the control can show.
template <typename Get> Binding bind(const char* section, const char* key, Get)
{
    using Control = std::invoke_result_t<Get, TForm1&>;
    return { section, key, typeShownBy<Control>(),
        [](TForm1& form) -> ProfileControl { return Get {}(form); } };
}

Binding ownStep(const char* section, const char* key)
{
    return { section, key, ProfileKey::Type::List, nullptr };
}

const QList<Binding>& bindings()
{
    static const QList<Binding> table = [] {
        using F = TForm1&;
        QList<Binding> b {
            ownStep("BotDataFile", "FileName"),
            bind("BotOptions", "NoChat", [](F f) { return f.botCfgPage->CheckBox20; }),
            bind("ServerOptions", "FragLimit", [](F f) { return f.gamePage->fraglimit; }),
            bind("ServerOptions", "TimeLimit", [](F f) { return f.gamePage->timelimit; }),
            bind("ServerOptions", "MaxClients", [](F f) { return f.gamePage->maxclients; }),
            bind("ServerOptions", "CaptureLimit", [](F f) { return f.dmFlagsPage->capturelimit; }),
            bind("ServerOptions", "Dedicated", [](F f) { return f.gamePage->dedicated; }),
            bind("ServerOptions", "Cheats", [](F f) { return f.gamePage->cheats; }),
            bind("ServerOptions", "DMFlags", [](F f) { return f.dmFlagsPage->dmflags; }),
            bind("ServerOptions", "MinPlayers", [](F f) { return f.dmFlagsPage->CheckBox33; }),
            bind("ServerOptions", "MinPlayersVal", [](F f) { return f.dmFlagsPage->SpinEdit5; }),
            bind("Demo", "RecordDemo", [](F f) { return f.miscPage->CheckBox21; }),
            bind("Demo", "DemoName", [](F f) { return f.miscPage->Edit1; }),
            bind("Demo", "Overwrite", [](F f) { return f.miscPage->RadioButton1; }),
            bind("Demo", "Sequence", [](F f) { return f.miscPage->RadioButton2; }),
            bind("Misc", "ExtraCfg", [](F f) { return f.miscPage->CheckBox27; }),
            bind("Misc", "ExtraCfgName", [](F f) { return f.miscPage->ComboBox1; }),
            ownStep("Additional", "Count"),
            bind("Quake2 Setup", "EXE", [](F f) { return f.setupPage->exefile; }),
            ownStep("SelectedBots", "Count"),
            ownStep("MapControl", "Selected"),
            bind("MapControl", "Rotation", [](F f) { return f.mapPage->CheckBox22; }),
            bind("MapControl", "RotationFile", [](F f) { return f.mapPage->Panel24; }),
            bind("Player", "LagEnabled", [](F f) { return f.playerPage->CheckBox30; }),
            bind("Player", "LagVal", [](F f) { return f.playerPage->SpinEdit1; }),
            bind("Player", "LagVar", [](F f) { return f.playerPage->SpinEdit4; }),
            bind("Player", "Enabled", [](F f) { return f.playerPage->CheckBox28; }),
            bind("Player", "Name", [](F f) { return f.playerPage->Edit2; }),
            bind("Player", "Model", [](F f) { return f.playerPage->ComboBox2; }),
            bind("Player", "Skin", [](F f) { return f.playerPage->ComboBox3; }),
            bind("Player", "Hand", [](F f) { return f.playerPage->ComboBox4; }),
            bind("Player", "Crosshair", [](F f) { return f.playerPage->ComboBox5; }),
            bind("Player", "SpecifyFPS", [](F f) { return f.playerPage->CheckBox31; }),
            bind("Player", "FPS", [](F f) { return f.playerPage->SpinEdit2; }),
            bind("Player", "SpecifySens", [](F f) { return f.playerPage->CheckBox32; }),
            bind("Player", "Sens", [](F f) { return f.playerPage->Edit3; }),
            bind("Binds", "Enabled", [](F f) { return f.bindsPage->CheckBox29; }),
            ownStep("Binds", "Count"),
            bind("Launcher", "LeaveOpen", [](F f) { return f.prefsPage->CheckBox24; }),
            bind("Launcher", "SaveOnClose", [](F f) { return f.prefsPage->CheckBox26; }),
            bind("Launcher", "LightUpButtons", [](F f) { return f.prefsPage->CheckBox25; }),
            bind("Launcher", "LightUpColor", [](F f) { return f.prefsPage->colortest; }),
            bind("Launcher", "CheckMatch", [](F f) { return f.prefsPage->CheckBox50; }),
            bind("Launcher", "AskDiscard", [](F f) { return f.prefsPage->CheckBox51; }),
            bind("GameMod", "DM", [](F f) { return f.gamePage->RadioButton3; }),
            bind("GameMod", "CTF", [](F f) { return f.gamePage->RadioButton4; }),
            bind("GameMod", "RA", [](F f) { return f.gamePage->RadioButton5; }),
            bind("GameMod", "XATRIX", [](F f) { return f.gamePage->RadioButton8; }),
            bind("GameMod", "ROGUE", [](F f) { return f.gamePage->RadioButton9; }),
            bind("RA", "o1", [](F f) { return f.gamePage->CheckBox36; }),
            bind("RA", "o2", [](F f) { return f.gamePage->CheckBox37; }),
            bind("RA", "o3", [](F f) { return f.gamePage->CheckBox38; }),
            bind("RA", "o4", [](F f) { return f.gamePage->CheckBox39; }),
            bind("RA", "o5", [](F f) { return f.gamePage->CheckBox40; }),
            bind("RA", "w1", [](F f) { return f.gamePage->CheckBox41; }),
            bind("RA", "w2", [](F f) { return f.gamePage->CheckBox42; }),
            bind("RA", "w3", [](F f) { return f.gamePage->CheckBox43; }),
            bind("RA", "w4", [](F f) { return f.gamePage->CheckBox44; }),
            bind("RA", "w5", [](F f) { return f.gamePage->CheckBox45; }),
            bind("RA", "w6", [](F f) { return f.gamePage->CheckBox46; }),
            bind("RA", "w7", [](F f) { return f.gamePage->CheckBox47; }),
            bind("RA", "w8", [](F f) { return f.gamePage->CheckBox48; }),
            bind("RA", "w9", [](F f) { return f.gamePage->CheckBox49; }),
            bind("RA", "l1", [](F f) { return f.gamePage->SpinEdit6; }),
            bind("RA", "l2", [](F f) { return f.gamePage->SpinEdit7; }),
            bind("RA", "l3", [](F f) { return f.gamePage->SpinEdit8; }),
            bind("RA", "l4", [](F f) { return f.gamePage->SpinEdit9; }),
            bind("RA", "l5", [](F f) { return f.gamePage->SpinEdit10; }),
            bind("RA", "l6", [](F f) { return f.gamePage->SpinEdit11; }),
            bind("RA", "l7", [](F f) { return f.gamePage->SpinEdit12; }),
            bind("RA", "l8", [](F f) { return f.gamePage->SpinEdit13; }),
            bind("CTF", "t1", [](F f) { return f.gamePage->RadioButton6; }),
            bind("CTF", "t2", [](F f) { return f.gamePage->RadioButton7; }),
            bind("CTF", "t3", [](F f) { return f.gamePage->CheckBox34; }),
            bind("CTF", "t4", [](F f) { return f.gamePage->CheckBox35; }),
        };
        const QList<ProfileKey>& keys = tk::profileKeys();
        for (qsizetype i = 0; i < qMax(keys.size(), b.size()); ++i) {
            const QString name = i < keys.size() ? keys[i].section + QLatin1Char('/') + keys[i].key
                                                 : QStringLiteral("(none)");
            if (i >= b.size() || i >= keys.size() || keys[i].section != QLatin1String(b[i].section)
                || keys[i].key != QLatin1String(b[i].key))
                qFatal("Profile key %s: the control bindings are not those of the key table at entry %d",
                    qPrintable(name), int(i));
            if (b[i].control && b[i].type != keys[i].type)
                qFatal("Profile key %s is bound to a control of another type", qPrintable(name));
            if (!b[i].control && keys[i].type != ProfileKey::Type::List
                && keys[i].section != QLatin1String("BotDataFile")
                && !(keys[i].section == QLatin1String("MapControl")
                    && keys[i].key == QLatin1String("Selected")))
                qFatal("Profile key %s is bound to no control", qPrintable(name));
        }
        return b;
    }();
    return table;
}

} // namespace

void checkProfileBindings()
{
    bindings();
}

ProfileControl profileControl(TForm1& form, const ProfileKey& key)
{
    for (const Binding& b : bindings()) {
        if (key.section == QLatin1String(b.section) && key.key == QLatin1String(b.key))
            return b.control ? b.control(form) : ProfileControl {};
    }
    qFatal("Profile key %s is not in the key table", qPrintable(key.section + QLatin1Char('/') + key.key));
}

QWidget* widgetOf(const ProfileControl& control)
{
    return std::visit(
        [](auto c) -> QWidget* {
            if constexpr (std::is_same_v<decltype(c), std::monostate>)
                return nullptr;
            else
                return c;
        },
        control);
}
