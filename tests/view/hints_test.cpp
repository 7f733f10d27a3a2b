// What the controls say about themselves: tooltips, accessible names, and the
// keys that stand for the arrows and "Clear"; in the model and on the view.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QTest>
#include <QToolTip>
#include <set>
#include <string>

#include "../support/windows.h"
#include "chords/key_tables.h"
#include "ui/qt/qt_view.h"

namespace {

using testing_support::Lyrafret;
using testing_support::Pennatone;
using ui::DemoWindow;
using StepKey = ui::DemoWindow::StepKey;

TEST(Hints, EveryClickableControlSaysWhatAClickDoesAndNoOtherHasATooltip) {
    Pennatone p;
    Lyrafret l;
    for (const DemoWindow* w :
         {static_cast<DemoWindow*>(p.window.get()), static_cast<DemoWindow*>(l.window.get())}) {
        for (const auto& c : w->controls()) {
            SCOPED_TRACE(w->programName() + " " + c->key());
            if (c->clickable())
                EXPECT_FALSE(w->toolTip(*c).empty());
            else
                EXPECT_EQ(w->toolTip(*c), "");
        }
    }
}

struct Expected {
    const char* control;
    const char* toolTip;
};

const Expected kPennatone[] = {
    {"Chord_Display(3)", "Copy this diagram"},
    {"Chord_Display(18)", "Copy this diagram"},
    {"FretDisplay(0)", "Copy this fret number"},
    {"Mask_12", "Mask fret 12"},
    {"Mask_0", "Mask the open strings"},
    {"Mask_Low_E", "Mask the low E string"},
    {"Mask_High_E", "Mask the high E string"},
    {"Select_Cs", "Show the notes of C\u266F"},
    {"Select_Bb", "Show the notes of B\u266D"},
    {"size(3)", "Compact size: diagrams only"},
    {"size(4)", "Full size: with the fretboard"},
    {"TypeUp", "Next chord type"},
    {"TypeDown", "Previous chord type"},
    {"Baseup", "Next root"},
    {"Base(1)", "Chords with the root C\u266F"},
    {"Ty(0)", "Chord type Major"},
    {"Clear_Me", "Clear: start again with no chord"},
    {"close_me", "Exit"},
};

const Expected kLyrafret[] = {
    {"Chord_Display(8)", "Copy this diagram"},
    {"KeyUp", "Next key"},
    {"ScaleDown", "Previous degree of the key"},
    {"TypeUp", "Next chord of this degree"},
    {"Key_C(0)", "The chords of the key of C"},
    {"key(5)", "Show the m7 chord"},
    {"size(5)", "Compact size: diagrams only"},
    {"Mask_22", "Mask fret 22"},
    {"Exit_Me", "Exit"},
};

TEST(Hints, TooltipsNameTheirControlsOwnEffect) {
    Pennatone p;
    for (const Expected& e : kPennatone)
        EXPECT_EQ(p->toolTip(p->control(e.control)), e.toolTip) << e.control;
    Lyrafret l;
    for (const Expected& e : kLyrafret)
        EXPECT_EQ(l->toolTip(l->control(e.control)), e.toolTip) << e.control;
}

TEST(Hints, NoTwoMasksRootsOrNotePickersShareATooltip) {
    Pennatone p;
    for (const char* prefix : {"Mask_", "Select_", "Base(", "size("}) {
        std::set<std::string> seen;
        int count = 0;
        for (const auto& c : p->controls()) {
            if (c->key().rfind(prefix, 0) != 0 || !c->clickable()) continue;
            ++count;
            EXPECT_TRUE(seen.insert(p->toolTip(*c)).second) << c->key();
        }
        EXPECT_GT(count, 4) << prefix;
    }
}

TEST(Hints, NotePickersFollowTheNoteNamesChosen) {
    Pennatone p;
    p->setNames(theory::NameSystem::German);
    EXPECT_EQ(p->toolTip(p->control("Select_B")), "Show the notes of H");
    p->setNames(theory::NameSystem::Solfege);
    EXPECT_EQ(p->toolTip(p->control("Select_Gs")), "Show the notes of Sol\u266F");
}

TEST(Hints, AGalleryDiagramIsReadAsChordPlaceAndFret) {
    Pennatone p;
    EXPECT_EQ(p->accessibleName(p->control("Chord_Display(2)")), "Empty diagram 3");
    p->Base(0).click();
    p->Ty(0).click();
    const std::string name = p->accessibleName(p->control("Chord_Display(2)"));
    EXPECT_EQ(name.rfind("C major, diagram 3, fret ", 0), 0u) << name;
    // The fret read out is the one the number beside the diagram shows, then the page.
    const std::string number = p->FretDisplay(2).picture().name;
    const std::size_t at = name.find("fret ") + 5;
    const std::string fret = name.substr(at, name.find(',', at) - at);
    EXPECT_EQ(number.substr(number.rfind('/') + 1), fret + ".bmp");
    const std::string pages = std::to_string(p->galleryPages().count());
    EXPECT_EQ(name.substr(name.find(',', at)), ", page 1 of " + pages);
    p->Page_Click(1);
    EXPECT_EQ(p->toolTip(p->control("Chord_Display(0)")),
              "Copy this diagram (page 2 of " + pages + ")");
    EXPECT_EQ(p->accessibleName(p->control("Page_Number")), "Diagrams, page 2 of " + pages);
    // The diagram beside the name belongs to no page.
    EXPECT_EQ(p->toolTip(p->control("Chord_Display(18)")), "Copy this diagram");
    EXPECT_EQ(p->accessibleName(p->control("Ty(5)")), p->control("Ty(5)").caption());
}

// The root a click on a root button shows.
std::string rootOf(int button) {
    Pennatone p;
    p->Base(button).click();
    return p->K;
}

// What each key stands for, with where the window must be after it.
TEST(Keys, ArrowsAndEscapeStepAsTheArrowControls) {
    Pennatone p;
    p->Base(0).click();  // C
    p->Ty(0).click();
    p->keyTarget(StepKey::Right)->click();
    EXPECT_EQ(p->K, rootOf(1));
    p->keyTarget(StepKey::Left)->click();
    p->keyTarget(StepKey::Left)->click();
    EXPECT_EQ(p->K, rootOf(16));
    p->keyTarget(StepKey::Up)->click();
    EXPECT_EQ(p->Typer, 1);
    p->keyTarget(StepKey::Down)->click();
    p->keyTarget(StepKey::Down)->click();
    EXPECT_EQ(p->Typer, ui::PennatoneDemo::kLastType);
    p->keyTarget(StepKey::Escape)->click();
    EXPECT_EQ(p->K, "Null");

    Lyrafret l;
    l->Key_C(0).click();
    l->keyTarget(StepKey::Right)->click();
    EXPECT_EQ(l->K, chords::Key_Table[1].K);
    l->keyTarget(StepKey::Left)->click();
    l->keyTarget(StepKey::Left)->click();
    EXPECT_EQ(l->K, chords::Key_Table[11].K);
    EXPECT_EQ(l->keyTarget(StepKey::Up), l->ScaleUp);
    EXPECT_EQ(l->keyTarget(StepKey::Down), l->ScaleDown);
    l->keyTarget(StepKey::Escape)->click();
    EXPECT_EQ(l->K, "Null");
}

// What a screen reader reads as the widget's name.
std::string spokenName(QWidget* w) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name).toStdString() : "(no accessible object)";
}

