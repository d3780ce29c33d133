// SPDX-License-Identifier: GPL-2.0-or-later
#include "fuzzfile.h"
#include "maps/core/mapcatalogue.h"
#include "maps/core/ziplisting.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool sameListing(const tk::ZipListing& a, const tk::ZipListing& b)
{
    if (a.diagnostics != b.diagnostics || a.entries.size() != b.entries.size())
        return false;
    for (qsizetype i = 0; i < a.entries.size(); ++i) {
        if (a.entries[i].storedName != b.entries[i].storedName || a.entries[i].name != b.entries[i].name)
            return false;
    }
    return true;
}

} // namespace

// Lists the input from memory and from a file: both must agree, and no listing may hold
// more entries than the input has room for.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const tk::ZipListing listing = tk::listZipArchive(bytes);
    if (listing.entries.size() > qsizetype(size / 46))
        std::abort();
    for (const tk::ZipEntry& entry : listing.entries)
        (void)tk::mapNameFromEntryName(entry.name);

    if (!sameListing(listing, tk::listZipArchive(inputAsFile(bytes))))
        std::abort();
    return 0;
}
