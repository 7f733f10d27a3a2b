// The pages of a gallery: every grip of a chord once, in pages of a gallery's
// cells, each page in fret order; every grip proven by the tests' own pitch
// arithmetic and held by a hand by the tests' own rules.
#include "gallery/pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "../support/fingering_rules.h"
#include "../support/grip_oracle.h"
#include "../support/open_strings.h"
#include "chords/pennatone_types.h"
#include "gallery/layout.h"
#include "theory/chord_types.h"
#include "theory/given_sets.h"
#include "theory/tunings.h"

namespace {

using testing_support::kTuningRows;

// Empty when the grip sounds only the type's tones, its root and third (or
// the tone standing for it) among them, within four frets; else why not.
std::string fault(const testing_support::TuningRow& row, const theory::ChordType& type, int root,
                  const theory::Frets& f) {
    unsigned sounded = 0, formula = 0;
    int lo = 99, hi = 0, strings = 0;
    for (int s = 0; s < 6; ++s) {
        const int fret = f[std::size_t(s)];
        if (fret < 0) continue;
        if (fret > 22) return "off the neck";
        ++strings;
        sounded |= 1u << ((testing_support::pitchOn(row, s, fret) - root + 12) % 12);
        if (fret > 0) lo = std::min(lo, fret), hi = std::max(hi, fret);
    }
    for (int i = 0; i < type.size(); ++i)
        formula |= 1u << testing_support::semitones(type.formula[i]);
    if (strings < 3) return "fewer than three strings";
    if (sounded & ~formula) return "a note outside the chord";
    for (const char* s : {"3", "b3", "2", "4", "7", "b7"})
        for (int i = 0; i < type.size(); ++i)
            if (std::string_view(type.formula[i]) == s &&
                !(sounded >> testing_support::semitones(s) & 1u))
                return std::string("no ") + s;
    if (lo != 99 && hi - lo > 3) return "spans more than four frets";
    const auto fingering = theory::fingeringOf(f);
    if (!fingering) return "no fingering";
    const std::string_view hand = testing_support::fingeringFault(f, *fingering);
    return hand.empty() ? std::string() : std::string(hand);
}

void expectPages(const gallery::Pages& pages, int cells, int setSize, const std::string& where,
                 const std::function<std::string(const theory::Frets&)>& check) {
    const int later = pages.grips() - setSize;
    EXPECT_EQ(pages.count(), (setSize > 0 ? 1 : 0) + (later + cells - 1) / cells) << where;
    std::set<theory::Frets> seen;
    for (int page = setSize > 0 ? 2 : 1; page <= pages.count(); ++page) {
        const auto shown = pages.cellsOf(page);
        EXPECT_EQ(int(shown.size()),
                  page < pages.count() ? cells : later - (page - (setSize > 0 ? 2 : 1)) * cells)
            << where << " page " << page;
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const theory::GalleryCell& c = shown[i];
            EXPECT_TRUE(seen.insert(c.frets).second) << where << ": a grip twice";
            if (i > 0) {
                EXPECT_LE(shown[i - 1].fret, c.fret) << where << " page " << page;
            }
            const std::string why = check(c.frets);
            EXPECT_EQ(why, "") << where << " page " << page;
        }
    }
    EXPECT_TRUE(pages.cellsOf(0).empty());
    EXPECT_TRUE(pages.cellsOf(pages.count() + 1).empty());
    EXPECT_EQ(pages.flipped(pages.count(), 1), 1) << where;
    EXPECT_EQ(pages.flipped(1, -1), std::max(pages.count(), 1)) << where;
}

// Every chord type in every tuning, at three roots a tuning.
TEST(GalleryPages, EveryGripOnceInFretOrderedPagesProvenByPitch) {
    for (const auto& row : kTuningRows) {
        const theory::Tuning& tuning = *theory::tuningByKey(row.key);
        for (const theory::ChordType& type : theory::kChordTypes)
            for (int root : {0, 4, 9}) {
                const std::string where =
                    std::string(row.key) + " " + type.key + " " + std::to_string(root);
                const gallery::Pages pages(theory::rankedGrips(tuning, type, root), 18);
                expectPages(pages, 18, 0, where,
                            [&](const theory::Frets& f) { return fault(row, type, root, f); });
            }
    }
}

// A given set stays page 1; the pages after it hold the other grips, not the
// set's own shapes again, and F major's page 2 opens with the E-form barre.
TEST(GalleryPages, AGivenSetIsPageOneAndTheRestFollow) {
    const theory::DiagramSet& set = *theory::diagramSet("20");
    const theory::ChordType& major = *theory::chordTypeByKey("major");
    for (int root = 0; root < 12; ++root) {
        std::vector<theory::Frets> shown;
        for (const theory::Frets& shape : set.shapes)
            shown.push_back(gallery::shiftedShape(shape, (root + 12) % 12));
        const auto ranked = theory::rankedGrips(theory::standardTuning(), major, root);
        const gallery::Pages pages(ranked, shown, 18);
        EXPECT_TRUE(pages.setFirst());
        EXPECT_TRUE(pages.cellsOf(1).empty());
        // The set's own shapes; one it shows an octave up is still offered lower.
        const std::set<theory::Frets> setShapes(shown.begin(), shown.end());
        int inSet = 0;
        for (const auto& c : ranked) inSet += setShapes.count(c.frets) > 0;
        EXPECT_EQ(pages.grips(), int(shown.size()) + int(ranked.size()) - inSet) << root;
        expectPages(pages, 18, int(shown.size()), "major " + std::to_string(root),
                    [&](const theory::Frets& f) {
                        return setShapes.count(f) ? std::string("a shape of the set again")
                                                  : fault(kTuningRows[0], major, root, f);
                    });
    }
    std::vector<theory::Frets> f;
    for (const theory::Frets& shape : set.shapes) f.push_back(gallery::shiftedShape(shape, 5));
    const gallery::Pages fMajor(theory::rankedGrips(theory::standardTuning(), major, 5), f, 18);
    EXPECT_EQ(fMajor.cellsOf(2).front().frets, (theory::Frets{1, 3, 3, 2, 1, 1}));
}

}  // namespace
