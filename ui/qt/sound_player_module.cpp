// The entry of the sound-player module the programs load at the first play.
#include <QObject>
#include <type_traits>

#include "ui/qt/sound_module.h"
#include "ui/qt/sound_player.h"

extern "C" Q_DECL_EXPORT sound::Output* demo_sound_player_new(void (*failed)(void* context,
                                                                             const char* line),
                                                              void* context) {
    auto* player = new ui::qt::SoundPlayer;
    QObject::connect(
        player, &ui::qt::SoundPlayer::failed, player,
        [failed, context](const QString& line) { failed(context, line.toUtf8().constData()); });
    return player;
}

static_assert(std::is_same_v<decltype(&demo_sound_player_new), DemoSoundPlayerNew>);
