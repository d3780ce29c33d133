// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/consolerun.h"

#include "launch/core/consolekeys.h"
#include "launch/core/consolenames.h"

#include <QHash>

namespace tk::console {

enum class ConsoleRun::Handler {
    Exec,
    Echo,
    Set,
    Alias,
    Vstr,
    Wait,
    Map,
    Quit,
    Bind,
    Unbind,
    UnbindAll,
    Record,
    Stop,
    Sv,
    Cmd,
    ToServer, // registered without a function: runs again as "cmd ..."
    Engine, // the engine's, not followed here
};

namespace {

// In one frame the 16th alias call is dropped.
constexpr int kAliasLoopCount = 16;
constexpr qsizetype kAliasNameLimit = 32;

const char* const kToServer[] = { "wave", "inven", "kill", "use", "drop", "say", "say_team", "info", "prog",
    "give", "god", "notarget", "noclip", "invuse", "invprev", "invnext", "invdrop", "weapnext", "weapprev",
    "listentities", "teleport", "spawnentity", "spawnonstart", "cycleweap", "prefweap" };

const char* const kEngine[] = { "pause", "pingservers", "skins", "userinfo", "snd_restart", "changing",
    "disconnect", "connect", "reconnect", "rcon", "setenv", "precache", "download", "currentmap",
    "centerview", "force_centerview", "+moveup", "-moveup", "+movedown", "-movedown", "+left", "-left",
    "+right", "-right", "+forward", "-forward", "+back", "-back", "+lookup", "-lookup", "+lookdown",
    "-lookdown", "+strafe", "-strafe", "+moveleft", "-moveleft", "+moveright", "-moveright", "+speed",
    "-speed", "+attack", "-attack", "+use", "-use", "impulse", "+klook", "-klook", "+mlook", "-mlook",
    "+joyaltselector", "-joyaltselector", "+gyroaction", "-gyroaction", "toggleconsole", "togglechat",
    "messagemode", "messagemode2", "clear", "condump", "timerefresh", "loading", "sizeup", "sizedown", "sky",
    "gun_next", "gun_prev", "gun_model", "viewpos", "bindlist", "menu_main", "menu_game", "menu_loadgame",
    "menu_savegame", "menu_joinserver", "menu_addressbook", "menu_startserver", "menu_dmoptions",
    "menu_playerconfig", "menu_downloadoptions", "menu_credits", "menu_multiplayer", "menu_video",
    "menu_options", "menu_keys", "menu_quit", "cmdlist", "cvarlist", "inc", "dec", "reset", "resetall",
    "toggle", "error", "z_stats", "path", "dir", "link", "heartbeat", "kick", "status", "serverinfo",
    "dumpuser", "gamemap", "demomap", "setmaster", "serverrecord", "serverstop", "save", "load", "killserver",
    "vid_restart", "imagelist", "screenshot", "modellist", "play", "stopsound", "soundlist", "soundinfo" };

} // namespace

const QHash<QByteArray, ConsoleRun::Handler>& ConsoleRun::handlers()
{
    using H = Handler;
    static const QHash<QByteArray, H> table = [] {
        QHash<QByteArray, H> t { { "exec", H::Exec }, { "echo", H::Echo }, { "set", H::Set },
            { "alias", H::Alias }, { "vstr", H::Vstr }, { "wait", H::Wait }, { "map", H::Map },
            { "quit", H::Quit }, { "bind", H::Bind }, { "unbind", H::Unbind }, { "unbindall", H::UnbindAll },
            { "record", H::Record }, { "stop", H::Stop }, { "sv", H::Sv }, { "cmd", H::Cmd } };
        for (const char* name : kToServer)
            t.insert(name, H::ToServer);
        for (const char* name : kEngine)
            t.insert(name, H::Engine);
        return t;
    }();
    return table;
}

namespace {

QByteArray joined(const QList<QByteArray>& words, qsizetype from)
{
    QByteArray out;
    for (qsizetype i = from; i < words.size(); ++i) {
        if (i > from)
            out += ' ';
        out += words[i];
    }
    return out;
}

QByteArray quoted(const QByteArray& text)
{
    return '"' + text + '"';
}

} // namespace

ConsoleRun::ConsoleRun(CvarTable cvars, ConsoleFiles files)
    : m_cvars(std::move(cvars))
    , m_files(std::move(files))
{ }

QMap<QByteArray, QByteArray> ConsoleRun::aliases() const
{
    QMap<QByteArray, QByteArray> out;
    for (const Alias& a : m_aliases)
        out.insert(a.name, a.text);
    return out;
}

void ConsoleRun::run(const QByteArray& text)
{
    if (insertResult(waitingSize() + text.size(), 0) == InsertResult::Inserted) {
        m_segments.append({ textId(step::Origin::Kind::Run, {}, text), 0, text.size() });
        m_buffer += text;
    } else {
        print("Cbuf_AddText: overflow");
    }
    for (;;) {
        if (m_levelPending) {
            m_levelPending = false;
            m_inLevel = true;
            m_steps.append(step::LevelEntered { m_frame });
            if (!m_deferred.isEmpty())
                insert(std::exchange(m_deferred, QByteArray()), step::TextInserted::Source::Deferred, {});
        }
        if (!m_stopped)
            runFrame();
        if (m_stopped)
            return;
        if (waitingSize() == 0 && !m_levelPending) {
            m_steps.append(step::Finished { m_frame });
            return;
        }
        ++m_frame;
    }
}

void ConsoleRun::runFrame()
{
    m_aliasCount = 0;
    while (waitingSize() > 0 && !m_stopped) {
        const CommandSpan span = firstCommand(waiting());
        const QByteArray text = waiting().first(span.length).toByteArray();
        const step::Origin origin = frontOrigin();
        takeFront(span.length + (span.end == CommandEnd::EndOfText ? 0 : 1));
        m_steps.append(step::CommandTaken { ++m_commandCount, m_frame, text, span.end, origin });
        execute(text.left(kCommandLimit), false);
        if (m_runCount >= m_runLimit && !m_stopped)
            stop(step::Stopped::Why::Endless);
        if (std::exchange(m_wait, false))
            break;
    }
}

int ConsoleRun::textId(step::Origin::Kind kind, const QByteArray& name, const QByteArray& text)
{
    // An alias or a vstr in a loop puts the same text in again and again.
    const QByteArray key = char('0' + int(kind)) + name + '\0' + text;
    const auto known = m_textIds.constFind(key);
    if (known != m_textIds.cend())
        return *known;
    QList<qsizetype> lineFeeds;
    for (qsizetype i = text.indexOf('\n'); i >= 0; i = text.indexOf('\n', i + 1))
        lineFeeds.append(i);
    m_texts.append({ kind, name, lineFeeds });
    m_textIds.insert(key, int(m_texts.size() - 1));
    return int(m_texts.size() - 1);
}

step::Origin ConsoleRun::frontOrigin() const
{
    const Segment& front = m_segments.first();
    const SourceText& source = m_texts[front.text];
    const auto before = std::lower_bound(source.lineFeeds.cbegin(), source.lineFeeds.cend(), front.offset);
    return { source.kind, source.name, front.offset, int(before - source.lineFeeds.cbegin()) + 1 };
}

void ConsoleRun::takeFront(qsizetype length)
{
    m_head += length;
    while (length > 0) {
        Segment& front = m_segments.first();
        const qsizetype taken = std::min(length, front.length);
        front.offset += taken;
        front.length -= taken;
        length -= taken;
        if (front.length == 0)
            m_segments.removeFirst();
    }
}

std::optional<QByteArray> ConsoleRun::lookUp(const QByteArray& name)
{
    if (const std::optional<QByteArray> renamed = renamedCvar(name))
        print(renamedCvarMessage(name, *renamed));
    return m_cvars.value(name);
}

void ConsoleRun::execute(const QByteArray& line, bool again)
{
    const Words w = wordsOf(
        line, [this](const QByteArray& name) { return lookUp(name); }, &m_memory);
    if (w.discard != Discard::None) {
        print(discardMessage(w.discard));
        return;
    }
    if (w.quotedWordOpen)
        m_steps.append(
            step::Undefined { step::Undefined::What::QuotedWordOpen, w.words.value(w.words.size() - 1) });
    if (w.words.isEmpty())
        return;
    m_steps.append(step::WordsRun { w.words, again });
    if (!again)
        ++m_runCount;
    const auto handler = handlers().constFind(w.words[0].toLower());
    if (handler != handlers().cend() && runCommand(*handler, w, line))
        return;
    if (runAlias(w) || runCvar(w))
        return;
    forwardUnknown(w);
}

bool ConsoleRun::runCommand(Handler handler, const Words& w, const QByteArray& line)
{
    switch (handler) {
    case Handler::Exec:
        exec(w);
        break;
    case Handler::Echo: {
        QByteArray text;
        for (qsizetype i = 1; i < w.words.size(); ++i)
            text += w.words[i] + ' ';
        print(text);
        break;
    }
    case Handler::Set:
        set(w);
        break;
    case Handler::Alias:
        alias(w);
        break;
    case Handler::Vstr:
        vstr(w);
        break;
    case Handler::Wait:
        m_wait = true;
        break;
    case Handler::Map:
        map(w);
        break;
    case Handler::Quit:
        stop(step::Stopped::Why::Quit);
        break;
    case Handler::Bind:
        bind(w);
        break;
    case Handler::Unbind:
        unbind(w);
        break;
    case Handler::UnbindAll:
        for (const int key : m_bindings.keys())
            setBinding(key, {});
        break;
    case Handler::Record:
        record(w);
        break;
    case Handler::Stop:
        stopDemo();
        break;
    case Handler::Sv:
        if (m_serverRunning)
            m_steps.append(step::GameCommand { w.words });
        else
            print("No game loaded.");
        break;
    case Handler::Cmd:
        if (!m_inLevel)
            print("Can't " + quoted(w.words[0]) + ", not connected");
        else if (w.words.size() > 1)
            m_steps.append(step::Forwarded { w.args });
        break;
    case Handler::ToServer:
        execute(("cmd " + line).left(kCommandLimit), true);
        break;
    case Handler::Engine:
        m_steps.append(step::EngineCommand { w.words[0] });
        break;
    }
    return true;
}

bool ConsoleRun::runAlias(const Words& w)
{
    for (const Alias& a : m_aliases) {
        if (a.name.compare(w.words[0], Qt::CaseInsensitive) != 0)
            continue;
        if (++m_aliasCount == kAliasLoopCount)
            print("ALIAS_LOOP_COUNT");
        else
            insert(a.text, step::TextInserted::Source::Alias, w.words[0]);
        return true;
    }
    return false;
}

bool ConsoleRun::runCvar(const Words& w)
{
    QByteArray name = w.words[0];
    if (const std::optional<QByteArray> renamed = renamedCvar(name)) {
        print(renamedCvarMessage(name, *renamed));
        name = *renamed;
    }
    const Cvar* cvar = m_cvars.find(name);
    if (!cvar)
        return false;
    if (w.words.size() == 1)
        print(quoted(cvar->name) + " is " + quoted(cvar->value));
    else
        apply(m_cvars.set(cvar->name, w.words[1], m_serverRunning));
    return true;
}

void ConsoleRun::forwardUnknown(const Words& w)
{
    const QByteArray& name = w.words[0];
    if (!m_inLevel || name.startsWith('+') || name.startsWith('-')) {
        print("Unknown command " + quoted(name));
        return;
    }
    m_steps.append(step::Forwarded { w.words.size() > 1 ? name + ' ' + w.args : name });
}

void ConsoleRun::exec(const Words& w)
{
    using Result = step::FileLoaded::Result;
    if (w.words.size() != 2) {
        print("exec <filename> : execute a script file");
        return;
    }
    const QByteArray& name = w.words[1];
    std::optional<QByteArray> file;
    for (const QByteArray& candidate : execLookupNames(name)) {
        if (m_files.read)
            file = m_files.read(candidate);
        if (file)
            break;
    }
    if (!file || file->isEmpty()) {
        m_steps.append(step::FileLoaded { name, file ? Result::Empty : Result::Missing, 0 });
        print("couldn't exec " + name);
        return;
    }
    m_steps.append(step::FileLoaded { name, Result::Read, file->size() });
    print("execing " + name + '.');
    insert(execText(*file), step::TextInserted::Source::Exec, name);
}

void ConsoleRun::set(const Words& w)
{
    const qsizetype count = w.words.size();
    if (count != 3 && count != 4) {
        print("usage: set <variable> <value> [u / s]");
        return;
    }
    const QByteArray name = renamedCvar(w.words[1]).value_or(w.words[1]);
    if (count == 3) {
        apply(m_cvars.set(name, w.words[2], m_serverRunning));
        return;
    }
    const QByteArray& flag = w.words[3];
    unsigned flags = 0;
    if (flag == "a")
        flags = CvarArchive;
    else if (flag == "u")
        flags = CvarUserInfo;
    else if (flag == "s")
        flags = CvarServerInfo;
    if (flags == 0) {
        print("flags can only be 'a', 'u' or 's'");
        return;
    }
    apply(m_cvars.setWithFlags(name, w.words[2], flags));
}

void ConsoleRun::alias(const Words& w)
{
    if (w.words.size() == 1) {
        print("Current alias commands:");
        for (const Alias& a : m_aliases)
            print(a.name + " : " + a.text);
        return;
    }
    const QByteArray& name = w.words[1];
    if (name.size() >= kAliasNameLimit) {
        print("Alias name is too long");
        return;
    }
    const QByteArray text = joined(w.words, 2) + '\n';
    auto it
        = std::find_if(m_aliases.begin(), m_aliases.end(), [&](const Alias& a) { return a.name == name; });
    if (it != m_aliases.end())
        it->text = text;
    else
        m_aliases.prepend({ name, text });
    m_steps.append(step::AliasDefined { name, text });
}

void ConsoleRun::vstr(const Words& w)
{
    if (w.words.size() != 2) {
        print("vstr <variablename> : execute a variable command");
        return;
    }
    const QByteArray value = lookUp(w.words[1]).value_or(QByteArray());
    insert((value + '\n').left(kCommandLimit), step::TextInserted::Source::Vstr, w.words[1]);
}

void ConsoleRun::map(const Words& w)
{
    if (w.words.size() != 2) {
        print("USAGE: map <mapname>");
        return;
    }
    for (const CvarChange& change : m_cvars.applyLatched())
        m_steps.append(step::CvarChanged { change });
    m_serverRunning = true;
    m_inLevel = false;
    m_deferred = waiting().toByteArray();
    m_buffer.clear();
    m_head = 0;
    m_deferredSegments = std::exchange(m_segments, {});
    m_levelPending = true;
    m_steps.append(step::MapStarted { w.words[1] });
}

void ConsoleRun::bind(const Words& w)
{
    const qsizetype count = w.words.size();
    if (count < 2) {
        print("bind <key> [command] : attach a command to a key");
        return;
    }
    const QByteArray& name = w.words[1];
    switch (bindKeyProblem(name)) {
    case BindKeyProblem::NotAKey:
        print(quoted(name) + " isn't a valid key");
        return;
    case BindKeyProblem::OutsideKeyTable:
        m_steps.append(step::Undefined { step::Undefined::What::KeyOutsideTable, name });
        return;
    case BindKeyProblem::SpecialKey:
        print("You can't bind the special key " + quoted(name) + '!');
        return;
    case BindKeyProblem::None:
        break;
    }
    const int key = keyNumber(name);
    if (count == 2) {
        const auto it = m_bindings.constFind(key);
        if (it != m_bindings.cend())
            print(quoted(name) + " = " + quoted(*it));
        else
            print(quoted(name) + " is not bound");
        return;
    }
    setBinding(key, joined(w.words, 2));
}

void ConsoleRun::unbind(const Words& w)
{
    if (w.words.size() != 2) {
        print("unbind <key> : remove commands from a key");
        return;
    }
    const QByteArray& name = w.words[1];
    const int key = keyNumber(name);
    if (key == -1)
        print(quoted(name) + " isn't a valid key");
    else if (key < 0)
        m_steps.append(step::Undefined { step::Undefined::What::KeyOutsideTable, name });
    else
        setBinding(key, {});
}

void ConsoleRun::record(const Words& w)
{
    if (w.words.size() != 2) {
        print("record <demoname>");
        return;
    }
    if (m_recording) {
        print("Already recording.");
        return;
    }
    if (!m_inLevel) {
        print("You must be in a level to record.");
        return;
    }
    const QByteArray path = recordPath(w.words[1]);
    const QByteArray full = m_files.gameFolder + '/' + path;
    print("recording to " + full + '.');
    const bool makesFolders = !full.contains("..");
    if (!makesFolders)
        print("WARNING: refusing to create relative path '" + full + "'.");
    const QList<QByteArray> parts = path.split('/');
    bool opens = true;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool folder = i + 1 < parts.size();
        if (parts[i].size() > kFileNameLimit
            || (folder && !makesFolders
                && !(m_files.exists && m_files.exists(parts.mid(0, i + 1).join('/')))))
            opens = false;
    }
    if (!opens) {
        print("ERROR: couldn't open.");
        return;
    }
    const bool known = std::any_of(
        m_demoFiles.cbegin(), m_demoFiles.cend(), [&](const DemoFile& d) { return d.path == full; });
    if (!known)
        m_demoFiles.append({ full, m_files.exists && m_files.exists(path) });
    m_recording = true;
    m_steps.append(step::RecordingChanged { true });
}

