// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// How Yamagi Quake II's console takes a script apart: its command buffer and how the buffer
// hands out one command after the other. Bytes are the engine's signed char throughout.
namespace tk::console {

// The command buffer holds this many bytes; a text goes in only while it stays below it.
inline constexpr qsizetype kBufferSize = 32768;
// The engine runs at most this many bytes of a command and drops the rest silently.
inline constexpr qsizetype kCommandLimit = 1023;

// What ended a command in the buffer.
enum class CommandEnd {
    LineFeed, // a line feed; a CR before it belongs to the command
    Semicolon, // a ";" outside double quotes
    EndOfText, // the buffer ran out (a text cut by a NUL byte, or no line end at all)
};

// One command as the buffer hands it out.
struct Command {
    qsizetype offset = 0; // where it starts in the text it was taken from
    int line = 1; // the physical line of its first byte: 1 + the line feeds before it
    QByteArray text; // all of it, without the byte that ended it: more than runs when cut
    CommandEnd end = CommandEnd::EndOfText;
    qsizetype rest = 0; // bytes of the text still waiting behind it once it was taken

    bool isCut() const { return text.size() > kCommandLimit; }
    // What the engine runs: the first kCommandLimit bytes.
    QByteArray kept() const { return text.left(kCommandLimit); }
    bool operator==(const Command&) const = default;
};

// The length of the command at the front of text and what ends it. "Inside quotes" is an
// odd number of double quotes since the command's start; a line feed ends it even there.
struct CommandSpan {
    qsizetype length = 0;
    CommandEnd end = CommandEnd::EndOfText;
};
CommandSpan firstCommand(QByteArrayView text);

// The text exec puts into the buffer for a file: its bytes and one added line feed, up to
// the first NUL byte (the engine handles the text as a C string).
QByteArray execText(QByteArrayView file);

// Every command of a script that runs alone from an empty buffer, in the order the
// buffer hands them out (the empty ones too), each with its place in execText(script).
QList<Command> commandsOf(QByteArrayView script);

// What happens when a text of textSize bytes is put in front of the waiting bytes.
enum class InsertResult {
    Inserted,
    Dropped, // the text alone does not fit: thrown away whole, "Cbuf_AddText: overflow"
    Fatal, // the text fits but the waiting bytes do not fit behind it: the engine stops
};
InsertResult insertResult(qsizetype textSize, qsizetype waiting);

// Whether a script file of this many bytes runs when exec'd into an empty buffer: with the
// added line feed it must stay below the buffer size (32,766 bytes at most), and an empty
// file counts as a missing one.
bool scriptRuns(qsizetype fileSize);

// What happens when the command execLine of a script running alone execs extraFile: the
// file's text goes in front of what of the script is still waiting (execLine.rest).
InsertResult execInsertResult(const Command& execLine, QByteArrayView extraFile);

} // namespace tk::console
