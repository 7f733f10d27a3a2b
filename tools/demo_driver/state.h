#pragma once

#include <QJsonObject>
#include <string>
#include <vector>

#include "ui/demo_window.h"
#include "ui/platform.h"

namespace driver {

// The window's whole state as one JSON object (controls, variables, frame,
// clipboard, errors, exit).
QJsonObject windowState(const ui::DemoWindow& window, const ui::MemoryClipboard& clipboard,
                        const std::vector<std::string>& errors);

// Every diagram set of the image library with each shape's frets.
QJsonObject catalog();

}  // namespace driver
