// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/consolekeys.h"
#include "launch/core/consolenames.h"
#include "launch/core/consolerun.h"
#include "support/files.h"

#include <QDir>
#include <QFileInfo>
#include <filesystem>
#include <gtest/gtest.h>

using namespace tk::console;

namespace {

const QString kConsoleData = QStringLiteral(TARRAKIND_TEST_DATA "/console");

// A string in the notation of expected.txt: quoted, with its escapes and runs.
QByteArray q(QByteArrayView s)
{
    QByteArray out = "\"";
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c >= ' ' && c < 0x7F && c != '\\' && c != '"') {
            qsizetype run = 1;
            while (i + run < s.size() && s[i + run] == c)
                ++run;
            if (run >= 16) {
                out += "\\{" + QByteArray::number(run) + ':' + c + '}';
                i += run - 1;
            } else {
                out += c;
            }
        } else if (c == '\\' || c == '"') {
            out += QByteArray("\\") + c;
        } else if (c == '\t' || c == '\r' || c == '\n') {
            out += c == '\t' ? "\\t" : c == '\r' ? "\\r" : "\\n";
        } else {
            out += "\\x" + QByteArray::number(uchar(c), 16).rightJustified(2, '0').toUpper();
        }
    }
    return out + '"';
}

QByteArray n(qsizetype value)
{
    return QByteArray::number(value);
}

QByteArray flagLetters(unsigned flags)
{
    QByteArray out;
    const std::pair<unsigned, char> letters[] = { { CvarArchive, 'A' }, { CvarUserInfo, 'U' },
        { CvarServerInfo, 'S' }, { CvarNoSet, 'N' }, { CvarLatch, 'L' } };
    for (const auto& [flag, letter] : letters) {
        if (flags & flag)
            out += letter;
    }
    return out.isEmpty() ? "-" : out;
}

QByteArray cvarLine(const CvarChange& c)
{
    QByteArray line = q(c.name) + " = " + q(c.value);
    if (!c.old)
        line += " (new, flags " + flagLetters(c.flags) + ')';
    else if (*c.old != c.value)
        line += " (was " + q(*c.old) + ')';
    if (c.old && c.oldFlags != c.flags)
        line += " (flags " + flagLetters(c.oldFlags) + " -> " + flagLetters(c.flags) + ')';
    if (c.latched)
        line += " latched " + q(*c.latched) + " (takes effect at the next map)";
    return line;
}

QByteArray insertLine(const step::TextInserted& s)
{
    using Source = step::TextInserted::Source;
    const char* const sources[] = { "exec ", "alias ", "vstr ", "deferred (the commands set aside at map)" };
    QByteArray line
        = "INSERT " + QByteArray(sources[int(s.source)]) + (s.source == Source::Deferred ? "" : q(s.name));
    const QByteArray tail = " waiting -> buffer ";
    switch (s.result) {
    case InsertResult::Inserted:
        return line + ' ' + n(s.size) + " bytes before " + n(s.waiting) + tail + n(s.size + s.waiting)
            + " of 32768";
    case InsertResult::Dropped:
        return line + " DROPPED: " + n(s.size) + " bytes (file + newline) do not fit; " + n(s.waiting) + tail
            + n(s.waiting) + " of 32768";
    case InsertResult::Fatal:
        return line + ' ' + n(s.size) + " bytes, but the " + n(s.waiting)
            + " waiting bytes do not fit behind them (" + n(s.size + s.waiting) + " > 32768)";
    }
    return line;
}

QByteArray words(const char* kind, const QList<QByteArray>& list)
{
    QByteArray line = kind + (' ' + n(list.size()));
    for (const QByteArray& w : list)
        line += ' ' + q(w);
    return line;
}

