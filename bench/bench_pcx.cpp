// SPDX-License-Identifier: GPL-2.0-or-later
#include "imaging/core/pcxdecoder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdint>

namespace {

const QSize kDpi(96, 96);

QString skinPath()
{
    return QFileInfo(QStringLiteral(__FILE__))
        .dir()
        .filePath(QStringLiteral("../tests/data/pcx/skin296_ppmtopcx.pcx"));
}

QByteArray trueColourHeader(int width, int height, int encoding)
{
    QByteArray header(128, '\0');
    header[0] = 10;
    header[1] = 5;
    header[2] = char(encoding);
    header[3] = 8;
    header[8] = char((width - 1) & 0xFF);
    header[9] = char((width - 1) >> 8);
    header[10] = char((height - 1) & 0xFF);
    header[11] = char((height - 1) >> 8);
    header[12] = 72;
    header[14] = 72;
    header[65] = 3;
    header[66] = char(width & 0xFF);
    header[67] = char(width >> 8);
    return header;
}

// Run-length encodes one plane line the way PCX writers do.
void appendEncodedLine(QByteArray& out, const uchar* line, int count)
{
    int i = 0;
    while (i < count) {
        int run = 1;
        while (i + run < count && run < 63 && line[i + run] == line[i])
            ++run;
        if (run > 1 || line[i] >= 0xC0)
            out.append(char(0xC0 | run));
        out.append(char(line[i]));
        i += run;
    }
}

enum class Content {
    // Gradients in steps of 4 to 16 pixels, a third of them disturbed: short runs
    // and literals mixed.
    Artwork,
    // A smooth picture with noise on every pixel: hardly any runs, and every value
    // from 192 up costs two bytes, so the file is larger than the pixels.
    Photo,
    // The Photo pixels stored without encoding.
    PhotoStored,
};

uchar pixelValue(Content content, int x, int y, int plane, uint32_t& seed)
{
    seed = seed * 134775813u + 1;
    if (content == Content::Artwork) {
        const int noise = (seed >> 28) < 6 ? int(seed >> 24) & 7 : 0;
        return uchar(((x >> (plane + 2)) + (y >> 3) + noise) & 0xFF);
    }
    const int base = ((x * (plane + 1)) / 24 + y / 20) % 512;
    const int smooth = base < 256 ? base : 511 - base;
    return uchar(std::clamp(smooth + int(seed >> 29) - 3, 0, 255));
}

QByteArray makeTrueColourPcx(int width, int height, Content content)
{
    QByteArray file = trueColourHeader(width, height, content == Content::PhotoStored ? 0 : 1);
    QByteArray line(width, '\0');
    uint32_t seed = 12345;
    for (int y = 0; y < height; ++y) {
        for (int plane = 0; plane < 3; ++plane) {
            for (int x = 0; x < width; ++x)
                line[x] = char(pixelValue(content, x, y, plane, seed));
            if (content == Content::PhotoStored)
                file.append(line);
            else
                appendEncodedLine(file, reinterpret_cast<const uchar*>(line.constData()), width);
        }
    }
    return file;
}

void BM_DecodeSkin296x164(benchmark::State& state)
{
    QFile file(skinPath());
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("skin296_ppmtopcx.pcx not found");
        return;
    }
    const QByteArray data = file.readAll();
    for (auto _ : state) {
        std::optional<QImage> image = tk::decodePcx(data, kDpi);
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_DecodeSkin296x164)->Unit(benchmark::kMicrosecond);

// The same with the file read, as a skin preview does it.
void BM_DecodeSkinFile296x164(benchmark::State& state)
{
    const QString path = skinPath();
    for (auto _ : state) {
        QImage image = tk::decodePcxFile(path, kDpi);
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_DecodeSkinFile296x164)->Unit(benchmark::kMicrosecond);

void BM_DecodeTrueColour4096x4096(benchmark::State& state, Content content)
{
    const QByteArray data = makeTrueColourPcx(4096, 4096, content);
    for (auto _ : state) {
        std::optional<QImage> image = tk::decodePcx(data, kDpi);
        if (!image)
            state.SkipWithError("rejected");
        benchmark::DoNotOptimize(image);
    }
    state.counters["file_MB"] = double(data.size()) / 1e6;
}
BENCHMARK_CAPTURE(BM_DecodeTrueColour4096x4096, artwork, Content::Artwork)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DecodeTrueColour4096x4096, photo, Content::Photo)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DecodeTrueColour4096x4096, photo_stored, Content::PhotoStored)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
