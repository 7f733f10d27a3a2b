#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace theory {

// A chord type: the option caption, the lower-case key that names it inside
// the programs and in file names, and its interval formula.
struct ChordType {
    const char* caption;
    const char* key;
    std::array<const char*, 7> formula;  // interval symbols, unused slots null
    int size() const {
        int n = 0;
        while (n < 7 && formula[n]) ++n;
        return n;
    }
};

// The 53 chord-type options of the chord finder, in option order.
inline constexpr std::array<ChordType, 53> kChordTypes{{
    {"Major", "major", {"1", "3", "5"}},
    {"add9", "add9", {"1", "3", "5", "9"}},
    {"6th", "6th", {"1", "3", "5", "6"}},
    {"6/9", "6-9", {"1", "3", "5", "6", "9"}},
    {"maj7", "maj7", {"1", "3", "5", "7"}},
    {"maj7/6", "maj7-6", {"1", "3", "5", "6", "7"}},
    {"maj7b3", "maj7b3", {"1", "b3", "5", "7"}},
    {"maj9", "maj9", {"1", "3", "5", "7", "9"}},
    {"maj13", "maj13", {"1", "3", "5", "7", "9", "13"}},
    {"minor", "minor", {"1", "b3", "5"}},
    {"madd4", "madd4", {"1", "b3", "4", "5"}},
    {"madd9", "madd9", {"1", "b3", "5", "9"}},
    {"m6", "m6", {"1", "b3", "5", "6"}},
    {"m6/9", "m6-9", {"1", "b3", "5", "6", "9"}},
    {"m7", "m7", {"1", "b3", "5", "b7"}},
    {"m7b5", "m7b5", {"1", "b3", "b5", "b7"}},
    {"m7b9", "m7b9", {"1", "b3", "5", "b7", "b9"}},
    {"m7/11", "m7-11", {"1", "b3", "5", "b7", "11"}},
    {"m9", "m9", {"1", "b3", "5", "b7", "9"}},
    {"m9maj7", "m9maj7", {"1", "b3", "5", "7", "9"}},
    {"m11", "m11", {"1", "b3", "5", "b7", "9", "11"}},
    {"m13", "m13", {"1", "b3", "5", "b7", "9", "13"}},
    {"sus", "sus", {"1", "4", "5"}},
    {"sus2", "sus2", {"1", "2", "5"}},
    {"sus2/6", "sus2-6", {"1", "2", "5", "6"}},
    {"sus4", "sus4", {"1", "4", "5"}},
    {"sus4/6", "sus4-6", {"1", "4", "5", "6"}},
    {"sus4/9", "sus4-9", {"1", "4", "5", "9"}},
    {"7th", "7th", {"1", "3", "5", "b7"}},
    {"7/6", "7-6", {"1", "3", "5", "6", "b7"}},
    {"7/11", "7-11", {"1", "3", "5", "b7", "11"}},
    {"7/6/11", "7-6-11", {"1", "3", "5", "6", "b7", "11"}},
    {"7sus2", "7sus2", {"1", "2", "5", "b7"}},
    {"7sus4", "7sus4", {"1", "4", "5", "b7"}},
    {"7sus4/6", "7sus4-6", {"1", "4", "5", "6", "b7"}},
    {"7aug5", "7aug5", {"1", "3", "#5", "b7"}},
    {"7dim5", "7dim5", {"1", "3", "b5", "b7"}},
    {"7aug9", "7aug9", {"1", "3", "5", "b7", "#9"}},
    {"7b9", "7b9", {"1", "3", "5", "b7", "b9"}},
    {"7b9#5", "7b9aug5", {"1", "3", "#5", "b7", "b9"}},
    {"9th", "9th", {"1", "3", "5", "b7", "9"}},
    {"9dim5", "9dim5", {"1", "3", "b5", "b7", "9"}},
    {"9aug5", "9aug5", {"1", "3", "#5", "b7", "9"}},
    {"9#11", "9aug11", {"1", "3", "5", "b7", "9", "#11"}},
    {"11th", "11th", {"1", "3", "5", "b7", "9", "11"}},
    {"11/13", "11-13", {"1", "3", "5", "b7", "9", "11", "13"}},
    {"13th", "13th", {"1", "3", "5", "b7", "9", "13"}},
    {"13b9", "13b9", {"1", "3", "5", "b7", "b9", "13"}},
    {"13b9b5", "13b9b5", {"1", "3", "b5", "b7", "b9", "13"}},
    {"13sus4", "13sus4", {"1", "4", "5", "b7", "9", "13"}},
    {"Dim", "dim", {"1", "b3", "b5"}},
    {"Dim5", "dim5", {"1", "3", "b5"}},
    {"Aug", "aug", {"1", "3", "#5"}},
}};

// Chord-root-row position of an interval symbol, -1 for an unknown symbol.
int rowPosition(std::string_view symbol);

// Semitones above the root of an interval symbol (b9 is 1, 13 is 9); -1 for
// an unknown symbol.
int semitonesOf(std::string_view symbol);

// Degree-to-marker entry of an interval symbol (1 root, 2 for 2/9, ... 12 for #5).
int markerDegree(std::string_view symbol);

const ChordType* chordTypeByKey(std::string_view key);

// Everything a chord handler installs for one chord type, derived from its formula.
struct ChordData {
    std::string lineNumber;          // last chord-note index, as text
    std::vector<std::string> ula;    // formula symbols
    std::vector<std::string> cs;     // row positions, as texts
    std::vector<int> markerDegrees;  // degree-to-marker entries, formula order
    std::vector<int> tnt;            // tone-bar numbers 1..12, ascending position
    std::vector<int> cnc;            // colours of those bars
    std::vector<int> noteColours;    // colours of the tone_color bars, formula order
};
ChordData chordData(const ChordType& type);

inline constexpr int kToneRed = 192;
inline constexpr int kToneGreen = 65280;

}  // namespace theory
