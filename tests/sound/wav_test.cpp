#include "sound/wav.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "sound/performance.h"

namespace {

std::string tempPath(const char* name) {
    return (std::filesystem::temp_directory_path() / (std::string("demo_sound_") + name)).string();
}

std::vector<unsigned char> bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The header a 16-bit mono 44.1 kHz file of two samples must carry, byte by byte.
TEST(Wav, WritesTheCanonicalHeaderAndLittleEndianSamples) {
    const std::string path = tempPath("header.wav");
    const std::vector<std::int16_t> samples{1, -2};
    ASSERT_TRUE(sound::writeWav(path, samples, 44100));
    const std::vector<unsigned char> want{
        'R', 'I', 'F', 'F', 40,  0,   0,   0,   'W',  'A',  'V', 'E', 'f',  'm',  't',  ' ',
        16,  0,   0,   0,   1,   0,   1,   0,   0x44, 0xAC, 0,   0,   0x88, 0x58, 0x01, 0,
        2,   0,   16,  0,   'd', 'a', 't', 'a', 4,    0,    0,   0,   1,    0,    0xFE, 0xFF};
    EXPECT_EQ(bytesOf(path), want);
    std::filesystem::remove(path);
}

TEST(Wav, ReadsBackWhatItWrote) {
    const std::string path = tempPath("round.wav");
    const auto samples = sound::render(sound::strum({0, 2, 2, 1, 0, 0}, theory::standardTuning()));
    ASSERT_TRUE(sound::writeWav(path, samples, sound::kSampleRate));
    const auto wav = sound::readWav(path);
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->sampleRate, sound::kSampleRate);
    EXPECT_EQ(wav->samples, samples);
    std::filesystem::remove(path);
}

TEST(Wav, RejectsWhatIsNotSixteenBitMonoPcm) {
    const std::string path = tempPath("bad.wav");
    ASSERT_TRUE(sound::writeWav(path, std::vector<std::int16_t>{5, 6}, 44100));
    auto bytes = bytesOf(path);
    const struct {
        const char* what;
        std::size_t at;
        unsigned char value;
    } cases[]{{"stereo", 22, 2},
              {"8-bit", 34, 8},
              {"not PCM", 20, 3},
              {"not RIFF", 0, 'X'},
              {"data longer than the file", 40, 200}};
    for (const auto& c : cases) {
        auto broken = bytes;
        broken[c.at] = c.value;
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(broken.data()), std::streamsize(broken.size()));
        EXPECT_FALSE(sound::readWav(path)) << c.what;
    }
    EXPECT_FALSE(sound::readWav(tempPath("missing.wav")));
    std::filesystem::remove(path);
}

TEST(WavSink, AppendsEverythingPlayedAndIsCompleteAfterEachAppend) {
    const std::string path = tempPath("sink.wav");
    const auto c = sound::render(sound::strum({-1, 3, 2, 0, 1, 0}, theory::standardTuning()));
    const auto e = sound::render(sound::arpeggio({40, 44, 47}));
    sound::WavSink sink(path, sound::kSampleRate);
    EXPECT_EQ(sink.error(), "");
    ASSERT_TRUE(sink.append(c));
    EXPECT_EQ(sound::readWav(path)->samples, c);  // readable while the run goes on
    ASSERT_TRUE(sink.append(e));
    auto both = c;
    both.insert(both.end(), e.begin(), e.end());
    EXPECT_EQ(sound::readWav(path)->samples, both);
    EXPECT_EQ(sink.samplesWritten(), std::int64_t(both.size()));
    std::filesystem::remove(path);
}

TEST(WavSink, AsAnOutputRendersEachPerformanceToItsEnd) {
    const std::string path = tempPath("output.wav");
    {
        sound::WavSink sink(path);
        sound::Output& out = sink;
        out.play(sound::strum({0, 2, 2, 1, 0, 0}, theory::standardTuning()));
        out.play(sound::arpeggio({64, 60, 67}));
    }
    const auto wav = sound::readWav(path);
    ASSERT_TRUE(wav);
    // E major: six strings, the last 150 ms after the first, then the decay;
    // C E G a quarter second apart, then the decay.
    const double seconds = double(wav->samples.size()) / sound::kSampleRate;
    EXPECT_NEAR(seconds, (0.150 + 2.5) + (0.5 + 2.5), 0.01);
    std::filesystem::remove(path);
}

TEST(WavSink, AFolderThatCannotBeWrittenIsReportedNotThrown) {
    sound::WavSink sink("/nonexistent-folder/out.wav", sound::kSampleRate);
    EXPECT_NE(sink.error(), "");
    EXPECT_FALSE(sink.append(std::vector<std::int16_t>{1, 2, 3}));
}

}  // namespace
