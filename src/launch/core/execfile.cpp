// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/execfile.h"

#include "app/core/consoletext.h"
#include "app/core/fileutil.h"
#include "app/core/textcodec.h"
#include "app/core/usererror.h"
#include "launch/core/engine.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLatin1StringView>
#include <functional>

namespace tk {

namespace {

// Collects the lines of the script, each followed by CR LF, and, when asked, where each
// line comes from: a line names its control (or another tab); otherwise it belongs to the
// block being written.
class ScriptWriter {
public:
    explicit ScriptWriter(QList<ExecLineOrigin>* origins)
        : m_origins(origins)
    {
        m_data.reserve(2048);
    }

    void block(SettingsTab tab) { m_tab = tab; }
    ExecLineOrigin here() const { return { m_tab, {}, -1 }; }
    ExecLineOrigin at(const char* control, qsizetype item = -1) const
    {
        return { m_tab, QLatin1StringView(control), item };
    }

    void line(const QByteArray& text, const ExecLineOrigin& origin)
    {
        m_data += text;
        end(origin);
    }
    void line(const QByteArray& text) { line(text, here()); }
    void line(const char* text, const ExecLineOrigin& origin)
    {
        m_data += text;
        end(origin);
    }
    void line(const char* text) { line(text, here()); }
    void blank() { end(here()); }
    void set(const char* name, int value, const ExecLineOrigin& origin)
    {
        m_data += "set ";
        m_data += name;
        m_data += ' ';
        m_data += QByteArray::number(value);
        end(origin);
    }

    QByteArray take() { return std::move(m_data); }

private:
    void end(const ExecLineOrigin& origin)
    {
        m_data += "\r\n";
        if (m_origins)
            m_origins->append(origin);
    }