// One step of a run in the notation of expected.txt.
QByteArray stepLine(const ConsoleStep& any)
{
    using namespace step;
    if (const auto* s = std::get_if<CommandTaken>(&any)) {
        const char* const ends[] = { "LF", "SEMI", "END" };
        return "LINE #" + n(s->number) + " f" + n(s->frame) + " n=" + n(s->text.size()) + ' '
            + ends[int(s->end)] + (s->text.size() > kCommandLimit ? " cut=1023 " : " ") + q(s->text);
    }
    if (const auto* s = std::get_if<WordsRun>(&any))
        return words(s->again ? "ARGV+" : "ARGV", s->words);
    if (const auto* s = std::get_if<Printed>(&any))
        return "PRINT " + q(s->text);
    if (const auto* s = std::get_if<FileLoaded>(&any)) {
        const QByteArray results[]
            = { n(s->size) + " bytes", "not found", "empty (0 bytes: treated as missing)" };
        return "LOAD " + q(s->name) + ' ' + results[int(s->result)];
    }
    if (const auto* s = std::get_if<TextInserted>(&any))
        return insertLine(*s);
    if (const auto* s = std::get_if<CvarChanged>(&any))
        return "CVAR " + cvarLine(s->change);
    if (const auto* s = std::get_if<KeyBound>(&any))
        return "BIND " + n(s->key) + ' ' + q(keyName(s->key)) + " = " + q(s->command);
    if (const auto* s = std::get_if<AliasDefined>(&any))
        return "ALIAS " + q(s->name) + " = " + q(s->text);
    if (const auto* s = std::get_if<RecordingChanged>(&any))
        return s->recording ? "RECORDING started" : "RECORDING stopped";
    if (const auto* s = std::get_if<Forwarded>(&any))
        return "FORWARD " + q(s->text);
    if (const auto* s = std::get_if<MapStarted>(&any))
        return "NOTE \"map\" " + q(s->map)
            + ": the server starts (map assumed to exist; its own start-up is not modelled); the commands "
              "still in the buffer are set aside until the local client enters the game";
    if (const auto* s = std::get_if<LevelEntered>(&any))
        return "NOTE frame " + n(s->frame)
            + ": the local client has entered the game (assumed in a level from now on); the set-aside "
              "commands go back into the buffer";
    if (std::get_if<GameCommand>(&any))
        return "NOTE sv: handed to the game module's server command (not modelled)";
    if (const auto* s = std::get_if<EngineCommand>(&any))
        return "NOTE " + q(s->name) + ": engine command, not modelled";
    if (const auto* s = std::get_if<Undefined>(&any)) {
        if (s->what == Undefined::What::QuotedWordOpen)
            return "UNDEFINED quoted text " + q(s->detail)
                + " is not closed before the end of the line: the engine reads on past the end of the line "
                  "into "
                  "stale memory (the oracle stops the line here)";
        return "UNDEFINED key name byte 0x" + QByteArray::number(uchar(s->detail[0]), 16)
            + " gives key number " + n(keyNumber(s->detail))
            + ", outside the key table: the engine would write outside its memory (the oracle skips the "
              "command)";
    }
    if (const auto* s = std::get_if<Fatal>(&any))
        return "FATAL fatal " + q(s->message);
    if (const auto* s = std::get_if<Stopped>(&any)) {
        if (s->why == Stopped::Why::Quit)
            return "STOP quit: the engine shuts down, nothing after this runs (frame " + n(s->frame) + "; "
                + n(s->waiting) + " bytes were still in the buffer)";
        return "STOP the engine stops with a fatal error (frame " + n(s->frame) + ')';
    }
    return "END after " + n(std::get<Finished>(any).frames) + " frame(s); buffer empty";
}

// The run's whole effect against the engine's state before it, as the FINAL lines say it.
QList<QByteArray> finalLines(const ConsoleRun& run)
{
    QList<QByteArray> lines;
    const CvarTable before = CvarTable::engineDefaults();
    for (const Cvar& c : run.cvars().all()) {
        const Cvar* old = before.find(c.name);
        if (!old || *old != c)
            lines.append("FINAL CVAR "
                + cvarLine({ c.name, c.value, old ? std::optional(old->value) : std::nullopt,
                    old ? old->flags : 0, c.flags, c.latched }));
    }
    for (auto it = run.bindings().cbegin(); it != run.bindings().cend(); ++it)
        lines.append("FINAL BIND " + n(it.key()) + ' ' + q(keyName(it.key())) + " = " + q(*it));
    const QMap<QByteArray, QByteArray> aliases = run.aliases();
    for (auto it = aliases.cbegin(); it != aliases.cend(); ++it)
        lines.append("FINAL ALIAS " + q(it.key()) + " = " + q(*it));
    if (run.recording())
        lines.append("FINAL RECORDING started");
    for (const auto& [flag, kind] :
        { std::pair(CvarUserInfo, "USERINFO"), std::pair(CvarServerInfo, "SERVERINFO") }) {
        const InfoString info = infoString(run.cvars(), flag);
        for (const QByteArray& message : info.messages)
            lines.append("PRINT " + q(message));
        lines.append("FINAL " + QByteArray(kind) + ' ' + q(info.text));
    }
    lines.append(QByteArray("FINAL STATE ") + (run.serverRunning() ? "server running" : "server not running")
        + (run.inLevel() ? ", client in a level" : ", client disconnected")
        + (run.recording() ? ", recording a demo" : ""));
    for (const DemoFile& file : run.demoFiles())
        lines.append("FINAL FILE " + q(file.path) + (file.replaced ? " (replaced)" : " (new)"));
    return lines;
}

std::vector<std::string> manifest()
{
    std::vector<std::string> names;
    const QList<QByteArray> lines = readAll(kConsoleData + QStringLiteral("/MANIFEST.tsv")).split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].contains('\t'))
            names.push_back(lines[i].left(lines[i].indexOf('\t')).toStdString());
    }
    return names;
}

// Every line of expected.txt the model answers for. Not compared: the header comment, and
// SCRIPT and START, which describe the run's own set-up (the file's size, the first command).
QList<QByteArray> expectedLines(const QString& caseDir)
{
    QList<QByteArray> lines;
    for (const QByteArray& line : readAll(caseDir + QStringLiteral("/expected.txt")).split('\n')) {
        if (!line.isEmpty() && !line.startsWith("# ") && !line.startsWith("SCRIPT ")
            && !line.startsWith("START "))
            lines.append(line);
    }
    return lines;
}

