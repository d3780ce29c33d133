// SPDX-License-Identifier: GPL-2.0-or-later
// Arbitrary bytes as an INI document: reading must not crash or hang, an untouched document
// must keep its bytes, and after writes the in-memory index must answer exactly as a fresh
// parse of the written bytes does.

#include "app/core/textcodec.h"
#include "profile/core/inifile.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

// The value a written string reads back as: blanks and one pair of quotes dropped, line ends
// already turned into blanks, cut at 1023 characters (the written values here are ASCII).
QString readBack(QString v)
{
    v.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    auto blank = [](QChar c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == QChar(0x1A); };
    while (!v.isEmpty() && blank(v.front()))
        v.remove(0, 1);
    while (!v.isEmpty() && blank(v.back()))
        v.chop(1);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v.left(1023);
}

bool hasKey(const tk::IniFile& ini, const QString& section, const QString& key)
{
    const QString a = QStringLiteral("\x01");
    const QString b = QStringLiteral("\x02");
    return ini.readString(section, key, a) != a || ini.readString(section, key, b) != b;
}

bool hasSection(const tk::IniFile& ini, const QString& section)
{
    const QString folded = section.toCaseFolded();
    for (const QString& name : ini.sectionNames()) {
        if (name.toCaseFolded() == folded)
            return true;
    }
    return section.isEmpty();
}

// Lines a write adds: none when it replaces, one for a new key, two for a new section.
qsizetype addedLines(const tk::IniFile& ini, const QString& section, const QString& key)
{
    if (!hasSection(ini, section))
        return 2;
    return hasKey(ini, section, key) ? 0 : 1;
}

qsizetype lineCount(QByteArray data)
{
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    return tk::splitLines(data).size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    tk::IniFile ini(bytes);
    check(ini.contents() == bytes);

    const QString s = QStringLiteral("ServerOptions");
    ini.readString(s, QStringLiteral("DMFlags"), QStringLiteral("280084"));
    ini.readInt(s, QStringLiteral("FragLimit"), 150);
    ini.readBool(QStringLiteral("Launcher"), QStringLiteral("LeaveOpen"), true);
    const QStringList sections = ini.sectionNames();
    for (const QString& name : sections)
        ini.keyNames(name);

    // A value taken from the input's last bytes, restricted to ASCII so that readBack() is exact.
    QString value;
    for (std::size_t i = size > 48 ? size - 48 : 0; i < size; ++i)
        value.append(QChar(data[i] & 0x7F));
    const QString firstSection = sections.isEmpty() ? QStringLiteral("Binds") : sections.first();
    const QString newSection = QStringLiteral("New Section");
    qsizetype added = addedLines(ini, firstSection, QStringLiteral("n0"));
    ini.writeString(firstSection, QStringLiteral("n0"), value);
    added += addedLines(ini, s, QStringLiteral("FragLimit"));
    ini.writeInt(s, QStringLiteral("FragLimit"), int(size));
    added += addedLines(ini, newSection, QStringLiteral("Enabled"));
    ini.writeBool(newSection, QStringLiteral("Enabled"), size % 2 == 0);
    // Nothing is removed and a value never breaks its line.
    check(lineCount(ini.contents()) == lineCount(bytes) + added);

    const tk::IniFile reread(ini.contents());
    const struct {
        QString section;
        QString key;
    } probes[] = {
        { firstSection, QStringLiteral("n0") },
        { s, QStringLiteral("FragLimit") },
        { s, QStringLiteral("DMFlags") },
        { newSection, QStringLiteral("Enabled") },
        { QString(), QString() },
    };
    for (const auto& p : probes)
        check(ini.readString(p.section, p.key, QStringLiteral("\x01"))
            == reread.readString(p.section, p.key, QStringLiteral("\x01")));
    check(ini.sectionNames() == reread.sectionNames());
    check(ini.keyNames(firstSection) == reread.keyNames(firstSection));
    check(ini.readString(firstSection, QStringLiteral("n0"), {}) == readBack(value));
    check(ini.readInt(s, QStringLiteral("FragLimit"), -1) == int(size));
    check(ini.readBool(newSection, QStringLiteral("Enabled"), size % 2 != 0) == (size % 2 == 0));
    return 0;
}
