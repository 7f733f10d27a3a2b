#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "../support/grip_oracle.h"
#include "../support/library.h"
#include "../support/windows.h"
#include "chords/key_tables.h"
#include "theory/notes.h"

namespace {

using namespace testing_support;

std::vector<std::string> sorted(std::vector<std::string> v) {
    std::sort(v.begin(), v.end());
    return v;
}

TEST(LyrafretDemo, StartUpSelectsTheNeutralOption) {
    Lyrafret l;
    EXPECT_EQ(l->K, "Null");
    EXPECT_EQ(l->Keyer, 78);
    EXPECT_TRUE(l->key(78).value());
    EXPECT_EQ(l->LineNumber, "Null");
    EXPECT_EQ(pic(l->Chord_Display(0)), "") << "start-up loads no picture";
}

TEST(LyrafretDemo, KeyDbWithM7OnTheThirdDegree) {
    Lyrafret l;
    l->Key_C(1).click();
    EXPECT_EQ(l->K, "Db");
    EXPECT_TRUE(l->Overlay(1).visible());
    EXPECT_FALSE(l->cover->visible());
    EXPECT_EQ(pic(*l->Chord_Report2), "img/demo/17/Db.bmp");
    EXPECT_EQ(pic(l->Key_C(1)), "img/demo/15/1.bmp");
    EXPECT_EQ(pic(l->Roman(3)), "img/demo/12/Gb.bmp");
    EXPECT_EQ(l->Keyer, 78);
    l->key(5).click();
    EXPECT_EQ(l->Keyer, 5);
    EXPECT_EQ(l->position, "Minor__Third");
    EXPECT_EQ(shownOverlays(*l), sorted({"F", "Ab", "C", "Eb"}));
    for (int k = 1; k <= 12; ++k) {
        const int expected = k == 7 ? ui::kGreen : (k == 1 || k == 3 || k == 10) ? 192 : 0;
        EXPECT_EQ(l->Tone(k).backColor(), expected) << k;
    }
    EXPECT_EQ(pic(*l->Type_o2), "img/demo/18/m7.bmp");
    EXPECT_EQ(pic(*l->Type_o), "img/demo/19/m7.bmp");
    EXPECT_EQ(pic(*l->Chord_Report2), "img/demo/17/F.bmp");
    // Box9 "4": item 5 leads the row.
    EXPECT_EQ(l->Chord_Display(5).left(), 15);
    EXPECT_EQ(pic(l->Chord_Display(0)), "img/demo/q/1.bmp");
    const std::vector<int> frets{4, 5, 6, 8, 9, 13, 13, 3, 3};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(fretNumberOf(pic(l->FretDisplay(i))), frets[i]) << i;
}

TEST(LyrafretDemo, EightShapeSetKeepsTheBlankBox) {
    Lyrafret l;
    l->Key_C(0).click();
    l->key(3).click();
    EXPECT_EQ(l->Chord_Number, 7);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(pic(l->Chord_Display(i)), "img/demo/o/" + std::to_string(i + 1) + ".bmp");
    EXPECT_EQ(pic(l->Chord_Display(8)), "img/demo/13/b2.bmp");
    EXPECT_EQ(pic(l->FretDisplay(8)), "img/demo/13/0.bmp");
    EXPECT_EQ(shownOverlays(*l), sorted({"D", "E", "F", "A"}));
    EXPECT_EQ(l->Chord_Display(0).left(), 15) << "Box8 \"0\"";
}

TEST(LyrafretDemo, SetNRotatesDifferentlyOnTheSecondAndThirdDegree) {
    struct Case {
        int key, option, leadingItem;
        std::vector<int> frets;
        std::string root;
    };
    const std::vector<Case> cases{
        {0, 2, 0, {1, 1, 2, 2, 5, 6, 7, 10, 12}, "D"},
        {0, 4, 8, {3, 3, 4, 4, 7, 8, 9, 12, 2}, "E"},
        {1, 4, 7, {4, 4, 5, 5, 8, 9, 10, 13, 3}, "F"},
        {1, 2, 8, {2, 2, 3, 3, 6, 7, 8, 11, 13}, "Eb"},
    };
    for (const Case& c : cases) {
        Lyrafret l;
        l->Key_C(c.key).click();
        l->key(c.option).click();
        EXPECT_EQ(l->dir, "n");
        EXPECT_EQ(l->Chord_Display(c.leadingItem).left(), 15) << c.key << "/" << c.option;
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(fretNumberOf(pic(l->FretDisplay(i))), c.frets[i]) << c.key << "/" << i;
        EXPECT_EQ(l->Current_Scale[0], c.root);
        EXPECT_EQ(pic(*l->Report_Tone), "img/demo/12/" + c.root + "_Box.bmp");
    }
}

TEST(LyrafretDemo, ScaleOfTheSecondDegreeInC) {
    Lyrafret l;
    l->Key_C(0).click();
    l->key(2).click();
    EXPECT_EQ(pic(*l->Chord_Report), "img/demo/12/D.bmp");
    EXPECT_EQ(pic(*l->Chord_Report2), "img/demo/17/D.bmp");
    EXPECT_EQ(l->Current_Scale_2, (std::vector<std::string>{"D", "E", "Fs", "G", "A", "B", "Cs"}));
}

TEST(LyrafretDemo, KeySteppersKeepTheOption) {
    Lyrafret l;
    l->Key_C(0).click();
    l->key(2).click();
    l->KeyUp_Click();
    EXPECT_EQ(l->K, "Db");
    EXPECT_EQ(l->Keyer, 2);
    EXPECT_TRUE(l->key(2).bold());
    EXPECT_EQ(shownOverlays(*l), sorted({"Eb", "Gb", "Bb"}));
    EXPECT_EQ(pic(*l->Chord_Report2), "img/demo/17/Db.bmp");
    l->KeyDown_Click();
    l->KeyDown_Click();
    EXPECT_EQ(l->Baser, 11);
    EXPECT_EQ(l->K, "B");
    l->KeyUp_Click();
    EXPECT_EQ(l->Baser, 0);
    {
        Lyrafret fresh;
        fresh->KeyUp_Click();
        EXPECT_EQ(fresh->Baser, 1);
        EXPECT_EQ(fresh->Keyer, 78) << "no chord was chosen";
    }
    {
        Lyrafret fresh;
        fresh->KeyDown_Click();
        EXPECT_EQ(fresh->Baser, 11);
    }
    l->Key_C(0).click();
    l->Key_C(0).click();
    EXPECT_EQ(l->Keyer, 78);
    EXPECT_TRUE(shownOverlays(*l).empty());
}

TEST(LyrafretDemo, DegreeAndTypeStepperTables) {
    struct Step {
        int from;
        void (ui::LyrafretDemo::*press)();
        int to;
    };
    using L = ui::LyrafretDemo;
    const std::vector<Step> steps{
        {0, &L::ScaleUp_Click, 2},   {1, &L::ScaleUp_Click, 2},   {2, &L::ScaleUp_Click, 4},
        {3, &L::ScaleUp_Click, 4},   {4, &L::ScaleUp_Click, 0},   {5, &L::ScaleUp_Click, 0},
        {0, &L::ScaleDown_Click, 4}, {1, &L::ScaleDown_Click, 4}, {2, &L::ScaleDown_Click, 0},
        {3, &L::ScaleDown_Click, 0}, {4, &L::ScaleDown_Click, 2}, {5, &L::ScaleDown_Click, 2},
        {0, &L::TypeUp_Click, 1},    {4, &L::TypeUp_Click, 5},    {5, &L::TypeUp_Click, 0},
        {0, &L::TypeDown_Click, 5},  {3, &L::TypeDown_Click, 2},
    };
    for (const Step& s : steps) {
        Lyrafret l;
        l->Key_C(0).click();
        l->key(s.from).click();
        ((*l).*s.press)();
        EXPECT_EQ(l->Keyer, s.to) << "from " << s.from;
        EXPECT_TRUE(l->key(s.to).bold());
        EXPECT_EQ(pic(*l->Chord_Report2), "img/demo/17/" + l->Current_Scale[0] + ".bmp");
    }
}

TEST(LyrafretDemo, SteppersFromTheNeutralEntry) {
    Lyrafret l;
    l->ScaleUp_Click();  // no chord since start-up: nothing to name
    EXPECT_EQ(pic(*l->Chord_Report2), "");
    l->Key_C(0).click();
    l->key(4).click();
    l->Key_C(2).click();  // Keyer back to 78
    l->TypeUp_Click();
    EXPECT_EQ(l->Keyer, 79);
    EXPECT_TRUE(shownOverlays(*l).empty());
    l->ScaleUp_Click();
    EXPECT_EQ(l->Keyer, 79);
    EXPECT_EQ(pic(*l->Chord_Report2), "img/demo/17/E.bmp") << "root of the chord shown last";
    l->Key_C(0).click();
    l->TypeDown_Click();
    EXPECT_EQ(l->Keyer, 77);
    EXPECT_TRUE(l->key(77).bold());
}

TEST(LyrafretDemo, OptionsWithoutAKeyOrWithoutAnOption) {
    Lyrafret l;
    l->key(0).click();
    EXPECT_EQ(l->Keyer, 0);
    EXPECT_FALSE(l->key(0).bold());
    EXPECT_EQ(pic(l->Chord_Display(0)), "");
    l->Key_C(0).click();
    for (int absent : {13, 14, 28, 29, 79, 84, 1000, -5}) {
        l->key_Click(absent);
        EXPECT_EQ(l->Keyer, absent);
    }
    EXPECT_EQ(pic(l->Chord_Display(0)), "img/demo/13/b2.bmp");
}

TEST(LyrafretDemo, ClearRestoresTheStartState) {
    Lyrafret l;
    l->Key_C(1).click();
    l->key(1).click();
    l->Mask_12_Click();
    l->Clear_Me_Click();
    EXPECT_EQ(l->K, "Null");
    EXPECT_TRUE(l->cover->visible());
    EXPECT_EQ(pic(*l->Type_o2), "");
    EXPECT_EQ(pic(*l->Report_Key), "");
    for (int i = 0; i < 12; ++i) {
        EXPECT_FALSE(l->Overlay(i).visible());
        EXPECT_EQ(pic(l->Key_C(i)), "img/demo/16/" + std::to_string(i) + ".bmp");
    }
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(pic(l->Chord_Display(i)), "img/demo/13/b2.bmp");
        EXPECT_EQ(pic(l->FretDisplay(i)), "img/demo/13/0.bmp");
    }
    EXPECT_TRUE(l->Mask_o("12").visible());
    EXPECT_EQ(l->Mask_o("12").top(), 4080);
    l->Clear_Masks_Click();
    EXPECT_FALSE(l->Mask_o("12").visible());
    l->size(3).click();
    EXPECT_EQ(l->frame().Height, 2700);
    l->size(0).click();
    EXPECT_EQ(l->frame().Width, 11970);
    l->Exit_Me->click();
    EXPECT_TRUE(l->exited());
}

