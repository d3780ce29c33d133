// SPDX-License-Identifier: GPL-2.0-or-later
#include "profile/core/inifile.h"

#include "app/core/fileutil.h"
#include "app/core/textcodec.h"
#include "app/core/usererror.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace tk {

namespace {

constexpr qsizetype kMaxValueLength = 1023;
constexpr char kBom[] = "\xEF\xBB\xBF";

// Besides space and tab, the invisible controls VT and FF and the DOS end-of-file mark ^Z
// count as blanks, as they do for the Windows profile functions: a file ending in ^Z reads
// as if the mark were not there.
bool isBlank(char16_t c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == 0x1A;
}

QByteArrayView trimmed(QByteArrayView s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && isBlank(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && isBlank(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.sliced(b, e - b);
}

qsizetype indexOf(QByteArrayView s, char c)
{
    const void* p = s.isEmpty() ? nullptr : std::memchr(s.data(), c, size_t(s.size()));
    return p ? static_cast<const char*>(p) - s.data() : -1;
}

// Position of the closing "]" of a section header line (already trimmed), or -1 when the line
// is no header. The last "]" closes, so "[a]b]" names "a]b" and "[S] ; note" names "S".
qsizetype headerClose(QByteArrayView t)
{
    if (t.isEmpty() || t[0] != '[')
        return -1;
    for (qsizetype i = t.size() - 1; i > 0; --i) {
        if (t[i] == ']')
            return i;
    }
    return -1;
}

QByteArrayView unquoted(QByteArrayView v)
{
    if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v[v.size() - 1] == v[0])
        return v.sliced(1, v.size() - 2);
    return v;
}

// The value of an entry line as read, before the length cut.
QByteArrayView entryValue(QByteArrayView line)
{
    const qsizetype eq = indexOf(line, '=');
    return unquoted(trimmed(line.sliced(eq + 1)));
}

QString cutToMaxLength(QString s)
{
    if (s.size() <= kMaxValueLength)
        return s;
    // Count characters, not UTF-16 units: a pair of surrogates is one character.
    qsizetype i = 0;
    for (qsizetype n = 0; n < kMaxValueLength && i < s.size(); ++n)
        i += (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) ? 2 : 1;
    s.truncate(i);
    return s;
}

// A name as given by a caller: line ends become blanks (as when it is written), blanks
// around it are dropped.
QString cleanName(const QString& name)
{
    auto trimmable = [](QChar c) { return isBlank(c.unicode()) || c == '\r' || c == '\n'; };
    qsizetype b = 0;
    qsizetype e = name.size();
    while (b < e && trimmable(name[b]))
        ++b;
    while (e > b && trimmable(name[e - 1]))
        --e;
    QString s = (b == 0 && e == name.size()) ? name : name.sliced(b, e - b);
    if (s.contains(QLatin1Char('\r')) || s.contains(QLatin1Char('\n')))
        s.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return s;
}

// Text of the file as a string; ASCII, by far the most common, without the UTF-8 check.
QString decodeValue(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return decodeText(bytes.toByteArray());
    }
    return QString::fromLatin1(bytes.data(), bytes.size());
}

int hexDigit(char16_t c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Decimal with an optional sign within the signed 32-bit range, or "0x"/"0X" and up to 32
// bits of hexadecimal digits, read as the two's complement value.
std::optional<int> parseInteger(QStringView s)
{
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        quint64 v = 0;
        for (const QChar c : s.sliced(2)) {
            const int d = hexDigit(c.unicode());
            if (d < 0)
                return std::nullopt;
            v = v * 16 + quint64(d);
            if (v > 0xFFFFFFFFull)
                return std::nullopt;
        }
        return static_cast<int>(static_cast<quint32>(v));
    }
    qsizetype i = 0;
    const bool negative = !s.isEmpty() && s[0] == '-';
    if (!s.isEmpty() && (s[0] == '-' || s[0] == '+'))
        ++i;
    if (i == s.size())
        return std::nullopt;
    qint64 v = 0;
    for (; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
        if (v > 0x80000000ll)
            return std::nullopt;
    }
    if (negative)
        v = -v;
    if (v > 0x7FFFFFFFll)
        return std::nullopt;
    return static_cast<int>(v);
}

} // namespace

