// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/execfile.h"

#include "app/core/consoletext.h"
#include "app/core/fileutil.h"
#include "app/core/textcodec.h"
#include "app/core/usererror.h"
#include "launch/core/consolebuffer.h"
#include "launch/core/consolecvars.h"
#include "launch/core/consolekeys.h"
#include "launch/core/consolenames.h"
#include "launch/core/consolequote.h"
#include "launch/core/engine.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLatin1StringView>
#include <functional>

namespace tk {

namespace {

// Collects the lines of the script, each followed by CR LF, and, when asked, where each
// line comes from: a line names its setting (and another tab, where it is another's);
// otherwise it belongs to the block being written.
class ScriptWriter {
public:
    explicit ScriptWriter(QList<ExecLineOrigin>* origins)
        : m_origins(origins)
    {
        m_data.reserve(2048);
    }

    void block(SettingsTab tab) { m_tab = tab; }
    ExecLineOrigin here() const { return { m_tab, {}, {}, -1 }; }
    ExecLineOrigin at(const char* section, const char* key, qsizetype item = -1) const
    {
        return { m_tab, QLatin1StringView(section), QLatin1StringView(key), item };
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

// The translation context of this file's texts.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ExecFile)
};

// A command as it goes into the script, or why it is left out.
struct ConsoleForm {
    std::optional<QByteArray> text;
    QString reason;
};

ConsoleForm refused(QString reason)
{
    return { std::nullopt, std::move(reason) };
}

QString wordProblemReason(console::WordProblem problem)
{
    switch (problem) {
    case console::WordProblem::DoubleQuote:
        return Texts::tr("it holds a double quote, which would end its value early");
    case console::WordProblem::LineEnd:
        return Texts::tr("it holds a line break, which would end its command");
    case console::WordProblem::TooLong:
    case console::WordProblem::None:
        break;
    }
    return Texts::tr("its command would pass the 1,023 bytes the engine runs of a command");
}

// The command prefix + the values, each as one word the engine reads back byte for byte.
ConsoleForm commandOf(QByteArray prefix, std::initializer_list<QByteArrayView> values,
    console::Quoting quoting = console::Quoting::WhenNeeded)
{
    for (const QByteArrayView value : values) {
        const console::WordForm word = console::oneWord(value, quoting);
        if (!word.ok())
            return refused(wordProblemReason(word.problem));
        if (!prefix.endsWith(' '))
            prefix += ' ';
        prefix += word.text;
    }
    // The engine runs the first 1,023 bytes of a command; the CR of the line end may go.
    if (prefix.size() > console::kCommandLimit)
        return refused(wordProblemReason(console::WordProblem::TooLong));
    return { std::move(prefix), {} };
}

// A player name or skin: the engine's userinfo must take it as it is.
ConsoleForm userInfoCommand(const char* command, const QByteArray& value)
{
    switch (console::userInfoValue(value).problem) {
    case console::UserInfoProblem::Refused:
        return refused(
            Texts::tr("the engine refuses a player name or skin that holds \"\\\", \";\" or a double quote"));
    case console::UserInfoProblem::TooLong:
        return refused(
            Texts::tr("the engine sends no player name or skin of 64 bytes or more to the server"));
    case console::UserInfoProblem::Empty:
        return refused(Texts::tr("it is empty, and the engine sends no empty name to the server"));
    case console::UserInfoProblem::None:
        break;
    }
    return commandOf(command, { value });
}

// A file the engine finds below its game directories.
QString engineFileRefusal(const QString& name)
{
    return nameRefusal(name, NameUse::BelowDirectory);
}

ConsoleForm skinCommand(const ExecSettings& s)
{
    if (s.model.isEmpty() || s.skin.isEmpty())
        return { QByteArrayLiteral("skin male/grunt"), {} };
    // The engine loads the skin from the folder of the model: a name from a profile must
    // not lead it elsewhere.
    for (const QString& part : { s.model, s.skin }) {
        if (QString refusal = nameRefusal(part, NameUse::InDirectory); !refusal.isEmpty())
            return refused(std::move(refusal));
    }
    return userInfoCommand("skin", encodeText(s.model + QLatin1Char('/') + s.skin));
}

ConsoleForm nameCommand(const ExecSettings& s)
{
    return userInfoCommand("name", encodeText(s.playerName));
}

ConsoleForm dmflagsCommand(const ExecSettings& s)
{
    // A serverinfo value: the engine refuses the same characters as in a userinfo one.
    const QByteArray flags = encodeText(s.dmflags);
    if (!console::isInfoValue(flags))
        return refused(
            Texts::tr("the engine refuses a server setting that holds \"\\\", \";\" or a double quote"));
    return commandOf("set dmflags", { flags });
}

ConsoleForm sensitivityCommand(const ExecSettings& s)
{
    // An empty value would stop the mouse; the engine keeps its own instead.
    if (s.sensitivityText.isEmpty())
        return refused(Texts::tr("it is empty"));
    return commandOf("sensitivity", { encodeText(s.sensitivityText) });
}

ConsoleForm extraCfgCommand(const ExecSettings& s, const InstallPaths& paths)
{
    // The engine looks the name up as given; a profile from Windows may name it in other
    // letter case.
    const QString name = existingFileName(paths.launcherDir, s.extraCfgName);
    if (QString refusal = engineFileRefusal(name); !refusal.isEmpty())
        return refused(std::move(refusal));
    const QByteArray bytes = encodeText(name);
    if (bytes.size() > console::kExecNameLimit)
        return refused(Texts::tr("the engine looks up only the first 63 bytes of a script's name"));
    return commandOf("exec", { bytes });
}

ConsoleForm demoCommand(const ExecSettings& s, const InstallPaths& paths)
{
    // The base decides: a number after it leads nowhere else. The engine records into
    // "demos/" + the name, so leading slashes lead nowhere else either.
    if (QString refusal = engineFileRefusal(QStringLiteral("demos/") + s.demoName); !refusal.isEmpty())
        return refused(std::move(refusal));
    const QByteArray name = encodeText(demoNameToUse(s.demoName, s.sequentialDemo, paths));
    switch (console::recordNameProblem(name)) {
    case console::RecordNameProblem::DotDot:
        return refused(Texts::tr("the engine makes no folders for a demo name that holds \"..\""));
    case console::RecordNameProblem::TooLong:
        return refused(Texts::tr("a file or folder name in it would be longer than 255 bytes"));
    case console::RecordNameProblem::Empty:
    case console::RecordNameProblem::None:
        break;
    }
    return commandOf("record", { name });
}

QString bindKeyRefusal(const QByteArray& key)
{
    switch (console::bindKeyProblem(key)) {
    case console::BindKeyProblem::SpecialKey:
        return Texts::tr("the engine keeps this key for its menu and console: it cannot be bound");
    case console::BindKeyProblem::NotAKey:
    case console::BindKeyProblem::OutsideKeyTable:
        return Texts::tr("the engine knows no key of this name");
    case console::BindKeyProblem::None:
        break;
    }
    return {};
}

// The key and the command each as one quoted word: bind joins the words after the key,
// so only one word keeps the command's blanks, ";" and "$" as typed.
ConsoleForm bindCommand(const BindRow& row)
{
    const QByteArray key = encodeText(row.key);
    if (QString refusal = bindKeyRefusal(key); !refusal.isEmpty())
        return refused(std::move(refusal));
    return commandOf("bind", { key, encodeText(row.command) }, console::Quoting::Always);
}

// The map command reads a name up to "+" as the map and the rest as the next one, up to
// "$" as the map and the rest as its start spot, and drops a leading "*".
QString mapNameRefusal(const QByteArray& name)
{
    if (name.contains('+') || name.contains('$') || name.startsWith('*'))
        return Texts::tr("the map command reads \"+\", \"$\" and a leading \"*\" as settings of their own");
    return {};
}

ConsoleForm mapCommand(const QByteArray& name)
{
    if (QString refusal = mapNameRefusal(name); !refusal.isEmpty())
        return refused(std::move(refusal));
    return commandOf("map", { name });
}

// The rotation's first map, when the rotation takes over from the selected map.
std::optional<QByteArray> firstRotationMap(const ExecSettings& s)
{
    if (!s.rotation)
        return std::nullopt;
    // An empty entry adds nothing to the list, nor does it name a map.
    for (const QByteArray& entry : writtenRotationEntries(s.rotationEntries)) {
        if (!entry.isEmpty())
            return entry;
    }
    return std::nullopt;
}

// The map line for the selected map; the caller starts q2dm1 without one.
ConsoleForm selectedMapCommand(const ExecSettings& s)
{
    if (!s.selectedMap)
        return refused({});
    const QByteArray name = encodeText(*s.selectedMap);
    // A name from a profile that got past the map list's own rule.
    if (!isConsoleSafe(name))
        return refused(Texts::tr("it holds \";\", a double quote or a control character"));
    return mapCommand(name);
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
    if (const ConsoleForm flags = dmflagsCommand(s); flags.text)
        out.line(*flags.text, out.at("ServerOptions", "DMFlags"));
    // The server's size and limits are the Game tab's.
    const auto game = [](const char* key) {
        return ExecLineOrigin { SettingsTab::Game, QLatin1StringView("ServerOptions"), QLatin1StringView(key),
            -1 };
    };
    out.set("maxclients", s.maxclients, game("MaxClients"));
    out.set("fraglimit", s.fraglimit, game("FragLimit"));
    out.set("timelimit", s.timelimit, game("TimeLimit"));
    out.set("capturelimit", s.capturelimit, out.at("ServerOptions", "CaptureLimit"));
    out.line("set cheats " + boolDigit(s.cheats), game("Cheats"));
    out.set("minimumplayers", s.minPlayers ? s.minPlayersValue : 0,
        out.at("ServerOptions", s.minPlayers ? "MinPlayersVal" : "MinPlayers"));
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
        out.line(encodeText(l), out.at("Additional", "Count", memoLine++));
    out.blank();
    out.line("//Additional Exec. File");
    if (s.extraCfg && !s.extraCfgName.isEmpty()) {
        if (const ConsoleForm exec = extraCfgCommand(s, paths); exec.text)
            out.line(*exec.text, out.at("Misc", "ExtraCfgName"));
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
            if (const ConsoleForm bind = bindCommand(row); bind.text)
                out.line(*bind.text, out.at("Binds", "Count", i));
        }
    }
    out.blank();
}

void writePlayer(ScriptWriter& out, const ExecSettings& s)
{
    out.block(SettingsTab::Player);
    out.line("//Player Setup");
    if (s.playerSetup) {
        // A name the engine would not read back as it is is left out: the pre-launch check
        // names it.
        if (const ConsoleForm name = nameCommand(s); name.text)
            out.line(*name.text, out.at("Player", "Name"));
        if (const ConsoleForm skin = skinCommand(s); skin.text)
            out.line(*skin.text, out.at("Player", s.model.isEmpty() ? "Model" : "Skin"));
        if (const char* hand = handLine(s.hand))
            out.line(hand, out.at("Player", "Hand"));
        if (const char* crosshair = crosshairLine(s.crosshair))
            out.line(crosshair, out.at("Player", "Crosshair"));
    }
    if (s.maxFps)
        out.line("cl_maxfps " + QByteArray::number(s.fps), out.at("Player", "FPS"));
    if (const ConsoleForm sensitivity = sensitivityCommand(s); s.sensitivity && sensitivity.text)
        out.line(*sensitivity.text, out.at("Player", "Sens"));
    out.set("lag", s.lag ? s.lagValue : 0, out.at("Player", s.lag ? "LagVal" : "LagEnabled"));
    out.set("lagvariance", s.lag ? s.lagVariance : 0, out.at("Player", s.lag ? "LagVar" : "LagEnabled"));
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
    // Their keys in the "RA" section, in this order.
    static constexpr const char* kKeys[22] = { "o1", "o2", "o3", "o4", "o5", "w1", "w2", "w3", "w4", "w5",
        "w6", "w7", "w8", "w9", "l1", "l2", "l3", "l4", "l5", "l6", "l7", "l8" };
    std::size_t key = 0;
    for (std::size_t i = 0; i < s.raOptions.size(); ++i)
        out.line(kOptions[i] + boolDigit(s.raOptions[i]), out.at("RA", kKeys[key++]));
    for (std::size_t i = 0; i < s.raWeapons.size(); ++i)
        out.line(kWeapons[i] + boolDigit(s.raWeapons[i]), out.at("RA", kKeys[key++]));
    for (std::size_t i = 0; i < s.raStats.size(); ++i)
        out.line(kStats[i] + QByteArray::number(s.raStats[i]), out.at("RA", kKeys[key++]));
}

void writeMod(ScriptWriter& out, const ExecSettings& s)
{
    out.block(SettingsTab::Game);
    out.line("set deathmatch 1");
    out.blank();
    switch (s.mod) {
    case ModChoice::CaptureTheFlag:
        out.line("set ctf 1", out.at("GameMod", "CTF"));
        out.blank();
        if (s.ctfAutoAssign)
            out.line("set botctfteam 0", out.at("CTF", "t1"));
        if (s.ctfForceTeam) {
            if (s.ctfRed)
                out.line("set botctfteam 1", out.at("CTF", "t3"));
            if (s.ctfBlue)
                out.line("set botctfteam 2", out.at("CTF", "t4"));
        }
        out.blank();
        break;
    case ModChoice::RocketArena:
        out.line("set rocketarena 1", out.at("GameMod", "RA"));
        out.blank();
        writeRocketArena(out, s);
        out.blank();
        break;
    case ModChoice::Xatrix:
        out.line("set xatrix 1", out.at("GameMod", "XATRIX"));
        out.blank();
        break;
    case ModChoice::Rogue:
        out.line("set rogue 1", out.at("GameMod", "ROGUE"));
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
    if (const std::optional<QByteArray> first = firstRotationMap(s)) {
        QByteArray list = "set sv_maplist \"";
        for (const QByteArray& entry : writtenRotationEntries(s.rotationEntries)) {
            list += entry;
            list += ' ';
        }
        list += '"';
        out.line(list, out.at("MapControl", "RotationFile"));
        // Written entries stand as map names; one with bytes from 0x80 needs quotes here.
        out.line(mapCommand(*first).text.value_or("map " + *first),
            out.at("MapControl", "RotationFile", s.rotationEntries.indexOf(*first)));
    } else {
        out.line(selectedMapCommand(s).text.value_or(QByteArrayLiteral("map q2dm1")),
            out.at("MapControl", "Selected"));
    }
    out.blank();
}

void writeBots(ScriptWriter& out, const ExecSettings& s)
{
    out.block(SettingsTab::BotCfg);
    out.line("//Bot Settings");
    out.line("set nochat " + boolDigit(s.noChat), out.at("BotOptions", "NoChat"));
    out.blank();
    out.line("alias bigwait \"wait;wait;wait;wait;wait;wait;wait;wait;wait;wait\"");
    out.line("bigwait;bigwait;bigwait;bigwait;bigwait;bigwait;bigwait;bigwait;bigwait;bigwait");
    out.blank();
    for (qsizetype i = 0; i < s.selectedBotLines.size(); ++i) {
        out.line(s.selectedBotLines[i], out.at("SelectedBots", "Count", i));
        out.line("wait", out.at("SelectedBots", "Count", i));
    }
    out.blank();
}

void writeDemo(ScriptWriter& out, const ExecSettings& s, const InstallPaths& paths)
{
    out.block(SettingsTab::Misc);
    out.line("//Demo Options");
    if (s.recordDemo && !s.demoName.isEmpty()) {
        if (const ConsoleForm record = demoCommand(s, paths); record.text)
            out.line(*record.text, out.at("Demo", "DemoName"));
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
        return Texts::tr(
            "it holds \";\", a double quote or a control character, which would break the map list");
    // The game takes the list apart at blanks and commas.
    if (entry.contains(' ') || entry.contains(','))
        return Texts::tr("it holds a blank or a comma, where the game splits the map list");
    if (QString refusal = nameRefusal(decodeText(entry), NameUse::BelowDirectory); !refusal.isEmpty())
        return refusal;
    return mapNameRefusal(entry);
}

QStringList rotationRefusals(const QList<QByteArray>& entries)
{
    QStringList refusals;
    refusals.reserve(entries.size());
    // "set sv_maplist " and the two quotes; each entry adds itself and a blank.
    qsizetype length = 17;
    bool full = false;
    for (const QByteArray& entry : entries) {
        QString refusal = rotationEntryRefusal(entry);
        if (refusal.isEmpty()) {
            full = full || length + entry.size() + 1 > console::kCommandLimit;
            if (full)
                refusal = Texts::tr("the map list would pass the 1,023 bytes the engine runs of a command");
            else
                length += entry.size() + 1;
        }
        refusals.append(refusal);
    }
    return refusals;
}

QList<QByteArray> writtenRotationEntries(const QList<QByteArray>& entries)
{
    const QStringList refusals = rotationRefusals(entries);
    QList<QByteArray> written;
    written.reserve(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (refusals[i].isEmpty())
            written.append(entries[i]);
    }
    return written;
}

QString leftOutRotationMessage(const QList<QByteArray>& entries, const QStringList& refusals)
{
    QStringList unsafe;
    QString others;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString name = decodeText(entries[i]);
        if (!isConsoleSafe(entries[i]))
            unsafe.append(name);
        else if (!refusals.value(i).isEmpty())
            others += QLatin1Char('\n') + Texts::tr("%1: %2").arg(printableName(name), refusals[i]);
    }
    QStringList parts;
    if (!unsafe.isEmpty())
        parts.append(
            leftOutMessage(Texts::tr("These rotation entries are left out of the exec file:"), unsafe));
    if (!others.isEmpty())
        parts.append(
            Texts::tr("These rotation entries are left out of the exec file, since the engine would not "
                      "take them as the maps they name:")
            + others);
    return parts.join(QStringLiteral("\n\n"));
}

QString leftOutRotationMessage(const QList<QByteArray>& entries)
{
    return leftOutRotationMessage(entries, rotationRefusals(entries));
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
            [&] { return dmflagsCommand(s); } },
        { s.playerSetup, QT_TRANSLATE_NOOP("ExecFile", "The player name"), s.playerName,
            [&] { return nameCommand(s); } },
        { s.playerSetup, QT_TRANSLATE_NOOP("ExecFile", "The player skin"),
            s.model + QLatin1Char('/') + s.skin, [&] { return skinCommand(s); } },
        { s.sensitivity, QT_TRANSLATE_NOOP("ExecFile", "The mouse sensitivity"), s.sensitivityText,
            [&] { return sensitivityCommand(s); } },
        { s.extraCfg && !s.extraCfgName.isEmpty(),
            QT_TRANSLATE_NOOP("ExecFile", "The extra config file name"), s.extraCfgName,
            [&] { return extraCfgCommand(s, paths); } },
        { s.recordDemo && !s.demoName.isEmpty(), QT_TRANSLATE_NOOP("ExecFile", "The demo name"), s.demoName,
            [&] { return demoCommand(s, paths); } },
        // The fallback map starts instead.
        { s.selectedMap && !firstRotationMap(s), QT_TRANSLATE_NOOP("ExecFile", "The selected map"),
            s.selectedMap.value_or(QString()), [&] { return selectedMapCommand(s); } },
    };
    QList<LeftOutValue> leftOut;
    for (const auto& v : values) {
        if (!v.used)
            continue;
        if (const ConsoleForm form = v.form(); !form.text)
            leftOut.append({ Texts::tr(v.what), v.value, form.reason });
    }
    if (!s.specifyBinds)
        return leftOut;
    for (const BindRow& row : s.binds) {
        if (row.key.isEmpty() || row.command.isEmpty())
            continue;
        const ConsoleForm bind = bindCommand(row);
        if (bind.text)
            continue;
        const QByteArray key = encodeText(row.key);
        if (!bindKeyRefusal(key).isEmpty() || !console::oneWord(key, console::Quoting::Always).ok())
            leftOut.append({ Texts::tr("The bind key"), row.key, bind.reason });
        else
            leftOut.append({ Texts::tr("The command bound to %1").arg(row.key), row.command, bind.reason });
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
