// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/prelaunchcheck.h"

#include "app/core/consoletext.h"
#include "app/core/fileutil.h"
#include "app/core/textcodec.h"
#include "bots/core/botlist.h"
#include "launch/core/consolebuffer.h"
#include "launch/core/consolerun.h"
#include "launch/core/consolewords.h"
#include "launch/core/engine.h"
#include "launch/core/execfile.h"
#include "launch/core/gamecontent.h"
#include "launch/core/gamestart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <cstdlib>

namespace tk {

namespace {

namespace step = console::step;

// The translation context of this file's texts.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PreLaunchCheck)
};

QString number(qsizetype n)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(qlonglong(n));
}

// A line as a message shows it: control characters drawn, a long one shortened.
QString shownLine(const QByteArray& line)
{
    constexpr qsizetype kShown = 60;
    QString text = printableName(decodeText(line));
    if (text.size() > kShown)
        text = text.left(kShown - 3) + QStringLiteral("...");
    return text;
}

// The exec file as the engine's console runs it for the command line's "+exec tark.cfg".
console::ConsoleRun runScript(const QByteArray& execFile, GameContent& content)
{
    const QByteArray own = encodeText(execFileName());
    console::ConsoleFiles files;
    files.read = [own, &execFile, &content](const QByteArray& name) -> std::optional<QByteArray> {
        if (name == own)
            return execFile;
        return scriptAsTheEngineFinds(name, content);
    };
    console::ConsoleRun run(console::CvarTable::engineDefaults(), files);
    run.run("exec " + own + '\n');
    return run;
}

void checkBuffer(const QByteArray& execFile, const console::ConsoleRun& run, QList<LaunchFinding>& findings)
{
    bool first = true;
    qsizetype fileSize = 0;
    for (const console::ConsoleStep& s : run.steps()) {
        if (const auto* loaded = std::get_if<step::FileLoaded>(&s))
            fileSize = loaded->size;
        const auto* inserted = std::get_if<step::TextInserted>(&s);
        if (!inserted || inserted->source != step::TextInserted::Source::Exec)
            continue;
        const bool own = std::exchange(first, false);
        if (inserted->result == console::InsertResult::Dropped && own) {
            findings.append({ LaunchFinding::Kind::ScriptTooLarge,
                Texts::tr(
                    "The exec file is %1 bytes long. The engine's buffer of %2 bytes takes a script of at "
                    "most %3 bytes with the line end it adds, so not one of its lines would run. Select "
                    "fewer bots or shorten the additional commands.")
                    .arg(number(execFile.size()), number(console::kBufferSize),
                        number(console::kBufferSize - 2)) });
        } else if (inserted->result == console::InsertResult::Dropped) {
            findings.append({ LaunchFinding::Kind::ScriptOverflow,
                Texts::tr(
                    "%1 is too long for the engine's buffer of %2 bytes, which takes a script of at most %3 "
                    "bytes: the engine drops it whole, and not one of its lines runs.")
                    .arg(printableName(decodeText(inserted->name)), number(console::kBufferSize),
                        number(console::kBufferSize - 2)) });
        } else if (inserted->result == console::InsertResult::Fatal
            && inserted->name == execFileName().toUtf8()) {
            findings.append({ LaunchFinding::Kind::ScriptOverflow,
                Texts::tr(
                    "The exec file runs itself (\"exec tark.cfg\") again and again, each time in front of "
                    "what is still waiting to run, until the engine's buffer of %1 bytes overflows: the "
                    "engine stops with a fatal error and the game ends.")
                    .arg(number(console::kBufferSize)) });
            return;
        } else if (inserted->result == console::InsertResult::Fatal) {
            findings.append({ LaunchFinding::Kind::ScriptOverflow,
                Texts::tr(
                    "When the exec file runs \"exec %1\", the engine puts the %2 bytes of %1 in front of the "
                    "%3 bytes still waiting to run. Both do not fit into its buffer of %4 bytes: the engine "
                    "stops with a fatal error and the game ends. Shorten %1 or the exec file.")
                    .arg(printableName(decodeText(inserted->name)), number(fileSize),
                        number(inserted->waiting), number(console::kBufferSize)) });
            return;
        }
    }
}

