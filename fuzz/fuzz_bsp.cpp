// SPDX-License-Identifier: GPL-2.0-or-later
#include "maps/core/bsptitle.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Reads the input as a whole map and as an entity lump alone. A title is one line of
// text; the reader never asks for bytes outside the file, nor more of the entity lump
// than the engine allows.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto check = [](const std::optional<QString>& title) {
        if (title
            && (title->isEmpty() || title->contains(QLatin1Char('\n')) || *title != title->simplified()))
            std::abort();
    };
    check(tk::bspTitle(bytes));
    qint64 asked = 0;
    check(tk::bspTitle(bytes.size(), [&](qint64 offset, qint64 length) -> std::optional<QByteArray> {
        if (offset < 0 || length < 0 || offset + length > bytes.size())
            std::abort();
        asked += length;
        return bytes.sliced(offset, length).toByteArray();
    }));
    if (asked > 160 + 16 * 1024 + tk::kMaxEntityBytes)
        std::abort();

    if (const std::optional<QByteArray> message = tk::firstEntityMessage(bytes)) {
        if (message->size() > bytes.size())
            std::abort();
        check(tk::titleFromMessage(*message));
    }
    return 0;
}
