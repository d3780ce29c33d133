// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "launch/core/consolebuffer.h"
#include "launch/core/consolecvars.h"
#include "launch/core/consolewords.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <functional>
#include <optional>
#include <variant>

// A run of Yamagi Quake II's console over a script, as the engine's own code would run it:
// the buffer, the commands that change cvars, aliases, bindings and the demo recording,
// exec of further files, wait frames and the map's start. What the engine hands to other
// parts (the game module, the network, the renderer) is noted, not followed.
namespace tk::console {

// Where a run finds files. Paths are relative to the game folder, with "/" between folders.
struct ConsoleFiles {
    // A file's bytes, or nothing when there is no such file.
    std::function<std::optional<QByteArray>(const QByteArray& path)> read;
    // Whether a file or folder is at path, resolved as the system does (so "demos/.."
    // needs a folder "demos").
    std::function<bool(const QByteArray& path)> exists;
    // The game folder as the engine names it in messages.
    QByteArray gameFolder = "gamedir";
};

// What the run did, one step after the other.
namespace step {

// Where the first byte of a command came from.
struct Origin {
    enum class Kind {
        Run, // the text the run began with
        Exec, // a file exec put in (its text: execText of the file)
        Alias,
        Vstr,
    };
    Kind kind = Kind::Run;
    QByteArray name; // the file as exec was given it, the alias or the cvar
    qsizetype offset = 0; // in that text
    int line = 1; // 1 + the line feeds before it in that text
};
struct CommandTaken { // the buffer handed out a command
    int number = 0; // counting from 1 over the whole run
    int frame = 1;
    QByteArray text; // all of it (more than runs when cut)
    CommandEnd end = CommandEnd::EndOfText;
    Origin origin;
};
struct WordsRun { // a command ran with these words
    QList<QByteArray> words;
    bool again = false; // the run a second time as "cmd ..." of a command passed to the server
};
struct Printed {
    QByteArray text; // one line of console text without its line feed
};
struct FileLoaded { // exec looked for a file
    enum class Result { Read, Missing, Empty };
    QByteArray name; // as exec was given it
    Result result = Result::Read;
    qsizetype size = 0;
};
struct TextInserted { // text put in front of what was waiting in the buffer
    enum class Source { Exec, Alias, Vstr, Deferred };
    Source source = Source::Exec;
    QByteArray name; // the file, alias or cvar; empty for the commands set aside at map
    qsizetype size = 0;
    qsizetype waiting = 0;
    InsertResult result = InsertResult::Inserted;
};
struct CvarChanged {
    CvarChange change;
};
struct KeyBound {
    int key = 0;
    QByteArray command;
};
struct AliasDefined {
    QByteArray name;
    QByteArray text; // as stored, with its line feed
};
struct RecordingChanged {
    bool recording = false;
};
struct Forwarded { // sent to the server as a command string
    QByteArray text;
};
struct MapStarted { // the server starts; the rest of the buffer is set aside
    QByteArray map;
};
struct LevelEntered { // the local client is in the level: the commands set aside come back
    int frame = 1;
};
struct GameCommand { // "sv ..." with a server running: the game module's to handle
    QList<QByteArray> words;
};
struct EngineCommand { // a command of the engine whose effect the model does not follow
    QByteArray name;
};
struct Undefined { // the engine would read or write outside its memory; the step is skipped
    enum class What {
        QuotedWordOpen, // detail: the open quoted word; the command runs with what it holds
        KeyOutsideTable, // detail: the key name's byte; the bind is skipped
    };
    What what = What::QuotedWordOpen;
    QByteArray detail;
};
struct Fatal {
    QByteArray message;
};
struct Stopped {
    enum class Why {
        Quit,
        Fatal,
        Endless, // the script would run on without end (a loop through vstr, aliases or waits)
    };
    Why why = Why::Quit;
    int frame = 1;
    qsizetype waiting = 0; // bytes still in the buffer
};
struct Finished { // the buffer ran empty
    int frames = 1;
};

} // namespace step

using ConsoleStep = std::variant<step::CommandTaken, step::WordsRun, step::Printed, step::FileLoaded,
    step::TextInserted, step::CvarChanged, step::KeyBound, step::AliasDefined, step::RecordingChanged,
    step::Forwarded, step::MapStarted, step::LevelEntered, step::GameCommand, step::EngineCommand,
    step::Undefined, step::Fatal, step::Stopped, step::Finished>;

// A demo file the run opened for writing (path as the engine names it, with the game folder).
struct DemoFile {
    QByteArray path;
    bool replaced = false; // a file of that name was there before
    bool operator==(const DemoFile&) const = default;
};

class ConsoleRun {
public:
    explicit ConsoleRun(CvarTable cvars, ConsoleFiles files = {});

