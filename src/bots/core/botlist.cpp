// SPDX-License-Identifier: GPL-2.0-or-later
#include "bots/core/botlist.h"

#include "app/core/consoletext.h"
#include "app/core/fileutil.h"
#include "app/core/textcodec.h"
#include "app/core/usererror.h"
#include "launch/core/consolebuffer.h"
#include "launch/core/consolewords.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>
#include <cstring>

namespace tk {

namespace {

// One value of the line tokeniser; pos is where the rest of the line starts.
QByteArrayView takeValue(QByteArrayView text, qsizetype& pos)
{
    const char* data = text.data();
    const qsizetype size = text.size();
    if (pos < size) {
        if (const void* open = std::memchr(data + pos, '"', size_t(size - pos)))
            pos = static_cast<const char*>(open) - data + 1;
    }
    const void* close = pos < size ? std::memchr(data + pos, '"', size_t(size - pos)) : nullptr;
    if (!close) {
        pos = qMin(pos + 1, size);
        return {};
    }
    const qsizetype end = static_cast<const char*>(close) - data;
    const QByteArrayView value = text.sliced(pos, end - pos);
    pos = qMin(end + 2, size);
    return value;
}

// Plain ASCII is by far the usual case and decodes the same either way.
QString decodeField(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return decodeText(bytes.toByteArray());
    }
    return QString::fromLatin1(bytes);
}

// A composed line must stay one line of the file, whatever was pasted into a value.
QString oneLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

// Values 3 to 6 of a line as the file holds them, viewed in the line.
struct Values {
    QByteArrayView name;
    QByteArrayView modelSkin;
    QByteArrayView profileFile;
    QByteArrayView profileName;
};

Values takeValues(QByteArrayView line)
{
    qsizetype pos = 0;
    takeValue(line, pos);
    takeValue(line, pos);
    Values values;
    values.name = takeValue(line, pos);
    values.modelSkin = takeValue(line, pos);
    values.profileFile = takeValue(line, pos);
    values.profileName = takeValue(line, pos);
    return values;
}

// The stored bytes when they read as the text wanted, else the text as UTF-8.
QByteArray keptOrEncoded(QByteArrayView stored, const QString& storedText, const QString& wanted)
{
    return storedText == wanted ? stored.toByteArray() : encodeText(wanted);
}

QByteArray keptOrEncoded(QByteArrayView stored, const QString& wanted)
{
    return keptOrEncoded(stored, decodeField(stored), oneLine(wanted));
}

// Value 4 holds two values of the editor. An unchanged half keeps its bytes as long as the
// whole still reads as the text wanted: kept Windows-1252 bytes beside new UTF-8 ones would
// make the value read as Windows-1252 throughout.
QByteArray modelSkinValue(QByteArrayView stored, const QString& model, const QString& skin)
{
    const QString wanted = oneLine(model + QLatin1Char('/') + skin);
    const QString storedText = decodeField(stored);
    if (storedText == wanted)
        return stored.toByteArray();
    // A "/" byte is the "/" character in UTF-8 and in Windows-1252 alike.
    const qsizetype slash = stored.indexOf('/');
    if (slash < 0)
        return encodeText(wanted);
    const ModelSkin old = splitModelSkin(storedText);
    const QByteArray value = keptOrEncoded(stored.first(slash), old.model, oneLine(model)) + '/'
        + keptOrEncoded(stored.sliced(slash + 1), old.skin, oneLine(skin));
    return decodeField(value) == wanted ? value : encodeText(wanted);
}

QString notWrittenSuffix()
{
    return QCoreApplication::translate("BotList", " The bots were not written to it.");
}

} // namespace

BotLineFields parseBotLine(QByteArrayView line)
{
    const Values values = takeValues(line);
    return { decodeField(values.name), decodeField(values.modelSkin), decodeField(values.profileFile),
        decodeField(values.profileName) };
}

