// Hearing a diagram or a chord: right-clicks play through the platform's output.
#include "ui/hear.h"

#include <cctype>

#include "sound/performance.h"
#include "theory/chord_naming.h"
#include "theory/chord_types.h"
#include "theory/note_names.h"
#include "theory/notes.h"
#include "theory/tunings.h"
#include "ui/demo_window.h"

namespace ui {

namespace {

// The arpeggio starts on the root in the octave below middle C, where a
// guitar's chords sit.
constexpr int kArpeggioBase = 48;

// Semitones above the root of an interval symbol ("b3", "#11", "bb7", "13"):
// a degree of the major scale, in the octave above from 8 on, up to 13.
std::optional<int> semitonesOf(std::string_view symbol) {
    constexpr int kHighestDegree = 13;
    int shift = 0;
    std::size_t i = 0;
    for (; i < symbol.size() && (symbol[i] == 'b' || symbol[i] == '#'); ++i)
        shift += symbol[i] == 'b' ? -1 : 1;
    int degree = 0;
    for (; i < symbol.size() && std::isdigit(static_cast<unsigned char>(symbol[i])); ++i)
        degree = degree * 10 + (symbol[i] - '0');
    if (i != symbol.size() || degree < 1 || degree > kHighestDegree) return std::nullopt;
    const int steps = static_cast<int>(theory::kMajorSteps.size());
    return theory::kMajorSteps[std::size_t((degree - 1) % steps)] + 12 * ((degree - 1) / steps) +
           shift;
}

}  // namespace

void HearingPart::addControls(int left, int top, int width) {
    DemoWindow& w = m_window;
    // Says once that the sound device failed; hidden while sound works.
    Sound_Status =
        &w.label("Sound_Status", -1, nullptr, left, top, width, 200, "", kYellow, kBlack);
    Sound_Status->setVisible(false);
    for (const auto& [i, c] : w.Chord_Display.members())
        c->onRightClick([&w, i = i] { w.Chord_Display_RightClick(i); });
    for (const auto& [i, c] : w.FretDisplay.members())
        c->onRightClick([&w, i = i] { w.FretDisplay_RightClick(i); });
    w.Chord_Report->onRightClick([&w] { w.Chord_Report_RightClick(); });
}

// Only a diagram on screen is heard: a cleared or covered gallery is silent.
void HearingPart::playShownGrip(const ControlArray& cells, const std::string& name, int Index) {
    const theory::Frets* grip = m_window.m_gallery.grip(Index);
    if (!grip || !cells.has(Index)) return;
    const Control& cell = cells(Index);
    if (cell.picture().name.empty() || !cell.visible() || m_window.Logo_Box->visible()) return;
    const theory::Tuning& tuning = m_window.tuning();
    perform(name + "(" + std::to_string(Index) + ")", sound::gripNotes(*grip, tuning),
            sound::strum(*grip, tuning), *grip);
}

void HearingPart::playReport() {
    if (m_window.Chord_Report->picture().name.empty()) return;
    playChord(m_window.shownRoot(), "Chord_Report");
}

void HearingPart::playChord(const std::string& root, const std::string& source) {
    const int pitch = root.empty() ? -1 : theory::pitchOf(root);
    if (pitch < 0) return;
    std::vector<int> midi;
    const std::string& Chord_Type = m_window.Chord_Type;
    const theory::ChordType* type =
        Chord_Type.empty() ? nullptr : theory::chordTypeByKey(Chord_Type);
    if (type) {
        for (const char* symbol : type->formula)
            if (symbol)
                if (const auto semitones = semitonesOf(symbol))
                    midi.push_back(kArpeggioBase + pitch + *semitones);
    }
    if (midi.empty()) midi.push_back(kArpeggioBase + pitch);  // no chord yet: its root alone
    std::sort(midi.begin(), midi.end());
    midi.erase(std::unique(midi.begin(), midi.end()), midi.end());
    perform(source, midi, sound::arpeggio(midi));
}

void HearingPart::perform(const std::string& source, std::vector<int> midi,
                          std::vector<sound::Note> notes, std::optional<theory::Frets> frets) {
    if (!m_window.settings().sound || notes.empty()) return;
    m_played = Played{source, std::move(midi), frets};
    if (m_window.m_platform.sound) m_window.m_platform.sound->play(std::move(notes));
}

void HearingPart::failed(const std::string& line) {
    if (m_failureShown || !Sound_Status) return;
    m_failureShown = true;
    Sound_Status->setCaption(line).setVisible(true);
}

}  // namespace ui
