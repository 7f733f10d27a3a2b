#include "theory/voicings.h"

#include <algorithm>

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

// The chord finder's galleries, one per chord type from option 2 on, all
// for root C. tools/voicing_search found them; they are frozen here so that
// a change to its ranking cannot change the published diagrams unnoticed.
// A shape may leave out only the tones its heading names: the plain fifth of
// a four-note chord, a ninth or eleventh a higher extension implies, and the
// root of a six-note chord. The root diagrams are first-position grips, one
// per root that has a complete one, standing on the root where that fits.

// C 6th: 1 3 5 6; may leave out 5
constexpr std::array<Frets, 18> kShapes_6th{{
    {X, 3, 2, 2, 1, X},      // C E A C
    {X, X, 2, 2, 1, 3},      // E A C G
    {X, 3, 2, 2, X, 3},      // C E A . G
    {X, 3, 2, 2, 5, 3},      // C E A E G
    {X, 3, 5, X, 5, 5},      // C G . E A
    {X, 3, X, X, 5, 5},      // C . . E A
    {8, X, 5, 5, 5, 5},      // C . G C E A
    {8, 7, 5, 5, 5, 5},      // C E G C E A
    {8, 7, 7, X, 8, X},      // C E A . G
    {8, 7, 7, X, 8, 8},      // C E A . G C
    {8, 10, X, 9, 10, X},    // C G . E A
    {8, X, X, 9, 10, X},     // C . . E A
    {X, X, 10, 9, 10, X},    // C E A
    {X, X, 10, 9, 10, 12},   // C E A E
    {X, X, 10, 12, 10, 12},  // C G A E
    {X, X, 10, X, 10, 12},   // C . A E
    {X, 15, X, 14, X, 12},   // C . A . E
    {X, 15, X, 14, 13, 12},  // C . A C E
}};
constexpr std::array<RootDiagram, 17> kRoots_6th{{
    {"C", {X, 3, 2, 2, X, 3}},
    {"Cs", {X, 4, 3, 3, X, 4}},
    {"Db", {X, 4, 3, 3, X, 4}},
    {"D", {X, X, 0, 2, 0, 2}},
    {"Ds", {X, X, 1, 3, 1, 3}},
    {"Eb", {X, X, 1, 3, 1, 3}},
    {"E", {0, 2, 2, 4, 2, 4}},
    {"F", {1, 0, 0, 2, 1, 1}},
    {"Fs", {2, 1, 1, 3, 2, X}},
    {"Gb", {2, 1, 1, 3, 2, X}},
    {"G", {3, 2, 0, 0, 0, 0}},
    {"Gs", {4, 3, 1, 1, 1, 1}},
    {"Ab", {4, 3, 1, 1, 1, 1}},
    {"A", {X, 0, 2, 2, 2, 2}},
    {"As", {X, 1, 0, 0, 3, 1}},
    {"Bb", {X, 1, 0, 0, 3, 1}},
    {"B", {X, 2, 1, 1, 0, 2}},
}};

// C 6/9: 1 3 5 6 9; may leave out 5
constexpr std::array<Frets, 18> kShapes_6_9{{
    {X, 3, 2, 2, 3, 3},        // C E A D G
    {X, 3, 2, 2, 3, X},        // C E A D
    {X, 3, 2, 2, 3, 5},        // C E A D A
    {8, 5, 5, 5, 5, 5},        // C D G C E A
    {8, 5, 5, 7, 5, 5},        // C D G D E A
    {8, X, 5, 7, 5, 5},        // C . G D E A
    {8, 7, 7, 7, 8, X},        // C E A D G
    {8, 7, 7, 7, 8, 8},        // C E A D G C
    {8, 7, 7, 7, 8, 10},       // C E A D G D
    {8, X, X, 9, 10, 10},      // C . . E A D
    {10, X, X, 9, 10, 8},      // D . . E A C
    {X, X, 10, 9, 10, 10},     // C E A D
    {10, X, 10, 9, 10, X},     // D . C E A
    {10, 10, 10, 12, 10, 12},  // D G C G A E
    {12, 10, 10, 12, 10, 10},  // E G C G A D
    {X, 15, 12, 14, 13, 12},   // C D A C E
    {X, 15, 12, 14, 15, 12},   // C D A D E
    {X, 15, X, 14, 15, 12},    // C . A D E
}};
constexpr std::array<RootDiagram, 17> kRoots_6_9{{
    {"C", {X, 3, 2, 2, 3, 3}},
    {"Cs", {X, 4, 3, 3, 4, 4}},
    {"Db", {X, 4, 3, 3, 4, 4}},
    {"D", {0, 0, 0, 2, 0, 2}},
    {"Ds", {X, X, 1, 0, 1, 1}},
    {"Eb", {X, X, 1, 0, 1, 1}},
    {"E", {0, 4, 4, 1, 0, 0}},
    {"F", {1, 0, 0, 0, 1, 1}},
    {"Fs", {2, 1, 1, 1, 2, 2}},
    {"Gb", {2, 1, 1, 1, 2, 2}},
    {"G", {3, 0, 0, 0, 0, 0}},
    {"Gs", {4, 1, 1, 1, 1, 1}},
    {"Ab", {4, 1, 1, 1, 1, 1}},
    {"A", {X, 0, 2, 4, 2, 2}},
    {"As", {X, 1, 0, 0, 1, 1}},
    {"Bb", {X, 1, 0, 0, 1, 1}},
    {"B", {X, 2, 1, 1, 2, 2}},
}};

// C maj7: 1 3 5 7; may leave out 5
constexpr std::array<Frets, 18> kShapes_maj7{{
    {X, 3, 2, 4, 1, X},       // C E B C
    {X, 2, 2, X, 1, 3},       // B E . C G
    {X, 3, 2, 4, X, 3},       // C E B . G
    {X, 3, 2, 4, X, X},       // C E B
    {X, 3, 5, 4, 5, 3},       // C G B E G
    {X, 3, 5, 4, 5, X},       // C G B E
    {8, X, 5, 5, 5, 7},       // C . G C E B
    {8, 7, 5, 5, 5, 7},       // C E G C E B
    {8, 7, X, X, 8, 7},       // C E . . G B
    {8, 7, 9, X, 8, X},       // C E B . G
    {8, X, 9, 9, 8, X},       // C . B E G
    {8, 10, 9, 9, 8, 8},      // C G B E G C
    {X, X, 10, 9, 12, X},     // C E B
    {X, X, 10, 9, 12, 12},    // C E B E
    {X, X, 10, 12, 12, 12},   // C G B E
    {X, X, 10, X, 12, 12},    // C . B E
    {X, 15, X, 12, 12, 12},   // C . G B E
    {X, 15, 14, 12, 12, 12},  // C E G B E
}};
constexpr std::array<RootDiagram, 17> kRoots_maj7{{
    {"C", {X, 3, 2, 0, 0, 0}},
    {"Cs", {X, 4, 3, 1, 1, 1}},
    {"Db", {X, 4, 3, 1, 1, 1}},
    {"D", {X, X, 0, 2, 2, 2}},
    {"Ds", {X, X, 1, 3, 3, 3}},
    {"Eb", {X, X, 1, 3, 3, 3}},
    {"E", {0, 2, 1, 1, 0, 0}},
    {"F", {1, 0, 2, 2, 1, 0}},
    {"Fs", {2, 4, 3, 3, 2, 2}},
    {"Gb", {2, 4, 3, 3, 2, 2}},
    {"G", {3, 2, 0, 0, 0, 2}},
    {"Gs", {4, 3, 1, 1, 1, 3}},
    {"Ab", {4, 3, 1, 1, 1, 3}},
    {"A", {X, 0, 2, 2, 2, 4}},
    {"As", {X, 1, 0, 2, 3, 1}},
    {"Bb", {X, 1, 0, 2, 3, 1}},
    {"B", {X, 2, 1, 3, 0, 2}},
}};

// C maj7/6: 1 3 5 6 7; may leave out 5
constexpr std::array<Frets, 18> kShapes_maj7_6{{
    {X, 2, 2, 2, 1, X},       // B E A C
    {X, 3, 2, 4, X, 5},       // C E B . A
    {3, 2, 2, 5, X, 5},       // G B E C . A
    {X, 3, X, 4, 5, 5},       // C . B E A
    {3, 3, X, 4, 5, 5},       // G C . B E A
    {8, X, 7, 5, 5, 7},       // C . A C E B
    {8, X, 7, X, 5, 7},       // C . A . E B
    {8, 7, 7, 9, 8, 7},       // C E A E G B
    {8, X, 7, 9, 8, 7},       // C . A E G B
    {8, 7, 7, X, X, 7},       // C E A . . B
    {8, X, 9, 9, 10, X},      // C . B E A
    {X, X, 9, 9, 10, 8},      // B E A C
    {X, 12, 10, 9, 12, X},    // A C E B
    {X, 12, 10, X, 12, 12},   // A C . B E
    {12, 12, 10, X, 12, X},   // E A C . B
    {X, 15, X, 14, 12, 12},   // C . A B E
    {X, 15, 14, 14, 12, 12},  // C E A B E
    {X, 15, 14, 14, 12, X},   // C E A B
}};
constexpr std::array<RootDiagram, 17> kRoots_maj7_6{{
    {"C", {X, 3, 2, 2, 0, 3}},
    {"Cs", {X, 4, 3, 3, 1, 1}},
    {"Db", {X, 4, 3, 3, 1, 1}},
    {"D", {X, X, 0, 4, 2, 2}},
    {"Ds", {X, 3, 0, 3, 4, 3}},
    {"Eb", {X, 3, 0, 3, 4, 3}},
    {"E", {0, 4, 1, 1, 0, 0}},
    {"F", {1, 0, 0, 2, 1, 0}},
    {"Fs", {2, 1, 1, 3, 2, 1}},
    {"Gb", {2, 1, 1, 3, 2, 1}},
    {"G", {3, 2, 2, 4, 3, 2}},
    {"Gs", {4, 3, 3, 0, 4, 4}},
    {"Ab", {4, 3, 3, 0, 4, 4}},
    {"A", {X, 0, 4, 1, 2, 0}},
    {"As", {X, 1, 0, 2, 3, 3}},
    {"Bb", {X, 1, 0, 2, 3, 3}},
    {"B", {X, 2, 1, 3, 0, 4}},
}};

// C maj7b3: 1 b3 5 7; may leave out 5
constexpr std::array<Frets, 18> kShapes_maj7b3{{
    {X, 3, 1, 4, 1, 3},       // C Eb B C G
    {X, 3, 1, 4, X, 3},       // C Eb B . G
    {X, 2, 5, 5, 4, X},       // B G C Eb
    {X, 3, X, 4, 4, 3},       // C . B Eb G
    {X, 3, 5, 4, 4, 3},       // C G B Eb G
    {X, X, X, 5, 4, 7},       // C Eb B
    {8, 6, 5, 5, X, 7},       // C Eb G C . B
    {8, X, 5, 8, X, 7},       // C . G Eb . B
    {8, 6, X, X, 8, 7},       // C Eb . . G B
    {8, 6, 9, X, 8, X},       // C Eb B . G
    {8, X, X, 8, 8, 7},       // C . . Eb G B
    {X, X, 10, 8, 8, 7},      // C Eb G B
    {8, 10, 9, 8, 8, 8},      // C G B Eb G C
    {8, 10, 9, 8, 8, X},      // C G B Eb G
    {X, X, 10, 12, 12, 11},   // C G B Eb
    {X, 14, X, 12, 13, 11},   // B . G C Eb
    {X, 15, 13, 12, 12, X},   // C Eb G B
    {X, 15, 13, 12, 12, 15},  // C Eb G B G
}};
constexpr std::array<RootDiagram, 17> kRoots_maj7b3{{
    {"C", {X, 3, 1, 0, 0, 3}},
    {"Cs", {X, 4, 2, 1, 1, 0}},
    {"Db", {X, 4, 2, 1, 1, 0}},
    {"D", {X, X, 0, 2, 2, 1}},
    {"Ds", {X, X, 1, 3, 3, 2}},
    {"Eb", {X, X, 1, 3, 3, 2}},
    {"E", {0, 2, 1, 0, 0, 0}},
    {"F", {1, 3, 2, 1, 1, 0}},
    {"Fs", {2, 4, 3, 2, 2, 2}},
    {"Gb", {2, 4, 3, 2, 2, 2}},
    {"G", {3, 1, 0, 0, 3, 2}},
    {"Gs", {4, 2, 1, 0, 0, 3}},
    {"Ab", {4, 2, 1, 0, 0, 3}},
    {"A", {X, 0, 2, 1, 1, 0}},
    {"As", {X, 1, 3, 2, 2, 1}},
    {"Bb", {X, 1, 3, 2, 2, 1}},
    {"B", {X, 2, 0, 3, 0, 2}},
}};

// C maj9: 1 3 5 7 9; may leave out 5
constexpr std::array<Frets, 18> kShapes_maj9{{
    {X, 3, 2, 4, 3, X},        // C E B D
    {X, 2, 2, 5, 3, 3},        // B E C D G
    {8, 5, 5, 5, 5, 7},        // C D G C E B
    {8, 5, 5, 7, 5, 7},        // C D G D E B
    {8, X, 5, 7, 5, 7},        // C . G D E B
    {8, 7, 9, 7, 8, 7},        // C E B D G B
    {8, 7, 9, 7, 8, X},        // C E B D G
    {8, 7, 10, 7, 8, 7},       // C E C D G B
    {8, X, 9, 9, X, 10},       // C . B E . D
    {10, X, 9, 9, 8, 8},       // D . B E G C
    {X, X, 10, 9, 12, 10},     // C E B D
    {10, X, 10, 9, 12, X},     // D . C E B
    {10, 10, 10, X, 12, 12},   // D G C . B E
    {10, 10, 10, 12, 12, 12},  // D G C G B E
    {12, 10, 10, 12, 12, 10},  // E G C G B D
    {X, 15, 12, 12, 12, 12},   // C D G B E
    {X, 15, 12, X, 12, 12},    // C D . B E
    {12, 15, 12, 12, 12, 12},  // E C D G B E
}};
constexpr std::array<RootDiagram, 17> kRoots_maj9{{
    {"C", {X, 3, 0, 0, 0, 0}},
    {"Cs", {X, 4, 1, 1, 1, 1}},
    {"Db", {X, 4, 1, 1, 1, 1}},
    {"D", {0, 0, 0, 2, 2, 2}},
    {"Ds", {X, X, 1, 0, 3, 1}},
    {"Eb", {X, X, 1, 0, 3, 1}},
    {"E", {0, 2, 1, 1, 0, 2}},
    {"F", {1, 0, 2, 0, 1, 0}},
    {"Fs", {2, 1, 3, 1, 2, 1}},
    {"Gb", {2, 1, 3, 1, 2, 1}},
    {"G", {3, 0, 0, 0, 0, 2}},
    {"Gs", {4, 1, 1, 1, 1, 3}},
    {"Ab", {4, 1, 1, 1, 1, 3}},
    {"A", {X, 0, 2, 4, 2, 4}},
    {"As", {X, 1, 0, 2, 1, 1}},
    {"Bb", {X, 1, 0, 2, 1, 1}},
    {"B", {X, 2, 1, 3, 2, X}},
}};

// C maj13: 1 3 5 7 9 13; may leave out 1 5 9
constexpr std::array<Frets, 18> kShapes_maj13{{
    {X, 2, 2, 2, 1, X},       // B E A C
    {X, 3, 2, 4, X, 5},       // C E B . A
    {X, 2, 2, 2, 3, 3},       // B E A D G
    {X, 3, X, 4, 5, 5},       // C . B E A
    {3, 3, X, 4, 5, 5},       // G C . B E A
    {X, X, 5, 4, 5, 5},       // G B E A
    {X, 5, X, 4, 5, 5},       // D . B E A
    {8, 5, 7, 5, 5, 7},       // C D A C E B
    {8, X, 7, 5, 5, 7},       // C . A C E B
    {8, 7, 7, 7, 8, 7},       // C E A D G B
    {8, 7, 7, 7, 10, 7},      // C E A D A B
    {8, X, 9, 9, 10, X},      // C . B E A
    {X, X, 9, 9, 10, 8},      // B E A C
    {X, 10, 9, 9, 10, 10},    // G B E A D
    {10, 10, 9, 9, 10, X},    // D G B E A
    {10, 12, 10, X, 12, 12},  // D A C . B E
    {X, 15, 12, 14, 12, 12},  // C D A B E
    {X, 15, X, 14, 12, 12},   // C . A B E
}};
constexpr std::array<RootDiagram, 17> kRoots_maj13{{
    {"C", {X, 3, 0, 2, 0, 0}},
    {"Cs", {X, 4, 1, 3, 1, 1}},
    {"Db", {X, 4, 1, 3, 1, 1}},
    {"D", {X, X, 0, 4, 2, 2}},
    {"Ds", {3, 3, 3, 3, 3, 3}},
    {"Eb", {3, 3, 3, 3, 3, 3}},
    {"E", {0, 4, 4, 4, 4, 4}},
    {"F", {1, 0, 0, 0, 1, 0}},
    {"Fs", {2, 1, 1, 1, 2, 1}},
    {"Gb", {2, 1, 1, 1, 2, 1}},
    {"G", {3, 2, 2, 2, 3, 2}},
    {"Gs", {4, 3, 3, 3, 4, 3}},
    {"Ab", {4, 3, 3, 3, 4, 3}},
    {"A", {X, 0, 4, 1, 2, 0}},
    {"As", {X, 1, 0, 2, 1, 3}},
    {"Bb", {X, 1, 0, 2, 1, 3}},
    {"B", {X, 2, 1, 3, 0, 4}},
}};

// C minor: 1 b3 5
constexpr std::array<Frets, 18> kShapes_minor{{
    {X, 3, 1, X, X, 3},      // C Eb . . G
    {X, 3, 1, X, 1, 3},      // C Eb . C G
    {X, 3, X, X, 4, 3},      // C . . Eb G
    {X, X, X, 5, 4, 3},      // C Eb G
    {X, X, 5, 5, 4, X},      // G C Eb
    {X, 6, 5, 5, 4, X},      // Eb G C Eb
    {8, 6, 5, 5, X, X},      // C Eb G C
    {8, 6, 5, X, X, X},      // C Eb G
    {8, 6, X, X, 8, X},      // C Eb . . G
    {8, 6, X, 8, 8, X},      // C Eb . Eb G
    {X, X, 10, 8, 8, 8},     // C Eb G C
    {X, X, 10, 8, 8, X},     // C Eb G
    {X, X, 10, 12, X, 11},   // C G . Eb
    {X, X, 10, 12, 13, 11},  // C G C Eb
    {X, X, X, 12, 13, 11},   // G C Eb
    {11, X, X, 12, 13, X},   // Eb . . G C
    {X, 15, 13, 12, X, X},   // C Eb G
    {X, 15, 13, 12, 13, X},  // C Eb G C
}};
constexpr std::array<RootDiagram, 17> kRoots_minor{{
    {"C", {X, 3, 1, 0, 1, 3}},
    {"Cs", {X, 4, 2, 1, 2, 0}},
    {"Db", {X, 4, 2, 1, 2, 0}},
    {"D", {X, X, 0, 2, 3, 1}},
    {"Ds", {X, X, 1, 3, 4, 2}},
    {"Eb", {X, X, 1, 3, 4, 2}},
    {"E", {0, 2, 2, 0, 0, 0}},
    {"F", {1, 3, 3, 1, 1, 1}},
    {"Fs", {2, 4, 4, 2, 2, 2}},
    {"Gb", {2, 4, 4, 2, 2, 2}},
    {"G", {3, 1, 0, 0, 3, 3}},
    {"Gs", {4, 2, 1, 1, 0, 4}},
    {"Ab", {4, 2, 1, 1, 0, 4}},
    {"A", {X, 0, 2, 2, 1, 0}},
    {"As", {X, 1, 3, 3, 2, 1}},
    {"Bb", {X, 1, 3, 3, 2, 1}},
    {"B", {X, 2, 0, 4, 0, 2}},
}};

