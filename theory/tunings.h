#pragma once

#include <array>
#include <string_view>

namespace theory {

// An open tuning of the six strings, lowest string first, as MIDI note numbers.
struct Tuning {
    const char* key;   // what demo-driver and the settings file call it
    const char* name;  // what the window shows
    std::array<int, 6> midi;
};

// The tunings the programs offer; standard first, it is the default.
inline constexpr std::array<Tuning, 7> kTunings{{
    {"standard", "Standard", {40, 45, 50, 55, 59, 64}},
    {"half-step-down", "E\u266d standard", {39, 44, 49, 54, 58, 63}},
    {"whole-step-down", "D standard", {38, 43, 48, 53, 57, 62}},
    {"drop-d", "Drop D", {38, 45, 50, 55, 59, 64}},
    {"dadgad", "DADGAD", {38, 45, 50, 55, 57, 62}},
    {"open-g", "Open G", {38, 43, 50, 55, 59, 62}},
    {"open-d", "Open D", {38, 45, 50, 54, 57, 62}},
}};

inline constexpr const Tuning& standardTuning() {
    return kTunings[0];
}

// The tuning with this key, or null for a key that names none.
inline constexpr const Tuning* tuningByKey(std::string_view key) {
    for (const Tuning& t : kTunings)
        if (key == t.key) return &t;
    return nullptr;
}

// Pitch class 0..11 (C = 0) that string s sounds at fret f in tuning t.
inline constexpr int pitchAt(const Tuning& t, int string, int fret) {
    return (t.midi[string] + fret) % 12;
}

}  // namespace theory
