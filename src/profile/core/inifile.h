// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/fileutil.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace tk {

namespace inidetail {
size_t hashName(const QByteArray& folded, size_t seed) noexcept;
}

// An INI document (profiles "*.tsf", "quikload.ini", "mapnames.dat") held whole in memory.
//
// The file is read once and indexed once, so that a profile load of a hundred keys does not
// parse the file a hundred times. Writes edit single lines: a line that is not written keeps
// its bytes and its own line end, nothing is ever removed, and save() replaces the file in one
// atomic step, so a refused or interrupted save leaves the old file as it was.
//
// Names of sections and keys are matched without regard to case, after trimming blanks. Only
// the first of two equal keys in a section, and only the first of two equal sections, is
// seen, by reads and by writes alike.
class IniFile {
public:
    IniFile();
    explicit IniFile(QByteArray contents);

    // The most of a file load() reads.
    static constexpr qint64 kMaxFileSize = kMaxSettingsFileSize;

    // A missing or unreadable file gives an empty document; reading is never an error. A
    // file that is there but not read (not a regular file, larger than kMaxFileSize, or
    // refused by the system) is told in check, for the caller to say so; save() will not
    // replace it.
    static IniFile load(const QString& path, FileCheck* check = nullptr);

    // The text after the first "=", blanks around it and one pair of enclosing quotes (double
    // or single) removed, cut at 1023 characters; def (cut the same way) when the section or
    // the key is missing.
    QString readString(const QString& section, const QString& key, const QString& def) const;
    // The same, with nothing when the section or the key is missing.
    std::optional<QString> readOptionalString(const QString& section, const QString& key) const;

    // Whether readString cuts the key's value: it holds more than 1023 characters.
    bool isCut(const QString& section, const QString& key) const;
    // Signed decimal, or "0x"/"0X" and hexadecimal digits (wrapping above 0x7FFFFFFF), within
    // 32 bits; anything else, an empty value included, gives def.
    int readInt(const QString& section, const QString& key, int def) const;
    // Read as an integer with default 1 or 0; any non-zero value is true.
    bool readBool(const QString& section, const QString& key, bool def) const;

    // Replaces the value of the key's entry line in place, or appends a new entry at the end
    // of its section, or a new section at the end of the document. The value is written
    // verbatim, except that a CR or LF in it becomes a blank: a value never breaks its line.
    // Names are written without their surrounding blanks. A value that reads back as the
    // current one leaves the line untouched.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInt(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);

    // Names of the section headers in file order (unnamed ones left out), copies included.
    QStringList sectionNames() const;
    // Names of the section's entries in file order, comment entries (";...") left out.
    QStringList keyNames(const QString& section) const;

    // The document's bytes now.
    const QByteArray& contents() const;

    // Replaces the file at path with contents() atomically. Throws tk::UserError("Unable to
    // write to " + path) when the file system refuses, when the file is marked read-only, or
    // when an existing file cannot be read (replacing it would lose what it holds); the old
    // file is then left untouched.
    void save(const QString& path) const;
    // Why save(path) would refuse before writing anything (the file is read-only, cannot be
    // read, or the directory takes no new file); empty when it would try.
    static QString saveRefusal(const QString& path);

private:
    enum class LineEnd : quint8 { None, Lf, Cr, CrLf };

    // A name as compared: trimmed and case-folded. Hashed by our own seeded function, which
    // is many times faster on short names than Qt 6.4's qHash(QByteArray).
    struct Name {
        QByteArray folded;
        friend bool operator==(const Name& a, const Name& b) { return a.folded == b.folded; }
        friend size_t qHash(const Name& name, size_t seed) noexcept
        {
            return inidetail::hashName(name.folded, seed);
        }
    };

    struct Line {
        qsizetype offset = 0; // into m_source, for a line as read
        qsizetype size = 0;
        qsizetype written = -1; // into m_written, for a line written or added since
        LineEnd end = LineEnd::None;
    };

    struct Section {
        std::vector<Line> lines; // the header line first, except in the leading section
        // Key name -> its first entry line; empty for a hidden copy of a section.
        QHash<Name, qsizetype> keys;
        // One past the last non-blank line: where a new key goes, before trailing blank lines.
        qsizetype contentEnd = 0;
        bool hidden = false;
    };

    static Name foldFileName(QByteArrayView name);
    static Name foldCallerName(const QString& cleaned);

    void parse();
    void addLine(const Line& line);
    QByteArrayView text(const Line& line) const;
    std::optional<QByteArrayView> findEntry(const QString& section, const QString& key) const;
    void setLineText(Line& line, QByteArray text);
    Line newLine(QByteArray text);
    void terminateLastLine();

    QByteArray m_source;
    std::vector<QByteArray> m_written;
    bool m_bom = false;
    // m_sections[0] holds the lines before the first header: the section with the empty name.
    std::vector<Section> m_sections;
    QHash<Name, qsizetype> m_sectionIndex; // name -> the first section of that name
    mutable QByteArray m_contents;
    mutable bool m_contentsValid = false;
};

} // namespace tk