std::optional<QByteArray> engineCvar(const QByteArray& name)
{
    static const console::CvarTable defaults = console::CvarTable::engineDefaults();
    return defaults.value(name);
}

// A line of quoted words alone, as the bot editor makes them, which runs as written: inside
// quotes nothing splits, expands or starts a comment.
bool isQuotedWordsOnly(QByteArrayView line)
{
    int words = 0;
    for (qsizetype i = 0; i < line.size();) {
        if (line[i] == ' ') {
            ++i;
            continue;
        }
        const qsizetype close = line[i] == '"' ? line.indexOf('"', i + 1) : -1;
        if (close < 0 || line.sliced(i, close - i).contains('\0') || ++words > console::kWordCount)
            return false;
        i = close + 1;
        if (i < line.size() && line[i] != ' ')
            return false;
    }
    // With the CR of its line end it stays within what the engine runs of a command.
    return line.size() < console::kCommandLimit;
}

// What the engine does with a line that the player typed (oneCommand: a bot line, which
// is one addbot command) other than run it as written; empty when it runs as written.
// In the additional commands ";" and "//" are the console's own syntax and run as the
// player wrote them.
QStringList typedLineNotes(QByteArray line, bool cutByProfile, bool oneCommand)
{
    if (!cutByProfile && isQuotedWordsOnly(line))
        return {};
    QStringList notes;
    if (cutByProfile)
        notes.append(Texts::tr(
            "the profile holds a longer line, of which the launcher read the first 1,023 characters"));
    if (const qsizetype nul = line.indexOf('\0'); nul >= 0) {
        notes.append(
            Texts::tr("the engine reads the exec file only up to its NUL byte: nothing after it runs"));
        line.truncate(nul);
    }
    QStringList expanded;
    int running = 0;
    // The line ends in CR LF in the exec file; the CR belongs to its last command.
    for (const console::Command& command : console::commandsOf(line + '\r')) {
        const bool cut = command.isCut() && !command.text.sliced(console::kCommandLimit).trimmed().isEmpty();
        if (cut)
            notes.append(Texts::tr("a command of %1 bytes, of which the engine runs the first 1,023")
                             .arg(number(command.text.size() - (command.text.endsWith('\r') ? 1 : 0))));
        const console::Words w = console::wordsOf(command.kept(), engineCvar);
        switch (w.discard) {
        case console::Discard::UnmatchedQuote:
            notes.append(cut
                    ? Texts::tr("the cut drops a closing double quote, so the engine discards the command")
                    : Texts::tr("a double quote without its pair, so the engine discards the command"));
            continue;
        case console::Discard::ExpansionLoop:
        case console::Discard::ExpandedTooLong:
        case console::Discard::LineTooLong:
            notes.append(Texts::tr("the engine discards a command: \"%1\"")
                             .arg(QString::fromLatin1(console::discardMessage(w.discard))));
            continue;
        case console::Discard::None:
            break;
        }
        for (const console::Expansion& e : w.expansions) {
            const QString name = QLatin1Char('$') + decodeText(e.name);
            if (!expanded.contains(name))
                expanded.append(name);
        }
        if (w.quotedWordOpen)
            notes.append(
                Texts::tr("a quoted word is not closed, and what the engine then runs is not defined"));
        if (w.wordsDropped)
            notes.append(Texts::tr("the engine keeps the first 80 words of a command"));
        if (w.wordEmptied)
            notes.append(Texts::tr("the engine empties a word of 1,024 bytes or more"));
        if (oneCommand && w.comment && !w.words.isEmpty())
            notes.append(Texts::tr("the engine takes what follows \"//\" for a comment"));
        running += !w.words.isEmpty();
    }
    if (!expanded.isEmpty())
        notes.append(
            Texts::tr("the engine replaces %1 by the value of the console variable of that name (nothing "
                      "when there is none)")
                .arg(expanded.join(QStringLiteral(", "))));
    if (oneCommand && running > 1)
        notes.append(Texts::tr("the engine runs it as %1 commands").arg(running));
    return notes;
}