// C madd4: 1 b3 4 5; may leave out 5
constexpr std::array<Frets, 18> kShapes_madd4{{
    {X, 3, 1, X, X, 1},      // C Eb . . F
    {X, 3, X, X, 4, 1},      // C . . Eb F
    {X, 3, 3, 5, 4, 3},      // C F C Eb G
    {X, 3, 3, X, 4, 3},      // C F . Eb G
    {8, 6, 5, 5, 6, X},      // C Eb G C F
    {8, 8, 5, 8, X, X},      // C F G Eb
    {8, X, 5, 8, 6, X},      // C . G Eb F
    {8, X, X, 8, 6, X},      // C . . Eb F
    {8, 6, X, X, 6, X},      // C Eb . . F
    {8, 8, 10, 8, 8, 8},     // C F C Eb G C
    {8, 8, 10, 8, 8, X},     // C F C Eb G
    {8, 8, 10, 8, 8, 11},    // C F C Eb G Eb
    {X, X, 10, 10, X, 11},   // C F . Eb
    {X, X, 10, 10, 13, 11},  // C F C Eb
    {11, X, X, 12, 13, 13},  // Eb . . G C F
    {13, X, X, 12, 13, 11},  // F . . G C Eb
    {X, 15, 13, 12, X, 13},  // C Eb G . F
    {X, X, 13, 12, 13, 13},  // Eb G C F
}};
constexpr std::array<RootDiagram, 17> kRoots_madd4{{
    {"C", {X, 3, 3, 0, 4, 3}},
    {"Cs", {X, 4, 4, 1, 2, 0}},
    {"Db", {X, 4, 4, 1, 2, 0}},
    {"D", {X, X, 0, 0, 3, 1}},
    {"Ds", {X, X, 1, 1, 4, 2}},
    {"Eb", {X, X, 1, 1, 4, 2}},
    {"E", {0, 0, 2, 0, 0, 0}},
    {"F", {1, 1, 3, 1, 1, 1}},
    {"Fs", {2, 2, 4, 2, 2, 2}},
    {"Gb", {2, 2, 4, 2, 2, 2}},
    {"G", {3, 1, 0, 0, 1, 3}},
    {"Gs", {4, 4, 1, 1, 0, 4}},
    {"Ab", {4, 4, 1, 1, 0, 4}},
    {"A", {X, 0, 0, 2, 1, 0}},
    {"As", {X, 1, 1, 3, 2, 1}},
    {"Bb", {X, 1, 1, 3, 2, 1}},
    {"B", {X, 2, 2, 4, 3, 2}},
}};

// C madd9: 1 b3 5 9; may leave out 5
constexpr std::array<Frets, 18> kShapes_madd9{{
    {X, 3, 1, X, 3, 3},       // C Eb . D G
    {X, 3, 1, X, 3, X},       // C Eb . D
    {X, 6, X, 5, 3, 3},       // Eb . C D G
    {X, 5, X, 5, 4, 3},       // D . C Eb G
    {X, 5, 5, 5, 4, X},       // D G C Eb
    {X, 5, X, 5, 4, X},       // D . C Eb
    {8, 5, 5, 8, X, X},       // C D G Eb
    {8, 5, 5, 8, 8, X},       // C D G Eb G
    {8, 6, X, 7, 8, X},       // C Eb . D G
    {8, 6, X, 7, X, X},       // C Eb . D
    {X, X, 10, 8, 8, 10},     // C Eb G D
    {8, 10, 10, 8, 8, 10},    // C G C Eb G D
    {8, 10, 10, 8, X, 10},    // C G C Eb . D
    {10, 10, 10, X, X, 11},   // D G C . . Eb
    {10, 10, 10, 12, X, 11},  // D G C G . Eb
    {X, X, 12, 12, 13, 11},   // D G C Eb
    {11, X, 12, 12, 13, X},   // Eb . D G C
    {X, 15, 13, 12, 15, X},   // C Eb G D
}};
constexpr std::array<RootDiagram, 17> kRoots_madd9{{
    {"C", {X, 3, 0, 0, 4, 3}},
    {"Cs", {X, 4, 1, 1, 2, 0}},
    {"Db", {X, 4, 1, 1, 2, 0}},
    {"D", {0, 0, 3, 2, 3, 0}},
    {"Ds", {1, 1, 1, 3, 4, 2}},
    {"Eb", {1, 1, 1, 3, 4, 2}},
    {"E", {0, 2, 4, 0, 0, 0}},
    {"F", {1, 3, 3, 1, 1, 3}},
    {"Fs", {2, 4, 4, 2, 2, 4}},
    {"Gb", {2, 4, 4, 2, 2, 4}},
    {"G", {3, 0, 0, 3, 3, 3}},
    {"Gs", {4, 1, 1, 1, 0, 4}},
    {"Ab", {4, 1, 1, 1, 0, 4}},
    {"A", {X, 0, 2, 4, 1, 0}},
    {"As", {1, 4, 3, 3, 1, 1}},
    {"Bb", {1, 4, 3, 3, 1, 1}},
    {"B", {X, 2, 0, 4, 2, 2}},
}};

// C m6: 1 b3 5 6; may leave out 5
constexpr std::array<Frets, 18> kShapes_m6{{
    {X, 3, 1, 2, 1, 3},      // C Eb A C G
    {X, 3, 1, 2, X, 3},      // C Eb A . G
    {X, 3, X, 2, 4, 3},      // C . A Eb G
    {X, 3, 5, 2, 4, X},      // C G A Eb
    {X, 3, 5, X, 4, 5},      // C G . Eb A
    {X, X, X, 5, 4, 5},      // C Eb A
    {8, 6, 5, 5, 8, 5},      // C Eb G C G A
    {8, X, 5, 8, 8, 5},      // C . G Eb G A
    {8, 6, 7, X, 8, X},      // C Eb A . G
    {8, 6, 7, X, X, X},      // C Eb A
    {8, X, 7, 8, 8, X},      // C . A Eb G
    {8, 10, 7, 8, X, X},     // C G A Eb
    {8, 10, 10, 8, 10, 8},   // C G C Eb A C
    {8, 10, 10, 8, 10, X},   // C G C Eb A
    {X, X, 10, 12, 10, 11},  // C G A Eb
    {X, X, 10, X, 10, 11},   // C . A Eb
    {X, 12, X, 12, 13, 11},  // A . G C Eb
    {X, 12, 13, 12, 13, X},  // A Eb G C
}};
constexpr std::array<RootDiagram, 17> kRoots_m6{{
    {"C", {X, 3, 1, 2, 1, 3}},
    {"Cs", {X, 4, 2, 3, 2, 4}},
    {"Db", {X, 4, 2, 3, 2, 4}},
    {"D", {X, X, 0, 2, 0, 1}},
    {"Ds", {X, X, 1, 3, 1, 2}},
    {"Eb", {X, X, 1, 3, 1, 2}},
    {"E", {0, 4, 2, 0, 0, 0}},
    {"F", {1, 3, 3, 1, 3, 1}},
    {"Fs", {2, 4, 4, 2, 4, 2}},
    {"Gb", {2, 4, 4, 2, 4, 2}},
    {"G", {3, 1, 0, 0, 3, 0}},
    {"Gs", {4, 2, 1, 1, 4, 1}},
    {"Ab", {4, 2, 1, 1, 4, 1}},
    {"A", {X, 0, 4, 2, 1, 0}},
    {"As", {X, 1, 3, 0, 2, 1}},
    {"Bb", {X, 1, 3, 0, 2, 1}},
    {"B", {X, 2, 0, 1, 0, 2}},
}};

// C m6/9: 1 b3 5 6 9; may leave out 5
constexpr std::array<Frets, 18> kShapes_m6_9{{
    {X, 3, 1, 2, 3, X},        // C Eb A D
    {5, 6, X, 5, 3, 3},        // A Eb . C D G
    {X, 6, X, 5, 3, 5},        // Eb . C D A
    {X, 5, X, 5, 4, 5},        // D . C Eb A
    {5, 5, X, 5, 4, X},        // A D . C Eb
    {8, 5, 5, 8, 8, 5},        // C D G Eb G A
    {8, 5, 7, 8, X, X},        // C D A Eb
    {8, 5, X, 8, X, 5},        // C D . Eb . A
    {8, 6, 7, 7, X, X},        // C Eb A D
    {X, 6, 7, 7, X, 8},        // Eb A D . C
    {8, X, 7, 8, X, 10},       // C . A Eb . D
    {10, X, 7, 8, X, 8},       // D . A Eb . C
    {X, X, 10, 8, 10, 10},     // C Eb A D
    {8, X, X, 8, 10, 10},      // C . . Eb A D
    {10, 10, 10, 12, 10, 11},  // D G C G A Eb
    {11, 10, 10, 12, 10, 10},  // Eb G C G A D
    {X, 12, 12, X, 13, 11},    // A D . C Eb
    {11, 12, 12, X, 13, X},    // Eb A D . C
}};
constexpr std::array<RootDiagram, 17> kRoots_m6_9{{
    {"C", {X, 3, 0, 2, 4, 3}},
    {"Cs", {X, 4, 2, 3, 4, 0}},
    {"Db", {X, 4, 2, 3, 4, 0}},
    {"D", {0, 0, 0, 2, 0, 1}},
    {"Ds", {1, 1, 1, 3, 1, 2}},
    {"Eb", {1, 1, 1, 3, 1, 2}},
    {"E", {0, 4, 4, 0, 0, 0}},
    {"F", {1, 3, 0, 0, 1, 4}},
    {"Fs", {2, 0, 1, 1, 2, 2}},
    {"Gb", {2, 0, 1, 1, 2, 2}},
    {"G", {3, 0, 0, 3, 3, 0}},
    {"Gs", {4, 1, 1, 4, 4, 1}},
    {"Ab", {4, 1, 1, 4, 4, 1}},
    {"A", {X, 0, 4, 4, 1, 0}},
    {"As", {3, 4, X, 3, 1, 1}},
    {"Bb", {3, 4, X, 3, 1, 1}},
    {"B", {X, 2, 0, 1, 2, 2}},
}};

// C m7: 1 b3 5 b7; may leave out 5
constexpr std::array<Frets, 18> kShapes_m7{{
    {X, 3, 1, 3, 1, 3},      // C Eb Bb C G
    {X, 3, 1, 3, X, 3},      // C Eb Bb . G
    {X, 3, 5, 3, 4, 3},      // C G Bb Eb G
    {X, 3, 5, 3, 4, X},      // C G Bb Eb
    {X, X, X, 5, 4, 6},      // C Eb Bb
    {X, X, 5, 5, 4, 6},      // G C Eb Bb
    {8, 6, 5, 5, X, 6},      // C Eb G C . Bb
    {8, X, 5, 8, X, 6},      // C . G Eb . Bb
    {8, 6, 8, X, 8, X},      // C Eb Bb . G
    {8, X, X, 8, 8, 6},      // C . . Eb G Bb
    {8, 10, 8, 8, 8, 8},     // C G Bb Eb G C
    {8, 10, 8, 8, 8, X},     // C G Bb Eb G
    {8, 10, 8, 8, X, X},     // C G Bb Eb
    {X, X, 10, 12, 11, 11},  // C G Bb Eb
    {X, X, 10, X, 11, 11},   // C . Bb Eb
    {X, 13, X, 12, 13, 11},  // Bb . G C Eb
    {11, 13, X, 12, 13, X},  // Eb Bb . G C
    {X, 13, 13, 12, 13, X},  // Bb Eb G C
}};
constexpr std::array<RootDiagram, 17> kRoots_m7{{
    {"C", {X, 3, 1, 3, 1, 3}},
    {"Cs", {X, 4, 2, 1, 0, 0}},
    {"Db", {X, 4, 2, 1, 0, 0}},
    {"D", {X, X, 0, 2, 1, 1}},
    {"Ds", {X, X, 1, 3, 2, 2}},
    {"Eb", {X, X, 1, 3, 2, 2}},
    {"E", {0, 2, 0, 0, 0, 0}},
    {"F", {1, 3, 1, 1, 1, 1}},
    {"Fs", {2, 4, 2, 2, 2, 0}},
    {"Gb", {2, 4, 2, 2, 2, 0}},
    {"G", {3, 1, 0, 0, 3, 1}},
    {"Gs", {4, 2, 1, 1, 0, 2}},
    {"Ab", {4, 2, 1, 1, 0, 2}},
    {"A", {X, 0, 2, 0, 1, 0}},
    {"As", {X, 1, 3, 1, 2, 1}},
    {"Bb", {X, 1, 3, 1, 2, 1}},
    {"B", {X, 2, 0, 2, 0, 2}},
}};

// C m7b5: 1 b3 b5 b7
constexpr std::array<Frets, 18> kShapes_m7b5{{
    {X, 3, 1, 3, 1, 2},      // C Eb Bb C Gb
    {X, 3, 1, 3, X, 2},      // C Eb Bb . Gb
    {X, 3, X, 3, 4, 2},      // C . Bb Eb Gb
    {X, 3, 4, 3, 4, X},      // C Gb Bb Eb
    {X, 3, 4, 3, 4, 6},      // C Gb Bb Eb Bb
    {X, X, 4, 5, 4, 6},      // Gb C Eb Bb
    {6, X, 4, 5, 4, X},      // Bb . Gb C Eb
    {X, 6, X, 5, 7, 6},      // Eb . C Gb Bb
    {8, 6, 8, X, 7, X},      // C Eb Bb . Gb
    {8, X, X, 8, 7, 6},      // C . . Eb Gb Bb
    {8, X, 8, 8, 7, X},      // C . Bb Eb Gb
    {X, X, 8, 8, 7, 8},      // Bb Eb Gb C
    {8, 9, 8, 8, X, X},      // C Gb Bb Eb
    {8, 9, 8, 8, 11, 8},     // C Gb Bb Eb Bb C
    {X, 9, 10, X, 11, 11},   // Gb C . Bb Eb
    {X, X, 10, 11, 11, 11},  // C Gb Bb Eb
    {11, X, 10, 11, 11, X},  // Eb . C Gb Bb
    {X, 13, X, 11, 13, 11},  // Bb . Gb C Eb
}};
constexpr std::array<RootDiagram, 17> kRoots_m7b5{{
    {"C", {X, 3, 1, 3, 1, 2}},
    {"Cs", {X, 4, 2, 0, 0, 0}},
    {"Db", {X, 4, 2, 0, 0, 0}},
    {"D", {X, X, 0, 1, 1, 1}},
    {"Ds", {X, X, 1, 2, 2, 2}},
    {"Eb", {X, X, 1, 2, 2, 2}},
    {"E", {0, 1, 0, 0, 3, 0}},
    {"F", {1, 2, 1, 1, 0, 4}},
    {"Fs", {2, 0, 2, 2, 1, 0}},
    {"Gb", {2, 0, 2, 2, 1, 0}},
    {"G", {3, 1, 3, 0, 2, X}},
    {"Gs", {4, 2, 0, 4, 0, 2}},
    {"Ab", {4, 2, 0, 4, 0, 2}},
    {"A", {X, 0, 1, 0, 1, 3}},
    {"As", {X, 1, 2, 1, 2, 0}},
    {"Bb", {X, 1, 2, 1, 2, 0}},
    {"B", {X, 2, 0, 2, 0, 1}},
}};

// C m7b9: 1 b3 5 b7 b9; may leave out 5
constexpr std::array<Frets, 18> kShapes_m7b9{{
    {X, 3, 1, 3, 2, X},        // C Eb Bb Db
    {X, 4, 1, 3, 1, 3},        // Db Eb Bb C G
    {3, 4, 1, 3, 1, X},        // G Db Eb Bb C
    {X, 3, X, 6, 4, 6},        // C . Db Eb Bb
    {3, 3, X, 6, 4, 6},        // G C . Db Eb Bb
    {X, 4, 5, 5, 4, 6},        // Db G C Eb Bb
    {6, 4, 5, 5, 4, X},        // Bb Db G C Eb
    {8, 6, 8, 6, 8, 6},        // C Eb Bb Db G Bb
    {8, 6, 8, 6, 8, X},        // C Eb Bb Db G
    {8, 6, 8, 6, X, X},        // C Eb Bb Db
    {8, 10, 8, 8, 8, 9},       // C G Bb Eb G Db
    {8, 10, 8, 8, X, 9},       // C G Bb Eb . Db
    {8, 10, 8, 8, 11, 9},      // C G Bb Eb Bb Db
    {9, X, 10, X, 11, 11},     // Db . C . Bb Eb
    {11, X, 10, X, 11, 9},     // Eb . C . Bb Db
    {11, 13, 11, 12, 13, 11},  // Eb Bb Db G C Eb
    {X, 13, 11, 12, 13, 11},   // Bb Db G C Eb
    {11, 13, 11, 12, 13, X},   // Eb Bb Db G C
}};
constexpr std::array<RootDiagram, 17> kRoots_m7b9{{
    {"C", {X, 3, 1, 3, 2, X}},
    {"Cs", {X, 4, 0, 1, 0, 0}},
    {"Db", {X, 4, 0, 1, 0, 0}},
    {"D", {1, 3, 1, 2, 3, 1}},
    {"Ds", {0, 4, 4, 3, 4, 0}},
    {"Eb", {0, 4, 4, 3, 4, 0}},
    {"E", {0, 2, 0, 0, 0, 1}},
    {"F", {1, 3, 1, 1, 1, 2}},
    {"Fs", {2, 0, 2, 0, 2, 0}},
    {"Gb", {2, 0, 2, 0, 2, 0}},
    {"G", {3, 1, 3, 1, 3, 1}},
    {"Gs", {4, 0, 1, 1, 0, 2}},
    {"Ab", {4, 0, 1, 1, 0, 2}},
    {"A", {X, 0, 2, 3, 1, 3}},
    {"As", {X, 1, X, 4, 2, 4}},
    {"Bb", {X, 1, X, 4, 2, 4}},
    {"B", {X, 2, 0, 2, 1, 2}},
}};

// C m7/11: 1 b3 5 b7 11; may leave out 5
constexpr std::array<Frets, 18> kShapes_m7_11{{
    {X, 3, 1, 3, 1, 1},       // C Eb Bb C F
    {X, 3, 1, 3, X, 1},       // C Eb Bb . F
    {X, 3, 1, 3, 4, 1},       // C Eb Bb Eb F
    {X, 3, 3, 3, 4, 3},       // C F Bb Eb G
    {X, 3, 3, 3, 4, X},       // C F Bb Eb
    {X, 3, 3, 3, 4, 6},       // C F Bb Eb Bb
    {X, 6, 5, 5, 6, 6},       // Eb G C F Bb
    {6, 6, 5, 5, 6, X},       // Bb Eb G C F
    {8, X, X, 8, 6, 6},       // C . . Eb F Bb
    {8, 6, 8, 8, 6, 6},       // C Eb Bb Eb F Bb
    {8, 6, 8, 8, 6, X},       // C Eb Bb Eb F
    {8, 8, 8, 8, 8, 8},       // C F Bb Eb G C
    {8, 8, 8, 8, 8, X},       // C F Bb Eb G
    {8, 8, 8, 8, 8, 11},      // C F Bb Eb G Eb
    {X, X, 10, 10, 11, 11},   // C F Bb Eb
    {X, 10, 10, 10, 11, 11},  // G C F Bb Eb
    {11, 13, X, X, 13, 13},   // Eb Bb . . C F
    {13, 13, X, X, 13, 11},   // F Bb . . C Eb
}};
constexpr std::array<RootDiagram, 17> kRoots_m7_11{{
    {"C", {X, 3, 3, 3, 4, 3}},
    {"Cs", {X, 4, 4, 1, 0, 0}},
    {"Db", {X, 4, 4, 1, 0, 0}},
    {"D", {X, X, 0, 0, 1, 1}},
    {"Ds", {X, X, 1, 1, 2, 2}},
    {"Eb", {X, X, 1, 1, 2, 2}},
    {"E", {0, 0, 0, 0, 0, 0}},
    {"F", {1, 1, 1, 1, 1, 1}},
    {"Fs", {2, 2, 2, 2, 2, 0}},
    {"Gb", {2, 2, 2, 2, 2, 0}},
    {"G", {3, 3, 3, 3, 3, 3}},
    {"Gs", {4, 4, 4, 4, 4, 4}},
    {"Ab", {4, 4, 4, 4, 4, 4}},
    {"A", {X, 0, 0, 0, 1, 0}},
    {"As", {X, 1, 1, 1, 2, 1}},
    {"Bb", {X, 1, 1, 1, 2, 1}},
    {"B", {X, 2, 2, 2, 3, 2}},
}};

