// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/prelaunchcheck.h"

#include "app/core/consoletext.h"
#include "app/core/fileutil.h"
#include "app/core/textcodec.h"
#include "launch/core/engine.h"
#include "launch/core/execfile.h"
#include "launch/core/gamecontent.h"
#include "launch/core/gamestart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSet>

namespace tk {

namespace {

QString number(qsizetype n)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(qlonglong(n));
}

void checkSize(const QByteArray& execFile, QList<LaunchFinding>& findings)
{
    if (execFile.size() >= kEngineScriptLimit)
        findings.append({ LaunchFinding::Kind::ScriptTooLarge,
            QStringLiteral("The exec file is %1 bytes long. The engine drops a script of %2 bytes or more "
                           "whole, so not one of its lines would run. Select fewer bots or shorten the "
                           "additional commands.")
                .arg(number(execFile.size()), number(kEngineScriptLimit)) });

    QStringList longLines;
    qsizetype start = 0;
    for (qsizetype lineNumber = 1; start < execFile.size(); ++lineNumber) {
        qsizetype end = execFile.indexOf('\n', start);
        if (end < 0)
            end = execFile.size();
        qsizetype length = end - start;
        if (length > 0 && execFile.at(end - 1) == '\r')
            --length;
        if (length > kEngineLineLimit)
            longLines.append(QStringLiteral("%1 (%2 bytes)").arg(lineNumber).arg(number(length)));
        start = end + 1;
    }
    if (!longLines.isEmpty())
        findings.append({ LaunchFinding::Kind::LineTooLong,
            QStringLiteral("The engine cuts a line of the exec file after %1 bytes, so these lines would "
                           "not run as written: line %2.")
                .arg(number(kEngineLineLimit), longLines.join(QStringLiteral(", line "))) });
}

void checkValues(const ExecSettings& s, const InstallPaths& paths, QList<LaunchFinding>& findings)
{
    for (const LeftOutValue& v : leftOutValues(s, paths))
        findings.append({ LaunchFinding::Kind::UnwritableValue,
            QCoreApplication::translate("PreLaunchCheck", "%1 \"%2\" is left out of the exec file: %3.")
                .arg(v.what, printableName(v.value), v.reason) });
}

void checkBots(const ExecSettings& s, QList<LaunchFinding>& findings)
{
    const qsizetype room = botRoom(s.maxclients, s.dedicated);
    if (s.selectedBotLines.size() <= room)
        return;
    findings.append({ LaunchFinding::Kind::TooManyBots,
        (s.dedicated ? QStringLiteral("%1 bots are selected, but the server has room for %2 (max clients).")
                     : QStringLiteral("%1 bots are selected, but the server has room for %2 (max clients, "
                                      "less one for you)."))
                .arg(s.selectedBotLines.size())
                .arg(room)
            + QStringLiteral(" The others would not join.") });
}

void checkRotation(const ExecSettings& s, QList<LaunchFinding>& findings)
{
    if (!s.rotation)
        return;
    const QSet<QString> known(s.catalogueMaps.cbegin(), s.catalogueMaps.cend());
    QStringList unknown;
    for (const QByteArray& entry : writtenRotationEntries(s.rotationEntries)) {
        const QString name = decodeText(entry);
        if (!known.contains(name) && !unknown.contains(name))
            unknown.append(name);
    }
    if (!unknown.isEmpty())
        findings.append({ LaunchFinding::Kind::RotationMapUnknown,
            QStringLiteral("The rotation names maps with no navigation file in the map list: %1. The bots "
                           "cannot find their way on them.")
                .arg(unknown.join(QStringLiteral(", "))) });
    if (const QString leftOut = leftOutRotationMessage(s.rotationEntries); !leftOut.isEmpty())
        findings.append({ LaunchFinding::Kind::RotationEntryLeftOut, leftOut });
}

void checkExecutable(const ExecSettings& s, const InstallPaths& paths, QList<LaunchFinding>& findings)
{
    // A profile from someone else can name any program below the Quake2 directory.
    // An empty name is reported as a missing executable at launch.
    const QString path = QDir::cleanPath(executablePath(paths, executableToRun(paths, s.executable)));
    if (s.executable.isEmpty() || QFileInfo(path).absolutePath() == QDir::cleanPath(paths.quake2Dir))
        return;
    findings.append({ LaunchFinding::Kind::ExecutableElsewhere,
        QStringLiteral(
            "The executable \"%1\" is not a file right in the Quake II directory. LAUNCH! would run "
            "%2.")
            .arg(s.executable, QDir::toNativeSeparators(path)) });
}

// The maps the exec file starts the match on or rotates to (see writeMap), each once.
QList<QByteArray> matchMaps(const ExecSettings& s)
{
    const QList<QByteArray> rotation = writtenRotationEntries(s.rotationEntries);
    if (!s.rotation || rotation.isEmpty())
        return { s.selectedMap && isConsoleSafe(*s.selectedMap) ? encodeText(*s.selectedMap)
                                                                : QByteArrayLiteral("q2dm1") };
    QList<QByteArray> maps;
    for (const QByteArray& entry : rotation) {
        if (!maps.contains(entry))
            maps.append(entry);
    }
    return maps;
}

// Where the launcher's own scripts stand on the engine's search path: its directory's
// loose files.
qsizetype launcherPlace(const GameContent& content, const InstallPaths& paths)
{
    const QString own = engineRealPath(paths.launcherDir);
    for (qsizetype i = 0; i < content.searchPath().size(); ++i) {
        const SearchPathEntry& place = content.searchPath()[i];
        if (place.kind == SearchPathEntry::Kind::Directory && engineRealPath(place.path) == own)
            return i;
    }
    return -1;
}

// What the game's own content does to the match: archives the engine refuses, scripts
// it finds before the launcher's own, and maps it cannot load.
void checkGameContent(const ExecSettings& s, const InstallPaths& paths, QList<LaunchFinding>& findings)
{
    GameContent content(engineSearchPath(paths, s.executable));
    for (const QString& message : content.archivesTheEngineStopsAt())
        findings.append({ LaunchFinding::Kind::ArchiveRefused, message });

    QStringList scripts { execFileName() };
    if (s.extraCfg && !s.extraCfgName.isEmpty())
        scripts.append(s.extraCfgName);
    const qsizetype own = launcherPlace(content, paths);
    for (const QString& script : std::as_const(scripts)) {
        if (const std::optional<GameFile> found = content.find(encodeText(script), own))
            findings.append({ LaunchFinding::Kind::ScriptShadowed,
                QCoreApplication::translate("tk::PreLaunchCheck",
                    "%1 would run instead of the %2 in the launcher's directory: the engine finds it "
                    "first. Delete or rename it.")
                    .arg(content.describe(*found), script) });
    }

    // Without any map in sight the game's data lies where the launcher cannot see it.
    if (!content.holdsMaps())
        return;
    QStringList missing;
    for (const QByteArray& map : matchMaps(s)) {
        if (!content.find("maps/" + map + ".bsp"))
            missing.append(printableName(decodeText(map)));
    }
    if (!missing.isEmpty())
        findings.append({ LaunchFinding::Kind::MapMissing,
            QCoreApplication::translate("tk::PreLaunchCheck",
                "The engine finds no map file (maps/<name>.bsp) for %1 anywhere it looks. The match "
                "stops where it would start on or change to such a map.")
                .arg(missing.join(QStringLiteral(", "))) });
}

} // namespace

int botRoom(int maxclients, bool dedicated)
{
    return qMax(0, maxclients - (dedicated ? 0 : 1));
}

QList<LaunchFinding> checkLaunch(
    const ExecSettings& settings, const QByteArray& execFile, const InstallPaths& paths)
{
    QList<LaunchFinding> findings;
    checkSize(execFile, findings);
    checkValues(settings, paths, findings);
    checkBots(settings, findings);
    checkRotation(settings, findings);
    checkGameContent(settings, paths, findings);
    checkExecutable(settings, paths, findings);
    return findings;
}

QString launchFindingsText(const QList<LaunchFinding>& findings)
{
    QStringList texts;
    for (const LaunchFinding& f : findings)
        texts.append(QStringLiteral("\u2022 ") + f.text);
    return QStringLiteral("The match may not go as set up:\n\n") + texts.join(QStringLiteral("\n\n"));
}

} // namespace tk
