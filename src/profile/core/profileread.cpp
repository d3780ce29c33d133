// SPDX-License-Identifier: GPL-2.0-or-later
#include "profile/core/profileread.h"

#include "app/core/fileutil.h"
#include "app/core/installpaths.h"
#include "app/core/usererror.h"
#include "maps/core/cataloguerefresh.h"
#include "maps/core/rotation.h"
#include "player/core/playerlists.h"
#include "player/core/sensitivity.h"
#include "player/core/skincatalogue.h"
#include "profile/core/inifile.h"
#include "profile/core/profilekeys.h"

#include <QFileInfo>

namespace tk {

namespace {

// No list of a profile is ever this long; a damaged count must not make a load run for
// minutes or exhaust memory. Items beyond it are not read.
constexpr int kMaxListItems = 10000;

// The file name part of a stored name, whichever separator it was written with.
QString fileNamePart(const QString& name)
{
    return name.mid(qMax(name.lastIndexOf('/'), name.lastIndexOf('\\')) + 1);
}

QString item(int k)
{
    return QStringLiteral("n%1").arg(k);
}

// A load stopped by an error that a step raised: the step, and the error's text.
struct Stop {
    LoadStep step;
    QString message;
};

// The load steps, one function each, in their order; each reads its keys with the table's
// defaults into the profile.
class Reader {
public:
    Reader(
        const IniFile& ini, const QString& path, const InstallPaths& paths, ToldOnce& told, ProfileRead& out)
        : m_ini(ini)
        , m_profileName(QFileInfo(path).fileName())
        , m_paths(paths)
        , m_told(told)
        , m_out(out)
        , m_p(out.profile)
    { }

    void run()
    {
        openBotList();
        readRotationList();
        readKeys(QStringLiteral("BotOptions"));
        readServerOptions();
        readKeys(QStringLiteral("Demo"));
        readKeys(QStringLiteral("Misc"));
        readAdditional();
        readExecutable();
        selectBots();
        readMapControl();
        readPlayer();
        readBinds();
        for (const char* section : { "Launcher", "GameMod", "RA", "CTF" })
            readKeys(QLatin1String(section));
        m_p.prefs.language
            = m_ini.readString(QStringLiteral("Launcher"), QStringLiteral("Language"), QString()).trimmed();
        m_out.quickLoad = readQuickLoadList(m_paths, m_told.refusedNames, m_out.messages);
    }

private:
    void readKey(const char* section, const char* name)
    {
        tk::readKey(m_ini, profileKey(QLatin1StringView(section), QLatin1StringView(name)), m_p);
    }
    void readKeys(const QString& section)
    {
        for (const ProfileKey& key : profileKeysOf(section))
            tk::readKey(m_ini, key, m_p);
    }
    int listCount(const QString& section) const
    {
        return qBound(0, m_ini.readInt(section, QStringLiteral("Count"), 0), kMaxListItems);
    }
    // Runs a step that reads a file; its error stops the load.
    template <typename Step> void runStep(LoadStep step, Step&& run)
    {
        try {
            run();
        } catch (const UserError& e) {
            throw Stop { step, e.message() };
        }
    }

    // Whether a file name that the profile gives under section and key can be used as use
    // says; when not, the user is told (once a run) and the caller takes the key as missing.
    bool usable(const char* section, const char* key, const QString& name, NameUse use, const QString& dir)
    {
        const QString reason = nameRefusal(name, use, dir);
        if (reason.isEmpty())
            return true;
        const QString message = refusedNameMessage(m_profileName,
            QStringLiteral("[%1] %2").arg(QLatin1String(section), QLatin1String(key)), name, reason);
        if (!m_told.refusedNames.untold({ message }).isEmpty())
            m_out.messages.append(message);
        return false;
    }
    // The name of a file the launcher writes, under section and key: one of its own
    // directory, under its real name; fallback otherwise.
    QString launcherFile(const char* section, const char* key, const QString& fallback)
    {
        const QString& dir = m_paths.launcherDir;
        const QString given
            = existingFileName(dir, m_ini.readString(QLatin1String(section), QLatin1String(key), fallback));
        return usable(section, key, given, NameUse::InDirectory, dir) ? given : fallback;
    }

    void openBotList()
    {
        const QString& dir = m_paths.launcherDir;
        const QString fallback = QString::fromLatin1(BotList::kDefaultFileName);
        const QString given = fileNamePart(
            m_ini.readString(QStringLiteral("BotDataFile"), QStringLiteral("FileName"), fallback));
        const QString name
            = usable("BotDataFile", "FileName", existingFileName(dir, given), NameUse::InDirectory, dir)
            ? given
            : fallback;
        runStep(LoadStep::BotList, [&] {
            BotList::OpenResult opened = m_p.bots.open(m_paths, name, true);
            if (!opened.message.isEmpty())
                m_out.messages.append(opened.message);
            m_out.botListOpened = std::move(opened);
        });
    }

    void readRotationList()
    {
        // An old profile without the key loads "maps.txt" but later saves "maps.lst". Without
        // a "maps.txt" the list comes from "maps.lst", or the next save would write an empty
        // list over the rotation the user keeps there. Names from Windows may be written in
        // any letter case: the file is used under its real name.
        const QString& dir = m_paths.launcherDir;
        const QString oldDefault
            = fileExists(m_paths.inLauncherDir(existingFileName(dir, QStringLiteral("maps.txt"))))
            ? QStringLiteral("maps.txt")
            : QStringLiteral("maps.lst");
        m_p.rotationFile = launcherFile("MapControl", "RotationFile", existingFileName(dir, oldDefault));
        const QString path = m_paths.inLauncherDir(m_p.rotationFile);
        if (fileExists(path))
            runStep(LoadStep::RotationList, [&] { m_p.exec.rotationEntries = readRotationFile(path); });
    }

