#include "ui/qt/sound_player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>
#include <array>
#include <chrono>
#include <memory>

namespace ui::qt {

namespace {

using Clock = std::chrono::steady_clock;

// Small enough that a chord added while another rings is heard at once,
// large enough to ride out a busy moment of the machine.
constexpr int kBufferMs = 40;
constexpr int kChunkFrames = 256;
constexpr int kLeastFrames = 32;
constexpr int kPumpMs = 2;
// Silence after which the stream is closed, and a wait for room after which
// the device counts as failed.
constexpr int kRestMs = 1000;
constexpr int kStallMs = 1000;

}  // namespace

// Owns the device and the mixer; every member is used on the sound thread only.
class SoundEngine : public QObject {
public:
    explicit SoundEngine(SoundPlayer* player) : m_player(player) {
        m_pump.setInterval(kPumpMs);
        connect(&m_pump, &QTimer::timeout, this, [this] { pump(); });
        m_rest.setSingleShot(true);
        m_rest.setInterval(kRestMs);
        connect(&m_rest, &QTimer::timeout, this, [this] { closeStream(); });
    }

    void play(std::vector<sound::Note> notes, Clock::time_point requested) {
        const QString failure = m_sink ? QString() : findDevice();
        if (!failure.isEmpty()) return report(failure);
        if (!m_out && !openStream()) return;
        m_rest.stop();
        m_mixer.add(notes);
        m_requests.push_back({m_mixer.position(), requested});
        pump();
    }

    void stop() {
        m_pump.stop();
        m_rest.stop();
        closeStream();
        m_sink.reset();
    }

private:
    struct Request {
        std::int64_t start;
        Clock::time_point at;
    };

    // Empty when the device is there, else the line that says why not.
    QString findDevice() {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) return QStringLiteral("Sound is off: no audio device was found.");
        QAudioFormat format;
        format.setSampleRate(sound::kSampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format))
            return QStringLiteral("Sound is off: the audio device cannot play 44.1 kHz mono.");
        m_sink = std::make_unique<QAudioSink>(device, format);
        m_sink->setBufferSize(sound::kSampleRate * 2 * kBufferMs / 1000);
        connect(m_sink.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
            // Running dry between chords is normal; only a stop with an error is a failure.
            const auto error = m_sink ? m_sink->error() : QAudio::NoError;
            if (state == QAudio::StoppedState && m_out && error != QAudio::NoError &&
                error != QAudio::UnderrunError)
                lost(QStringLiteral("Sound stopped: the audio device failed."));
        });
        return {};
    }

    // A stream per burst of playing: one left idle for long can stall.
    bool openStream() {
        m_out = m_sink->start();
        if (!m_out || m_sink->error() == QAudio::OpenError ||
            m_sink->error() == QAudio::FatalError) {
            lost(QStringLiteral("Sound is off: the audio device could not be opened."));
            return false;
        }
        m_lastProgress = Clock::now();
        return true;
    }

    void closeStream() {
        m_out = nullptr;
        if (m_sink) m_sink->stop();
    }

    // Writes what the device has room for, a chunk at a time. When
    // everything has decayed the device runs dry and the stream rests.
    void pump() {
        if (!m_out) return;
        while (!m_mixer.idle() || !m_unwritten.empty()) {
            if (m_unwritten.empty()) {
                // Rendered only when the device has room: what is rendered
                // now is heard now, and a chord added meanwhile joins at once.
                const auto room = std::min<qsizetype>(m_sink->bytesFree() / 2, kChunkFrames);
                if (room < kLeastFrames) break;
                m_unwritten.resize(std::size_t(room));
                m_mixer.render(m_unwritten);
                m_written = 0;
            }
            const auto* bytes = reinterpret_cast<const char*>(m_unwritten.data());
            const qint64 size = qint64(m_unwritten.size() * 2);
            const qint64 wrote = m_out->write(bytes + m_written, size - m_written);
            if (wrote < 0) return lost(QStringLiteral("Sound stopped: the audio device failed."));
            if (wrote == 0) break;
            m_written += wrote;
            m_lastProgress = Clock::now();
            if (m_written == size) {
                m_unwritten.clear();
                handedOver();
            }
        }
        if (m_mixer.idle() && m_unwritten.empty()) {
            m_pump.stop();
            m_rest.start();
        } else if (Clock::now() - m_lastProgress > std::chrono::milliseconds(kStallMs)) {
            lost(QStringLiteral("Sound stopped: the audio device takes no more sound."));
        } else if (!m_pump.isActive()) {
            m_pump.start();
        }
    }

    void handedOver() {
        const auto now = Clock::now();
        while (!m_requests.empty() && m_requests.front().start < m_mixer.position()) {
            const double ms =
                std::chrono::duration<double, std::milli>(now - m_requests.front().at).count();
            m_requests.erase(m_requests.begin());
            m_player->m_latencyMs = ms;
            m_reported = false;
            emit m_player->handedToDevice(ms);
        }
    }

    // Drops the stream and what was to be played; the next play tries afresh.
    void lost(const QString& line) {
        m_pump.stop();
        m_out = nullptr;
        // Deleted later: this may run inside the sink's own signal.
        if (m_sink) m_sink.release()->deleteLater();
        m_mixer = sound::Mixer();
        m_unwritten.clear();
        m_requests.clear();
        report(line);
    }

    void report(const QString& line) {
        if (m_reported) return;
        m_reported = true;
        QMetaObject::invokeMethod(m_player, [p = m_player, line] {
            p->m_failure = line;
            emit p->failed(line);
        });
    }

    SoundPlayer* m_player;
    std::unique_ptr<QAudioSink> m_sink;
    QIODevice* m_out = nullptr;
    // Children, so that they move to the sound thread with the engine.
    QTimer m_pump{this};
    QTimer m_rest{this};
    Clock::time_point m_lastProgress;
    sound::Mixer m_mixer;
    std::vector<std::int16_t> m_unwritten;  // rendered, not yet taken by the device
    qint64 m_written = 0;                   // bytes of it taken
    std::vector<Request> m_requests;
    bool m_reported = false;
};

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() {
    if (!m_engine) return;
    QMetaObject::invokeMethod(
        m_engine, [e = m_engine] { e->stop(); }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

SoundEngine* SoundPlayer::engine() {
    if (m_engine) return m_engine;
    m_engine = new SoundEngine(this);
    m_thread.setObjectName("sound");
    m_engine->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_engine, &QObject::deleteLater);
    m_thread.start();
    return m_engine;
}

void SoundPlayer::play(std::vector<sound::Note> notes) {
    const auto requested = Clock::now();
    SoundEngine* e = engine();
    QMetaObject::invokeMethod(
        e, [e, n = std::move(notes), requested]() mutable { e->play(std::move(n), requested); });
}

QString SoundPlayer::failure() const {
    return m_failure;
}

}  // namespace ui::qt