// Eight bytes at a time through a multiply-xorshift mix, seeded per process by QHash so that
// a crafted file cannot aim at collisions.
size_t inidetail::hashName(const QByteArray& folded, size_t seed) noexcept
{
    constexpr quint64 k = 0x9E3779B97F4A7C15ull;
    const char* p = folded.constData();
    qsizetype n = folded.size();
    quint64 h = (quint64(seed) ^ quint64(n)) * k;
    auto mix = [&](quint64 v) {
        h ^= v;
        h *= k;
        h ^= h >> 29;
    };
    for (; n >= 8; n -= 8, p += 8) {
        quint64 v;
        std::memcpy(&v, p, 8);
        mix(v);
    }
    quint64 tail = 0;
    std::memcpy(&tail, p, size_t(n));
    mix(tail);
    h ^= h >> 32;
    h *= 0xD6E8FEB86659FD93ull;
    h ^= h >> 32;
    return size_t(h);
}

// Names are compared folded: ASCII names (the usual case) simply lower-cased, others decoded
// like any text of the file and case-folded.
IniFile::Name IniFile::foldFileName(QByteArrayView name)
{
    QByteArray out(name.data(), name.size());
    for (char& c : out) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return { decodeText(name.toByteArray()).toCaseFolded().toUtf8() };
        if (c >= 'A' && c <= 'Z')
            c = char(c + ('a' - 'A'));
    }
    return { out };
}

IniFile::Name IniFile::foldCallerName(const QString& cleaned)
{
    QByteArray out(cleaned.size(), Qt::Uninitialized);
    char* p = out.data();
    for (const QChar c : cleaned) {
        const char16_t u = c.unicode();
        if (u >= 0x80)
            return { cleaned.toCaseFolded().toUtf8() };
        *p++ = char((u >= 'A' && u <= 'Z') ? u + ('a' - 'A') : u);
    }
    return { out };
}

IniFile::IniFile()
{
    parse();
}

IniFile::IniFile(QByteArray contents)
    : m_source(std::move(contents))
{
    parse();
}

IniFile IniFile::load(const QString& path, FileCheck* check)
{
    QByteArray data;
    const FileCheck read = readFile(path, &data, kMaxFileSize);
    if (check)
        *check = read;
    return read ? IniFile(std::move(data)) : IniFile();
}

void IniFile::parse()
{
    m_written.clear();
    m_sections.clear();
    m_sectionIndex.clear();
    m_sections.emplace_back();
    m_sectionIndex.insert(Name(), 0);
    // Until the first write the document's bytes are the source's, shared rather than rebuilt.
    m_contents = m_source;
    m_contentsValid = true;

    const char* d = m_source.constData();
    const qsizetype n = m_source.size();
    qsizetype pos = 0;
    m_bom = n >= 3 && std::memcmp(d, kBom, 3) == 0;
    if (m_bom)
        pos = 3;
    while (pos < n) {
        qsizetype e = pos;
        while (e < n && d[e] != '\n' && d[e] != '\r')
            ++e;
        Line line;
        line.offset = pos;
        line.size = e - pos;
        if (e == n) {
            pos = n;
        } else if (d[e] == '\n') {
            line.end = LineEnd::Lf;
            pos = e + 1;
        } else if (e + 1 < n && d[e + 1] == '\n') {
            line.end = LineEnd::CrLf;
            pos = e + 2;
        } else {
            line.end = LineEnd::Cr;
            pos = e + 1;
        }
        addLine(line);
    }
}

void IniFile::addLine(const Line& line)
{
    const QByteArrayView t = trimmed(text(line));
    const qsizetype close = headerClose(t);
    if (close > 0) {
        const Name name = foldFileName(trimmed(t.sliced(1, close - 1)));
        Section section;
        section.lines.push_back(line);
        section.contentEnd = 1;
        section.hidden = m_sectionIndex.contains(name);
        if (!section.hidden)
            m_sectionIndex.insert(name, qsizetype(m_sections.size()));
        m_sections.push_back(std::move(section));
        return;
    }
    Section& section = m_sections.back();
    section.lines.push_back(line);
    if (t.isEmpty())
        return;
    const qsizetype index = qsizetype(section.lines.size()) - 1;
    section.contentEnd = index + 1;
    const qsizetype eq = indexOf(t, '=');
    if (eq < 0 || section.hidden)
        return;
    const Name key = foldFileName(trimmed(t.first(eq)));
    if (!section.keys.contains(key))
        section.keys.insert(key, index);
}

