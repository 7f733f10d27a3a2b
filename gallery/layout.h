#pragma once

#include <optional>
#include <string_view>

#include "theory/voicings.h"

namespace gallery {

// Where a gallery cell stands inside the gallery panel (twips): its diagram,
// the fret number beside it, and the row both share.
struct CellPlace {
    int diagramLeft;
    int numberLeft;
    int top;
};

// A rotation is accepted only as one of "0" .. "count-1", written plainly;
// anything else moves nothing.
std::optional<int> acceptedRotation(std::string_view move, int count);

// The place of stored item i when `count` items are rotated by m cells: nine
// columns a row, filled left to right, top row first.
CellPlace rotatedPlace(int i, int m, int count);

// A stored shape moved up by `shift` frets (0 .. 11) to sound at another
// root; a shape that would pass the last fret and starts at 12 or above is
// shown twelve frets lower, where it sounds the same chord.
theory::Frets shiftedShape(const theory::Frets& stored, int shift);

}  // namespace gallery
