#pragma once

#include <QImage>

#include "theory/voicings.h"

namespace artwork {

// Chord-box pictures are 555 x 615 twips: 37 x 41 pixels.
inline constexpr int kChordBoxWidth = 37;
inline constexpr int kChordBoxHeight = 41;

// A movable gallery shape, drawn from its lowest fretted fret downwards
// (the fret number stands beside it in the window).
QImage drawGalleryShape(const theory::Frets& frets);
// A first-position diagram, drawn with the nut and open-string marks.
QImage drawFirstPosition(const theory::Frets& frets);
// The empty grid shown in cleared gallery cells.
QImage drawBlankChordBox();

// The same diagrams with the finger that holds each note written in its dot
// and each barre drawn as a bar. Left-handed, the strings run the other way
// and the numbers still read upright. A grip no hand can hold is drawn
// without numbers.
QImage drawFingeredShape(const theory::Frets& frets, bool atNut, bool leftHanded);

}  // namespace artwork
