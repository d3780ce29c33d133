// SPDX-License-Identifier: GPL-2.0-or-later
// Every writer of the launcher on a disk that takes no more bytes: each says so in the
// launcher's words, leaves the old file exactly as it was, and LAUNCH! starts nothing.
#include "app/ui/prefspage.h"
#include "app/ui/tform1.h"
#include "bots/ui/botcfgpage.h"
#include "maps/ui/mappage.h"
#include "profile/ui/gamepage.h"
#include "profile/ui/setuppage.h"
#include "support/files.h"
#include "support/mainwindow.h"
#include "support/printers.h"
#include "support/scriptedinteraction.h"
#include "widgets/spinedit.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QMap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <csignal>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using testing::ElementsAre;

// How the disk comes to be full.
enum class Fault {
    // This process may write no file beyond one byte: the kernel fails the write as a
    // full disk does (EFBIG). Needs no privileges.
    FileSizeLimit,
    // A real full file system: a small tmpfs, filled. Needs root and the right to mount.
    FullTmpfs,
};

class FullDisk : public MainWindowTest, public testing::WithParamInterface<Fault> {
protected:
    QString mounted;
    rlimit oldLimit {};
    void (*oldHandler)(int) = nullptr;
    bool limited = false;

    void SetUp() override
    {
        if (GetParam() == Fault::FullTmpfs) {
            if (geteuid() != 0)
                GTEST_SKIP() << "mounting a small tmpfs needs root";
            if (mount("tarrakind-test", QFile::encodeName(quake2).constData(), "tmpfs", 0, "size=256k") != 0)
                GTEST_SKIP() << "no right to mount a tmpfs here: " << std::strerror(errno);
            mounted = quake2;
        }
        // A tmpfs mounted over the Quake2 directory hides what was there.
        ASSERT_TRUE(QDir().mkpath(dir));
        writeAll(quake2 + QStringLiteral("/quake2"), "game");
        writeAll(
            file("bots.cfg"), "\"sv\" \"addbot\" \"Hunk\" \"male/grunt\" \"bots/hunk_c.c\" \"hunk\"\r\n");
        writeAll(file("q2dm1.aas"), "aas");
        writeAll(file("maps.lst"), "q2dm1\r\n");
        writeAll(file("mapnames.dat"), "[MapTitles]\r\nq2dm1=The Edge\r\n");
        writeAll(file("default.tsf"), "[MapControl]\r\nRotation=1\r\nRotationFile=maps.lst\r\n");
        writeAll(file("quikload.ini"), "[QuikLoad]\r\nNumber=0\r\nOnClick=0\r\n");
        writeAll(file("tark.cfg"), "old script\r\n");
        openWindow();
        ASSERT_TRUE(ui.messages.isEmpty()) << ui.messages.join('\n').toStdString();
        before = snapshot();
        fill();
    }
    void TearDown() override
    {
        if (limited) {
            setrlimit(RLIMIT_FSIZE, &oldLimit);
            std::signal(SIGXFSZ, oldHandler);
        }
        form.reset();
        if (!mounted.isEmpty())
            umount2(QFile::encodeName(mounted).constData(), MNT_DETACH);
    }

    void fill()
    {
        if (GetParam() == Fault::FileSizeLimit) {
            oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            getrlimit(RLIMIT_FSIZE, &oldLimit);
            rlimit one = oldLimit;
            one.rlim_cur = 1;
            setrlimit(RLIMIT_FSIZE, &one);
            limited = true;
            return;
        }
        QFile filler(quake2 + QStringLiteral("/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) { }
        const QByteArray byte(1, 'f');
        while (filler.write(byte) == 1) { }
    }

    QMap<QString, QByteArray> snapshot() const
    {
        QMap<QString, QByteArray> files;
        for (const QString& name : QDir(dir).entryList(QDir::Files | QDir::Hidden))
            files.insert(name, readAll(file(name)));
        return files;
    }
    QMap<QString, QByteArray> before;
};

TEST_P(FullDisk, EveryWriterSaysSoAndLeavesTheOldFile)
{
    // Each action changes what its file would hold, so that the file must be written.
    struct Action {
        const char* name;
        const char* words;
        const char* file;
        std::function<void()> run;
    };
    TForm1& f = *form;
    const QList<Action> actions {
        { "Save", "Unable to write to ", "default.tsf",
            [&] {
                f.gamePage->fraglimit->setValue(42);
                QTest::mouseClick(f.setupPage->SpeedButton8, Qt::LeftButton);
            } },
        { "Add Current Config", "Unable to write to ", "quikload.ini",
            [&] { QTest::mouseClick(f.setupPage->SpeedButton10, Qt::LeftButton); } },
        { "Add Bot", "Cannot create file ", "bots.cfg",
            [&] { QTest::mouseClick(f.botCfgPage->SpeedButton14, Qt::LeftButton); } },
        { "rotation Save", "Cannot create file ", "maps.lst",
            [&] {
                f.mapPage->selectMapByName(QStringLiteral("q2dm1"));
                QTest::mouseClick(f.mapPage->SpeedButton27, Qt::LeftButton);
                ui.promptAnswers.enqueue(QStringLiteral("maps"));
                QTest::mouseClick(f.mapPage->SpeedButton26, Qt::LeftButton);
            } },
        { "map title", "Unable to write to ", "mapnames.dat",
            [&] {
                f.mapPage->ListView2->setCurrentItem(f.mapPage->ListView2->topLevelItem(0));
                ui.promptAnswers.enqueue(QStringLiteral("Edge of the World"));
                f.mapPage->EnterAlterMapTitle->trigger();
            } },
        { "LAUNCH!", "Cannot create file ", "maps.lst",
            [&] { QTest::mouseClick(f.SpeedButton18, Qt::LeftButton); } },
    };
    for (const Action& action : actions) {
        SCOPED_TRACE(action.name);
        ui.messages.clear();
        action.run();
        EXPECT_THAT(ui.messages, ElementsAre(IsWriteError(action.words, file(action.file))));
        EXPECT_EQ(snapshot(), before);
    }
    EXPECT_TRUE(ui.starts.isEmpty()) << "the game was started on files not written";
    EXPECT_TRUE(ui.modalDialogs.isEmpty()) << "the bot editor opened on a bot not saved";
}

TEST_P(FullDisk, LaunchStopsAtAnExecFileNotWrittenWhole)
{
    // The rotation file holds what the list holds, so only the exec file must be written.
    form->gamePage->fraglimit->setValue(42);
    QTest::mouseClick(form->SpeedButton18, Qt::LeftButton);
    EXPECT_THAT(ui.messages, ElementsAre(IsWriteError("Cannot create file ", file("tark.cfg"))));
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(ui.starts.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Faults, FullDisk, testing::Values(Fault::FileSizeLimit, Fault::FullTmpfs),
    [](const testing::TestParamInfo<Fault>& paramInfo) {
        return std::string(paramInfo.param == Fault::FileSizeLimit ? "FileSizeLimit" : "FullTmpfs");
    });

} // namespace
