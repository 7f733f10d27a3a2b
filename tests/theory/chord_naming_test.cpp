#include "theory/chord_naming.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <set>

#include "theory/chord_types.h"
#include "theory/given_sets.h"
#include "theory/grips.h"
#include "theory/notes.h"
#include "theory/tunings.h"

namespace {

constexpr int X = -1;

std::string names(const theory::Naming& n) {
    return theory::namingText(n);
}

struct Case {
    const char* what;
    const char* tuning;
    theory::Frets frets;
    const char* text;  // the names best first, or the plain words
};

// A guitarist's reading of common grips.
TEST(ChordNaming, RanksHandMadeGrips) {
    const Case cases[]{
        {"open C", "standard", {X, 3, 2, 0, 1, 0}, "C, Gsus4/6/C"},
        {"C with E in the bass", "standard", {0, 3, 2, 0, 1, 0}, "C/E, Gsus4/6/E"},
        {"Am7: the bass names the chord", "standard", {X, 0, 2, 0, 1, 0}, "Am7, C6/A"},
        {"C6 with all four tones", "standard", {X, 3, 5, 2, 5, 3}, "C6, Am7/C"},
        {"C6 without its fifth beats a complete Am over C",
         "standard",
         {X, 3, 2, 2, 1, 0},
         "C6, Am/C"},
        {"C7 may leave out its fifth", "standard", {X, 3, 2, 3, 1, X}, "C7"},
        {"C9 too", "standard", {X, 3, 2, 3, 3, X}, "C9"},
        {"D over F sharp, spelled from D's row",
         "standard",
         {2, X, 0, 2, 3, 2},
         "D/F\u266f, Asus4/6/F\u266f"},
        {"C sharp minor takes the sharp", "standard", {X, 4, 6, 6, 5, 4}, "C\u266fm, E6/C\u266f"},
        {"D flat major takes the flat",
         "standard",
         {X, 4, 6, 6, 6, 4},
         "D\u266d, A\u266dsus4/6/D\u266d"},
        {"power chord", "standard", {X, 3, 5, 5, X, X}, "C and G: no chord"},
        {"a single note", "standard", {X, 3, X, X, X, X}, "C: no chord"},
        {"a cluster", "standard", {X, X, 10, 6, 3, X}, "C, D\u266d and D: no chord"},
        {"nothing marked", "standard", {X, X, X, X, X, X}, ""},
        {"open D tuning, open strings", "open-d", {0, 0, 0, 0, 0, 0}, "D, Asus4/6/D"},
        {"drop D, open strings: a reading without its root comes last",
         "drop-d",
         {0, 0, 0, 0, 0, 0},
         "G6/9/D, Em7/11/D, Cmaj13/D"},
        {"G over D: a whole triad over the bass beats Dsus4/6 without its fifth",
         "standard",
         {X, X, 0, 0, 0, 3},
         "G/D, Dsus4/6"},
        {"D7sus4 without its fifth keeps the bass as root: no whole triad over D",
         "standard",
         {X, X, 0, 0, 1, 3},
         "D7sus4, Gsus/D, Csus2/D"},
        {"C13 as grabbed on four strings: 7/6 holds the same notes leaving none out",
         "standard",
         {X, 3, X, 3, 5, 5},
         "C7/6, C13, C11/13"},
        {"Am11 without its ninth: the eleventh may leave the ninth out, ranked after Am7/11",
         "standard",
         {X, 0, 5, 5, 3, 3},
         "Am7/11, Am11, Csus2/6/A"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(names(theory::nameChord(c.frets, *theory::tuningByKey(c.tuning))), c.text)
            << c.what;
}

// Spellings a guitarist reads on a chart, for every black-key root.
TEST(ChordNaming, BlackKeyRootsFollowTheKeySignature) {
    const struct {
        int pitch;
        const char* major;
        const char* minor;
    } rows[]{{1, "Db", "Cs"}, {3, "Eb", "Eb"}, {6, "Fs", "Fs"}, {8, "Ab", "Gs"}, {10, "Bb", "Bb"}};
    for (const auto& r : rows) {
        EXPECT_EQ(theory::rootSpelling(r.pitch, *theory::chordTypeByKey("major")), r.major);
        EXPECT_EQ(theory::rootSpelling(r.pitch, *theory::chordTypeByKey("7th")), r.major);
        EXPECT_EQ(theory::rootSpelling(r.pitch, *theory::chordTypeByKey("minor")), r.minor);
        EXPECT_EQ(theory::rootSpelling(r.pitch, *theory::chordTypeByKey("m7b5")), r.minor);
    }
}

TEST(ChordNaming, StructuredEntriesKeepTheInternalSpellingAndCaption) {
    const auto n = theory::nameChord({X, 4, 6, 4, 5, 4}, theory::standardTuning());  // C#m7
    const auto e = theory::namedEntries(n);
    ASSERT_FALSE(e.empty());
    EXPECT_EQ(e[0].text, "C\u266fm7");
    EXPECT_EQ(e[0].root, "Cs");
    EXPECT_EQ(e[0].type, "m7");
    EXPECT_EQ(e[0].bass, std::nullopt);
    // Another system's speller changes only the text.
    const auto german = theory::namedEntries(
        n, [](std::string_view s) { return std::string("<").append(s) + ">"; });
    EXPECT_EQ(german[0].text, "<Cs>m7");
    EXPECT_EQ(german[0].root, "Cs");
}

// The tones a name may leave out are those the grip search may.
TEST(ChordNaming, LeavesOutOnlyWhatTheGripSearchMay) {
    // C G B flat: no third, so neither C7 nor Cm7, whatever else it may be.
    for (const auto& name : theory::nameChord({X, 3, 5, 3, X, X}, theory::standardTuning()).names)
        EXPECT_NE(theory::pitchOf(name.root), 0) << theory::chordSymbol(name);
    // C E B flat D: C9 without its fifth.
    EXPECT_EQ(theory::chordSymbol(
                  theory::nameChord({X, 3, 2, 3, 3, X}, theory::standardTuning()).names.at(0)),
              "C9");
}

// Pitch classes a chord type holds above its root, from the formula symbols.
std::set<int> tonesOf(const theory::ChordType& t) {
    std::set<int> tones;
    for (int i = 0; i < t.size(); ++i)
        tones.insert(
            theory::kRowSemitones[std::size_t(theory::rowPosition(t.formula[std::size_t(i)]))]);
    return tones;
}

struct Shown {
    std::string where;
    theory::Frets frets;
    int root;
    const theory::ChordType* type;
};

// Every diagram the windows can show in standard tuning, and more: a gallery
// chosen per root for every chord type at all twelve roots (18 cells as in the
// chord finder with the grip beside the chord name, 9 as in the key window),
// and the given sets' stored shapes moved to every root.
std::vector<Shown> everyDiagram() {
    const auto& tuning = theory::standardTuning();
    std::vector<Shown> all;
    for (const auto& t : theory::kChordTypes) {
        for (int root = 0; root < 12; ++root) {
            const std::string at = std::string(t.key) + " root " + std::to_string(root);
            for (int cells : {18, 9})
                for (const auto& cell : theory::gripGallery(tuning, t, root, cells))
                    all.push_back(
                        {at + " fret " + std::to_string(cell.fret), cell.frets, root, &t});
            if (auto grip = theory::rootGrip(tuning, t, root))
                all.push_back({at + " beside the name", *grip, root, &t});
        }
    }
    for (const auto& set : theory::diagramSets()) {
        const auto* type = theory::chordTypeByKey(set.chordType);
        const std::string dir = set.dir;
        for (std::size_t i = 0; i < set.shapes.size(); ++i) {
            const auto& shape = set.shapes[i];
            const bool movable =
                std::none_of(shape.begin(), shape.end(), [](int f) { return f == 0; });
            for (int up = 0; up < (movable ? 12 : 1); ++up) {
                theory::Frets f = shape;
                for (int& x : f)
                    if (x > 0) x += up;
                all.push_back({dir + " shape " + std::to_string(i + 1) + " +" + std::to_string(up),
                               f, (theory::pitchOf(set.chordRoot) + up) % 12, type});
            }
        }
        for (const auto& d : set.rootDiagrams)
            all.push_back({dir + " " + d.root, d.frets, theory::pitchOf(d.root), type});
    }
    return all;
}

struct Reading {
    unsigned held = 0;  // pitch classes sounding
    int bass = 0;       // pitch class of the lowest note
    auto operator<=>(const Reading&) const = default;
};

Reading readingOf(const theory::Frets& frets, const theory::Tuning& tuning) {
    Reading r;
    int lowest = 999;
    for (std::size_t s = 0; s < 6; ++s) {
        if (frets[s] < 0) continue;
        const int midi = tuning.midi[s] + frets[s];
        r.held |= 1u << (midi % 12);
        lowest = std::min(lowest, midi);
    }
    r.bass = lowest % 12;
    return r;
}

// Marking a diagram's frets gives its chord (or the slash form) first or
// second. The galleries show some sets of notes over one bass as several
// chords (C F G B♭ over F in the C7sus4, Fsus4/9 and B♭sus2/6 galleries):
// such a diagram needs its chord among the three names, and a set shown as
// three chords or more at least one of them (the pages show every inversion). A grip without its
// root (the grip search lets a six-note chord drop it) names what it sounds, which is counted
// rather than required.
TEST(ChordNaming, EveryGalleryDiagramIsNamedFirstOrSecond) {
    const auto& tuning = theory::standardTuning();
    const auto all = everyDiagram();
    // The chords each set of notes over its bass is shown as.
    std::map<Reading, std::set<std::pair<int, std::set<int>>>> shownAs;
    for (const Shown& d : all)
        shownAs[readingOf(d.frets, tuning)].insert({d.root, tonesOf(*d.type)});
    int crowded = 0, rootless = 0, failed = 0;
    for (const Shown& d : all) {
        const Reading r = readingOf(d.frets, tuning);
        const std::size_t demands = shownAs[r].size();
        const auto naming = theory::nameChord(d.frets, tuning);
        int leftOut = 0;
        for (int t : tonesOf(*d.type)) leftOut += !(r.held & (1u << ((d.root + t) % 12)));
        // A grip leaving out a tone may sound exactly another chord a gallery
        // shows it as (Cm7/11 without its fifth is F7sus4 over F): one of them.
        if (demands >= theory::kMaxNames || (demands > 1 && leftOut >= 1)) {
            ++crowded;
            EXPECT_TRUE(std::any_of(
                naming.names.begin(), naming.names.end(),
                [&](const auto& n) {
                    return shownAs[r].contains({theory::pitchOf(n.root), tonesOf(*n.type)});
                }))
                << d.where << ": " << theory::namingText(naming);
            continue;
        }
        if (!(r.held & (1u << d.root))) {
            ++rootless;
            continue;
        }
        // A grip leaving out two or more of its type's tones (the 11/13's
        // fifth, ninth and eleventh in x x 12 9 9 9) sounds a plainer chord as
        // much as its own, and rightly named first (E13/D): its own name comes
        // within the three.
        const std::size_t places = demands > 1 || leftOut >= 2 ? theory::kMaxNames : 2;
        bool found = false;
        for (std::size_t i = 0; i < std::min(places, naming.names.size()); ++i) {
            const auto& n = naming.names[i];
            found |= theory::pitchOf(n.root) == d.root && tonesOf(*n.type) == tonesOf(*d.type) &&
                     n.bass.has_value() == (r.bass != d.root);
        }
        if (!found) ++failed;
        EXPECT_TRUE(found) << "shown as " << demands << " chords: " << d.where << " ("
                           << d.type->caption << "): " << theory::namingText(naming);
    }
    std::cout << all.size() << " diagrams, " << crowded << " shown by more than three chords, "
              << rootless << " without their root, " << failed << " failed\n";
    EXPECT_GT(all.size(), 10000u);
}

}  // namespace