// C m9: 1 b3 5 b7 9; may leave out 5
constexpr std::array<Frets, 18> kShapes_m9{{
    {X, 3, 1, 3, 3, X},        // C Eb Bb D
    {6, 6, X, 5, 3, 3},        // Bb Eb . C D G
    {X, 6, X, 5, 3, 6},        // Eb . C D Bb
    {X, 5, X, 5, 4, 6},        // D . C Eb Bb
    {6, 5, X, 5, 4, X},        // Bb D . C Eb
    {8, 5, 5, 8, X, 6},        // C D G Eb . Bb
    {8, 5, 8, 8, X, X},        // C D Bb Eb
    {8, 5, X, 8, X, 6},        // C D . Eb . Bb
    {8, 6, 8, 7, X, X},        // C Eb Bb D
    {8, 6, X, 7, X, 6},        // C Eb . D . Bb
    {8, 10, 8, 8, 8, 10},      // C G Bb Eb G D
    {8, 10, 8, 8, X, 10},      // C G Bb Eb . D
    {8, 10, 8, 8, 11, 10},     // C G Bb Eb Bb D
    {10, 10, 10, X, 11, 11},   // D G C . Bb Eb
    {10, 10, 10, 12, 11, 11},  // D G C G Bb Eb
    {11, 10, 10, 12, 11, 10},  // Eb G C G Bb D
    {X, 13, 12, X, 13, 11},    // Bb D . C Eb
    {11, 13, 12, X, 13, X},    // Eb Bb D . C
}};
constexpr std::array<RootDiagram, 17> kRoots_m9{{
    {"C", {X, 3, 0, 3, 4, 3}},
    {"Cs", {X, 4, 1, 1, 0, 0}},
    {"Db", {X, 4, 1, 1, 0, 0}},
    {"D", {0, 0, 0, 2, 1, 1}},
    {"Ds", {1, 1, 1, 3, 2, 2}},
    {"Eb", {1, 1, 1, 3, 2, 2}},
    {"E", {0, 2, 0, 0, 0, 2}},
    {"F", {1, 3, 1, 1, 1, 3}},
    {"Fs", {2, 4, 2, 2, 2, 4}},
    {"Gb", {2, 4, 2, 2, 2, 4}},
    {"G", {3, 0, 0, 3, 3, 1}},
    {"Gs", {4, 1, 1, 1, 0, 2}},
    {"Ab", {4, 1, 1, 1, 0, 2}},
    {"A", {X, 0, 2, 4, 1, 3}},
    {"As", {4, 4, X, 3, 1, 1}},
    {"Bb", {4, 4, X, 3, 1, 1}},
    {"B", {X, 2, 0, 2, 2, 2}},
}};

// C m9maj7: 1 b3 5 7 9; may leave out 5
constexpr std::array<Frets, 18> kShapes_m9maj7{{
    {X, 3, 1, 4, 3, X},        // C Eb B D
    {X, 5, X, 5, 4, 7},        // D . C Eb B
    {7, 5, X, 5, 4, X},        // B D . C Eb
    {8, 5, 5, 8, X, 7},        // C D G Eb . B
    {8, 5, X, 8, X, 7},        // C D . Eb . B
    {7, 5, 5, 8, X, 8},        // B D G Eb . C
    {8, 6, X, 7, X, 7},        // C Eb . D . B
    {8, 6, 9, 7, X, X},        // C Eb B D
    {7, X, 10, 8, X, 10},      // B . C Eb . D
    {10, X, 10, 8, X, 7},      // D . C Eb . B
    {8, 10, 9, 8, 8, 10},      // C G B Eb G D
    {8, 10, 9, 8, X, 10},      // C G B Eb . D
    {8, X, 9, 8, X, 10},       // C . B Eb . D
    {10, 10, 10, X, 12, 11},   // D G C . B Eb
    {10, 10, 10, 12, 12, 11},  // D G C G B Eb
    {11, 10, 10, 12, 12, 10},  // Eb G C G B D
    {X, 14, 12, X, 13, 11},    // B D . C Eb
    {11, 14, 12, X, 13, X},    // Eb B D . C
}};
constexpr std::array<RootDiagram, 15> kRoots_m9maj7{{
    {"C", {X, 3, 0, 4, 4, 3}},
    {"Cs", {X, 4, 1, 1, 1, 0}},
    {"Db", {X, 4, 1, 1, 1, 0}},
    {"D", {0, 0, 0, 2, 2, 1}},
    {"Ds", {1, 1, 1, 3, 3, 2}},
    {"Eb", {1, 1, 1, 3, 3, 2}},
    {"E", {0, 2, 1, 0, 0, 2}},
    {"F", {1, 3, 2, 1, 1, 3}},
    {"Fs", {2, 0, 3, 1, 2, 1}},
    {"Gb", {2, 0, 3, 1, 2, 1}},
    {"G", {3, 0, 0, 3, 3, 2}},
    {"Gs", {4, 1, 1, 0, 0, 3}},
    {"Ab", {4, 1, 1, 0, 0, 3}},
    {"A", {X, 0, 2, 4, 1, 4}},
    {"B", {X, 2, 0, 3, 2, 2}},
}};

// C m11: 1 b3 5 b7 9 11; may leave out 1 5 9
constexpr std::array<Frets, 18> kShapes_m11{{
    {X, 3, 1, 3, 3, 1},        // C Eb Bb D F
    {X, 3, 1, 3, 1, 1},        // C Eb Bb C F
    {X, 3, 3, 3, 4, 3},        // C F Bb Eb G
    {X, 3, 3, 3, 4, X},        // C F Bb Eb
    {X, 6, 5, 5, 6, 6},        // Eb G C F Bb
    {6, 6, 5, 5, 6, X},        // Bb Eb G C F
    {8, 6, 8, 7, 6, 6},        // C Eb Bb D F Bb
    {8, 6, 8, 7, 6, X},        // C Eb Bb D F
    {8, X, X, 8, 6, 6},        // C . . Eb F Bb
    {8, 8, 8, 8, 8, 10},       // C F Bb Eb G D
    {8, 8, 8, 8, 8, 8},        // C F Bb Eb G C
    {8, 8, 8, 8, 8, X},        // C F Bb Eb G
    {X, X, 10, 10, 11, 11},    // C F Bb Eb
    {10, 10, 10, 10, 11, 11},  // D G C F Bb Eb
    {13, X, 12, 12, 11, 11},   // F . D G Bb Eb
    {13, X, X, 12, 11, 11},    // F . . G Bb Eb
    {13, 13, 13, 12, X, X},    // F Bb Eb G
    {X, 13, 13, 12, X, 13},    // Bb Eb G . F
}};
constexpr std::array<RootDiagram, 17> kRoots_m11{{
    {"C", {X, 3, 3, 3, 4, 3}},
    {"Cs", {X, 4, 4, 4, 4, 0}},
    {"Db", {X, 4, 4, 4, 4, 0}},
    {"D", {X, X, 0, 0, 1, 1}},
    {"Ds", {X, X, 1, 1, 2, 2}},
    {"Eb", {X, X, 1, 1, 2, 2}},
    {"E", {0, 0, 0, 0, 0, 2}},
    {"F", {1, 1, 1, 1, 1, 3}},
    {"Fs", {2, 2, 2, 2, 2, 4}},
    {"Gb", {2, 2, 2, 2, 2, 4}},
    {"G", {3, 0, 0, 3, 1, 1}},
    {"Gs", {4, 4, 4, 4, 4, 4}},
    {"Ab", {4, 4, 4, 4, 4, 4}},
    {"A", {X, 0, 0, 0, 1, 0}},
    {"As", {X, 1, 1, 1, 2, 1}},
    {"Bb", {X, 1, 1, 1, 2, 1}},
    {"B", {X, 2, 2, 2, 3, 2}},
}};

// C m13: 1 b3 5 b7 9 13; may leave out 1 5 9
constexpr std::array<Frets, 18> kShapes_m13{{
    {X, 1, 1, 2, 1, 3},        // Bb Eb A C G
    {3, 1, 1, 2, 1, X},        // G Bb Eb A C
    {X, 3, 5, 3, 4, 5},        // C G Bb Eb A
    {X, 3, X, 3, 4, 5},        // C . Bb Eb A
    {5, X, X, 5, 4, 6},        // A . . C Eb Bb
    {5, X, 5, X, 4, 6},        // A . G . Eb Bb
    {8, X, 8, 8, X, 5},        // C . Bb Eb . A
    {8, 6, 8, X, X, 5},        // C Eb Bb . . A
    {8, X, 7, 8, X, 6},        // C . A Eb . Bb
    {8, 6, 7, X, X, 6},        // C Eb A . . Bb
    {8, 10, 8, 8, 10, 10},     // C G Bb Eb A D
    {8, 10, 8, 8, 10, 8},      // C G Bb Eb A C
    {10, 13, 10, 12, 10, 11},  // D Bb C G A Eb
    {11, 13, 10, 12, 10, 10},  // Eb Bb C G A D
    {11, 12, 12, 12, 11, 11},  // Eb A D G Bb Eb
    {X, 12, 12, 12, 11, 11},   // A D G Bb Eb
    {X, 12, 13, 15, 13, X},    // A Eb Bb C
    {X, 12, 13, 15, 15, X},    // A Eb Bb D
}};
constexpr std::array<RootDiagram, 17> kRoots_m13{{
    {"C", {3, 0, 0, 3, 4, 3}},
    {"Cs", {X, 4, 1, 3, 0, 0}},
    {"Db", {X, 4, 1, 3, 0, 0}},
    {"D", {X, X, 0, 4, 1, 1}},
    {"Ds", {1, 4, 1, 3, 1, 2}},
    {"Eb", {1, 4, 1, 3, 1, 2}},
    {"E", {0, 4, 0, 0, 0, 2}},
    {"F", {1, 3, 1, 1, 3, 3}},
    {"Fs", {2, 0, 1, 1, 2, 0}},
    {"Gb", {2, 0, 1, 1, 2, 0}},
    {"G", {3, 0, 3, 3, 3, 0}},
    {"Gs", {4, 1, 3, 1, 0, 2}},
    {"Ab", {4, 1, 3, 1, 0, 2}},
    {"A", {X, 0, 4, 0, 1, 0}},
    {"As", {X, 1, 3, 1, 2, 3}},
    {"Bb", {X, 1, 3, 1, 2, 3}},
    {"B", {X, 2, 0, 2, 2, 4}},
}};

// C sus and C sus4, two names of one chord: 1 4 5
constexpr std::array<Frets, 18> kShapes_sus{{
    {X, 3, 3, X, 1, 3},      // C F . C G
    {3, X, X, X, 1, 1},      // G . . . C F
    {X, X, 3, X, 1, 3},      // F . C G
    {X, 3, 3, X, X, 3},      // C F . . G
    {X, 3, 3, 5, 6, 3},      // C F C F G
    {X, X, X, 5, 6, 3},      // C F G
    {8, 8, 5, 5, X, X},      // C F G C
    {8, 8, 5, X, X, X},      // C F G
    {8, X, 5, 5, 6, X},      // C . G C F
    {8, 8, X, X, 8, X},      // C F . . G
    {8, 8, 10, 10, 8, 8},    // C F C F G C
    {8, 8, 10, 10, 8, X},    // C F C F G
    {X, X, 10, 12, X, 13},   // C G . F
    {X, X, 10, 12, 13, 13},  // C G C F
    {X, 10, 10, 10, X, X},   // G C F
    {X, 15, 15, 12, X, X},   // C F G
    {X, 15, X, 12, X, 13},   // C . G . F
    {X, 15, 15, 12, 13, X},  // C F G C
}};
constexpr std::array<RootDiagram, 17> kRoots_sus{{
    {"C", {X, 3, 3, 0, 1, 1}},
    {"Cs", {X, 4, 4, 1, 2, X}},
    {"Db", {X, 4, 4, 1, 2, X}},
    {"D", {X, X, 0, 2, 3, 3}},
    {"Ds", {X, X, 1, 3, 4, 4}},
    {"Eb", {X, X, 1, 3, 4, 4}},
    {"E", {0, 0, 2, 2, 0, 0}},
    {"F", {1, 1, 3, 3, 1, 1}},
    {"Fs", {2, 2, 4, 4, 2, 2}},
    {"Gb", {2, 2, 4, 4, 2, 2}},
    {"G", {3, 3, 0, 0, 3, 3}},
    {"Gs", {4, 4, 1, 1, 2, X}},
    {"Ab", {4, 4, 1, 1, 2, X}},
    {"A", {X, 0, 0, 2, 3, 0}},
    {"As", {X, 1, 1, 3, 4, 1}},
    {"Bb", {X, 1, 1, 3, 4, 1}},
    {"B", {X, 2, 4, 4, 0, 0}},
}};

// C sus2: 1 2 5
constexpr std::array<Frets, 18> kShapes_sus2{{
    {X, X, X, 5, 3, 3},      // C D G
    {X, 3, X, X, 3, 3},      // C . . D G
    {X, 3, 5, 5, 3, 3},      // C G C D G
    {8, 5, 5, 5, X, X},      // C D G C
    {8, 5, 5, X, X, X},      // C D G
    {8, 5, 5, 5, 8, X},      // C D G C G
    {8, X, X, 7, 8, X},      // C . . D G
    {X, X, 10, 7, 8, X},     // C D G
    {8, 10, X, 7, X, X},     // C G . D
    {X, X, 10, X, 8, 10},    // C . G D
    {8, X, X, X, 8, 10},     // C . . . G D
    {8, 10, X, X, X, 10},    // C G . . . D
    {X, X, 10, 12, X, 10},   // C G . D
    {X, X, 10, 12, 13, 10},  // C G C D
    {10, 10, 10, X, X, X},   // D G C
    {X, 15, 12, 12, X, X},   // C D G
    {X, 15, 12, 12, 13, X},  // C D G C
    {X, 15, 12, 12, 15, X},  // C D G D
}};
constexpr std::array<RootDiagram, 17> kRoots_sus2{{
    {"C", {X, 3, 0, 0, 3, 3}},
    {"Cs", {X, 4, 1, 1, 2, 4}},
    {"Db", {X, 4, 1, 1, 2, 4}},
    {"D", {X, X, 0, 2, 3, 0}},
    {"Ds", {X, X, 1, 3, 4, 1}},
    {"Eb", {X, X, 1, 3, 4, 1}},
    {"E", {0, 2, 4, 4, 0, 0}},
    {"F", {1, 3, 3, 0, 1, X}},
    {"Fs", {X, X, 4, 1, 2, 2}},
    {"Gb", {X, X, 4, 1, 2, 2}},
    {"G", {3, 0, 0, 0, 3, 3}},
    {"Gs", {4, 1, 1, 1, 4, 4}},
    {"Ab", {4, 1, 1, 1, 4, 4}},
    {"A", {X, 0, 2, 2, 0, 0}},
    {"As", {X, 1, 3, 3, 1, 1}},
    {"Bb", {X, 1, 3, 3, 1, 1}},
    {"B", {X, 2, 4, 4, 2, 2}},
}};

// C sus2/6: 1 2 5 6; may leave out 5
constexpr std::array<Frets, 18> kShapes_sus2_6{{
    {X, 3, X, 2, 3, 3},      // C . A D G
    {X, 3, 5, 2, 3, X},      // C G A D
    {X, 3, X, 2, 3, X},      // C . A D
    {X, 3, 5, 5, 3, 5},      // C G C D A
    {X, 3, 5, X, 3, 5},      // C G . D A
    {X, X, X, 5, 3, 5},      // C D A
    {8, 5, 5, 5, 8, 5},      // C D G C G A
    {8, 5, 5, 7, 8, 5},      // C D G D G A
    {8, 5, 7, 5, 8, 5},      // C D A C G A
    {8, X, 7, 7, 8, X},      // C . A D G
    {8, 10, 7, 7, X, X},     // C G A D
    {8, X, 7, 7, 8, 8},      // C . A D G C
    {8, 10, X, X, 10, 10},   // C G . . A D
    {8, X, X, X, 10, 10},    // C . . . A D
    {X, X, 10, 12, 10, 10},  // C G A D
    {X, X, 10, X, 10, 10},   // C . A D
    {X, 15, 12, 14, X, 15},  // C D A . G
    {X, 15, 12, 14, X, X},   // C D A
}};
constexpr std::array<RootDiagram, 17> kRoots_sus2_6{{
    {"C", {X, 3, 0, 2, 3, 3}},
    {"Cs", {X, 4, X, 3, 4, 4}},
    {"Db", {X, 4, X, 3, 4, 4}},
    {"D", {X, X, 0, 2, 0, 0}},
    {"Ds", {X, X, 1, 3, 1, 1}},
    {"Eb", {X, X, 1, 3, 1, 1}},
    {"E", {0, 4, 4, 4, 0, 0}},
    {"F", {1, 3, 0, 0, 1, 1}},
    {"Fs", {2, 4, 1, 1, 2, X}},
    {"Gb", {2, 4, 1, 1, 2, X}},
    {"G", {3, 0, 0, 0, 3, 0}},
    {"Gs", {4, 1, 1, 1, 4, 1}},
    {"Ab", {4, 1, 1, 1, 4, 1}},
    {"A", {X, 0, 4, 4, 0, 0}},
    {"As", {X, 1, 3, 0, 1, 1}},
    {"Bb", {X, 1, 3, 0, 1, 1}},
    {"B", {X, 2, 4, 4, 2, 4}},
}};

// C sus4/6: 1 4 5 6; may leave out 5
constexpr std::array<Frets, 18> kShapes_sus4_6{{
    {X, 3, X, 2, 1, 1},      // C . A C F
    {X, 3, X, 2, X, 1},      // C . A . F
    {X, 3, 3, 2, X, 3},      // C F A . G
    {X, 3, 3, 2, X, X},      // C F A
    {X, 3, 5, X, 6, 5},      // C G . F A
    {X, 3, 3, X, X, 5},      // C F . . A
    {8, X, 5, 5, 6, 5},      // C . G C F A
    {8, 8, 5, 5, 6, 5},      // C F G C F A
    {8, X, 7, X, 6, X},      // C . A . F
    {8, 8, 7, X, 6, X},      // C F A . F
    {8, 8, 7, X, 8, X},      // C F A . G
    {8, 10, 7, 10, X, X},    // C G A F
    {8, 10, X, 10, 10, X},   // C G . F A
    {8, 8, X, X, 10, X},     // C F . . A
    {X, X, 10, 12, 10, 13},  // C G A F
    {X, X, 10, 10, 10, X},   // C F A
    {X, 12, 15, 12, 13, X},  // A F G C
    {X, 12, X, 12, 13, 13},  // A . G C F
}};
constexpr std::array<RootDiagram, 17> kRoots_sus4_6{{
    {"C", {X, 3, 3, 2, X, 3}},
    {"Cs", {X, 4, 4, 3, X, 4}},
    {"Db", {X, 4, 4, 3, X, 4}},
    {"D", {X, X, 0, 2, 0, 3}},
    {"Ds", {X, X, 1, 3, 1, 4}},
    {"Eb", {X, X, 1, 3, 1, 4}},
    {"E", {0, 2, 2, 2, 2, 0}},
    {"F", {1, 1, 0, 3, 1, X}},
    {"Fs", {2, 4, 1, 4, 0, X}},
    {"Gb", {2, 4, 1, 4, 0, X}},
    {"G", {3, 3, 0, 0, 3, 0}},
    {"Gs", {4, 4, 1, 1, 2, 1}},
    {"Ab", {4, 4, 1, 1, 2, 1}},
    {"A", {X, 0, 2, 2, 3, 2}},
    {"As", {X, 1, 1, 0, 4, 1}},
    {"Bb", {X, 1, 1, 0, 4, 1}},
    {"B", {X, 2, 4, 1, 0, 0}},
}};

