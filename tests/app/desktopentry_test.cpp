// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/desktopentry.h"
#include "support/files.h"
#include "support/printers.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ExecCase {
    const char* name;
    const char* program;
    const char* exec; // as written after "Exec=" in the file
};

class DesktopExecValue : public ::testing::TestWithParam<ExecCase> { };

TEST_P(DesktopExecValue, QuotesAndEscapesAsDesktopEntriesAsk)
{
    EXPECT_EQ(
        tk::desktopExecValue(QString::fromUtf8(GetParam().program)), QString::fromUtf8(GetParam().exec));
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
        ExecCase { "NonAsciiNeedsNoQuotes", "/home/jörg/tarrakind", "/home/jörg/tarrakind" }),
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

    const QStringList written = tk::installDesktopEntry(home.path(), program);
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

    EXPECT_EQ(tk::removeDesktopEntry(home.path()), written);
    for (const QString& path : written)
        EXPECT_FALSE(QFileInfo::exists(path)) << path.toStdString();
    EXPECT_EQ(readAll(home.filePath(QStringLiteral("other.txt"))), "kept");
    EXPECT_EQ(readAll(home.filePath(QStringLiteral("applications/other.desktop"))), "kept");
    EXPECT_TRUE(tk::removeDesktopEntry(home.path()).isEmpty());
}

} // namespace
