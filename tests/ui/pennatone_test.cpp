#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "../support/grip_oracle.h"
#include "../support/library.h"
#include "../support/windows.h"
#include "chords/pennatone_types.h"
#include "theory/chord_types.h"
#include "theory/given_sets.h"
#include "theory/notes.h"

namespace {

using namespace testing_support;

// Fret numbers read in cell order, frets above 12 counted twelve lower.
// A given set is put in fret order with a fret above 12 counted twelve lower;
// a gallery chosen per root is in plain fret order.
std::vector<int> fretsInCellOrder(const ui::DemoWindow& w, int count, bool fold = true) {
    std::vector<std::pair<std::pair<int, int>, int>> cells;
    for (int i = 0; i < count; ++i) {
        const auto& d = w.Chord_Display(i);
        int n = fretNumberOf(pic(w.FretDisplay(i)));
        cells.push_back({{d.top(), d.left()}, fold && n > 12 ? n - 12 : n});
    }
    std::sort(cells.begin(), cells.end());
    std::vector<int> frets;
    for (const auto& c : cells) frets.push_back(c.second);
    return frets;
}

TEST(PennatoneDemo, Add9OnCShowsTheWholeChord) {
    Pennatone p;
    p->Base(0).click();
    EXPECT_FALSE(p->Cover->visible());
    EXPECT_EQ(pic(p->Base(0)), "img/demo/15/C.bmp");
    EXPECT_EQ(pic(p->Base(1)), "img/demo/16/Cs.bmp");
    p->Ty(1).click();
    EXPECT_EQ(p->Chord_Type, "add9");
    EXPECT_EQ(p->dir, "21");
    EXPECT_EQ(p->Chord_Number, 10);
    EXPECT_TRUE(p->Ty(1).bold());
    EXPECT_EQ(p->Ty(1).foreColor(), ui::kYellow);
    EXPECT_FALSE(p->Logo_Box->visible());
    const std::vector<int> frets{2, 3, 5, 7, 7, 8, 8, 8, 9, 10, 12};
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(pic(p->Chord_Display(i)), "img/demo/21/" + std::to_string(i + 1) + ".bmp");
        EXPECT_EQ(pic(p->FretDisplay(i)), "img/demo/13/" + std::to_string(frets[i]) + ".bmp");
        EXPECT_EQ(p->Chord_Display(i).left(), p->Chord_Display(i % 9).left());  // Box11 "0"
    }
    for (int i = 11; i <= 17; ++i) EXPECT_EQ(pic(p->Chord_Display(i)), "");
    EXPECT_EQ(pic(p->Chord_Display(18)), "img/demo/21/C.bmp");
    const std::vector<std::string> formula{"1", "3", "5", "9"}, notes{"C", "E", "G", "D"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(pic(p->Formula_Report(i)), "img/demo/12/" + formula[i] + ".bmp");
        EXPECT_EQ(pic(p->Notes_Report(i)), "img/demo/12/" + notes[i] + ".bmp");
    }
    EXPECT_EQ(pic(p->Formula_Report(4)), "");
    EXPECT_EQ(shownOverlays(*p), (std::vector<std::string>{"C", "D", "E", "G"}));
    for (int k = 1; k <= 12; ++k) {
        const int expected = k == 7 ? ui::kGreen : (k == 1 || k == 2 || k == 4) ? ui::kDarkRed : 0;
        EXPECT_EQ(p->Tone(k).backColor(), expected) << "Tone_" << k;
    }
    const std::vector<int> colours{192, 192, 65280, 192, 0, 0, 0};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(p->tone_color(i).backColor(), colours[i]);
    EXPECT_EQ(pic(*p->Type_o), "img/demo/19/add9.bmp");
    EXPECT_EQ(pic(*p->Type_o2), "img/demo/18/add9.bmp");
    EXPECT_EQ(pic(*p->Chord_Report), "img/demo/12/C.bmp");
    EXPECT_EQ(pic(*p->Chord_Report2), "img/demo/17/C.bmp");
    EXPECT_EQ(pic(*p->Report_Tone), "img/demo/12/C_Box.bmp");
    const std::vector<std::string> scale{"C", "D", "E", "F", "G", "A", "B"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(pic(p->Scale_Report(i)), "img/demo/12/" + scale[i] + ".bmp");
    EXPECT_EQ(p->LineNumber, "3");
}

TEST(PennatoneDemo, RootExamplesOfTheGallery) {
    struct Case {
        int button, type;
        std::vector<std::pair<int, int>> itemFret;  // item, fret number
        int firstCellItem;
        std::string rootDiagram;
    };
    const std::vector<Case> cases{
        {6, 0, {{0, 5}, {13, 13}, {17, 16}}, 13, "img/demo/20/E.bmp"},  // E major, Box18 "5"
        // Shapes that would run past fret 22 are shown twelve frets lower.
        {16, 0, {{0, 12}, {16, 11}, {17, 11}}, 1, "img/demo/20/B.bmp"},  // B major, "17"
        {15, 0, {{0, 11}}, 2, "img/demo/20/Bb.bmp"},                     // Bb major, "16"
        {11, 0, {{0, 9}}, 3, ""},                                        // Gs major, "15"
        {16, 1, {{0, 13}, {10, 11}}, 0, ""},                             // B add9, "0"
    };
    for (const Case& c : cases) {
        Pennatone p;
        p->Base(c.button).click();
        p->Ty(c.type).click();
        for (auto [item, fret] : c.itemFret)
            EXPECT_EQ(pic(p->FretDisplay(item)), "img/demo/13/" + std::to_string(fret) + ".bmp")
                << "button " << c.button << " item " << item;
        EXPECT_EQ(p->Chord_Display(c.firstCellItem).left(), 15) << c.button;
        EXPECT_EQ(p->Chord_Display(c.firstCellItem).top(), 30) << c.button;
        EXPECT_EQ(pic(p->Chord_Display(18)), c.rootDiagram) << c.button;
    }
}

TEST(PennatoneDemo, EveryRootWithEveryTypeThatHasDiagrams) {
    for (const auto& type : chords::pennatoneTypes()) {
        const theory::ChordType& ct = theory::kChordTypes[type.option];
        for (int button = 0; button < 17; ++button) {
            Pennatone p;
            p->Base(button).click();
            p->Ty(type.option).click();
            const std::string root = p->K;
            const int rootPitch = testing_support::pitchOfName(root);
            EXPECT_EQ(root, button == 1 ? "Db" : theory::Root_Names[button]);
            std::vector<std::string> expectedNotes;
            for (int i = 0; i < ct.size(); ++i) {
                const std::string note = testing_support::noteOfPicture(pic(p->Notes_Report(i)));
                expectedNotes.push_back(note);
                EXPECT_EQ(testing_support::pitchOfName(note),
                          (rootPitch + testing_support::semitones(ct.formula[i])) % 12)
                    << root << " " << ct.key << " tone " << ct.formula[i];
            }
            std::sort(expectedNotes.begin(), expectedNotes.end());
            EXPECT_EQ(shownOverlays(*p), expectedNotes) << root << " " << ct.key;
            // Types chosen per root are proven in grip_gallery_test.cpp.
            const int n = p->Chord_Number.value_or(-1) + 1;
            // A given shape whose highest fret would lie past 22 is shown twelve lower.
            const theory::DiagramSet* set = theory::diagramSet(type.dir);
            for (int i = 0; i < n && type.option < 2; ++i) {
                const auto& shape = set->shapes[std::size_t(i)];
                const int listed = type.baseFrets[i] + rootPitch;
                const int top = listed + *std::max_element(shape.begin(), shape.end()) -
                                theory::lowestFret(shape);
                EXPECT_EQ(fretNumberOf(pic(p->FretDisplay(i))), top > 22 ? listed - 12 : listed)
                    << root << " " << ct.key << " shape " << i + 1;
            }
            const auto frets = fretsInCellOrder(*p, n, type.option < 2);
            EXPECT_TRUE(std::is_sorted(frets.begin(), frets.end())) << root << " " << ct.key;
        }
    }
}

TEST(PennatoneDemo, StartUpAndClear) {
    Pennatone p;
    EXPECT_EQ(p->K, "Null");
    EXPECT_EQ(p->LineNumber, "Null");
    EXPECT_EQ(p->Chord_Number, 8);
    EXPECT_TRUE(p->Ty(53).value());
    EXPECT_FALSE(p->Typer.has_value());
    EXPECT_EQ(p->Folder_12, std::string(DEMO_BIN_DIR) + "/img/demo/12/");
    p->Base(3).click();
    p->Ty(0).click();
    p->Mask_12_Click();
    p->Clear_Me_Click();
    EXPECT_EQ(p->K, "Null");
    EXPECT_EQ(p->LineNumber, "1");
    EXPECT_TRUE(p->Cover->visible());
    EXPECT_TRUE(p->Logo_Box->visible());
    EXPECT_EQ(p->Baser, 3) << "Clear keeps the last root";
    EXPECT_EQ(p->Typer, 0) << "Clear keeps the last type";
    EXPECT_TRUE(p->Mask_o("12").visible()) << "Clear leaves the masks";
    EXPECT_EQ(p->Scales, std::vector<std::string>(8));
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(pic(p->Base(i)), std::string("img/demo/16/") + theory::Root_Names[i] + ".bmp");
    for (int i = 0; i <= 18; ++i) EXPECT_EQ(pic(p->Chord_Display(i)), "");
    EXPECT_TRUE(shownOverlays(*p).empty());
    EXPECT_FALSE(p->Ty(0).bold());
    // A stepper after Clear goes on from the last root and type.
    p->Baseup_Click();
    EXPECT_EQ(p->K, "Ds");
    EXPECT_EQ(p->Chord_Type, "major");
}

TEST(PennatoneDemo, StepperRulesAndTheNeutralEntry) {
    {
        Pennatone p;  // Baseup with no root: button 1 (Db) with major
        p->Baseup_Click();
        EXPECT_EQ(p->K, "Db");
        EXPECT_EQ(p->Baser, 1);
        EXPECT_EQ(p->Chord_Type, "major");
        EXPECT_EQ(pic(*p->Chord_Report2), "img/demo/17/Db.bmp");
        EXPECT_EQ(pic(p->Base(1)), "img/demo/15/Cs.bmp");
    }
    {
        Pennatone p;  // Basedown with no root: the last button
        p->Basedown_Click();
        EXPECT_EQ(p->K, "B");
    }
    {
        Pennatone p;  // a type chosen before any root is remembered, not shown
        p->Ty(1).click();
        EXPECT_EQ(p->Typer, 1);
        EXPECT_FALSE(p->Ty(1).bold());
        EXPECT_EQ(pic(p->Chord_Display(0)), "");
        p->Baseup_Click();
        EXPECT_EQ(p->Chord_Type, "add9");
        EXPECT_TRUE(p->Ty(1).bold());
        p->Baseup_Click();  // button 2 is Db again, under its own pictures
        EXPECT_EQ(p->K, "Db");
        EXPECT_EQ(pic(p->Base(2)), "img/demo/15/Db.bmp");
        p->Baseup_Click();
        EXPECT_EQ(p->K, "D");
        EXPECT_EQ(p->Chord_Type, "add9");
    }
    {
        Pennatone p;
        p->Base(16).click();
        p->Baseup_Click();
        EXPECT_EQ(p->Baser, 0) << "wraps from the last root";
        p->Basedown_Click();
        EXPECT_EQ(p->Baser, 16);
        p->Ty(52).click();
        p->TypeUp_Click();
        EXPECT_EQ(p->Typer, 0);
        EXPECT_EQ(p->Chord_Type, "major");
        p->TypeDown_Click();
        EXPECT_EQ(p->Typer, 52);
        EXPECT_TRUE(p->Ty(52).bold());
        EXPECT_EQ(p->Chord_Type, "aug");
        EXPECT_EQ(pic(p->Chord_Display(0)).rfind("img/demo/grips/", 0), 0u);
    }
    for (int neutral : {53, 54, 100, -1}) {
        Pennatone p;
        p->Base(0).click();
        p->Ty(0).click();
        p->Ty_Click(neutral);
        EXPECT_EQ(p->Typer, 0) << neutral;
        EXPECT_FALSE(p->Ty(0).bold()) << neutral;
        EXPECT_EQ(pic(p->Chord_Display(0)), "img/demo/20/1.bmp") << "reports stay";
        p->TypeUp_Click();
        EXPECT_EQ(p->Typer, 1);
    }
}

TEST(PennatoneDemo, ClipboardSizesAndFretboard) {
    Pennatone p;
    p->Base(0).click();
    p->Ty(0).click();
    p->Chord_Display(5).click();
    ASSERT_TRUE(p.clipboard.content());
    EXPECT_EQ(p.clipboard.content()->name, "img/demo/20/6.bmp");
    EXPECT_EQ(pic(*p->Mini_Clip), "img/demo/20/6.bmp");
    p->FretDisplay(5).click();
    EXPECT_EQ(p.clipboard.content()->name, "img/demo/13/7.bmp");
    EXPECT_EQ(pic(*p->Mini_Clip), "img/demo/13/7.bmp");
    p->Chord_Display(17).click();  // empty box after a clear
    p->Ty(1).click();
    p->Chord_Display(12).click();
    EXPECT_FALSE(p.clipboard.content()) << "an empty box leaves the clipboard empty";

    struct Size {
        int index, height, width, top, left;
    };
    p->frame().Top = 300;
    p->frame().Left = 200;
    for (const Size& s : std::vector<Size>{{2, 3200, 8460, 300, 200},
                                           {3, 1750, 8460, 300, 200},
                                           {1, 7400, 8460, 0, 200},
                                           {0, 8625, 8460, 0, 200},
                                           {4, 8625, 11970, 0, 0},
                                           {7, 8625, 11970, 0, 0}}) {
        p->size(std::min(s.index, 4)).click();
        if (s.index == 7) p->size_Click(7);
        EXPECT_EQ(p->frame().Height, s.height) << s.index;
        EXPECT_EQ(p->frame().Width, s.width) << s.index;
        EXPECT_EQ(p->frame().Top, s.top) << s.index;
        EXPECT_EQ(p->frame().Left, s.left) << s.index;
        if (s.index == 4) p->frame().Top = 300, p->frame().Left = 200;
    }

    p->Select_Fs_Click();
    EXPECT_TRUE(p->NoteEntry("Fs").visible());
    p->Select_Fs_Click();
    EXPECT_FALSE(p->NoteEntry("Fs").visible());
    p->Mask_High_E_Click();
    p->Clear_Fretboard_Click();
    EXPECT_TRUE(shownOverlays(*p).empty());
    EXPECT_TRUE(p->Mask_o("High_E").visible());
    p->close_me->click();
    EXPECT_TRUE(p.exitCalled);
    EXPECT_TRUE(p->exited());
}

TEST(PennatoneDemo, AMissingPictureStopsTheHandlerAtThatStep) {
    LibraryCopy library;
    library.remove("21/5.bmp");
    Pennatone p(library.folder());
    p->Base(0).click();
    try {
        p->Ty(1).click();
        FAIL() << "the load must fail";
    } catch (const images::PictureLoadError& e) {
        EXPECT_EQ(e.file(), "img/demo/21/5.bmp");
    }
    // Earlier steps are done: highlight, scale, rotation, the first four diagrams.
    EXPECT_TRUE(p->Ty(1).bold());
    EXPECT_EQ(p->Chord_Type, "add9");
    EXPECT_EQ(pic(p->Scale_Report(6)), "img/demo/12/B.bmp");
    EXPECT_EQ(pic(p->Chord_Display(3)), "img/demo/21/4.bmp");
    // Later ones are not: no fret numbers, formula or overlays.
    EXPECT_EQ(pic(p->Chord_Display(5)), "");
    EXPECT_EQ(pic(p->FretDisplay(0)), "");
    EXPECT_EQ(pic(p->Formula_Report(0)), "");
    EXPECT_TRUE(shownOverlays(*p).empty());
    p->Ty(0).click();  // the window goes on
    EXPECT_EQ(p->Chord_Type, "major");
}

}  // namespace
