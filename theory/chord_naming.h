#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "theory/chord_types.h"
#include "theory/tunings.h"
#include "theory/voicings.h"

namespace theory {

// One name for the notes held on the neck: a root of the seventeen, one of
// the 53 chord types, and the bass note when it is not the root.
struct ChordName {
    std::string root;                 // internal spelling ("Cs", "Db")
    const ChordType* type;            // never null
    std::optional<std::string> bass;  // slash note, spelled from the root's row
    bool fifthLeftOut = false;        // the only tone left out is the fifth
};

struct Naming {
    std::vector<ChordName> names;    // best first, at most kMaxNames
    std::vector<std::string> notes;  // distinct notes held, lowest first, spelled
};

inline constexpr std::size_t kMaxNames = 3;

// Names the notes of marked strings (Frets: lowest string first, -1
// unmarked). A type names the notes when they are its tones and hold every
// tone the grip search requires of it (theory::chordTones: the fifth of a
// four-note chord, a ninth or eleventh under a higher extension, the root from
// six notes on may be left out). Ranking: the bass note as root first (unless
// that reading has no third and leaves a tone out: then it ranks with the
// slash chords), then the fewest left-out tones, then the simplest type
// (fewest tones, then option order), then the bass's place in the formula.
// Types with the same tones (sus, sus4) give one name, the earlier option's.
// Fewer than three distinct notes name nothing.
Naming nameChord(const Frets& marks, const Tuning& tuning);

// How a root of pitch 0..11 is spelled for a chord of this type. Black keys
// take the spelling of the key signature a guitarist reads for that chord:
// the major key's for major-third chords (Db, Eb, F#, Ab, Bb: fewer
// accidentals, F# by habit), the minor key's for minor-third ones (C#m, Ebm,
// F#m, G#m, Bbm).
std::string rootSpelling(int pitch, const ChordType& type);

// How a note is shown: "Cs" -> "C♯". The note-name systems pass their own.
using NoteSpeller = std::function<std::string(std::string_view)>;
std::string englishNote(std::string_view note);

// Chord-chart symbol of a name: "C", "C♯m7", "C/E", "E♭maj7♭3".
std::string chordSymbol(const ChordName& name, const NoteSpeller& speller = englishNote);

// The line a window shows: the names best first ("C6, Am7/C"), or in plain
// words why there is none ("C and G: no chord"); empty when nothing is marked.
std::string namingText(const Naming& naming, const NoteSpeller& speller = englishNote);

// demo-driver's `named` entry for one name.
struct NamedEntry {
    std::string text;
    std::string root;
    std::string type;  // the chord-type caption
    std::optional<std::string> bass;
};
std::vector<NamedEntry> namedEntries(const Naming& naming,
                                     const NoteSpeller& speller = englishNote);

}  // namespace theory
