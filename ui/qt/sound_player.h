#pragma once

#include <QObject>
#include <QString>
#include <QThread>
#include <atomic>
#include <vector>

#include "sound/output.h"

namespace ui::qt {

class SoundEngine;

// Plays performances through Qt Multimedia's default audio output.
// Synthesis and the device live on a thread of their own: play() only hands
// the notes over, so a click never waits for the sound. The thread, the audio
// backend and the connection to the sound server start with the first play,
// so a window that is only looked at never loads them. When there is no
// device, or it fails, failed() is emitted once with a line the window can
// show; later plays stay silent (and quietly try the device again) until it
// works.
class SoundPlayer : public QObject, public sound::Output {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    void play(std::vector<sound::Note> notes) override;

    // The last failure line, empty while sound works or before the first play.
    QString failure() const;
    // Milliseconds from the latest play() whose notes reached the device to
    // the moment its first samples were written to it; negative before that.
    double lastLatencyMs() const { return m_latencyMs.load(); }

signals:
    void failed(const QString& line);
    void handedToDevice(double latencyMs);

private:
    friend class SoundEngine;
    SoundEngine* engine();

    QThread m_thread;
    SoundEngine* m_engine = nullptr;
    std::atomic<double> m_latencyMs{-1};
    QString m_failure;  // written through a queued call, read on the player's thread
};

}  // namespace ui::qt