// C sus4/9: 1 4 5 9; may leave out 5
constexpr std::array<Frets, 18> kShapes_sus4_9{{
    {X, 3, X, X, 3, 1},       // C . . D F
    {X, 3, 3, X, 3, 1},       // C F . D F
    {X, 3, 3, 5, 3, 3},       // C F C D G
    {X, 3, 3, X, 3, 3},       // C F . D G
    {8, 5, 5, 5, 6, X},       // C D G C F
    {8, 5, 5, X, 6, X},       // C D G . F
    {8, 5, 5, 5, 6, 8},       // C D G C F C
    {8, X, X, 7, 6, X},       // C . . D F
    {8, 8, X, 7, 6, X},       // C F . D F
    {8, 8, X, 7, 8, X},       // C F . D G
    {8, 8, X, 7, X, X},       // C F . D
    {8, 8, 10, 10, 8, 10},    // C F C F G D
    {X, X, 10, 10, 8, 10},    // C F G D
    {8, X, X, 10, 8, 10},     // C . . F G D
    {X, X, 10, 10, 13, 10},   // C F C D
    {X, X, 10, 10, X, 10},    // C F . D
    {X, 15, 12, 12, X, 13},   // C D G . F
    {X, 15, 12, 12, 13, 13},  // C D G C F
}};
constexpr std::array<RootDiagram, 17> kRoots_sus4_9{{
    {"C", {X, 3, 0, 0, 1, 1}},
    {"Cs", {X, 4, 1, 1, 2, 2}},
    {"Db", {X, 4, 1, 1, 2, 2}},
    {"D", {X, X, 0, 0, 3, 0}},
    {"Ds", {X, X, 1, 1, 4, 1}},
    {"Eb", {X, X, 1, 1, 4, 1}},
    {"E", {0, 0, 4, 4, 0, 0}},
    {"F", {1, 1, 3, 3, 1, 3}},
    {"Fs", {2, 2, 4, 4, 2, 4}},
    {"Gb", {2, 2, 4, 4, 2, 4}},
    {"G", {3, 0, 0, 0, 1, 3}},
    {"Gs", {4, 1, 1, 1, 2, 4}},
    {"Ab", {4, 1, 1, 1, 2, 4}},
    {"A", {X, 0, 0, 2, 0, 0}},
    {"As", {X, 1, 1, 3, 1, 1}},
    {"Bb", {X, 1, 1, 3, 1, 1}},
    {"B", {X, 2, 2, 4, 2, 2}},
}};

// C 7th: 1 3 5 b7; may leave out 5
constexpr std::array<Frets, 18> kShapes_7th{{
    {X, 3, 2, 3, 1, X},      // C E Bb C
    {X, 3, 2, 3, X, 3},      // C E Bb . G
    {X, 3, 2, 3, X, X},      // C E Bb
    {X, 3, 5, 3, 5, 3},      // C G Bb E G
    {X, 3, 5, 3, 5, X},      // C G Bb E
    {8, X, 5, 5, 5, 6},      // C . G C E Bb
    {8, 7, 5, 5, 5, 6},      // C E G C E Bb
    {8, 7, X, X, 8, 6},      // C E . . G Bb
    {8, X, X, 9, 8, 6},      // C . . E G Bb
    {8, 7, 8, X, 8, X},      // C E Bb . G
    {8, 7, 8, X, X, X},      // C E Bb
    {8, 10, 8, 9, 8, 8},     // C G Bb E G C
    {8, 10, 8, 9, 8, X},     // C G Bb E G
    {X, X, 10, 9, 11, X},    // C E Bb
    {X, X, 10, 9, 11, 12},   // C E Bb E
    {X, X, 10, 12, 11, 12},  // C G Bb E
    {X, X, 10, X, 11, 12},   // C . Bb E
    {X, 15, X, 15, X, 12},   // C . Bb . E
}};
constexpr std::array<RootDiagram, 17> kRoots_7th{{
    {"C", {X, 3, 2, 3, X, 3}},
    {"Cs", {X, 4, 3, 4, 0, 4}},
    {"Db", {X, 4, 3, 4, 0, 4}},
    {"D", {X, X, 0, 2, 1, 2}},
    {"Ds", {X, X, 1, 3, 2, 3}},
    {"Eb", {X, X, 1, 3, 2, 3}},
    {"E", {0, 2, 0, 1, 0, 0}},
    {"F", {1, 3, 1, 2, 1, 1}},
    {"Fs", {2, 4, 2, 3, 2, 0}},
    {"Gb", {2, 4, 2, 3, 2, 0}},
    {"G", {3, 2, 0, 0, 0, 1}},
    {"Gs", {4, 3, 1, 1, 1, 2}},
    {"Ab", {4, 3, 1, 1, 1, 2}},
    {"A", {X, 0, 2, 0, 2, 0}},
    {"As", {X, 1, 3, 1, 3, 1}},
    {"Bb", {X, 1, 3, 1, 3, 1}},
    {"B", {X, 2, 4, 2, 4, 2}},
}};

// C 7/6: 1 3 5 6 b7; may leave out 5
constexpr std::array<Frets, 18> kShapes_7_6{{
    {X, 1, 2, 2, 1, 3},       // Bb E A C G
    {3, 1, 2, 2, 1, X},       // G Bb E A C
    {X, 3, 2, 3, X, 5},       // C E Bb . A
    {5, 3, 2, 3, X, X},       // A C E Bb
    {X, 3, 5, 3, 5, 5},       // C G Bb E A
    {X, 3, X, 3, 5, 5},       // C . Bb E A
    {8, X, 8, 5, 5, 5},       // C . Bb C E A
    {8, X, 8, X, 5, 5},       // C . Bb . E A
    {8, 7, 7, X, X, 6},       // C E A . . Bb
    {8, X, 7, 9, X, 6},       // C . A E . Bb
    {8, 7, 8, X, 10, X},      // C E Bb . A
    {8, 10, 8, 9, 10, 8},     // C G Bb E A C
    {8, 10, 8, 9, 10, X},     // C G Bb E A
    {X, 12, 10, 9, 11, X},    // A C E Bb
    {X, 13, 10, 12, 10, 12},  // Bb C G A E
    {12, 13, 10, 12, 10, X},  // E Bb C G A
    {12, 12, X, 15, 13, 15},  // E A . Bb C G
    {12, 12, X, 15, 13, X},   // E A . Bb C
}};
constexpr std::array<RootDiagram, 17> kRoots_7_6{{
    {"C", {0, 0, 2, 3, 1, 3}},
    {"Cs", {X, 4, 3, 3, 0, 4}},
    {"Db", {X, 4, 3, 3, 0, 4}},
    {"D", {X, X, 0, 4, 1, 2}},
    {"Ds", {X, 4, 1, 3, 1, 3}},
    {"Eb", {X, 4, 1, 3, 1, 3}},
    {"E", {0, 4, 0, 1, 0, 0}},
    {"F", {1, 3, 1, 2, 3, 1}},
    {"Fs", {2, 1, 1, 3, 2, 0}},
    {"Gb", {2, 1, 1, 3, 2, 0}},
    {"G", {3, 2, 3, 0, 3, 0}},
    {"Gs", {4, 3, 4, 1, 1, 1}},
    {"Ab", {4, 3, 4, 1, 1, 1}},
    {"A", {X, 0, 4, 0, 2, 0}},
    {"As", {X, 1, 3, 1, 3, 3}},
    {"Bb", {X, 1, 3, 1, 3, 3}},
    {"B", {X, 2, 4, 2, 4, 4}},
}};

// C 7/11: 1 3 5 b7 11; may leave out 5
constexpr std::array<Frets, 18> kShapes_7_11{{
    {X, 3, 2, 3, 1, 1},       // C E Bb C F
    {X, 3, 2, 3, X, 1},       // C E Bb . F
    {X, 3, 3, 3, 5, 3},       // C F Bb E G
    {X, 3, 3, 3, 5, X},       // C F Bb E
    {X, 3, 3, 3, 5, 6},       // C F Bb E Bb
    {8, 8, 5, 5, 5, 6},       // C F G C E Bb
    {8, 8, 8, 5, 5, X},       // C F Bb C E
    {8, 7, X, X, 6, 6},       // C E . . F Bb
    {8, X, X, 9, 6, 6},       // C . . E F Bb
    {8, 7, 8, 10, X, X},      // C E Bb F
    {X, 7, 8, 10, X, 8},      // E Bb F . C
    {8, 8, 8, 9, 8, 8},       // C F Bb E G C
    {8, 8, 8, 9, 8, X},       // C F Bb E G
    {8, 8, 8, 9, X, X},       // C F Bb E
    {X, X, 10, 10, 11, 12},   // C F Bb E
    {X, 10, 10, 10, 11, 12},  // G C F Bb E
    {X, 15, 15, 15, X, 12},   // C F Bb . E
    {13, 13, X, 12, 13, 12},  // F Bb . G C E
}};
constexpr std::array<RootDiagram, 17> kRoots_7_11{{
    {"C", {X, 3, 2, 3, 1, 1}},
    {"Cs", {X, 4, 3, 1, 0, 2}},
    {"Db", {X, 4, 3, 1, 0, 2}},
    {"D", {X, X, 0, 0, 1, 2}},
    {"Ds", {X, X, 1, 1, 2, 3}},
    {"Eb", {X, X, 1, 1, 2, 3}},
    {"E", {0, 0, 0, 1, 0, 0}},
    {"F", {1, 1, 1, 2, 1, 1}},
    {"Fs", {2, 2, 2, 3, 2, 0}},
    {"Gb", {2, 2, 2, 3, 2, 0}},
    {"G", {3, 3, 3, 4, 3, 3}},
    {"Gs", {4, 4, 1, 1, 1, 2}},
    {"Ab", {4, 4, 1, 1, 1, 2}},
    {"A", {X, 0, 0, 0, 2, 0}},
    {"As", {X, 1, 1, 1, 3, 1}},
    {"Bb", {X, 1, 1, 1, 3, 1}},
    {"B", {X, 2, 2, 2, 4, 2}},
}};

// C 7/6/11: 1 3 5 6 b7 11; may leave out 1 5
constexpr std::array<Frets, 18> kShapes_7_6_11{{
    {1, 1, 2, 2, 1, 3},        // F Bb E A C G
    {3, 1, 2, 2, 1, 1},        // G Bb E A C F
    {X, 3, 3, 3, 5, 5},        // C F Bb E A
    {3, 3, 3, 3, 5, 5},        // G C F Bb E A
    {5, 3, 3, 3, 5, 3},        // A C F Bb E G
    {8, 8, 8, 5, 5, 5},        // C F Bb C E A
    {8, 8, 8, X, 5, 5},        // C F Bb . E A
    {8, 7, 7, X, 6, 6},        // C E A . F Bb
    {8, X, 7, 9, 6, 6},        // C . A E F Bb
    {X, 7, 8, 10, 10, X},      // E Bb F A
    {8, 8, 8, 9, 10, 8},       // C F Bb E A C
    {8, 8, 8, 9, 10, X},       // C F Bb E A
    {X, 13, 10, 10, 10, 12},   // Bb C F A E
    {12, 13, 10, 10, 10, X},   // E Bb C F A
    {12, 12, X, X, 11, 13},    // E A . . Bb F
    {13, 12, X, X, 11, 12},    // F A . . Bb E
    {12, 12, 15, 15, 13, 12},  // E A F Bb C E
    {X, 12, 15, 15, 13, 12},   // A F Bb C E
}};
constexpr std::array<RootDiagram, 17> kRoots_7_6_11{{
    {"C", {0, 0, 3, 3, 1, 3}},
    {"Cs", {X, 4, 3, 3, 0, 2}},
    {"Db", {X, 4, 3, 3, 0, 2}},
    {"D", {2, 3, 0, 2, 0, 3}},
    {"Ds", {3, 4, 1, 1, 1, 3}},
    {"Eb", {3, 4, 1, 1, 1, 3}},
    {"E", {0, 0, 0, 4, 2, 4}},
    {"F", {1, 1, 1, 2, 3, 1}},
    {"Fs", {2, 1, 1, 4, 2, 0}},
    {"Gb", {2, 1, 1, 4, 2, 0}},
    {"G", {3, 3, 3, 4, 3, 0}},
    {"Gs", {4, 4, 4, 1, 1, 1}},
    {"Ab", {4, 4, 4, 1, 1, 1}},
    {"A", {X, 0, 0, 0, 2, 2}},
    {"As", {X, 1, 1, 1, 3, 3}},
    {"Bb", {X, 1, 1, 1, 3, 3}},
    {"B", {X, 2, 2, 2, 4, 4}},
}};

// C 7sus2: 1 2 5 b7; may leave out 5
constexpr std::array<Frets, 18> kShapes_7sus2{{
    {X, 3, 5, 3, 3, 3},      // C G Bb D G
    {X, 3, 5, 3, 3, X},      // C G Bb D
    {X, 3, 5, 3, 3, 6},      // C G Bb D Bb
    {8, 5, 5, 5, X, 6},      // C D G C . Bb
    {8, 5, 5, X, X, 6},      // C D G . . Bb
    {8, 5, 5, 5, 8, 6},      // C D G C G Bb
    {8, X, X, 7, 8, 6},      // C . . D G Bb
    {8, X, X, 7, X, 6},      // C . . D . Bb
    {8, X, 8, 7, 8, X},      // C . Bb D G
    {8, 10, 8, 7, X, X},     // C G Bb D
    {8, X, 8, 7, X, X},      // C . Bb D
    {8, 10, 8, X, X, 10},    // C G Bb . . D
    {8, X, 8, X, 8, 10},     // C . Bb . G D
    {8, 10, 8, X, 11, 10},   // C G Bb . Bb D
    {X, X, 10, 12, 11, 10},  // C G Bb D
    {X, X, 10, X, 11, 10},   // C . Bb D
    {X, 15, 12, 15, X, 15},  // C D Bb . G
    {X, 15, 12, 15, X, X},   // C D Bb
}};
constexpr std::array<RootDiagram, 17> kRoots_7sus2{{
    {"C", {X, 3, 0, 3, 3, 3}},
    {"Cs", {X, 4, 1, 1, 0, 4}},
    {"Db", {X, 4, 1, 1, 0, 4}},
    {"D", {X, X, 0, 2, 1, 0}},
    {"Ds", {X, X, 1, 3, 2, 1}},
    {"Eb", {X, X, 1, 3, 2, 1}},
    {"E", {0, 2, 0, 4, 0, 2}},
    {"F", {1, 3, 1, 0, 4, 3}},
    {"Fs", {X, X, 4, 1, 2, 0}},
    {"Gb", {X, X, 4, 1, 2, 0}},
    {"G", {3, 0, 0, 0, 3, 1}},
    {"Gs", {4, 1, 1, 1, 4, 2}},
    {"Ab", {4, 1, 1, 1, 4, 2}},
    {"A", {X, 0, 2, 0, 0, 0}},
    {"As", {X, 1, 3, 1, 1, 1}},
    {"Bb", {X, 1, 3, 1, 1, 1}},
    {"B", {X, 2, 4, 2, 2, 2}},
}};

// C 7sus4: 1 4 5 b7; may leave out 5
constexpr std::array<Frets, 18> kShapes_7sus4{{
    {X, 3, X, 3, 1, 1},      // C . Bb C F
    {X, 3, X, 3, X, 1},      // C . Bb . F
    {X, 3, 3, 3, 6, 3},      // C F Bb F G
    {X, 3, 5, 3, 6, 3},      // C G Bb F G
    {X, 3, 5, 3, 6, X},      // C G Bb F
    {8, X, 5, 5, 6, 6},      // C . G C F Bb
    {8, 8, 5, 5, X, 6},      // C F G C . Bb
    {8, X, 5, X, 6, 6},      // C . G . F Bb
    {8, 8, X, X, 8, 6},      // C F . . G Bb
    {8, X, X, X, 6, 6},      // C . . . F Bb
    {8, X, 8, X, 6, 6},      // C . Bb . F Bb
    {8, 8, 8, 10, 8, 8},     // C F Bb F G C
    {8, 8, 8, 10, 8, X},     // C F Bb F G
    {8, 10, 8, 10, 8, 8},    // C G Bb F G C
    {X, X, 10, 12, 11, 13},  // C G Bb F
    {X, X, 10, 10, 11, X},   // C F Bb
    {X, 13, X, 12, 13, 13},  // Bb . G C F
    {13, 13, X, 12, 13, X},  // F Bb . G C
}};
constexpr std::array<RootDiagram, 17> kRoots_7sus4{{
    {"C", {X, 3, 3, 3, X, 3}},
    {"Cs", {X, 4, 4, 4, 0, 4}},
    {"Db", {X, 4, 4, 4, 0, 4}},
    {"D", {X, X, 0, 2, 1, 3}},
    {"Ds", {X, X, 1, 3, 2, 4}},
    {"Eb", {X, X, 1, 3, 2, 4}},
    {"E", {0, 0, 0, 2, 0, 0}},
    {"F", {1, 1, 1, 3, 1, 1}},
    {"Fs", {2, 2, 2, 4, 2, 0}},
    {"Gb", {2, 2, 2, 4, 2, 0}},
    {"G", {3, 3, 0, 0, 1, 1}},
    {"Gs", {4, X, 1, 1, 2, 2}},
    {"Ab", {4, X, 1, 1, 2, 2}},
    {"A", {X, 0, 0, 0, 3, 0}},
    {"As", {X, 1, 1, 1, 4, 1}},
    {"Bb", {X, 1, 1, 1, 4, 1}},
    {"B", {X, 2, 4, 2, 0, 0}},
}};

