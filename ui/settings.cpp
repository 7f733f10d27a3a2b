#include "ui/settings.h"

namespace ui {

QJsonObject settingsJson(const Settings& settings) {
    return QJsonObject{
        {"left_handed", settings.left_handed},
        {"names", QString::fromUtf8(theory::nameSystemKey(settings.names).data(),
                                    qsizetype(theory::nameSystemKey(settings.names).size()))},
        {"tuning", QString::fromStdString(settings.tuning)},
        {"sound", settings.sound},
        {"naming", settings.naming},
        {"fingers", settings.fingers},
    };
}

std::string_view nameSystemTitle(theory::NameSystem system) {
    switch (system) {
        case theory::NameSystem::German:
            return "German";
        case theory::NameSystem::Solfege:
            return "Solf\u00e8ge";
        case theory::NameSystem::English:
            break;
    }
    return "English";
}

}  // namespace ui
