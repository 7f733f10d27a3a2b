#include "sound/pluck.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sound {

namespace {

// A soft attack: a sudden start at full amplitude is heard as a click.
constexpr double kAttackSeconds = 0.002;

// Small, deterministic noise so that the same strum renders the same bytes.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : m_state(seed * 2654435761u + 1) {}
    float next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return static_cast<float>(m_state) / 2147483648.0f - 1.0f;
    }

private:
    std::uint32_t m_state;
};

}  // namespace

double midiFrequency(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

PluckedString::PluckedString(double frequency, std::uint32_t seed) {
    const double period = kSampleRate / frequency;
    const double w = 2 * std::numbers::pi / period;
    // Loop gain per period at the fundamental that gives -60 dB after kDecaySeconds.
    const double target = std::pow(10.0, -3.0 / (frequency * kDecaySeconds));
    double s = 0.5;
    const double averaged = std::cos(w / 2);
    if (averaged >= target) {
        m_gain = static_cast<float>(target / averaged);
    } else {
        // High notes: the plain average damps too much, so weight it towards
        // the newer sample until its own loss is the target.
        const double q = (1 - target * target) / (2 * (1 - std::cos(w)));
        s = (1 - std::sqrt(std::max(0.0, 1 - 4 * q))) / 2;
        m_gain = 1;
    }
    m_damp = static_cast<float>(s);
    // Exact phase delay of the damping filter at the fundamental; the rest of
    // the period is the integer line plus an allpass fraction in [0.1, 1.1).
    const double filterDelay = std::atan2(s * std::sin(w), (1 - s) + s * std::cos(w)) / w;
    const double rest = period - filterDelay;
    const int length = static_cast<int>(std::floor(rest - 0.1));
    const double d = rest - length;
    m_allpass = static_cast<float>(std::sin(w * (1 - d) / 2) / std::sin(w * (1 + d) / 2));

    // The pluck: noise smoothed a little (a pick, not a hammer), without its
    // mean, which would otherwise ring on as an offset.
    Noise noise(seed);
    m_line.resize(static_cast<std::size_t>(length));
    float smooth = 0;
    for (float& x : m_line) {
        smooth = 0.6f * smooth + 0.4f * noise.next();
        x = smooth;
    }
    double mean = 0;
    for (float x : m_line) mean += x;
    mean /= static_cast<double>(m_line.size());
    float peak = 1e-6f;
    for (float& x : m_line) {
        x -= static_cast<float>(mean);
        peak = std::max(peak, std::abs(x));
    }
    for (float& x : m_line) x /= peak;
}

float PluckedString::next() {
    const float delayed = m_line[m_pos];
    const float filtered = m_gain * ((1 - m_damp) * delayed + m_damp * m_prevIn);
    m_prevIn = delayed;
    const float out = m_allpass * filtered + m_apIn - m_allpass * m_apOut;
    m_apIn = filtered;
    m_apOut = out;
    m_line[m_pos] = out;
    m_pos = (m_pos + 1) % m_line.size();
    const double t = static_cast<double>(m_age++) / kSampleRate;
    if (t < kAttackSeconds)
        return delayed *
               static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * t / kAttackSeconds));
    return delayed;
}

}  // namespace sound