// A bot line whose values hold double quotes: the engine's words against the values the
// bot list shows. A line of twelve quotes or fewer holds none in its values.
QString botValuesNote(const QByteArray& line)
{
    if (line.count('"') < 14)
        return {};
    const console::Words w = console::wordsOf(line.left(console::kCommandLimit), engineCvar);
    const BotLineFields f = parseBotLine(line);
    QStringList read;
    for (qsizetype i = 2; i < qMin<qsizetype>(w.words.size(), 6); ++i)
        read.append(QLatin1Char('"') + printableName(decodeText(w.words[i])) + QLatin1Char('"'));
    const QStringList shown { QLatin1Char('"') + printableName(f.name) + QLatin1Char('"'),
        QLatin1Char('"') + printableName(f.modelSkin) + QLatin1Char('"'),
        QLatin1Char('"') + printableName(f.profileFile) + QLatin1Char('"'),
        QLatin1Char('"') + printableName(f.profileName) + QLatin1Char('"') };
    if (w.discard != console::Discard::None || read == shown)
        return {};
    return Texts::tr("its values hold double quotes, so the engine reads them as %1")
        .arg(read.join(QStringLiteral(", ")));
}

void checkTypedLines(const ExecSettings& s, QList<LaunchFinding>& findings)
{
    const QStringList memo = s.additionalCommands.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < memo.size(); ++i) {
        const QByteArray line = encodeText(memo[i]);
        const QStringList notes = typedLineNotes(line, s.cutAdditionalLines.contains(i), false);
        if (!notes.isEmpty())
            findings.append({ LaunchFinding::Kind::TypedLineChanged,
                Texts::tr("Line %1 of the additional commands (\"%2\"): %3.")
                    .arg(QString::number(i + 1), shownLine(line), notes.join(QStringLiteral("; "))) });
    }
    for (const QByteArray& line : s.selectedBotLines) {
        QStringList notes = typedLineNotes(line, false, true);
        if (const QString values = botValuesNote(line); !values.isEmpty())
            notes.append(values);
        if (notes.isEmpty())
            continue;
        // The bot list shows the bot by its name; a line off the format by itself.
        const QString name = parseBotLine(line).name;
        const QString what = notes.join(QStringLiteral("; "));
        findings.append({ LaunchFinding::Kind::TypedLineChanged,
            name.isEmpty() ? Texts::tr("The bot line \"%1\": %2.").arg(shownLine(line), what)
                           : Texts::tr("The line of the bot %1: %2.").arg(printableName(name), what) });
    }
}

void checkValues(const ExecSettings& s, const InstallPaths& paths, QList<LaunchFinding>& findings)
{
    for (const LeftOutValue& v : leftOutValues(s, paths))
        findings.append({ LaunchFinding::Kind::UnwritableValue,
            Texts::tr("%1 \"%2\" is left out of the exec file: %3.")
                .arg(v.what, printableName(v.value), v.reason) });
}

// Where a command of the run comes from, as the player knows it.
struct Source {
    enum class Kind { Launcher, Additional, BotLine, Script };
    Kind kind = Kind::Launcher;
    qsizetype index = -1; // the memo line, the bot
    QByteArray name; // the script
    int line = 0; // in the exec file
    bool ownSetting() const { return kind != Kind::Launcher; }
    bool operator==(const Source&) const = default;
};

