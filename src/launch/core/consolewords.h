// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <functional>
#include <optional>

// How Yamagi Quake II's console turns one command into the words that run: "$name"
// expansion outside double quotes, then the split into words.
namespace tk::console {

// The command after expansion must stay below this many bytes, as the engine counts them.
inline constexpr qsizetype kExpandedLimit = 2048;
// A word of this many bytes or more (only reachable by expansion) becomes empty.
inline constexpr qsizetype kWordLimit = 1024;
// Words beyond this many are dropped silently.
inline constexpr int kWordCount = 80;
// The expansion that would be this many-th is refused: "Macro expansion loop".
inline constexpr int kExpansionLimit = 100;

// True for the bytes the engine takes for blanks: every byte up to 0x20 and, since its char
// is signed, every byte from 0x80.
inline bool isConsoleBlank(char c)
{
    return static_cast<signed char>(c) <= ' ';
}

// A cvar's value by its name as written after "$"; nothing when there is no such cvar.
using CvarLookup = std::function<std::optional<QByteArray>(const QByteArray& name)>;

// One "$name" the engine replaced, with what it put in its place.
struct Expansion {
    QByteArray name;
    std::optional<QByteArray> value; // nothing: no such cvar, so nothing was put in
    bool operator==(const Expansion&) const = default;
};

// Why the engine throws a whole command away.
enum class Discard {
    None,
    UnmatchedQuote, // an odd number of double quotes after expansion
    ExpansionLoop, // a hundred expansions
    ExpandedTooLong, // the expanded command as the engine counts it reaches 2,048 bytes
    LineTooLong, // the command itself reaches 2,048 bytes (only through a caller's text)
};

// The line the engine prints when it throws a command away.
QByteArray discardMessage(Discard discard);

// The engine's own buffer for expansion. It scans an expanded command up to a length it
// over-counts (the "$name" text it replaced stays counted), so what an earlier command
// left behind the end can still count: a run keeps one memory across its commands.
struct ExpansionMemory {
    QByteArray bytes = QByteArray(kExpandedLimit, '\0');
};

// What the engine makes of one command.
struct Words {
    Discard discard = Discard::None; // when not None, nothing runs
    QList<QByteArray> words; // what runs: the command name and its arguments
    QByteArray args; // the text after the first word, trailing blanks off, as forwarded
    QByteArray expanded; // the command after expansion
    QList<Expansion> expansions; // in the order the engine made them
    bool splits = false; // to the buffer the text is more than one command (";" or line feed)
    bool comment = false; // a word starting with "//" made the rest a comment
    bool wordsDropped = false; // there were more than 80 words
    bool wordEmptied = false; // a word of 1,024 bytes or more became empty
    // The last quoted word is not closed before the end: the engine reads on into stale
    // memory, so what runs is not defined; words then ends with what lay inside the command.
    bool quotedWordOpen = false;
    bool operator==(const Words&) const = default;
};

// The words of one command (the text the buffer hands out, at most kCommandLimit bytes)
// with these cvars. Without memory the engine's expansion buffer is taken to be fresh.
Words wordsOf(QByteArrayView command, const CvarLookup& cvars, ExpansionMemory* memory = nullptr);

// One word as the engine reads it from text at from: nothing when the text ends first (a
// comment reaches the end, or only blanks are left). The engine uses it for the words of a
// command and for the name after "$".
struct ParsedWord {
    QByteArray word;
    qsizetype end = 0; // where reading goes on
    bool comment = false; // a "//" comment was skipped on the way
    bool emptied = false; // a plain word of kWordLimit bytes or more, given as empty
    bool open = false; // a quoted word the text ends in, unclosed
};
std::optional<ParsedWord> parseWord(QByteArrayView text, qsizetype from);

} // namespace tk::console
