#pragma once

#include <memory>
#include <string_view>

#include "ui/demo_window.h"

namespace ui {

// The window of a program by its name ("PennatoneDemo", "LyrafretDemo"); null
// for any other name. Start-up has not run yet.
std::unique_ptr<DemoWindow> makeWindow(std::string_view program, Platform platform);

}  // namespace ui
