// SPDX-License-Identifier: GPL-2.0-or-later
#include "imaging/core/pcxdecoder.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

// Any byte string must decode or be rejected without reading or writing out of
// bounds. Every input is also decoded by the plain byte-by-byte reading of the
// format below, and both results must agree pixel for pixel: the decoder's bulk
// paths must not change what a file means.

namespace {

struct Plain {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
};

int word(const uint8_t* p)
{
    return p[0] | (p[1] << 8);
}

// nullopt: rejected. Same choices as the decoder: missing line bytes read as 0,
// single planes of 0, 2, 3, 5, 6 or 7 bits are black, truncated data are rejected.
std::optional<Plain> plainDecode(const uint8_t* data, size_t size)
{
    if (size < 128)
        return std::nullopt;
    const int encoding = data[2], bits = data[3], planes = data[65];
    if (data[0] != 10 || bits > 8 || (planes != 1 && planes != 3) || (encoding != 0 && encoding != 1))
        return std::nullopt;
    const int xmin = word(data + 4), ymin = word(data + 6), xmax = word(data + 8), ymax = word(data + 10);
    if (xmax < xmin || ymax < ymin)
        return std::nullopt;
    Plain image;
    image.width = xmax - xmin + 1;
    image.height = ymax - ymin + 1;
    if (int64_t(image.width) * image.height > tk::kMaxPcxPixels)
        return std::nullopt;
    const uint8_t* palette = nullptr;
    if (planes == 1 && bits > 4) {
        if (size < 128 + 768)
            return std::nullopt;
        palette = data + size - 768;
    }
    image.rgb.assign(size_t(image.width) * image.height * 3, 0);
    if (planes == 1 && bits != 1 && bits != 4 && bits != 8)
        return image;

    const int bpl = word(data + 66);
    size_t pos = 128;
    std::vector<uint8_t> lines(size_t(planes) * (size_t(bpl) + size_t(image.width)), 0);
    const size_t stride = size_t(bpl) + size_t(image.width);
    for (int y = 0; y < image.height; ++y) {
        std::fill(lines.begin(), lines.end(), 0);
        for (int p = 0; p < planes; ++p) {
            uint8_t* line = lines.data() + size_t(p) * stride;
            int filled = 0;
            while (filled < bpl) {
                if (pos >= size)
                    return std::nullopt;
                const uint8_t b = data[pos++];
                if (encoding == 1 && b >= 0xC0) {
                    if (pos >= size)
                        return std::nullopt;
                    const uint8_t v = data[pos++];
                    for (int n = b & 0x3F; n > 0 && filled < bpl; --n)
                        line[filled++] = v;
                } else {
                    line[filled++] = b;
                }
            }
        }
        for (int x = 0; x < image.width; ++x) {
            uint8_t* out = image.rgb.data() + (size_t(y) * image.width + x) * 3;
            const uint8_t* line = lines.data();
            if (planes == 3) {
                out[0] = line[x];
                out[1] = line[stride + x];
                out[2] = line[2 * stride + x];
            } else if (bits == 8) {
                for (int c = 0; c < 3; ++c)
                    out[c] = palette[3 * line[x] + c];
            } else if (bits == 4) {
                const int index = (x % 2 == 0) ? line[x / 2] >> 4 : line[x / 2] & 0x0F;
                for (int c = 0; c < 3; ++c)
                    out[c] = data[16 + 3 * index + c];
            } else {
                const uint8_t v = ((line[x / 8] >> (7 - x % 8)) & 1) ? 255 : 0;
                out[0] = out[1] = out[2] = v;
            }
        }
    }
    return image;
}

// Pixels the header claims, or 0 without a whole header.
int64_t claimedPixels(const uint8_t* data, size_t size)
{
    if (size < 128)
        return 0;
    return int64_t(word(data + 8) - word(data + 4) + 1) * (word(data + 10) - word(data + 6) + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Larger images take the same paths as small ones, only longer (up to seconds
    // in this unoptimised build); the unit tests cover the size limit.
    if (claimedPixels(data, size) > int64_t(1) << 18)
        return 0;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<QImage> image = tk::decodePcx(bytes, QSize(96, 96));
    const std::optional<Plain> plain = plainDecode(data, size);
    if (plain.has_value() != image.has_value())
        std::abort();
    if (!plain)
        return 0;
    if (image->isNull() || image->format() != QImage::Format_RGB888 || image->width() != plain->width
        || image->height() != plain->height)
        std::abort();
    for (int y = 0; y < plain->height; ++y) {
        const uint8_t* row = plain->rgb.data() + size_t(y) * plain->width * 3;
        if (std::memcmp(image->constScanLine(y), row, size_t(plain->width) * 3) != 0)
            std::abort();
    }
    return 0;
}
