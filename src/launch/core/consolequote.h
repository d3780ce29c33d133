// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

// How to write a value into a console command so that Yamagi Quake II reads it back as
// exactly one word, byte for byte.
namespace tk::console {

enum class WordProblem {
    None,
    DoubleQuote, // no form holds these double quotes (a quoted word ends at the next one)
    LineEnd, // a line feed always ends the command, a NUL byte the whole text
    TooLong, // the written form alone passes the 1,023 bytes the engine runs of a command
};

enum class Quoting {
    WhenNeeded, // as it is when nothing in it needs quotes, else in double quotes
    Always,
};

// The written form of a value, or why there is none. Inside double quotes everything but a
// double quote stands as it is; without them blanks and bytes from 0x80 split, ";" ends the
// command, "$" expands and a leading "//" starts a comment. A value with double quotes has
// a form only without quotes around it: when it holds no blank, does not start with a
// double quote or "//", has an even number of them and every ";" and "$" lies between a
// pair of them.
struct WordForm {
    QByteArray text;
    WordProblem problem = WordProblem::None;
    bool ok() const { return problem == WordProblem::None; }
};
WordForm oneWord(QByteArrayView value, Quoting quoting = Quoting::WhenNeeded);

} // namespace tk::console