    // Puts text into the empty buffer, as the command line's "+exec tark.cfg" puts
    // "exec tark.cfg\n", and runs frame after frame until the buffer is empty or the
    // engine stops.
    void run(const QByteArray& text);

    // A run that has run this many commands (not counting empty ones and comments) stops as
    // endless: every loop of a script runs commands, every frame at least one. A script
    // that fills the buffer runs some thousands.
    static constexpr int kRunLimit = 50000;
    void setRunLimit(int commands) { m_runLimit = commands; }

    const QList<ConsoleStep>& steps() const { return m_steps; }
    const CvarTable& cvars() const { return m_cvars; }
    // The bindings by key number; a key unbound again holds an empty command.
    const QMap<int, QByteArray>& bindings() const { return m_bindings; }
    // The aliases by name, each text as stored.
    QMap<QByteArray, QByteArray> aliases() const;
    const QList<DemoFile>& demoFiles() const { return m_demoFiles; }
    bool serverRunning() const { return m_serverRunning; }
    bool inLevel() const { return m_inLevel; }
    bool recording() const { return m_recording; }

private:
    struct Alias {
        QByteArray name;
        QByteArray text;
    };
    // A piece of the buffer and where its bytes came from.
    struct Segment {
        int text = 0; // in m_texts
        qsizetype offset = 0;
        qsizetype length = 0;
    };
    struct SourceText {
        step::Origin::Kind kind;
        QByteArray name;
        QList<qsizetype> lineFeeds; // where the text's line feeds are
    };
    enum class Handler;
    static const QHash<QByteArray, Handler>& handlers();

    void runFrame();
    int textId(step::Origin::Kind kind, const QByteArray& name, const QByteArray& text);
    step::Origin frontOrigin() const;
    void takeFront(qsizetype length);
    void execute(const QByteArray& line, bool again);
    bool runCommand(Handler handler, const Words& w, const QByteArray& line);
    bool runAlias(const Words& w);
    bool runCvar(const Words& w);
    void forwardUnknown(const Words& w);
    void exec(const Words& w);
    void set(const Words& w);
    void alias(const Words& w);
    void vstr(const Words& w);
    void map(const Words& w);
    void bind(const Words& w);
    void unbind(const Words& w);
    void record(const Words& w);
    void stopDemo();
    void insert(const QByteArray& text, step::TextInserted::Source source, const QByteArray& name);
    void apply(const CvarSetResult& result);
    void setBinding(int key, const QByteArray& command);
    void print(const QByteArray& text);
    void stop(step::Stopped::Why why);
    std::optional<QByteArray> lookUp(const QByteArray& name);

    CvarTable m_cvars;
    ConsoleFiles m_files;
    QByteArrayView waiting() const { return QByteArrayView(m_buffer).sliced(m_head); }
    qsizetype waitingSize() const { return m_buffer.size() - m_head; }

    QByteArray m_buffer; // what waits starts at m_head: taking a command only moves it
    qsizetype m_head = 0;
    QByteArray m_deferred;
    QList<SourceText> m_texts;
    QHash<QByteArray, int> m_textIds;
    QList<Segment> m_segments; // the buffer's bytes in order
    QList<Segment> m_deferredSegments;
    ExpansionMemory m_memory;
    QList<ConsoleStep> m_steps;
    QMap<int, QByteArray> m_bindings;
    QList<Alias> m_aliases; // the newest first, as the engine searches them
    QList<DemoFile> m_demoFiles;
    int m_frame = 1;
    int m_commandCount = 0;
    int m_runCount = 0;
    int m_runLimit = kRunLimit;
    int m_aliasCount = 0;
    bool m_wait = false;
    bool m_stopped = false;
    bool m_levelPending = false;
    bool m_serverRunning = false;
    bool m_inLevel = false;
    bool m_recording = false;
};

} // namespace tk::console
