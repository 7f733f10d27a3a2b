#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/settings.h"

namespace ui {

class DemoWindow;

// Which of the player's settings an entry of the options menu stands for.
enum class Option { LeftHanded, Sound, Naming, Fingers, Names, Tuning };

// One line of the options menu: what it reads, whether the settings have it
// chosen, and what choosing it does to the window. A switch is handed its new
// state; a one-of choice has no state of its own and ignores it.
struct OptionEntry {
    Option option;
    // A one-of choice's word in the settings ("german", "dadgad"); "" for a switch.
    std::string value;
    std::string text;  // UTF-8
    std::function<bool(const Settings&)> chosen;
    std::function<void(DemoWindow&, bool on)> choose;
};

// Switches straight in the menu when the title is empty; otherwise a submenu
// under the title, of which exactly one entry is chosen.
struct OptionGroup {
    std::string title;
    std::vector<OptionEntry> entries;
};

// Everything the options menu offers, in its order: a view shows these and
// adds none of its own.
const std::vector<OptionGroup>& optionMenu();

}  // namespace ui
