// "Name a chord" in both windows: clicks on the neck mark strings, each mark
// sounds its note, the names follow the marks, and leaving the mode gives the
// neck back as it was.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "../support/open_strings.h"
#include "../support/windows.h"
#include "chords/key_tables.h"
#include "theory/chord_types.h"

namespace {

using testing_support::Lyrafret;
using testing_support::midiOf;
using testing_support::Pennatone;

constexpr int X = -1;

using testing_support::Heard;

void mark(ui::DemoWindow& w, const theory::Frets& frets) {
    for (int s = 0; s < 6; ++s)
        if (frets[std::size_t(s)] >= 0)
            w.Neck_Spot(ui::DemoWindow::spotIndex(s, frets[std::size_t(s)])).click();
}

std::vector<std::string> shownNames(const ui::DemoWindow& w) {
    std::vector<std::string> names;
    for (const auto& [i, c] : w.Chord_Name.members())
        if (c->visible()) names.push_back(c->caption());
    return names;
}

// Everything the window shows, but the controls of the mode itself.
std::map<std::string, std::string> look(const ui::DemoWindow& w) {
    std::map<std::string, std::string> shown;
    for (const auto& c : w.controls()) {
        const std::string& n = c->name();
        if (n == "Neck_Spot" || n == "Mark_Dot" || n == "Chord_Name" || n == "Name_Report" ||
            n == "Name_Chord")
            continue;
        shown[c->key()] = std::to_string(c->visible()) + " " + std::to_string(c->left()) + " " +
                          c->picture().name + " " + c->caption();
    }
    return shown;
}

TEST(NamingWindow, TheSwitchOpensAndClosesTheMode) {
    for (bool pennatone : {true, false}) {
        SCOPED_TRACE(pennatone ? "PennatoneDemo" : "LyrafretDemo");
        Pennatone p;
        Lyrafret l;
        ui::DemoWindow& w = pennatone ? static_cast<ui::DemoWindow&>(*p) : *l;
        EXPECT_FALSE(w.marks());
        EXPECT_FALSE(w.Neck_Spot(ui::DemoWindow::spotIndex(2, 5)).visible());
        w.Name_Chord->click();
        EXPECT_TRUE(w.settings().naming);
        ASSERT_TRUE(w.marks());
        EXPECT_EQ(*w.marks(), (theory::Frets{X, X, X, X, X, X}));
        EXPECT_TRUE(w.Neck_Spot(ui::DemoWindow::spotIndex(2, 5)).visible());
        EXPECT_TRUE(w.Name_Report->visible());
        EXPECT_NE(w.toolTip(*w.Name_Chord).find("Leave"), std::string::npos);
        w.Name_Chord->click();
        EXPECT_FALSE(w.settings().naming);
        EXPECT_FALSE(w.marks());
        EXPECT_FALSE(w.Name_Report->visible());
    }
}

// A choice kept from an earlier run opens the window in the mode.
TEST(NamingWindow, AKeptChoiceStartsInTheMode) {
    ui::MemoryClipboard clipboard;
    ui::PennatoneDemo w(ui::Platform{DEMO_BIN_DIR, &clipboard, [] {}});
    ui::Settings kept;
    kept.naming = true;
    w.applySettings(kept);  // as the programs do, before start-up
    w.Form_Load();
    ASSERT_TRUE(w.marks());
    EXPECT_TRUE(w.Neck_Spot(ui::DemoWindow::spotIndex(0, 0)).visible());
    EXPECT_EQ(w.Name_Chord->foreColor(), ui::kYellow);
    mark(w, {X, 0, 2, 2, 2, 0});
    EXPECT_EQ(shownNames(w).at(0), "A");
}

// Each click marks its string at its fret, a new fret replaces the old one,
// and a click on the mark removes it; a mark sounds its note, a removal nothing.
TEST(NamingWindow, ClicksMarkReplaceAndRemoveAndEachMarkSounds) {
    Heard<ui::PennatoneDemo> w;
    w->setNaming(true);
    struct Step {
        int string, fret;
        theory::Frets marks;
        const char* heard;  // the note played, or null
    };
    const Step steps[]{
        {1, 3, {X, 3, X, X, X, X}, "C3"},  {2, 2, {X, 3, 2, X, X, X}, "E3"},
        {2, 5, {X, 3, 5, X, X, X}, "G3"},  {2, 5, {X, 3, X, X, X, X}, nullptr},
        {0, 0, {0, 3, X, X, X, X}, "E2"},  {5, 22, {0, 3, X, X, X, 22}, "D6"},
        {3, 0, {0, 3, X, 0, X, 22}, "G3"},
    };
    for (const Step& s : steps) {
        const std::size_t before = w.out.performances.size();
        w->Neck_Spot(ui::DemoWindow::spotIndex(s.string, s.fret)).click();
        EXPECT_EQ(*w->marks(), s.marks) << s.string << " " << s.fret;
        if (!s.heard) {
            EXPECT_EQ(w.out.performances.size(), before);
            continue;
        }
        ASSERT_EQ(w.out.performances.size(), before + 1);
        ASSERT_EQ(w.out.performances.back().size(), 1u);
        EXPECT_EQ(w.out.performances.back()[0].midi, midiOf(s.heard)) << s.heard;
        EXPECT_EQ(w->played()->source,
                  "Neck_Spot(" + std::to_string(ui::DemoWindow::spotIndex(s.string, s.fret)) + ")");
    }
    w->setSound(false);
    w->Neck_Spot(ui::DemoWindow::spotIndex(4, 1)).click();
    EXPECT_EQ(w.out.performances.size(), 6u) << "nothing is heard with sound off";
    // Outside the mode the neck takes no marks.
    w->setNaming(false);
    w->Neck_Spot(ui::DemoWindow::spotIndex(4, 1)).click();
    EXPECT_FALSE(w->marks());
}

// A guitarist's reading of grips, shown as the window shows them.
TEST(NamingWindow, NamesFollowTheMarksTheTuningAndTheNoteNames) {
    struct Case {
        const char* what;
        const char* tuning;
        theory::NameSystem names;
        theory::Frets frets;
        std::vector<std::string> shown;
        const char* report = nullptr;  // when nothing is named
    };
    const Case cases[]{
        {"open C", "standard", theory::NameSystem::English, {X, 3, 2, 0, 1, 0}, {"C", "Gsus4/6/C"}},
        {"G over B", "standard", theory::NameSystem::English, {X, 2, 0, 0, 3, 3}, {"G/B"}},
        {"the low string follows drop D",
         "drop-d",
         theory::NameSystem::English,
         {0, 0, 0, 2, 3, 2},
         {"D"}},
        {"B flat in German",
         "standard",
         theory::NameSystem::German,
         {X, 1, 3, 3, 3, 1},
         {"B", "Fsus4/6/B"}},
        {"two notes",
         "standard",
         theory::NameSystem::English,
         {X, 3, 5, X, X, X},
         {},
         "C and G: no chord"},
        {"in Solf\u00e8ge",
         "standard",
         theory::NameSystem::Solfege,
         {X, 3, 5, X, X, X},
         {},
         "Do and Sol: no chord"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Pennatone w;
        w->setTuning(c.tuning);
        w->setNames(c.names);
        w->setNaming(true);
        mark(*w, c.frets);
        const auto names = shownNames(*w);
        ASSERT_GE(names.size(), c.shown.size());
        for (std::size_t i = 0; i < c.shown.size(); ++i) EXPECT_EQ(names[i], c.shown[i]);
        EXPECT_EQ(w->Name_Report->visible(), names.empty());
        if (c.report) {
            EXPECT_EQ(w->Name_Report->caption(), c.report);
        }
    }
}

TEST(NamingWindow, ATuningChosenLaterNamesTheSameMarksAgain) {
    Pennatone w;
    w->setNaming(true);
    mark(*w, {0, 0, 0, 2, 3, 2});  // E A D A D F♯: D over E
    EXPECT_NE(shownNames(*w).at(0), "D");
    w->setTuning("drop-d");
    EXPECT_EQ(shownNames(*w).at(0), "D");
    EXPECT_EQ(*w->marks(), (theory::Frets{0, 0, 0, 2, 3, 2}));
}

// The mark sits on its string and fret row, with either hand: its centre lies
// in the click target of that place, which the neck mirrors like its overlays.
TEST(NamingWindow, MarksSitOnTheirPlaceWithEitherHand) {
    for (bool left : {false, true}) {
        SCOPED_TRACE(left ? "left-handed" : "right-handed");
        Pennatone w;
        w->setNaming(true);
        mark(*w, {0, 3, 7, 12, 1, 22});
        auto check = [&] {
            for (int s = 0; s < 6; ++s) {
                const ui::Control& dot = w->Mark_Dot(s);
                const ui::Control& spot =
                    w->Neck_Spot(ui::DemoWindow::spotIndex(s, (*w->marks())[std::size_t(s)]));
                const int x = dot.left() + dot.width() / 2, y = dot.top() + dot.height() / 2;
                EXPECT_TRUE(x >= spot.left() && x < spot.left() + spot.width()) << s;
                EXPECT_TRUE(y >= spot.top() && y < spot.top() + spot.height()) << s;
                EXPECT_TRUE(dot.visible());
            }
        };
        w->setLeftHanded(left);
        check();
        // The low E string lies left on a right-handed neck, right on a left-handed one.
        EXPECT_EQ(w->Mark_Dot(0).left() < w->Mark_Dot(5).left(), !left);
        w->setLeftHanded(!left);
        check();
    }
}

// A click on a name shows that chord just as the root and type buttons do.
TEST(NamingWindow, ANameShowsItsChordAsTheButtonsWould) {
    struct Case {
        theory::Frets frets;
        int name;
        int base;  // the root button a player would click
        const char* type;
    };
    const Case cases[]{
        {{X, 3, 2, 0, 1, 0}, 0, 0, "major"},   // C
        {{X, 0, 2, 2, 1, 0}, 0, 13, "minor"},  // Am
        {{0, 2, 0, 1, 0, 0}, 0, 6, "7th"},     // E7
        {{X, X, 0, 0, 0, 3}, 0, 10, "major"},  // G/D shows G major
        {{X, 4, 6, 6, 5, 4}, 0, 1, "minor"},   // C♯m from the C♯ button
    };
    for (const Case& c : cases) {
        Pennatone named, chosen;
        named->setNaming(true);
        mark(*named, c.frets);
        named->Chord_Name(c.name).click();
        chosen->Base(c.base).click();
        const auto* type = theory::chordTypeByKey(c.type);
        chosen->Ty(static_cast<int>(type - theory::kChordTypes.data())).click();
        SCOPED_TRACE(named->K + " " + c.type);
        EXPECT_EQ(named->K, chosen->K);
        EXPECT_EQ(named->Typer, chosen->Typer);
        for (const auto& [key, shown] : look(*chosen))
            EXPECT_EQ(look(*named).at(key), shown) << key;
        EXPECT_EQ(*named->marks(), c.frets) << "the marks stay";
    }
}

// The key window shows a name as a chord of a key: in the key on show when
// one of its degrees offers it, else in the first key that does, just as the
// key button and the chord option would.
TEST(NamingWindow, TheKeyWindowShowsANameAsAChordOfAKey) {
    struct Case {
        const char* what;
        int keyShown;  // -1: none yet
        theory::Frets frets;
        int key, option;  // what a player clicks to see the chord
    };
    const Case cases[]{
        {"A minor is the vi of C", -1, {X, 0, 2, 2, 1, 0}, chords::keyIndex("C"), 65},
        {"C major is the IV of G, which is on show",
         chords::keyIndex("G"),
         {X, 3, 2, 0, 1, 0},
         chords::keyIndex("G"),
         34},
        {"Cmaj7 in C", -1, {X, 3, 2, 0, 0, 0}, chords::keyIndex("C"), 82},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Lyrafret named, chosen;
        if (c.keyShown >= 0) named->Key_C(c.keyShown).click();
        named->setNaming(true);
        mark(*named, c.frets);
        EXPECT_NE(named->toolTip(named->Chord_Name(0)).find("chords of a key"), std::string::npos);
        named->Chord_Name(0).click();
        chosen->Key_C(c.key).click();
        chosen->key(c.option).click();
        EXPECT_EQ(named->K, chosen->K);
        EXPECT_EQ(named->Keyer, chosen->Keyer);
        for (const auto& [key, shown] : look(*chosen))
            EXPECT_EQ(look(*named).at(key), shown) << key;
    }
    // An augmented triad is no chord of a key's degrees: the click changes nothing.
    Lyrafret w;
    w->setNaming(true);
    mark(*w, {X, 3, 2, 1, 1, X});
    EXPECT_EQ(shownNames(*w).at(0), "Caug");
    EXPECT_NE(w->toolTip(w->Chord_Name(0)).find("not among"), std::string::npos);
    const auto before = look(*w);
    w->Chord_Name(0).click();
    EXPECT_EQ(look(*w), before);
}

// Leaving the mode removes the marks and gives back the neck as it was, chord
// overlays and masks included, in both windows.
TEST(NamingWindow, LeavingGivesTheNeckBack) {
    Pennatone p;
    p->Base(6).click();
    p->Ty(0).click();
    p->Mask_12_Click();
    Lyrafret l;
    l->Key_C_Click(3);
    l->key(1).click();
    for (ui::DemoWindow* w :
         {static_cast<ui::DemoWindow*>(&*p), static_cast<ui::DemoWindow*>(&*l)}) {
        SCOPED_TRACE(w->programName());
        const auto before = look(*w);
        w->Name_Chord->click();
        mark(*w, {0, 2, 2, 1, 0, 0});
        EXPECT_EQ(look(*w), before) << "marks are drawn over what the neck shows";
        w->Name_Chord->click();
        EXPECT_EQ(look(*w), before);
        for (const auto& [s, dot] : w->Mark_Dot.members()) EXPECT_FALSE(dot->visible());
        for (const auto& [i, name] : w->Chord_Name.members()) EXPECT_FALSE(name->visible());
    }
}

TEST(NamingWindow, TheNeckSaysWhatAClickMarks) {
    Pennatone w;
    EXPECT_EQ(w->toolTip(w->Neck_Spot(ui::DemoWindow::spotIndex(3, 5))), "Mark string 3 at fret 5");
    EXPECT_EQ(w->toolTip(w->Neck_Spot(ui::DemoWindow::spotIndex(0, 0))), "Mark string 6 open");
    EXPECT_EQ(w->accessibleName(w->Neck_Spot(ui::DemoWindow::spotIndex(5, 22))),
              "Mark string 1 at fret 22");
    EXPECT_NE(w->toolTip(*w->Name_Chord).find("Name a chord"), std::string::npos);
}

}  // namespace

// What clears the neck clears the marks too, as a click, as Esc, in either window.
TEST(NamingWindow, ClearingTheNeckTakesTheMarksOff) {
    for (bool pennatone : {true, false}) {
        for (bool byClearFret : {true, false}) {
            SCOPED_TRACE(std::string(pennatone ? "PennatoneDemo " : "LyrafretDemo ") +
                         (byClearFret ? "Clear Fret" : "Esc"));
            Pennatone p;
            Lyrafret l;
            ui::DemoWindow& w = pennatone ? static_cast<ui::DemoWindow&>(*p) : *l;
            w.setNaming(true);
            mark(w, {X, 3, 2, 0, 1, 0});
            ASSERT_EQ(shownNames(w).at(0), "C");
            if (byClearFret)
                w.Clear_Fretboard->click();
            else
                w.keyTarget(ui::DemoWindow::StepKey::Escape)->click();
            ASSERT_TRUE(w.marks()) << "the mode stays on";
            EXPECT_EQ(*w.marks(), (theory::Frets{X, X, X, X, X, X}));
            EXPECT_TRUE(shownNames(w).empty());
            for (const auto& [s, dot] : w.Mark_Dot.members()) EXPECT_FALSE(dot->visible()) << s;
        }
    }
}