class Sources {
public:
    Sources(const ExecSettings& s, const QByteArray& execFile)
        : m_memoCount(s.additionalCommands.count(QLatin1Char('\n')) + 1)
        , m_bots(s.selectedBotLines)
    {
        // Only a script that runs has commands to tell apart.
        if (!console::scriptRuns(execFile.size()) && !execFile.contains('\0'))
            return;
        m_lines = execFile.split('\n');
        for (QByteArray& line : m_lines)
            line.chop(line.endsWith('\r') ? 1 : 0);
        // The memo follows its heading, the first line of the script the player cannot type.
        m_memoFirst = int(m_lines.indexOf("//Additional Parms.")) + 2;
    }

    Source of(const step::Origin& origin) const
    {
        if (origin.kind != step::Origin::Kind::Exec)
            return {};
        if (origin.name != encodeText(execFileName()))
            return { Source::Kind::Script, -1, origin.name, 0 };
        const int line = origin.line;
        if (m_memoFirst > 1 && line >= m_memoFirst && line < m_memoFirst + m_memoCount)
            return { Source::Kind::Additional, line - m_memoFirst, {}, line };
        if (const qsizetype bot = m_bots.indexOf(m_lines.value(line - 1)); bot >= 0)
            return { Source::Kind::BotLine, bot, {}, line };
        return { Source::Kind::Launcher, -1, {}, line };
    }

    QString describe(const Source& source) const
    {
        switch (source.kind) {
        case Source::Kind::Additional:
            return Texts::tr("Line %1 of the additional commands").arg(source.index + 1);
        case Source::Kind::BotLine:
            return Texts::tr("The line of the bot %1")
                .arg(printableName(parseBotLine(m_bots[source.index]).name));
        case Source::Kind::Script:
            return Texts::tr("The script %1").arg(printableName(decodeText(source.name)));
        case Source::Kind::Launcher:
            break;
        }
        return Texts::tr("Line %1 of the exec file").arg(source.line);
    }
    QString lineText(int line) const { return shownLine(m_lines.value(line - 1)); }

private:
    QList<QByteArray> m_lines;
    int m_memoFirst = 0;
    int m_memoCount = 0;
    QList<QByteArray> m_bots;
};

// Settings the map's start gives a value of its own, whatever the script set before.
QString mapStartReset(const QByteArray& cvar)
{
    // The game's world sets the gravity as it spawns; a deathmatch server clears the other
    // game modes.
    if (cvar == "sv_gravity")
        return Texts::tr("the map's start sets it to 800, or to the gravity the map asks for");
    if (cvar == "coop" || cvar == "singleplayer")
        return Texts::tr("a deathmatch server sets it to 0 as the map starts");
    return {};
}

// A cvar the run changed, and what changed it.
struct Change {
    QByteArray cvar;
    QByteArray value;
    Source source;
    bool beforeMap = true;
};

QList<Change> changesOf(const console::ConsoleRun& run, const Sources& sources)
{
    QList<Change> changes;
    Source current;
    bool mapStarted = false;
    for (const console::ConsoleStep& st : run.steps()) {
        if (const auto* taken = std::get_if<step::CommandTaken>(&st)) {
            // An alias or a vstr runs for the command that called it.
            if (taken->origin.kind == step::Origin::Kind::Exec
                || taken->origin.kind == step::Origin::Kind::Run)
                current = sources.of(taken->origin);
        } else if (const auto* changed = std::get_if<step::CvarChanged>(&st)) {
            // A latched change waits for a map that the script does not start again.
            if (!changed->change.latched)
                changes.append({ changed->change.name, changed->change.value, current, !mapStarted });
        } else if (std::holds_alternative<step::MapStarted>(st)) {
            mapStarted = true;
        }
    }
    return changes;
}

