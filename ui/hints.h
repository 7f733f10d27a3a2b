#pragma once

#include <string>

#include "ui/control.h"

namespace ui {

class DemoWindow;

// What each control tells a user who hovers it or reads the window with a
// screen reader. It keeps nothing: every hint is read off the window as it is.
class HintsPart {
public:
    explicit HintsPart(const DemoWindow& window) : m_window(window) {}
    HintsPart(const HintsPart&) = delete;
    HintsPart& operator=(const HintsPart&) = delete;

    // What a click on the control does; empty for a control that takes no click.
    std::string toolTip(const Control& c) const;
    // What a screen reader calls the control.
    std::string accessibleName(const Control& c) const;

private:
    const DemoWindow& m_window;
};

}  // namespace ui
