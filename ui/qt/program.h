#pragma once

#include <functional>
#include <memory>

#include "ui/demo_window.h"

namespace ui::qt {

// The whole program around one window: display check, application, clipboard,
// platform, settings, Form_Load, view, event loop. Returns the exit code.
int runProgram(int argc, char** argv, const char* programName,
               const std::function<std::unique_ptr<DemoWindow>(Platform)>& makeWindow);

}  // namespace ui::qt
