// Every gallery in every tuning, read back from what the window shows: the
// picture a cell names at the fret beside it must sound the chord on strings
// tuned as a player would tune them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../support/grip_oracle.h"
#include "../support/library.h"
#include "../support/open_strings.h"
#include "../support/windows.h"
#include "chords/key_tables.h"
#include "chords/pennatone_types.h"
#include "theory/chord_types.h"
#include "theory/notes.h"

namespace {

using namespace testing_support;
using Frets = std::array<int, 6>;

// Empty when the frets sound only notes of the chord of `root`, its third (or
// the tone standing in for it) and any seventh or alteration, on the neck and
// within one hand's reach.
std::string fault(const TuningRow& tuning, const Frets& frets, const theory::ChordType& type,
                  int root) {
    unsigned sounded = 0, formula = 0;
    int lo = 99, hi = 0, strings = 0;
    for (int s = 0; s < 6; ++s) {
        const int f = frets[std::size_t(s)];
        if (f < 0) continue;
        if (f > 22) return "off the neck";
        ++strings;
        sounded |= 1u << ((pitchOn(tuning, s, f) - root + 12) % 12);
        if (f > 0) lo = std::min(lo, f), hi = std::max(hi, f);
    }
    for (int i = 0; i < type.size(); ++i) formula |= 1u << semitones(type.formula[i]);
    if (strings < 3) return "fewer than three strings";
    if (sounded & ~formula) return "a note outside the chord";
    for (const char* s : {"3", "b3", "2", "4", "7", "b7", "b5", "#5", "6", "b9", "#9", "#11"})
        for (int i = 0; i < type.size(); ++i)
            if (std::string_view(type.formula[i]) == s && !(sounded >> semitones(s) & 1u))
                return std::string("no ") + s;
    if (lo != 99 && hi - lo > 3) return "spans more than four frets";
    return "";
}

struct Shown {
    std::vector<std::pair<std::pair<int, int>, int>> cells;  // (top, left), fret
    std::vector<Frets> frets;
    std::vector<std::string> faults;
};

Shown readGallery(const ui::DemoWindow& w, const TuningRow& tuning, int count,
                  const theory::ChordType& type, int root) {
    Shown out;
    for (int i = 0; i < count; ++i) {
        const std::string picture = pic(w.Chord_Display(i));
        if (picture.empty()) {
            out.faults.push_back("cell " + std::to_string(i) + " empty");
            continue;
        }
        const int fret = fretNumberOf(pic(w.FretDisplay(i)));
        out.frets.push_back(shownFrets(picture, fret));
        const std::string why = fault(tuning, out.frets.back(), type, root);
        if (!why.empty())
            out.faults.push_back(picture + " at " + std::to_string(fret) + ": " + why);
        out.cells.push_back({{w.Chord_Display(i).top(), w.Chord_Display(i).left()}, fret});
    }
    std::sort(out.cells.begin(), out.cells.end());
    return out;
}

bool ascending(const Shown& s) {
    for (std::size_t i = 1; i < s.cells.size(); ++i)
        if (s.cells[i].second < s.cells[i - 1].second) return false;
    return true;
}

// A gallery short of its cells is short because the neck holds no more: it
// shows every movable grip below the twelfth fret the search proves (higher
// ones repeat an octave lower; open strings ring in first position only).
void expectFullOrExhausted(const TuningRow& tuning, const theory::ChordType& type, int root,
                           const Shown& shown, int cells, const std::string& what) {
    const int count = static_cast<int>(shown.frets.size());
    EXPECT_LE(count, cells) << what;
    if (count == cells) return;
    // Below six only where the neck holds no more: DADGAD's two pairs of
    // strings a fourth and a fifth apart leave too few notes for this chord.
    if (count < 6) {
        EXPECT_EQ(std::string(tuning.key) + " " + type.key, "dadgad 7b9aug5") << what;
    }
    for (const Frets& f : theory::allGrips(*theory::tuningByKey(tuning.key), type, root)) {
        const bool open = std::find(f.begin(), f.end(), 0) != f.end();
        int lowest = 99;
        for (int x : f)
            if (x > 0) lowest = std::min(lowest, x);
        if (open || lowest > 12 || !fault(tuning, f, type, root).empty()) continue;
        EXPECT_NE(std::find(shown.frets.begin(), shown.frets.end(), f), shown.frets.end())
            << what << ": a grip left out of a short gallery";
    }
}

TEST(TuningGalleries, EveryRootOfEveryFinderTypeInEveryTuning) {
    for (const TuningRow& tuning : kTuningRows) {
        const bool standard = std::string_view(tuning.key) == "standard";
        Pennatone p;
        p->setTuning(tuning.key);
        for (int button = 0; button < 17; ++button) {
            p->Base(button).click();
            const int root = theory::pitchOf(p->K);
            for (int option = 0; option < 53; ++option) {
                const theory::ChordType& ct = theory::kChordTypes[std::size_t(option)];
                const std::string what = std::string(tuning.key) + " " + p->K + " " + ct.key;
                p->Ty(option).click();
                if (standard && option < 2) {
                    EXPECT_EQ(chords::pennatoneGallery(option, root), nullptr) << what;
                    continue;
                }
                const int count = p->Chord_Number.value_or(-1) + 1;
                const Shown shown = readGallery(*p, tuning, count, ct, root);
                expectFullOrExhausted(tuning, ct, root, shown, 18, what);
                for (const auto& f : shown.faults) ADD_FAILURE() << what << " " << f;
                EXPECT_TRUE(ascending(shown)) << what;
                const std::string beside = pic(p->Chord_Display(18));
                if (!beside.empty()) {
                    EXPECT_EQ(fault(tuning, shownFrets(beside, 0), ct, root), "")
                        << what << " " << beside;
                }
            }
        }
    }
}

TEST(TuningGalleries, EveryKeyOfEveryKeyWindowOptionInEveryTuning) {
    constexpr std::array<int, 7> kMajorSteps{0, 2, 4, 5, 7, 9, 11};
    for (const TuningRow& tuning : kTuningRows) {
        const bool standard = std::string_view(tuning.key) == "standard";
        Lyrafret l;
        l->setTuning(tuning.key);
        for (int key = 0; key < 12; ++key) {
            l->Key_C(key).click();
            for (const auto& row : chords::keyChords()) {
                const theory::ChordType& ct = *theory::chordTypeByKey(row.Chord_Type);
                const std::string what =
                    std::string(tuning.key) + " " + l->K + " " + std::to_string(row.option);
                l->key(row.option).click();
                if (standard && std::string_view(row.dir).rfind("ly_", 0) != 0) continue;
                const int root = (theory::pitchOf(chords::Key_Table[std::size_t(key)].K) +
                                  kMajorSteps[std::size_t(chords::degreeIndex(row.position))]) %
                                 12;
                const int count = l->Chord_Number.value_or(-1) + 1;
                const Shown shown = readGallery(*l, tuning, count, ct, root);
                expectFullOrExhausted(tuning, ct, root, shown, 9, what);
                for (const auto& f : shown.faults) ADD_FAILURE() << what << " " << f;
                EXPECT_TRUE(ascending(shown)) << what;
            }
        }
    }
}

// Choosing a tuning shows the chord on screen again in it; standard again
// brings back exactly what was there.
TEST(TuningGalleries, ChangingTheTuningRedrawsTheChordShown) {
    Pennatone p, plain;
    for (auto* w : {&p, &plain}) {
        (*w)->Base(3).click();
        (*w)->Ty(0).click();
    }
    const std::string given = pic(p->Chord_Display(0));
    p->setTuning("dadgad");
    EXPECT_NE(pic(p->Chord_Display(0)), given);
    EXPECT_EQ(p->Chord_Number.value_or(-1), 17);
    p->setTuning("standard");
    for (const auto& c : plain->controls())
        EXPECT_EQ(pic(*c), pic(p->control(c->key()))) << c->key();
    EXPECT_EQ(p->variables(), plain->variables());
}

}  // namespace
