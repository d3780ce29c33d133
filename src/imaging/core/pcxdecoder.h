// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

namespace tk {

// The message shown when a file is not a PCX image this decoder reads.
QString unrecognizedPcxMessage();

// Largest image, in pixels, the decoder agrees to build (8192 x 8192); a header
// asking for more is rejected rather than allocating hundreds of megabytes.
inline constexpr qint64 kMaxPcxPixels = qint64(8192) * 8192;

// The display's logical resolution in dots per inch: that of the primary screen
// when a GUI application with a screen is running, 96 x 96 otherwise.
QSize displayLogicalDpi();

// Decodes a whole PCX file held in memory into a 24-bit RGB image whose resolution
// is set from the header (dots per inch), or from displayDpi when either header
// value is 0. Returns nullopt when the file is rejected ("unrecognized PCX").
//
// Layouts: one plane of 8 bits (palette in the last 768 bytes of the file), of 4
// bits (header palette), of 1 bit (black and white); three planes (red, green,
// blue lines). Choices where the format leaves room:
// - a header shorter than 128 bytes, a maximum coordinate below the minimum, or
//   more than kMaxPcxPixels pixels: rejected;
// - a single plane of 0, 2, 3, 5, 6 or 7 bits: an image of the header's size,
//   all black, rows not decoded;
// - an 8-bit single plane in a file too short to hold the header and a separate
//   768-byte palette (under 896 bytes): rejected;
// - image data that end before the last row is decoded (also inside a run):
//   rejected, no partial image;
// - lines whose bytes per line are fewer than their pixels need: the missing
//   bytes read as 0 (palette entry 0, black, or channel value 0).
std::optional<QImage> decodePcx(const QByteArray& data, QSize displayDpi);
std::optional<QImage> decodePcx(const QByteArray& data);

// Reads the file in one piece and decodes it with the display's resolution as the
// fallback. Throws UserError("unrecognized PCX") when the file cannot be read or
// is rejected.
QImage decodePcxFile(const QString& path, QSize displayDpi);
QImage decodePcxFile(const QString& path);

} // namespace tk