TEST(KeyTables, EveryKeyIsItsMajorScale) {
    const int steps[] = {0, 2, 4, 5, 7, 9, 11};
    for (int k = 0; k < 12; ++k) {
        const auto& row = chords::Key_Table[k];
        EXPECT_EQ(theory::pitchOf(row.K), k) << "key button " << k;
        std::set<char> letters;
        for (int d = 0; d < 7; ++d) {
            EXPECT_EQ(theory::pitchOf(row.scale[d]), (k + steps[d]) % 12) << row.K << " " << d;
            letters.insert(row.scale[d][0]);
        }
        // Cb is not one of the seventeen names, so Gb major uses the letter B twice.
        EXPECT_EQ(letters.size(), std::string(row.K) == "Gb" ? 6u : 7u) << row.K;
    }
}

TEST(KeyTables, DegreeRowsRenameTheKeysPitches) {
    const std::vector<std::tuple<const char*, const char*, const char*>> given{
        {"C", "Major__First", "C"},    {"Db", "Major__First", "Db"}, {"C", "Minor__Second", "D"},
        {"Db", "Minor__Second", "Eb"}, {"C", "Minor__Third", "E"},   {"Db", "Minor__Third", "F"}};
    for (const auto& [key, degree, root] : given) {
        const auto row = chords::degreeRow(key, degree);
        ASSERT_TRUE(row);
        const auto& stored = theory::chordRootRow(root);
        EXPECT_EQ(*row, std::vector<std::string>(stored.begin(), stored.end())) << key << degree;
    }
    EXPECT_EQ((*chords::degreeRow("D", "Minor__Third"))[0], "Fs");
    const auto gbFourth = *chords::degreeRow("Gb", "Major__Fourth");
    EXPECT_EQ(gbFourth, (std::vector<std::string>{"B", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab",
                                                  "A", "Bb", "C"}));
    EXPECT_FALSE(chords::degreeRow("Cs", "Major__First"));
    EXPECT_FALSE(chords::degreeRow("C", "Nowhere"));
}

TEST(KeyTables, GivenChordRowsMarkTheirDegreesTones) {
    // Each marker degree of an option names a scale degree of the key whose pitch is
    // a tone of the chord on the option's degree.
    for (const auto& chord : chords::keyChords()) {
        const int d = chords::degreeIndex(chord.position);
        for (int k = 0; k < 12; ++k) {
            const auto& key = chords::Key_Table[k];
            const int root = testing_support::pitchOfName(key.scale[d]);
            const theory::ChordType* type = theory::chordTypeByKey(chord.Chord_Type);
            ASSERT_NE(type, nullptr) << chord.Chord_Type;
            std::set<int> tones;
            for (int i = 0; i < type->size(); ++i)
                tones.insert((root + testing_support::semitones(type->formula[i])) % 12);
            std::set<int> marked;
            for (const auto& m : chord.markerDegrees)
                marked.insert(testing_support::pitchOfName(key.scale[std::size_t(m - 1)]));
            EXPECT_EQ(marked, tones) << "option " << chord.option << " key " << key.K;
        }
    }
}

}  // namespace
