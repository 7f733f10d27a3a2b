#pragma once

#include <QImage>
#include <array>
#include <optional>
#include <string>

#include "theory/fingering.h"
#include "theory/voicings.h"

namespace artwork {

// What the large diagram shows of one grip: its frets, the fingers holding
// them, the note each sounding string plays (as the player's naming writes
// it, UTF-8) and which of them are the root, the fret of its top row, the
// chord's name.
struct LargeDiagram {
    theory::Frets frets{};
    std::optional<theory::Fingering> fingering;
    std::array<std::string, 6> notes;  // empty for a muted string
    std::array<bool, 6> roots{};
    int firstFret = 1;  // 1: drawn at the nut
    std::string name;
    bool leftHanded = false;
};

// The diagram drawn large for reading at the instrument, five times a chord
// box's size or more: dots with finger numbers, barres as bars, the root's
// dots in red, the notes under the strings, the fret beside the top row.
QImage drawLargeDiagram(const LargeDiagram& diagram);

}  // namespace artwork