// C 7sus4/6: 1 4 5 6 b7; may leave out 5
constexpr std::array<Frets, 18> kShapes_7sus4_6{{
    {1, 1, 3, 2, 1, 3},       // F Bb F A C G
    {3, 1, 3, 2, 1, 1},       // G Bb F A C F
    {X, 3, 5, 3, 6, 5},       // C G Bb F A
    {X, 3, 3, 3, X, 5},       // C F Bb . A
    {X, 3, 3, 3, 6, 5},       // C F Bb F A
    {8, X, 8, 5, 6, 5},       // C . Bb C F A
    {8, X, 8, X, 6, 5},       // C . Bb . F A
    {8, 8, 8, X, X, 5},       // C F Bb . . A
    {8, X, 7, X, 6, 6},       // C . A . F Bb
    {8, 8, 7, X, 6, 6},       // C F A . F Bb
    {8, 8, 7, X, X, 6},       // C F A . . Bb
    {8, 10, 8, 10, 10, 8},    // C G Bb F A C
    {8, 10, 8, 10, 10, X},    // C G Bb F A
    {8, 8, 8, X, 10, X},      // C F Bb . A
    {X, 13, 10, 12, 10, 13},  // Bb C G A F
    {13, 13, 10, 12, 10, X},  // F Bb C G A
    {X, 12, 15, 15, 13, X},   // A F Bb C
    {X, 12, X, 15, 13, 13},   // A . Bb C F
}};
constexpr std::array<RootDiagram, 17> kRoots_7sus4_6{{
    {"C", {1, 1, 3, 2, 1, 3}},
    {"Cs", {X, 4, 4, 3, 0, 4}},
    {"Db", {X, 4, 4, 3, 0, 4}},
    {"D", {X, X, 0, 4, 1, 3}},
    {"Ds", {X, 4, 1, 3, 1, 4}},
    {"Eb", {X, 4, 1, 3, 1, 4}},
    {"E", {0, 0, 0, 4, 2, 0}},
    {"F", {1, 3, 1, 3, 3, 1}},
    {"Fs", {2, 4, 2, 4, 4, 0}},
    {"Gb", {2, 4, 2, 4, 4, 0}},
    {"G", {3, 3, 3, 0, 3, 0}},
    {"Gs", {4, 4, 3, X, 2, 2}},
    {"Ab", {4, 4, 3, X, 2, 2}},
    {"A", {X, 0, 4, 0, 3, 0}},
    {"As", {X, 1, 3, 0, 4, 4}},
    {"Bb", {X, 1, 3, 0, 4, 4}},
    {"B", {X, 2, 2, 2, 0, 4}},
}};

// C 7aug5: 1 3 #5 b7
constexpr std::array<Frets, 18> kShapes_7aug5{{
    {X, 1, 2, 1, 1, X},      // Bb E G# C
    {X, 1, 2, 1, 1, 4},      // Bb E G# C G#
    {X, 3, 2, 3, X, 4},      // C E Bb . G#
    {4, 3, 2, 3, X, X},      // G# C E Bb
    {X, 3, 6, 3, 5, X},      // C G# Bb E
    {X, 3, X, 3, 5, 4},      // C . Bb E G#
    {4, X, X, 5, 5, 6},      // G# . . C E Bb
    {8, X, 6, 5, 5, 6},      // C . G# C E Bb
    {8, X, 6, X, 5, 6},      // C . G# . E Bb
    {8, 7, 6, X, X, 6},      // C E G# . . Bb
    {8, X, 6, 9, 9, 6},      // C . G# E G# Bb
    {8, 7, 8, X, 9, X},      // C E Bb . G#
    {8, 11, 8, 9, X, X},     // C G# Bb E
    {8, X, 8, 9, 9, X},      // C . Bb E G#
    {X, 11, 10, 9, 11, X},   // G# C E Bb
    {X, X, 10, 13, 11, 12},  // C G# Bb E
    {X, 13, X, 13, 13, 12},  // Bb . G# C E
    {12, 13, X, 13, 13, X},  // E Bb . G# C
}};
constexpr std::array<RootDiagram, 17> kRoots_7aug5{{
    {"C", {X, 3, 2, 3, X, 4}},
    {"Cs", {X, 4, 3, 2, 0, 1}},
    {"Db", {X, 4, 3, 2, 0, 1}},
    {"D", {X, X, 0, 3, 1, 2}},
    {"Ds", {X, X, 1, 4, 2, 3}},
    {"Eb", {X, X, 1, 4, 2, 3}},
    {"E", {0, 3, 0, 1, 1, 0}},
    {"F", {1, 4, 1, 2, 2, 1}},
    {"Fs", {2, 1, 0, 3, 3, 0}},
    {"Gb", {2, 1, 0, 3, 3, 0}},
    {"G", {3, 2, 1, 0, 0, 1}},
    {"Gs", {4, 3, 4, 1, 1, 0}},
    {"Ab", {4, 3, 4, 1, 1, 0}},
    {"A", {X, 0, 3, 0, 2, 3}},
    {"As", {X, 1, 0, 1, 3, 2}},
    {"Bb", {X, 1, 0, 1, 3, 2}},
    {"B", {X, 2, 1, 2, 0, 3}},
}};

// C 7dim5: 1 3 b5 b7
constexpr std::array<Frets, 18> kShapes_7dim5{{
    {X, 1, 2, X, 1, 2},      // Bb E . C Gb
    {2, 1, 2, X, 1, X},      // Gb Bb E . C
    {X, 3, 2, 3, X, 2},      // C E Bb . Gb
    {X, 3, 2, 3, 5, 2},      // C E Bb E Gb
    {X, 3, 4, 3, 5, X},      // C Gb Bb E
    {X, 3, 4, 3, 5, 6},      // C Gb Bb E Bb
    {X, X, 4, 5, 5, 6},      // Gb C E Bb
    {X, 7, X, 5, 7, 6},      // E . C Gb Bb
    {8, 7, X, X, 7, 6},      // C E . . Gb Bb
    {8, X, X, 9, 7, 6},      // C . . E Gb Bb
    {8, 7, 8, X, 7, X},      // C E Bb . Gb
    {8, 7, 8, 9, 7, X},      // C E Bb E Gb
    {8, 9, 8, 9, X, X},      // C Gb Bb E
    {8, 9, 8, 9, 11, 8},     // C Gb Bb E Bb C
    {X, 9, 10, 9, 11, X},    // Gb C E Bb
    {X, X, 10, 11, 11, 12},  // C Gb Bb E
    {X, 13, X, 11, 13, 12},  // Bb . Gb C E
    {12, 13, X, X, 13, 14},  // E Bb . . C Gb
}};
constexpr std::array<RootDiagram, 17> kRoots_7dim5{{
    {"C", {X, 3, 4, 3, 1, 0}},
    {"Cs", {X, 4, 3, 0, 0, 3}},
    {"Db", {X, 4, 3, 0, 0, 3}},
    {"D", {X, X, 0, 1, 1, 2}},
    {"Ds", {X, X, 1, 2, 2, 3}},
    {"Eb", {X, X, 1, 2, 2, 3}},
    {"E", {0, 1, 0, 1, 3, 0}},
    {"F", {1, 0, 1, 2, 0, 1}},
    {"Fs", {2, 1, 2, 3, 1, 0}},
    {"Gb", {2, 1, 2, 3, 1, 0}},
    {"G", {3, 4, 3, 0, 0, 3}},
    {"Gs", {4, 3, 0, 1, 1, 2}},
    {"Ab", {4, 3, 0, 1, 1, 2}},
    {"A", {X, 0, 1, 0, 2, 3}},
    {"As", {X, 1, 0, 1, 3, 0}},
    {"Bb", {X, 1, 0, 1, 3, 0}},
    {"B", {X, 2, 1, 2, 0, 1}},
}};

// C 7aug9: 1 3 5 b7 #9; may leave out 5
constexpr std::array<Frets, 18> kShapes_7aug9{{
    {X, 3, 2, 3, 4, X},        // C E Bb D#
    {X, 7, X, 5, 4, 6},        // E . C D# Bb
    {8, 6, 5, 5, 5, 6},        // C D# G C E Bb
    {8, X, 5, 8, 5, 6},        // C . G D# E Bb
    {8, 7, X, 8, X, 6},        // C E . D# . Bb
    {8, 6, 8, 9, X, X},        // C D# Bb E
    {8, 7, 8, 8, X, X},        // C E Bb D#
    {X, 7, 8, 8, X, 8},        // E Bb D# . C
    {8, 10, 8, 9, 8, 11},      // C G Bb E G D#
    {8, 10, 8, 9, X, 11},      // C G Bb E . D#
    {X, X, 10, 9, 11, 11},     // C E Bb D#
    {11, X, 10, 9, 11, X},     // D# . C E Bb
    {11, 10, 10, X, 11, 12},   // D# G C . Bb E
    {12, 10, 10, X, 11, 11},   // E G C . Bb D#
    {11, 13, X, X, 13, 12},    // D# Bb . . C E
    {12, 13, X, X, 13, 11},    // E Bb . . C D#
    {X, 15, 13, 15, X, 12},    // C D# Bb . E
    {12, 13, 13, 12, 13, 12},  // E Bb D# G C E
}};
constexpr std::array<RootDiagram, 17> kRoots_7aug9{{
    {"C", {X, 3, 1, 3, 1, 0}},
    {"Cs", {X, 4, 3, 1, 0, 0}},
    {"Db", {X, 4, 3, 1, 0, 0}},
    {"D", {2, 0, 0, 2, 1, 1}},
    {"Ds", {X, X, 1, 0, 2, 2}},
    {"Eb", {X, X, 1, 0, 2, 2}},
    {"E", {0, 2, 0, 0, 0, 4}},
    {"F", {1, 3, 1, 2, 1, 4}},
    {"Fs", {2, 0, 2, 3, 2, 0}},
    {"Gb", {2, 0, 2, 3, 2, 0}},
    {"G", {3, 1, 0, 0, 0, 1}},
    {"Gs", {4, 2, 1, 1, 1, 2}},
    {"Ab", {4, 2, 1, 1, 1, 2}},
    {"A", {0, 3, 2, 2, 2, 3}},
    {"As", {X, 1, 0, 1, 2, 1}},
    {"Bb", {X, 1, 0, 1, 2, 1}},
    {"B", {X, 2, 0, 2, 4, 2}},
}};

// C 7b9: 1 3 5 b7 b9; may leave out 5
constexpr std::array<Frets, 18> kShapes_7b9{{
    {X, 4, 2, 3, 1, X},      // Db E Bb C
    {X, 3, 2, 3, 2, 3},      // C E Bb Db G
    {X, 3, 2, 3, 2, X},      // C E Bb Db
    {X, 3, X, 6, 5, 6},      // C . Db E Bb
    {3, 3, X, 6, 5, 6},      // G C . Db E Bb
    {X, 4, X, 5, 5, 6},      // Db . C E Bb
    {6, 4, X, 5, 5, X},      // Bb Db . C E
    {8, X, 5, 6, 5, 6},      // C . G Db E Bb
    {8, X, 8, 6, 5, X},      // C . Bb Db E
    {8, 7, X, 6, 8, 6},      // C E . Db G Bb
    {8, 7, 8, 6, X, X},      // C E Bb Db
    {8, 7, 8, X, X, 9},      // C E Bb . . Db
    {8, 10, 8, 9, 8, 9},     // C G Bb E G Db
    {8, 10, 8, 9, X, 9},     // C G Bb E . Db
    {X, X, 10, 9, 11, 9},    // C E Bb Db
    {9, 10, 10, 9, 11, 9},   // Db G C E Bb Db
    {X, 13, 11, X, 13, 12},  // Bb Db . C E
    {X, 15, X, 15, 14, 12},  // C . Bb Db E
}};
constexpr std::array<RootDiagram, 17> kRoots_7b9{{
    {"C", {X, 3, 2, 3, 2, 3}},
    {"Cs", {X, 4, 0, 1, 0, 1}},
    {"Db", {X, 4, 0, 1, 0, 1}},
    {"D", {X, 3, 0, 2, 4, 2}},
    {"Ds", {X, X, 1, 0, 2, 0}},
    {"Eb", {X, X, 1, 0, 2, 0}},
    {"E", {0, 2, 0, 1, 0, 1}},
    {"F", {1, 3, 1, 2, 1, 2}},
    {"Fs", {2, 1, 2, 0, 2, 0}},
    {"Gb", {2, 1, 2, 0, 2, 0}},
    {"G", {3, 2, 0, 1, 0, 1}},
    {"Gs", {4, 0, 1, 1, 1, 2}},
    {"Ab", {4, 0, 1, 1, 1, 2}},
    {"A", {X, 0, 2, 3, 2, 3}},
    {"As", {X, 1, 0, 1, 0, 1}},
    {"Bb", {X, 1, 0, 1, 0, 1}},
    {"B", {X, 2, 1, 2, 1, 2}},
}};

// C 7b9#5: 1 3 #5 b7 b9
constexpr std::array<Frets, 11> kShapes_7b9aug5{{
    {X, 3, 2, 3, 2, 4},     // C E Bb Db G#
    {4, 3, 2, 3, 2, X},     // G# C E Bb Db
    {4, 4, X, 5, 5, 6},     // G# Db . C E Bb
    {8, 7, 6, 6, 9, 6},     // C E G# Db G# Bb
    {8, 7, X, 6, 9, 6},     // C E . Db G# Bb
    {6, 7, 6, 6, X, 8},     // Bb E G# Db . C
    {8, 11, 8, 9, X, 9},    // C G# Bb E . Db
    {9, X, 8, 9, 9, 8},     // Db . Bb E G# C
    {9, 11, 10, 9, 11, 9},  // Db G# C E Bb Db
    {X, 11, 10, 9, 11, 9},  // G# C E Bb Db
    {9, 11, 10, 9, 11, X},  // Db G# C E Bb
}};
constexpr std::array<RootDiagram, 17> kRoots_7b9aug5{{
    {"C", {X, 3, 2, 3, 2, 4}},
    {"Cs", {X, 4, 0, 2, 0, 1}},
    {"Db", {X, 4, 0, 2, 0, 1}},
    {"D", {X, 3, 0, 3, 4, 2}},
    {"Ds", {0, 4, 1, 0, 0, 0}},
    {"Eb", {0, 4, 1, 0, 0, 0}},
    {"E", {0, 3, 0, 1, 1, 1}},
    {"F", {1, 0, 1, X, 2, 2}},
    {"Fs", {2, 1, 0, 0, 3, 0}},
    {"Gb", {2, 1, 0, 0, 3, 0}},
    {"G", {3, 2, 1, 1, 4, 1}},
    {"Gs", {4, 0, 4, 1, 1, 0}},
    {"Ab", {4, 0, 4, 1, 1, 0}},
    {"A", {X, 0, 3, 3, 2, 3}},
    {"As", {X, 1, 0, 1, 0, 2}},
    {"Bb", {X, 1, 0, 1, 0, 2}},
    {"B", {X, 2, 1, 2, 1, 3}},
}};

// C 9th: 1 3 5 b7 9; may leave out 5
constexpr std::array<Frets, 18> kShapes_9th{{
    {X, 3, 2, 3, 3, X},        // C E Bb D
    {8, 5, 5, 5, 5, 6},        // C D G C E Bb
    {8, 5, 5, 7, 5, 6},        // C D G D E Bb
    {8, X, 5, 7, 5, 6},        // C . G D E Bb
    {8, 7, X, 7, X, 6},        // C E . D . Bb
    {6, 7, X, 7, X, 8},        // Bb E . D . C
    {8, 7, 8, 7, 8, X},        // C E Bb D G
    {8, 7, 8, 7, X, X},        // C E Bb D
    {8, 7, 8, 7, X, 8},        // C E Bb D . C
    {8, 10, 8, 9, 8, 10},      // C G Bb E G D
    {8, 10, 8, 9, X, 10},      // C G Bb E . D
    {8, X, 8, 9, X, 10},       // C . Bb E . D
    {X, X, 10, 9, 11, 10},     // C E Bb D
    {10, X, 10, 9, 11, X},     // D . C E Bb
    {10, 10, 10, X, 11, 12},   // D G C . Bb E
    {10, 10, 10, 12, 11, 12},  // D G C G Bb E
    {X, 15, 12, 15, 13, 12},   // C D Bb C E
    {X, 15, 12, 15, 15, 12},   // C D Bb D E
}};
constexpr std::array<RootDiagram, 17> kRoots_9th{{
    {"C", {X, 3, 0, 3, 3, 0}},
    {"Cs", {X, 4, 1, 1, 0, 1}},
    {"Db", {X, 4, 1, 1, 0, 1}},
    {"D", {0, 0, 0, 2, 1, 2}},
    {"Ds", {X, X, 1, 0, 2, 1}},
    {"Eb", {X, X, 1, 0, 2, 1}},
    {"E", {0, 2, 0, 1, 0, 2}},
    {"F", {1, 0, 1, 0, 1, 1}},
    {"Fs", {2, 1, 2, 1, 2, 0}},
    {"Gb", {2, 1, 2, 1, 2, 0}},
    {"G", {3, 0, 0, 0, 0, 1}},
    {"Gs", {4, 1, 1, 1, 1, 2}},
    {"Ab", {4, 1, 1, 1, 1, 2}},
    {"A", {X, 0, 2, 4, 2, 3}},
    {"As", {X, 1, 0, 1, 1, 1}},
    {"Bb", {X, 1, 0, 1, 1, 1}},
    {"B", {X, 2, 1, 2, 2, X}},
}};

// C 9dim5: 1 3 b5 b7 9
constexpr std::array<Frets, 14> kShapes_9dim5{{
    {X, 3, 2, 3, 3, 2},       // C E Bb D Gb
    {2, 3, 2, 3, 3, 2},       // Gb C E Bb D Gb
    {2, 3, 2, 3, 3, X},       // Gb C E Bb D
    {8, 7, 8, 7, 7, X},       // C E Bb D Gb
    {8, 7, 8, 7, 7, 8},       // C E Bb D Gb C
    {8, 7, 8, 7, 7, 10},      // C E Bb D Gb D
    {8, 9, 8, 9, X, 10},      // C Gb Bb E . D
    {X, 9, 10, 9, 11, 10},    // Gb C E Bb D
    {10, 9, 10, 9, 11, X},    // D Gb C E Bb
    {12, X, 10, 11, 11, 10},  // E . C Gb Bb D
    {10, 13, 10, 11, X, 12},  // D Bb C Gb . E
    {12, 13, 12, X, 13, 14},  // E Bb D . C Gb
    {12, 15, 12, 15, X, 14},  // E C D Bb . Gb
    {14, X, 12, 15, 13, 12},  // Gb . D Bb C E
}};
constexpr std::array<RootDiagram, 17> kRoots_9dim5{{
    {"C", {X, 3, 4, 3, 3, 0}},
    {"Cs", {X, 4, 1, 0, 0, 1}},
    {"Db", {X, 4, 1, 0, 0, 1}},
    {"D", {0, 3, 0, 1, 1, 2}},
    {"Ds", {1, 0, 1, 0, 2, 1}},
    {"Eb", {1, 0, 1, 0, 2, 1}},
    {"E", {0, 1, 4, 1, 3, 0}},
    {"F", {1, 0, 1, 0, 0, 1}},
    {"Fs", {2, 1, 2, 1, 1, 0}},
    {"Gb", {2, 1, 2, 1, 1, 0}},
    {"G", {3, 2, 3, 2, 2, 3}},
    {"Gs", {4, 3, 4, 3, 3, 4}},
    {"Ab", {4, 3, 4, 3, 3, 4}},
    {"A", {X, 0, 1, 4, 2, 3}},
    {"As", {X, 1, 0, 1, 1, 0}},
    {"Bb", {X, 1, 0, 1, 1, 0}},
    {"B", {X, 2, 1, 2, 2, 1}},
}};

