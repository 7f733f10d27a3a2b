#pragma once

namespace ui {
class DemoWindow;
}

namespace ui::qt {

class ControlWidget;

// Lets a screen reader ask the window for a control's name when it reads it.
// Safe to call more than once.
void installControlAccessibility();

// A screen reader hears when a name it has read changes; a name nobody has
// read is not even asked of the window.
void updateReadName(ControlWidget& widget, const DemoWindow& window);

}  // namespace ui::qt
