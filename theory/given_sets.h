#pragma once

#include <span>
#include <string_view>

#include "theory/voicings.h"

namespace theory {

// The given galleries: major and add9 of the chord finder ("20", "21", with a
// first-position diagram for some roots) and the key window's major, add9,
// minor, minor add9 and minor 7 ("a", "b", "n", "o", "q"). They keep their
// stored shapes, order and rotations in standard tuning; every other gallery
// is chosen per root by the grip search (theory/grips.h). A set's shapes are
// stored at the frets where they sound its own root (chordRoot), so their
// lowest fretted fret is the base fret the windows list for that chord.
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

const DiagramSet* diagramSet(std::string_view dir);

}  // namespace theory
