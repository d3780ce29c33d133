// SPDX-License-Identifier: GPL-2.0-or-later
#include "profile/ui/profilebinding.h"

#include "app/ui/prefspage.h"
#include "bots/ui/botcfgpage.h"
#include "launch/ui/dmflagspage.h"
#include "maps/ui/mappage.h"
#include "player/ui/bindspage.h"
#include "player/ui/playerpage.h"
#include "profile/core/profile.h"
#include "profile/core/profilekeys.h"
#include "profile/ui/gamepage.h"
#include "profile/ui/miscpage.h"
#include "profile/ui/setuppage.h"
#include "widgets/colorswatch.h"
#include "widgets/spinedit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QList>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTreeView>
#include <QTreeWidget>
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
        static_assert(std::is_same_v<Control, QLineEdit*> || std::is_same_v<Control, QComboBox*>,
            "a profile key binds to a check box, radio button, spin edit, colour swatch, edit or combo box");
        return ProfileKey::Type::String;
    }
}

// The page and the control type of a member of a page.
template <typename> struct MemberOf;
template <typename Page, typename Control> struct MemberOf<Control * Page::*> {
    using PageType = Page;
    using ControlType = Control*;
};

// The member of its page, for that page; null for any other. Pages are compared by their
// class alone: a store of every page walks every binding for each of them.
template <auto Member> auto memberOn(const TabPage& page)
{
    using Page = typename MemberOf<decltype(Member)>::PageType;
    return page.metaObject() == &Page::staticMetaObject ? static_cast<const Page&>(page).*Member : nullptr;
}

struct Binding {
    const char* section;
    const char* key;
    ProfileKey::Type type; // of the control's value; unchecked where there is no control
    ProfileControl (*control)(const TabPage&); // null for a step of its own
    QWidget* (*view)(const TabPage&); // what shows a step of its own
};

template <auto Member> Binding bind(const char* section, const char* key)
{
    using Control = typename MemberOf<decltype(Member)>::ControlType;
    return { section, key, typeShownBy<Control>(),
        [](const TabPage& page) -> ProfileControl {
            if (Control control = memberOn<Member>(page))
                return control;
            return {};
        },
        nullptr };
}

// A key with a step of its own; the member is what shows its value.
template <auto View> Binding ownStep(const char* section, const char* key)
{
    return { section, key, ProfileKey::Type::List, nullptr,
        [](const TabPage& page) -> QWidget* { return memberOn<View>(page); } };
}

