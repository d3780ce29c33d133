// SPDX-License-Identifier: GPL-2.0-or-later
#include "bots/core/botlist.h"

#include "app/core/fileutil.h"
#include "app/core/textcodec.h"
#include "app/core/usererror.h"

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
    return QStringLiteral("Error: Could not locate file ") + name;
}

QString BotList::notBotListMessage(const QString& name)
{
    return QCoreApplication::translate(
        "tk::BotList", "The file %1 is not a bot list file: it is not plain text.")
        .arg(name);
}

QString BotList::notBotListSaveMessage(const QString& name)
{
    return QCoreApplication::translate("tk::BotList",
        "The file %1 is not a bot list file: it is not plain text. The bots were not written to it.")
        .arg(name);
}

QStringList BotList::listBotListFiles(const InstallPaths& paths)
{
    return listFiles(paths.launcherDir, QStringLiteral("*.cfg"));
}

qsizetype BotList::selectedCount() const
{
    qsizetype count = 0;
    for (const BotEntry& e : m_entries)
        count += e.selected ? 1 : 0;
    return count;
}

BotList::OpenResult BotList::open(const InstallPaths& paths, const QString& name, bool reportMissing)
{
    m_fileName = name;
    const QString path = filePath(paths);
    OpenResult result;
    if (!fileExists(path)) {
        result.fileMissing = true;
        if (reportMissing)
            result.message = missingFileMessage(name);
        return result;
    }
    QByteArray data;
    if (!readFile(path, &data))
        throw UserError(QStringLiteral("Cannot open file %1").arg(QDir::toNativeSeparators(path)));
    // A file holding NUL bytes (UTF-16 text, a program) is no bot list: its lines would
    // reach the game garbled. A name typed letter by letter passes such files ("tarrakind",
    // the launcher itself, on the way to "tarrakind2.cfg"), so they are passed over like
    // a missing one, but named for what they are.
    if (data.contains('\0')) {
        result.notBotList = true;
        if (reportMissing)
            result.message = notBotListMessage(name);
        return result;
    }
    readContents(data);
    return result;
}

void BotList::readContents(const QByteArray& data)
{
    const QList<QByteArray> lines = splitLines(data);
    QList<BotEntry> entries;
    entries.reserve(lines.size());
    for (const QByteArray& line : lines) {
        if (line.isEmpty())
            continue;
        BotLineFields f = parseBotLine(line);
        entries.append(BotEntry { line, std::move(f.name), std::move(f.modelSkin), std::move(f.profileFile),
            std::move(f.profileName), false });
    }
    m_entries = std::move(entries);
}

QByteArray BotList::contents() const
{
    QList<QByteArray> lines;
    lines.reserve(m_entries.size());
    for (const BotEntry& e : m_entries)
        lines.append(e.line);
    return joinLinesCrLf(lines);
}

void BotList::save(const InstallPaths& paths) const
{
    const QString path = filePath(paths);
    // Never replace a file that is not a text file (the launcher, an archive) with
    // bot lines, whatever name was typed.
    QByteArray current;
    if (fileExists(path) && readFile(path, &current) && current.contains('\0'))
        throw UserError(notBotListSaveMessage(m_fileName));
    QString reason;
    if (!writeFileAtomically(path, contents(), &reason))
        throw UserError(cannotCreateFileMessage(path, reason));
}

bool BotList::toggle(qsizetype index)
{
    if (index < 0 || index >= m_entries.size())
        return false;
    m_entries[index].selected = !m_entries[index].selected;
    return true;
}

bool BotList::remove(qsizetype index)
{
    if (index < 0 || index >= m_entries.size())
        return false;
    m_entries.removeAt(index);
    return true;
}

bool BotList::replaceEntry(qsizetype index, const QString& name, const QString& model, const QString& skin,
    const QString& profileFile, const QString& profileName)
{
    if (index < 0 || index >= m_entries.size())
        return false;
    BotEntry& e = m_entries[index];
    e.line = recomposeBotLine(e.line, name, model, skin, profileFile, profileName);
    // The fields match what a later read of the line gives.
    e.name = oneLine(name);
    e.modelSkin = oneLine(model + QLatin1Char('/') + skin);
    e.profileFile = oneLine(profileFile);
    e.profileName = oneLine(profileName);
    return true;
}

int BotList::pickRandom(int count, Random& random)
{
    for (BotEntry& e : m_entries)
        e.selected = false;
    const qsizetype n = m_entries.size();
    const int k = count < 0 ? 0 : int(qMin<qsizetype>(count, n));
    // Redrawing on a hit makes every set of k bots equally likely. The generator has a
    // full period, so every index comes up and the loop ends.
    for (int picked = 0; picked < k;) {
        BotEntry& e = m_entries[random.below(std::uint32_t(n))];
        if (!e.selected) {
            e.selected = true;
            ++picked;
        }
    }
    return k;
}

qsizetype BotList::addBot()
{
    QSet<QString> names;
    names.reserve(m_entries.size());
    for (const BotEntry& e : m_entries)
        names.insert(e.name);
    QString name;
    for (qsizetype i = 1;; ++i) {
        name = QStringLiteral("noname") + QString::number(i);
        if (!names.contains(name))
            break;
    }
    const QString model = QStringLiteral("male");
    const QString skin = QStringLiteral("grunt");
    const QString profileFile = QStringLiteral("bots/hunk_c.c");
    const QString profileName = QStringLiteral("hunk");
    m_entries.append(BotEntry { composeBotLine(name, model, skin, profileFile, profileName), name,
        model + QLatin1Char('/') + skin, profileFile, profileName, false });
    return m_entries.size() - 1;
}

QString BotList::countText() const
{
    const qsizetype selected = selectedCount();
    return QStringLiteral("[ %1 Bot(s) found ][ %2 %3 selected ]")
        .arg(m_entries.size())
        .arg(selected)
        .arg(selected == 1 ? QStringLiteral("is") : QStringLiteral("are"));
}

QStringList BotList::selectedNames() const
{
    QStringList names;
    for (const BotEntry& e : m_entries) {
        if (e.selected)
            names.append(e.name);
    }
    return names;
}

void BotList::selectByNames(const QStringList& names)
{
    const QSet<QString> wanted(names.begin(), names.end());
    for (BotEntry& e : m_entries) {
        if (wanted.contains(e.name))
            e.selected = true;
    }
}

QList<QByteArray> BotList::selectedLines() const
{
    QList<QByteArray> lines;
    for (const BotEntry& e : m_entries) {
        if (e.selected)
            lines.append(e.line);
    }
    return lines;
}

} // namespace tk
