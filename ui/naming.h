#pragma once

#include <optional>
#include <string>

#include "theory/chord_naming.h"
#include "theory/grips.h"
#include "ui/control.h"

namespace ui {

class DemoWindow;

// "Name a chord": while on, a click on the neck marks a string at a fret (a
// second click on the mark removes it) and the window names the marked notes;
// leaving removes the marks. Marks: lowest string first, -1 unmarked.
class NamingPart {
public:
    explicit NamingPart(DemoWindow& window) : m_window(window) {}
    NamingPart(const NamingPart&) = delete;
    NamingPart& operator=(const NamingPart&) = delete;

    // The switch beside the neck, the names under it and the neck's click targets.
    void addControls(int left, int top, int width);

    void setOn(bool on);
    void toggle();
    void markSpot(int Index);
    void showChord(int Index);  // a name clicked: the window shows that chord
    // Names and marks again after the tuning, the hand or the note names changed.
    void refresh();
    // "Clear" and "Clear Fret" take the marks off too: what a player clears is the neck.
    void clearMarks();

    const std::optional<theory::Frets>& marks() const { return m_marks; }
    const theory::Naming& naming() const { return m_naming; }
    // The tooltip of one of the part's controls; empty for any other control.
    std::string toolTip(const Control& c) const;

    // The click target of a string (0 = lowest) at a fret (0 = open row).
    static constexpr int spotIndex(int string, int fret) { return 100 * string + fret; }

    Control* Name_Chord = nullptr;   // the mode's switch beside the neck
    Control* Name_Report = nullptr;  // why nothing is named
    ControlArray Chord_Name{"Chord_Name"};
    ControlArray Mark_Dot{"Mark_Dot"};    // one per string
    ControlArray Neck_Spot{"Neck_Spot"};  // spotIndex(string, fret)

private:
    void placeMarks();
    void showNames();

    DemoWindow& m_window;
    std::optional<theory::Frets> m_marks;  // set only while on
    theory::Naming m_naming;
};

}  // namespace ui