// C 9aug5: 1 3 #5 b7 9
constexpr std::array<Frets, 14> kShapes_9aug5{{
    {8, 5, 6, 5, 5, 6},        // C D G# C E Bb
    {X, 5, 6, 5, 5, 6},        // D G# C E Bb
    {6, 5, 6, 5, 5, X},        // Bb D G# C E
    {6, 7, 6, 7, X, 8},        // Bb E G# D . C
    {8, 7, 8, 7, 9, X},        // C E Bb D G#
    {X, 7, 8, 7, 9, 8},        // E Bb D G# C
    {8, 11, 8, 9, X, 10},      // C G# Bb E . D
    {10, X, 8, 9, 9, 8},       // D . Bb E G# C
    {10, 11, 10, X, 11, 12},   // D G# C . Bb E
    {10, 13, 10, 13, X, 12},   // D Bb C G# . E
    {12, X, 10, 13, 11, 10},   // E . C G# Bb D
    {12, 13, 12, 13, 13, 12},  // E Bb D G# C E
    {X, 13, 12, 13, 13, 12},   // Bb D G# C E
    {12, 13, 12, 13, 13, X},   // E Bb D G# C
}};
constexpr std::array<RootDiagram, 17> kRoots_9aug5{{
    {"C", {0, 1, 0, 1, 1, 0}},
    {"Cs", {X, 4, 1, 2, 0, 1}},
    {"Db", {X, 4, 1, 2, 0, 1}},
    {"D", {0, 3, 4, 3, 3, 0}},
    {"Ds", {1, 4, 1, 0, 0, 3}},
    {"Eb", {1, 4, 1, 0, 0, 3}},
    {"E", {0, 3, 0, 1, 1, 2}},
    {"F", {1, 0, 1, 0, 2, 1}},
    {"Fs", {2, 1, 0, 1, 3, 0}},
    {"Gb", {2, 1, 0, 1, 3, 0}},
    {"G", {3, 0, 1, 0, 0, 1}},
    {"Gs", {4, 1, 4, 1, 1, 0}},
    {"Ab", {4, 1, 4, 1, 1, 0}},
    {"A", {X, 0, 3, 4, 2, 3}},
    {"As", {X, 1, 0, 1, 1, 2}},
    {"Bb", {X, 1, 0, 1, 1, 2}},
    {"B", {X, 0, 1, 4, 2, 3}},
}};

// C 9#11: 1 3 5 b7 9 #11; may leave out 1 5
constexpr std::array<Frets, 18> kShapes_9aug11{{
    {X, 1, 2, X, 3, 2},        // Bb E . D F#
    {X, 3, 2, 3, 3, 2},        // C E Bb D F#
    {2, 3, 2, 3, 3, 2},        // F# C E Bb D F#
    {3, 5, 4, 3, 5, 3},        // G D F# Bb E G
    {X, 5, 4, 3, 5, 3},        // D F# Bb E G
    {X, 5, 4, X, 5, 6},        // D F# . E Bb
    {X, 7, X, 7, 7, 6},        // E . D F# Bb
    {8, 7, 8, 7, 7, X},        // C E Bb D F#
    {8, 7, 8, 7, 7, 8},        // C E Bb D F# C
    {8, 9, 8, 9, 8, 10},       // C F# Bb E G D
    {8, 9, 8, 9, X, 10},       // C F# Bb E . D
    {X, 9, 10, 9, 11, 10},     // F# C E Bb D
    {10, 9, 10, 9, 11, X},     // D F# C E Bb
    {10, 10, 10, 11, 11, 12},  // D G C F# Bb E
    {12, 10, 10, 11, 11, 10},  // E G C F# Bb D
    {X, X, 12, 11, 11, 12},    // D F# Bb E
    {12, 13, 12, 12, 13, 14},  // E Bb D G C F#
    {14, 13, 12, 12, 13, 12},  // F# Bb D G C E
}};
constexpr std::array<RootDiagram, 17> kRoots_9aug11{{
    {"C", {X, 3, 4, 3, 3, 0}},
    {"Cs", {X, 4, 1, 0, 0, 1}},
    {"Db", {X, 4, 1, 0, 0, 1}},
    {"D", {0, 0, 0, 1, 1, 2}},
    {"Ds", {1, 1, 1, 2, 2, 3}},
    {"Eb", {1, 1, 1, 2, 2, 3}},
    {"E", {0, 1, 0, 1, 0, 2}},
    {"F", {1, 2, 1, 2, 1, 3}},
    {"Fs", {2, 3, 2, 3, 2, 4}},
    {"Gb", {2, 3, 2, 3, 2, 4}},
    {"G", {3, 0, 0, 4, 2, 1}},
    {"Gs", {4, 3, 4, 3, 3, 4}},
    {"Ab", {4, 3, 4, 3, 3, 4}},
    {"A", {X, 0, 1, 4, 2, 3}},
    {"As", {X, 1, 0, 1, 1, 0}},
    {"Bb", {X, 1, 0, 1, 1, 0}},
    {"B", {X, 2, 1, 2, 2, 1}},
}};

// C 11th: 1 3 5 b7 9 11; may leave out 1 5 9
constexpr std::array<Frets, 18> kShapes_11th{{
    {X, 3, 2, 3, 1, 1},        // C E Bb C F
    {X, 3, 2, 3, X, 1},        // C E Bb . F
    {X, 3, 3, 3, 5, 3},        // C F Bb E G
    {X, 3, 3, 3, 5, X},        // C F Bb E
    {8, 8, 5, 5, 5, 6},        // C F G C E Bb
    {8, 8, 8, 5, 5, X},        // C F Bb C E
    {8, 7, X, 7, 6, 6},        // C E . D F Bb
    {8, 7, X, X, 6, 6},        // C E . . F Bb
    {8, 7, 8, 10, X, X},       // C E Bb F
    {X, 7, 8, 10, 8, X},       // E Bb F G
    {8, 8, 8, 9, 8, 10},       // C F Bb E G D
    {8, 8, 8, 9, 8, 8},        // C F Bb E G C
    {X, X, 10, 10, 11, 12},    // C F Bb E
    {10, 10, 10, 10, 11, 12},  // D G C F Bb E
    {12, X, X, 12, 11, 13},    // E . . G Bb F
    {12, X, 12, X, 11, 13},    // E . D . Bb F
    {X, 15, 15, 15, X, 12},    // C F Bb . E
    {12, 13, 12, 12, 13, 13},  // E Bb D G C F
}};
constexpr std::array<RootDiagram, 17> kRoots_11th{{
    {"C", {X, 3, 3, 3, 3, 0}},
    {"Cs", {X, 4, 3, 1, 0, 2}},
    {"Db", {X, 4, 3, 1, 0, 2}},
    {"D", {X, X, 0, 0, 1, 2}},
    {"Ds", {X, X, 1, 1, 2, 3}},
    {"Eb", {X, X, 1, 1, 2, 3}},
    {"E", {0, 0, 0, 1, 0, 2}},
    {"F", {1, 1, 1, 2, 1, 3}},
    {"Fs", {2, 2, 2, 3, 2, 4}},
    {"Gb", {2, 2, 2, 3, 2, 4}},
    {"G", {3, 0, 0, 4, 1, 1}},
    {"Gs", {4, 4, 1, 1, 1, 2}},
    {"Ab", {4, 4, 1, 1, 1, 2}},
    {"A", {X, 0, 0, 0, 2, 0}},
    {"As", {X, 1, 1, 1, 3, 1}},
    {"Bb", {X, 1, 1, 1, 3, 1}},
    {"B", {X, 2, 2, 2, 4, 2}},
}};

// C 11/13: 1 3 5 b7 9 11 13; may leave out 1 5 9 11
constexpr std::array<Frets, 18> kShapes_11_13{{
    {1, 1, 2, 2, 1, 3},        // F Bb E A C G
    {3, 1, 2, 2, 1, 1},        // G Bb E A C F
    {X, 3, 2, 3, X, 5},        // C E Bb . A
    {X, 3, 3, 3, 5, 5},        // C F Bb E A
    {X, 3, 5, 3, 5, 5},        // C G Bb E A
    {8, 5, 8, 5, 5, 5},        // C D Bb C E A
    {8, 5, 7, 5, 5, 6},        // C D A C E Bb
    {8, 7, 7, X, 6, 6},        // C E A . F Bb
    {8, X, 7, 9, 6, 6},        // C . A E F Bb
    {8, 7, 8, 7, 10, X},       // C E Bb D A
    {8, 7, 8, X, 10, X},       // C E Bb . A
    {8, 8, 8, 9, 10, 10},      // C F Bb E A D
    {8, 8, 8, 9, 10, 8},       // C F Bb E A C
    {X, 12, 10, 9, 11, X},     // A C E Bb
    {10, 13, 10, 10, 10, 12},  // D Bb C F A E
    {12, 13, 10, 10, 10, 10},  // E Bb C F A D
    {X, 12, X, 12, 11, 12},    // A . G Bb E
    {12, 12, 12, 15, 13, 13},  // E A D Bb C F
}};
constexpr std::array<RootDiagram, 17> kRoots_11_13{{
    {"C", {0, 0, 3, 3, 3, 3}},
    {"Cs", {X, 4, 3, 3, 0, 4}},
    {"Db", {X, 4, 3, 3, 0, 4}},
    {"D", {X, X, 0, 4, 1, 2}},
    {"Ds", {1, 4, 1, 1, 1, 3}},
    {"Eb", {1, 4, 1, 1, 1, 3}},
    {"E", {0, 0, 0, 1, 2, 2}},
    {"F", {1, 1, 1, 2, 3, 3}},
    {"Fs", {2, 1, 1, 1, 0, 0}},
    {"Gb", {2, 1, 1, 1, 0, 0}},
    {"G", {3, 3, 3, 4, 3, 0}},
    {"Gs", {4, 1, 4, 1, 1, 1}},
    {"Ab", {4, 1, 4, 1, 1, 1}},
    {"A", {X, 0, 0, 0, 2, 2}},
    {"As", {X, 1, 1, 1, 3, 3}},
    {"Bb", {X, 1, 1, 1, 3, 3}},
    {"B", {X, 2, 2, 2, 4, 4}},
}};

// C 13th: 1 3 5 b7 9 13; may leave out 1 5 9
constexpr std::array<Frets, 18> kShapes_13th{{
    {X, 1, 2, 2, 1, 3},        // Bb E A C G
    {X, 3, 2, 3, X, 5},        // C E Bb . A
    {X, 3, 5, 3, 5, 5},        // C G Bb E A
    {X, 3, X, 3, 5, 5},        // C . Bb E A
    {8, 5, 8, 5, 5, 5},        // C D Bb C E A
    {8, 5, 7, 5, 5, 6},        // C D A C E Bb
    {8, 7, 7, X, X, 6},        // C E A . . Bb
    {8, X, 7, 9, X, 6},        // C . A E . Bb
    {8, 7, 8, 7, 10, X},       // C E Bb D A
    {8, 7, 8, X, 10, X},       // C E Bb . A
    {8, 10, 8, 9, 10, 8},      // C G Bb E A C
    {8, 10, 8, 9, 10, X},      // C G Bb E A
    {X, 12, 10, 9, 11, X},     // A C E Bb
    {10, 13, 10, 12, 10, 12},  // D Bb C G A E
    {12, 13, 10, 12, 10, 10},  // E Bb C G A D
    {X, 12, X, 12, 11, 12},    // A . G Bb E
    {12, 12, 12, 15, 13, 15},  // E A D Bb C G
    {15, 12, 12, 15, 13, 12},  // G A D Bb C E
}};
constexpr std::array<RootDiagram, 17> kRoots_13th{{
    {"C", {0, 0, 0, 3, 1, 3}},
    {"Cs", {X, 4, 3, 3, 0, 4}},
    {"Db", {X, 4, 3, 3, 0, 4}},
    {"D", {X, X, 0, 4, 1, 2}},
    {"Ds", {1, 4, 1, 3, 1, 3}},
    {"Eb", {1, 4, 1, 3, 1, 3}},
    {"E", {0, 4, 0, 1, 0, 2}},
    {"F", {1, 0, 0, 0, 4, 1}},
    {"Fs", {2, 1, 1, 1, 2, 0}},
    {"Gb", {2, 1, 1, 1, 2, 0}},
    {"G", {3, 0, 3, 4, 3, 0}},
    {"Gs", {4, 1, 4, 1, 1, 1}},
    {"Ab", {4, 1, 4, 1, 1, 1}},
    {"A", {X, 0, 4, 0, 2, 0}},
    {"As", {X, 1, 0, 0, 1, 4}},
    {"Bb", {X, 1, 0, 0, 1, 4}},
    {"B", {X, 2, 4, 2, 4, 4}},
}};

// C 13b9: 1 3 5 b7 b9 13; may leave out 1 5
constexpr std::array<Frets, 18> kShapes_13b9{{
    {X, 1, 2, 2, 2, X},       // Bb E A Db
    {X, 3, 2, 3, 2, 5},       // C E Bb Db A
    {5, 3, 2, 3, 2, X},       // A C E Bb Db
    {5, 4, X, 3, 5, 3},       // A Db . Bb E G
    {5, 4, X, X, 5, 6},       // A Db . . E Bb
    {8, X, 8, 6, 5, 5},       // C . Bb Db E A
    {6, X, 5, 6, 5, 5},       // Bb . G Db E A
    {6, 7, 7, 6, 8, 6},       // Bb E A Db G Bb
    {X, 7, 7, 6, 8, 6},       // E A Db G Bb
    {X, 7, 8, X, 10, 9},      // E Bb . A Db
    {9, X, 8, 9, 10, 8},      // Db . Bb E A C
    {9, 12, 10, 9, 11, 9},    // Db A C E Bb Db
    {X, 12, 10, 9, 11, 9},    // A C E Bb Db
    {X, 13, 11, X, 10, 12},   // Bb Db . A E
    {X, 12, 11, 12, 11, 12},  // A Db G Bb E
    {12, 12, 11, 12, 11, X},  // E A Db G Bb
    {12, 12, X, 15, 14, 15},  // E A . Bb Db G
    {12, 12, X, 15, 14, X},   // E A . Bb Db
}};
constexpr std::array<RootDiagram, 17> kRoots_13b9{{
    {"C", {0, 0, 2, 3, 2, 3}},
    {"Cs", {X, 4, 0, 3, 0, 1}},
    {"Db", {X, 4, 0, 3, 0, 1}},
    {"D", {2, 0, 1, 4, 1, 2}},
    {"Ds", {0, 4, 1, 3, 1, 3}},
    {"Eb", {0, 4, 1, 3, 1, 3}},
    {"E", {0, 2, 0, 1, 2, 1}},
    {"F", {1, 0, 0, 2, 4, 2}},
    {"Fs", {2, 1, 1, 0, 2, 0}},
    {"Gb", {2, 1, 1, 0, 2, 0}},
    {"G", {3, 2, 3, 1, 0, 0}},
    {"Gs", {4, 0, 4, 1, 1, 1}},
    {"Ab", {4, 0, 4, 1, 1, 1}},
    {"A", {X, 0, 4, 3, 2, 3}},
    {"As", {X, 1, 0, 0, 0, 4}},
    {"Bb", {X, 1, 0, 0, 0, 4}},
    {"B", {X, 2, 1, 2, 1, 4}},
}};

// C 13b9b5: 1 3 b5 b7 b9 13; may leave out 1
constexpr std::array<Frets, 12> kShapes_13b9b5{{
    {2, 3, 2, 3, 2, 5},        // Gb C E Bb Db A
    {5, 3, 2, 3, 2, 2},        // A C E Bb Db Gb
    {5, X, 2, 3, 2, 2},        // A . E Bb Db Gb
    {5, 4, 4, X, 5, 6},        // A Db Gb . E Bb
    {6, 4, 4, X, 5, 5},        // Bb Db Gb . E A
    {6, 7, 7, 6, 7, 6},        // Bb E A Db Gb Bb
    {X, 7, 7, 6, 7, 6},        // E A Db Gb Bb
    {6, 7, 7, 6, 7, X},        // Bb E A Db Gb
    {X, 12, 11, 11, 11, 12},   // A Db Gb Bb E
    {12, 12, 11, 11, 11, X},   // E A Db Gb Bb
    {12, 12, 11, 11, 11, 12},  // E A Db Gb Bb E
    {12, 12, X, 15, 14, 14},   // E A . Bb Db Gb
}};
constexpr std::array<RootDiagram, 17> kRoots_13b9b5{{
    {"C", {0, 0, 2, 3, 2, 2}},
    {"Cs", {1, 1, 0, 4, 2, 3}},
    {"Db", {1, 1, 0, 4, 2, 3}},
    {"D", {2, 2, 1, 1, 1, 2}},
    {"Ds", {0, 4, 1, 2, 1, 3}},
    {"Eb", {0, 4, 1, 2, 1, 3}},
    {"E", {0, 4, 3, 3, 3, 4}},
    {"F", {1, 0, 0, 4, 4, 2}},
    {"Fs", {2, 1, 1, 0, 1, 0}},
    {"Gb", {2, 1, 1, 0, 1, 0}},
    {"G", {3, 4, 3, 1, 0, 0}},
    {"Gs", {2, 0, 0, 1, 1, 1}},
    {"Ab", {2, 0, 0, 1, 1, 1}},
    {"A", {2, 1, 1, 0, 2, 2}},
    {"As", {0, 1, 0, 0, 0, 4}},
    {"Bb", {0, 1, 0, 0, 0, 4}},
    {"B", {4, 0, 1, 4, 1, 1}},
}};

// C 13sus4: 1 4 5 b7 9 13; may leave out 1 5 9
constexpr std::array<Frets, 18> kShapes_13sus4{{
    {1, 1, 3, 2, 1, 3},        // F Bb F A C G
    {3, 1, 3, 2, 1, 1},        // G Bb F A C F
    {X, 3, 3, 3, 3, 5},        // C F Bb D A
    {X, 3, 5, 3, 6, 5},        // C G Bb F A
    {8, 5, 8, 5, 6, 5},        // C D Bb C F A
    {8, X, 8, 5, 6, 5},        // C . Bb C F A
    {8, X, 7, 7, 6, 6},        // C . A D F Bb
    {8, X, 7, X, 6, 6},        // C . A . F Bb
    {X, 8, 8, 7, 10, X},       // F Bb D A
    {8, 8, 8, X, 10, 10},      // C F Bb . A D
    {8, 8, 8, 10, 10, 10},     // C F Bb F A D
    {8, 10, 8, 10, 10, 8},     // C G Bb F A C
    {10, 13, 10, 12, 10, 13},  // D Bb C G A F
    {13, 13, 10, 12, 10, 10},  // F Bb C G A D
    {X, 12, X, 12, 11, 13},    // A . G Bb F
    {X, 12, 12, X, 11, 13},    // A D . Bb F
    {X, 12, 12, 15, 13, 13},   // A D Bb C F
    {13, 12, 12, 15, 13, X},   // F A D Bb C
}};
constexpr std::array<RootDiagram, 17> kRoots_13sus4{{
    {"C", {3, 0, 0, 3, 1, 1}},
    {"Cs", {X, 4, 4, 3, 0, 4}},
    {"Db", {X, 4, 4, 3, 0, 4}},
    {"D", {X, X, 0, 4, 1, 3}},
    {"Ds", {1, 4, 1, 3, 1, 4}},
    {"Eb", {1, 4, 1, 3, 1, 4}},
    {"E", {0, 0, 0, 4, 2, 2}},
    {"F", {1, 1, 1, 0, 3, 3}},
    {"Fs", {2, 4, 1, 1, 0, 0}},
    {"Gb", {2, 4, 1, 1, 0, 0}},
    {"G", {3, 0, 2, 0, 1, 1}},
    {"Gs", {4, 1, 4, 1, 2, 1}},
    {"Ab", {4, 1, 4, 1, 2, 1}},
    {"A", {X, 0, 0, 0, 0, 2}},
    {"As", {X, 1, 1, 1, 1, 3}},
    {"Bb", {X, 1, 1, 1, 1, 3}},
    {"B", {X, 2, 2, 2, 2, 4}},
}};

