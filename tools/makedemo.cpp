// SPDX-License-Identifier: GPL-2.0-or-later
// Writes the sample files of the demo installation: a bot list file using the bot
// profile table, navigation files with titles, a small navigation archive, and
// player models with skins drawn here as PCX images.
//   tarrakind_makedemo <quake2 dir> <game dir name>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtEndian>
#include <cmath>
#include <cstdio>

namespace {

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

void put16(QByteArray& b, int offset, quint16 v)
{
    b[offset] = char(v & 0xFF);
    b[offset + 1] = char(v >> 8);
}

// An 8-bit, run-length encoded PCX with a 256-colour palette at the end.
QByteArray pcx(int width, int height, const QByteArray& pixels, const QByteArray& palette)
{
    QByteArray out(128, '\0');
    out[0] = 10;
    out[1] = 5;
    out[2] = 1;
    out[3] = 8;
    put16(out, 8, quint16(width - 1));
    put16(out, 10, quint16(height - 1));
    put16(out, 12, 72);
    put16(out, 14, 72);
    out[65] = 1;
    put16(out, 66, quint16(width));
    for (int y = 0; y < height; ++y) {
        const char* row = pixels.constData() + y * width;
        for (int x = 0; x < width;) {
            int run = 1;
            while (x + run < width && run < 63 && row[x + run] == row[x])
                ++run;
            const auto v = static_cast<unsigned char>(row[x]);
            if (run > 1 || v >= 0xC0)
                out += char(0xC0 | run);
            out += char(v);
            x += run;
        }
    }
    out += char(12);
    out += palette;
    return out;
}

// A skin-like picture: a two-colour gradient body with stripes and a face patch.
QByteArray skinImage(int w, int h, int seed, QByteArray* palette)
{
    palette->resize(768);
    const double hue = seed * 0.9;
    for (int i = 0; i < 256; ++i) {
        const double t = i / 255.0;
        (*palette)[i * 3] = char(int(127 + 120 * std::sin(hue + t * 3.0)) & 0xFF);
        (*palette)[i * 3 + 1] = char(int(127 + 120 * std::sin(hue + 2.1 + t * 2.0)) & 0xFF);
        (*palette)[i * 3 + 2] = char(int(127 + 120 * std::sin(hue + 4.2 + t * 1.5)) & 0xFF);
    }
    QByteArray px(w * h, '\0');
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int v = (x * 160 / w + y * 90 / h) & 0xFF;
            if (((x / 12) + (y / 12) + seed) % 7 == 0)
                v = 250;
            const int dx = x - w / 4, dy = y - h / 3;
            if (dx * dx + dy * dy < (h / 6) * (h / 6))
                v = 200 - (dx * dx + dy * dy) / 8;
            px[y * w + x] = char(qBound(0, v, 255));
        }
    }
    return px;
}

