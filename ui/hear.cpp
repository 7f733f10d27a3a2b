// Hearing a diagram or a chord: right-clicks play through the platform's output.
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

// Semitones above the root of an interval symbol ("b3", "#11", "bb7", "13").
std::optional<int> semitonesOf(std::string_view symbol) {
    constexpr std::array<int, 14> kMajorDegree{-1, 0, 2, 4, 5, 7, 9, 11, 12, 14, 16, 17, 19, 21};
    int shift = 0;
    std::size_t i = 0;
    for (; i < symbol.size() && (symbol[i] == 'b' || symbol[i] == '#'); ++i)
        shift += symbol[i] == 'b' ? -1 : 1;
    int degree = 0;
    for (; i < symbol.size() && std::isdigit(static_cast<unsigned char>(symbol[i])); ++i)
        degree = degree * 10 + (symbol[i] - '0');
    if (i != symbol.size() || degree < 1 || degree >= static_cast<int>(kMajorDegree.size()))
        return std::nullopt;
    return kMajorDegree[std::size_t(degree)] + shift;
}

// "1st", "2nd", "3rd", "4th" ... "11th", "12th", "13th", "21st", "22nd".
std::string ordinal(int n) {
    const int tens = n % 100 / 10, ones = n % 10;
    const char* suffix = tens == 1   ? "th"
                         : ones == 1 ? "st"
                         : ones == 2 ? "nd"
                         : ones == 3 ? "rd"
                                     : "th";
    return std::to_string(n) + suffix;
}

}  // namespace

void DemoWindow::addHearing(int left, int top, int width) {
    // Says once that the sound device failed; hidden while sound works.
    Sound_Status = &label("Sound_Status", -1, nullptr, left, top, width, 200, "", kYellow, kBlack);
    Sound_Status->setVisible(false);
    for (const auto& [i, c] : Chord_Display.members())
        c->onRightClick([this, i = i] { Chord_Display_RightClick(i); });
    for (const auto& [i, c] : FretDisplay.members())
        c->onRightClick([this, i = i] { FretDisplay_RightClick(i); });
    Chord_Report->onRightClick([this] { Chord_Report_RightClick(); });
}

void DemoWindow::setSound(bool on) {
    m_settings.sound = on;
}

void DemoWindow::rememberGrip(int index, const std::optional<theory::Frets>& frets) {
    if (frets)
        m_grips[index] = *frets;
    else
        m_grips.erase(index);
}

// Only a diagram on screen is heard: a cleared or covered gallery is silent.
void DemoWindow::playShownGrip(const ControlArray& cells, const std::string& name, int Index) {
    auto it = m_grips.find(Index);
    if (it == m_grips.end() || !cells.has(Index)) return;
    const Control& cell = cells(Index);
    if (cell.picture().name.empty() || !cell.visible() || Logo_Box->visible()) return;
    const theory::Tuning& tuning = this->tuning();
    perform(name + "(" + std::to_string(Index) + ")", sound::gripNotes(it->second, tuning),
            sound::strum(it->second, tuning), it->second);
}

void DemoWindow::Chord_Display_RightClick(int Index) {
    playShownGrip(Chord_Display, "Chord_Display", Index);
}

void DemoWindow::FretDisplay_RightClick(int Index) {
    playShownGrip(FretDisplay, "FretDisplay", Index);
}

void DemoWindow::Chord_Report_RightClick() {
    if (Chord_Report->picture().name.empty()) return;
    playChord(shownRoot(), "Chord_Report");
}

void DemoWindow::playChord(const std::string& root, const std::string& source) {
    const int pitch = root.empty() ? -1 : theory::pitchOf(root);
    if (pitch < 0) return;
    std::vector<int> midi;
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

void DemoWindow::perform(const std::string& source, std::vector<int> midi,
                         std::vector<sound::Note> notes, std::optional<theory::Frets> frets) {
    if (!m_settings.sound || notes.empty()) return;
    m_played = Played{source, std::move(midi), frets};
    if (m_platform.sound) m_platform.sound->play(std::move(notes));
}

std::string DemoWindow::diagramText(int Index) const {
    auto it = m_grips.find(Index);
    const theory::ChordType* type =
        Chord_Type.empty() ? nullptr : theory::chordTypeByKey(Chord_Type);
    const std::string root = shownRoot();
    if (it == m_grips.end() || !type || theory::pitchOf(root) < 0) return {};
    const theory::NameSystem system = m_settings.names;
    const std::string name = theory::chordSymbol(
        theory::ChordName{root, type, std::nullopt, false},
        [system](std::string_view note) { return theory::shownName(note, system); });
    const theory::Frets& frets = it->second;
    bool open = false;
    int lowest = 0;
    std::string grip;
    for (int f : frets) {
        open |= f == 0;
        if (f > 0 && (lowest == 0 || f < lowest)) lowest = f;
        if (!grip.empty()) grip += ' ';
        grip += f < 0 ? std::string("x") : std::to_string(f);
    }
    return name + ", " + (open || lowest == 0 ? "open" : ordinal(lowest) + " fret") + ": " + grip;
}

void DemoWindow::soundFailed(const std::string& line) {
    if (m_soundFailureShown || !Sound_Status) return;
    m_soundFailureShown = true;
    Sound_Status->setCaption(line).setVisible(true);
}

}  // namespace ui