class ConsoleCase : public ::testing::TestWithParam<std::string> { };

// Each case runs "exec script.cfg" in a fresh engine whose game folder is the case's
// folder; before the run the engine's cvars hold their defaults, with no bindings, aliases
// or server. Every line of expected.txt but the header, SCRIPT and START is compared to the
// letter: LINE, ARGV, ARGV+, PRINT, LOAD, INSERT, CVAR, BIND, ALIAS, RECORDING, FORWARD,
// UNDEFINED, FATAL, STOP, END and the FINAL lines. What the model does not follow it notes
// as the engine's run notes it, so the NOTE lines are compared too: "sv" with a server
// running goes to the game module, "map" starts a server whose own start-up (which may
// change cvars the script did not set) is not modelled, and other engine commands
// (connect, +attack, ...) do what they do outside the console. CVAR lines of cvars the
// script did not create rest on CvarTable::engineDefaults().
TEST_P(ConsoleCase, MatchesEngine)
{
    const QString caseDir = kConsoleData + QStringLiteral("/cases/") + QString::fromStdString(GetParam());
    const auto inCase = [caseDir](const QByteArray& path) {
        return std::filesystem::path(
            QFile::encodeName(caseDir + QLatin1Char('/')).toStdString() + path.toStdString());
    };
    ConsoleFiles files;
    files.read = [inCase](const QByteArray& path) -> std::optional<QByteArray> {
        if (!std::filesystem::is_regular_file(inCase(path)))
            return std::nullopt;
        return readAll(QFile::decodeName(inCase(path).c_str()));
    };
    files.exists = [inCase](const QByteArray& path) { return std::filesystem::exists(inCase(path)); };
    ConsoleRun run(CvarTable::engineDefaults(), files);
    run.run("exec script.cfg\n");

    QList<QByteArray> actual;
    for (const ConsoleStep& s : run.steps()) {
        actual.append(stepLine(s));
        // A command from a file starts at its origin there (and may run on into what waited
        // behind the file, when a NUL byte cut it).
        const auto* taken = std::get_if<step::CommandTaken>(&s);
        if (!taken || taken->origin.kind != step::Origin::Kind::Exec)
            continue;
        const QByteArray text = execText(files.read(execLookupNames(taken->origin.name).last()).value());
        const QByteArray from = text.mid(taken->origin.offset);
        EXPECT_TRUE(from.startsWith(taken->text) || taken->text.startsWith(from))
            << actual.last().toStdString();
        EXPECT_EQ(taken->origin.line, text.left(taken->origin.offset).count('\n') + 1);
    }
    actual += finalLines(run);
    const QList<QByteArray> expected = expectedLines(caseDir);
    for (qsizetype i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        ASSERT_EQ(actual.value(i).toStdString(), expected.value(i).toStdString()) << "line " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ConsoleCase, ::testing::ValuesIn(manifest()),
    [](const ::testing::TestParamInfo<std::string>& paramInfo) { return "case" + paramInfo.param; });

TEST(ConsoleReferenceData, ManifestCoversEveryCase)
{
    QStringList listed;
    for (const std::string& name : manifest())
        listed.append(QString::fromStdString(name));
    QStringList folders
        = QDir(kConsoleData + QStringLiteral("/cases")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    EXPECT_EQ(listed.size(), 197);
    EXPECT_EQ(listed, folders);
}

// Whatever a script holds, a run ends, with the engine's own ending where it has one.
TEST(ConsoleRunEnds, OnHostileScripts)
{
    QByteArray garbage(32000, '\0');
    quint32 seed = 12345;
    for (char& c : garbage) {
        seed = seed * 134775813u + 1u;
        c = char(seed >> 24 | 1);
    }
    // Each exec puts the file in front of the rest, which grows by its line feed, until the
    // buffer overflows: the engine stops.
    const QByteArray self = "exec self.cfg\n//" + QByteArray(1000, 'x') + '\n';
    const struct {
        const char* name;
        QByteArray script;
        bool endless;
    } scripts[] = { { "garbage", garbage, false }, { "semicolons", QByteArray(32766, ';'), false },
        { "selfExec", self, false }, { "aliasLoop", "alias a \"wait;a\"\na\n", true },
        { "vstrLoop", "set v \"vstr v\"\nvstr v\n", true } };
    for (const auto& s : scripts) {
        ConsoleFiles files;
        files.read = [&](const QByteArray& path) -> std::optional<QByteArray> {
            return path == "self.cfg" ? self : path == "script.cfg" ? s.script : std::optional<QByteArray>();
        };
        ConsoleRun run(CvarTable::engineDefaults(), files);
        if (s.endless)
            run.setRunLimit(1000);
        run.run("exec script.cfg\n");
        const auto* stopped = std::get_if<step::Stopped>(&run.steps().last());
        EXPECT_EQ(stopped && stopped->why == step::Stopped::Why::Endless, s.endless) << s.name;
        EXPECT_TRUE(stopped || std::holds_alternative<step::Finished>(run.steps().last())) << s.name;
    }
}

} // namespace
