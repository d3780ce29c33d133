// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/installpaths.h"
#include "app/core/random.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

namespace tk {

// One bot of the current bot list file, as a value. The line is kept as bytes exactly as
// read or composed: it is what the game gets and what a save writes back, so bytes the
// user never edited survive any encoding.
struct BotEntry {
    QByteArray line;
    QString name;
    QString modelSkin;
    QString profileFile;
    QString profileName;
    bool selected = false;
};

// The four values of a bot line that the launcher uses.
struct BotLineFields {
    QString name;
    QString modelSkin;
    QString profileFile;
    QString profileName;

    friend bool operator==(const BotLineFields&, const BotLineFields&) = default;
};

// Takes six quoted values in turn and keeps values 3 to 6. The character after each
// closing quote is skipped whatever it is, so values without a blank between them are
// misread. Never fails: a line off the format gives whatever fields these rules yield.
BotLineFields parseBotLine(QByteArrayView line);

// "sv" "addbot" "<name>" "<model>/<skin>" "<profileFile>" "<profileName>", the values
// written as UTF-8.
QByteArray composeBotLine(const QString& name, const QString& model, const QString& skin,
    const QString& profileFile, const QString& profileName);
// The same line for a bot stored as stored: a value that reads as it does in stored keeps
// stored's bytes, whatever their encoding; only changed values are written as UTF-8.
QByteArray recomposeBotLine(QByteArrayView stored, const QString& name, const QString& model,
    const QString& skin, const QString& profileFile, const QString& profileName);

struct ModelSkin {
    QString model;
    QString skin;
};

// Splits at the first "/"; without one the model is empty and the whole text is the skin.
ModelSkin splitModelSkin(const QString& modelSkin);

// The bots of the current bot list file with their selected flags. A bot costs its line's
// bytes and a few more: the lines stay in one block as the file gave them, and the fields
// are taken from a line when they are asked for.
class BotList {
public:
    static constexpr const char* kDefaultFileName = "bots.cfg";
    // Larger files are not read: a bot list of a million bots is still far below it.
    static constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

    struct OpenResult {
        bool fileMissing = false; // no such file: the bots were kept, now under the new name
        // A file that is not read as a bot list (not plain text, not a regular file, too
        // large): the bots were kept the same way.
        bool notBotList = false;
        QString refusal; // with notBotList: what the user is told of that file
        QString message; // non-empty when the caller must show it

        bool keptBots() const { return fileMissing || notBotList; }
    };

    // "Error: Could not locate file " + name.
    static QString missingFileMessage(const QString& name);
    // What the user is told when the file named name holds NUL bytes (a UTF-16 text, a
    // program): at opening, and when a save would replace it.
    static QString notBotListMessage(const QString& name);
    static QString notBotListSaveMessage(const QString& name);
    // The same for a file that is no regular file (a pipe, a device) or one larger than
    // kMaxFileSize, size bytes long.
    static QString notRegularFileMessage(const QString& name);
    static QString tooLargeMessage(const QString& name, qint64 size);
    // The "*.cfg" files of the launcher directory, sorted without regard to case.
    static QStringList listBotListFiles(const InstallPaths& paths);

    const QString& fileName() const { return m_fileName; }
    qsizetype size() const { return m_slots.size(); }
    qsizetype selectedCount() const { return m_selectedCount; }

    // The bot at index (0 <= index < size()), whole or in parts.
    BotEntry entry(qsizetype index) const;
    QByteArray line(qsizetype index) const { return lineView(index).toByteArray(); }
    BotLineFields fields(qsizetype index) const;
    QString name(qsizetype index) const;
    bool isSelected(qsizetype index) const { return m_slots.at(index).selected; }
    // More than one console command on the line (a ";" outside quotes): the game runs
    // them all, since the line is sent as it stands.
    bool runsSeveralCommands(qsizetype index) const;

    // Makes name the current file and reads it. A missing file, or one that is not read as
    // a bot list, keeps the bots as they are; with reportMissing the result carries the
    // message to show. Throws UserError when the file exists but cannot be read.
    OpenResult open(const InstallPaths& paths, const QString& name, bool reportMissing);
    // Replaces the bots by one per non-empty line of data, all unselected.
    void readContents(const QByteArray& data);
    // Every line followed by CR LF: what save() writes.
    QByteArray contents() const;
    // Writes contents() to the current file, replacing it. Throws UserError with the
    // system's reason on failure, and without writing when the file there is one that
    // open() does not read; the bots in memory are untouched either way.
    void save(const InstallPaths& paths) const;
    QString filePath(const InstallPaths& paths) const { return paths.inLauncherDir(m_fileName); }

    // Index checks make these no-ops (returning false) for an index out of range.
    bool toggle(qsizetype index);
    bool remove(qsizetype index);
    bool replaceEntry(qsizetype index, const QString& name, const QString& model, const QString& skin,
        const QString& profileFile, const QString& profileName);

    // Selects count distinct bots at random (count pulled into 0..size()) and returns the
    // count used.
    int pickRandom(int count, Random& random);
    // Appends an unselected bot with the first free "noname" + i and returns its index.
    qsizetype addBot();

    // "[ N Bot(s) found ][ M is selected ]" (or "are" when M is not 1).
    QString countText() const;
    QStringList selectedNames() const;
    // Selects every bot whose name equals one of names exactly; never clears a flag.
    void selectByNames(const QStringList& names);
    QList<QByteArray> selectedLines() const;

private:
    // Where a bot's line lies in m_text; 16 bytes a bot.
    struct Slot {
        qsizetype offset = 0;
        quint32 size : 31 = 0;
        quint32 selected : 1 = 0;
        // Into m_givenFields when the editor gave values that the line does not read back
        // as (a value holding a double quote); -1 otherwise.
        qint32 givenFields = -1;
    };

    QByteArrayView lineView(qsizetype index) const;
    void setSelected(Slot& slot, bool selected);

    // The lines: the bytes of the file as read, followed by lines composed since.
    QByteArray m_text;
    QList<Slot> m_slots;
    QList<BotLineFields> m_givenFields;
    qsizetype m_selectedCount = 0;
    QString m_fileName = QString::fromLatin1(kDefaultFileName);
};

} // namespace tk