const QList<Binding>& bindings()
{
    static const QList<Binding> table = [] {
        QList<Binding> b {
            ownStep<&BotCfgPage::botfilename>("BotDataFile", "FileName"),
            bind<&BotCfgPage::CheckBox20>("BotOptions", "NoChat"),
            bind<&GamePage::fraglimit>("ServerOptions", "FragLimit"),
            bind<&GamePage::timelimit>("ServerOptions", "TimeLimit"),
            bind<&GamePage::maxclients>("ServerOptions", "MaxClients"),
            bind<&DmFlagsPage::capturelimit>("ServerOptions", "CaptureLimit"),
            bind<&GamePage::dedicated>("ServerOptions", "Dedicated"),
            bind<&GamePage::cheats>("ServerOptions", "Cheats"),
            bind<&DmFlagsPage::dmflags>("ServerOptions", "DMFlags"),
            bind<&DmFlagsPage::CheckBox33>("ServerOptions", "MinPlayers"),
            bind<&DmFlagsPage::SpinEdit5>("ServerOptions", "MinPlayersVal"),
            bind<&MiscPage::CheckBox21>("Demo", "RecordDemo"),
            bind<&MiscPage::Edit1>("Demo", "DemoName"),
            bind<&MiscPage::RadioButton1>("Demo", "Overwrite"),
            bind<&MiscPage::RadioButton2>("Demo", "Sequence"),
            bind<&MiscPage::CheckBox27>("Misc", "ExtraCfg"),
            bind<&MiscPage::ComboBox1>("Misc", "ExtraCfgName"),
            ownStep<&MiscPage::Memo1>("Additional", "Count"),
            bind<&SetupPage::exefile>("Quake2 Setup", "EXE"),
            ownStep<&BotCfgPage::ListView1>("SelectedBots", "Count"),
            ownStep<&MapPage::ListView2>("MapControl", "Selected"),
            bind<&MapPage::CheckBox22>("MapControl", "Rotation"),
            // Panel24 shows the file's name; what the file holds is the rotation list.
            ownStep<&MapPage::ListBox3>("MapControl", "RotationFile"),
            bind<&PlayerPage::CheckBox30>("Player", "LagEnabled"),
            bind<&PlayerPage::SpinEdit1>("Player", "LagVal"),
            bind<&PlayerPage::SpinEdit4>("Player", "LagVar"),
            bind<&PlayerPage::CheckBox28>("Player", "Enabled"),
            bind<&PlayerPage::Edit2>("Player", "Name"),
            bind<&PlayerPage::ComboBox2>("Player", "Model"),
            bind<&PlayerPage::ComboBox3>("Player", "Skin"),
            bind<&PlayerPage::ComboBox4>("Player", "Hand"),
            bind<&PlayerPage::ComboBox5>("Player", "Crosshair"),
            bind<&PlayerPage::CheckBox31>("Player", "SpecifyFPS"),
            bind<&PlayerPage::SpinEdit2>("Player", "FPS"),
            bind<&PlayerPage::CheckBox32>("Player", "SpecifySens"),
            bind<&PlayerPage::Edit3>("Player", "Sens"),
            bind<&BindsPage::CheckBox29>("Binds", "Enabled"),
            ownStep<&BindsPage::ListView3>("Binds", "Count"),
            bind<&PrefsPage::CheckBox24>("Launcher", "LeaveOpen"),
            bind<&PrefsPage::CheckBox26>("Launcher", "SaveOnClose"),
            bind<&PrefsPage::CheckBox25>("Launcher", "LightUpButtons"),
            bind<&PrefsPage::colortest>("Launcher", "LightUpColor"),
            bind<&PrefsPage::CheckBox50>("Launcher", "CheckMatch"),
            bind<&PrefsPage::CheckBox51>("Launcher", "AskDiscard"),
            ownStep<&PrefsPage::languageChoice>("Launcher", "Language"),
            bind<&GamePage::RadioButton3>("GameMod", "DM"),
            bind<&GamePage::RadioButton4>("GameMod", "CTF"),
            bind<&GamePage::RadioButton5>("GameMod", "RA"),
            bind<&GamePage::RadioButton8>("GameMod", "XATRIX"),
            bind<&GamePage::RadioButton9>("GameMod", "ROGUE"),
            bind<&GamePage::CheckBox36>("RA", "o1"),
            bind<&GamePage::CheckBox37>("RA", "o2"),
            bind<&GamePage::CheckBox38>("RA", "o3"),
            bind<&GamePage::CheckBox39>("RA", "o4"),
            bind<&GamePage::CheckBox40>("RA", "o5"),
            bind<&GamePage::CheckBox41>("RA", "w1"),
            bind<&GamePage::CheckBox42>("RA", "w2"),
            bind<&GamePage::CheckBox43>("RA", "w3"),
            bind<&GamePage::CheckBox44>("RA", "w4"),
            bind<&GamePage::CheckBox45>("RA", "w5"),
            bind<&GamePage::CheckBox46>("RA", "w6"),
            bind<&GamePage::CheckBox47>("RA", "w7"),
            bind<&GamePage::CheckBox48>("RA", "w8"),
            bind<&GamePage::CheckBox49>("RA", "w9"),
            bind<&GamePage::SpinEdit6>("RA", "l1"),
            bind<&GamePage::SpinEdit7>("RA", "l2"),
            bind<&GamePage::SpinEdit8>("RA", "l3"),
            bind<&GamePage::SpinEdit9>("RA", "l4"),
            bind<&GamePage::SpinEdit10>("RA", "l5"),
            bind<&GamePage::SpinEdit11>("RA", "l6"),
            bind<&GamePage::SpinEdit12>("RA", "l7"),
            bind<&GamePage::SpinEdit13>("RA", "l8"),
            bind<&GamePage::RadioButton6>("CTF", "t1"),
            bind<&GamePage::RadioButton7>("CTF", "t2"),
            bind<&GamePage::CheckBox34>("CTF", "t3"),
            bind<&GamePage::CheckBox35>("CTF", "t4"),
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
            const bool hasField = !std::holds_alternative<std::monostate>(keys[i].field);
            if (hasField != bool(b[i].control))
                qFatal("Profile key %s: a key with a value of its own is bound to a control, and only such "
                       "a key",
                    qPrintable(name));
        }
        return b;
    }();
    return table;
}