// Names are read when a reader asks, so they follow what a diagram shows now.
TEST(HintsOnView, AScreenReaderReadsWhatADiagramShowsNow) {
    Pennatone p;
    ui::qt::QtView view(*p.window);
    ui::qt::ControlWidget* third = view.widgetFor(p->control("Chord_Display(2)"));
    EXPECT_EQ(spokenName(third), "Empty diagram 3");
    view.click(p->Base(0));
    view.click(p->Ty(0));
    EXPECT_EQ(spokenName(third).rfind("C major, diagram 3, fret ", 0), 0u) << spokenName(third);
    for (int i = 0; i < 3; ++i) view.click(*p->Baseup);  // C sharp, D flat, D
    EXPECT_EQ(spokenName(third).rfind("D major, diagram 3, fret ", 0), 0u) << spokenName(third);
    EXPECT_EQ(spokenName(view.widgetFor(*p->Baseup)), p->accessibleName(*p->Baseup));
    view.click(*p->Clear_Me);
    EXPECT_EQ(spokenName(third), "Empty diagram 3");
}

TEST(HintsOnView, WidgetsCarryTheModelsTooltipAndNameAndTheKeysClick) {
    Pennatone p;
    ui::qt::QtView view(*p.window);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    for (const char* key : {"Mask_12", "size(3)", "Select_Cs", "TypeUp"}) {
        ui::qt::ControlWidget* w = view.widgetFor(p->control(key));
        EXPECT_EQ(w->toolTip().toStdString(), p->toolTip(p->control(key))) << key;
        EXPECT_EQ(spokenName(w), p->accessibleName(p->control(key))) << key;
    }
    ui::qt::ControlWidget* mask = view.widgetFor(p->control("Mask_12"));
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), mask->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(mask, &help);
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 3000));
    EXPECT_EQ(QToolTip::text(), "Mask fret 12");

    // Shortcuts reach only the active window.
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    view.click(p->Base(0));
    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_EQ(p->K, rootOf(1)) << "Right steps the root as Baseup does";
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_EQ(p->K, "Null");
    EXPECT_TRUE(view.widgetFor(*p->Cover)->isVisible()) << "the view was synced after the key";
}

}  // namespace
