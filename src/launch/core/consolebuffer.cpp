// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/consolebuffer.h"

namespace tk::console {

CommandSpan firstCommand(QByteArrayView text)
{
    int quotes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"')
            ++quotes;
        if (c == ';' && quotes % 2 == 0)
            return { i, CommandEnd::Semicolon };
        if (c == '\n')
            return { i, CommandEnd::LineFeed };
    }
    return { text.size(), CommandEnd::EndOfText };
}

QByteArray execText(QByteArrayView file)
{
    const qsizetype nul = file.indexOf('\0');
    if (nul >= 0)
        return file.first(nul).toByteArray();
    return file.toByteArray() + '\n';
}

QList<Command> commandsOf(QByteArrayView script)
{
    const QByteArray text = execText(script);
    QList<Command> commands;
    qsizetype offset = 0;
    int line = 1;
    while (offset < text.size()) {
        const CommandSpan span = firstCommand(QByteArrayView(text).sliced(offset));
        const qsizetype taken = span.length + (span.end == CommandEnd::EndOfText ? 0 : 1);
        Command command;
        command.offset = offset;
        command.line = line;
        command.text = text.mid(offset, span.length);
        command.end = span.end;
        command.rest = text.size() - offset - taken;
        commands.append(command);
        if (span.end == CommandEnd::LineFeed)
            ++line;
        offset += taken;
    }
    return commands;
}

InsertResult insertResult(qsizetype textSize, qsizetype waiting)
{
    if (textSize >= kBufferSize)
        return InsertResult::Dropped;
    if (textSize + waiting > kBufferSize)
        return InsertResult::Fatal;
    return InsertResult::Inserted;
}

bool scriptRuns(qsizetype fileSize)
{
    return fileSize > 0 && insertResult(fileSize + 1, 0) == InsertResult::Inserted;
}

InsertResult execInsertResult(const Command& execLine, QByteArrayView extraFile)
{
    return insertResult(execText(extraFile).size(), execLine.rest);
}

} // namespace tk::console
