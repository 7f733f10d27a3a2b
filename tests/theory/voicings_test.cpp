#include "theory/voicings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "theory/chord_types.h"
#include "theory/notes.h"

namespace {

using theory::Frets;

constexpr int X = -1;

// ---- Pitch arithmetic, independent of the library's own helpers ----------

int semitones(std::string_view symbol) {
    const int position = theory::rowPosition(symbol);
    return position < 0 ? -1 : theory::kRowSemitones[position];
}

struct Tones {
    unsigned allowed = 0;   // pitch classes above the root a shape may sound
    unsigned required = 0;  // ones it must sound
};

// The fifth may go in add9 chords, where the ninth carries the colour.
Tones tonesOf(std::string_view chordKey) {
    const theory::ChordType* type = theory::chordTypeByKey(chordKey);
    Tones t;
    if (!type) return t;
    const bool fifthOptional = chordKey == "add9" || chordKey == "madd9";
    for (int i = 0; i < type->size(); ++i) {
        const int st = semitones(type->formula[i]);
        t.allowed |= 1u << st;
        if (!(fifthOptional && std::string_view(type->formula[i]) == "5")) t.required |= 1u << st;
    }
    return t;
}

unsigned soundedTones(const Frets& f, int root) {
    unsigned tones = 0;
    for (int s = 0; s < 6; ++s)
        if (f[s] >= 0)
            tones |= 1u << (((theory::kOpenStringPitches[s] + f[s] - root) % 12 + 12) % 12);
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

// Every rule a gallery shape obeys; the empty string when it obeys them all.
std::string galleryFault(const Frets& f, std::string_view chordKey, int root) {
    const Tones t = tonesOf(chordKey);
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

// First-position diagrams may use open strings but stay within frets 0..4.
std::string rootDiagramFault(const Frets& f, std::string_view chordKey, int root) {
    const Tones t = tonesOf(chordKey);
    const unsigned sounded = soundedTones(f, root);
    if (sounded & ~t.allowed) return "sounds a note outside the chord";
    if ((sounded & t.required) != t.required) return "misses a chord tone";
    for (int v : f)
        if (v > 4) return "leaves first position";
    if (soundingStrings(f) < 3) return "sounds fewer than three strings";
    if (fingers(f) > 4) return "needs more than four fingers";
    return {};
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

TEST(DiagramSets, AreTheSevenFoldersInOrder) {
    const auto sets = theory::diagramSets();
    ASSERT_EQ(sets.size(), expectedSets().size());
    for (size_t i = 0; i < sets.size(); ++i) {
        const auto& want = expectedSets()[i];
        SCOPED_TRACE(want.dir);
        EXPECT_STREQ(sets[i].dir, want.dir);
        EXPECT_STREQ(sets[i].chordType, want.chordType);
        EXPECT_STREQ(sets[i].chordRoot, want.root);
        EXPECT_EQ(theory::diagramSet(want.dir), &sets[i]);
        EXPECT_NE(theory::chordTypeByKey(sets[i].chordType), nullptr);
    }
    EXPECT_EQ(theory::diagramSet("c"), nullptr);
    EXPECT_EQ(theory::diagramSet(""), nullptr);
    EXPECT_EQ(theory::diagramSet("200"), nullptr);
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
    for (const auto& want : expectedSets()) {
        const theory::DiagramSet* set = theory::diagramSet(want.dir);
        ASSERT_NE(set, nullptr);
        std::vector<std::string> names;
        for (const auto& d : set->rootDiagrams) {
            names.emplace_back(d.root);
            const int root = theory::pitchOf(d.root);
            SCOPED_TRACE(std::string(want.dir) + ' ' + d.root + ": " + text(d.frets));
            ASSERT_GE(root, 0);
            EXPECT_EQ(rootDiagramFault(d.frets, set->chordType, root), "");
        }
        EXPECT_EQ(names, want.rootDiagrams) << want.dir;
    }
}

TEST(DiagramSets, EnharmonicRootsShareOneDiagram) {
    const std::vector<std::pair<const char*, const char*>> pairs{{"As", "Bb"}, {"Cs", "Db"}};
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
