#include "theory/given_sets.h"

#include <array>

namespace theory {

namespace {

constexpr int X = -1;  // muted string

// Gallery shapes are movable: no open strings, four frets at most, four
// fingers at most, and they sound every tone of the chord and nothing else.
// Each is stored at the frets of the set's own root; the comment gives the
// notes low to high.

// C major, the full gallery.
constexpr std::array<Frets, 18> kMajorFull{{
    {X, 3, 2, X, 1, 3},       // C E . C G
    {X, 3, 2, X, 5, 3},       // C E . E G
    {X, 3, 5, 5, 5, 3},       // A-shape barre
    {8, 7, 5, 5, 5, 8},       // G-shape, barre on D G B
    {X, X, 5, 5, 5, 8},       // G C E C, top of the G-shape
    {X, 7, 10, 9, 8, X},      // E C E G, first inversion
    {8, 7, X, 9, 8, X},       // C E . E G
    {8, 10, 10, 9, 8, 8},     // E-shape barre
    {8, 10, 10, 9, 8, X},     // E-shape, top string off
    {8, 10, 10, 9, X, X},     // E-shape, low four
    {X, X, 10, 9, 8, 8},      // E-shape, top four
    {X, X, 10, 9, 8, X},      // C E G, middle triad
    {X, X, X, 9, 8, 8},       // E G C, top triad
    {X, 10, 10, 9, X, X},     // G C E, second inversion
    {X, X, 10, 12, 13, 12},   // D-shape
    {X, 10, 10, 12, 13, 12},  // D-shape with the fifth below
    {X, 15, 14, 12, 13, 12},  // C-shape
    {X, X, 14, 12, 13, 12},   // C-shape, top four
}};

// C add9, the full gallery; the fifth may be left out.
constexpr std::array<Frets, 11> kAdd9Full{{
    {X, 3, 2, X, 3, 3},        // C E . D G
    {3, 5, X, 5, 5, X},        // G D . C E
    {8, 5, 5, 5, 5, 8},        // C D G C E C, barre at 5
    {8, 7, 10, 7, 8, X},       // C E C D G, barre on A..G
    {8, 7, X, 7, 8, X},        // C E . D G
    {X, X, 10, 9, 8, 10},      // C E G D
    {8, X, X, 9, 8, 10},       // C . . E G D
    {8, X, 10, 9, X, 10},      // C . C E . D
    {X, X, 10, 9, X, 10},      // C E . D
    {10, 10, 10, 12, 13, 12},  // D G C G C E
    {X, 15, 12, 12, 13, 12},   // C D G C E
}};

// C major, the short gallery.
constexpr std::array<Frets, 9> kMajorShort{{
    {X, 3, 5, 5, 5, 3},
    {8, 7, 5, 5, 5, 8},
    {X, X, 5, 5, 5, 8},
    {8, 10, 10, 9, 8, 8},
    {X, X, 10, 9, 8, 8},
    {X, X, 10, 12, 13, 12},
    {X, 10, 10, 12, 13, 12},
    {X, 15, 14, 12, 13, 12},
    {X, X, 14, 12, 13, 12},
}};

// C add9, the short gallery.
constexpr std::array<Frets, 9> kAdd9Short{{
    {X, 3, 2, X, 3, 3},
    {3, 5, X, 5, 5, X},
    {8, 5, 5, 5, 5, 8},
    {8, 7, 10, 7, 8, X},
    {X, X, 10, 9, 8, 10},
    {8, X, X, 9, 8, 10},
    {X, X, 10, 9, X, 10},
    {10, 10, 10, 12, 13, 12},
    {X, 15, 12, 12, 13, 12},
}};

// D minor; two frets higher the same grips give E minor.
constexpr std::array<Frets, 9> kMinor{{
    {X, X, 3, 2, 3, 1},        // F A D F
    {X, X, X, 2, 3, 1},        // A D F
    {X, 5, 3, 2, 3, X},        // C-shape: D F A D
    {X, 5, 3, 2, X, X},        // D F A
    {X, 5, 7, 7, 6, 5},        // A-shape barre
    {X, 8, 7, 7, 6, X},        // F A D F
    {10, 8, 7, 7, 10, X},      // D F A D A
    {10, 12, 12, 10, 10, 10},  // E-shape barre
    {X, X, 12, 14, 15, 13},    // D-shape
}};

// D minor add9; the fifth may be left out.
constexpr std::array<Frets, 8> kMinorAdd9{{
    {X, X, 2, 2, 3, 1},        // E A D F
    {1, X, 2, 2, 3, X},        // F . E A D
    {5, 8, 7, 7, 5, 5},        // A F A D E A
    {X, 7, 7, 7, 6, X},        // E A D F
    {10, 8, X, 9, 10, X},      // D F . E A
    {10, 12, 12, 10, 10, 12},  // E-shape with the ninth on top
    {X, X, 12, 10, 10, 12},    // D F A E
    {10, 12, 12, 10, X, 12},   // D A D F . E
}};

// E minor 7; the last two sit above the twelfth fret.
constexpr std::array<Frets, 9> kMinor7{{
    {3, 5, X, 4, 5, X},        // G D . B E
    {X, 5, 5, 4, 5, X},        // D G B E
    {X, 7, 5, 7, 5, 7},        // E G D E B
    {X, 7, 9, 7, 8, 7},        // A-shape barre
    {X, X, 9, 9, 8, 10},       // B E G D
    {12, 14, 12, 12, 12, 12},  // E-shape barre
    {12, 14, 14, 12, 15, 12},  // E-shape with the seventh on the B string
    {X, X, 14, 16, 15, 15},    // D-shape
    {X, 14, 14, 16, 15, 15},   // D-shape with the fifth below
}};

// First-position major chords, open strings allowed.
constexpr std::array<RootDiagram, 8> kMajorRoots{{
    {"C", {X, 3, 2, 0, 1, 0}},
    {"D", {X, X, 0, 2, 3, 2}},
    {"E", {0, 2, 2, 1, 0, 0}},
    {"G", {3, 2, 0, 0, 0, 3}},
    {"A", {X, 0, 2, 2, 2, 0}},
    {"As", {X, 1, 3, 3, 3, 1}},
    {"Bb", {X, 1, 3, 3, 3, 1}},
    {"B", {X, 2, 4, 4, 4, 2}},
}};

// First-position add9 chords. No first-position D add9 has the root in the
// bass (the open D string would need the third and ninth both on the top
// string), so it stands on its third.
constexpr std::array<RootDiagram, 10> kAdd9Roots{{
    {"C", {X, 3, 2, 0, 3, 0}},
    {"Cs", {X, 4, 3, 1, 4, 1}},
    {"Db", {X, 4, 3, 1, 4, 1}},
    {"D", {X, X, 4, 2, 3, 0}},
    {"E", {0, 2, 2, 1, 0, 2}},
    {"F", {X, X, 3, 2, 1, 3}},
    {"G", {3, 2, 0, 2, 0, 3}},
    {"A", {X, 0, 2, 4, 2, 0}},
    {"As", {X, 1, 0, 3, 1, 1}},
    {"Bb", {X, 1, 0, 3, 1, 1}},
}};

const std::array<DiagramSet, 7> kSets{{
    {"20", "major", "C", kMajorFull, kMajorRoots},
    {"21", "add9", "C", kAdd9Full, kAdd9Roots},
    {"a", "major", "C", kMajorShort, {}},
    {"b", "add9", "C", kAdd9Short, {}},
    {"n", "minor", "D", kMinor, {}},
    {"o", "madd9", "D", kMinorAdd9, {}},
    {"q", "m7", "E", kMinor7, {}},
}};

}  // namespace

std::span<const DiagramSet> diagramSets() {
    return kSets;
}

const DiagramSet* diagramSet(std::string_view dir) {
    for (const auto& set : kSets)
        if (dir == set.dir) return &set;
    return nullptr;
}

}  // namespace theory