// C Dim: 1 b3 b5
constexpr std::array<Frets, 18> kShapes_dim{{
    {X, 3, 1, X, X, 2},      // C Eb . . Gb
    {X, 3, 1, X, 1, 2},      // C Eb . C Gb
    {X, 3, X, X, 4, 2},      // C . . Eb Gb
    {X, X, X, 5, 4, 2},      // C Eb Gb
    {X, 3, 4, X, 4, X},      // C Gb . Eb
    {X, 3, 4, 5, 4, X},      // C Gb C Eb
    {X, X, 4, 5, 4, X},      // Gb C Eb
    {8, 6, X, 5, 7, X},      // C Eb . C Gb
    {8, 6, X, X, 7, X},      // C Eb . . Gb
    {8, 6, X, 8, 7, X},      // C Eb . Eb Gb
    {8, X, X, 8, 7, X},      // C . . Eb Gb
    {X, X, 10, 8, 7, X},     // C Eb Gb
    {8, 9, X, 8, X, X},      // C Gb . Eb
    {8, 9, 10, 8, X, X},     // C Gb C Eb
    {11, 9, 10, X, X, X},    // Eb Gb C
    {X, X, 10, 11, X, 11},   // C Gb . Eb
    {X, X, 10, 11, 13, 11},  // C Gb C Eb
    {X, X, X, 11, 13, 11},   // Gb C Eb
}};
constexpr std::array<RootDiagram, 17> kRoots_dim{{
    {"C", {X, 3, 1, X, 1, 2}},
    {"Cs", {X, 4, 2, 0, 2, 0}},
    {"Db", {X, 4, 2, 0, 2, 0}},
    {"D", {X, X, 0, 1, 3, 1}},
    {"Ds", {X, X, 1, 2, 4, 2}},
    {"Eb", {X, X, 1, 2, 4, 2}},
    {"E", {0, 1, 2, 0, X, X}},
    {"F", {1, 2, 3, 1, 0, 4}},
    {"Fs", {2, 0, 4, 2, 1, X}},
    {"Gb", {2, 0, 4, 2, 1, X}},
    {"G", {3, 1, X, 0, 2, 3}},
    {"Gs", {4, 2, 0, 4, 0, 4}},
    {"Ab", {4, 2, 0, 4, 0, 4}},
    {"A", {X, 0, 1, 2, 1, X}},
    {"As", {X, 1, 2, 3, 2, 0}},
    {"Bb", {X, 1, 2, 3, 2, 0}},
    {"B", {X, 2, 0, 4, 0, 1}},
}};

// C Dim5: 1 3 b5
constexpr std::array<Frets, 18> kShapes_dim5{{
    {X, 3, 2, X, 1, 2},      // C E . C Gb
    {X, X, 2, X, 1, 2},      // E . C Gb
    {X, 3, 2, X, X, 2},      // C E . . Gb
    {X, X, X, 5, 5, 2},      // C E Gb
    {X, 3, 4, X, 5, X},      // C Gb . E
    {X, 3, 4, 5, 5, X},      // C Gb C E
    {X, X, 4, 5, 5, X},      // Gb C E
    {8, 7, X, 5, 7, X},      // C E . C Gb
    {X, 7, X, 5, 7, X},      // E . C Gb
    {8, 7, X, X, 7, X},      // C E . . Gb
    {8, X, X, 9, 7, X},      // C . . E Gb
    {8, 9, X, 9, X, X},      // C Gb . E
    {8, 9, X, 9, X, 8},      // C Gb . E . C
    {X, 9, 10, 9, X, X},     // Gb C E
    {X, X, 10, 11, X, 12},   // C Gb . E
    {X, X, 10, 11, 13, 12},  // C Gb C E
    {X, X, X, 11, 13, 12},   // Gb C E
    {12, X, X, X, 13, 14},   // E . . . C Gb
}};
constexpr std::array<RootDiagram, 17> kRoots_dim5{{
    {"C", {X, 3, 4, X, 1, 0}},
    {"Cs", {X, 4, 3, 0, 2, 3}},
    {"Db", {X, 4, 3, 0, 2, 3}},
    {"D", {X, X, 0, 1, 3, 2}},
    {"Ds", {X, X, 1, 2, 4, 3}},
    {"Eb", {X, X, 1, 2, 4, 3}},
    {"E", {0, 1, 2, 1, X, X}},
    {"F", {1, 0, 3, 2, 0, 1}},
    {"Fs", {2, 1, 4, 3, 1, X}},
    {"Gb", {2, 1, 4, 3, 1, X}},
    {"G", {3, 4, X, 0, 0, 3}},
    {"Gs", {4, 3, 0, 1, 1, 4}},
    {"Ab", {4, 3, 0, 1, 1, 4}},
    {"A", {X, 0, 1, 2, 2, X}},
    {"As", {X, 1, 0, 3, 3, 0}},
    {"Bb", {X, 1, 0, 3, 3, 0}},
    {"B", {X, 2, 1, 4, 0, 1}},
}};

// C Aug: 1 3 #5
constexpr std::array<Frets, 18> kShapes_aug{{
    {X, 3, 2, 1, 1, X},     // C E G# C
    {X, 3, 2, 1, X, X},     // C E G#
    {X, 3, 2, X, X, 4},     // C E . . G#
    {X, 3, X, X, 5, 4},     // C . . E G#
    {X, 3, 6, X, 5, X},     // C G# . E
    {X, X, X, 5, 5, 4},     // C E G#
    {8, X, 6, 5, 5, X},     // C . G# C E
    {8, X, 6, X, 5, X},     // C . G# . E
    {8, 7, 6, X, X, X},     // C E G#
    {8, X, 6, 9, X, X},     // C . G# E
    {8, 7, X, X, 9, X},     // C E . . G#
    {8, X, X, 9, 9, X},     // C . . E G#
    {8, 11, X, 9, X, X},    // C G# . E
    {X, X, 10, 9, 9, X},    // C E G#
    {X, X, 10, 9, 9, 12},   // C E G# E
    {X, X, 10, 13, X, 12},  // C G# . E
    {X, 11, X, X, 13, 12},  // G# . . C E
    {X, 15, X, 13, X, 12},  // C . G# . E
}};
constexpr std::array<RootDiagram, 17> kRoots_aug{{
    {"C", {X, 3, 2, 1, 1, 0}},
    {"Cs", {X, 4, 3, 2, 2, X}},
    {"Db", {X, 4, 3, 2, 2, X}},
    {"D", {X, X, 0, 3, 3, 2}},
    {"Ds", {X, X, 1, 0, 0, 3}},
    {"Eb", {X, X, 1, 0, 0, 3}},
    {"E", {0, 3, 2, 1, 1, 0}},
    {"F", {1, 0, 3, 2, 2, X}},
    {"Fs", {2, 1, 0, 3, 3, X}},
    {"Gb", {2, 1, 0, 3, 3, X}},
    {"G", {3, 2, 1, 0, 0, 3}},
    {"Gs", {4, 3, 2, 1, 1, 0}},
    {"Ab", {4, 3, 2, 1, 1, 0}},
    {"A", {X, 0, 3, 2, 2, 1}},
    {"As", {X, 1, 0, 3, 3, 2}},
    {"Bb", {X, 1, 0, 3, 3, 2}},
    {"B", {X, 2, 1, 0, 0, 3}},
}};

// The key window's short galleries, one per chord type it offers beyond the
// original five: at most nine shapes, each taken from the finder set of the
// same type (voicing_search --short picks them), so both programs draw the
// same grips and the voicing rules above hold unchanged.

// C maj9, key window: 1 3 5 7 9; may leave out 5
constexpr std::array<Frets, 9> kShapes_ly_maj9{{
    {X, 3, 2, 4, 3, X},       // C E B D
    {8, 5, 5, 5, 5, 7},       // C D G C E B
    {8, 5, 5, 7, 5, 7},       // C D G D E B
    {8, 7, 9, 7, 8, 7},       // C E B D G B
    {8, 7, 9, 7, 8, X},       // C E B D G
    {8, X, 9, 9, X, 10},      // C . B E . D
    {X, X, 10, 9, 12, 10},    // C E B D
    {10, 10, 10, X, 12, 12},  // D G C . B E
    {X, 15, 12, 12, 12, 12},  // C D G B E
}};

// C maj13, key window: 1 3 5 7 9 13; may leave out 1 5 9
constexpr std::array<Frets, 9> kShapes_ly_maj13{{
    {X, 3, 2, 4, X, 5},       // C E B . A
    {X, 3, X, 4, 5, 5},       // C . B E A
    {X, X, 5, 4, 5, 5},       // G B E A
    {8, 5, 7, 5, 5, 7},       // C D A C E B
    {8, 7, 7, 7, 8, 7},       // C E A D G B
    {8, X, 9, 9, 10, X},      // C . B E A
    {X, 10, 9, 9, 10, 10},    // G B E A D
    {10, 12, 10, X, 12, 12},  // D A C . B E
    {X, 15, 12, 14, 12, 12},  // C D A B E
}};

// C sus2, key window: 1 2 5
constexpr std::array<Frets, 9> kShapes_ly_sus2{{
    {X, X, X, 5, 3, 3},     // C D G
    {X, 3, X, X, 3, 3},     // C . . D G
    {8, 5, 5, 5, X, X},     // C D G C
    {8, 5, 5, X, X, X},     // C D G
    {8, X, X, 7, 8, X},     // C . . D G
    {X, X, 10, X, 8, 10},   // C . G D
    {8, X, X, X, 8, 10},    // C . . . G D
    {X, X, 10, 12, X, 10},  // C G . D
    {X, 15, 12, 12, X, X},  // C D G
}};

// C sus2/6, key window: 1 2 5 6; may leave out 5
constexpr std::array<Frets, 9> kShapes_ly_sus2_6{{
    {X, 3, X, 2, 3, 3},      // C . A D G
    {X, 3, 5, 5, 3, 5},      // C G C D A
    {X, 3, 5, X, 3, 5},      // C G . D A
    {8, 5, 5, 5, 8, 5},      // C D G C G A
    {8, X, 7, 7, 8, X},      // C . A D G
    {8, 10, 7, 7, X, X},     // C G A D
    {8, 10, X, X, 10, 10},   // C G . . A D
    {X, X, 10, 12, 10, 10},  // C G A D
    {X, 15, 12, 14, X, 15},  // C D A . G
}};

// C sus4, key window: 1 4 5
constexpr std::array<Frets, 9> kShapes_ly_sus4{{
    {X, 3, 3, X, 1, 3},     // C F . C G
    {X, 3, 3, X, X, 3},     // C F . . G
    {X, 3, 3, 5, 6, 3},     // C F C F G
    {8, 8, 5, 5, X, X},     // C F G C
    {8, 8, 5, X, X, X},     // C F G
    {8, 8, X, X, 8, X},     // C F . . G
    {8, 8, 10, 10, 8, 8},   // C F C F G C
    {X, X, 10, 12, X, 13},  // C G . F
    {X, 15, 15, 12, X, X},  // C F G
}};

// C sus4/6, key window: 1 4 5 6; may leave out 5
constexpr std::array<Frets, 9> kShapes_ly_sus4_6{{
    {X, 3, X, 2, 1, 1},      // C . A C F
    {X, 3, 3, 2, X, 3},      // C F A . G
    {X, 3, 5, X, 6, 5},      // C G . F A
    {8, X, 5, 5, 6, 5},      // C . G C F A
    {8, X, 7, X, 6, X},      // C . A . F
    {8, 8, 7, X, 8, X},      // C F A . G
    {8, 10, X, 10, 10, X},   // C G . F A
    {X, X, 10, 12, 10, 13},  // C G A F
    {X, 12, 15, 12, 13, X},  // A F G C
}};

// C sus4/9, key window: 1 4 5 9; may leave out 5
constexpr std::array<Frets, 9> kShapes_ly_sus4_9{{
    {X, 3, X, X, 3, 1},      // C . . D F
    {X, 3, 3, 5, 3, 3},      // C F C D G
    {8, 5, 5, 5, 6, X},      // C D G C F
    {8, 5, 5, X, 6, X},      // C D G . F
    {8, X, X, 7, 6, X},      // C . . D F
    {8, 8, X, 7, 8, X},      // C F . D G
    {8, 8, 10, 10, 8, 10},   // C F C F G D
    {X, X, 10, 10, 13, 10},  // C F C D
    {X, 15, 12, 12, X, 13},  // C D G . F
}};

// C m6, key window: 1 b3 5 6; may leave out 5
constexpr std::array<Frets, 9> kShapes_ly_m6{{
    {X, 3, 1, 2, 1, 3},      // C Eb A C G
    {X, 3, X, 2, 4, 3},      // C . A Eb G
    {X, 3, 5, X, 4, 5},      // C G . Eb A
    {X, X, X, 5, 4, 5},      // C Eb A
    {8, 6, 5, 5, 8, 5},      // C Eb G C G A
    {8, 6, 7, X, 8, X},      // C Eb A . G
    {8, X, 7, 8, 8, X},      // C . A Eb G
    {8, 10, 10, 8, 10, 8},   // C G C Eb A C
    {X, X, 10, 12, 10, 11},  // C G A Eb
}};

// C m6/9, key window: 1 b3 5 6 9; may leave out 5
constexpr std::array<Frets, 9> kShapes_ly_m6_9{{
    {X, 3, 1, 2, 3, X},        // C Eb A D
    {5, 6, X, 5, 3, 3},        // A Eb . C D G
    {X, 5, X, 5, 4, 5},        // D . C Eb A
    {8, 5, 5, 8, 8, 5},        // C D G Eb G A
    {8, 6, 7, 7, X, X},        // C Eb A D
    {8, X, 7, 8, X, 10},       // C . A Eb . D
    {X, X, 10, 8, 10, 10},     // C Eb A D
    {10, 10, 10, 12, 10, 11},  // D G C G A Eb
    {X, 12, 12, X, 13, 11},    // A D . C Eb
}};

// C m7/11, key window: 1 b3 5 b7 11; may leave out 5
constexpr std::array<Frets, 9> kShapes_ly_m7_11{{
    {X, 3, 1, 3, 1, 1},      // C Eb Bb C F
    {X, 3, 3, 3, 4, 3},      // C F Bb Eb G
    {X, 3, 3, 3, 4, X},      // C F Bb Eb
    {X, 6, 5, 5, 6, 6},      // Eb G C F Bb
    {8, X, X, 8, 6, 6},      // C . . Eb F Bb
    {8, 8, 8, 8, 8, 8},      // C F Bb Eb G C
    {8, 8, 8, 8, 8, X},      // C F Bb Eb G
    {X, X, 10, 10, 11, 11},  // C F Bb Eb
    {11, 13, X, X, 13, 13},  // Eb Bb . . C F
}};

// C m9, key window: 1 b3 5 b7 9; may leave out 5
constexpr std::array<Frets, 9> kShapes_ly_m9{{
    {X, 3, 1, 3, 3, X},       // C Eb Bb D
    {6, 6, X, 5, 3, 3},       // Bb Eb . C D G
    {X, 5, X, 5, 4, 6},       // D . C Eb Bb
    {8, 5, 5, 8, X, 6},       // C D G Eb . Bb
    {8, 6, 8, 7, X, X},       // C Eb Bb D
    {8, 10, 8, 8, 8, 10},     // C G Bb Eb G D
    {8, 10, 8, 8, X, 10},     // C G Bb Eb . D
    {10, 10, 10, X, 11, 11},  // D G C . Bb Eb
    {X, 13, 12, X, 13, 11},   // Bb D . C Eb
}};

// C m11, key window: 1 b3 5 b7 9 11; may leave out 1 5 9
constexpr std::array<Frets, 9> kShapes_ly_m11{{
    {X, 3, 1, 3, 3, 1},       // C Eb Bb D F
    {X, 3, 3, 3, 4, 3},       // C F Bb Eb G
    {X, 6, 5, 5, 6, 6},       // Eb G C F Bb
    {8, 6, 8, 7, 6, 6},       // C Eb Bb D F Bb
    {8, 8, 8, 8, 8, 10},      // C F Bb Eb G D
    {8, 8, 8, 8, 8, 8},       // C F Bb Eb G C
    {X, X, 10, 10, 11, 11},   // C F Bb Eb
    {13, X, 12, 12, 11, 11},  // F . D G Bb Eb
    {13, 13, 13, 12, X, X},   // F Bb Eb G
}};

// C 7sus2, key window: 1 2 5 b7; may leave out 5
constexpr std::array<Frets, 9> kShapes_ly_7sus2{{
    {X, 3, 5, 3, 3, 3},      // C G Bb D G
    {X, 3, 5, 3, 3, X},      // C G Bb D
    {8, 5, 5, 5, X, 6},      // C D G C . Bb
    {8, 5, 5, X, X, 6},      // C D G . . Bb
    {8, X, X, 7, 8, 6},      // C . . D G Bb
    {8, X, 8, 7, 8, X},      // C . Bb D G
    {8, 10, 8, X, X, 10},    // C G Bb . . D
    {X, X, 10, 12, 11, 10},  // C G Bb D
    {X, 15, 12, 15, X, 15},  // C D Bb . G
}};

// C 7sus4, key window: 1 4 5 b7; may leave out 5
constexpr std::array<Frets, 9> kShapes_ly_7sus4{{
    {X, 3, X, 3, 1, 1},      // C . Bb C F
    {X, 3, 3, 3, 6, 3},      // C F Bb F G
    {X, 3, 5, 3, 6, 3},      // C G Bb F G
    {8, X, 5, 5, 6, 6},      // C . G C F Bb
    {8, 8, X, X, 8, 6},      // C F . . G Bb
    {8, 8, 8, 10, 8, 8},     // C F Bb F G C
    {8, 8, 8, 10, 8, X},     // C F Bb F G
    {X, X, 10, 12, 11, 13},  // C G Bb F
    {X, 13, X, 12, 13, 13},  // Bb . G C F
}};

// C m7b9, key window: 1 b3 5 b7 b9; may leave out 5
constexpr std::array<Frets, 9> kShapes_ly_m7b9{{
    {X, 3, 1, 3, 2, X},        // C Eb Bb Db
    {X, 3, X, 6, 4, 6},        // C . Db Eb Bb
    {X, 4, 5, 5, 4, 6},        // Db G C Eb Bb
    {8, 6, 8, 6, 8, 6},        // C Eb Bb Db G Bb
    {8, 6, 8, 6, 8, X},        // C Eb Bb Db G
    {8, 10, 8, 8, 8, 9},       // C G Bb Eb G Db
    {8, 10, 8, 8, X, 9},       // C G Bb Eb . Db
    {9, X, 10, X, 11, 11},     // Db . C . Bb Eb
    {11, 13, 11, 12, 13, 11},  // Eb Bb Db G C Eb
}};

// C 6th, key window: 1 3 5 6; may leave out 5
constexpr std::array<Frets, 9> kShapes_ly_6th{{
    {X, 3, 2, 2, 1, X},      // C E A C
    {X, 3, 2, 2, X, 3},      // C E A . G
    {X, 3, 5, X, 5, 5},      // C G . E A
    {8, X, 5, 5, 5, 5},      // C . G C E A
    {8, 7, 7, X, 8, X},      // C E A . G
    {8, 10, X, 9, 10, X},    // C G . E A
    {X, X, 10, 9, 10, X},    // C E A
    {X, X, 10, 12, 10, 12},  // C G A E
    {X, 15, X, 14, X, 12},   // C . A . E
}};

// C 6/9, key window: 1 3 5 6 9; may leave out 5
constexpr std::array<Frets, 9> kShapes_ly_6_9{{
    {X, 3, 2, 2, 3, 3},        // C E A D G
    {8, 5, 5, 5, 5, 5},        // C D G C E A
    {8, 5, 5, 7, 5, 5},        // C D G D E A
    {8, 7, 7, 7, 8, X},        // C E A D G
    {8, 7, 7, 7, 8, 8},        // C E A D G C
    {8, X, X, 9, 10, 10},      // C . . E A D
    {X, X, 10, 9, 10, 10},     // C E A D
    {10, 10, 10, 12, 10, 12},  // D G C G A E
    {X, 15, 12, 14, 13, 12},   // C D A C E
}};

