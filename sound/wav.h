#pragma once

#include <cstdint>
#include <fstream>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "sound/output.h"

namespace sound {

// 16-bit mono PCM files, the format every audio tool reads.
struct WavData {
    int sampleRate = 0;
    std::vector<std::int16_t> samples;
};

// Writes the whole file; false when it cannot be written.
bool writeWav(const std::string& path, std::span<const std::int16_t> samples, int sampleRate);

// Reads a 16-bit mono PCM file; nothing for any other file.
std::optional<WavData> readWav(const std::string& path);

// Where demo-driver's `--wav FILE` sends everything played: each performance
// is appended to one file, and the header is brought up to date after every
// append, so the file is complete whenever the run stops.
class WavSink : public Output {
public:
    WavSink(std::string path, int sampleRate = kSampleRate);
    // Renders the performance to its end and appends it.
    void play(std::vector<Note> notes) override;
    // False once the file could not be written; the first failure is kept in error().
    bool append(std::span<const std::int16_t> samples);
    const std::string& error() const { return m_error; }
    std::int64_t samplesWritten() const { return m_written; }

private:
    bool fail(const std::string& why);
    std::string m_path;
    int m_rate;
    std::fstream m_file;
    std::int64_t m_written = 0;
    std::string m_error;
};

}  // namespace sound
