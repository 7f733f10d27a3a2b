#include "ui/qt/settings_store.h"

#include <QFileInfo>
#include <QSettings>

#include "theory/tunings.h"

namespace ui::qt {

namespace {

constexpr auto kOrganisation = "guitar-reference";
constexpr auto kApplication = "settings";

// "true"/"false" only: anything else leaves the default.
void readBool(const QSettings& s, const char* key, bool& out) {
    const QString v = s.value(key).toString();
    if (v == "true") out = true;
    if (v == "false") out = false;
}

}  // namespace

QString SettingsStore::userFile() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, kOrganisation, kApplication)
        .fileName();
}

Settings SettingsStore::load() const {
    Settings settings;
    if (!QFileInfo(m_file).isFile()) return settings;
    const QSettings s(m_file, QSettings::IniFormat);
    // A file that is not what we wrote is ignored as a whole.
    if (s.status() != QSettings::NoError) return settings;
    readBool(s, "left_handed", settings.left_handed);
    if (auto names = theory::nameSystemFromKey(s.value("names").toString().toStdString()))
        settings.names = *names;
    const std::string tuning = s.value("tuning").toString().toStdString();
    if (theory::tuningByKey(tuning)) settings.tuning = tuning;
    readBool(s, "sound", settings.sound);
    readBool(s, "naming", settings.naming);
    readBool(s, "fingers", settings.fingers);
    return settings;
}

bool SettingsStore::save(const Settings& settings) const {
    QSettings s(m_file, QSettings::IniFormat);
    const auto names = theory::nameSystemKey(settings.names);
    s.setValue("left_handed", settings.left_handed ? "true" : "false");
    s.setValue("names", QString::fromUtf8(names.data(), qsizetype(names.size())));
    s.setValue("tuning", QString::fromStdString(settings.tuning));
    s.setValue("sound", settings.sound ? "true" : "false");
    s.setValue("naming", settings.naming ? "true" : "false");
    s.setValue("fingers", settings.fingers ? "true" : "false");
    s.sync();
    return s.status() == QSettings::NoError;
}

}  // namespace ui::qt
