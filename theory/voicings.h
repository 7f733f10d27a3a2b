#pragma once

#include <array>
#include <optional>

namespace theory {

// One chord shape on six strings, low E first: -1 muted, 0 open, else the
// fret.
using Frets = std::array<int, 6>;

// Lowest fretted (non-open, non-muted) fret of a shape; 0 when none.
int lowestFret(const Frets& frets);

// One finger laid across the lowest fret of a shape. It holds that fret on
// two or more strings and presses every string between its ends, so it can
// only lie where none of those strings is muted or open.
struct Barre {
    int fret;
    int firstString;  // 0 = low E
    int lastString;
};
std::optional<Barre> barreOf(const Frets& frets);

// Fingers a shape takes: one per fretted string, the barre's strings as one.
int fingersNeeded(const Frets& frets);

}  // namespace theory
