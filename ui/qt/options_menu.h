#pragma once

#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/option_entries.h"

class QAction;
class QMenu;
class QWidget;

namespace ui::qt {

// The options menu of one window, made of the entries the window model lists:
// one checkable action per entry, the one-of groups in submenus.
class OptionsMenu {
public:
    // Runs a change to the window and whatever the view does after one.
    using Chooser = std::function<void(const std::function<void()>& change)>;

    OptionsMenu(QWidget* parent, DemoWindow& window, Chooser choose);

    QMenu* menu() const { return m_menu; }
    // The action of an entry; value is the one-of choice's word, "" for a switch.
    QAction* action(Option option, std::string_view value = {}) const;
    // Checks what the window's settings have chosen, and nothing else.
    void refresh();

private:
    DemoWindow& m_window;
    Chooser m_choose;
    QMenu* m_menu;
    std::vector<std::pair<const OptionEntry*, QAction*>> m_actions;  // in the menu's order
};

}  // namespace ui::qt
