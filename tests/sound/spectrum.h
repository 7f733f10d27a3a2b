#pragma once

// A small spectrum analyser for the sound tests: a radix-2 FFT of a
// Hann-windowed stretch, peaks refined by a parabola through the log
// magnitudes, and a single-frequency probe for watching one note start.

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <numbers>
#include <span>
#include <vector>

namespace spectrum {

inline void fft(std::vector<std::complex<double>>& a) {
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const double angle = -2 * std::numbers::pi / static_cast<double>(len);
        const std::complex<double> step(std::cos(angle), std::sin(angle));
        for (std::size_t i = 0; i < n; i += len) {
            std::complex<double> w(1);
            for (std::size_t k = 0; k < len / 2; ++k, w *= step) {
                const auto u = a[i + k], v = a[i + k + len / 2] * w;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
            }
        }
    }
}

inline double hann(std::size_t i, std::size_t n) {
    return 0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) /
                                static_cast<double>(n - 1));
}

// Magnitudes of a Hann-windowed stretch, zero-padded to `size` bins.
class Spectrum {
public:
    Spectrum(std::span<const std::int16_t> samples, double rate, double from, double to,
             std::size_t size = std::size_t(1) << 18)
        : m_rate(rate), m_size(size) {
        const auto a = static_cast<std::size_t>(from * rate);
        const auto b = std::min(samples.size(), static_cast<std::size_t>(to * rate));
        std::vector<std::complex<double>> x(size);
        for (std::size_t i = a; i < b; ++i) x[i - a] = samples[i] * hann(i - a, b - a);
        fft(x);
        m_mag.resize(size / 2);
        for (std::size_t i = 0; i < m_mag.size(); ++i) m_mag[i] = std::abs(x[i]) + 1e-9;
    }

    double binHz() const { return m_rate / static_cast<double>(m_size); }
    double at(double hz) const {
        return m_mag[static_cast<std::size_t>(std::lround(hz / binHz()))];
    }
    double maxBetween(double lo, double hi) const {
        double best = 0;
        for (auto i = bin(lo); i <= bin(hi); ++i) best = std::max(best, m_mag[i]);
        return best;
    }

    // The strongest peak within `cents` of hz, refined between bins.
    double peakNear(double hz, double cents = 50) const {
        const double k = std::pow(2.0, cents / 1200);
        std::size_t best = bin(hz / k);
        for (auto i = best; i <= bin(hz * k); ++i)
            if (m_mag[i] > m_mag[best]) best = i;
        const double l = std::log(m_mag[best - 1]), c = std::log(m_mag[best]),
                     r = std::log(m_mag[best + 1]);
        const double offset = 0.5 * (l - r) / (l - 2 * c + r);
        return (static_cast<double>(best) + offset) * binHz();
    }

    // Local maxima above `floor` (a magnitude) between lo and hi, in Hz.
    std::vector<double> peaks(double lo, double hi, double floor) const {
        std::vector<double> found;
        for (auto i = bin(lo); i <= bin(hi); ++i)
            if (m_mag[i] > floor && m_mag[i] >= m_mag[i - 1] && m_mag[i] > m_mag[i + 1])
                found.push_back(static_cast<double>(i) * binHz());
        return found;
    }

private:
    std::size_t bin(double hz) const { return static_cast<std::size_t>(hz / binHz()); }
    double m_rate;
    std::size_t m_size;
    std::vector<double> m_mag;
};

// Magnitude of one frequency in a Hann window centred at t.
inline double probe(std::span<const std::int16_t> samples, double rate, double hz, double t,
                    double window) {
    const auto n = static_cast<std::size_t>(window * rate);
    const double start = t * rate - static_cast<double>(n) / 2;
    std::complex<double> sum;
    for (std::size_t i = 0; i < n; ++i) {
        const double s = start + static_cast<double>(i);
        if (s < 0 || s >= static_cast<double>(samples.size())) continue;
        const double phase = -2 * std::numbers::pi * hz * s / rate;
        sum += samples[static_cast<std::size_t>(s)] * hann(i, n) *
               std::complex<double>(std::cos(phase), std::sin(phase));
    }
    return std::abs(sum);
}

// When a note of frequency hz starts: the window centre at which its
// magnitude first reaches half of its greatest value before `until`.
inline double onsetOf(std::span<const std::int16_t> samples, double rate, double hz, double until,
                      double window) {
    const double step = 0.001;
    std::vector<double> mags;
    for (double t = 0; t < until; t += step) mags.push_back(probe(samples, rate, hz, t, window));
    const double half = *std::max_element(mags.begin(), mags.end()) / 2;
    for (std::size_t i = 0; i < mags.size(); ++i)
        if (mags[i] >= half) return static_cast<double>(i) * step;
    return until;
}

inline double cents(double hz, double reference) {
    return 1200 * std::log2(hz / reference);
}

}  // namespace spectrum
