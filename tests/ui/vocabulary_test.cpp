// Every root with every chord type, every key with every chord option.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "../support/grip_oracle.h"
#include "../support/library.h"
#include "../support/windows.h"
#include "chords/key_tables.h"
#include "chords/pennatone_types.h"
#include "theory/chord_types.h"
#include "theory/given_sets.h"
#include "theory/notes.h"

namespace {

using namespace testing_support;

// A given set is put in fret order with a fret above 12 counted twelve lower;
// a gallery chosen per root is in plain fret order.
std::vector<int> fretsInCellOrder(const ui::DemoWindow& w, int count, bool fold) {
    std::vector<std::pair<std::pair<int, int>, int>> cells;
    for (int i = 0; i < count; ++i) {
        const auto& d = w.Chord_Display(i);
        const int n = fretNumberOf(pic(w.FretDisplay(i)));
        cells.push_back({{d.top(), d.left()}, fold && n > 12 ? n - 12 : n});
    }
    std::sort(cells.begin(), cells.end());
    std::vector<int> frets;
    for (const auto& c : cells) frets.push_back(c.second);
    return frets;
}

// The notes, formula pictures and overlays of the shown chord against its formula.
void expectChord(const ui::DemoWindow& w, const theory::ChordType& type, const std::string& where) {
    const std::string root = w.Current_Scale.at(0);
    std::set<std::string> expected;
    for (int i = 0; i < type.size(); ++i) {
        const std::string note = testing_support::noteOfPicture(pic(w.Notes_Report(i)));
        EXPECT_EQ(
            testing_support::pitchOfName(note),
            (testing_support::pitchOfName(root) + testing_support::semitones(type.formula[i])) % 12)
            << where << " tone " << type.formula[i];
        EXPECT_EQ(pic(w.Notes_Report(i)), "img/demo/12/" + note + ".bmp") << where;
        EXPECT_EQ(pic(w.Formula_Report(i)), std::string("img/demo/12/") + type.formula[i] + ".bmp")
            << where;
        expected.insert(note);
    }
    for (int i = type.size(); i < 7; ++i) EXPECT_EQ(pic(w.Notes_Report(i)), "") << where;
    EXPECT_EQ(shownOverlays(w), std::vector<std::string>(expected.begin(), expected.end()))
        << where;
    EXPECT_EQ(pic(*w.Chord_Report), "img/demo/12/" + root + ".bmp") << where;
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(pic(w.Scale_Report(i)),
                  "img/demo/12/" + w.Current_Scale[theory::kMajorScalePositions[i]] + ".bmp")
            << where;
}

TEST(Vocabulary, EveryRootWithEveryChordType) {
    Pennatone p;
    for (int button = 0; button < 17; ++button) {
        for (int option = 0; option <= 52; ++option) {
            p->Base(button).click();
            p->Ty(option).click();
            const auto* type = chords::pennatoneType(option);
            ASSERT_NE(type, nullptr) << option;
            const std::string where = p->K + " " + type->key;
            EXPECT_EQ(p->Chord_Type, type->key);
            expectChord(*p, theory::kChordTypes[option], where);
            // Galleries chosen per root are proven in grip_gallery_test.cpp; a
            // given shape that would run past fret 22 is shown twelve lower.
            const int n = p->Chord_Number.value_or(-1) + 1;
            for (int i = 0; i < n && option < 2; ++i) {
                const int listed = type->baseFrets[i] + theory::pitchOf(p->K);
                const int shown = fretNumberOf(pic(p->FretDisplay(i)));
                EXPECT_TRUE(shown == listed || (listed >= 19 && shown == listed - 12))
                    << where << " " << listed << " " << shown;
            }
            const auto frets = fretsInCellOrder(*p, n, option < 2);
            EXPECT_TRUE(std::is_sorted(frets.begin(), frets.end())) << where;
            EXPECT_EQ(pic(*p->Type_o2), std::string("img/demo/18/") + type->key + ".bmp");
        }
    }
}

TEST(Vocabulary, TypeSteppersShowAChordAtEveryStep) {
    Pennatone p;
    p->Base(7).click();
    for (int step = 0; step < 53; ++step) {
        p->TypeUp_Click();
        EXPECT_FALSE(p->Logo_Box->visible()) << step;
        EXPECT_EQ(p->Typer, (step + 1) % 53);
    }
    for (int step = 0; step < 53; ++step) {
        p->TypeDown_Click();
        EXPECT_FALSE(p->Logo_Box->visible()) << step;
    }
    EXPECT_EQ(p->Typer, 0);
}

TEST(Vocabulary, EveryKeyWithEveryChordOption) {
    Lyrafret l;
    for (int k = 0; k < 12; ++k) {
        l->Key_C(k).click();
        for (const auto& [option, control] : l->key.members()) {
            if (option == ui::LyrafretDemo::kNeutralOption) continue;
            const chords::KeyChord* row = chords::keyChord(option);
            ASSERT_NE(row, nullptr) << "option " << option;
            l->key(option).click();
            const std::string where = l->K + " option " + std::to_string(option);
            const int degree = chords::degreeIndex(row->position);
            EXPECT_EQ(l->Current_Scale.at(0), chords::Key_Table[k].scale[degree]) << where;
            expectChord(*l, *theory::chordTypeByKey(row->Chord_Type), where);
            const int n = l->Chord_Number.value_or(-1) + 1;
            const bool given = std::string_view(row->dir).rfind("ly_", 0) != 0;
            for (int i = 0; i < n && given; ++i) {
                const int listed = row->baseFrets[i] + k;
                const int shown = fretNumberOf(pic(l->FretDisplay(i)));
                EXPECT_TRUE(shown == listed || (listed >= 19 && shown == listed - 12))
                    << where << " " << listed << " " << shown;
            }
            const auto frets = fretsInCellOrder(*l, n, given);
            EXPECT_TRUE(std::is_sorted(frets.begin(), frets.end())) << where;
            EXPECT_EQ(pic(*l->Chord_Report2), "img/demo/17/" + l->Current_Scale[0] + ".bmp");
        }
    }
}

TEST(Vocabulary, KeyStepperCyclesNeverLeaveTheWindowEmptyForLong) {
    using L = ui::LyrafretDemo;
    const std::vector<void (L::*)()> presses{&L::TypeUp_Click, &L::TypeDown_Click,
                                             &L::ScaleUp_Click, &L::ScaleDown_Click};
    Lyrafret layout;
    for (const auto& [option, control] : layout->key.members()) {
        if (option == L::kNeutralOption) continue;
        for (auto press : presses) {
            Lyrafret l;
            l->Key_C(3).click();
            l->key(option).click();
            std::set<int> seen;
            int emptyRun = 0;
            for (int i = 0; i < 22; ++i) {
                ((*l).*press)();
                seen.insert(*l->Keyer);
                emptyRun = l->Logo_Box->visible() ? emptyRun + 1 : 0;
                EXPECT_LE(emptyRun, 1) << "from option " << option;
            }
            // Type steps cycle through a column, or reach the cycle of options 0..5 whose rule
            // wins once the column wraps onto them; degree steps land on triads.
            if (press == &L::TypeUp_Click || press == &L::TypeDown_Click) {
                EXPECT_TRUE(seen.count(option) || seen.count(0))
                    << "the cycle comes back to option " << option;
            }
        }
    }
}

}  // namespace
