// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/desktopentry.h"
#include "app/core/usererror.h"
#include "support/files.h"
#include "support/printers.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::HasSubstr;

struct ExecCase {
    const char* name;
    const char* program;
    const char* exec; // as written after "Exec=" in the file
};

class DesktopExecValue : public ::testing::TestWithParam<ExecCase> { };

TEST_P(DesktopExecValue, QuotesAndEscapesAsDesktopEntriesAskAndReadsBack)
{
    const QString program = QString::fromUtf8(GetParam().program);
    EXPECT_EQ(tk::desktopExecValue(program), QString::fromUtf8(GetParam().exec));
    // An entry without TryExec names its program by the first word of Exec.
    EXPECT_EQ(
        tk::desktopEntryProgram(QByteArray("[Desktop Entry]\nExec=") + GetParam().exec + " %U\n"), program);
    EXPECT_EQ(
        tk::desktopEntryProgram(tk::desktopEntryFor("[Desktop Entry]\nExec=tarrakind\n", program)), program);
}

// The file holds the string escapes of a value whose argument is quoted: a backslash
// written inside quotes is doubled once more in the file.
INSTANTIATE_TEST_SUITE_P(Cases, DesktopExecValue,
    ::testing::Values(
        ExecCase { "PlainPath", "/home/u/q2/tarrakind/tarrakind", "/home/u/q2/tarrakind/tarrakind" },
        ExecCase { "Blank", "/home/u/Quake II/tk/tarrakind", "\"/home/u/Quake II/tk/tarrakind\"" },
        ExecCase { "DollarAndQuote", "/g/$x\"y/tarrakind", "\"/g/\\\\$x\\\\\"y/tarrakind\"" },
        ExecCase { "Backslash", "/g/a\\b/tarrakind", "\"/g/a\\\\\\\\b/tarrakind\"" },
        ExecCase { "PercentWithoutOtherReservedCharacters", "/g/100%/tarrakind", "/g/100%%/tarrakind" },
        ExecCase { "PercentInQuotes", "/g/100% sure/tarrakind", "\"/g/100%% sure/tarrakind\"" },
        ExecCase { "NonAsciiNeedsNoQuotes", "/home/jörg/tarrakind", "/home/jörg/tarrakind" },
        ExecCase { "EqualsSign", "/g/a=b/tarrakind", "\"/g/a=b/tarrakind\"" },
        ExecCase { "TabAndNewline", "/g/a\tb\nc/tarrakind", "\"/g/a\\tb\\nc/tarrakind\"" }),
    [](const ::testing::TestParamInfo<ExecCase>& paramInfo) { return std::string(paramInfo.param.name); });

TEST(DesktopEntry, NamesTheLauncherWhereItLiesAndKeepsTheRest)
{
    const QByteArray installed
        = "[Desktop Entry]\nType=Application\nName=Tarrakind\nExec=tarrakind\nIcon=x\n";
    EXPECT_EQ(tk::desktopEntryFor(installed, QStringLiteral("/q2/tk dir/tarrakind")),
        "[Desktop Entry]\nType=Application\nName=Tarrakind\nExec=\"/q2/tk dir/tarrakind\"\n"
        "TryExec=/q2/tk dir/tarrakind\nIcon=x\n");
}

TEST(DesktopEntry, InstallWritesTheEntryAndEveryIconAndRemoveTakesOnlyThemAway)
{
    QTemporaryDir home;
    const QString program = QStringLiteral("/games/quake2/tarrakind/tarrakind");
    writeAll(home.filePath(QStringLiteral("other.txt")), "kept");
    QDir().mkpath(home.filePath(QStringLiteral("applications")));
    writeAll(home.filePath(QStringLiteral("applications/other.desktop")), "kept");

    const QStringList written = tk::installDesktopEntry(home.path(), program).files;
    ASSERT_EQ(written.size(), tk::desktopEntryFiles().size());
    const QString entry = home.filePath(QStringLiteral("applications/org.tarrakind.Launcher.desktop"));
    EXPECT_EQ(written.constFirst(), entry);
    const QByteArray text = readAll(entry);
    EXPECT_TRUE(text.contains("\nExec=" + program.toUtf8() + "\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nIcon=org.tarrakind.Launcher\n")) << text.toStdString();
    for (const int size : { 16, 24, 32, 48, 64, 128, 256 }) {
        const QImage icon(
            home.filePath(QStringLiteral("icons/hicolor/%1x%1/apps/org.tarrakind.Launcher.png").arg(size)));
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
    }
    EXPECT_TRUE(
        readAll(home.filePath(QStringLiteral("icons/hicolor/scalable/apps/org.tarrakind.Launcher.svg")))
            .contains("<svg"));

    EXPECT_EQ(tk::removeDesktopEntry(home.path(), program).files, written);
    for (const QString& path : written)
        EXPECT_FALSE(QFileInfo::exists(path)) << path.toStdString();
    EXPECT_EQ(readAll(home.filePath(QStringLiteral("other.txt"))), "kept");
    EXPECT_EQ(readAll(home.filePath(QStringLiteral("applications/other.desktop"))), "kept");
    EXPECT_TRUE(tk::removeDesktopEntry(home.path(), program).files.isEmpty());
}

