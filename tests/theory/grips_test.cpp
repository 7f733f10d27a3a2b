#include "theory/grips.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "tests/support/grip_oracle.h"
#include "tests/theory/canonical_grips.h"

namespace {

using testing_support::semitones;

using theory::Frets;
constexpr int X = -1;

// ---- Pitch arithmetic written out here, apart from the library -----------

constexpr std::array<int, 6> kStandardMidi{40, 45, 50, 55, 59, 64};  // E A D G B E

int pitchOfName(std::string_view name) {
    static const std::vector<std::pair<std::string_view, int>> table{
        {"C", 0},  {"C#", 1}, {"Db", 1}, {"D", 2},  {"Eb", 3}, {"E", 4},   {"F", 5},  {"F#", 6},
        {"Gb", 6}, {"G", 7},  {"G#", 8}, {"Ab", 8}, {"A", 9},  {"Bb", 10}, {"B", 11},
    };
    for (const auto& [n, p] : table)
        if (n == name) return p;
    return -1;
}

bool has(const theory::ChordType& type, std::string_view symbol) {
    for (int i = 0; i < type.size(); ++i)
        if (symbol == type.formula[std::size_t(i)]) return true;
    return false;
}

// Empty when the frets sound the chord as the rules allow, else what is wrong.
std::string fault(const Frets& frets, const theory::ChordType& type, int root) {
    unsigned sounded = 0, allowed = 0, required = 0;
    int strings = 0, lo = 99, hi = 0;
    for (int s = 0; s < 6; ++s) {
        const int f = frets[std::size_t(s)];
        if (f < 0) continue;
        if (f > 22) return "off the neck";
        ++strings;
        sounded |= 1u << ((kStandardMidi[std::size_t(s)] + f - root) % 12 + 12) % 12;
        if (f > 0) lo = std::min(lo, f), hi = std::max(hi, f);
    }
    const int n = type.size();
    for (int i = 0; i < n; ++i) {
        const std::string_view s = type.formula[std::size_t(i)];
        allowed |= 1u << semitones(s);
        const bool optional = (s == "5" && n >= 4) || (s == "1" && n >= 6) ||
                              (s == "9" && (has(type, "11") || has(type, "13"))) ||
                              (s == "11" && has(type, "13"));
        if (!optional) required |= 1u << semitones(s);
    }
    if (strings < 3) return "fewer than three strings";
    if (sounded & ~allowed) return "a note outside the chord";
    if ((sounded & required) != required) return "a required tone missing";
    if (lo != 99 && hi - lo > 3) return "spans more than four frets";
    return "";
}

std::string text(const Frets& f) {
    std::string s;
    for (int x : f) s += (x < 0 ? std::string("x") : std::to_string(x)) + " ";
    return s;
}

const theory::ChordType& type(std::string_view key) {
    return *theory::chordTypeByKey(key);
}

// ---- The canonical grips -------------------------------------------------

TEST(CanonicalGrips, AtLeastOneHundredFiftyAndEachSoundsItsChord) {
    int count = 0;
    for (const auto& g : fixture::kCanonicalGrips) {
        ++count;
        ASSERT_NE(theory::chordTypeByKey(g.type), nullptr) << g.type;
        ASSERT_GE(pitchOfName(g.root), 0) << g.root;
        EXPECT_EQ(fault(g.frets, type(g.type), pitchOfName(g.root)), "")
            << g.root << " " << g.type << " " << text(g.frets);
    }
    EXPECT_GE(count, 150);
}

TEST(CanonicalGrips, EachIsInItsChordsGalleryOrBesideTheName) {
    const theory::Tuning& standard = theory::standardTuning();
    std::vector<std::string> missing;
    for (const auto& g : fixture::kCanonicalGrips) {
        const int root = pitchOfName(g.root);
        bool found = theory::rootGrip(standard, type(g.type), root) == g.frets;
        for (const auto& cell : theory::gripGallery(standard, type(g.type), root, 18))
            found |= cell.frets == g.frets;
        if (!found) missing.push_back(std::string(g.root) + " " + g.type + " " + text(g.frets));
    }
    std::string list;
    for (const auto& m : missing) list += m + "\n";
    EXPECT_TRUE(missing.empty()) << missing.size() << " missing:\n" << list;
}

TEST(CanonicalGrips, TheRootDiagramIsTheGripPlayersLearnFirst) {
    struct Case {
        const char* type;
        const char* root;
        Frets frets;
    };
    const Case cases[] = {
        {"minor", "A", {X, 0, 2, 2, 1, 0}}, {"minor", "E", {0, 2, 2, 0, 0, 0}},
        {"minor", "D", {X, X, 0, 2, 3, 1}}, {"minor", "B", {X, 2, 4, 4, 3, 2}},
        {"minor", "F", {1, 3, 3, 1, 1, 1}}, {"7th", "G", {3, 2, 0, 0, 0, 1}},
        {"7th", "E", {0, 2, 0, 1, 0, 0}},   {"m7", "A", {X, 0, 2, 0, 1, 0}},
        {"maj7", "C", {X, 3, 2, 0, 0, 0}},  {"sus4", "D", {X, X, 0, 2, 3, 3}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(theory::rootGrip(theory::standardTuning(), type(c.type), pitchOfName(c.root)),
                  c.frets)
            << c.root << " " << c.type;
}

// ---- Ranking -------------------------------------------------------------

TEST(GripRanking, HandMadePairsComeInTheOrderPlayersAgreeOn) {
    struct Pair {
        const char* why;
        const char* type;
        const char* root;
        Frets better, worse;
    };
    const Pair pairs[] = {
        {"a string more", "major", "C", {X, 3, 2, 0, 1, 0}, {X, 3, 2, 0, 1, X}},
        {"root in the bass", "major", "C", {X, 3, 2, 0, 1, 0}, {0, 3, 2, 0, 1, 0}},
        {"nothing to damp inside", "major", "C", {X, 3, 2, 0, 1, 0}, {X, 3, X, 0, 1, 0}},
        {"nothing to damp inside", "major", "G", {3, 2, 0, 0, 0, 3}, {3, X, 0, 0, 0, 3}},
        {"a barre is one finger", "major", "F", {1, 3, 3, 2, 1, 1}, {1, 3, 3, 2, X, X}},
        {"less stretch", "major", "A", {X, 0, 2, 2, 2, 0}, {X, 0, 2, 2, 2, 5}},
        {"fewer fingers", "major", "E", {0, 2, 2, 1, 0, 0}, {0, 2, 2, 1, 0, 4}},
        {"less stretch", "minor", "A", {X, 0, 2, 2, 1, 0}, {X, 0, 2, 5, 5, 5}},
        {"root in the bass", "7th", "G", {3, 2, 0, 0, 0, 1}, {X, 2, 0, 0, 0, 1}},
    };
    const theory::Tuning& t = theory::standardTuning();
    for (const Pair& p : pairs) {
        const int root = pitchOfName(p.root);
        ASSERT_EQ(fault(p.better, type(p.type), root), "") << text(p.better);
        ASSERT_EQ(fault(p.worse, type(p.type), root), "") << text(p.worse);
        EXPECT_LT(theory::scoreGrip(t, type(p.type), root, p.better).total(),
                  theory::scoreGrip(t, type(p.type), root, p.worse).total())
            << p.why << ": " << text(p.better) << "over " << text(p.worse);
    }
}

TEST(GripRanking, FamilyFormsBeatOtherShapesOfTheSameEase) {
    const theory::GripScore base = theory::scoreGrip(theory::standardTuning(), type("minor"), 9,
                                                     {5, 7, 7, 5, 5, 5}, theory::Family::Other);
    for (auto family : {theory::Family::Open, theory::Family::E, theory::Family::A,
                        theory::Family::D, theory::Family::C, theory::Family::G}) {
        theory::GripScore s = base;
        s.family = static_cast<int>(family);
        EXPECT_LT(s.total(), base.total());
    }
}

// ---- The rules of a grip, by hand-made cases -----------------------------

TEST(GripRules, ValidAndInvalidShapes) {
    struct Case {
        Frets frets;
        const char* type;
        const char* root;
        bool valid;
    };
    const Case cases[] = {
        {{X, 3, 2, 0, 1, 0}, "major", "C", true},
        {{X, 3, 2, 0, 1, 1}, "major", "C", false},  // F on top
        {{X, 3, 2, 0, X, X}, "major", "C", true},   // three strings are a triad
        {{X, 3, 2, X, X, X}, "major", "C", false},  // two are not
        {{8, 10, 10, 9, 8, 8}, "major", "C", true},
        {{X, 3, 5, 5, 5, 8}, "major", "C", false},  // five frets apart
        {{1, 3, 3, 2, 1, 1}, "major", "F", true},   // barre and three fingers
        {{1, 3, 3, 2, 4, 1}, "major", "F", false},  // D sharp on the B string
        {{X, 20, 22, 22, 22, 20}, "major", "F", true},
        {{X, 21, 23, 23, 23, 21}, "major", "F#", false},  // off a 22-fret neck
        {{X, 2, 4, 2, 3, 2}, "m7", "B", true},
        {{X, 3, 2, 5, 5, 3}, "major", "C", false},  // five fingers
    };
    for (const Case& c : cases) {
        const theory::ChordTones tones = theory::chordTones(type(c.type));
        const int root = pitchOfName(c.root);
        EXPECT_EQ(theory::isGrip(theory::standardTuning(), tones, root, c.frets), c.valid)
            << c.root << " " << c.type << " " << text(c.frets);
    }
}

}  // namespace
