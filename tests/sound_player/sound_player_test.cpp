#include "ui/qt/sound_player.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <iostream>
#include <memory>

#include "sound/performance.h"
#include "spectrum.h"
#include "theory/tunings.h"

namespace {

using ui::qt::SoundPlayer;

double hzOf(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

std::vector<sound::Note> openC() {
    return sound::strum({-1, 3, 2, 0, 1, 0}, theory::standardTuning());
}

// A sound client that finds no server and may not start one.
void noSoundServer(const QTemporaryDir& dir) {
    QFile conf(dir.filePath("client.conf"));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("autospawn = no\n");
    conf.close();
    qputenv("PULSE_CLIENTCONFIG", dir.filePath("client.conf").toUtf8());
    qputenv("PULSE_SERVER", ("unix:" + dir.filePath("no-server")).toUtf8());
    qputenv("PULSE_RUNTIME_PATH", dir.path().toUtf8());
    qputenv("XDG_RUNTIME_DIR", dir.path().toUtf8());
}

TEST(SoundPlayer, WithoutASoundServerSaysSoOnceAndNeverBlocks) {
    QTemporaryDir dir;
    noSoundServer(dir);
    auto player = std::make_unique<SoundPlayer>();
    QSignalSpy failed(player.get(), &SoundPlayer::failed);
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer click;
        click.start();
        player->play(openC());
        EXPECT_LT(click.elapsed(), 20) << "play " << i << " held the click";
    }
    ASSERT_TRUE(failed.wait(10000)) << "no failure reported";
    player->play(openC());
    QElapsedTimer closing;
    closing.start();
    const QString line = player->failure();
    player.reset();  // waits for the sound thread to finish everything queued
    EXPECT_LT(closing.elapsed(), 5000);
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(failed.count(), 1);
    const QString said = failed.first().first().toString();
    EXPECT_EQ(said, line);
    EXPECT_TRUE(said.startsWith("Sound is off")) << said.toStdString();
    EXPECT_FALSE(said.contains('\n'));
}

// Tools the real-server test needs; in CI their absence is a failure.
bool haveTools() {
    for (const char* tool : {"pulseaudio", "parec", "pacat", "pactl"})
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            if (qEnvironmentVariable("CI") == "true") {
                ADD_FAILURE() << tool << " is missing (make setup installs it)";
            } else {
                std::cout << tool << " is missing; skipped\n";
            }
            return false;
        }
    return true;
}

// A PulseAudio server of our own with one null sink, in a private folder.
class NullSinkServer {
public:
    explicit NullSinkServer(const QTemporaryDir& dir) {
        for (const char* v : {"HOME", "XDG_RUNTIME_DIR", "PULSE_RUNTIME_PATH"})
            qputenv(v, dir.path().toUtf8());
        qputenv("PULSE_SERVER", ("unix:" + dir.filePath("native")).toUtf8());
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        m_server.setStandardOutputFile(dir.filePath("server.log"));
        m_server.start(
            "pulseaudio",
            {"-n", "--daemonize=no", "--exit-idle-time=-1", "--system=false", "--use-pid-file=no",
             "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + dir.filePath("native"),
             "-L", "module-null-sink sink_name=demo rate=44100 channels=1 norewinds=1"});
    }
    ~NullSinkServer() {
        m_server.terminate();
        if (!m_server.waitForFinished(5000)) m_server.kill();
        m_server.waitForFinished(5000);
    }
    // The server answers and has its sink.
    bool ready() {
        return until(
            [](const QByteArray& sinks, const QByteArray&) { return sinks.contains("demo"); });
    }
    // Clients connected to the server, this question's own included.
    int clients() {
        int count = -1;
        until([&count](const QByteArray&, const QByteArray& clients) {
            count = int(clients.count('\n'));
            return true;
        });
        return count;
    }
    bool clients(int count) {
        return until([count](const QByteArray&, const QByteArray& clients) {
            return clients.count('\n') >= count;
        });
    }

private:
    template <typename Test>
    bool until(Test test) {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 15000 && m_server.state() != QProcess::NotRunning) {
            QProcess sinks, clients;
            sinks.start("pactl", {"list", "short", "sinks"});
            sinks.waitForFinished(5000);
            clients.start("pactl", {"list", "short", "clients"});
            clients.waitForFinished(5000);
            if (test(sinks.readAllStandardOutput(), clients.readAllStandardOutput())) return true;
            QTest::qWait(50);
        }
        return false;
    }

    QProcess m_server;
};

std::vector<std::int16_t> readRaw(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = f.readAll();
    std::vector<std::int16_t> s(std::size_t(bytes.size() / 2));
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = std::int16_t(std::uint8_t(bytes[int(2 * i)]) |
                            (std::uint8_t(bytes[int(2 * i + 1)]) << 8));
    return s;
}

std::size_t firstSound(const std::vector<std::int16_t>& s) {
    for (std::size_t i = 0; i < s.size(); ++i)
        if (std::abs(s[i]) > 300) return i;
    return s.size();
}

