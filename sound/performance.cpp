#include "sound/performance.h"

#include <algorithm>
#include <cmath>

namespace sound {

namespace {

// Six strings at this level peak around -3 dBFS; the limiter only catches
// the rare pile-up of overlapping performances.
constexpr float kVoiceLevel = 0.22f;

std::int64_t samples(double seconds) {
    return static_cast<std::int64_t>(std::llround(seconds * kSampleRate));
}

std::int16_t toPcm(float x) {
    // Soft above 0.9 so that a pile-up bends instead of clipping with a click.
    const float a = std::abs(x);
    if (a > 0.9f) x = std::copysign(0.9f + 0.1f * std::tanh((a - 0.9f) / 0.1f), x);
    return static_cast<std::int16_t>(std::lround(x * 32767.0f));
}

constexpr float kReleaseSamples = 0.05f * kSampleRate;

}  // namespace

std::vector<int> gripNotes(const theory::Frets& frets, const theory::Tuning& tuning) {
    std::vector<int> notes;
    for (int s = 0; s < 6; ++s)
        if (frets[std::size_t(s)] >= 0)
            notes.push_back(tuning.midi[std::size_t(s)] + frets[std::size_t(s)]);
    return notes;
}

std::vector<Note> strum(const theory::Frets& frets, const theory::Tuning& tuning) {
    std::vector<Note> notes;
    for (int midi : gripNotes(frets, tuning))
        notes.push_back({midi, samples(kStrumGapSeconds * static_cast<double>(notes.size()))});
    return notes;
}

std::vector<Note> arpeggio(std::vector<int> midi) {
    std::sort(midi.begin(), midi.end());
    std::vector<Note> notes;
    for (int m : midi)
        notes.push_back({m, samples(kArpeggioGapSeconds * static_cast<double>(notes.size()))});
    return notes;
}

std::int64_t lengthOf(std::span<const Note> notes) {
    std::int64_t last = 0;
    for (const Note& n : notes) last = std::max(last, n.onset);
    return notes.empty() ? 0 : last + samples(kTailSeconds);
}

void Mixer::add(std::span<const Note> notes) {
    for (const Note& n : notes) m_pending.push_back({n.midi, m_position + n.onset});
}

void Mixer::render(std::span<std::int16_t> out) {
    const std::int64_t tail = samples(kTailSeconds);
    for (std::size_t i = 0; i < out.size(); ++i, ++m_position) {
        for (auto it = m_pending.begin(); it != m_pending.end();) {
            if (it->onset > m_position) {
                ++it;
                continue;
            }
            m_voices.push_back(
                {PluckedString(midiFrequency(it->midi), m_seed++), m_position + tail});
            it = m_pending.erase(it);
        }
        float sum = 0;
        for (Voice& v : m_voices) {
            // The last few hundredths fade out: by then the string is far
            // below hearing, but a cut would still step.
            const float left = static_cast<float>(v.end - m_position) / kReleaseSamples;
            sum += v.string.next() * std::min(1.0f, left);
        }
        out[i] = toPcm(sum * kVoiceLevel);
        std::erase_if(m_voices, [&](const Voice& v) { return v.end <= m_position + 1; });
    }
}

std::vector<std::int16_t> render(std::span<const Note> notes) {
    Mixer mixer;
    mixer.add(notes);
    std::vector<std::int16_t> out(static_cast<std::size_t>(lengthOf(notes)));
    mixer.render(out);
    return out;
}

}  // namespace sound
