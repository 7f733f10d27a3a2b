#pragma once

#include <QImage>

namespace imagegen {

// "Name a chord": the mark of a fretted note, a green ring wider than the
// chord-tone dots so that a dot under it still shows through.
QImage markArtwork();

}  // namespace imagegen
