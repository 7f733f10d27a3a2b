#pragma once

#include <functional>
#include <string>

#include "theory/tunings.h"
#include "ui/control.h"
#include "ui/settings.h"

namespace ui {

class DemoWindow;

// The player's options. Each takes effect at once and keeps what is on screen;
// the pictures shown are swapped for the same pictures in the new naming or
// turned over with the neck.
class OptionsPart {
public:
    explicit OptionsPart(DemoWindow& window) : m_window(window) {}
    OptionsPart(const OptionsPart&) = delete;
    OptionsPart& operator=(const OptionsPart&) = delete;

    // "Options", which opens the menu, and the label naming a tuning other than standard.
    void addLabel(int left, int top, int width);
    void addTuningLabel(int left, int top, int width);

    const Settings& settings() const { return m_settings; }
    void setLeftHanded(bool on);
    void setNames(theory::NameSystem system);
    // A key of theory::kTunings; the chord shown is shown again in the new tuning.
    void setTuning(const std::string& key);
    void setSound(bool on) { m_settings.sound = on; }
    // Finger numbers in every diagram shown, or none.
    void setFingers(bool on);
    // Kept for the next start; "Name a chord" itself does the switching.
    void keepNaming(bool on) { m_settings.naming = on; }
    const theory::Tuning& tuning() const;
    void apply(const Settings& settings);

    // What opens the options menu: the view's, none without a screen.
    void setOpener(std::function<void()> open) { m_open = std::move(open); }
    void open() const {
        if (m_open) m_open();
    }

    Control* Options = nullptr;       // opens the options menu
    Control* Tuning_Label = nullptr;  // names the tuning in force, hidden in standard

private:
    void repointPictures();
    void showTuningOnNeck();

    DemoWindow& m_window;
    Settings m_settings;
    std::function<void()> m_open;
};

}  // namespace ui
