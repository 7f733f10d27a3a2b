#pragma once

// The dots laid over the fretboard: one note's places, or a key's scale with
// its key note set apart. The generator draws standard tuning's into the
// built-in artwork; the windows draw any other tuning's when first shown.
#include <QImage>
#include <string_view>

#include "theory/note_names.h"
#include "theory/tunings.h"

namespace artwork {

// Top of a note overlay in the window, in twips: E and F♯ sit lower.
int noteOverlayTop(std::string_view note);

// note is a root name ("Cs", "Bb"); key 0..11 is the key's pitch (C = 0).
QImage noteOverlay(std::string_view note, theory::NameSystem system, bool leftHanded,
                   const theory::Tuning& tuning);
QImage keyOverlay(int key, theory::NameSystem system, bool leftHanded,
                  const theory::Tuning& tuning);

// The overlay an artwork name of another tuning asks for ("dadgad/german/left/note_Bb"),
// or a null image for any other name.
QImage tunedOverlay(std::string_view artworkName);

}  // namespace artwork