// C maj7, key window: 1 3 5 7; may leave out 5
constexpr std::array<Frets, 9> kShapes_ly_maj7{{
    {X, 3, 2, 4, 1, X},      // C E B C
    {X, 3, 2, 4, X, 3},      // C E B . G
    {X, 3, 5, 4, 5, 3},      // C G B E G
    {8, X, 5, 5, 5, 7},      // C . G C E B
    {8, 7, X, X, 8, 7},      // C E . . G B
    {8, X, 9, 9, 8, X},      // C . B E G
    {X, X, 10, 9, 12, X},    // C E B
    {X, X, 10, 12, 12, 12},  // C G B E
    {X, 15, X, 12, 12, 12},  // C . G B E
}};

// C maj7/6, key window: 1 3 5 6 7; may leave out 5
constexpr std::array<Frets, 9> kShapes_ly_maj7_6{{
    {X, 2, 2, 2, 1, X},      // B E A C
    {X, 3, 2, 4, X, 5},      // C E B . A
    {X, 3, X, 4, 5, 5},      // C . B E A
    {8, X, 7, 5, 5, 7},      // C . A C E B
    {8, 7, 7, 9, 8, 7},      // C E A E G B
    {8, X, 9, 9, 10, X},     // C . B E A
    {X, 12, 10, 9, 12, X},   // A C E B
    {X, 12, 10, X, 12, 12},  // A C . B E
    {X, 15, X, 14, 12, 12},  // C . A B E
}};

// C 7th, key window: 1 3 5 b7; may leave out 5
constexpr std::array<Frets, 9> kShapes_ly_7th{{
    {X, 3, 2, 3, X, 3},      // C E Bb . G
    {X, 3, 5, 3, 5, 3},      // C G Bb E G
    {8, X, 5, 5, 5, 6},      // C . G C E Bb
    {8, 7, X, X, 8, 6},      // C E . . G Bb
    {8, 7, 8, X, 8, X},      // C E Bb . G
    {8, 10, 8, 9, 8, 8},     // C G Bb E G C
    {X, X, 10, 9, 11, X},    // C E Bb
    {X, X, 10, 12, 11, 12},  // C G Bb E
    {X, 15, X, 15, X, 12},   // C . Bb . E
}};

// C 7/6, key window: 1 3 5 6 b7; may leave out 5
constexpr std::array<Frets, 9> kShapes_ly_7_6{{
    {X, 1, 2, 2, 1, 3},       // Bb E A C G
    {X, 3, 2, 3, X, 5},       // C E Bb . A
    {X, 3, 5, 3, 5, 5},       // C G Bb E A
    {8, X, 8, 5, 5, 5},       // C . Bb C E A
    {8, 7, 7, X, X, 6},       // C E A . . Bb
    {8, 7, 8, X, 10, X},      // C E Bb . A
    {8, 10, 8, 9, 10, 8},     // C G Bb E A C
    {X, 13, 10, 12, 10, 12},  // Bb C G A E
    {12, 12, X, 15, 13, 15},  // E A . Bb C G
}};

// C 7/11, key window: 1 3 5 b7 11; may leave out 5
constexpr std::array<Frets, 9> kShapes_ly_7_11{{
    {X, 3, 2, 3, 1, 1},      // C E Bb C F
    {X, 3, 3, 3, 5, 3},      // C F Bb E G
    {8, 8, 5, 5, 5, 6},      // C F G C E Bb
    {8, 7, X, X, 6, 6},      // C E . . F Bb
    {8, 7, 8, 10, X, X},     // C E Bb F
    {8, 8, 8, 9, 8, 8},      // C F Bb E G C
    {8, 8, 8, 9, 8, X},      // C F Bb E G
    {X, X, 10, 10, 11, 12},  // C F Bb E
    {X, 15, 15, 15, X, 12},  // C F Bb . E
}};

// C 7/6/11, key window: 1 3 5 6 b7 11; may leave out 1 5
constexpr std::array<Frets, 9> kShapes_ly_7_6_11{{
    {1, 1, 2, 2, 1, 3},        // F Bb E A C G
    {X, 3, 3, 3, 5, 5},        // C F Bb E A
    {8, 8, 8, 5, 5, 5},        // C F Bb C E A
    {8, 7, 7, X, 6, 6},        // C E A . F Bb
    {X, 7, 8, 10, 10, X},      // E Bb F A
    {8, 8, 8, 9, 10, 8},       // C F Bb E A C
    {X, 13, 10, 10, 10, 12},   // Bb C F A E
    {12, 12, X, X, 11, 13},    // E A . . Bb F
    {12, 12, 15, 15, 13, 12},  // E A F Bb C E
}};

// C 7sus4/6, key window: 1 4 5 6 b7; may leave out 5
constexpr std::array<Frets, 9> kShapes_ly_7sus4_6{{
    {1, 1, 3, 2, 1, 3},       // F Bb F A C G
    {X, 3, 5, 3, 6, 5},       // C G Bb F A
    {X, 3, 3, 3, X, 5},       // C F Bb . A
    {8, X, 8, 5, 6, 5},       // C . Bb C F A
    {8, X, 7, X, 6, 6},       // C . A . F Bb
    {8, 10, 8, 10, 10, 8},    // C G Bb F A C
    {8, 10, 8, 10, 10, X},    // C G Bb F A
    {X, 13, 10, 12, 10, 13},  // Bb C G A F
    {X, 12, 15, 15, 13, X},   // A F Bb C
}};

// C 9th, key window: 1 3 5 b7 9; may leave out 5
constexpr std::array<Frets, 9> kShapes_ly_9th{{
    {X, 3, 2, 3, 3, X},       // C E Bb D
    {8, 5, 5, 5, 5, 6},       // C D G C E Bb
    {8, 7, X, 7, X, 6},       // C E . D . Bb
    {8, 7, 8, 7, 8, X},       // C E Bb D G
    {8, 10, 8, 9, 8, 10},     // C G Bb E G D
    {8, 10, 8, 9, X, 10},     // C G Bb E . D
    {X, X, 10, 9, 11, 10},    // C E Bb D
    {10, 10, 10, X, 11, 12},  // D G C . Bb E
    {X, 15, 12, 15, 13, 12},  // C D Bb C E
}};

// C 11th, key window: 1 3 5 b7 9 11; may leave out 1 5 9
constexpr std::array<Frets, 9> kShapes_ly_11th{{
    {X, 3, 2, 3, 1, 1},      // C E Bb C F
    {X, 3, 3, 3, 5, 3},      // C F Bb E G
    {8, 8, 5, 5, 5, 6},      // C F G C E Bb
    {8, 7, X, 7, 6, 6},      // C E . D F Bb
    {8, 7, 8, 10, X, X},     // C E Bb F
    {8, 8, 8, 9, 8, 10},     // C F Bb E G D
    {X, X, 10, 10, 11, 12},  // C F Bb E
    {12, X, X, 12, 11, 13},  // E . . G Bb F
    {X, 15, 15, 15, X, 12},  // C F Bb . E
}};

// C 11/13, key window: 1 3 5 b7 9 11 13; may leave out 1 5 9 11
constexpr std::array<Frets, 9> kShapes_ly_11_13{{
    {1, 1, 2, 2, 1, 3},        // F Bb E A C G
    {X, 3, 2, 3, X, 5},        // C E Bb . A
    {X, 3, 3, 3, 5, 5},        // C F Bb E A
    {8, 5, 8, 5, 5, 5},        // C D Bb C E A
    {8, 7, 7, X, 6, 6},        // C E A . F Bb
    {8, 7, 8, 7, 10, X},       // C E Bb D A
    {8, 8, 8, 9, 10, 10},      // C F Bb E A D
    {10, 13, 10, 10, 10, 12},  // D Bb C F A E
    {12, 12, 12, 15, 13, 13},  // E A D Bb C F
}};

// C 13th, key window: 1 3 5 b7 9 13; may leave out 1 5 9
constexpr std::array<Frets, 9> kShapes_ly_13th{{
    {X, 1, 2, 2, 1, 3},        // Bb E A C G
    {X, 3, 2, 3, X, 5},        // C E Bb . A
    {X, 3, 5, 3, 5, 5},        // C G Bb E A
    {8, 5, 8, 5, 5, 5},        // C D Bb C E A
    {8, 7, 7, X, X, 6},        // C E A . . Bb
    {8, 7, 8, 7, 10, X},       // C E Bb D A
    {8, 10, 8, 9, 10, 8},      // C G Bb E A C
    {10, 13, 10, 12, 10, 12},  // D Bb C G A E
    {12, 12, 12, 15, 13, 15},  // E A D Bb C G
}};

// C 13sus4, key window: 1 4 5 b7 9 13; may leave out 1 5 9
constexpr std::array<Frets, 9> kShapes_ly_13sus4{{
    {1, 1, 3, 2, 1, 3},        // F Bb F A C G
    {X, 3, 3, 3, 3, 5},        // C F Bb D A
    {8, 5, 8, 5, 6, 5},        // C D Bb C F A
    {8, X, 7, 7, 6, 6},        // C . A D F Bb
    {X, 8, 8, 7, 10, X},       // F Bb D A
    {8, 8, 8, X, 10, 10},      // C F Bb . A D
    {10, 13, 10, 12, 10, 13},  // D Bb C G A F
    {X, 12, X, 12, 11, 13},    // A . G Bb F
    {X, 12, 12, 15, 13, 13},   // A D Bb C F
}};

// C Dim, key window: 1 b3 b5
constexpr std::array<Frets, 9> kShapes_ly_dim{{
    {X, 3, 1, X, X, 2},     // C Eb . . Gb
    {X, 3, X, X, 4, 2},     // C . . Eb Gb
    {X, 3, 4, X, 4, X},     // C Gb . Eb
    {X, X, 4, 5, 4, X},     // Gb C Eb
    {8, 6, X, 5, 7, X},     // C Eb . C Gb
    {8, 6, X, X, 7, X},     // C Eb . . Gb
    {8, X, X, 8, 7, X},     // C . . Eb Gb
    {8, 9, X, 8, X, X},     // C Gb . Eb
    {X, X, 10, 11, X, 11},  // C Gb . Eb
}};

// C m7b5, key window: 1 b3 b5 b7
constexpr std::array<Frets, 9> kShapes_ly_m7b5{{
    {X, 3, 1, 3, 1, 2},      // C Eb Bb C Gb
    {X, 3, X, 3, 4, 2},      // C . Bb Eb Gb
    {X, 3, 4, 3, 4, X},      // C Gb Bb Eb
    {X, X, 4, 5, 4, 6},      // Gb C Eb Bb
    {8, 6, 8, X, 7, X},      // C Eb Bb . Gb
    {8, X, 8, 8, 7, X},      // C . Bb Eb Gb
    {8, 9, 8, 8, X, X},      // C Gb Bb Eb
    {X, X, 10, 11, 11, 11},  // C Gb Bb Eb
    {X, 13, X, 11, 13, 11},  // Bb . Gb C Eb
}};

const std::array<DiagramSet, 89> kSets{{
    {"20", "major", "C", kMajorFull, kMajorRoots},
    {"21", "add9", "C", kAdd9Full, kAdd9Roots},
    {"a", "major", "C", kMajorShort, {}},
    {"b", "add9", "C", kAdd9Short, {}},
    {"n", "minor", "D", kMinor, {}},
    {"o", "madd9", "D", kMinorAdd9, {}},
    {"q", "m7", "E", kMinor7, {}},
    {"pt_6th", "6th", "C", kShapes_6th, kRoots_6th},
    {"pt_6-9", "6-9", "C", kShapes_6_9, kRoots_6_9},
    {"pt_maj7", "maj7", "C", kShapes_maj7, kRoots_maj7},
    {"pt_maj7-6", "maj7-6", "C", kShapes_maj7_6, kRoots_maj7_6},
    {"pt_maj7b3", "maj7b3", "C", kShapes_maj7b3, kRoots_maj7b3},
    {"pt_maj9", "maj9", "C", kShapes_maj9, kRoots_maj9},
    {"pt_maj13", "maj13", "C", kShapes_maj13, kRoots_maj13},
    {"pt_minor", "minor", "C", kShapes_minor, kRoots_minor},
    {"pt_madd4", "madd4", "C", kShapes_madd4, kRoots_madd4},
    {"pt_madd9", "madd9", "C", kShapes_madd9, kRoots_madd9},
    {"pt_m6", "m6", "C", kShapes_m6, kRoots_m6},
    {"pt_m6-9", "m6-9", "C", kShapes_m6_9, kRoots_m6_9},
    {"pt_m7", "m7", "C", kShapes_m7, kRoots_m7},
    {"pt_m7b5", "m7b5", "C", kShapes_m7b5, kRoots_m7b5},
    {"pt_m7b9", "m7b9", "C", kShapes_m7b9, kRoots_m7b9},
    {"pt_m7-11", "m7-11", "C", kShapes_m7_11, kRoots_m7_11},
    {"pt_m9", "m9", "C", kShapes_m9, kRoots_m9},
    {"pt_m9maj7", "m9maj7", "C", kShapes_m9maj7, kRoots_m9maj7},
    {"pt_m11", "m11", "C", kShapes_m11, kRoots_m11},
    {"pt_m13", "m13", "C", kShapes_m13, kRoots_m13},
    {"pt_sus", "sus", "C", kShapes_sus, kRoots_sus},
    {"pt_sus2", "sus2", "C", kShapes_sus2, kRoots_sus2},
    {"pt_sus2-6", "sus2-6", "C", kShapes_sus2_6, kRoots_sus2_6},
    {"pt_sus4", "sus4", "C", kShapes_sus, kRoots_sus},
    {"pt_sus4-6", "sus4-6", "C", kShapes_sus4_6, kRoots_sus4_6},
    {"pt_sus4-9", "sus4-9", "C", kShapes_sus4_9, kRoots_sus4_9},
    {"pt_7th", "7th", "C", kShapes_7th, kRoots_7th},
    {"pt_7-6", "7-6", "C", kShapes_7_6, kRoots_7_6},
    {"pt_7-11", "7-11", "C", kShapes_7_11, kRoots_7_11},
    {"pt_7-6-11", "7-6-11", "C", kShapes_7_6_11, kRoots_7_6_11},
    {"pt_7sus2", "7sus2", "C", kShapes_7sus2, kRoots_7sus2},
    {"pt_7sus4", "7sus4", "C", kShapes_7sus4, kRoots_7sus4},
    {"pt_7sus4-6", "7sus4-6", "C", kShapes_7sus4_6, kRoots_7sus4_6},
    {"pt_7aug5", "7aug5", "C", kShapes_7aug5, kRoots_7aug5},
    {"pt_7dim5", "7dim5", "C", kShapes_7dim5, kRoots_7dim5},
    {"pt_7aug9", "7aug9", "C", kShapes_7aug9, kRoots_7aug9},
    {"pt_7b9", "7b9", "C", kShapes_7b9, kRoots_7b9},
    {"pt_7b9aug5", "7b9aug5", "C", kShapes_7b9aug5, kRoots_7b9aug5},
    {"pt_9th", "9th", "C", kShapes_9th, kRoots_9th},
    {"pt_9dim5", "9dim5", "C", kShapes_9dim5, kRoots_9dim5},
    {"pt_9aug5", "9aug5", "C", kShapes_9aug5, kRoots_9aug5},
    {"pt_9aug11", "9aug11", "C", kShapes_9aug11, kRoots_9aug11},
    {"pt_11th", "11th", "C", kShapes_11th, kRoots_11th},
    {"pt_11-13", "11-13", "C", kShapes_11_13, kRoots_11_13},
    {"pt_13th", "13th", "C", kShapes_13th, kRoots_13th},
    {"pt_13b9", "13b9", "C", kShapes_13b9, kRoots_13b9},
    {"pt_13b9b5", "13b9b5", "C", kShapes_13b9b5, kRoots_13b9b5},
    {"pt_13sus4", "13sus4", "C", kShapes_13sus4, kRoots_13sus4},
    {"pt_dim", "dim", "C", kShapes_dim, kRoots_dim},
    {"pt_dim5", "dim5", "C", kShapes_dim5, kRoots_dim5},
    {"pt_aug", "aug", "C", kShapes_aug, kRoots_aug},
    {"ly_maj9", "maj9", "C", kShapes_ly_maj9, {}},
    {"ly_maj13", "maj13", "C", kShapes_ly_maj13, {}},
    {"ly_sus2", "sus2", "C", kShapes_ly_sus2, {}},
    {"ly_sus2-6", "sus2-6", "C", kShapes_ly_sus2_6, {}},
    {"ly_sus4", "sus4", "C", kShapes_ly_sus4, {}},
    {"ly_sus4-6", "sus4-6", "C", kShapes_ly_sus4_6, {}},
    {"ly_sus4-9", "sus4-9", "C", kShapes_ly_sus4_9, {}},
    {"ly_m6", "m6", "C", kShapes_ly_m6, {}},
    {"ly_m6-9", "m6-9", "C", kShapes_ly_m6_9, {}},
    {"ly_m7-11", "m7-11", "C", kShapes_ly_m7_11, {}},
    {"ly_m9", "m9", "C", kShapes_ly_m9, {}},
    {"ly_m11", "m11", "C", kShapes_ly_m11, {}},
    {"ly_7sus2", "7sus2", "C", kShapes_ly_7sus2, {}},
    {"ly_7sus4", "7sus4", "C", kShapes_ly_7sus4, {}},
    {"ly_m7b9", "m7b9", "C", kShapes_ly_m7b9, {}},
    {"ly_6th", "6th", "C", kShapes_ly_6th, {}},
    {"ly_6-9", "6-9", "C", kShapes_ly_6_9, {}},
    {"ly_maj7", "maj7", "C", kShapes_ly_maj7, {}},
    {"ly_maj7-6", "maj7-6", "C", kShapes_ly_maj7_6, {}},
    {"ly_7th", "7th", "C", kShapes_ly_7th, {}},
    {"ly_7-6", "7-6", "C", kShapes_ly_7_6, {}},
    {"ly_7-11", "7-11", "C", kShapes_ly_7_11, {}},
    {"ly_7-6-11", "7-6-11", "C", kShapes_ly_7_6_11, {}},
    {"ly_7sus4-6", "7sus4-6", "C", kShapes_ly_7sus4_6, {}},
    {"ly_9th", "9th", "C", kShapes_ly_9th, {}},
    {"ly_11th", "11th", "C", kShapes_ly_11th, {}},
    {"ly_11-13", "11-13", "C", kShapes_ly_11_13, {}},
    {"ly_13th", "13th", "C", kShapes_ly_13th, {}},
    {"ly_13sus4", "13sus4", "C", kShapes_ly_13sus4, {}},
    {"ly_dim", "dim", "C", kShapes_ly_dim, {}},
    {"ly_m7b5", "m7b5", "C", kShapes_ly_m7b5, {}},
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

bool chosenPerRoot(const DiagramSet& set) {
    const std::string_view dir = set.dir;
    return dir.rfind("pt_", 0) == 0 || dir.rfind("ly_", 0) == 0;
}

int lowestFret(const Frets& frets) {
    int lowest = 0;
    for (int f : frets)
        if (f > 0 && (lowest == 0 || f < lowest)) lowest = f;
    return lowest;
}

std::optional<Barre> barreOf(const Frets& frets) {
    const int fret = lowestFret(frets);
    if (fret == 0) return std::nullopt;
    int first = -1, last = -1;
    for (int s = 0; s < 6; ++s) {
        if (frets[s] != fret) continue;
        if (first < 0) first = s;
        last = s;
    }
    if (first == last) return std::nullopt;
    for (int s = first; s <= last; ++s)
        if (frets[s] <= 0) return std::nullopt;
    return Barre{fret, first, last};
}

int fingersNeeded(const Frets& frets) {
    const int fretted =
        static_cast<int>(std::count_if(frets.begin(), frets.end(), [](int f) { return f > 0; }));
    const auto barre = barreOf(frets);
    if (!barre) return fretted;
    const int held = static_cast<int>(std::count(frets.begin(), frets.end(), barre->fret));
    return fretted - held + 1;
}

}  // namespace theory