QByteArrayView IniFile::text(const Line& line) const
{
    if (line.written >= 0)
        return m_written[size_t(line.written)];
    return QByteArrayView(m_source.constData() + line.offset, line.size);
}

std::optional<QByteArrayView> IniFile::findEntry(const QString& section, const QString& key) const
{
    const auto s = m_sectionIndex.constFind(foldCallerName(cleanName(section)));
    if (s == m_sectionIndex.cend())
        return std::nullopt;
    const Section& sec = m_sections[size_t(*s)];
    const auto k = sec.keys.constFind(foldCallerName(cleanName(key)));
    if (k == sec.keys.cend())
        return std::nullopt;
    return text(sec.lines[size_t(*k)]);
}

QString IniFile::readString(const QString& section, const QString& key, const QString& def) const
{
    const std::optional<QByteArrayView> line = findEntry(section, key);
    if (!line)
        return cutToMaxLength(def);
    return cutToMaxLength(decodeValue(entryValue(*line)));
}

std::optional<QString> IniFile::readOptionalString(const QString& section, const QString& key) const
{
    const std::optional<QByteArrayView> line = findEntry(section, key);
    if (!line)
        return std::nullopt;
    return cutToMaxLength(decodeValue(entryValue(*line)));
}

bool IniFile::isCut(const QString& section, const QString& key) const
{
    const std::optional<QByteArrayView> line = findEntry(section, key);
    if (!line)
        return false;
    const QString value = decodeValue(entryValue(*line));
    return cutToMaxLength(value).size() < value.size();
}

int IniFile::readInt(const QString& section, const QString& key, int def) const
{
    const std::optional<QByteArrayView> line = findEntry(section, key);
    if (!line)
        return def;
    const QString value = cutToMaxLength(decodeValue(entryValue(*line)));
    return parseInteger(value).value_or(def);
}

bool IniFile::readBool(const QString& section, const QString& key, bool def) const
{
    return readInt(section, key, def ? 1 : 0) != 0;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    const QString sectionName = cleanName(section);
    const QString keyName = cleanName(key);
    const Name foldedKey = foldCallerName(keyName);
    QString v = value;
    v.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QByteArray valueBytes = encodeText(v);
    const QByteArray entry = encodeText(keyName) + '=' + valueBytes;

    const auto s = m_sectionIndex.constFind(foldCallerName(sectionName));
    if (s == m_sectionIndex.cend()) {
        terminateLastLine();
        Section added;
        added.lines.push_back(newLine('[' + encodeText(sectionName) + ']'));
        added.lines.push_back(newLine(entry));
        added.contentEnd = 2;
        added.keys.insert(foldedKey, 1);
        m_sectionIndex.insert(foldCallerName(sectionName), qsizetype(m_sections.size()));
        m_sections.push_back(std::move(added));
    } else {
        Section& sec = m_sections[size_t(*s)];
        const auto k = sec.keys.constFind(foldedKey);
        if (k != sec.keys.cend()) {
            Line& line = sec.lines[size_t(*k)];
            const QByteArrayView old = text(line);
            // A value that would read back as it reads now leaves the line's bytes alone.
            if (decodeValue(entryValue(old)) == decodeValue(unquoted(trimmed(valueBytes))))
                return;
            // Only the value is replaced: the key's spelling, the spacing around "=" and any
            // trailing blanks stay as the user left them.
            qsizetype begin = indexOf(old, '=') + 1;
            qsizetype end = old.size();
            while (begin < end && isBlank(static_cast<unsigned char>(old[begin])))
                ++begin;
            while (end > begin && isBlank(static_cast<unsigned char>(old[end - 1])))
                --end;
            setLineText(line, old.first(begin).toByteArray() + valueBytes + old.sliced(end).toByteArray());
        } else {
            const qsizetype at = sec.contentEnd;
            if (at > 0 && sec.lines[size_t(at - 1)].end == LineEnd::None)
                sec.lines[size_t(at - 1)].end = LineEnd::CrLf;
            sec.lines.insert(sec.lines.begin() + at, newLine(entry));
            // Only blank lines follow the insertion point, so no indexed line moves.
            sec.keys.insert(foldedKey, at);
            sec.contentEnd = at + 1;
        }
    }
    m_contentsValid = false;

    // A key holding "=" or starting with "[" does not read back as the name it was written
    // under; re-reading the document keeps the index exactly what a fresh load would see.
    if (keyName.contains(QLatin1Char('=')) || keyName.startsWith(QLatin1Char('[')))
        *this = IniFile(contents());
}

