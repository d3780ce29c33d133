// SPDX-License-Identifier: GPL-2.0-or-later
#include "fuzzfile.h"
#include "maps/core/pakfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool sameDirectory(const tk::PakDirectory& a, const tk::PakDirectory& b)
{
    if (a.problem != b.problem || a.entries.size() != b.entries.size())
        return false;
    for (qsizetype i = 0; i < a.entries.size(); ++i) {
        if (a.entries[i].name != b.entries[i].name || a.entries[i].offset != b.entries[i].offset
            || a.entries[i].size != b.entries[i].size)
            return false;
    }
    return true;
}

} // namespace

// Reads the input as a PAK archive from memory and from a file: both must agree, no entry
// may be listed that the input has no room for, and every problem has its message.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const tk::PakDirectory pak = tk::readPakDirectory(bytes);
    if (pak.entries.size() > qsizetype(size / 64) || pak.entries.size() > tk::kMaxPakEntries)
        std::abort();
    for (const tk::PakEntry& entry : pak.entries) {
        if (entry.name.size() > 56 || entry.name.contains('\0') || entry.offset < 0 || entry.size < 0)
            std::abort();
    }
    if (pak.problem && tk::pakProblemMessage(*pak.problem, QStringLiteral("fuzz.pak")).isEmpty())
        std::abort();

    if (!sameDirectory(pak, tk::readPakDirectory(inputAsFile(bytes))))
        std::abort();
    return 0;
}
