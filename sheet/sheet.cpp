#include "sheet/sheet.h"

#include <algorithm>

namespace sheet {

namespace {

// Bytes that read as UTF-8, so a name shows the same in every export.
bool isUtf8(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        if (lead >= 0xF0 && lead < 0xF5)
            extra = 3;
        else if (lead >= 0xE0)
            extra = lead < 0xF0 ? 2 : 9;
        else if (lead >= 0xC2)
            extra = 1;
        else if (lead >= 0x80)
            return false;
        if (extra == 9 || (extra > 0 && i + extra >= text.size())) return false;
        for (std::size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += extra + 1;
    }
    return true;
}

}  // namespace

bool isValid(const Entry& entry) {
    if (entry.name.empty() || entry.name.size() > kMaxNameBytes || !isUtf8(entry.name))
        return false;
    if (entry.fret < 0 || entry.fret > kMaxFret) return false;
    for (std::size_t s = 0; s < entry.frets.size(); ++s) {
        const int f = entry.frets[s];
        const int finger = entry.fingers[s];
        if (f < -1 || f > kMaxFret || finger < 0 || finger > 4) return false;
        // A finger only on a fretted string, and no fretted string below the shown fret.
        if (f <= 0 && finger != 0) return false;
        if (f > 0 && entry.fret > 0 && f < entry.fret) return false;
    }
    return true;
}

bool isValidTitle(const std::string& text) {
    return text.size() <= kMaxTitleBytes && isUtf8(text);
}

bool Sheet::add(const Entry& entry) {
    if (!isValid(entry) || entries.size() >= kMaxEntries) return false;
    entries.push_back(entry);
    return true;
}

bool Sheet::remove(std::size_t index) {
    if (index >= entries.size()) return false;
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

bool Sheet::move(std::size_t from, std::size_t to) {
    if (from >= entries.size() || to >= entries.size()) return false;
    const auto first = entries.begin();
    if (from < to)
        std::rotate(first + static_cast<std::ptrdiff_t>(from),
                    first + static_cast<std::ptrdiff_t>(from) + 1,
                    first + static_cast<std::ptrdiff_t>(to) + 1);
    else
        std::rotate(first + static_cast<std::ptrdiff_t>(to),
                    first + static_cast<std::ptrdiff_t>(from),
                    first + static_cast<std::ptrdiff_t>(from) + 1);
    return true;
}

bool Sheet::setPerRow(int count) {
    if (count < kMinPerRow || count > kMaxPerRow) return false;
    perRow = count;
    return true;
}

bool Sheet::setTitle(const std::string& text) {
    if (!isValidTitle(text)) return false;
    title = text;
    return true;
}

}  // namespace sheet