void IniFile::writeInt(const QString& section, const QString& key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QStringList IniFile::sectionNames() const
{
    QStringList names;
    for (size_t i = 1; i < m_sections.size(); ++i) {
        const QByteArrayView t = trimmed(text(m_sections[i].lines.front()));
        const QByteArrayView name = trimmed(t.sliced(1, headerClose(t) - 1));
        if (!name.isEmpty())
            names.append(decodeValue(name));
    }
    return names;
}

QStringList IniFile::keyNames(const QString& section) const
{
    QStringList names;
    const auto s = m_sectionIndex.constFind(foldCallerName(cleanName(section)));
    if (s == m_sectionIndex.cend())
        return names;
    const Section& sec = m_sections[size_t(*s)];
    bool emptyListed = false;
    for (size_t i = (*s == 0 ? 0 : 1); i < sec.lines.size(); ++i) {
        const QByteArrayView t = trimmed(text(sec.lines[i]));
        const qsizetype eq = indexOf(t, '=');
        if (eq < 0)
            continue;
        const QByteArrayView name = trimmed(t.first(eq));
        if (name.startsWith(';'))
            continue;
        // Like the Windows profile functions, an unnamed entry is listed once.
        if (name.isEmpty()) {
            if (emptyListed)
                continue;
            emptyListed = true;
        }
        names.append(decodeValue(name));
    }
    return names;
}

const QByteArray& IniFile::contents() const
{
    if (m_contentsValid)
        return m_contents;
    qsizetype size = m_bom ? 3 : 0;
    for (const Section& sec : m_sections) {
        for (const Line& line : sec.lines)
            size += text(line).size() + 2;
    }
    QByteArray out;
    out.reserve(size);
    if (m_bom)
        out.append(kBom, 3);
    for (const Section& sec : m_sections) {
        for (const Line& line : sec.lines) {
            out.append(text(line));
            switch (line.end) {
            case LineEnd::None:
                break;
            case LineEnd::Lf:
                out.append('\n');
                break;
            case LineEnd::Cr:
                out.append('\r');
                break;
            case LineEnd::CrLf:
                out.append("\r\n", 2);
                break;
            }
        }
    }
    m_contents = std::move(out);
    m_contentsValid = true;
    return m_contents;
}

void IniFile::save(const QString& path) const
{
    if (const QString refusal = saveRefusal(path); !refusal.isEmpty())
        throw UserError(unableToWriteMessage(path, refusal));
    QString reason;
    if (!writeFileAtomically(path, contents(), &reason))
        throw UserError(unableToWriteMessage(path, reason));
}

QString IniFile::saveRefusal(const QString& path)
{
    // The rename of an atomic save would replace a read-only file even where the file system
    // lets us (as root); and a file we could not read must not give way to a partial document.
    // Nor does a file that load() refused (a pipe, a device, one too large to read).
    const QFileInfo info(path);
    const QFileDevice::Permissions anyWrite
        = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (const FileCheck check = checkFile(path, kMaxFileSize); check.refused())
        return check.reason;
    if (info.exists() && !info.isReadable())
        return QCoreApplication::translate("IniFile", "the file cannot be read");
    if (info.exists() && !(info.permissions() & anyWrite))
        return QCoreApplication::translate("IniFile", "the file is read-only");
#ifdef Q_OS_UNIX
    // The new file is made beside the old one and renamed over it.
    if (::access(QFile::encodeName(info.absolutePath()).constData(), W_OK | X_OK) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
#endif
    return {};
}

void IniFile::setLineText(Line& line, QByteArray text)
{
    if (line.written < 0) {
        line.written = qsizetype(m_written.size());
        m_written.push_back(std::move(text));
    } else {
        m_written[size_t(line.written)] = std::move(text);
    }
}

IniFile::Line IniFile::newLine(QByteArray text)
{
    Line line;
    line.end = LineEnd::CrLf;
    setLineText(line, std::move(text));
    return line;
}

void IniFile::terminateLastLine()
{
    // Sections always hold their header line; only the leading section can be empty, and then
    // it is the whole document.
    std::vector<Line>& lines = m_sections.back().lines;
    if (!lines.empty() && lines.back().end == LineEnd::None)
        lines.back().end = LineEnd::CrLf;
}

} // namespace tk
