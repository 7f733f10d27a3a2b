#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <optional>
#include <string>
#include <vector>

#include "theory/tunings.h"
#include "ui/demo_window.h"
#include "ui/platform.h"

namespace driver {

// The window's whole state as one JSON object (controls, variables, frame,
// clipboard, errors, exit).
QJsonObject windowState(const ui::DemoWindow& window, const ui::MemoryClipboard& clipboard,
                        const std::vector<std::string>& errors);

// Every diagram set of the image library with each shape's frets, and the
// galleries chosen per root in that tuning.
// Every diagram set and gallery; `onlyType`: those of one chord type (its key).
QJsonObject catalog(const theory::Tuning& tuning = theory::standardTuning(),
                    const std::string& onlyType = {});

// A grip as a player writes it: "x32010", or with commas where a fret has
// two digits ("8,10,10,9,8,8"); none for anything else.
std::optional<theory::Frets> parseGrip(const std::string& text);

// [{"frets": [...], "fingers": [...] or null, "barres": [...]}, ...]
QJsonArray fingerings(const std::vector<theory::Frets>& grips);

// {"KEY": {"name": ..., "midi": [...]}, ...} for every tuning offered.
QJsonObject tunings();

}  // namespace driver
