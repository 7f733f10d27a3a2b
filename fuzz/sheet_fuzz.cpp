// libFuzzer target: any bytes read as a sheet file give a valid sheet (with
// or without a message), and that sheet saved and read again is the same
// sheet without a message; nothing else may happen.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "sheet/sheet_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const sheet::Loaded loaded = sheet::parse(bytes, "fuzz.json");
    const sheet::Sheet& read = loaded.sheet;
    if (read.perRow < sheet::kMinPerRow || read.perRow > sheet::kMaxPerRow) std::abort();
    if (!sheet::isValidTitle(read.title) || read.entries.size() > sheet::kMaxEntries) std::abort();
    for (const sheet::Entry& entry : read.entries)
        if (!sheet::isValid(entry)) std::abort();
    const sheet::Loaded again = sheet::parse(sheet::serialize(read), "again.json");
    if (!again.message.isEmpty() || !(again.sheet == read)) std::abort();
    return 0;
}
