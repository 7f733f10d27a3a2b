#include "ui/qt/sound_module.h"

#include <QCoreApplication>

namespace ui::qt {

SoundModule::SoundModule(QString file, QObject* parent)
    : QObject(parent), m_file(std::move(file)) {}

// The player goes first: its thread runs the module's code.
SoundModule::~SoundModule() {
    m_player.reset();
}

QString SoundModule::defaultFile() {
    return QCoreApplication::applicationDirPath() + "/sound-player.so";
}

void SoundModule::play(std::vector<sound::Note> notes) {
    if (!m_player && !m_tried) {
        m_tried = true;
        m_library.setFileName(m_file);
        auto make = reinterpret_cast<DemoSoundPlayerNew>(m_library.resolve(kDemoSoundPlayerNew));
        if (!make) {
            emit failed(QStringLiteral("Sound is off: the sound player cannot be loaded (%1).")
                            .arg(m_library.errorString()));
            return;
        }
        m_player.reset(make(
            [](void* self, const char* line) {
                emit static_cast<SoundModule*>(self)->failed(QString::fromUtf8(line));
            },
            this));
    }
    if (m_player) m_player->play(std::move(notes));
}

}  // namespace ui::qt
