// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/consolequote.h"

#include "launch/core/consolebuffer.h"
#include "launch/core/consolewords.h"

namespace tk::console {

namespace {

bool hasBlank(QByteArrayView value)
{
    for (const char c : value) {
        if (isConsoleBlank(c))
            return true;
    }
    return false;
}

// An unquoted word with double quotes in it: the buffer and the expansion count them, so
// ";" and "$" are safe only between a pair.
bool quotesBalanceUnquoted(QByteArrayView value)
{
    bool inside = false;
    for (const char c : value) {
        if (c == '"')
            inside = !inside;
        else if ((c == ';' || c == '$') && !inside)
            return false;
    }
    return !inside;
}

WordForm checkedLength(const QByteArray& text)
{
    if (text.size() > kCommandLimit)
        return { {}, WordProblem::TooLong };
    return { text, WordProblem::None };
}

} // namespace

WordForm oneWord(QByteArrayView value, Quoting quoting)
{
    if (value.contains('\n') || value.contains('\0'))
        return { {}, WordProblem::LineEnd };
    const bool plainable = !value.isEmpty() && !hasBlank(value) && !value.startsWith('"')
        && !value.startsWith("//") && value.size() < kWordLimit;
    if (value.contains('"')) {
        if (!plainable || !quotesBalanceUnquoted(value))
            return { {}, WordProblem::DoubleQuote };
        return checkedLength(value.toByteArray());
    }
    if (quoting == Quoting::WhenNeeded && plainable && !value.contains(';') && !value.contains('$'))
        return checkedLength(value.toByteArray());
    return checkedLength('"' + value.toByteArray() + '"');
}

} // namespace tk::console
