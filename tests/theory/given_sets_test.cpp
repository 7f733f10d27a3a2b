#include "theory/given_sets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <set>
#include <string>
#include <vector>

#include "../support/grip_oracle.h"
#include "theory/chord_types.h"
#include "theory/notes.h"

namespace {

using theory::Frets;

constexpr int X = -1;

// ---- Pitch arithmetic, independent of the library's own helpers ----------

// Semitones per formula symbol come from the tests' own table, not the library.
using testing_support::semitones;

struct Tones {
    unsigned allowed = 0;   // pitch classes above the root a shape may sound
    unsigned required = 0;  // ones it must sound
};

bool formulaHas(const theory::ChordType& type, std::string_view symbol) {
    for (int i = 0; i < type.size(); ++i)
        if (type.formula[i] == symbol) return true;
    return false;
}

// Tones a voicing may leave out: the plain fifth once the chord has four
// notes, a ninth under an eleventh or thirteenth, an eleventh under a
// thirteenth, and the root once the chord has six notes. Altered tones and
// the third, sixth, seventh and fourth always stay.
bool mayLeaveOut(const theory::ChordType& type, std::string_view symbol) {
    const int n = type.size();
    if (symbol == "5") return n >= 4;
    if (symbol == "1") return n >= 6;
    if (symbol == "9") return formulaHas(type, "11") || formulaHas(type, "13");
    if (symbol == "11") return formulaHas(type, "13");
    return false;
}

Tones tonesOf(std::string_view chordKey) {
    const theory::ChordType* type = theory::chordTypeByKey(chordKey);
    Tones t;
    if (!type) return t;
    for (int i = 0; i < type->size(); ++i) {
        const int st = semitones(type->formula[i]);
        t.allowed |= 1u << st;
        if (!mayLeaveOut(*type, type->formula[i])) t.required |= 1u << st;
    }
    return t;
}

// Pitch classes of the open strings in standard tuning, E A D G B E.
constexpr int kOpenStrings[6] = {4, 9, 2, 7, 11, 4};

unsigned soundedTones(const Frets& f, int root) {
    unsigned tones = 0;
    for (int s = 0; s < 6; ++s)
        if (f[s] >= 0) tones |= 1u << (((kOpenStrings[s] + f[s] - root) % 12 + 12) % 12);
    return tones;
}

int soundingStrings(const Frets& f) {
    return static_cast<int>(std::count_if(f.begin(), f.end(), [](int v) { return v >= 0; }));
}

int minFretted(const Frets& f) {
    int m = 0;
    for (int v : f)
        if (v > 0 && (m == 0 || v < m)) m = v;
    return m;
}

int maxFretted(const Frets& f) {
    return *std::max_element(f.begin(), f.end());
}

// One finger per fretted string, except that the lowest fret held on two or
// more strings may be one barre finger, provided nothing between its ends is
// muted or open.
int fingers(const Frets& f) {
    const int lo = minFretted(f);
    int fretted = 0, atLo = 0, first = -1, last = -1;
    for (int s = 0; s < 6; ++s) {
        if (f[s] > 0) ++fretted;
        if (lo > 0 && f[s] == lo) {
            ++atLo;
            if (first < 0) first = s;
            last = s;
        }
    }
    if (atLo < 2) return fretted;
    for (int s = first; s <= last; ++s)
        if (f[s] <= 0) return fretted;
    return fretted - atLo + 1;
}

// Every rule a gallery shape obeys; empty when it obeys them all.
std::string_view galleryFault(const Frets& f, const Tones& t, int root) {
    if (t.required == 0) return "unknown chord type";
    const unsigned sounded = soundedTones(f, root);
    if (sounded & ~t.allowed) return "sounds a note outside the chord";
    if ((sounded & t.required) != t.required) return "misses a chord tone";
    if (std::find(f.begin(), f.end(), 0) != f.end()) return "has an open string";
    if (soundingStrings(f) < 3) return "sounds fewer than three strings";
    if (maxFretted(f) - minFretted(f) > 3) return "spans more than four frets";
    if (fingers(f) > 4) return "needs more than four fingers";
    return {};
}

std::string_view galleryFault(const Frets& f, std::string_view chordKey, int root) {
    return galleryFault(f, tonesOf(chordKey), root);
}

// First-position diagrams may use open strings but stay within frets 0..4.
std::string_view rootDiagramFault(const Frets& f, const Tones& t, int root) {
    if (t.required == 0) return "unknown chord type";
    const unsigned sounded = soundedTones(f, root);
    if (sounded & ~t.allowed) return "sounds a note outside the chord";
    if ((sounded & t.required) != t.required) return "misses a chord tone";
    for (int v : f)
        if (v > 4) return "leaves first position";
    if (soundingStrings(f) < 3) return "sounds fewer than three strings";
    if (fingers(f) > 4) return "needs more than four fingers";
    return {};
}

std::string_view rootDiagramFault(const Frets& f, std::string_view chordKey, int root) {
    return rootDiagramFault(f, tonesOf(chordKey), root);
}

// How the programs list a base fret: one above the twelfth reads twelve lower.
int listedFret(int fret) {
    return fret > 12 ? fret - 12 : fret;
}

Frets transposed(Frets f, int semitones) {
    for (int& v : f)
        if (v > 0) v += semitones;
    return f;
}

std::string text(const Frets& f) {
    std::string s;
    for (int v : f) s += (v < 0 ? std::string("x") : std::to_string(v)) + ' ';
    return s;
}

// ---- The checker itself catches each fault --------------------------------

struct BadShape {
    Frets frets;
    const char* chord;
    int root;
    const char* fault;
};

TEST(VoicingRules, CheckerRejectsEachKindOfFault) {
    const std::vector<BadShape> cases{
        {{X, 3, 2, X, 1, 1}, "major", 0, "sounds a note outside the chord"},  // C# on top
        {{X, 3, 5, 5, X, X}, "major", 0, "misses a chord tone"},              // no E
        {{X, 3, 2, 0, 1, 0}, "major", 0, "has an open string"},
        {{X, X, X, 5, 5, X}, "major", 0, "misses a chord tone"},
        {{X, X, 10, 9, X, X}, "major", 0, "misses a chord tone"},
        {{X, 3, 2, 5, 5, 3}, "major", 0, "needs more than four fingers"},
        {{3, 3, X, 5, 5, 3},
         "major",
         0,
         "needs more than four fingers"},  // barre over a muted string
        {{8, 7, 5, 5, 9, 8}, "major", 0, "sounds a note outside the chord"},
        {{X, 15, 14, 12, 13, 12},
         "major",
         2,
         "sounds a note outside the chord"},                                  // C shape, D root
        {{X, 3, 2, X, 3, 3}, "major", 0, "sounds a note outside the chord"},  // add9 is not major
        {{X, X, 10, 9, X, X}, "add9", 0, "misses a chord tone"},
        {{X, 7, 5, X, 5, 8}, "madd9", 2, "sounds a note outside the chord"},
        {{X, 5, 3, X, 3, X}, "minor", 2, "misses a chord tone"},
        {{X, 3, 2, X, 1, 14}, "major", 0, "sounds a note outside the chord"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(text(c.frets));
        EXPECT_EQ(galleryFault(c.frets, c.chord, c.root), c.fault);
    }
    // Wide but otherwise sound: the span rule alone must catch it.
    EXPECT_EQ(galleryFault({X, 3, 2, X, 1, 15}, "major", 0), "spans more than four frets");
    EXPECT_EQ(galleryFault({X, 3, 2, X, 1, 3}, "major", 0), "");
    EXPECT_EQ(rootDiagramFault({X, 3, 5, 5, 5, 3}, "major", 0), "leaves first position");
    EXPECT_EQ(rootDiagramFault({X, 3, 2, 0, 1, 0}, "major", 0), "");
}

// ---- Which tones a voicing may leave out -----------------------------------

TEST(VoicingRules, IntervalTableAgreesWithTheLibrary) {
    for (const auto& type : theory::kChordTypes) {
        for (int i = 0; i < type.size(); ++i) {
            const int position = theory::rowPosition(type.formula[i]);
            SCOPED_TRACE(std::string(type.key) + ' ' + type.formula[i]);
            ASSERT_GE(position, 0);
            EXPECT_EQ(semitones(type.formula[i]), theory::kRowSemitones[position]);
        }
    }
}

struct Omissions {
    const char* key;
    std::vector<std::string> optional;  // formula order
};

TEST(VoicingRules, EachChordTypeMayLeaveOutExactlyTheseTones) {
    const std::vector<Omissions> table{
        {"major", {}},
        {"add9", {"5"}},
        {"6th", {"5"}},
        {"6-9", {"5"}},
        {"maj7", {"5"}},
        {"maj7-6", {"5"}},
        {"maj7b3", {"5"}},
        {"maj9", {"5"}},
        {"maj13", {"1", "5", "9"}},
        {"minor", {}},
        {"madd4", {"5"}},
        {"madd9", {"5"}},
        {"m6", {"5"}},
        {"m6-9", {"5"}},
        {"m7", {"5"}},
        {"m7b5", {}},
        {"m7b9", {"5"}},
        {"m7-11", {"5"}},
        {"m9", {"5"}},
        {"m9maj7", {"5"}},
        {"m11", {"1", "5", "9"}},
        {"m13", {"1", "5", "9"}},
        {"sus", {}},
        {"sus2", {}},
        {"sus2-6", {"5"}},
        {"sus4", {}},
        {"sus4-6", {"5"}},
        {"sus4-9", {"5"}},
        {"7th", {"5"}},
        {"7-6", {"5"}},
        {"7-11", {"5"}},
        {"7-6-11", {"1", "5"}},
        {"7sus2", {"5"}},
        {"7sus4", {"5"}},
        {"7sus4-6", {"5"}},
        {"7aug5", {}},
        {"7dim5", {}},
        {"7aug9", {"5"}},
        {"7b9", {"5"}},
        {"7b9aug5", {}},
        {"9th", {"5"}},
        {"9dim5", {}},
        {"9aug5", {}},
        {"9aug11", {"1", "5"}},
        {"11th", {"1", "5", "9"}},
        {"11-13", {"1", "5", "9", "11"}},
        {"13th", {"1", "5", "9"}},
        {"13b9", {"1", "5"}},
        {"13b9b5", {"1"}},
        {"13sus4", {"1", "5", "9"}},
        {"dim", {}},
        {"dim5", {}},
        {"aug", {}},
    };
    ASSERT_EQ(table.size(), theory::kChordTypes.size());
    for (size_t i = 0; i < table.size(); ++i) {
        const auto& type = theory::kChordTypes[i];
        SCOPED_TRACE(type.key);
        EXPECT_STREQ(table[i].key, type.key);
        std::vector<std::string> optional;
        for (int k = 0; k < type.size(); ++k)
            if (mayLeaveOut(type, type.formula[k])) optional.emplace_back(type.formula[k]);
        EXPECT_EQ(optional, table[i].optional);
    }
}

TEST(VoicingRules, ShapesMayDropOnlyTheTonesTheirChordAllows) {
    const std::vector<BadShape> cases{
        {{X, 3, 2, 4, X, X}, "maj7", 0, ""},                       // C E B, no fifth
        {{X, 3, 2, X, 1, X}, "major", 0, "misses a chord tone"},   // a triad keeps its fifth
        {{X, 3, 1, 4, X, X}, "maj7b3", 0, ""},                     // C Eb B
        {{X, X, 2, 3, 5, 5}, "13th", 0, ""},                       // E Bb E A: no 1, 5 or 9
        {{X, X, 2, 3, 5, 5}, "11-13", 0, ""},                      // no 11 under the 13
        {{X, X, 2, 3, 5, 5}, "13b9", 0, "misses a chord tone"},    // the b9 stays
        {{X, X, 2, 3, X, 3}, "7th", 0, "misses a chord tone"},     // a seventh chord keeps its root
        {{X, X, 2, 3, X, 1}, "11th", 0, ""},                       // E Bb . F
        {{X, 3, 2, 3, X, 2}, "9aug11", 0, "misses a chord tone"},  // the 9 stays beside #11
        {{X, 3, 2, 3, 3, 2}, "9aug11", 0, ""},                     // C E Bb D F#
        {{X, 3, 1, 3, X, X}, "m7b5", 0, "misses a chord tone"},    // the b5 stays
        {{X, 3, 2, 3, X, 4}, "7aug5", 0, ""},                      // C E Bb . G#
        {{X, 3, 2, 3, X, 3}, "7aug5", 0, "sounds a note outside the chord"},
        {{X, 3, 3, 3, X, 5}, "13sus4", 0, ""},                                 // C F Bb . A
        {{X, 3, 2, 3, X, 5}, "13sus4", 0, "sounds a note outside the chord"},  // E
        {{X, X, X, 5, 4, 2}, "dim", 0, ""},                                    // C Eb F#
        {{X, X, 4, 5, 4, 8}, "dim", 0, "spans more than four frets"},          // F# C Eb C
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.chord) + ": " + text(c.frets));
        EXPECT_EQ(galleryFault(c.frets, c.chord, c.root), c.fault);
    }
}