QByteArray composeBotLine(const QString& name, const QString& model, const QString& skin,
    const QString& profileFile, const QString& profileName)
{
    return recomposeBotLine({}, name, model, skin, profileFile, profileName);
}

QByteArray recomposeBotLine(QByteArrayView stored, const QString& name, const QString& model,
    const QString& skin, const QString& profileFile, const QString& profileName)
{
    const Values old = takeValues(stored);
    QByteArray line = "\"sv\" \"addbot\" \"";
    line += keptOrEncoded(old.name, name);
    line += "\" \"";
    line += modelSkinValue(old.modelSkin, model, skin);
    line += "\" \"";
    line += keptOrEncoded(old.profileFile, profileFile);
    line += "\" \"";
    line += keptOrEncoded(old.profileName, profileName);
    line += '"';
    return line;
}

ModelSkin splitModelSkin(const QString& modelSkin)
{
    const qsizetype slash = modelSkin.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return { QString(), modelSkin };
    return { modelSkin.left(slash), modelSkin.mid(slash + 1) };
}

QString BotList::missingFileMessage(const QString& name)
{
    return QCoreApplication::translate("BotList", "Error: Could not locate file %1").arg(name);
}

QString BotList::notBotListMessage(const QString& name)
{
    return QCoreApplication::translate("BotList", "The file %1 is not a bot list file: it is not plain text.")
        .arg(name);
}

QString BotList::notBotListSaveMessage(const QString& name)
{
    return notBotListMessage(name) + notWrittenSuffix();
}

QString BotList::notRegularFileMessage(const QString& name)
{
    return QCoreApplication::translate(
        "BotList", "The file %1 is not a bot list file: it is not a regular file.")
        .arg(name);
}

QString BotList::tooLargeMessage(const QString& name, qint64 size)
{
    // Rounded up, so that the size never reads as the limit itself.
    const qint64 mb = (size + 1024 * 1024 - 1) / (1024 * 1024);
    return QCoreApplication::translate(
        "BotList", "The file %1 is too large to be a bot list file (%2 MB; at most %3 MB are read).")
        .arg(name)
        .arg(mb)
        .arg(kMaxFileSize / (1024 * 1024));
}

QStringList BotList::listBotListFiles(const InstallPaths& paths)
{
    return listFiles(paths.launcherDir, QStringLiteral("*.cfg"));
}

QByteArrayView BotList::lineView(qsizetype index) const
{
    const Slot& slot = m_slots.at(index);
    return QByteArrayView(m_text.constData() + slot.offset, slot.size);
}

BotEntry BotList::entry(qsizetype index) const
{
    BotLineFields f = fields(index);
    return BotEntry { line(index), std::move(f.name), std::move(f.modelSkin), std::move(f.profileFile),
        std::move(f.profileName), isSelected(index) };
}

BotLineFields BotList::fields(qsizetype index) const
{
    const qint32 given = m_slots.at(index).givenFields;
    return given >= 0 ? m_givenFields.at(given) : parseBotLine(lineView(index));
}

QString BotList::name(qsizetype index) const
{
    const qint32 given = m_slots.at(index).givenFields;
    return given >= 0 ? m_givenFields.at(given).name : decodeField(takeValues(lineView(index)).name);
}

bool BotList::runsSeveralCommands(qsizetype index) const
{
    int running = 0;
    for (const console::Command& command : console::commandsOf(lineView(index))) {
        const console::Words w
            = console::wordsOf(command.kept(), [](const QByteArray&) { return std::nullopt; });
        running += !w.words.isEmpty();
    }
    return running > 1;
}