    QByteArray m_data;
    QList<ExecLineOrigin>* m_origins;
    SettingsTab m_tab = SettingsTab::None;
};

QString tr(const char* text)
{
    return QCoreApplication::translate("ExecFile", text);
}

// A value as it goes into its console line, or why it is left out.
struct ConsoleForm {
    std::optional<QByteArray> text;
    QString reason;
};

// A typed value: in quotes where the engine would split it.
ConsoleForm typedForm(const QString& value)
{
    if (std::optional<QByteArray> text = consoleValue(encodeText(value)))
        return { std::move(text), {} };
    return { std::nullopt,
        tr("it holds a double quote or a line break, which would end its value or its line") };
}

// A value that stands unquoted in its line (a number as typed, a name from the lists).
ConsoleForm plainForm(const QString& value)
{
    QByteArray text = encodeText(value);
    if (isConsoleSafe(text))
        return { std::move(text), {} };
    return { std::nullopt,
        tr("it holds \";\", a double quote or a control character, which would start a second command or "
           "break its line") };
}

// A file the engine finds below its game directories.
ConsoleForm engineFileForm(const QString& name)
{
    if (QString refusal = nameRefusal(name, NameUse::BelowDirectory); !refusal.isEmpty())
        return { std::nullopt, std::move(refusal) };
    return typedForm(name);
}

ConsoleForm skinForm(const ExecSettings& s)
{
    if (s.model.isEmpty() || s.skin.isEmpty())
        return { QByteArrayLiteral("male/grunt"), {} };
    // The engine loads the skin from the folder of the model: a name from a profile must
    // not lead it elsewhere.
    for (const QString& part : { s.model, s.skin }) {
        if (QString refusal = nameRefusal(part, NameUse::InDirectory); !refusal.isEmpty())
            return { std::nullopt, std::move(refusal) };
    }
    return plainForm(s.model + QLatin1Char('/') + s.skin);
}

ConsoleForm extraCfgForm(const ExecSettings& s, const InstallPaths& paths)
{
    // The engine looks the name up as given; a profile from Windows may name it in other
    // letter case.
    return engineFileForm(existingFileName(paths.launcherDir, s.extraCfgName));
}

ConsoleForm demoForm(const ExecSettings& s, const InstallPaths& paths)
{
    // The base decides: a number after it leads nowhere else.
    if (ConsoleForm base = engineFileForm(s.demoName); !base.text)
        return base;
    return typedForm(demoNameToUse(s.demoName, s.sequentialDemo, paths));
}

QByteArray boolDigit(bool on)
{
    return on ? QByteArrayLiteral("1") : QByteArrayLiteral("0");
}

// Words typed into the hand and crosshair boxes match their list entries whatever
// their letter case; only ASCII letters fold, as in the list entries themselves.
bool sameWord(const QString& text, QLatin1StringView word)
{
    if (text.size() != word.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t c = text[i].unicode();
        if (c >= 'A' && c <= 'Z')
            c = char16_t(c + ('a' - 'A'));
        if (c != word[i].unicode())
            return false;
    }
    return true;
}

const char* handLine(const QString& hand)
{
    if (sameWord(hand, QLatin1StringView("right")))
        return "hand 0";
    if (sameWord(hand, QLatin1StringView("left")))
        return "hand 1";
    if (sameWord(hand, QLatin1StringView("center")))
        return "hand 2";
    return nullptr;
}

const char* crosshairLine(const QString& crosshair)
{
    if (sameWord(crosshair, QLatin1StringView("no crosshair")))
        return "crosshair 0";
    if (sameWord(crosshair, QLatin1StringView("cross")))
        return "crosshair 1";
    if (sameWord(crosshair, QLatin1StringView("dot")))
        return "crosshair 2";
    if (sameWord(crosshair, QLatin1StringView("angle")))
        return "crosshair 3";
    return nullptr;
}

void writeServerSettings(ScriptWriter& out, const ExecSettings& s)
{
    out.line("//Config./Exec File created by Tarrakind!");
    out.line("//=======================================");
    out.blank();
    out.block(SettingsTab::DmFlags);
    out.line("//Basic DMFlags/Server Settings");
    out.line("set deathmatch 1");
    if (const ConsoleForm flags = plainForm(s.dmflags); flags.text)
        out.line("set dmflags " + *flags.text, out.at("dmflags"));
    // The server's size and limits are the Game tab's.
    const auto game = [](const char* control) {
        return ExecLineOrigin { SettingsTab::Game, QLatin1StringView(control), -1 };
    };
    out.set("maxclients", s.maxclients, game("maxclients"));
    out.set("fraglimit", s.fraglimit, game("fraglimit"));
    out.set("timelimit", s.timelimit, game("timelimit"));
    out.set("capturelimit", s.capturelimit, out.at("capturelimit"));
    out.line("set cheats " + boolDigit(s.cheats), game("cheats"));
    out.set("minimumplayers", s.minPlayers ? s.minPlayersValue : 0,
        out.at(s.minPlayers ? "SpinEdit5" : "CheckBox33"));
    out.blank();
}

void writeAdditional(ScriptWriter& out, const ExecSettings& s, const InstallPaths& paths)
{
    out.block(SettingsTab::Misc);
    out.line("//Additional Parms.");
    // Every line of the memo, the last one too, gets its own line end: an empty memo
    // gives one blank line and a trailing line end one more.
    qsizetype memoLine = 0;
    for (const QString& l : s.additionalCommands.split(QLatin1Char('\n')))
        out.line(encodeText(l), out.at("Memo1", memoLine++));
    out.blank();
    out.line("//Additional Exec. File");
    if (s.extraCfg && !s.extraCfgName.isEmpty()) {
        if (const ConsoleForm name = extraCfgForm(s, paths); name.text)
            out.line("exec " + *name.text, out.at("ComboBox1"));
    }
    out.blank();
}

void writeBinds(ScriptWriter& out, const ExecSettings& s)
{
    out.block(SettingsTab::Binds);
    out.line("//Key Bindings");
    if (s.specifyBinds) {
        for (qsizetype i = 0; i < s.binds.size(); ++i) {
            const BindRow& row = s.binds[i];
            if (row.key.isEmpty() || row.command.isEmpty())
                continue;
            out.line("bind \"" + encodeText(row.key) + "\" \"" + encodeText(row.command) + '"',
                out.at("ListView3", i));
        }
    }
    out.blank();
}

void writePlayer(ScriptWriter& out, const ExecSettings& s)
{
    out.block(SettingsTab::Player);
    out.line("//Player Setup");
    if (s.playerSetup) {
        // A name that no console line can hold is left out: the pre-launch check names it.
        if (const ConsoleForm name = typedForm(s.playerName); name.text)
            out.line("name " + *name.text, out.at("Edit2"));
        if (const ConsoleForm skin = skinForm(s); skin.text)
            out.line("skin " + *skin.text, out.at(s.model.isEmpty() ? "ComboBox2" : "ComboBox3"));
        if (const char* hand = handLine(s.hand))
            out.line(hand, out.at("ComboBox4"));
        if (const char* crosshair = crosshairLine(s.crosshair))
            out.line(crosshair, out.at("ComboBox5"));
    }
    if (s.maxFps)
        out.line("cl_maxfps " + QByteArray::number(s.fps), out.at("SpinEdit2"));
    if (const ConsoleForm sensitivity = plainForm(s.sensitivityText); s.sensitivity && sensitivity.text)
        out.line("sensitivity " + *sensitivity.text, out.at("Edit3"));
    out.set("lag", s.lag ? s.lagValue : 0, out.at(s.lag ? "SpinEdit1" : "CheckBox30"));
    out.set("lagvariance", s.lag ? s.lagVariance : 0, out.at(s.lag ? "SpinEdit4" : "CheckBox30"));
    out.blank();
}

void writeRocketArena(ScriptWriter& out, const ExecSettings& s)
{
    static constexpr const char* kOptions[5] = {
        "set mstart_auto ",
        "set noitems ",
        "set selfdamage ",
        "set healthprotect ",
        "set armorprotect ",
    };
    static constexpr const char* kWeapons[9] = {
        "set shotgun ",
        "set supershotgun ",
        "set machinegun ",
        "set chaingun ",
        "set grenadelauncher ",
        "set rocketlauncher ",
        "set hyperblaster ",
        "set railgun ",
        "set bfg ",
    };
    static constexpr const char* kStats[8] = {
        "set armor ",
        "set health ",
        "set shells ",
        "set bullets ",
        "set slugs ",
        "set grenades ",
        "set rockets ",
        "set cells ",
    };
    // The options, weapons and stats are CheckBox36 to CheckBox49 and SpinEdit6 to
    // SpinEdit13, in this order.
    static constexpr const char* kControls[22] = {
        "CheckBox36",
        "CheckBox37",
        "CheckBox38",
        "CheckBox39",
        "CheckBox40",
        "CheckBox41",
        "CheckBox42",
        "CheckBox43",
        "CheckBox44",
        "CheckBox45",
        "CheckBox46",
        "CheckBox47",
        "CheckBox48",
        "CheckBox49",
        "SpinEdit6",
        "SpinEdit7",
        "SpinEdit8",
        "SpinEdit9",
        "SpinEdit10",
        "SpinEdit11",
        "SpinEdit12",
        "SpinEdit13",
    };
    std::size_t control = 0;
    for (std::size_t i = 0; i < s.raOptions.size(); ++i)
        out.line(kOptions[i] + boolDigit(s.raOptions[i]), out.at(kControls[control++]));
    for (std::size_t i = 0; i < s.raWeapons.size(); ++i)
        out.line(kWeapons[i] + boolDigit(s.raWeapons[i]), out.at(kControls[control++]));
    for (std::size_t i = 0; i < s.raStats.size(); ++i)
        out.line(kStats[i] + QByteArray::number(s.raStats[i]), out.at(kControls[control++]));
}

void writeMod(ScriptWriter& out, const ExecSettings& s)
{
    out.block(SettingsTab::Game);
    out.line("set deathmatch 1");
    out.blank();
    switch (s.mod) {
    case ModChoice::CaptureTheFlag:
        out.line("set ctf 1", out.at("RadioButton4"));
        out.blank();
        if (s.ctfAutoAssign)
            out.line("set botctfteam 0", out.at("RadioButton6"));
        if (s.ctfForceTeam) {
            if (s.ctfRed)
                out.line("set botctfteam 1", out.at("CheckBox34"));
            if (s.ctfBlue)
                out.line("set botctfteam 2", out.at("CheckBox35"));
        }
        out.blank();
        break;
    case ModChoice::RocketArena:
        out.line("set rocketarena 1", out.at("RadioButton5"));
        out.blank();
        writeRocketArena(out, s);
        out.blank();
        break;
    case ModChoice::Xatrix:
        out.line("set xatrix 1", out.at("RadioButton8"));
        out.blank();
        break;
    case ModChoice::Rogue:
        out.line("set rogue 1", out.at("RadioButton9"));
        out.blank();
        break;
    case ModChoice::None:
    case ModChoice::Deathmatch:
        break;
    }
    out.blank();
}

void writeMap(ScriptWriter& out, const ExecSettings& s)
{
    out.block(SettingsTab::Map);
    out.line("//Map to play on");
    // Entries that could end the quotes or start a command of their own name no map.
    const QList<QByteArray> rotation = writtenRotationEntries(s.rotationEntries);
    if (s.rotation && !rotation.isEmpty()) {
        QByteArray list = "set sv_maplist \"";
        for (const QByteArray& entry : rotation) {
            list += entry;
            list += ' ';
        }
        list += '"';
        out.line(list, out.at("ListBox3"));
        out.line("map " + rotation.first(), out.at("ListBox3", s.rotationEntries.indexOf(rotation.first())));
    } else {
        const bool named = s.selectedMap && isConsoleSafe(*s.selectedMap);
        out.line(
            "map " + (named ? encodeText(*s.selectedMap) : QByteArrayLiteral("q2dm1")), out.at("ListView2"));
    }
    out.blank();
}

void writeBots(ScriptWriter& out, const ExecSettings& s)
{
    out.block(SettingsTab::BotCfg);
    out.line("//Bot Settings");
    out.line("set nochat " + boolDigit(s.noChat), out.at("CheckBox20"));
    out.blank();
    out.line("alias bigwait \"wait;wait;wait;wait;wait;wait;wait;wait;wait;wait\"");
    out.line("bigwait;bigwait;bigwait;bigwait;bigwait;bigwait;bigwait;bigwait;bigwait;bigwait");
    out.blank();
    for (qsizetype i = 0; i < s.selectedBotLines.size(); ++i) {
        out.line(s.selectedBotLines[i], out.at("ListView1", i));
        out.line("wait", out.at("ListView1", i));
    }
    out.blank();
}

void writeDemo(ScriptWriter& out, const ExecSettings& s, const InstallPaths& paths)
{
    out.block(SettingsTab::Misc);
    out.line("//Demo Options");
    if (s.recordDemo && !s.demoName.isEmpty()) {
        if (const ConsoleForm name = demoForm(s, paths); name.text)
            out.line("record " + *name.text, out.at("Edit1"));
    }
}

} // namespace

QString demoNameToUse(const QString& base, bool sequential, const InstallPaths& paths)
{
    if (!sequential)
        return base;
    // The game creates the file when it records, in whichever of these folders the
    // installation uses; we only look for a name that is free in all of them.
    const QStringList dirs = demoDirectories(paths.quake2Dir, paths.gameDirName);
    auto taken = [&dirs](const QString& name) {
        for (const QString& dir : dirs) {
            if (QFileInfo::exists(dir + QLatin1Char('/') + name + QStringLiteral(".dm2")))
                return true;
        }
        return false;
    };
    QString candidate = base;
    for (qint64 n = 2; taken(candidate); ++n)
        candidate = base + QString::number(n);
    return candidate;
}

QByteArray generateExecFile(
    const ExecSettings& settings, const InstallPaths& paths, QList<ExecLineOrigin>* origins)
{
    if (origins)
        origins->clear();
    ScriptWriter out(origins);
    writeServerSettings(out, settings);
    writeAdditional(out, settings, paths);
    writeBinds(out, settings);
    writePlayer(out, settings);
    writeMod(out, settings);
    writeMap(out, settings);
    writeBots(out, settings);
    writeDemo(out, settings, paths);
    return out.take();
}

QString rotationEntryRefusal(const QByteArray& entry)
{
    if (!isConsoleSafe(entry))
        return tr("it holds \";\", a double quote or a control character, which would break the map list");
    return nameRefusal(decodeText(entry), NameUse::BelowDirectory);
}

QList<QByteArray> writtenRotationEntries(const QList<QByteArray>& entries)
{
    QList<QByteArray> written;
    written.reserve(entries.size());
    for (const QByteArray& entry : entries) {
        if (rotationEntryRefusal(entry).isEmpty())
            written.append(entry);
    }
    return written;
}

QString leftOutRotationMessage(const QList<QByteArray>& entries)
{
    QStringList unsafe;
    QString outside;
    for (const QByteArray& entry : entries) {
        const QString name = decodeText(entry);
        if (!isConsoleSafe(entry))
            unsafe.append(name);
        else if (const QString refusal = nameRefusal(name, NameUse::BelowDirectory); !refusal.isEmpty())
            outside += QLatin1Char('\n') + tr("%1: %2").arg(printableName(name), refusal);
    }
    QStringList parts;
    if (!unsafe.isEmpty())
        parts.append(leftOutMessage(tr("These rotation entries are left out of the exec file:"), unsafe));
    if (!outside.isEmpty())
        parts.append(tr("These rotation entries are left out of the exec file, since the engine would follow "
                        "them out of its directories:")
            + outside);
    return parts.join(QStringLiteral("\n\n"));
}

QList<LeftOutValue> leftOutValues(const ExecSettings& s, const InstallPaths& paths)
{
    const struct {
        bool used;
        const char* what;
        QString value;
        std::function<ConsoleForm()> form;
    } values[] = {
        { true, QT_TRANSLATE_NOOP("ExecFile", "The deathmatch flags"), s.dmflags,
            [&] { return plainForm(s.dmflags); } },
        { s.playerSetup, QT_TRANSLATE_NOOP("ExecFile", "The player name"), s.playerName,
            [&] { return typedForm(s.playerName); } },
        { s.playerSetup, QT_TRANSLATE_NOOP("ExecFile", "The player skin"),
            s.model + QLatin1Char('/') + s.skin, [&] { return skinForm(s); } },
        { s.sensitivity, QT_TRANSLATE_NOOP("ExecFile", "The mouse sensitivity"), s.sensitivityText,
            [&] { return plainForm(s.sensitivityText); } },
        { s.extraCfg && !s.extraCfgName.isEmpty(),
            QT_TRANSLATE_NOOP("ExecFile", "The extra config file name"), s.extraCfgName,
            [&] { return extraCfgForm(s, paths); } },
        { s.recordDemo && !s.demoName.isEmpty(), QT_TRANSLATE_NOOP("ExecFile", "The demo name"), s.demoName,
            [&] { return demoForm(s, paths); } },
    };
    QList<LeftOutValue> leftOut;
    for (const auto& v : values) {
        if (!v.used)
            continue;
        if (const ConsoleForm form = v.form(); !form.text)
            leftOut.append({ tr(v.what), v.value, form.reason });
    }
    return leftOut;
}

void writeExecFile(const ExecSettings& settings, const InstallPaths& paths)
{
    writeExecFile(generateExecFile(settings, paths), paths);
}

void writeExecFile(const QByteArray& script, const InstallPaths& paths)
{
    const QString path = paths.inLauncherDir(execFileName());
    QString reason;
    if (!writeFileAtomically(path, script, &reason))
        throw UserError(cannotCreateFileMessage(path, reason));
}

} // namespace tk
