#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "sound/pluck.h"
#include "theory/tunings.h"
#include "theory/voicings.h"

namespace sound {

// One plucked note: its MIDI number and when it starts, in samples from the
// start of the performance.
struct Note {
    int midi;
    std::int64_t onset;
};

inline constexpr double kStrumGapSeconds = 0.030;
inline constexpr double kArpeggioGapSeconds = 0.250;
// How long a performance sounds after its last onset: the decay and a margin.
inline constexpr double kTailSeconds = 2.5;

// MIDI notes of a grip in strum order, lowest string first; muted strings
// (negative frets) are left out.
std::vector<int> gripNotes(const theory::Frets& frets, const theory::Tuning& tuning);

// A strum of a grip: every sounding string, lowest first, kStrumGapSeconds apart.
std::vector<Note> strum(const theory::Frets& frets, const theory::Tuning& tuning);

// The notes one after another, rising, kArpeggioGapSeconds apart.
std::vector<Note> arpeggio(std::vector<int> midi);

// Samples a performance lasts: its last onset plus the tail.
std::int64_t lengthOf(std::span<const Note> notes);

// Mixes performances into one stream, a block at a time, so that a player
// can start sending the first samples before the rest exist. Performances
// added while others still ring start at the current position and overlap.
class Mixer {
public:
    void add(std::span<const Note> notes);
    // Writes the next out.size() samples; silence once everything has decayed.
    void render(std::span<std::int16_t> out);
    bool idle() const { return m_voices.empty() && m_pending.empty(); }
    std::int64_t position() const { return m_position; }

private:
    struct Voice {
        PluckedString string;
        std::int64_t end;
    };
    std::vector<Note> m_pending;  // absolute onsets
    std::vector<Voice> m_voices;
    std::int64_t m_position = 0;
    std::uint32_t m_seed = 1;
};

// A whole performance as 16-bit mono samples at kSampleRate.
std::vector<std::int16_t> render(std::span<const Note> notes);

}  // namespace sound