// ---- Library helpers --------------------------------------------------------

struct HelperCase {
    Frets frets;
    int lowest;
    int barreFret;  // 0 for none
    int barreFirst;
    int barreLast;
    int fingers;
};

TEST(VoicingHelpers, LowestFretBarreAndFingers) {
    const std::vector<HelperCase> cases{
        {{X, X, X, X, X, X}, 0, 0, 0, 0, 0},
        {{0, 2, 2, 1, 0, 0}, 1, 0, 0, 0, 3},
        {{8, 10, 10, 9, 8, 8}, 8, 8, 0, 5, 4},
        {{X, 3, 5, 5, 5, 3}, 3, 3, 1, 5, 4},
        {{X, X, 10, 9, 8, 8}, 8, 8, 4, 5, 3},
        {{3, 5, X, 4, 5, 3}, 3, 0, 0, 0, 5},  // muted D string under the barre
        {{X, 1, 0, 3, 1, 1}, 1, 0, 0, 0, 4},  // open D string under the barre
        {{X, 15, 14, 12, 13, 12}, 12, 12, 3, 5, 4},
        {{X, 8, 7, 7, 6, X}, 6, 0, 0, 0, 4},  // the repeated fret is not the lowest
        {{X, X, 0, 2, 3, 2}, 2, 2, 3, 5, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(text(c.frets));
        EXPECT_EQ(theory::lowestFret(c.frets), c.lowest);
        const auto barre = theory::barreOf(c.frets);
        if (c.barreFret == 0) {
            EXPECT_FALSE(barre.has_value());
        } else {
            ASSERT_TRUE(barre.has_value());
            EXPECT_EQ(barre->fret, c.barreFret);
            EXPECT_EQ(barre->firstString, c.barreFirst);
            EXPECT_EQ(barre->lastString, c.barreLast);
        }
        EXPECT_EQ(theory::fingersNeeded(c.frets), c.fingers);
        EXPECT_EQ(theory::fingersNeeded(c.frets), fingers(c.frets));
    }
}

// ---- The diagram sets -------------------------------------------------------

struct ExpectedSet {
    const char* dir;
    const char* chordType;
    const char* root;
    std::vector<int> baseFrets;  // as listed, for the set's own root
    std::vector<std::string> rootDiagrams;
};

const std::vector<ExpectedSet>& expectedSets() {
    static const std::vector<ExpectedSet> sets{
        {"20",
         "major",
         "C",
         {1, 2, 3, 5, 5, 7, 7, 8, 8, 8, 8, 8, 8, 9, 10, 10, 12, 12},
         {"C", "D", "E", "G", "A", "As", "Bb", "B"}},
        {"21",
         "add9",
         "C",
         {2, 3, 5, 7, 7, 8, 8, 8, 9, 10, 12},
         {"C", "Cs", "Db", "D", "E", "F", "G", "A", "As", "Bb"}},
        {"a", "major", "C", {3, 5, 5, 8, 8, 10, 10, 12, 12}, {}},
        {"b", "add9", "C", {2, 3, 5, 7, 8, 8, 9, 10, 12}, {}},
        {"n", "minor", "D", {1, 1, 2, 2, 5, 6, 7, 10, 12}, {}},
        {"o", "madd9", "D", {1, 1, 5, 6, 8, 10, 10, 10}, {}},
        {"q", "m7", "E", {3, 4, 5, 7, 8, 12, 12, 2, 2}, {}},
    };
    return sets;
}

TEST(DiagramSets, OnlyTheSevenGivenSetsAreStored) {
    const auto sets = theory::diagramSets();
    ASSERT_EQ(sets.size(), expectedSets().size());
    for (size_t i = 0; i < expectedSets().size(); ++i) {
        const auto& want = expectedSets()[i];
        SCOPED_TRACE(want.dir);
        EXPECT_STREQ(sets[i].dir, want.dir);
        EXPECT_STREQ(sets[i].chordType, want.chordType);
        EXPECT_STREQ(sets[i].chordRoot, want.root);
        EXPECT_EQ(theory::diagramSet(want.dir), &sets[i]);
    }
    for (const auto& set : sets)
        EXPECT_NE(theory::chordTypeByKey(set.chordType), nullptr) << set.dir;
    EXPECT_EQ(theory::diagramSet("c"), nullptr);
    EXPECT_EQ(theory::diagramSet(""), nullptr);
    EXPECT_EQ(theory::diagramSet("200"), nullptr);
    EXPECT_EQ(theory::diagramSet("pt_"), nullptr);
    EXPECT_EQ(theory::diagramSet("pt_major"), nullptr);
    EXPECT_EQ(theory::diagramSet("ly_maj9"), nullptr);  // chosen per root, not stored
}

TEST(DiagramSets, FolderNamesAreUnique) {
    std::set<std::string> dirs;
    for (const auto& set : theory::diagramSets())
        EXPECT_TRUE(dirs.insert(set.dir).second) << set.dir;
}

TEST(DiagramSets, EveryGalleryShapeSoundsItsChordAndIsPlayable) {
    for (const auto& set : theory::diagramSets()) {
        const int root = theory::pitchOf(set.chordRoot);
        ASSERT_GE(root, 0) << set.dir;
        for (size_t i = 0; i < set.shapes.size(); ++i) {
            SCOPED_TRACE(std::string(set.dir) + " shape " + std::to_string(i + 1) + ": " +
                         text(set.shapes[i]));
            EXPECT_EQ(galleryFault(set.shapes[i], set.chordType, root), "");
        }
    }
}

TEST(DiagramSets, ShapesWithinASetAreDistinct) {
    for (const auto& set : theory::diagramSets()) {
        std::set<Frets> seen(set.shapes.begin(), set.shapes.end());
        EXPECT_EQ(seen.size(), set.shapes.size()) << set.dir;
    }
}

TEST(DiagramSets, BaseFretsMatchTheListedFrets) {
    for (const auto& want : expectedSets()) {
        const theory::DiagramSet* set = theory::diagramSet(want.dir);
        ASSERT_NE(set, nullptr) << want.dir;
        std::vector<int> listed;
        for (const auto& shape : set->shapes) listed.push_back(listedFret(minFretted(shape)));
        EXPECT_EQ(listed, want.baseFrets) << want.dir;
        for (const auto& shape : set->shapes)
            EXPECT_EQ(theory::lowestFret(shape), minFretted(shape))
                << want.dir << ' ' << text(shape);
    }
}

// The key window's five original galleries, fret for fret.
TEST(DiagramSets, TheKeyWindowsOriginalShapesAreUnchanged) {
    const std::vector<std::pair<const char*, std::vector<Frets>>> want{
        {"a",
         {{X, 3, 5, 5, 5, 3},
          {8, 7, 5, 5, 5, 8},
          {X, X, 5, 5, 5, 8},
          {8, 10, 10, 9, 8, 8},
          {X, X, 10, 9, 8, 8},
          {X, X, 10, 12, 13, 12},
          {X, 10, 10, 12, 13, 12},
          {X, 15, 14, 12, 13, 12},
          {X, X, 14, 12, 13, 12}}},
        {"b",
         {{X, 3, 2, X, 3, 3},
          {3, 5, X, 5, 5, X},
          {8, 5, 5, 5, 5, 8},
          {8, 7, 10, 7, 8, X},
          {X, X, 10, 9, 8, 10},
          {8, X, X, 9, 8, 10},
          {X, X, 10, 9, X, 10},
          {10, 10, 10, 12, 13, 12},
          {X, 15, 12, 12, 13, 12}}},
        {"n",
         {{X, X, 3, 2, 3, 1},
          {X, X, X, 2, 3, 1},
          {X, 5, 3, 2, 3, X},
          {X, 5, 3, 2, X, X},
          {X, 5, 7, 7, 6, 5},
          {X, 8, 7, 7, 6, X},
          {10, 8, 7, 7, 10, X},
          {10, 12, 12, 10, 10, 10},
          {X, X, 12, 14, 15, 13}}},
        {"o",
         {{X, X, 2, 2, 3, 1},
          {1, X, 2, 2, 3, X},
          {5, 8, 7, 7, 5, 5},
          {X, 7, 7, 7, 6, X},
          {10, 8, X, 9, 10, X},
          {10, 12, 12, 10, 10, 12},
          {X, X, 12, 10, 10, 12},
          {10, 12, 12, 10, X, 12}}},
        {"q",
         {{3, 5, X, 4, 5, X},
          {X, 5, 5, 4, 5, X},
          {X, 7, 5, 7, 5, 7},
          {X, 7, 9, 7, 8, 7},
          {X, X, 9, 9, 8, 10},
          {12, 14, 12, 12, 12, 12},
          {12, 14, 14, 12, 15, 12},
          {X, X, 14, 16, 15, 15},
          {X, 14, 14, 16, 15, 15}}},
    };
    for (const auto& [dir, shapes] : want) {
        const theory::DiagramSet* set = theory::diagramSet(dir);
        ASSERT_NE(set, nullptr) << dir;
        EXPECT_EQ(std::vector<Frets>(set->shapes.begin(), set->shapes.end()), shapes) << dir;
    }
}

TEST(DiagramSets, MinorShapesServeEMinorTwoFretsHigher) {
    const theory::DiagramSet* set = theory::diagramSet("n");
    ASSERT_NE(set, nullptr);
    const int up = (theory::pitchOf("E") - theory::pitchOf(set->chordRoot) + 12) % 12;
    ASSERT_EQ(up, 2);
    std::vector<int> listed;
    for (const auto& shape : set->shapes) {
        const Frets e = transposed(shape, up);
        SCOPED_TRACE(text(e));
        EXPECT_EQ(galleryFault(e, "minor", theory::pitchOf("E")), "");
        listed.push_back(listedFret(minFretted(e)));
    }
    EXPECT_EQ(listed, (std::vector<int>{3, 3, 4, 4, 7, 8, 9, 12, 2}));
}

TEST(DiagramSets, MinorSeventhShapesAboveTheTwelfthAreStoredAtTheirRealFrets) {
    const theory::DiagramSet* set = theory::diagramSet("q");
    ASSERT_NE(set, nullptr);
    ASSERT_EQ(set->shapes.size(), 9u);
    for (size_t i = 7; i < 9; ++i) {
        EXPECT_EQ(theory::lowestFret(set->shapes[i]), 14);
        EXPECT_EQ(listedFret(theory::lowestFret(set->shapes[i])), 2);
    }
}

TEST(DiagramSets, RootDiagramsSoundTheirChordInFirstPosition) {
    for (const auto& set : theory::diagramSets()) {
        for (const auto& d : set.rootDiagrams) {
            const int root = theory::pitchOf(d.root);
            SCOPED_TRACE(std::string(set.dir) + ' ' + d.root + ": " + text(d.frets));
            ASSERT_GE(root, 0);
            EXPECT_EQ(rootDiagramFault(d.frets, set.chordType, root), "");
        }
    }
    for (const auto& want : expectedSets()) {
        const theory::DiagramSet* set = theory::diagramSet(want.dir);
        ASSERT_NE(set, nullptr);
        std::vector<std::string> names;
        for (const auto& d : set->rootDiagrams) names.emplace_back(d.root);
        EXPECT_EQ(names, want.rootDiagrams) << want.dir;
    }
}

TEST(DiagramSets, EnharmonicRootsShareOneDiagram) {
    const std::vector<std::pair<const char*, const char*>> pairs{
        {"Cs", "Db"}, {"Ds", "Eb"}, {"Fs", "Gb"}, {"Gs", "Ab"}, {"As", "Bb"}};
    for (const auto& set : theory::diagramSets()) {
        for (const auto& [sharp, flat] : pairs) {
            const theory::RootDiagram *a = nullptr, *b = nullptr;
            for (const auto& d : set.rootDiagrams) {
                if (std::string_view(d.root) == sharp) a = &d;
                if (std::string_view(d.root) == flat) b = &d;
            }
            ASSERT_EQ(a == nullptr, b == nullptr) << set.dir << ' ' << sharp;
            if (a) {
                EXPECT_EQ(a->frets, b->frets) << set.dir << ' ' << sharp;
            }
        }
    }
}

}  // namespace