TEST(DesktopEntry, RemoveTakesAwayTheDirectoriesInstallMadeOnceEmptyAndNoOthers)
{
    QTemporaryDir tmp;
    const QString home = tmp.filePath(QStringLiteral("share"));
    const QString program = QStringLiteral("/games/quake2/tarrakind/tarrakind");
    // Empty, but there before the launcher came.
    for (const char* dir : { "applications", "icons/hicolor/48x48" })
        QDir().mkpath(home + QLatin1Char('/') + QLatin1String(dir));
    tk::installDesktopEntry(home, program);
    // Installed again, it still knows what it made the first time.
    tk::installDesktopEntry(home, program);
    writeAll(home + QStringLiteral("/icons/hicolor/32x32/apps/other.png"), "kept");

    const QStringList removed = tk::removeDesktopEntry(home, program).directories;
    EXPECT_TRUE(removed.contains(home + QStringLiteral("/icons/hicolor/scalable")))
        << removed.join(' ').toStdString();
    for (const char* dir : { "icons/hicolor/16x16", "icons/hicolor/48x48/apps" })
        EXPECT_FALSE(QFileInfo::exists(home + QLatin1Char('/') + QLatin1String(dir))) << dir;
    for (const char* dir : { "applications", "icons/hicolor/48x48", "icons/hicolor/32x32/apps" })
        EXPECT_TRUE(QFileInfo(home + QLatin1Char('/') + QLatin1String(dir)).isDir()) << dir;
}

TEST(DesktopEntry, AnotherCopysEntryIsReplacedOrRemovedOnlyWithAWord)
{
    QTemporaryDir tmp;
    const QString home = tmp.filePath(QStringLiteral("share"));
    const QString entry = home + QStringLiteral("/applications/org.tarrakind.Launcher.desktop");
    const QString here = tmp.filePath(QStringLiteral("here/tarrakind"));
    const QString there = tmp.filePath(QStringLiteral("there dir/tarrakind"));
    for (const QString& copy : { here, there }) {
        QDir().mkpath(QFileInfo(copy).path());
        writeAll(copy, "#!/bin/sh\n");
        QFile(copy).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    EXPECT_TRUE(tk::installDesktopEntry(home, there).note.isEmpty());
    EXPECT_TRUE(tk::installDesktopEntry(home, there).note.isEmpty());
    EXPECT_THAT(tk::installDesktopEntry(home, here).note.toStdString(), HasSubstr(there.toStdString()));
    EXPECT_EQ(tk::desktopEntryProgram(readAll(entry)), here);

    tk::installDesktopEntry(home, there);
    try {
        tk::removeDesktopEntry(home, here);
        ADD_FAILURE() << "removed the entry of " << there.toStdString();
    } catch (const tk::UserError& e) {
        EXPECT_THAT(e.message().toStdString(), HasSubstr(there.toStdString()));
    }
    EXPECT_EQ(tk::desktopEntryProgram(readAll(entry)), there);

    QFile::remove(there);
    const tk::DesktopEntryChange gone = tk::removeDesktopEntry(home, here);
    EXPECT_THAT(gone.note.toStdString(), HasSubstr(there.toStdString()));
    EXPECT_TRUE(gone.files.contains(entry));
    EXPECT_FALSE(QFileInfo::exists(home + QStringLiteral("/applications")));
}

struct RefusalCase {
    const char* name;
    const char* blocker; // a regular file made at this path below the temporary directory
    const char* dataHome;
    const char* program;
    const char* says; // nullptr: the system's words for "not a directory"
};

class InstallDesktopEntryRefuses : public ::testing::TestWithParam<RefusalCase> { };

TEST_P(InstallDesktopEntryRefuses, WithTheReasonAndLeavesNothing)
{
    const RefusalCase& c = GetParam();
    QTemporaryDir tmp;
    writeAll(tmp.filePath(QString::fromUtf8(c.blocker)), "a file");
    const QString home = tmp.filePath(QString::fromUtf8(c.dataHome));
    try {
        tk::installDesktopEntry(home, QString::fromUtf8(c.program));
        ADD_FAILURE() << "installed";
    } catch (const tk::UserError& e) {
        EXPECT_THAT(e.message().toStdString(), HasSubstr(c.says ? c.says : std::strerror(ENOTDIR)));
    }
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList { QString::fromUtf8(c.blocker) });
}

INSTANTIATE_TEST_SUITE_P(Cases, InstallDesktopEntryRefuses,
    ::testing::Values(
        // Root may write anywhere; a file where a directory should be stops everyone.
        RefusalCase { "DataHomeThroughAFile", "file", "file/share", "/g/tarrakind", nullptr },
        RefusalCase { "ApplicationsIsAFile", "applications", "", "/g/tarrakind", nullptr },
        RefusalCase { "PercentInThePath", "file", "share", "/g/100%/tarrakind", "GLib" }),
    [](const ::testing::TestParamInfo<RefusalCase>& paramInfo) { return std::string(paramInfo.param.name); });

} // namespace
