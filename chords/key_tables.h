#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace chords {

// One key button's key: its name and major scale, spelled with the seventeen names.
struct KeyRow {
    const char* K;
    std::array<const char*, 7> scale;
};
extern const std::array<KeyRow, 12> Key_Table;

// Index of a key name among the key buttons, -1 for none.
int keyIndex(std::string_view key);

// Degree names in scale order.
inline constexpr std::array<const char*, 7> kDegreeNames{
    "Major__First", "Minor__Second",  "Minor__Third",       "Major__Fourth",
    "Major__Fifth", "Minor__Sixth", "Diminished__Seventh"};
int degreeIndex(std::string_view degree);

// Chord-root row of the chord on a degree of a key: the row of the degree's
// root with every pitch of the key's scale named as the key names it.
std::optional<std::vector<std::string>> degreeRow(std::string_view key, std::string_view degree);

// One chord option of the key window.
struct KeyChord {
    int option;
    const char* Chord_Type;
    const char* position;
    const char* dir;
    int Chord_Number;
    std::vector<std::string> baseFrets;
    std::vector<std::string> markerDegrees;  // into the key's Notes
    std::vector<int> tnt;                    // tone-bar numbers
    std::vector<int> cnc;
    std::vector<int> noteColours;
};
const KeyChord* keyChord(int option);
std::span<const KeyChord> keyChords();

}  // namespace chords
