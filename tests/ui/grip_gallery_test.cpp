// Every gallery chosen per root, read back from what the window shows: the
// picture a cell names and the fret beside it must sound the chord.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../support/grip_oracle.h"
#include "../support/library.h"
#include "../support/windows.h"
#include "chords/key_tables.h"
#include "chords/pennatone_types.h"
#include "theory/chord_types.h"
#include "theory/notes.h"

namespace {

using namespace testing_support;
using Frets = std::array<int, 6>;

constexpr std::array<int, 6> kStandardMidi{40, 45, 50, 55, 59, 64};

// Empty when the frets sound the chord of `root` within the rules.
std::string fault(const Frets& frets, const theory::ChordType& type, int root) {
    unsigned sounded = 0, formula = 0;
    int lo = 99, hi = 0;
    for (std::size_t s = 0; s < 6; ++s) {
        if (frets[s] < 0) continue;
        if (frets[s] > 22) return "off the neck";
        sounded |= 1u << ((kStandardMidi[s] + frets[s] - root) % 12 + 12) % 12;
        if (frets[s] > 0) lo = std::min(lo, frets[s]), hi = std::max(hi, frets[s]);
    }
    for (int i = 0; i < type.size(); ++i) formula |= 1u << semitones(type.formula[i]);
    if (sounded & ~formula) return "a note outside the chord";
    // The third or its stand-in (b3, 2, 4) and any seventh are never left out.
    for (const char* s : {"3", "b3", "2", "4", "7", "b7", "b5", "#5", "6", "b9", "#9", "#11"})
        for (int i = 0; i < type.size(); ++i)
            if (std::string_view(type.formula[i]) == s && !(sounded >> semitones(s) & 1u))
                return std::string("no ") + s;
    if (lo != 99 && hi - lo > 3) return "spans more than four frets";
    return "";
}

struct Shown {
    std::vector<std::pair<std::pair<int, int>, int>> cells;  // (top, left), fret
    std::vector<std::string> faults;
};

Shown readGallery(const ui::DemoWindow& w, int count, const theory::ChordType& type, int root) {
    Shown out;
    for (int i = 0; i < count; ++i) {
        const std::string picture = pic(w.Chord_Display(i));
        const int fret = fretNumberOf(pic(w.FretDisplay(i)));
        const Frets f = shownFrets(picture, fret);
        const std::string why = fault(f, type, root);
        if (!why.empty())
            out.faults.push_back(picture + " at " + std::to_string(fret) + ": " + why);
        // Open strings ring where they are: only a shape without them has a twin lower down.
        const std::string stem = picture.substr(picture.rfind('/') + 1);
        if (stem[0] == 'm' && stem.find('0') == std::string::npos && fret >= 13)
            out.faults.push_back(picture + " at " + std::to_string(fret) +
                                 ": fits an octave lower");
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

TEST(GripGalleries, EveryRootOfEveryFinderTypeChosenPerRoot) {
    int galleries = 0;
    Pennatone p;
    for (int button = 0; button < 17; ++button) {
        for (const auto& type : chords::pennatoneTypes()) {
            const theory::ChordType& ct = theory::kChordTypes[std::size_t(type.option)];
            p->Base(button).click();
            p->Ty(type.option).click();
            const int root = theory::pitchOf(p->K);
            const auto* cells = chords::pennatoneGallery(type.option, root);
            if (type.option < 2) {
                EXPECT_EQ(cells, nullptr) << ct.key;
                continue;
            }
            ASSERT_NE(cells, nullptr) << ct.key;
            ++galleries;
            const int count = p->Chord_Number.value_or(-1) + 1;
            EXPECT_GE(count, 9) << p->K << " " << ct.key;
            EXPECT_LE(count, 18);
            const Shown shown = readGallery(*p, count, ct, root);
            for (const auto& f : shown.faults) ADD_FAILURE() << p->K << " " << ct.key << " " << f;
            EXPECT_TRUE(ascending(shown)) << p->K << " " << ct.key;
            const std::string beside = pic(p->Chord_Display(18));
            if (!beside.empty()) {
                const std::string why = fault(shownFrets(beside, 0), ct, root);
                EXPECT_EQ(why, "") << p->K << " " << ct.key << " " << beside;
            }
        }
    }
    EXPECT_EQ(galleries, 51 * 17);
}

TEST(GripGalleries, EveryKeyOfEveryKeyWindowOptionChosenPerRoot) {
    int galleries = 0;
    Lyrafret l;
    for (int key = 0; key < 12; ++key) {
        l->Key_C(key).click();
        for (const auto& row : chords::keyChords()) {
            const theory::ChordType& ct = *theory::chordTypeByKey(row.Chord_Type);
            const bool given = std::string_view(row.dir).rfind("ly_", 0) != 0;
            l->key(row.option).click();
            if (given) {
                EXPECT_EQ(chords::keyGallery(row.option, l->K), nullptr);
                continue;
            }
            ++galleries;
            constexpr std::array<int, 7> kMajorSteps{0, 2, 4, 5, 7, 9, 11};
            const int root = (theory::pitchOf(chords::Key_Table[std::size_t(key)].K) +
                              kMajorSteps[std::size_t(chords::degreeIndex(row.position))]) %
                             12;
            const int count = l->Chord_Number.value_or(-1) + 1;
            EXPECT_GE(count, 6) << l->K << " " << row.option;
            EXPECT_LE(count, 9);
            const Shown shown = readGallery(*l, count, ct, root);
            for (const auto& f : shown.faults)
                ADD_FAILURE() << l->K << " " << row.option << " " << f;
            EXPECT_TRUE(ascending(shown)) << l->K << " " << row.option;
        }
    }
    EXPECT_GT(galleries, 12 * 60);
}

}  // namespace
