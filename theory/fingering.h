#pragma once

#include <array>
#include <optional>
#include <vector>

#include "theory/voicings.h"

namespace theory {

// Fingers of the fretting hand; the thumb is never used.
enum Finger : int { kNoFinger = 0, kIndex = 1, kMiddle = 2, kRing = 3, kLittle = 4 };

// One finger laid flat across strings `from` .. `to` (0 = the lowest string)
// at one fret.
struct FingerBarre {
    int finger = kIndex;
    int fret = 0;
    int from = 0;
    int to = 0;
    bool operator==(const FingerBarre&) const = default;
};

// How a hand holds a grip: the finger on each string, lowest string first
// (kNoFinger for an open or muted string), and the barres among them.
struct Fingering {
    std::array<int, 6> fingers{};
    std::vector<FingerBarre> barres;
    bool operator==(const Fingering&) const = default;
};

// The fingering a teacher writes for a grip, or none when four fingers
// without the thumb cannot hold it. The rules are set out in fingering.cpp.
std::optional<Fingering> fingeringOf(const Frets& frets);

// Whether four fingers can hold the grip at all; a table look-up, for the
// grip search.
bool hasFingering(const Frets& frets);

}  // namespace theory
