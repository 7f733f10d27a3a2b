#pragma once

#include <array>
#include <string>
#include <string_view>

namespace theory {

// The seventeen note names and their pitches (semitones above C), in
// root-button order: sharps before the flat of the same pitch.
struct NoteName {
    const char* name;
    int pitch;
};

inline constexpr std::array<NoteName, 17> kNoteNames{{
    {"C", 0},
    {"Cs", 1},
    {"Db", 1},
    {"D", 2},
    {"Ds", 3},
    {"Eb", 3},
    {"E", 4},
    {"F", 5},
    {"Fs", 6},
    {"Gb", 6},
    {"G", 7},
    {"Gs", 8},
    {"Ab", 8},
    {"A", 9},
    {"As", 10},
    {"Bb", 10},
    {"B", 11},
}};

inline constexpr std::array<const char*, 17> Root_Names = [] {
    std::array<const char*, 17> names{};
    for (std::size_t i = 0; i < names.size(); ++i) names[i] = kNoteNames[i].name;
    return names;
}();

// Pitch 0..11 of a note name, or -1 for a text that is none of the seventeen.
int pitchOf(std::string_view name);

// Semitones above the root of each chord-root-row position.
inline constexpr std::array<int, 12> kRowSemitones{0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 1};

// Interval symbol of each row position, as the strip pictures label them.
inline constexpr std::array<const char*, 12> kRowIntervals{"1", "9",  "b3", "3",  "4", "b5",
                                                           "5", "#5", "6",  "b7", "7", "b9"};

using Row = std::array<const char*, 12>;

// The chord-root row of a root name (one of the seventeen); throws
// std::out_of_range for any other text.
const Row& chordRootRow(std::string_view root);

// Row positions of the major scale: root, 2, 3, 4, 5, 6, 7.
inline constexpr std::array<int, 7> kMajorScalePositions{0, 1, 3, 4, 6, 8, 10};

// Semitones of the major scale's degrees above its root, from the row positions.
inline constexpr std::array<int, 7> kMajorSteps = [] {
    std::array<int, 7> steps{};
    for (std::size_t d = 0; d < steps.size(); ++d)
        steps[d] = kRowSemitones[std::size_t(kMajorScalePositions[d])];
    return steps;
}();

// Row position behind each entry of a degree-to-marker table (entry 0 unused):
// 1..7 the major scale, then b3, b7, b5, b2, b6.
inline constexpr std::array<int, 13> kMarkerPositions{-1, 0, 1, 3, 4, 6, 8, 10, 2, 9, 5, 11, 7};

// Note name of each degree-to-marker entry of a root (entry 0 empty).
std::array<std::string, 13> markerNotes(std::string_view root);

}  // namespace theory
