#pragma once

#include <QJsonObject>
#include <string>
#include <string_view>

#include "theory/note_names.h"

namespace ui {

// Every choice the player makes once and keeps: both programs read the same
// set. A later choice is one more field here, in the JSON and in the store.
struct Settings {
    bool left_handed = false;
    theory::NameSystem names = theory::NameSystem::English;
    std::string tuning = "standard";  // a key of theory::kTunings
    bool sound = true;
    bool naming = false;
    bool fingers = false;  // finger numbers in the diagrams

    bool operator==(const Settings&) const = default;
};

// {"left_handed": false, "names": "english", "tuning": "standard", "sound": true, "naming": false,
//  "fingers": false}
QJsonObject settingsJson(const Settings& settings);

// What the player reads for a naming of notes, in UTF-8: "English", "German",
// "Solfège". The settings file keeps theory::nameSystemKey instead.
std::string_view nameSystemTitle(theory::NameSystem system);

}  // namespace ui
