#pragma once

#include <cstdint>
#include <vector>

namespace sound {

inline constexpr int kSampleRate = 44100;

// Equal-tempered frequency of a MIDI note, A4 = 440 Hz.
double midiFrequency(int midi);

// One plucked string: a Karplus-Strong loop whose delay is tuned to a
// fraction of a sample by a first-order allpass, so the pitch is exact for
// every note, and whose loop gain makes the fundamental fall 60 dB in
// kDecaySeconds whatever the pitch (a bare loop rings for ever on the low E
// and dies in a second on the high notes).
class PluckedString {
public:
    static constexpr double kDecaySeconds = 2.0;

    PluckedString(double frequency, std::uint32_t seed);

    // The next sample, roughly within -1..1.
    float next();
    // Samples produced so far.
    std::int64_t age() const { return m_age; }

private:
    std::vector<float> m_line;
    std::size_t m_pos = 0;
    float m_gain = 1;     // loop gain on top of the damping filter
    float m_damp = 0.5f;  // weight of the older sample in the two-point filter
    float m_allpass = 0;  // allpass coefficient
    float m_prevIn = 0;   // the two-point filter's previous input
    float m_apIn = 0, m_apOut = 0;
    std::int64_t m_age = 0;
};

}  // namespace sound
