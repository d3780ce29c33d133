// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/consolewords.h"

#include "launch/core/consolebuffer.h"

namespace tk::console {

namespace {

// The text as the C string the engine sees: up to its first NUL byte.
QByteArrayView cString(QByteArrayView text)
{
    const qsizetype nul = text.indexOf('\0');
    return nul < 0 ? text : text.first(nul);
}

char byteAt(QByteArrayView text, qsizetype i)
{
    return i < text.size() ? text[i] : '\0';
}

struct Expanded {
    QByteArray text;
    Discard discard = Discard::None;
    bool readPastEnd = false;
};

// The engine's expansion: after each replacement it scans on from the replaced spot, up to
// a length that adds every value but never takes off the "$name" it replaced. Once the
// first replacement is made it scans its own buffer, where bytes behind the string are
// what earlier, longer strings left there.
Expanded expand(
    QByteArrayView command, const CvarLookup& cvars, ExpansionMemory& memory, QList<Expansion>& expansions)
{
    const QByteArray line = cString(command).toByteArray();
    qsizetype length = line.size();
    if (length >= kExpandedLimit)
        return { {}, Discard::LineTooLong };
    bool inMemory = false;
    bool readPastEnd = false;
    bool inQuotes = false;
    int count = 0;
    for (qsizetype i = 0; i < length; ++i) {
        const QByteArrayView scan = inMemory ? QByteArrayView(memory.bytes) : QByteArrayView(line);
        const char c = byteAt(scan, i);
        if (c == '"')
            inQuotes = !inQuotes;
        if (inQuotes || c != '$')
            continue;
        const std::optional<ParsedWord> name = parseWord(cString(scan.sliced(i + 1)), 0);
        if (!name)
            continue;
        const std::optional<QByteArray> value = cvars(name->word);
        expansions.append({ name->word, value });
        length += value ? value->size() : 0;
        if (length >= kExpandedLimit)
            return { {}, Discard::ExpandedTooLong, readPastEnd };
        // The piece before the "$" as the engine copies it: up to a NUL, padded with NULs.
        QByteArray joined = cString(scan.first(i)).toByteArray();
        if (joined.size() == i) {
            joined += value.value_or(QByteArray());
            if (name->open)
                readPastEnd = true;
            else
                joined += cString(scan.sliced(i + 1 + name->end)).toByteArray();
        }
        memory.bytes.replace(0, joined.size() + 1, joined + '\0');
        inMemory = true;
        --i;
        if (++count == kExpansionLimit)
            return { {}, Discard::ExpansionLoop, readPastEnd };
    }
    if (inQuotes)
        return { {}, Discard::UnmatchedQuote, readPastEnd };
    const QByteArrayView scan = inMemory ? QByteArrayView(memory.bytes) : QByteArrayView(line);
    return { cString(scan).toByteArray(), Discard::None, readPastEnd };
}

QByteArray withoutTrailingBlanks(QByteArrayView text)
{
    qsizetype end = text.size();
    while (end > 0 && isConsoleBlank(text[end - 1]))
        --end;
    return text.first(end).toByteArray();
}

} // namespace

QByteArray discardMessage(Discard discard)
{
    switch (discard) {
    case Discard::None:
        break;
    case Discard::UnmatchedQuote:
        return "Line has unmatched quote, discarded.";
    case Discard::ExpansionLoop:
        return "Macro expansion loop, discarded.";
    case Discard::ExpandedTooLong:
        return "Expanded line exceeded 2048 chars, discarded.";
    case Discard::LineTooLong:
        return "Line exceeded 2048 chars, discarded.";
    }
    return {};
}

std::optional<ParsedWord> parseWord(QByteArrayView text, qsizetype from)
{
    ParsedWord parsed;
    qsizetype pos = from;
    for (;;) {
        while (isConsoleBlank(byteAt(text, pos))) {
            if (byteAt(text, pos) == '\0')
                return std::nullopt;
            ++pos;
        }
        if (byteAt(text, pos) != '/' || byteAt(text, pos + 1) != '/')
            break;
        parsed.comment = true;
        while (byteAt(text, pos) != '\0' && byteAt(text, pos) != '\n')
            ++pos;
    }
    if (byteAt(text, pos) == '"') {
        for (++pos;;) {
            const char c = byteAt(text, pos++);
            if (c == '"' || c == '\0') {
                parsed.open = c == '\0';
                parsed.end = pos;
                return parsed;
            }
            if (parsed.word.size() < kWordLimit)
                parsed.word += c;
        }
    }
    do {
        if (parsed.word.size() < kWordLimit)
            parsed.word += text[pos];
        ++pos;
    } while (!isConsoleBlank(byteAt(text, pos)));
    if (parsed.word.size() == kWordLimit) {
        parsed.word.clear();
        parsed.emptied = true;
    }
    parsed.end = pos;
    return parsed;
}

Words wordsOf(QByteArrayView command, const CvarLookup& cvars, ExpansionMemory* memory)
{
    Words result;
    result.splits = firstCommand(command).length < command.size();
    std::optional<ExpansionMemory> fresh;
    if (!memory)
        memory = &fresh.emplace();
    const Expanded expanded = expand(command, cvars, *memory, result.expansions);
    result.quotedWordOpen = expanded.readPastEnd;
    result.discard = expanded.discard;
    if (result.discard != Discard::None)
        return result;
    result.expanded = expanded.text;
    const QByteArrayView text(result.expanded);
    qsizetype pos = 0;
    for (;;) {
        while (pos < text.size() && isConsoleBlank(text[pos]) && text[pos] != '\n')
            ++pos;
        if (pos >= text.size() || text[pos] == '\n')
            break;
        if (result.words.size() == 1)
            result.args = withoutTrailingBlanks(text.sliced(pos));
        const std::optional<ParsedWord> parsed = parseWord(text, pos);
        if (!parsed) {
            result.comment = true;
            break;
        }
        result.comment = result.comment || parsed->comment;
        result.wordEmptied = result.wordEmptied || parsed->emptied;
        if (result.words.size() < kWordCount)
            result.words.append(parsed->word);
        else
            result.wordsDropped = true;
        pos = parsed->end;
        if (parsed->open) {
            result.quotedWordOpen = true;
            break;
        }
    }
    return result;
}

} // namespace tk::console