TEST(SoundPlayer, PlaysAStrumThroughARealSoundServer) {
    if (!haveTools()) {
        if (qEnvironmentVariable("CI") != "true") GTEST_SKIP();
        return;
    }
    QTemporaryDir dir;
    NullSinkServer server(dir);
    ASSERT_TRUE(server.ready()) << "the sound server did not start";

    // Silence keeps the sink running, so its monitor records from the start
    // of the strum rather than from when the sink wakes up.
    QProcess silence;
    silence.start("pacat", {"-p", "-d", "demo", "--raw", "--rate=44100", "--channels=1",
                            "--format=s16le", "--latency-msec=20", "/dev/zero"});
    ASSERT_TRUE(silence.waitForStarted(5000));
    QProcess recorder;
    const QString raw = dir.filePath("monitor.raw");
    recorder.setStandardOutputFile(raw);
    recorder.start("parec", {"-d", "demo.monitor", "--rate=44100", "--channels=1", "--format=s16le",
                             "--raw", "--latency-msec=20"});
    ASSERT_TRUE(recorder.waitForStarted(5000));

    // The monitor is running: a fifth of a second of silence is recorded.
    QElapsedTimer flowing;
    flowing.start();
    while (QFileInfo(raw).size() < sound::kSampleRate * 2 / 5 && flowing.elapsed() < 15000)
        QTest::qWait(20);
    ASSERT_GE(QFileInfo(raw).size(), sound::kSampleRate * 2 / 5) << "the monitor records nothing";

    const int others = server.clients();
    SoundPlayer player;
    // The player says so from its sound thread, perhaps before the test
    // starts to wait: the latencies are taken on this thread, queued, and
    // counted rather than waited for as the next signal.
    std::vector<double> ms;
    QObject::connect(&player, &SoundPlayer::handedToDevice, &player,
                     [&ms](double latency) { ms.push_back(latency); });
    const auto handedMore = [&ms](std::size_t before, int timeout) {
        return QTest::qWaitFor([&] { return ms.size() > before; }, timeout);
    };
    QSignalSpy failed(&player, &SoundPlayer::failed);
    // A window that is only looked at never talks to the sound server: the
    // player connects with the first play, not when it is made.
    QTest::qWait(300);
    EXPECT_EQ(server.clients(), others) << "the player connected before anything was played";
    player.play(openC());
    ASSERT_TRUE(handedMore(0, 10000)) << player.failure().toStdString();
    EXPECT_TRUE(server.clients(others + 1)) << "the player played without a connection";

    // Wait until the monitor holds the strum's first 1.3 seconds.
    std::vector<std::int16_t> heard;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 20000) {
        heard = readRaw(raw);
        const std::size_t start = firstSound(heard);
        if (start < heard.size() && heard.size() - start > std::size_t(1.3 * sound::kSampleRate))
            break;
        QTest::qWait(50);
    }
    const std::size_t start = firstSound(heard);
    ASSERT_LT(start, heard.size()) << "nothing reached the sink";
    const std::vector<std::int16_t> strum(heard.begin() + std::ptrdiff_t(start) -
                                              std::min<std::ptrdiff_t>(441, std::ptrdiff_t(start)),
                                          heard.end());
    ASSERT_GT(strum.size(), std::size_t(1.3 * sound::kSampleRate));

    // C3 E3 G3 C4 E4, each at its pitch; C3 and E3 first, 30 ms apart.
    const spectrum::Spectrum sp(strum, sound::kSampleRate, 0.2, 1.2);
    for (int m : {48, 52, 55, 60, 64})
        EXPECT_NEAR(spectrum::cents(sp.peakNear(hzOf(m)), hzOf(m)), 0, 5) << "MIDI " << m;
    EXPECT_LT(sp.maxBetween(30, hzOf(48) * 0.95), sp.at(sp.peakNear(hzOf(48))) / 30);
    const double c3 = spectrum::onsetOf(strum, sound::kSampleRate, hzOf(48), 0.4, 0.12);
    const double e3 = spectrum::onsetOf(strum, sound::kSampleRate, hzOf(52), 0.4, 0.12);
    EXPECT_NEAR(e3 - c3, 0.030, 0.010);

    // Latency of more plays, some while the strum still rings: the first
    // samples of each are written within 20 ms of the request.
    for (int i = 0; i < 8; ++i) {
        const std::size_t before = ms.size();
        player.play(sound::arpeggio({60 + i, 64 + i}));
        ASSERT_TRUE(handedMore(before, 5000)) << "play " << i + 2 << " never reached the device";
    }
    recorder.terminate();
    recorder.waitForFinished(5000);
    silence.terminate();
    silence.waitForFinished(5000);
    std::cout << "request to device, ms:";
    for (double m : ms) std::cout << " " << m;
    std::cout << "\n";
    std::sort(ms.begin(), ms.end());
    EXPECT_LE(ms[ms.size() / 2], 20.0);
    EXPECT_EQ(failed.count(), 0) << player.failure().toStdString();
}

}  // namespace
