#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "theory/grips.h"

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
    "Major__First", "Minor__Second", "Minor__Third",       "Major__Fourth",
    "Major__Fifth", "Minor__Sixth",  "Diminished__Seventh"};
int degreeIndex(std::string_view degree);

// Chord-root row of the chord on a degree of a key: the row of the degree's
// root with every pitch of the key's scale named as the key names it.
std::optional<std::vector<std::string>> degreeRow(std::string_view key, std::string_view degree);

// The chord options stand in one column per degree, I to vii°, top to bottom.
struct KeyColumn {
    int left;
    std::array<int, 21> members;
    int count;
};
inline constexpr std::array<KeyColumn, 7> kKeyColumns{{
    {650, {0, 1, 80, 81, 82, 83, 6, 7, 8, 9, 10, 11, 12}, 13},
    {1690, {2, 3, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27}, 15},
    {2750, {4, 5, 30, 31, 32, 33}, 6},
    {3800, {34, 35, 36, 37, 38, 39, 40, 41, 42, 43}, 10},
    {4850,
     {44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64},
     21},
    {5900, {65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75}, 11},
    {6940, {76, 77}, 2},
}};

// Option captions by index; absent members (13, 14, 28, 29, 79) have none, 78 is the
// neutral entry.
inline constexpr std::array<const char*, 84> kKeyCaptions{
    "Major",   "add9",   "minor",  "madd9",  "minor", "m7",     "maj9",   "maj13",  "sus2",
    "sus2/6",  "sus4",   "sus4/6", "sus4/9", nullptr, nullptr,  "m6",     "m6/9",   "m7",
    "m7/11",   "m9",     "m11",    "7sus2",  "7sus4", "sus2",   "sus2/6", "sus4",   "sus4/6",
    "sus4/9",  nullptr,  nullptr,  "m7b9",   "m7/11", "7sus4",  "sus4",   "Major",  "add9",
    "6th",     "6/9",    "maj7",   "maj7/6", "maj9",  "maj13",  "sus2",   "sus2/6", "Major",
    "add9",    "6th",    "6/9",    "7th",    "7/6",   "7/11",   "7/6/11", "7sus2",  "7sus4",
    "7sus4/6", "9th",    "11th",   "11/13",  "13th",  "13sus4", "sus2",   "sus2/6", "sus4",
    "sus4/6",  "sus4/9", "minor",  "madd9",  "m7",    "m7/11",  "m9",     "m11",    "7sus2",
    "7sus4",   "sus2",   "sus4",   "sus4/9", "dim",   "m7b5",   " ",      nullptr,  "6th",
    "6/9",     "maj7",   "maj7/6"};

// Degree column of an option, -1 for an index that names no chord option.
int degreeOfOption(int option);

// Base fret of each shape of a set for the chord on a degree of key C: the set's
// own base frets moved by the distance between the set's root and the degree's
// root, kept within frets 1..12.
std::vector<int> degreeBaseFrets(std::string_view dir, int degree);

// One chord option of the key window.
struct KeyChord {
    int option;
    const char* Chord_Type;
    const char* position;
    std::string dir;                  // a given set, or "ly_" + type for one chosen per root
    std::optional<int> Chord_Number;  // given sets only: a chosen gallery gives its own
    std::vector<int> baseFrets;
    std::vector<int> markerDegrees;  // into the key's Notes
    std::vector<int> tnt;            // tone-bar numbers
    std::vector<int> cnc;
    std::vector<int> noteColours;
};
const KeyChord* keyChord(int option);

// Cells of the key window's gallery.
inline constexpr int kKeyCells = 9;

// The gallery of an option in a key, chosen for the chord on that degree in
// that tuning; null in standard tuning for the options whose sets are given,
// which keep their stored shapes there.
const std::vector<theory::GalleryCell>* keyGallery(
    int option, std::string_view key, const theory::Tuning& tuning = theory::standardTuning());
// Every grip of the chord an option offers in a key, best first: the pages of
// its gallery (after the set, where a set is given).
std::vector<theory::GalleryCell> keyGrips(int option, std::string_view key,
                                          const theory::Tuning& tuning = theory::standardTuning());
std::span<const KeyChord> keyChords();

// The option of a key (an index of Key_Table) that offers a chord: a degree
// whose root has this pitch class, with a type of the same tones (a
// theory::chordTones mask); -1 when the key has none.
int optionOffering(int keyIndex, int rootPitch, unsigned tones);

}  // namespace chords