// Settings of the player's own (the additional commands, the scripts they run, the bot
// lines) that a later line of the exec file or the map's start sets again.
void checkSetAgain(const Sources& sources, const QList<Change>& changes, QList<LaunchFinding>& findings)
{
    QSet<QString> told;
    for (qsizetype i = 0; i < changes.size(); ++i) {
        const Change& c = changes[i];
        if (!c.source.ownSetting())
            continue;
        const auto next = std::find_if(changes.cbegin() + i + 1, changes.cend(),
            [&](const Change& later) { return later.cvar == c.cvar; });
        QString why;
        if (next != changes.cend() && !next->source.ownSetting())
            why = Texts::tr("line %1 of the exec file (\"%2\") sets it again later")
                      .arg(QString::number(next->source.line), sources.lineText(next->source.line));
        else if (next == changes.cend() && c.beforeMap)
            why = mapStartReset(c.cvar);
        const QString who = sources.describe(c.source);
        if (why.isEmpty() || told.contains(who + QLatin1Char('\n') + QString::fromUtf8(c.cvar)))
            continue;
        told.insert(who + QLatin1Char('\n') + QString::fromUtf8(c.cvar));
        findings.append({ LaunchFinding::Kind::SetAgain,
            Texts::tr("%1 sets %2 to \"%3\", but %4.")
                .arg(who, QString::fromUtf8(c.cvar), printableName(decodeText(c.value)), why) });
    }
}

// The places of a deathmatch server that the engine starts for maxclients: it puts the
// number into its range as it starts.
int engineClients(double maxclients)
{
    constexpr int kEngineMaxClients = 256;
    return maxclients <= 1 ? 8 : maxclients > kEngineMaxClients ? kEngineMaxClients : int(maxclients);
}

void checkBots(const ExecSettings& s, const QList<Change>& changes, QList<LaunchFinding>& findings)
{
    // The server takes the number as the script leaves it before the map, and a deathmatch
    // server puts it into its range as it starts.
    QByteArray set = QByteArray::number(s.maxclients);
    for (const Change& c : changes) {
        if (c.cvar == "maxclients" && c.beforeMap)
            set = c.value;
    }
    const double asSet = std::strtod(set.constData(), nullptr);
    const int clients = engineClients(asSet);
    if (clients != asSet)
        findings.append({ LaunchFinding::Kind::SetAgain,
            Texts::tr("Max. Clients is %1, but a deathmatch server starts with %2 places instead.")
                .arg(QString::fromUtf8(set), QString::number(clients)) });
    // The player takes a place before the bots join: in a listen server the set-aside lines
    // run once the player is in the game, in a dedicated one once the first player enters.
    const qsizetype room = clients - 1;
    if (s.selectedBotLines.size() <= room)
        return;
    findings.append({ LaunchFinding::Kind::TooManyBots,
        (s.dedicated
                ? Texts::tr(
                    "%1 bots are selected, but the server has room for %2: on a dedicated server the bots "
                    "join when the first player enters, who takes one of the %3 places first. The others "
                    "would not join.")
                      .arg(number(s.selectedBotLines.size()), number(room), number(clients))
                : Texts::tr("%1 bots are selected, but the server has room for %2 (max clients, less one for "
                            "you). The others would not join.")
                      .arg(number(s.selectedBotLines.size()), number(room))) });
}

bool writesBinds(const ExecSettings& s)
{
    return s.specifyBinds && std::any_of(s.binds.cbegin(), s.binds.cend(), [](const BindRow& row) {
        return !row.key.isEmpty() && !row.command.isEmpty();
    });
}

void checkDedicated(const ExecSettings& s, QList<LaunchFinding>& findings)
{
    if (!s.dedicated)
        return;
    QStringList ignored;
    if (s.recordDemo && !s.demoName.isEmpty())
        ignored.append(Texts::tr("\"Record a Demo\" (no demo is recorded)"));
    if (writesBinds(s))
        ignored.append(Texts::tr("the key binds"));
    if (s.playerSetup || s.maxFps || s.sensitivity)
        ignored.append(Texts::tr("the player set-up, the frame rate and the mouse sensitivity"));
    if (!ignored.isEmpty())
        findings.append({ LaunchFinding::Kind::DedicatedIgnores,
            Texts::tr("A dedicated server has no player of its own, so it ignores %1.")
                .arg(ignored.join(QStringLiteral("; "))) });
}