    void readServerOptions()
    {
        for (const ProfileKey& key : profileKeysOf(QStringLiteral("ServerOptions"))) {
            tk::readKey(m_ini, key, m_p);
            if (key.key != QLatin1String("DMFlags"))
                continue;
            // Every box that changes counts as a click of it, so the text follows the boxes
            // whenever one changed and stays as read when none did.
            runStep(LoadStep::FlagTotal, [&] {
                if (applyTotal(parseFlagTotal(m_p.exec.dmflags), m_p.flagBoxes))
                    m_p.exec.dmflags = QString::number(totalFromBoxes(m_p.flagBoxes));
            });
        }
    }

    void readAdditional()
    {
        const QString section = QStringLiteral("Additional");
        const int count = listCount(section);
        m_p.additionalLines.clear();
        m_p.exec.cutAdditionalLines.clear();
        for (int k = 0; k < count; ++k) {
            m_p.additionalLines.append(m_ini.readString(section, item(k), QString()));
            // The check names a command the reader cut: the engine runs only its start.
            if (m_ini.isCut(section, item(k)))
                m_p.exec.cutAdditionalLines.append(k);
        }
    }

    void readExecutable()
    {
        readKey("Quake2 Setup", "EXE");
        // The executable is started from below the Quake2 directory, never from elsewhere.
        if (!usable("Quake2 Setup", "EXE", m_p.exec.executable, NameUse::BelowDirectory, QString()))
            m_p.exec.executable
                = profileKey(QLatin1StringView("Quake2 Setup"), QLatin1StringView("EXE")).defaultValue;
    }

    void selectBots()
    {
        const QString section = QStringLiteral("SelectedBots");
        const int count = listCount(section);
        QStringList names;
        for (int k = 1; k <= count; ++k) {
            const QString name = m_ini.readString(section, item(k), QString());
            if (!name.isEmpty())
                names.append(name);
        }
        m_p.bots.selectByNames(names);
    }

    void readMapControl()
    {
        readKey("MapControl", "Rotation");
        m_p.rotationFile = launcherFile(
            "MapControl", "RotationFile", existingFileName(m_paths.launcherDir, QStringLiteral("maps.lst")));
        MapCatalogue catalogue
            = refreshMapCatalogue(m_paths, m_p.exec.executable, m_told.maps, m_out.messages);
        m_p.exec.catalogueMaps.clear();
        m_p.exec.catalogueMaps.reserve(catalogue.rows.size());
        for (const MapRow& row : std::as_const(catalogue.rows))
            m_p.exec.catalogueMaps.append(row.mapName);
        m_p.rememberedMap
            = m_ini.readString(QStringLiteral("MapControl"), QStringLiteral("Selected"), QString());
        m_p.exec.selectedMap = m_p.exec.catalogueMaps.contains(m_p.rememberedMap)
            ? std::optional<QString>(m_p.rememberedMap)
            : std::nullopt;
        m_out.catalogue = std::move(catalogue);
    }

    void readPlayer()
    {
        const QString quake2Dir = m_paths.quake2Dir;
        readKey("Player", "Enabled");
        const QString model = m_p.exec.model;
        for (const char* name : { "Name", "Model", "Skin", "Hand", "Crosshair" })
            readKey("Player", name);
        // The skin list follows the model box.
        if (m_p.exec.model != model)
            m_out.skins = skinList(quake2Dir, m_p.exec.model, m_told.players, m_out.messages);
        readKey("Player", "SpecifyFPS");
        readKey("Player", "FPS");
        readKey("Player", "SpecifySens");
        readKey("Player", "Sens");
        runStep(LoadStep::Sensitivity, [&] {
            QString& text = m_p.exec.sensitivityText;
            if (text.isEmpty())
                text = QStringLiteral("0");
            if (!sensitivityPosition(text))
                throw UserError(notAFloatingPointValueMessage(text));
        });
        runStep(LoadStep::SkinPreview,
            [&] { m_out.skinImage = loadSkinImage(quake2Dir, m_p.exec.model, m_p.exec.skin); });
        for (const char* name : { "LagEnabled", "LagVal", "LagVar" })
            readKey("Player", name);
    }

    void readBinds()
    {
        readKey("Binds", "Enabled");
        const QString section = QStringLiteral("Binds");
        const int count = listCount(section);
        m_p.exec.binds.clear();
        for (int k = 0; k < count; ++k) {
            BindRow row;
            decodeBindItem(
                m_ini.readString(section, item(k), QStringLiteral("\"\"\" \"\"\"")), &row.key, &row.command);
            m_p.exec.binds.append(row);
        }
    }

    const IniFile& m_ini;
    const QString m_profileName;
    const InstallPaths& m_paths;
    ToldOnce& m_told;
    ProfileRead& m_out;
    Profile& m_p;
};

} // namespace

QString readProfileFile(const QString& path, IniFile* ini)
{
    FileCheck check;
    IniFile read = IniFile::load(path, &check);
    QString reason = check.refused() ? check.reason : check ? notAProfileReason(read) : QString();
    // What is not a profile gives no setting, not even by chance.
    if (ini && reason.isEmpty())
        *ini = std::move(read);
    return reason;
}

ProfileRead readProfile(
    const IniFile& ini, const QString& path, const InstallPaths& paths, Profile base, ToldOnce& told)
{
    ProfileRead out;
    out.profile = std::move(base);
    try {
        Reader(ini, path, paths, told, out).run();
    } catch (const Stop& stop) {
        out.stoppedAt = stop.step;
        out.error = stop.message;
    }
    return out;
}

} // namespace tk
