#pragma once

#include <QString>

#include "ui/settings.h"

namespace ui::qt {

// Keeps the settings in one INI file that both programs share. Whatever is
// wrong with the file, the programs start: a value that cannot be read is its
// default, and a file that cannot be written is only reported by save().
class SettingsStore {
public:
    explicit SettingsStore(QString file) : m_file(std::move(file)) {}
    // The user's file: ~/.config/guitar-reference/settings.ini on Linux.
    static QString userFile();

    const QString& file() const { return m_file; }
    Settings load() const;
    bool save(const Settings& settings) const;

private:
    QString m_file;
};

}  // namespace ui::qt
