#pragma once

// What a fretting hand can physically do, checked finger by finger, written
// apart from the library: a fingering either obeys every rule or the first one
// it breaks is named.
#include <algorithm>
#include <array>
#include <string_view>

#include "theory/fingering.h"

namespace testing_support {

// Empty when four fingers (no thumb) can hold `frets` as `fingering` says:
//  - each fretted string has a finger 1-4, open and muted strings none;
//  - a finger presses one fret; on two or more strings it is a barre, listed
//    with its fret and end strings, and every string between its ends sounds
//    at its fret or above (never open, never muted), the strings at its fret
//    held by it alone; one lying over three strings or more also covers the
//    strings from its top end to the high E, which must then be muted or
//    sound at its fret or above;
//  - the little finger never bars;
//  - a higher-numbered finger never sits on a lower fret;
//  - fingers one or two apart reach at most 2 frets, index to little 3;
//  - with two or more notes held above the lowest fret, no open string rings
//    between two notes of the lowest fret.
inline std::string_view fingeringFault(const theory::Frets& frets,
                                       const theory::Fingering& fingering) {
    struct Use {
        int fret = 0;  // 0: the finger is not down
        int first = -1, last = -1, strings = 0;
    };
    std::array<Use, 5> use{};
    for (int s = 0; s < 6; ++s) {
        const int f = frets[std::size_t(s)];
        const int k = fingering.fingers[std::size_t(s)];
        if (f <= 0 && k != 0) return "a finger on an open or muted string";
        if (f <= 0) continue;
        if (k < 1 || k > 4) return "a fretted string without a finger";
        Use& u = use[std::size_t(k)];
        if (u.fret != 0 && u.fret != f) return "one finger on two frets";
        u.fret = f;
        if (u.first < 0) u.first = s;
        u.last = s;
        ++u.strings;
    }
    int barres = 0;
    for (int k = 1; k <= 4; ++k) {
        const Use& u = use[std::size_t(k)];
        if (u.fret == 0) continue;
        for (int later = k + 1; later <= 4; ++later) {
            const Use& v = use[std::size_t(later)];
            if (v.fret == 0) continue;
            if (v.fret < u.fret) return "a higher finger on a lower fret";
            const int reach = later - k == 3 ? 3 : 2;
            if (v.fret - u.fret > reach) return "a stretch past the hand's reach";
        }
        if (u.strings < 2) continue;
        if (k == 4) return "a barre by the little finger";
        ++barres;
        bool listed = false;
        for (const theory::FingerBarre& b : fingering.barres)
            listed |= b.finger == k && b.fret == u.fret && b.from == u.first && b.to == u.last;
        if (!listed) return "a finger on two strings without its barre";
        for (int s = u.first; s <= u.last; ++s) {
            const int f = frets[std::size_t(s)];
            if (f == 0) return "an open string under a barre";
            if (f < 0) return "a muted string under a barre";
            if (f < u.fret) return "a lower fret under a barre";
            if (f == u.fret && fingering.fingers[std::size_t(s)] != k)
                return "another finger on the barre's own fret";
        }
        if (u.last - u.first + 1 >= 3)
            for (int s = u.last + 1; s < 6; ++s)
                if (frets[std::size_t(s)] >= 0 && frets[std::size_t(s)] < u.fret)
                    return "a string beyond a long barre sounding below it";
    }
    if (barres != static_cast<int>(fingering.barres.size())) return "a barre no finger lies in";

    int lowest = 0;
    for (int f : frets)
        if (f > 0) lowest = lowest == 0 ? f : std::min(lowest, f);
    int above = 0;
    for (int f : frets) above += f > lowest;
    if (above >= 2) {
        int previousLowest = -1;
        for (int s = 0; s < 6; ++s) {
            if (frets[std::size_t(s)] != lowest) continue;
            for (int between = previousLowest + 1; previousLowest >= 0 && between < s; ++between)
                if (frets[std::size_t(between)] == 0)
                    return "an open string between two lowest-fret notes, two notes beyond";
            previousLowest = s;
        }
    }
    return {};
}

}  // namespace testing_support
