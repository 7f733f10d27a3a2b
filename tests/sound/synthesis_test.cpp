#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "sound/performance.h"
#include "spectrum.h"
#include "theory/tunings.h"

namespace {

using sound::kSampleRate;

double hzOf(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

double rms(const std::vector<std::int16_t>& s, double from, double to) {
    const auto a = static_cast<std::size_t>(from * kSampleRate);
    const auto b = std::min(s.size(), static_cast<std::size_t>(to * kSampleRate));
    double sum = 0;
    for (std::size_t i = a; i < b; ++i) sum += double(s[i]) * s[i];
    return std::sqrt(sum / double(b - a));
}

std::vector<std::int16_t> pluck(int midi) {
    const sound::Note note{midi, 0};
    return sound::render(std::span(&note, 1));
}

// Every note a guitar reaches, from the low C of a seven-string down-tuning
// to the top of a 22-fret neck, sounds at its equal-tempered pitch.
TEST(PluckedString, EveryNoteWithinFiveCents) {
    for (int midi = 36; midi <= 90; ++midi) {
        const auto samples = pluck(midi);
        const spectrum::Spectrum sp(samples, kSampleRate, 0.05, 1.05);
        const double want = hzOf(midi);
        EXPECT_NEAR(spectrum::cents(sp.peakNear(want), want), 0, 5) << "MIDI " << midi;
    }
}

// About two seconds from the pluck to silence (-60 dB), low notes and high.
TEST(PluckedString, DecaysInAboutTwoSeconds) {
    for (int midi : {40, 52, 64, 76, 88}) {
        const auto s = pluck(midi);
        const double start = rms(s, 0.01, 0.06);
        double dying = 0;
        for (double t = 0.05; t < 3.0; t += 0.01)
            if (rms(s, t, t + 0.02) > start / 1000) dying = t;
        EXPECT_GT(dying, 1.2) << "MIDI " << midi << " dies too soon";
        EXPECT_LT(dying, 2.6) << "MIDI " << midi << " rings too long";
        EXPECT_LT(rms(s, 2.0, 2.2), start / 100) << "MIDI " << midi;
    }
}

// The first samples rise smoothly: no step, no edge sharper than the tone's own.
TEST(PluckedString, StartsWithoutAClick) {
    for (int midi : {40, 64, 88}) {
        const auto s = pluck(midi);
        auto steepest = [&](double from, double to) {
            int most = 0;
            for (auto i = std::size_t(from * kSampleRate) + 1; i < std::size_t(to * kSampleRate);
                 ++i)
                most = std::max(most, std::abs(s[i] - s[i - 1]));
            return most;
        };
        EXPECT_LT(std::abs(s[0]), 100) << "MIDI " << midi;
        EXPECT_LE(steepest(0, 0.001), steepest(0.005, 0.05)) << "MIDI " << midi;
    }
}

struct Grip {
    const char* name;
    const char* tuning;
    theory::Frets frets;
    std::vector<int> midi;    // what a guitarist hears, lowest string first
    std::vector<int> silent;  // notes a muted or mis-fretted string would give
};

const std::vector<Grip> kGrips{
    {"open C", "standard", {-1, 3, 2, 0, 1, 0}, {48, 52, 55, 60, 64}, {39, 40, 41}},
    {"E major", "standard", {0, 2, 2, 1, 0, 0}, {40, 47, 52, 56, 59, 64}, {}},
    {"F barre", "standard", {1, 3, 3, 2, 1, 1}, {41, 48, 53, 57, 60, 65}, {40}},
    {"D major", "standard", {-1, -1, 0, 2, 3, 2}, {50, 57, 62, 66}, {39, 40, 41, 44, 45, 46}},
    {"C, low four", "standard", {8, 10, 10, 9, -1, -1}, {48, 55, 60, 64}, {58, 59, 63}},
    {"drop-D D", "drop-d", {0, 0, 0, 2, 3, 2}, {38, 45, 50, 57, 62, 66}, {40}},
    {"B (open C shape, E♭ tuning)",
     "half-step-down",
     {-1, 3, 2, 0, 1, 0},
     {47, 51, 54, 59, 63},
     {38, 39, 40}},
};

// A harmonic of any sounding note within `hz` of f.
bool nearAHarmonic(const std::vector<int>& notes, double f, double hz, int highest = 8) {
    for (int m : notes)
        for (int h = 1; h <= highest; ++h)
            if (std::abs(h * hzOf(m) - f) < hz) return true;
    return false;
}

TEST(Strum, EveryStringAtItsPitchInStrumOrderAndMutedStringsSilent) {
    for (const Grip& g : kGrips) {
        SCOPED_TRACE(g.name);
        const auto samples = sound::render(sound::strum(g.frets, *theory::tuningByKey(g.tuning)));
        const spectrum::Spectrum sp(samples, kSampleRate, 0.2, 1.2);

        double loudest = 0;
        for (int m : g.midi) {
            const double f = sp.peakNear(hzOf(m));
            EXPECT_NEAR(spectrum::cents(f, hzOf(m)), 0, 5) << "MIDI " << m;
            loudest = std::max(loudest, sp.at(f));
        }
        // Muted strings, and a string played one fret off, would show here.
        for (int m : g.silent) {
            if (nearAHarmonic(g.midi, hzOf(m), 15)) continue;
            EXPECT_LT(sp.maxBetween(hzOf(m) * 0.99, hzOf(m) * 1.01), loudest / 100) << "MIDI " << m;
        }
        // Nothing sounds below the lowest string played...
        EXPECT_LT(sp.maxBetween(30, hzOf(g.midi.front()) * 0.95), loudest / 100);
        // ... and every clear peak is a harmonic of a string played.
        for (double f : sp.peaks(30, 1500, loudest / 30))
            EXPECT_TRUE(nearAHarmonic(g.midi, f, std::max(2.0, f * 0.006), 24)) << f << " Hz";

        // Onsets: each string whose fundamental no other string's harmonics
        // cover starts about 30 ms after the string before it.
        double previous = -1;
        int previousIndex = -1, checked = 0;
        for (int i = 0; i < int(g.midi.size()); ++i) {
            std::vector<int> others = g.midi;
            others.erase(others.begin() + i);
            if (nearAHarmonic(others, hzOf(g.midi[std::size_t(i)]), 25)) continue;
            const double t =
                spectrum::onsetOf(samples, kSampleRate, hzOf(g.midi[std::size_t(i)]), 0.4, 0.12);
            if (previousIndex >= 0) {
                EXPECT_NEAR(t - previous, 0.030 * (i - previousIndex), 0.010)
                    << "MIDI " << g.midi[std::size_t(i)] << " after "
                    << g.midi[std::size_t(previousIndex)];
            }
            previous = t;
            previousIndex = i;
            ++checked;
        }
        EXPECT_GE(checked, 2);
    }
}

TEST(Strum, AStrumFadesWellBelowItsOnsetAfterTwoSeconds) {
    for (const Grip& g : kGrips) {
        const auto s = sound::render(sound::strum(g.frets, *theory::tuningByKey(g.tuning)));
        EXPECT_LT(rms(s, 2.2, 2.4), rms(s, 0.15, 0.35) / 100) << g.name;
        EXPECT_LE(s.size(), std::size_t(3.0 * kSampleRate)) << g.name;
    }
}

TEST(Arpeggio, RisesOneNoteAfterAnother) {
    // C major 7 given out of order: played C E G B upwards, a quarter second apart.
    const auto s = sound::render(sound::arpeggio({67, 60, 71, 64}));
    const std::vector<int> rising{60, 64, 67, 71};
    for (std::size_t i = 0; i < rising.size(); ++i) {
        const double t = spectrum::onsetOf(s, kSampleRate, hzOf(rising[i]), 1.2, 0.12);
        EXPECT_NEAR(t, 0.25 * double(i), 0.015) << "MIDI " << rising[i];
        const spectrum::Spectrum sp(s, kSampleRate, 0.25 * double(i) + 0.02,
                                    0.25 * double(i) + 0.5);
        EXPECT_NEAR(spectrum::cents(sp.peakNear(hzOf(rising[i])), hzOf(rising[i])), 0, 5);
    }
}

TEST(Mixer, AddedWhilePlayingStartsAtOnceAndBlocksMatchOneRender) {
    const auto grip = sound::strum({-1, 3, 2, 0, 1, 0}, theory::standardTuning());
    const auto whole = sound::render(grip);
    sound::Mixer mixer;
    EXPECT_TRUE(mixer.idle());
    mixer.add(grip);
    std::vector<std::int16_t> blocks(whole.size());
    for (std::size_t at = 0; at < blocks.size(); at += 441)
        mixer.render(std::span(blocks).subspan(at, std::min<std::size_t>(441, blocks.size() - at)));
    EXPECT_EQ(blocks, whole);
    EXPECT_TRUE(mixer.idle());
    std::vector<std::int16_t> after(441);
    mixer.render(after);
    EXPECT_EQ(after, std::vector<std::int16_t>(441, 0));
}

}  // namespace