void checkBindKeys(const ExecSettings& s, QList<LaunchFinding>& findings)
{
    if (!writesBinds(s))
        return;
    QStringList keys;
    for (const BindRow& row : s.binds) {
        // A one-letter key is that byte, and the keyboard gives the engine lower-case letters.
        const bool upper
            = row.key.size() == 1 && row.key[0] >= QLatin1Char('A') && row.key[0] <= QLatin1Char('Z');
        if (upper && !row.command.isEmpty() && !keys.contains(row.key))
            keys.append(row.key);
    }
    for (const QString& key : keys)
        findings.append({ LaunchFinding::Kind::BindNeverFires,
            Texts::tr(
                "The bind on the key \"%1\" never fires: the keyboard gives the engine lower-case letters. "
                "Bind \"%2\" instead.")
                .arg(key, key.toLower()) });
}

void checkRotation(const ExecSettings& s, QList<LaunchFinding>& findings)
{
    if (!s.rotation)
        return;
    const QSet<QString> known(s.catalogueMaps.cbegin(), s.catalogueMaps.cend());
    QStringList unknown;
    for (const QByteArray& entry : writtenRotationEntries(s.rotationEntries)) {
        const QString name = decodeText(entry);
        if (!entry.isEmpty() && !known.contains(name) && !unknown.contains(name))
            unknown.append(name);
    }
    if (!unknown.isEmpty())
        findings.append({ LaunchFinding::Kind::RotationMapUnknown,
            Texts::tr(
                "The rotation names maps with no navigation file in the map list: %1. The bots cannot find "
                "their way on them.")
                .arg(unknown.join(QStringLiteral(", "))) });
    if (const QString leftOut = leftOutRotationMessage(s.rotationEntries); !leftOut.isEmpty())
        findings.append({ LaunchFinding::Kind::RotationEntryLeftOut, leftOut });
}

void checkExecutable(const ExecSettings& s, const InstallPaths& paths, QList<LaunchFinding>& findings)
{
    // A profile from someone else can name any program below the Quake2 directory.
    // An empty name is reported as a missing executable at launch.
    const QString path = QDir::cleanPath(executablePath(paths, executableToRun(paths, s.executable)));
    if (s.executable.isEmpty() || QFileInfo(path).absolutePath() == QDir::cleanPath(paths.quake2Dir))
        return;
    findings.append({ LaunchFinding::Kind::ExecutableElsewhere,
        Texts::tr(
            "The executable \"%1\" is not a file right in the Quake II directory. LAUNCH! would run %2.")
            .arg(s.executable, QDir::toNativeSeparators(path)) });
}

// The maps the exec file starts the match on or rotates to (see writeMap), each once.
QList<QByteArray> matchMaps(const ExecSettings& s)
{
    const QList<QByteArray> rotation = writtenRotationEntries(s.rotationEntries);
    if (!s.rotation || rotation.isEmpty())
        return { s.selectedMap && isConsoleSafe(*s.selectedMap) ? encodeText(*s.selectedMap)
                                                                : QByteArrayLiteral("q2dm1") };
    QList<QByteArray> maps;
    for (const QByteArray& entry : rotation) {
        if (!maps.contains(entry))
            maps.append(entry);
    }
    return maps;
}

// Where the launcher's own scripts stand on the engine's search path: its directory's
// loose files.
qsizetype launcherPlace(const GameContent& content, const InstallPaths& paths)
{
    const QString own = engineRealPath(paths.launcherDir);
    for (qsizetype i = 0; i < content.searchPath().size(); ++i) {
        const SearchPathEntry& place = content.searchPath()[i];
        if (place.kind == SearchPathEntry::Kind::Directory && engineRealPath(place.path) == own)
            return i;
    }
    return -1;
}

