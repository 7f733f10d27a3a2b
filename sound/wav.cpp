#include "sound/wav.h"

#include <array>
#include <cstring>

namespace sound {

namespace {

constexpr std::size_t kHeaderSize = 44;

void put16(std::array<char, kHeaderSize>& h, std::size_t at, std::uint16_t v) {
    h[at] = static_cast<char>(v & 0xff);
    h[at + 1] = static_cast<char>(v >> 8);
}

void put32(std::array<char, kHeaderSize>& h, std::size_t at, std::uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i) h[at + i] = static_cast<char>((v >> (8 * i)) & 0xff);
}

std::array<char, kHeaderSize> header(std::int64_t samples, int rate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples * 2);
    std::array<char, kHeaderSize> h{};
    std::memcpy(h.data(), "RIFF", 4);
    put32(h, 4, 36 + dataBytes);
    std::memcpy(h.data() + 8, "WAVEfmt ", 8);
    put32(h, 16, 16);
    put16(h, 20, 1);  // PCM
    put16(h, 22, 1);  // mono
    put32(h, 24, static_cast<std::uint32_t>(rate));
    put32(h, 28, static_cast<std::uint32_t>(rate * 2));
    put16(h, 32, 2);
    put16(h, 34, 16);
    std::memcpy(h.data() + 36, "data", 4);
    put32(h, 40, dataBytes);
    return h;
}

// Little-endian on disk whatever the machine.
void writeSamples(std::ostream& out, std::span<const std::int16_t> samples) {
    std::vector<char> bytes(samples.size() * 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto v = static_cast<std::uint16_t>(samples[i]);
        bytes[2 * i] = static_cast<char>(v & 0xff);
        bytes[2 * i + 1] = static_cast<char>(v >> 8);
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::uint32_t get32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24);
}

std::uint16_t get16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

}  // namespace

bool writeWav(const std::string& path, std::span<const std::int16_t> samples, int sampleRate) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const auto h = header(static_cast<std::int64_t>(samples.size()), sampleRate);
    out.write(h.data(), h.size());
    writeSamples(out, samples);
    return static_cast<bool>(out.flush());
}

std::optional<WavData> readWav(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), {});
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        return std::nullopt;
    WavData wav;
    bool format = false;
    // Chunks in any order; only "fmt " and "data" matter.
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const unsigned char* chunk = bytes.data() + at;
        const std::size_t size = get32(chunk + 4);
        if (size > bytes.size() - at - 8) return std::nullopt;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (size < 16 || get16(chunk + 8) != 1 || get16(chunk + 10) != 1 ||
                get16(chunk + 22) != 16)
                return std::nullopt;
            wav.sampleRate = static_cast<int>(get32(chunk + 12));
            format = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!format) return std::nullopt;
            wav.samples.resize(size / 2);
            for (std::size_t i = 0; i < wav.samples.size(); ++i)
                wav.samples[i] = static_cast<std::int16_t>(get16(chunk + 8 + 2 * i));
            return wav;
        }
        at += 8 + size + (size & 1);
    }
    return std::nullopt;
}

WavSink::WavSink(std::string path, int sampleRate) : m_path(std::move(path)), m_rate(sampleRate) {
    m_file.open(m_path, std::ios::binary | std::ios::in | std::ios::out | std::ios::trunc);
    if (!m_file) {
        fail("cannot write " + m_path);
        return;
    }
    const auto h = header(0, m_rate);
    m_file.write(h.data(), h.size());
    if (!m_file.flush()) fail("cannot write " + m_path);
}

bool WavSink::append(std::span<const std::int16_t> samples) {
    if (!m_error.empty()) return false;
    m_file.seekp(static_cast<std::streamoff>(kHeaderSize + 2 * m_written));
    writeSamples(m_file, samples);
    m_written += static_cast<std::int64_t>(samples.size());
    const auto h = header(m_written, m_rate);
    m_file.seekp(0);
    m_file.write(h.data(), h.size());
    if (!m_file.flush()) return fail("cannot write " + m_path);
    return true;
}

void WavSink::play(std::vector<Note> notes) {
    append(render(notes));
}

bool WavSink::fail(const std::string& why) {
    if (m_error.empty()) m_error = why;
    return false;
}

}  // namespace sound