BotList::OpenResult BotList::open(const InstallPaths& paths, const QString& name, bool reportMissing)
{
    // A name from Windows ("BOTS.CFG") finds the file under its real name, which later
    // saves then write.
    m_fileName = existingFileName(paths.launcherDir, name);
    const QString path = filePath(paths);
    OpenResult result;
    QByteArray data;
    const FileCheck check = readFile(path, &data, kMaxFileSize);
    switch (check.state) {
    case FileState::Readable:
        // A file holding NUL bytes (UTF-16 text, a program) is no bot list: its lines would
        // reach the game garbled.
        if (data.contains('\0'))
            result.refusal = notBotListMessage(name);
        break;
    case FileState::Missing:
    case FileState::Directory:
        result.fileMissing = true;
        if (reportMissing)
            result.message = missingFileMessage(name);
        return result;
    case FileState::NotRegular:
        result.refusal = notRegularFileMessage(name);
        break;
    case FileState::TooLarge:
        result.refusal = tooLargeMessage(name, check.size);
        break;
    case FileState::Failed:
        throw UserError(QCoreApplication::translate("BotList", "Cannot open file %1")
                            .arg(QDir::toNativeSeparators(path)));
    }
    // A name typed letter by letter passes such files ("tarrakind", the launcher itself, on
    // the way to "tarrakind2.cfg"), so they are passed over like a missing one, but named
    // for what they are.
    if (!result.refusal.isEmpty()) {
        result.notBotList = true;
        if (reportMissing)
            result.message = result.refusal;
        return result;
    }
    readContents(data);
    return result;
}

