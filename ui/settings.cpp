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
    };
}

}  // namespace ui
