#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "theory/voicings.h"

namespace sheet {

inline constexpr int kMaxFret = 22;
inline constexpr int kMinPerRow = 1;
inline constexpr int kMaxPerRow = 12;
inline constexpr std::size_t kMaxEntries = 5000;
inline constexpr std::size_t kMaxNameBytes = 64;
inline constexpr std::size_t kMaxTitleBytes = 200;

// One diagram on the sheet.
struct Entry {
    std::string name;  // UTF-8, as shown: "C♯m7", "B♭", "Am7"
    theory::Frets frets{};
    std::array<int, 6> fingers{};  // 0 = open or muted
    int fret = 0;                  // 0 = at the nut, else the lowest fret shown, named beside
    bool operator==(const Entry&) const = default;
};

// Frets, fingers and the shown fret agree with each other and stay on the neck.
bool isValid(const Entry& entry);

struct Sheet {
    std::string title;
    int perRow = 4;
    std::vector<Entry> entries;

    // Each refuses what would leave the sheet invalid and says so by returning false.
    bool add(const Entry& entry);
    bool remove(std::size_t index);
    // The entry at `from` ends at `to`; those between close up.
    bool move(std::size_t from, std::size_t to);
    bool setPerRow(int count);
    bool setTitle(const std::string& text);

    bool operator==(const Sheet&) const = default;
};

bool isValidTitle(const std::string& text);

}  // namespace sheet
