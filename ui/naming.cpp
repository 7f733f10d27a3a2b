// "Name a chord": a click on the neck marks a string at a fret, and the window
// names what the marks sound. The neck gets one invisible click target per
// string and fret row, so the view still only forwards clicks on controls.
#include "ui/naming.h"

#include "sound/performance.h"
#include "theory/chord_naming.h"
#include "theory/neck.h"
#include "theory/note_names.h"
#include "ui/demo_window.h"

namespace ui {

namespace {

namespace neck = theory::neck;

constexpr int kMarkSize = 345;  // the mark artwork: 23 pixels square, dot in the middle
constexpr int kNameHeight = 210;

// Top and height of a fret row's click target; rows meet without a gap.
int rowTop(int fret) {
    return fret == 0 ? neck::kOpenRowTop : neck::kFirstFretTop + neck::kFretPitch * (fret - 1);
}
int rowHeight(int fret) {
    return fret == 0 ? neck::kFirstFretTop - neck::kOpenRowTop : neck::kFretPitch;
}

// The left or top edge, on the pixel grid, of a mark centred on this point.
int markEdge(double centre) {
    constexpr int px = 15;
    return static_cast<int>(centre) / px * px - kMarkSize / px / 2 * px;
}

// Guitarists number strings from the highest: string 1 is high E.
std::string stringNumber(int string) {
    return std::to_string(neck::kStrings - string);
}

}  // namespace

void NamingPart::addControls(int left, int top, int width) {
    DemoWindow& w = m_window;
    Name_Chord =
        &w.label("Name_Chord", -1, nullptr, left, top, width, 200, "Name a chord", kWhite, kBlack);
    Name_Chord->setTransparent(true);
    w.bind(*Name_Chord, [&w] { w.Name_Chord_Click(); });
    const Font small{"MS Sans Serif", 8.25};
    Name_Report = &w.label("Name_Report", -1, nullptr, left, top + 240, width, 3 * kNameHeight, "",
                           kWhite, kBlack);
    Name_Report->setFont(small).setTransparent(true).setVisible(false);
    for (int i = 0; i < static_cast<int>(theory::kMaxNames); ++i) {
        Control& name = w.item(Chord_Name, Kind::Label, i, nullptr, left,
                               top + 240 + kNameHeight * i, width, kNameHeight);
        name.setForeColor(kYellow);
        name.setFont({"MS Sans Serif", 9.75})
            .setBold(i == 0)
            .setTransparent(true)
            .setVisible(false);
        w.bind(name, [&w, i] { w.Chord_Name_Click(i); });
    }
    for (int s = 0; s < neck::kStrings; ++s) {
        w.item(Mark_Dot, Kind::Image, s, nullptr, 0, 0, kMarkSize, kMarkSize, kLayerMarks)
            .setPicture(DemoWindow::Builtin("mark"))
            .setVisible(false);
        const int spotLeft = static_cast<int>(neck::stringCentre(s)) - neck::kStringPitch / 2;
        for (int f = 0; f <= neck::kFrets; ++f) {
            const int i = spotIndex(s, f);
            Control& spot = w.item(Neck_Spot, Kind::Image, i, nullptr, spotLeft, rowTop(f),
                                   neck::kStringPitch, rowHeight(f), kLayerSpots);
            spot.setVisible(false);
            w.bind(spot, [&w, i] { w.Neck_Spot_Click(i); });
            w.m_neckPart.add(spot);
        }
    }
}

void NamingPart::toggle() {
    m_window.setNaming(!m_marks.has_value());
}

void NamingPart::setOn(bool on) {
    if (!Name_Chord || on == m_marks.has_value()) return;
    if (on)
        m_marks = theory::Frets{-1, -1, -1, -1, -1, -1};
    else
        m_marks.reset();
    m_naming = {};
    Name_Chord->setBold(on).setForeColor(on ? kYellow : kWhite);
    for (const auto& [i, spot] : Neck_Spot.members()) spot->setVisible(on);
    placeMarks();
    showNames();
}

void NamingPart::markSpot(int Index) {
    const int string = Index / 100, fret = Index % 100;
    if (!m_marks || string < 0 || string >= neck::kStrings || fret > neck::kFrets) return;
    int& mark = (*m_marks)[std::size_t(string)];
    mark = mark == fret ? -1 : fret;
    refresh();
    if (mark < 0) return;
    theory::Frets one{-1, -1, -1, -1, -1, -1};
    one[std::size_t(string)] = fret;
    const theory::Tuning& tuning = m_window.tuning();
    m_window.m_hearing.perform("Neck_Spot(" + std::to_string(Index) + ")",
                               sound::gripNotes(one, tuning), sound::strum(one, tuning));
}

void NamingPart::clearMarks() {
    if (!m_marks) return;
    m_marks->fill(-1);
    refresh();
}

void NamingPart::showChord(int Index) {
    if (!m_marks || Index < 0 || Index >= static_cast<int>(m_naming.names.size())) return;
    // A copy: choosing the chord may name the marks again.
    const theory::ChordName name = m_naming.names[std::size_t(Index)];
    m_window.showNamedChord(name);
}

void NamingPart::refresh() {
    if (m_marks) m_naming = theory::nameChord(*m_marks, m_window.tuning());
    placeMarks();
    showNames();
}

void NamingPart::placeMarks() {
    for (const auto& [s, dot] : Mark_Dot.members()) {
        const int fret = m_marks ? (*m_marks)[std::size_t(s)] : -1;
        dot->setVisible(fret >= 0);
        // An unused mark goes back where it started, so leaving the mode
        // leaves every control as it was.
        if (fret < 0) {
            dot->setLeft(0).setTop(0);
            continue;
        }
        dot->setLeft(markEdge(neck::stringCentre(s, m_window.settings().left_handed)));
        dot->setTop(markEdge(neck::rowCentre(fret)));
    }
}

void NamingPart::showNames() {
    if (!Name_Report) return;
    const bool on = m_marks.has_value();
    const auto spell = m_window.speller();
    for (const auto& [i, name] : Chord_Name.members()) {
        const bool shown = on && i < static_cast<int>(m_naming.names.size());
        name->setCaption(shown ? theory::chordSymbol(m_naming.names[std::size_t(i)], spell) : "");
        name->setVisible(shown);
    }
    Name_Report->setVisible(on && m_naming.names.empty());
    Name_Report->setCaption(!on                      ? ""
                            : m_naming.notes.empty() ? "Click the fretboard to mark the notes"
                                                     : theory::namingText(m_naming, spell));
}

std::string NamingPart::toolTip(const Control& c) const {
    const std::string& n = c.name();
    if (n == "Name_Chord")
        return m_marks ? "Leave \"Name a chord\" and remove the marks"
                       : "Name a chord: mark the notes you play on the fretboard";
    if (n == "Neck_Spot") {
        const int fret = c.index() % 100;
        return "Mark string " + stringNumber(c.index() / 100) +
               (fret == 0 ? " open" : " at fret " + std::to_string(fret));
    }
    if (n == "Chord_Name") {
        const auto i = static_cast<std::size_t>(c.index());
        if (i < m_naming.names.size())
            return m_window.namedChordHint(m_naming.names[i], c.caption());
        return "Show this chord";
    }
    return {};
}

}  // namespace ui
