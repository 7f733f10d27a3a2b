#pragma once

#include <QLibrary>
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "sound/output.h"

namespace ui::qt {

// The sound player, loaded from its own module at the first play: Qt
// Multimedia and the two dozen libraries it pulls in cost a program that is
// only looked at a fifth of its start-up, so the programs do not link them.
// A module that cannot be loaded is a failure like a missing device: said
// once by failed(), later plays stay silent.
class SoundModule : public QObject, public sound::Output {
    Q_OBJECT
public:
    // `file` is the module, by default beside the program.
    explicit SoundModule(QString file = defaultFile(), QObject* parent = nullptr);
    ~SoundModule() override;

    void play(std::vector<sound::Note> notes) override;

    // Whether the module is loaded, which happens with the first play.
    bool loaded() const { return m_player != nullptr; }
    static QString defaultFile();

signals:
    void failed(const QString& line);

private:
    QString m_file;
    QLibrary m_library;
    std::unique_ptr<sound::Output> m_player;
    bool m_tried = false;
};

}  // namespace ui::qt

// What the module exports: a new player whose failures are handed, on the
// thread that made it, to `failed` with `context`.
using DemoSoundPlayerNew = sound::Output* (*)(void (*failed)(void* context, const char* line),
                                              void* context);
inline constexpr const char* kDemoSoundPlayerNew = "demo_sound_player_new";