void ConsoleRun::stopDemo()
{
    if (!m_recording) {
        print("Not recording a demo.");
        return;
    }
    print("Stopped demo.");
    m_recording = false;
    m_steps.append(step::RecordingChanged { false });
}

void ConsoleRun::insert(const QByteArray& text, step::TextInserted::Source source, const QByteArray& name)
{
    const qsizetype behind = waitingSize();
    const InsertResult result = insertResult(text.size(), behind);
    if (result == InsertResult::Dropped)
        print("Cbuf_AddText: overflow");
    m_steps.append(step::TextInserted { source, name, text.size(), behind, result });
    if (result == InsertResult::Dropped)
        return;
    if (m_head >= text.size()) {
        m_head -= text.size();
        std::copy(text.cbegin(), text.cend(), m_buffer.begin() + m_head);
    } else {
        // Room in front for the next texts, so that a run of inserts copies the rest once.
        m_buffer = QByteArray(kBufferSize, '\0') + text + waiting().toByteArray();
        m_head = kBufferSize;
    }
    if (source == step::TextInserted::Source::Deferred) {
        m_segments = std::exchange(m_deferredSegments, {}) + m_segments;
    } else {
        const step::Origin::Kind kinds[]
            = { step::Origin::Kind::Exec, step::Origin::Kind::Alias, step::Origin::Kind::Vstr };
        m_segments.prepend({ textId(kinds[int(source)], name, text), 0, text.size() });
    }
    if (result == InsertResult::Fatal) {
        m_steps.append(step::Fatal { "SZ_GetSpace: overflow without allowoverflow set" });
        stop(step::Stopped::Why::Fatal);
    }
}

void ConsoleRun::apply(const CvarSetResult& result)
{
    if (!result.message.isEmpty())
        print(result.message);
    if (result.change)
        m_steps.append(step::CvarChanged { *result.change });
}

void ConsoleRun::setBinding(int key, const QByteArray& command)
{
    const auto it = m_bindings.constFind(key);
    if (it != m_bindings.cend() && *it == command)
        return;
    m_bindings.insert(key, command);
    m_steps.append(step::KeyBound { key, command });
}

void ConsoleRun::print(const QByteArray& text)
{
    for (const QByteArray& line : text.split('\n'))
        m_steps.append(step::Printed { line });
}

void ConsoleRun::stop(step::Stopped::Why why)
{
    m_stopped = true;
    m_steps.append(step::Stopped { why, m_frame, waitingSize() });
}

} // namespace tk::console
