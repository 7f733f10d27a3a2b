#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sound/performance.h"
#include "theory/grips.h"
#include "ui/control.h"

namespace ui {

class DemoWindow;

// Hearing: a right-click plays a diagram as a strum, or a chord's notes rising
// from its root, through the platform's sound output.
class HearingPart {
public:
    struct Played {
        std::string source;  // the control right-clicked, "Chord_Display(3)"
        std::vector<int> midi;
        std::optional<theory::Frets> frets;  // the diagram played, if one was
    };

    explicit HearingPart(DemoWindow& window) : m_window(window) {}
    HearingPart(const HearingPart&) = delete;
    HearingPart& operator=(const HearingPart&) = delete;

    // The sound failure line, and the right-clicks on the gallery and the chord report.
    void addControls(int left, int top, int width);

    void playShownGrip(const ControlArray& cells, const std::string& name, int Index);
    void playReport();
    // Plays the chord of the window's type on this root as a rising arpeggio.
    void playChord(const std::string& root, const std::string& source);
    void perform(const std::string& source, std::vector<int> midi, std::vector<sound::Note> notes,
                 std::optional<theory::Frets> frets = {});
    // The platform's sound output could not play: said once, in one line.
    void failed(const std::string& line);

    const std::optional<Played>& played() const { return m_played; }

    Control* Sound_Status = nullptr;

private:
    DemoWindow& m_window;
    std::optional<Played> m_played;
    bool m_failureShown = false;
};

}  // namespace ui
