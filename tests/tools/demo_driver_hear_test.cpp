// demo-driver's play step, --sound and --wav: the file holds what the diagrams draw.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>

#include "../sound/spectrum.h"
#include "sound/performance.h"
#include "sound/wav.h"

namespace {

QJsonObject run(const QStringList& args, int* exitCode = nullptr) {
    QProcess p;
    p.start(QString(DEMO_BIN_DIR) + "/demo-driver", args);
    p.waitForFinished(60000);
    if (exitCode) *exitCode = p.exitCode();
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

double hzOf(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

constexpr std::array<int, 6> kStandard{40, 45, 50, 55, 59, 64};

// The grip a pool picture draws ("n_x02210.bmp" at the nut, "m_x13321.bmp"
// from the fret beside it), as frets per string, -1 muted.
std::array<int, 6> drawnFrets(const QString& picture, const QString& fretPicture) {
    const QString file = picture.section('/', -1);
    const int fret = fretPicture.section('/', -1).section('.', 0, 0).toInt();
    std::array<int, 6> frets{};
    for (int s = 0; s < 6; ++s) {
        const QChar c = file[2 + s];
        frets[std::size_t(s)] = c == 'x'                ? -1
                                : file.startsWith("n_") ? c.digitValue()
                                                        : fret + c.digitValue() - 1;
    }
    return frets;
}

bool nearAHarmonic(const std::vector<int>& notes, double f, double hz) {
    for (int m : notes)
        for (int h = 1; h <= 8; ++h)
            if (std::abs(h * hzOf(m) - f) < hz) return true;
    return false;
}

struct PlayCase {
    const char* name;
    QStringList chord;  // the clicks that show the chord
    int cells[2];       // two gallery items, played one after the other
};

TEST(DemoDriverHear, PlayWritesEachDiagramsStrumToTheWavInOrder) {
    const std::vector<PlayCase> cases = {
        {"A m7", {"Base", "13", "Ty", "14"}, {0, 5}},
        {"D 7th", {"Base", "3", "Ty", "28"}, {1, 9}},
        {"G sus4", {"Base", "10", "Ty", "25"}, {2, 12}},
    };
    for (const PlayCase& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString wav = dir.filePath("run.wav");
        QStringList args{"PennatoneDemo", "--wav", wav};
        args << c.chord << "play" << QString::number(c.cells[0]) << "dump"
             << "play" << QString::number(c.cells[1]) << "dump";
        QProcess p;
        p.start(QString(DEMO_BIN_DIR) + "/demo-driver", args);
        ASSERT_TRUE(p.waitForFinished(60000));
        ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        // Two dumps: the first ends at the only brace that starts a line.
        const QByteArray all = p.readAllStandardOutput();
        const int second = all.indexOf("\n}\n") + 3;
        const QJsonObject states[2] = {QJsonDocument::fromJson(all.left(second)).object(),
                                       QJsonDocument::fromJson(all.mid(second)).object()};

        const auto data = sound::readWav(wav.toStdString());
        ASSERT_TRUE(data);
        ASSERT_EQ(data->sampleRate, sound::kSampleRate);
        std::int64_t start = 0;
        for (int k = 0; k < 2; ++k) {
            SCOPED_TRACE("cell " + std::to_string(c.cells[k]));
            const QString cell = QString("(%1)").arg(c.cells[k]);
            const QJsonObject controls = states[k]["controls"].toObject();
            const std::array<int, 6> frets =
                drawnFrets(controls["Chord_Display" + cell].toObject()["Picture"].toString(),
                           controls["FretDisplay" + cell].toObject()["Picture"].toString());
            std::vector<int> sounding, muted;
            for (int s = 0; s < 6; ++s)
                (frets[std::size_t(s)] < 0 ? muted : sounding)
                    .push_back(kStandard[std::size_t(s)] + std::max(0, frets[std::size_t(s)]));
            const QJsonObject played = states[k]["played"].toObject();
            EXPECT_EQ(played["source"].toString(), "Chord_Display" + cell);
            std::vector<int> midi;
            for (const QJsonValue& v : played["midi"].toArray()) midi.push_back(v.toInt());
            EXPECT_EQ(midi, sounding) << "strum order: lowest string first";

            // This performance's stretch of the file: its strum, then the ring.
            const std::span<const std::int16_t> all_samples(data->samples);
            ASSERT_LT(start, std::int64_t(all_samples.size()));
            const auto samples = all_samples.subspan(std::size_t(start));
            const spectrum::Spectrum sp(samples, sound::kSampleRate, 0.2, 1.2);
            double loudest = 0;
            for (int m : sounding) {
                const double f = sp.peakNear(hzOf(m));
                EXPECT_NEAR(spectrum::cents(f, hzOf(m)), 0, 5) << "MIDI " << m;
                loudest = std::max(loudest, sp.at(f));
            }
            for (int m : muted) {
                if (nearAHarmonic(sounding, hzOf(m), 15)) continue;
                EXPECT_LT(sp.maxBetween(hzOf(m) * 0.99, hzOf(m) * 1.01), loudest / 100)
                    << "muted string at MIDI " << m;
            }
            EXPECT_LT(
                sp.maxBetween(30, hzOf(*std::min_element(sounding.begin(), sounding.end())) * 0.95),
                loudest / 100);
            start += static_cast<std::int64_t>(
                (double(sounding.size() - 1) * sound::kStrumGapSeconds + sound::kTailSeconds) *
                sound::kSampleRate);
        }
        EXPECT_NEAR(double(start), double(data->samples.size()), sound::kSampleRate * 0.01)
            << "the file holds the two strums and nothing else";
    }
}

TEST(DemoDriverHear, SoundOffPlaysNothing) {
    for (const QStringList& off :
         {QStringList{"--sound", "off"}, QStringList{"option", "sound", "off"}}) {
        QTemporaryDir dir;
        const QString wav = dir.filePath("off.wav");
        QStringList args{"PennatoneDemo", "--wav", wav};
        args << off << "Base"
             << "0"
             << "Ty"
             << "0"
             << "play"
             << "0";
        int code = -1;
        const QJsonObject state = run(args, &code);
        ASSERT_EQ(code, 0) << off.join(' ').toStdString();
        EXPECT_TRUE(state["played"].isNull());
        EXPECT_FALSE(state["settings"].toObject()["sound"].toBool());
        const auto data = sound::readWav(wav.toStdString());
        ASSERT_TRUE(data);
        EXPECT_TRUE(data->samples.empty());
    }
}

TEST(DemoDriverHear, NewEntriesAreNullUntilSomethingPlays) {
    for (const char* program : {"PennatoneDemo", "LyrafretDemo"}) {
        const QJsonObject state = run({program, "Chord_Display", "0"});
        for (const char* key : {"played", "marks", "named"}) {
            ASSERT_TRUE(state.contains(key)) << program << " " << key;
            EXPECT_TRUE(state[key].isNull()) << program << " " << key;
        }
        EXPECT_FALSE(state["controls"].toObject()["Sound_Status"].toObject()["Visible"].toBool());
    }
    int code = 0;
    run({"PennatoneDemo", "play"}, &code);
    EXPECT_EQ(code, 2) << "play needs an index";
    run({"PennatoneDemo", "play", "40"}, &code);
    EXPECT_EQ(code, 2) << "no such gallery item";
    run({"PennatoneDemo", "--sound", "loud"}, &code);
    EXPECT_EQ(code, 2);
}

}  // namespace
