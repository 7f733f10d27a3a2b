#include "theory/fingering.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "../support/fingering_rules.h"
#include "teacher_fingerings.h"
#include "theory/chord_types.h"
#include "theory/given_sets.h"
#include "theory/grips.h"
#include "theory/tunings.h"

namespace {

using testing_support::fingeringFault;
using theory::Fingering;
using theory::Frets;

// "x32010" or "x,10,12,12,11,10": muted "x", else the fret.
Frets parseFrets(std::string_view text) {
    Frets f{};
    const bool commas = text.find(',') != std::string_view::npos;
    std::size_t at = 0;
    for (int s = 0; s < 6; ++s) {
        std::string_view item;
        if (commas) {
            const std::size_t end = std::min(text.find(',', at), text.size());
            item = text.substr(at, end - at);
            at = end + 1;
        } else {
            item = text.substr(at++, 1);
        }
        f[std::size_t(s)] = item == "x" ? -1 : std::stoi(std::string(item));
    }
    return f;
}

std::string text(const Frets& f) {
    std::string out;
    for (int x : f)
        out += (out.empty() ? "" : " ") + (x < 0 ? std::string("x") : std::to_string(x));
    return out;
}

// A teacher's fingering: the digits are fingers; a finger on two or more
// strings is a barre from the first to the last.
Fingering fingeringFrom(const Frets& frets, const std::array<int, 6>& fingers) {
    Fingering out;
    out.fingers = fingers;
    for (int k = 1; k <= 4; ++k) {
        int from = -1, to = -1;
        for (int s = 0; s < 6; ++s)
            if (fingers[std::size_t(s)] == k) {
                if (from < 0) from = s;
                to = s;
            }
        if (from >= 0 && from != to) out.barres.push_back({k, frets[std::size_t(from)], from, to});
    }
    return out;
}

Fingering teacherFingering(const fixture::TeacherFingering& t) {
    const Frets frets = parseFrets(t.frets);
    std::array<int, 6> fingers{};
    for (int s = 0; s < 6; ++s) {
        const char c = t.fingers[s];
        fingers[std::size_t(s)] = c == 'x' ? 0 : c - '0';
    }
    return fingeringFrom(frets, fingers);
}

std::string describe(const Fingering& f) {
    std::string out;
    for (int k : f.fingers) out += std::to_string(k);
    for (const auto& b : f.barres)
        out += " barre " + std::to_string(b.finger) + "@" + std::to_string(b.fret) + " " +
               std::to_string(b.from) + "-" + std::to_string(b.to);
    return out;
}

// ---- The teacher's fixture --------------------------------------------------

TEST(TeacherFingerings, EveryOneIsWrittenOverItsOwnStringsAndObeysTheRules) {
    std::set<std::string_view> groups;
    for (const auto& t : fixture::kTeacherFingerings) {
        SCOPED_TRACE(std::string(t.group) + " " + t.frets);
        groups.insert(t.group);
        const Frets frets = parseFrets(t.frets);
        ASSERT_EQ(std::string_view(t.fingers).size(), 6u);
        for (int s = 0; s < 6; ++s) {
            const char c = t.fingers[s];
            const int f = frets[std::size_t(s)];
            EXPECT_EQ(c == 'x', f < 0) << "string " << s;
            EXPECT_EQ(c == '0', f == 0) << "string " << s;
        }
        EXPECT_EQ(fingeringFault(frets, teacherFingering(t)), "");
    }
    EXPECT_GE(std::size(fixture::kTeacherFingerings), 150u);
    EXPECT_GE(groups.size(), 12u);
}

TEST(TeacherFingerings, FingeringOfWritesWhatTeachersWrite) {
    for (const auto& t : fixture::kTeacherFingerings) {
        const Frets frets = parseFrets(t.frets);
        const auto got = theory::fingeringOf(frets);
        ASSERT_TRUE(got.has_value()) << t.group << " " << t.frets;
        EXPECT_EQ(describe(*got), describe(teacherFingering(t)))
            << t.group << " " << t.frets << (t.why ? std::string(": ") + t.why : "");
        EXPECT_TRUE(theory::hasFingering(frets)) << t.frets;
    }
}

TEST(TeacherFingerings, GripsFourFingersCannotHoldHaveNone) {
    for (const auto& u : fixture::kUnholdable) {
        const Frets frets = parseFrets(u.frets);
        EXPECT_FALSE(theory::fingeringOf(frets).has_value()) << u.frets << ": " << u.why;
        EXPECT_FALSE(theory::hasFingering(frets)) << u.frets << ": " << u.why;
    }
}

// ---- The rules' own oracle --------------------------------------------------

TEST(FingeringRules, TheOracleNamesWhatAHandCannotDo) {
    const Frets c = parseFrets("x32010");
    EXPECT_EQ(fingeringFault(c, fingeringFrom(c, {0, 3, 2, 0, 1, 0})), "");
    EXPECT_EQ(fingeringFault(c, fingeringFrom(c, {0, 1, 2, 0, 3, 0})),
              "a higher finger on a lower fret");
    EXPECT_EQ(fingeringFault(c, fingeringFrom(c, {0, 3, 2, 1, 1, 0})),
              "a finger on an open or muted string");
    EXPECT_EQ(fingeringFault(c, fingeringFrom(c, {0, 3, 0, 0, 1, 0})),
              "a fretted string without a finger");
    const Frets f = parseFrets("133211");
    Fingering noBarre = fingeringFrom(f, {1, 3, 4, 2, 1, 1});
    noBarre.barres.clear();
    EXPECT_EQ(fingeringFault(f, noBarre), "a finger on two strings without its barre");
    const Frets aOpenTop = parseFrets("x02220");
    EXPECT_EQ(fingeringFault(aOpenTop, fingeringFrom(aOpenTop, {0, 0, 1, 2, 3, 0})), "");
    EXPECT_EQ(fingeringFault(aOpenTop, fingeringFrom(aOpenTop, {0, 0, 1, 1, 1, 0})),
              "a string beyond a long barre sounding below it");
    const Frets underOpen = parseFrets("x10311");
    EXPECT_EQ(fingeringFault(underOpen, fingeringFrom(underOpen, {0, 1, 0, 3, 1, 1})),
              "an open string under a barre");
    const Frets underMuted = parseFrets("35x453");
    EXPECT_EQ(fingeringFault(underMuted, fingeringFrom(underMuted, {1, 3, 0, 2, 4, 1})),
              "a muted string under a barre");
    const Frets far = parseFrets("x35558");
    EXPECT_EQ(fingeringFault(far, fingeringFrom(far, {0, 1, 2, 2, 2, 4})),
              "a stretch past the hand's reach");
    const Frets aForm = parseFrets("x13331");
    EXPECT_EQ(fingeringFault(aForm, fingeringFrom(aForm, {0, 1, 3, 3, 3, 1})),
              "a string beyond a long barre sounding below it");
    EXPECT_EQ(fingeringFault(aForm, fingeringFrom(aForm, {0, 1, 2, 3, 4, 1})), "");
    const Frets fmaj7 = parseFrets("102210");
    EXPECT_EQ(fingeringFault(fmaj7, fingeringFrom(fmaj7, {1, 0, 3, 4, 2, 0})),
              "an open string between two lowest-fret notes, two notes beyond");
    EXPECT_EQ(fingeringFault(fmaj7, fingeringFrom(fmaj7, {1, 0, 3, 3, 1, 0})),
              "an open string under a barre");
}

// Whether any assignment of fingers to the fretted strings passes the oracle.
bool anyFingeringPasses(const Frets& frets) {
    std::vector<int> fretted;
    for (int s = 0; s < 6; ++s)
        if (frets[std::size_t(s)] > 0) fretted.push_back(s);
    int total = 1;
    for (std::size_t i = 0; i < fretted.size(); ++i) total *= 4;
    for (int n = 0; n < total; ++n) {
        std::array<int, 6> fingers{};
        for (std::size_t i = 0, m = std::size_t(n); i < fretted.size(); ++i, m /= 4)
            fingers[std::size_t(fretted[i])] = int(m % 4) + 1;
        if (fingeringFault(frets, fingeringFrom(frets, fingers)).empty()) return true;
    }
    return false;
}

// Every shape of six strings (muted, open, or one of four frets from the
// lowest) at frets 1-4 and again at 7-10: a fingering exists exactly when some
// assignment of fingers passes the rules, and the one given passes them.
TEST(FingeringRules, HasFingeringAgreesWithTryingEveryAssignment) {
    int shapes = 0, holdable = 0;
    for (int base : {1, 7}) {
        for (int code = 0; code < 6 * 6 * 6 * 6 * 6 * 6; code += base == 1 ? 1 : 5) {
            Frets frets{};
            for (int s = 0, c = code; s < 6; ++s, c /= 6)
                frets[std::size_t(s)] = c % 6 == 0 ? -1 : c % 6 == 1 ? 0 : base + c % 6 - 2;
            ++shapes;
            const bool expected = anyFingeringPasses(frets);
            ASSERT_EQ(theory::hasFingering(frets), expected) << text(frets);
            const auto got = theory::fingeringOf(frets);
            ASSERT_EQ(got.has_value(), expected) << text(frets);
            if (!got) continue;
            ++holdable;
            ASSERT_EQ(fingeringFault(frets, *got), "") << text(frets) << " " << describe(*got);
        }
    }
    // Most shapes with four or more fretted strings over four frets are not.
    EXPECT_GT(holdable, shapes / 10);
    EXPECT_LT(holdable, shapes * 9 / 10);
}

TEST(FingeringRules, AMovableShapeKeepsItsFingersUpTheNeck) {
    for (const char* shape : {"133211", "x13331", "x3x453", "8x798x", "xx5558", "x54232"}) {
        const Frets low = parseFrets(shape);
        const auto at = theory::fingeringOf(low);
        ASSERT_TRUE(at.has_value()) << shape;
        for (int up = 1; up <= 10; ++up) {
            Frets moved = low;
            for (int& f : moved)
                if (f > 0) f += up;
            const auto there = theory::fingeringOf(moved);
            ASSERT_TRUE(there.has_value()) << text(moved);
            EXPECT_EQ(there->fingers, at->fingers) << text(moved);
        }
    }
}

// ---- The grip search and the given sets ------------------------------------

// Every grip the search finds in standard tuning, and every type at three
// roots in the other tunings, has a fingering the rules accept; fingering
// them all takes well under the gallery's second.
TEST(GripSearchFingerings, EveryGripFoundHasAFingeringTheRulesAccept) {
    std::vector<Frets> grips;
    for (const theory::Tuning& tuning : theory::kTunings)
        for (const theory::ChordType& type : theory::kChordTypes)
            for (int root = 0; root < 12; ++root) {
                if (&tuning != &theory::kTunings[0] && root % 4 != 1) continue;
                const auto found = theory::allGrips(tuning, type, root);
                grips.insert(grips.end(), found.begin(), found.end());
            }
    ASSERT_GT(grips.size(), 100000u);
    const auto start = std::chrono::steady_clock::now();
    std::size_t fingered = 0;
    for (const Frets& f : grips) fingered += theory::fingeringOf(f).has_value();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("fingered %zu grips in %.3f s\n", grips.size(), seconds);
    EXPECT_EQ(fingered, grips.size());
    EXPECT_LT(seconds, 2.0);
    for (const Frets& grip : grips) {
        const auto f = theory::fingeringOf(grip);
        ASSERT_TRUE(f.has_value()) << text(grip);
        ASSERT_EQ(fingeringFault(grip, *f), "") << text(grip) << " " << describe(*f);
    }
}

// The given sets keep their stored shapes; these have no fingering by the
// rules (each needs the thumb or a longer reach than four fingers have):
//   "20"/"a" C major 8 7 5 5 5 8, the full G form: the ring three frets past
//     the index barre;
//   "21"/"b" C add9 8 5 5 5 5 8: both outer strings three frets past the barre;
//   "n" D minor 10 8 7 7 10 x: ring and little three frets past the barre;
//   the add9 first-position diagrams C#/Db x 4 3 1 4 1 (the ring three frets
//     past the barre) and G 3 2 0 2 0 3 (an open D between the two
//     second-fret notes while two fingers reach beyond).
TEST(GivenSetFingerings, TheShapesWithoutAFingeringAreTheKnownFew) {
    std::set<std::string> without;
    for (const theory::DiagramSet& set : theory::diagramSets()) {
        for (const Frets& f : set.shapes)
            if (!theory::hasFingering(f)) without.insert(std::string(set.dir) + ": " + text(f));
        for (const theory::RootDiagram& d : set.rootDiagrams)
            if (!theory::hasFingering(d.frets))
                without.insert(std::string(set.dir) + " " + d.root + ": " + text(d.frets));
    }
    const std::set<std::string> expected{
        "20: 8 7 5 5 5 8",  "a: 8 7 5 5 5 8",     "21: 8 5 5 5 5 8",    "b: 8 5 5 5 5 8",
        "n: 10 8 7 7 10 x", "21 Cs: x 4 3 1 4 1", "21 Db: x 4 3 1 4 1", "21 G: 3 2 0 2 0 3"};
    EXPECT_EQ(without, expected);
}

}  // namespace
