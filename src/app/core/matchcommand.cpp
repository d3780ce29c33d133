// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/matchcommand.h"

#include "app/core/usererror.h"
#include "launch/core/execfile.h"
#include "launch/core/gamestart.h"
#include "launch/core/launchsequence.h"
#include "launch/core/prelaunchcheck.h"
#include "maps/core/rotation.h"
#include "player/core/playerlists.h"
#include "profile/core/inifile.h"
#include "profile/core/profileread.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

namespace tk {

namespace {

// The translation context of this file's texts.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Headless)
};

const QString kPrefix = QStringLiteral("tarrakind: ");

// LAUNCH! on a console: the findings are printed as a warning and gone on with as the
// options say; a message is printed.
class ConsoleLaunch : public LaunchSeam {
public:
    ConsoleLaunch(Console& console, const Profile& profile, const InstallPaths& paths, bool goOn)
        : m_console(console)
        , m_profile(profile)
        , m_paths(paths)
        , m_goOn(goOn)
    { }
    bool declined() const { return m_declined; }

    bool goOnDespite(const QString& findings) override
    {
        m_console.print(QStringLiteral("tarrakind: warning: "), findings);
        m_declined = !m_goOn;
        return m_goOn;
    }
    void tell(const QString& message) override { m_console.print(kPrefix, message); }
    void writeRotationFile() override
    {
        tk::writeRotationFile(m_paths.inLauncherDir(m_profile.rotationFile), m_profile.exec.rotationEntries);
    }
    bool startDetached(const GameStartCommand& command, QString* reason) override
    {
        return m_console.startDetached(command, reason);
    }

private:
    Console& m_console;
    const Profile& m_profile;
    const InstallPaths& m_paths;
    bool m_goOn;
    bool m_declined = false;
};

} // namespace

Console::Console(QTextStream& err)
    : m_err(err)
{ }

void Console::print(const QString& prefix, const QString& text)
{
    // "Error: Path to Quake2.exe is incorrect" breaks its line with CR CR, as the message
    // boxes of Windows did.
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    for (const QString& line : text.split(lineEnd)) {
        if (!line.trimmed().isEmpty())
            m_err << prefix << line << '\n';
    }
    m_err.flush();
}

bool Console::startDetached(const GameStartCommand& command, QString* reason)
{
    return startGameDetached(command, reason);
}

int runMatchCommand(const CommandLine& command, const InstallPaths& paths, const QString& currentDir,
    Console& console, QTextStream& out)
{
    using Command = CommandLine::Command;
    const bool check = command.command == Command::Check;
    const QString profilePath = resolveProfilePath(command.profile, currentDir, paths);
    // A name typed on a command line that matches no file is a slip, not a wish for the
    // defaults.
    if (profilePath.isEmpty()) {
        console.print(kPrefix, Texts::tr("No profile %1").arg(command.profile));
        return 1;
    }
    const QString name = QFileInfo(profilePath).fileName();
    // --check lists what it finds, one a line; the other commands print it as errors.
    const auto report = [&](const QStringList& texts, const QString& linePrefix) {
        for (const QString& text : texts) {
            if (check)
                out << text.simplified() << '\n';
            else
                console.print(linePrefix, text);
        }
        out.flush();
    };
    const auto stop = [&](const QStringList& texts, const QString& why) {
        report(texts, kPrefix);
        if (!check)
            console.print(kPrefix, why);
        return 1;
    };

    // What the window would not read would give a match of defaults that nobody set up.
    IniFile ini;
    if (const QString unread = readProfileFile(profilePath, &ini); !unread.isEmpty())
        return stop(
            { Texts::tr("%1 was not read: %2.").arg(name, unread) }, Texts::tr("Nothing was written."));

    // The start-up of a new window: the profile loaded over its values, then the model list
    // filled. What it would show the player counts as a finding, and stops the other commands
    // unless they are forced on.
    ToldOnce told;
    const ProfileRead read = readProfile(ini, profilePath, paths, Profile(), told);
    QStringList messages = read.messages;
    if (!read.complete())
        messages.append(Texts::tr("%1: %2").arg(name, read.error));
    if (modelList(paths.quake2Dir, told.players, messages))
        skinList(paths.quake2Dir, read.profile.exec.model, told.players, messages);
    if (!read.complete())
        return stop(
            messages, Texts::tr("The profile was loaded only up to that error; nothing was written."));

    const ExecSettings settings = read.profile.execSettings();
    if (check) {
        for (const LaunchFinding& finding : checkLaunch(settings, generateExecFile(settings, paths), paths))
            messages.append(finding.text);
        report(messages, kPrefix);
        return messages.isEmpty() ? 0 : 1;
    }
    if (!messages.isEmpty()) {
        if (!command.force)
            return stop(messages,
                command.command == Command::Launch
                    ? Texts::tr(
                        "Nothing was written and the game was not started; --force goes on all the same.")
                    : Texts::tr("Nothing was written; --force writes it all the same."));
        report(messages, QStringLiteral("tarrakind: warning: "));
    }

    if (command.command != Command::WriteCfg && command.command != Command::Launch)
        return 2;
    const bool writeOnly = command.command == Command::WriteCfg;
    ConsoleLaunch seam(console, read.profile, paths, writeOnly || command.force);
    bool done = false;
    try {
        done = runLaunch(settings, read.profile.prefs.checkMatch, paths,
            writeOnly ? LaunchUntil::FilesWritten : LaunchUntil::GameStarted, told.rotation, seam);
    } catch (const UserError& e) {
        console.print(kPrefix, e.message());
        return 1;
    }
    if (writeOnly) {
        if (!done)
            return 1;
        out << paths.inLauncherDir(execFileName()) << '\n';
        out.flush();
        return 0;
    }
    if (done)
        return 0;
    if (seam.declined())
        console.print(kPrefix, Texts::tr("The game was not started; --force starts it all the same."));
    return 1;
}

} // namespace tk
