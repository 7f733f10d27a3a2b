#pragma once

// The seven tunings as a player writes them, for tests: open strings lowest
// first with their octaves, and what the labels under the neck should read.
#include <array>
#include <map>
#include <string>

namespace testing_support {

// MIDI number of a note such as "F#3" (E2 = 40, middle C = C4 = 60).
inline int midiOf(const std::string& note) {
    static const std::map<std::string, int> kPitch{
        {"C", 0},  {"Db", 1}, {"D", 2},  {"Eb", 3}, {"E", 4},   {"F", 5}, {"F#", 6},
        {"Gb", 6}, {"G", 7},  {"Ab", 8}, {"A", 9},  {"Bb", 10}, {"B", 11}};
    return 12 * (note.back() - '0' + 1) + kPitch.at(note.substr(0, note.size() - 1));
}

struct TuningRow {
    const char* key;
    const char* name;
    std::array<const char*, 6> strings;
    std::array<const char*, 6> labels;
};
inline const std::array<TuningRow, 7> kTuningRows{{
    {"standard", "Standard", {"E2", "A2", "D3", "G3", "B3", "E4"}, {"E", "A", "D", "G", "B", "E"}},
    {"half-step-down",
     "E\u266d standard",
     {"Eb2", "Ab2", "Db3", "Gb3", "Bb3", "Eb4"},
     {"E\u266d", "A\u266d", "D\u266d", "G\u266d", "B\u266d", "E\u266d"}},
    {"whole-step-down",
     "D standard",
     {"D2", "G2", "C3", "F3", "A3", "D4"},
     {"D", "G", "C", "F", "A", "D"}},
    {"drop-d", "Drop D", {"D2", "A2", "D3", "G3", "B3", "E4"}, {"D", "A", "D", "G", "B", "E"}},
    {"dadgad", "DADGAD", {"D2", "A2", "D3", "G3", "A3", "D4"}, {"D", "A", "D", "G", "A", "D"}},
    {"open-g", "Open G", {"D2", "G2", "D3", "G3", "B3", "D4"}, {"D", "G", "D", "G", "B", "D"}},
    {"open-d",
     "Open D",
     {"D2", "A2", "D3", "F#3", "A3", "D4"},
     {"D", "A", "D", "F\u266f", "A", "D"}},
}};

// Pitch class (C = 0) sounded by string s of a tuning row at fret f.
inline int pitchOn(const TuningRow& row, int string, int fret) {
    return (midiOf(row.strings[std::size_t(string)]) + fret) % 12;
}

}  // namespace testing_support
