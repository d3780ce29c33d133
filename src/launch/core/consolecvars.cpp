// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/consolecvars.h"

#include <QHash>

namespace tk::console {

namespace {

// The engine's table of renamed cvars.
const char* const kRenamed[][2] = {
    { "cd_shuffle", "ogg_shuffle" },
    { "cl_anglekicks", "cl_kickangles" },
    { "cl_drawfps", "cl_showfps" },
    { "gl_drawentities", "r_drawentities" },
    { "gl_drawworld", "r_drawworld" },
    { "gl_fullbright", "r_fullbright" },
    { "gl_lerpmodels", "r_lerpmodels" },
    { "gl_lightlevel", "r_lightlevel" },
    { "gl_norefresh", "r_norefresh" },
    { "gl_novis", "r_novis" },
    { "gl_speeds", "r_speeds" },
    { "gl_clear", "r_clear" },
    { "gl_consolescale", "r_consolescale" },
    { "gl_hudscale", "r_hudscale" },
    { "gl_menuscale", "r_scale" },
    { "gl_customheight", "r_customheight" },
    { "gl_customwidth", "r_customheight" },
    { "gl_dynamic", "gl1_dynamic" },
    { "gl_farsee", "r_farsee" },
    { "gl_flashblend", "gl1_flashblend" },
    { "gl_lockpvs", "r_lockpvs" },
    { "gl_maxfps", "vid_maxfps" },
    { "gl_mode", "r_mode" },
    { "gl_modulate", "r_modulate" },
    { "gl_overbrightbits", "gl1_overbrightbits" },
    { "gl_palettedtextures", "gl1_palettedtextures" },
    { "gl_particle_min_size", "gl1_particle_min_size" },
    { "gl_particle_max_size", "gl1_particle_max_size" },
    { "gl_particle_size", "gl1_particle_size" },
    { "gl_particle_att_a", "gl1_particle_att_a" },
    { "gl_particle_att_b", "gl1_particle_att_b" },
    { "gl_particle_att_c", "gl1_particle_att_c" },
    { "gl_picmip", "gl1_picmip" },
    { "gl_pointparameters", "gl1_pointparameters" },
    { "gl_polyblend", "gl1_polyblend" },
    { "gl_round_down", "gl1_round_down" },
    { "gl_saturatelightning", "gl1_saturatelightning" },
    { "gl_stencilshadows", "gl1_stencilshadows" },
    { "gl_stereo", "gl1_stereo" },
    { "gl_stereo_separation", "gl1_stereo_separation" },
    { "gl_stereo_anaglyph_colors", "gl1_stereo_anaglyph_colors" },
    { "gl_stereo_convergence", "gl1_stereo_convergence" },
    { "gl_swapinterval", "r_vsync" },
    { "gl_texturealphamode", "gl1_texturealphamode" },
    { "gl_texturesolidmode", "gl1_texturesolidmode" },
    { "gl_ztrick", "gl1_ztrick" },
    { "gl_msaa_samples", "r_msaa_samples" },
    { "gl_nolerp_list", "r_nolerp_list" },
    { "gl_retexturing", "r_retexturing" },
    { "gl_shadows", "r_shadows" },
    { "gl_anisotropic", "r_anisotropic" },
    { "intensity", "gl1_intensity" },
};

constexpr unsigned kUserInfo = CvarArchive | CvarUserInfo;
constexpr unsigned kLatchedServerInfo = CvarServerInfo | CvarLatch;

const struct {
    const char* name;
    const char* value;
    unsigned flags;
} kDefaults[] = {
    { "basedir", ".", CvarNoSet },
    { "cheats", "0", kLatchedServerInfo },
    { "cl_maxfps", "-1", CvarArchive },
    { "coop", "0", kLatchedServerInfo },
    { "crosshair", "0", CvarArchive },
    { "deathmatch", "0", kLatchedServerInfo },
    { "dedicated", "0", CvarNoSet },
    { "dmflags", "16", CvarServerInfo },
    { "fov", "90", kUserInfo },
    { "fraglimit", "0", CvarServerInfo },
    { "game", "", kLatchedServerInfo },
    { "gender", "male", kUserInfo },
    { "gender_auto", "1", CvarArchive },
    { "hand", "0", kUserInfo },
    { "hostname", "noname", CvarArchive | CvarServerInfo },
    { "mapname", "", CvarServerInfo | CvarNoSet },
    { "maxclients", "1", kLatchedServerInfo },
    { "name", "unnamed", kUserInfo },
    { "password", "", CvarUserInfo },
    { "protocol", "34", CvarServerInfo | CvarNoSet },
    { "r_mode", "4", CvarArchive },
    { "rate", "8000", kUserInfo },
    { "sensitivity", "3", CvarArchive },
    { "singleplayer", "0", kLatchedServerInfo },
    { "skin", "male/grunt", kUserInfo },
    { "spectator", "0", CvarUserInfo },
    { "timelimit", "0", CvarServerInfo },
    { "version", "8.71", CvarNoSet },
    { "vid_pauseonfocuslost", "0", kUserInfo },
    { "windowed_mouse", "1", kUserInfo },
};

// The engine keeps the default game as an empty name.
QByteArray gameValue(const QByteArray& name, const QByteArray& value)
{
    return name == "game" && value == "baseq2" ? QByteArray() : value;
}

CvarChange changeOf(const Cvar& before, const Cvar& after)
{
    return { after.name, after.value, before.value, before.flags, after.flags, after.latched };
}

} // namespace

std::optional<QByteArray> renamedCvar(QByteArrayView name)
{
    static const QHash<QByteArray, QByteArray> renamed = [] {
        QHash<QByteArray, QByteArray> table;
        for (const auto& pair : kRenamed)
            table.insert(pair[0], pair[1]);
        return table;
    }();
    const auto it = renamed.constFind(name.toByteArray());
    if (it == renamed.cend())
        return std::nullopt;
    return *it;
}

QByteArray renamedCvarMessage(QByteArrayView oldName, QByteArrayView newName)
{
    return "cvar " + oldName.toByteArray() + " is deprecated, use " + newName.toByteArray() + " instead";
}

bool isInfoValue(QByteArrayView value)
{
    return !value.contains('\\') && !value.contains('"') && !value.contains(';');
}

CvarTable CvarTable::engineDefaults()
{
    CvarTable table;
    for (const auto& d : kDefaults)
        table.insert({ d.name, d.value, d.flags, std::nullopt });
    return table;
}

const Cvar* CvarTable::find(QByteArrayView name) const
{
    const auto it = m_cvars.constFind(name.toByteArray());
    return it == m_cvars.cend() ? nullptr : &*it;
}

std::optional<QByteArray> CvarTable::value(QByteArrayView name) const
{
    const Cvar* cvar = find(renamedCvar(name).value_or(name.toByteArray()));
    if (!cvar)
        return std::nullopt;
    return cvar->value;
}

void CvarTable::insert(const Cvar& cvar)
{
    m_cvars.insert(cvar.name, cvar);
}

CvarSetResult CvarTable::create(const QByteArray& name, const QByteArray& value, unsigned flags)
{
    if (flags & (CvarUserInfo | CvarServerInfo)) {
        if (!isInfoValue(name))
            return { "invalid info cvar name", std::nullopt };
        if (!isInfoValue(value))
            return { "invalid info cvar value", std::nullopt };
    }
    const Cvar cvar { name, gameValue(name, value), flags, std::nullopt };
    insert(cvar);
    return { {}, CvarChange { name, cvar.value, std::nullopt, 0, flags, std::nullopt } };
}

CvarSetResult CvarTable::set(const QByteArray& name, const QByteArray& rawValue, bool serverRunning)
{
    const auto it = m_cvars.find(name);
    if (it == m_cvars.end())
        return create(name, rawValue, 0);
    Cvar& cvar = *it;
    if ((cvar.flags & (CvarUserInfo | CvarServerInfo)) && !isInfoValue(rawValue))
        return { "invalid info cvar value", std::nullopt };
    const QByteArray value = gameValue(name, rawValue);
    if (cvar.flags & CvarNoSet)
        return { name + " is write protected.", std::nullopt };
    const Cvar before = cvar;
    if (cvar.flags & CvarLatch) {
        if (cvar.latched) {
            if (value == *cvar.latched)
                return {};
            cvar.latched.reset();
        } else if (value == cvar.value) {
            return {};
        }
        if (serverRunning) {
            cvar.latched = value;
            return { name + " will be changed for next game.", changeOf(before, cvar) };
        }
        cvar.value = value;
        return { {}, changeOf(before, cvar) };
    }
    if (value == cvar.value)
        return {};
    cvar.value = value;
    return { {}, changeOf(before, cvar) };
}

CvarSetResult CvarTable::setWithFlags(const QByteArray& name, const QByteArray& value, unsigned flags)
{
    const auto it = m_cvars.find(name);
    if (it == m_cvars.end())
        return create(name, value, flags);
    const Cvar before = *it;
    it->value = gameValue(name, value);
    it->flags = flags;
    if (*it == before)
        return {};
    return { {}, changeOf(before, *it) };
}

QList<CvarChange> CvarTable::applyLatched()
{
    QList<CvarChange> changes;
    for (Cvar& cvar : m_cvars) {
        if (!cvar.latched)
            continue;
        const Cvar before = cvar;
        cvar.value = *cvar.latched;
        cvar.latched.reset();
        changes.append(changeOf(before, cvar));
    }
    return changes;
}

namespace {

QByteArray sevenBit(QByteArrayView text)
{
    QByteArray out;
    for (const char c : text) {
        const char low = char(c & 0x7F);
        if (low >= ' ' && low < 0x7F)
            out += low;
    }
    return out;
}

} // namespace

UserInfoValue userInfoValue(QByteArrayView value)
{
    UserInfoValue result;
    if (!isInfoValue(value))
        result.problem = UserInfoProblem::Refused;
    else if (value.size() >= kInfoValueLimit)
        result.problem = UserInfoProblem::TooLong;
    else if (value.isEmpty())
        result.problem = UserInfoProblem::Empty;
    else
        result.sent = sevenBit(value);
    return result;
}

InfoString infoString(const CvarTable& cvars, CvarFlag flag)
{
    InfoString info;
    for (const Cvar& cvar : cvars.all()) {
        if (!(cvar.flags & flag))
            continue;
        if (cvar.name.contains('\\') || cvar.value.contains('\\')) {
            info.messages.append("Can't use keys or values with a \\");
            continue;
        }
        if (cvar.name.contains(';')) {
            info.messages.append("Can't use keys or values with a semicolon");
            continue;
        }
        if (cvar.name.contains('"') || cvar.value.contains('"')) {
            info.messages.append("Can't use keys or values with a \"");
            continue;
        }
        if (cvar.name.size() >= kInfoValueLimit || cvar.value.size() >= kInfoValueLimit) {
            info.messages.append("Keys and values must be < 64 characters.");
            continue;
        }
        if (cvar.value.isEmpty())
            continue;
        const QByteArray pair = '\\' + cvar.name + '\\' + cvar.value;
        if (info.text.size() + pair.size() >= kInfoStringSize) {
            info.messages.append("Info string length exceeded");
            continue;
        }
        info.text += sevenBit(pair);
    }
    return info;
}

} // namespace tk::console
