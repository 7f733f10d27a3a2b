#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace theory {

// One chord shape on six strings, low E first: -1 muted, 0 open, else the
// fret. Gallery shapes are stored at the frets where they sound the set's own
// chord (see DiagramSet::chordRoot), so their lowest fretted fret is the base
// fret the programs list for that chord.
using Frets = std::array<int, 6>;

inline constexpr std::array<int, 6> kOpenStringPitches{4, 9, 2, 7, 11, 4};  // E A D G B E

struct RootDiagram {
    const char* root;  // note name, the file stem
    Frets frets;       // first position, open strings allowed
};

// A folder of chord-box diagrams: shapes 1.bmp .. N.bmp in stored order, and
// for some sets one first-position diagram per root (root name + ".bmp").
struct DiagramSet {
    const char* dir;        // folder name below img/demo/
    const char* chordType;  // chord-type key the shapes voice
    const char* chordRoot;  // root the stored frets sound ("C" for most sets)
    std::span<const Frets> shapes;
    std::span<const RootDiagram> rootDiagrams;
};

std::span<const DiagramSet> diagramSets();

// Sets the programs no longer show: their chord types take galleries chosen
// per root (theory/grips.h). Only the seven given sets are drawn as stored.
bool chosenPerRoot(const DiagramSet& set);
const DiagramSet* diagramSet(std::string_view dir);

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