// A ZIP archive holding empty stored entries: enough for the map catalogue, which
// reads the central directory only.
QByteArray zipOf(const QList<QByteArray>& names)
{
    QByteArray local, central;
    for (const QByteArray& name : names) {
        const auto offset = quint32(local.size());
        QByteArray lh(30, '\0');
        qToLittleEndian<quint32>(0x04034b50, lh.data());
        qToLittleEndian<quint16>(20, lh.data() + 4);
        qToLittleEndian<quint16>(quint16(name.size()), lh.data() + 26);
        local += lh + name;
        QByteArray ch(46, '\0');
        qToLittleEndian<quint32>(0x02014b50, ch.data());
        qToLittleEndian<quint16>(0x0314, ch.data() + 4); // made by Unix
        qToLittleEndian<quint16>(20, ch.data() + 6);
        qToLittleEndian<quint16>(quint16(name.size()), ch.data() + 28);
        qToLittleEndian<quint32>(offset, ch.data() + 42);
        central += ch + name;
    }
    QByteArray end(22, '\0');
    qToLittleEndian<quint32>(0x06054b50, end.data());
    qToLittleEndian<quint16>(quint16(names.size()), end.data() + 8);
    qToLittleEndian<quint16>(quint16(names.size()), end.data() + 10);
    qToLittleEndian<quint32>(quint32(central.size()), end.data() + 12);
    qToLittleEndian<quint32>(quint32(local.size()), end.data() + 16);
    return local + central + end;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: tarrakind_makedemo <quake2 dir> <game dir name>\n");
        return 2;
    }
    const QString quake2 = QString::fromLocal8Bit(argv[1]);
    const QString game = quake2 + '/' + QString::fromLocal8Bit(argv[2]);
    const QString players = quake2 + "/baseq2/players";
    bool ok = QDir().mkpath(game) && QDir().mkpath(players) && QDir().mkpath(game + "/demos");

    const char* models[] = { "male", "female", "cyborg" };
    const char* skins[][4] = { { "grunt", "cipher", "claymore", "viper" },
        { "athena", "brianna", "jezebel", "venus" }, { "oni911", "ps9000", "tyr574", "" } };
    int seed = 0;
    for (int m = 0; m < 3; ++m) {
        const QString dir = players + '/' + models[m];
        ok = ok && QDir().mkpath(dir);
        for (const char* skin : skins[m]) {
            if (!*skin)
                continue;
            QByteArray palette;
            const QByteArray px = skinImage(296, 164, ++seed, &palette);
            ok = ok && writeFile(dir + '/' + skin + ".pcx", pcx(296, 164, px, palette));
            // The icon is not a usable skin and must not be listed.
            const QByteArray icon = skinImage(32, 32, seed, &palette);
            ok = ok && writeFile(dir + '/' + skin + "_i.pcx", pcx(32, 32, icon, palette));
        }
        QByteArray palette;
        ok = ok && writeFile(dir + "/weapon.pcx", pcx(64, 64, skinImage(64, 64, 99, &palette), palette));
    }

    const char* bots[][4] = { { "Hunk", "male/grunt", "bots/hunk_c.c", "hunk" },
        { "Bill", "male/cipher", "bots/bill_c.c", "bill" },
        { "Java", "female/athena", "bots/java_c.c", "java" },
        { "Omicron", "cyborg/oni911", "bots/omicro_c.c", "omicron" },
        { "Laura", "female/brianna", "bots/laura_c.c", "laura" },
        { "Luuzr", "male/claymore", "bots/luuzr_c.c", "luuzr" },
        { "Maxine", "female/jezebel", "bots/maxine_c.c", "maxine" },
        { "Reaper", "cyborg/ps9000", "bots/reaper_c.c", "reaper" },
        { "Messiah", "male/viper", "bots/messia_c.c", "messiah" },
        { "Spartacus", "cyborg/tyr574", "bots/sparta_c.c", "spartacus" },
        { "Zero", "female/venus", "bots/zero_c.c", "zero" } };
    QByteArray botFile;
    for (const auto& b : bots)
        botFile += QByteArray("\"sv\" \"addbot\" \"") + b[0] + "\" \"" + b[1] + "\" \"" + b[2] + "\" \""
            + b[3] + "\"\r\n";
    ok = ok && writeFile(game + "/bots.cfg", botFile);
    ok = ok
        && writeFile(game + "/duel.cfg", botFile.left(botFile.indexOf('\n', botFile.indexOf('\n') + 1) + 1));

    const char* maps[] = { "q2dm1", "q2dm2", "q2dm3", "q2dm8", "base1" };
    for (const char* map : maps)
        ok = ok && writeFile(game + '/' + map + ".aas", QByteArray("AAS demo navigation data\n"));
    ok = ok
        && writeFile(game + "/aasextra.zip", zipOf({ "maps/q2dm5.aas", "maps/q2dm6.aas", "maps/city1.aas" }));
    ok = ok
        && writeFile(game + "/mapnames.dat",
            "[MapTitles]\r\nq2dm1=The Edge\r\nq2dm2=Tokay's Towers\r\nq2dm3=The Frag Pipe\r\n"
            "q2dm5=The Pits\r\nq2dm6=Lava Tomb\r\nq2dm8=Reckless Abandon\r\nbase1=Outer Base\r\n");
    ok = ok && writeFile(game + "/maps.lst", "q2dm1\r\nq2dm3\r\nq2dm8\r\n");
    // A first profile, so that the first start shows a match set up: three bots, a
    // map and the sample rotation.
    ok = ok
        && writeFile(game + "/default.tsf",
            "[BotDataFile]\r\nFileName=bots.cfg\r\n"
            "[SelectedBots]\r\nn1=Hunk\r\nn2=Java\r\nn3=Reaper\r\nCount=3\r\n"
            "[MapControl]\r\nSelected=q2dm1\r\nRotation=1\r\nRotationFile=maps.lst\r\n");
    return ok ? 0 : 1;
}