void BotList::readContents(const QByteArray& data)
{
    // The lines stay where the file has them; a bot holds only where its line lies. Two
    // passes over the bytes (count, then fill) cost less than growing the list.
    const auto forEachLine = [&data](auto&& take) {
        const char* d = data.constData();
        const qsizetype n = data.size();
        qsizetype start = 0;
        for (qsizetype i = 0; i < n; ++i) {
            const char c = d[i];
            if (c != '\r' && c != '\n')
                continue;
            if (i > start)
                take(start, i);
            if (c == '\r' && i + 1 < n && d[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
        if (n > start)
            take(start, n);
    };
    qsizetype count = 0;
    forEachLine([&count](qsizetype, qsizetype) { ++count; });
    QList<Slot> lines(count);
    Slot* slot = lines.data();
    forEachLine([&slot](qsizetype start, qsizetype end) {
        *slot++ = Slot { start, quint32(end - start), 0, -1 };
    });
    m_text = data;
    m_slots = std::move(lines);
    m_givenFields.clear();
    m_selectedCount = 0;
}

QByteArray BotList::contents() const
{
    qsizetype total = 0;
    for (const Slot& slot : m_slots)
        total += slot.size + 2;
    QByteArray out;
    out.reserve(total);
    for (qsizetype i = 0; i < m_slots.size(); ++i) {
        out += lineView(i);
        out += "\r\n";
    }
    return out;
}

void BotList::save(const InstallPaths& paths) const
{
    const QString path = filePath(paths);
    // Never replace a file that open() would not read (the launcher, an archive, a pipe, a
    // file too large to have been read) with bot lines, whatever name was typed.
    QByteArray current;
    const FileCheck check = readFile(path, &current, kMaxFileSize);
    if (check.state == FileState::NotRegular)
        throw UserError(notRegularFileMessage(m_fileName) + notWrittenSuffix());
    if (check.state == FileState::TooLarge)
        throw UserError(tooLargeMessage(m_fileName, check.size) + notWrittenSuffix());
    if (check && current.contains('\0'))
        throw UserError(notBotListSaveMessage(m_fileName));
    QString reason;
    if (!writeFileAtomically(path, contents(), &reason))
        throw UserError(cannotCreateFileMessage(path, reason));
}

void BotList::setSelected(Slot& slot, bool selected)
{
    if (bool(slot.selected) == selected)
        return;
    slot.selected = selected;
    m_selectedCount += selected ? 1 : -1;
}

bool BotList::toggle(qsizetype index)
{
    if (index < 0 || index >= m_slots.size())
        return false;
    Slot& slot = m_slots[index];
    setSelected(slot, !slot.selected);
    return true;
}

bool BotList::remove(qsizetype index)
{
    if (index < 0 || index >= m_slots.size())
        return false;
    setSelected(m_slots[index], false);
    m_slots.removeAt(index);
    return true;
}

bool BotList::replaceEntry(qsizetype index, const QString& name, const QString& model, const QString& skin,
    const QString& profileFile, const QString& profileName)
{
    if (index < 0 || index >= m_slots.size())
        return false;
    const QByteArray line = recomposeBotLine(lineView(index), name, model, skin, profileFile, profileName);
    // The fields are the values given; only when the line does not read back as them (a
    // value holding a double quote) are they kept beside it.
    BotLineFields given { oneLine(name), oneLine(model + QLatin1Char('/') + skin), oneLine(profileFile),
        oneLine(profileName) };
    qint32 givenFields = -1;
    if (parseBotLine(line) != given) {
        givenFields = qint32(m_givenFields.size());
        m_givenFields.append(std::move(given));
    }
    // The old line's bytes stay behind unused; the bot now points at its new line.
    Slot& slot = m_slots[index];
    slot.offset = m_text.size();
    slot.size = quint32(line.size());
    slot.givenFields = givenFields;
    m_text += line;
    return true;
}

int BotList::pickRandom(int count, Random& random)
{
    for (Slot& slot : m_slots)
        slot.selected = false;
    m_selectedCount = 0;
    const qsizetype n = m_slots.size();
    const int k = count < 0 ? 0 : int(qMin<qsizetype>(count, n));
    // Redrawing on a hit makes every set of k bots equally likely. The generator has a
    // full period, so every index comes up and the loop ends.
    while (m_selectedCount < k) {
        Slot& slot = m_slots[random.below(std::uint32_t(n))];
        setSelected(slot, true);
    }
    return k;
}

qsizetype BotList::addBot()
{
    // Only names of the form "noname" + digits can block one; an ASCII name reads as its
    // bytes in any encoding, so the bytes are compared.
    QSet<QByteArray> names;
    for (qsizetype i = 0; i < m_slots.size(); ++i) {
        if (m_slots.at(i).givenFields >= 0)
            names.insert(name(i).toUtf8());
        else if (const QByteArrayView value = takeValues(lineView(i)).name; value.startsWith("noname"))
            names.insert(value.toByteArray());
    }
    QByteArray name;
    for (qsizetype i = 1;; ++i) {
        name = "noname" + QByteArray::number(i);
        if (!names.contains(name))
            break;
    }
    const QByteArray line = composeBotLine(QString::fromLatin1(name), QStringLiteral("male"),
        QStringLiteral("grunt"), QStringLiteral("bots/hunk_c.c"), QStringLiteral("hunk"));
    m_slots.append(Slot { m_text.size(), quint32(line.size()), 0, -1 });
    m_text += line;
    return m_slots.size() - 1;
}

QString BotList::countText() const
{
    const qsizetype selected = selectedCount();
    return (selected == 1 ? QCoreApplication::translate("BotList", "[ %1 Bot(s) found ][ %2 is selected ]")
                          : QCoreApplication::translate("BotList", "[ %1 Bot(s) found ][ %2 are selected ]"))
        .arg(m_slots.size())
        .arg(selected);
}

QStringList BotList::selectedNames() const
{
    QStringList names;
    for (qsizetype i = 0; i < m_slots.size(); ++i) {
        if (m_slots.at(i).selected)
            names.append(name(i));
    }
    return names;
}

void BotList::selectByNames(const QStringList& names)
{
    if (names.isEmpty())
        return;
    const QSet<QString> wanted(names.begin(), names.end());
    for (qsizetype i = 0; i < m_slots.size(); ++i) {
        if (wanted.contains(name(i)))
            setSelected(m_slots[i], true);
    }
}

QList<QByteArray> BotList::selectedLines() const
{
    QList<QByteArray> lines;
    for (qsizetype i = 0; i < m_slots.size(); ++i) {
        if (m_slots.at(i).selected)
            lines.append(line(i));
    }
    return lines;
}

} // namespace tk
