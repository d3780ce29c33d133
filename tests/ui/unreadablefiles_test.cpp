// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ui/tform1.h"
#include "bots/ui/botcfgpage.h"
#include "profile/ui/profilestore.h"
#include "profile/ui/setuppage.h"
#include "support/fifo.h"
#include "support/files.h"
#include "support/mainwindow.h"
#include "support/scriptedinteraction.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// What lies at the place of a file the launcher reads at start-up.
enum class Kind { Fifo, LinkToDevZero, TooLarge };

struct UnreadableCase {
    const char* label;
    const char* file;
    Kind kind;
    const char* loadMessage; // %1 the file's path (its name for a bot list), %2 why it was not read
    const char* saveMessage; // what a save that would replace it says, with the same %1 and %2
};

void PrintTo(const UnreadableCase& c, std::ostream* os)
{
    *os << c.label;
}

const char* const kProfileNotRead = "The profile %1 was not read: %2. The settings take their default "
                                    "values, and saving will not replace the file.";
const char* const kUnableToWrite = "Unable to write to %1: %2";

// The launcher starts with such a file in its directory, says which file it did not read
// and why, and a save leaves that file as it is.
class UnreadableFileAtStartUp : public MainWindowTest, public ::testing::WithParamInterface<UnreadableCase> {
protected:
    QString path = file(QLatin1String(GetParam().file));
    std::unique_ptr<GuardedFifo> fifo;
    QByteArray bytes; // of the file too large

    void SetUp() override
    {
        write(QStringLiteral("bots.cfg"), "\"sv\" \"addbot\" \"a\" \"m/s\" \"f\" \"p\"\r\n");
        switch (GetParam().kind) {
        case Kind::Fifo:
            QFile::remove(path);
            fifo = std::make_unique<GuardedFifo>(path);
            ASSERT_TRUE(fifo->created());
            break;
        case Kind::LinkToDevZero:
            QFile::remove(path);
            ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path));
            break;
        case Kind::TooLarge:
            bytes = "[Misc]\r\nExtraCfg=1\r\n" + QByteArray(16 * 1024 * 1024, ';');
            writeAll(path, bytes);
            break;
        }
    }
    QString expected(const char* text, const QString& reason) const
    {
        const bool botList = QLatin1String(GetParam().file).endsWith(QLatin1String(".cfg"));
        // Not every text names the reason.
        return QString::fromLatin1(text)
            .replace(QLatin1String("%1"), botList ? QFileInfo(path).fileName() : path)
            .replace(QLatin1String("%2"), reason);
    }
    void expectFileAsItWas() const
    {
        const QFileInfo info(path);
        switch (GetParam().kind) {
        case Kind::Fifo:
            EXPECT_TRUE(info.exists() && !info.isFile() && !info.isSymLink());
            EXPECT_FALSE(fifo->readerWasStuck());
            break;
        case Kind::LinkToDevZero:
            EXPECT_EQ(info.symLinkTarget(), QStringLiteral("/dev/zero"));
            break;
        case Kind::TooLarge:
            EXPECT_EQ(readAll(path), bytes);
            break;
        }
    }
};

TEST_P(UnreadableFileAtStartUp, StartsSaysWhichFileWasNotReadAndNeverReplacesIt)
{
    const UnreadableCase& c = GetParam();
    const QString reason = c.kind == Kind::TooLarge
        ? (QLatin1String(c.file).endsWith(QLatin1String(".cfg")) ? QStringLiteral("17")
                                                                 : QStringLiteral("it is larger than 4 MB"))
        : QStringLiteral("it is not a regular file");
    openWindow(Shown::No);
    EXPECT_EQ(ui.messages, QStringList { expected(c.loadMessage, reason) });
    expectFileAsItWas();

    ui.messages.clear();
    if (QLatin1String(c.file).endsWith(QLatin1String(".cfg")))
        QTest::mouseClick(form->botCfgPage->SpeedButton16, Qt::LeftButton);
    else
        QTest::mouseClick(form->setupPage->SpeedButton8, Qt::LeftButton);
    EXPECT_EQ(ui.messages, QStringList { expected(c.saveMessage, reason) });
    expectFileAsItWas();
}

const char* const kBotListNotRegular = "The file %1 is not a bot list file: it is not a regular file.";
const char* const kBotListTooLarge
    = "The file %1 is too large to be a bot list file (%2 MB; at most 16 MB are read).";

INSTANTIATE_TEST_SUITE_P(Cases, UnreadableFileAtStartUp,
    ::testing::Values(
        UnreadableCase { "ProfileFifo", "default.tsf", Kind::Fifo, kProfileNotRead, kUnableToWrite },
        UnreadableCase {
            "ProfileLinkToDevZero", "default.tsf", Kind::LinkToDevZero, kProfileNotRead, kUnableToWrite },
        UnreadableCase { "ProfileTooLarge", "default.tsf", Kind::TooLarge, kProfileNotRead, kUnableToWrite },
        UnreadableCase { "QuickLoadListFifo", "quikload.ini", Kind::Fifo,
            "The quick-load list %1 was not read: %2. No quick-load buttons are shown, and saving will not "
            "replace the file.",
            kUnableToWrite },
        UnreadableCase { "BotListFifo", "bots.cfg", Kind::Fifo, kBotListNotRegular,
            "The file %1 is not a bot list file: it is not a regular file. The bots were not written to "
            "it." },
        UnreadableCase { "BotListTooLarge", "bots.cfg", Kind::TooLarge, kBotListTooLarge,
            "The file %1 is too large to be a bot list file (%2 MB; at most 16 MB are read). The bots were "
            "not written to it." }),
    [](const ::testing::TestParamInfo<UnreadableCase>& paramInfo) {
        return std::string(paramInfo.param.label);
    });

// The map title file is read at every refresh of the map list; its writer is the same as
// the profile's.
using UnreadableTitleFile = MainWindowTest;

TEST_F(UnreadableTitleFile, AFifoIsNamedAndSkipped)
{
    write(QStringLiteral("bots.cfg"), "");
    GuardedFifo fifo(file(QStringLiteral("mapnames.dat")));
    ASSERT_TRUE(fifo.created());
    openWindow(Shown::No);
    EXPECT_EQ(ui.messages,
        QStringList { QStringLiteral("The map title file %1 was not read: it is not a regular file. The maps "
                                     "are listed without their titles, and a changed title is not stored.")
                          .arg(dir + QStringLiteral("/mapnames.dat")) });
    EXPECT_FALSE(fifo.readerWasStuck());
}

} // namespace
