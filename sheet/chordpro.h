#pragma once

#include <string>

#include "sheet/sheet.h"

namespace sheet {

// A chord name as ChordPro writes it, in ASCII: "C♯m7" -> "C#m7", "B♭" -> "Bb",
// "Ré" -> "Re"; characters a {define} cannot hold are left out.
std::string asciiChordName(const std::string& utf8);

// The sheet as a ChordPro song: its title, one {define} per diagram with frets
// relative to the base fret, and lines naming the chords in the sheet's rows so
// that a formatter draws every diagram (it draws only the chords a song uses).
// Two diagrams of one name get "(2)", "(3)": a name defined twice keeps one shape.
// Fingers follow each {define} as a comment: chordii 4.5 refuses a "fingers"
// keyword in {define} and then draws its own shape instead of ours.
std::string chordProText(const Sheet& sheet);

}  // namespace sheet