// A radio button set from a profile: checking one unchecks the others of its group, and
// unchecking is possible too, so that a profile may leave a whole group empty.
void setRadio(QRadioButton* button, bool on)
{
    if (on || !button->isChecked()) {
        if (on)
            button->setChecked(true);
        return;
    }
    if (QButtonGroup* group = button->group()) {
        group->setExclusive(false);
        button->setChecked(false);
        group->setExclusive(true);
    } else {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

template <typename... F> struct Overloaded : F... {
    using F::operator()...;
};
// Aggregate deduction is C++20, but not every compiler of Debian 12 has it.
template <typename... F> Overloaded(F...) -> Overloaded<F...>;

template <typename V> V valueOf(const tk::ProfileFieldOf& field, const tk::Profile& profile)
{
    return std::get<tk::ProfileField<V>>(field).get(profile);
}
template <typename V> void setValue(const tk::ProfileFieldOf& field, tk::Profile& profile, V value)
{
    std::get<tk::ProfileField<V>>(field).set(profile, std::move(value));
}

} // namespace

void checkProfileBindings()
{
    bindings();
}

ProfileControl profileControl(const TabPage& page, const ProfileKey& key)
{
    for (const Binding& b : bindings()) {
        if (key.section == QLatin1String(b.section) && key.key == QLatin1String(b.key))
            return b.control ? b.control(page) : ProfileControl {};
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

namespace {

// Runs visit with the field of each key bound on page and the control of page bound to it.
template <typename Visit> void forEachBoundControl(const TabPage& page, const Visit& visit)
{
    const QList<ProfileKey>& keys = tk::profileKeys();
    const QList<Binding>& table = bindings();
    for (qsizetype i = 0; i < table.size(); ++i) {
        if (table[i].control)
            visit(keys[i].field, table[i].control(page));
    }
}

} // namespace

void loadBoundControls(TabPage& page, const tk::Profile& profile)
{
    forEachBoundControl(page, [&](const tk::ProfileFieldOf& field, const ProfileControl& control) {
        std::visit(Overloaded {
                       [](std::monostate) {},
                       [&](QCheckBox* box) { box->setChecked(valueOf<bool>(field, profile)); },
                       [&](QRadioButton* radio) { setRadio(radio, valueOf<bool>(field, profile)); },
                       [&](SpinEdit* spin) { spin->setValue(valueOf<int>(field, profile)); },
                       [&](ColorSwatch* swatch) {
                           swatch->setColor(ColorSwatch::fromColorRef(valueOf<int>(field, profile)));
                       },
                       [&](QLineEdit* edit) { edit->setText(valueOf<QString>(field, profile)); },
                       // Whether or not the value is among the items.
                       [&](QComboBox* combo) { combo->setEditText(valueOf<QString>(field, profile)); },
                   },
            control);
    });
}

void storeBoundControls(const TabPage& page, tk::Profile& profile)
{
    forEachBoundControl(page, [&](const tk::ProfileFieldOf& field, const ProfileControl& control) {
        std::visit(Overloaded {
                       [](std::monostate) {},
                       [&](QCheckBox* box) { setValue(field, profile, box->isChecked()); },
                       [&](QRadioButton* radio) { setValue(field, profile, radio->isChecked()); },
                       [&](SpinEdit* spin) { setValue(field, profile, spin->value()); },
                       [&](ColorSwatch* swatch) {
                           setValue(field, profile, int(ColorSwatch::toColorRef(swatch->color())));
                       },
                       [&](QLineEdit* edit) { setValue(field, profile, edit->text()); },
                       [&](QComboBox* combo) { setValue(field, profile, combo->currentText()); },
                   },
            control);
    });
}

QWidget* settingWidget(const QList<TabPage*>& pages, QLatin1StringView section, QLatin1StringView key)
{
    for (const Binding& b : bindings()) {
        if (section != QLatin1StringView(b.section) || key != QLatin1StringView(b.key))
            continue;
        for (const TabPage* page : pages) {
            if (QWidget* w = b.view ? b.view(*page) : widgetOf(b.control(*page)))
                return w;
        }
        return nullptr;
    }
    return nullptr;
}