// What the game's own content does to the match: archives the engine refuses, scripts
// it finds before the launcher's own, and maps it cannot load.
void checkGameContent(
    const ExecSettings& s, const InstallPaths& paths, GameContent& content, QList<LaunchFinding>& findings)
{
    for (const QString& message : content.archivesTheEngineStopsAt())
        findings.append({ LaunchFinding::Kind::ArchiveRefused, message });

    QStringList scripts { execFileName() };
    if (s.extraCfg && !s.extraCfgName.isEmpty())
        scripts.append(s.extraCfgName);
    const qsizetype own = launcherPlace(content, paths);
    for (const QString& script : std::as_const(scripts)) {
        if (const std::optional<GameFile> found = content.find(encodeText(script), own))
            findings.append({ LaunchFinding::Kind::ScriptShadowed,
                QCoreApplication::translate("PreLaunchCheck",
                    "%1 would run instead of the %2 in the launcher's directory: the engine finds it "
                    "first. Delete or rename it.")
                    .arg(content.describe(*found), script) });
    }

    // Without any map in sight the game's data lies where the launcher cannot see it.
    if (!content.holdsMaps())
        return;
    QStringList missing;
    for (const QByteArray& map : matchMaps(s)) {
        if (!content.find("maps/" + map + ".bsp"))
            missing.append(printableName(decodeText(map)));
    }
    if (!missing.isEmpty())
        findings.append({ LaunchFinding::Kind::MapMissing,
            QCoreApplication::translate("PreLaunchCheck",
                "The engine finds no map file (maps/<name>.bsp) for %1 anywhere it looks. The match "
                "stops where it would start on or change to such a map.")
                .arg(missing.join(QStringLiteral(", "))) });
}

} // namespace

std::optional<QByteArray> scriptAsTheEngineFinds(const QByteArray& name, GameContent& content)
{
    if (!nameRefusal(QFile::decodeName(name), NameUse::BelowDirectory).isEmpty())
        return std::nullopt;
    const std::optional<GameFile> file = content.find(name);
    if (!file)
        return std::nullopt;
    // What is longer than the buffer is dropped whole: its bytes do not matter.
    constexpr qint64 kRead = 1024 * 1024;
    if (content.size(*file) > kRead)
        return QByteArray(console::kBufferSize, '\n');
    return content.read(*file, 0, kRead);
}

int botRoom(int maxclients)
{
    return engineClients(maxclients) - 1;
}

QList<LaunchFinding> checkLaunch(
    const ExecSettings& settings, const QByteArray& execFile, const InstallPaths& paths)
{
    QList<LaunchFinding> findings;
    GameContent content(engineSearchPath(paths, settings.executable));
    const console::ConsoleRun run = runScript(execFile, content);
    checkBuffer(execFile, run, findings);
    checkTypedLines(settings, findings);
    checkValues(settings, paths, findings);
    const Sources sources(settings, execFile);
    const QList<Change> changes = changesOf(run, sources);
    checkSetAgain(sources, changes, findings);
    checkBots(settings, changes, findings);
    checkDedicated(settings, findings);
    checkBindKeys(settings, findings);
    checkRotation(settings, findings);
    checkGameContent(settings, paths, content, findings);
    checkExecutable(settings, paths, findings);
    return findings;
}

QString launchFindingsText(const QList<LaunchFinding>& findings)
{
    QStringList texts;
    for (const LaunchFinding& f : findings)
        texts.append(QStringLiteral("\u2022 ") + f.text);
    return Texts::tr("The match may not go as set up:") + QStringLiteral("\n\n")
        + texts.join(QStringLiteral("\n\n"));
}

} // namespace tk
