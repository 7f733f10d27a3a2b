#include "theory/fingering.h"

#include <algorithm>
#include <cstdint>

// How a hand holds a grip. What a hand can hold at all:
//
//  1. Every fretted string has one of the four fingers; the thumb is never
//     used. Open and muted strings have none.
//  2. A finger holds one fret. On two or more strings it is a barre: it lies
//     flat from its lowest string to its highest, and every string between
//     sounds at its fret or higher. An open or a muted string cannot lie under
//     a barre (the flat finger would fret it); a string beside a barre's end
//     may be muted or open. A barre over three or more strings lies across the
//     neck to the high-string edge, so the strings beyond its top end are
//     under it too: they are muted or held at its fret or higher (the ring
//     across the A form's three strings damps the top string, x1333x). Over
//     two strings it is the pad of an arched finger and damps nothing else.
//     The little finger is too short and weak to lie across strings: it
//     holds one.
//  3. Fingers follow the frets: a higher finger never holds a lower fret than
//     a lower finger.
//  4. Stretch: two fingers next to each other, or with one finger between,
//     reach at most 2 frets apart; the index and the little finger at most 3.
//     So no grip spans more than four frets (highest - lowest <= 3).
//  5. Two notes of the hand's lowest fret held by two fingers with an open
//     string between them: the open string rings only while the hand stands
//     steep over that fret, which it can with one note held beyond it (Gmaj7
//     320002, A7 x02020, Bm7 x20202) but not with two: they pull the hand flat
//     onto the open string, so 102210, 103210 and x31013 need the thumb.
//
// Which of the fingerings a hand can hold teachers write (each term costs;
// the cheapest wins, ties go to the lower finger on the lower string):
//
//  - the index takes the lowest fret; the fingers follow it one fret each
//    (two fingers side by side on one fret cost a little, more on neighbouring
//    strings; a finger reaching further than its place costs more);
//  - a barre costs, more for another finger than the index, and much more
//    when a string beyond its top end rings open or lower down, which the
//    finger's pad has to arch away from; so A x02220 takes 1-2-3, and a
//    barre comes in where it saves a finger (F xx3211, Dm7 xx0211);
//  - on one fret the lower finger takes the lower string (A 1-2-3, the middle
//    and ring of G, C7's ring and little);
//  - in first position, with at most two fingers down, the hand stays at home
//    (index over the first fret, a finger per fret) rather than bringing the
//    index up: Cmaj7 x32000 keeps C's ring and middle (x 3 2 0 0 0), Em 022000
//    takes middle and ring as E does (0 2 3 0 0 0), A7 x02020 = x 0 2 0 3 0.

namespace theory {

namespace {

constexpr int kStrings = 6;
constexpr int kMuted = -1;

// At most 2 frets between fingers one or two apart, 3 between index and little.
constexpr int maxReach(int lower, int higher) {
    return higher - lower == 3 ? 3 : 2;
}

// Rules 1-5 for a finger per string (0 for open and muted), `fret` any
// consistent numbering of frets (relative or real).
bool holds(const Frets& fret, const std::array<int, kStrings>& finger) {
    std::array<int, 5> at{};           // fret of each finger, 0 = unused
    std::array<int, 5> low{}, high{};  // its lowest and highest string
    std::array<int, 5> count{};
    int lowest = 0;
    for (int s = 0; s < kStrings; ++s) {
        const int f = fret[s], k = finger[s];
        if (f <= 0) {
            if (k != kNoFinger) return false;
            continue;
        }
        if (k < kIndex || k > kLittle) return false;
        if (at[k] != 0 && at[k] != f) return false;
        if (count[k] == 0) low[k] = s;
        at[k] = f;
        high[k] = s;
        ++count[k];
        if (lowest == 0 || f < lowest) lowest = f;
    }
    for (int k = kIndex; k <= kLittle; ++k) {
        if (!at[k]) continue;
        for (int s = low[k]; s <= high[k]; ++s)  // the barre's strings, or the one string
            if (fret[s] < at[k] || (fret[s] == at[k] && finger[s] != k)) return false;
        if (k == kLittle && count[k] > 1) return false;
        if (high[k] - low[k] >= 2)
            for (int s = high[k] + 1; s < kStrings; ++s)
                if (fret[s] >= 0 && fret[s] < at[k]) return false;
        for (int j = k + 1; j <= kLittle; ++j)
            if (at[j] && (at[j] < at[k] || at[j] - at[k] > maxReach(k, j))) return false;
    }
    // Rule 5: an open string between two lowest-fret notes, and two notes beyond.
    const int beyond =
        int(std::count_if(fret.begin(), fret.end(), [&](int f) { return f > lowest; }));
    if (beyond >= 2) {
        int lastLowest = -1;
        bool openSince = false;
        for (int s = 0; s < kStrings; ++s) {
            if (fret[s] == lowest) {
                if (lastLowest >= 0 && openSince) return false;
                lastLowest = s;
                openSince = false;
            } else if (fret[s] == 0) {
                openSince = true;
            }
        }
    }
    return true;
}

// What a fingering costs as teachers weigh it; `home` for a first-position
// grip of at most two fingers, where `fret` is the real fret.
int cost(const Frets& fret, const std::array<int, kStrings>& finger, bool home) {
    std::array<int, 5> at{}, low{}, high{}, count{};
    int lowest = 0;
    for (int s = 0; s < kStrings; ++s) {
        const int k = finger[s];
        if (!k) continue;
        if (count[k]++ == 0) low[k] = s;
        at[k] = fret[s];
        high[k] = s;
        if (lowest == 0 || fret[s] < lowest) lowest = fret[s];
    }
    int c = 0;
    int previous = 0;
    for (int k = kIndex; k <= kLittle; ++k) {
        if (!at[k]) continue;
        if (count[k] > 1) {
            c += k == kIndex ? 3 : 5;
            for (int s = high[k] + 1; s < kStrings; ++s)
                if (fret[s] >= 0 && fret[s] < at[k]) {
                    c += 8;
                    break;
                }
        }
        if (previous) {
            const int gap = at[k] - at[previous], apart = k - previous;
            c += gap > apart ? 6 * (gap - apart) : 2 * (apart - gap);
        }
        for (int j = kIndex; j < k; ++j)
            if (at[j] == at[k] && low[j] > low[k]) c += 1;
        if (home) c += at[k] > k ? 4 * (at[k] - k) : 2 * (k - at[k]);
        previous = k;
    }
    // Two fingers side by side on one fret and neighbouring strings.
    for (int s = 0; s + 1 < kStrings; ++s)
        if (finger[s] && finger[s + 1] && finger[s] != finger[s + 1] && fret[s] == fret[s + 1])
            c += 2;
    if (!home && at[kIndex] != lowest) c += 4;
    return c;
}

// The cheapest fingering that holds `fret`, found by placing a finger on each
// fretted string in fret order; false when none holds.
bool search(const Frets& fret, bool home, std::array<int, kStrings>& best) {
    std::array<int, kStrings> order{};
    int n = 0;
    for (int s = 0; s < kStrings; ++s)
        if (fret[s] > 0) order[n++] = s;
    std::stable_sort(order.begin(), order.begin() + n,
                     [&](int a, int b) { return fret[a] < fret[b]; });
    std::array<int, kStrings> finger{};
    std::array<int, 5> at{};
    int bestCost = -1;
    // Fingers below `floor` belong to lower frets.
    auto place = [&](auto&& self, int i, int floor) -> void {
        if (i == n) {
            if (!holds(fret, finger)) return;
            const int c = cost(fret, finger, home);
            if (bestCost < 0 || c < bestCost || (c == bestCost && finger < best))
                bestCost = c, best = finger;
            return;
        }
        const int s = order[i];
        if (i > 0 && fret[order[i - 1]] != fret[s])
            for (int k = kIndex; k <= kLittle; ++k)
                if (at[k]) floor = std::max(floor, k);
        for (int k = kIndex; k <= kLittle; ++k) {
            const bool same = at[k] == fret[s];
            if (!same && (at[k] || k <= floor)) continue;
            const int was = at[k];
            at[k] = fret[s];
            finger[s] = k;
            self(self, i + 1, floor);
            finger[s] = kNoFinger;
            at[k] = was;
        }
    };
    place(place, 0, 0);
    return bestCost >= 0;
}

// Shapes relative to their lowest fret: six states a string (muted, open,
// lowest fret + 0..3), 6^6 codes.
constexpr int kShapes = 6 * 6 * 6 * 6 * 6 * 6;

// The code of a shape, or -1 for one that spans more than four frets.
int shapeCode(const Frets& frets) {
    const int lowest = lowestFret(frets);
    int code = 0;
    for (int s = kStrings - 1; s >= 0; --s) {
        const int f = frets[s];
        int state = 0;
        if (f == 0) {
            state = 1;
        } else if (f > 0) {
            if (f - lowest > 3) return -1;
            state = 2 + f - lowest;
        }
        code = code * 6 + state;
    }
    return code;
}

// Per shape: 0 no fingering, else 1 + the fingers packed three bits a string.
struct Table {
    std::vector<std::uint32_t> entry = std::vector<std::uint32_t>(kShapes, 0);
    Table() {
        for (int code = 0; code < kShapes; ++code) {
            Frets rel;
            bool lowestSeen = false, fretted = false;
            for (int s = 0, c = code; s < kStrings; ++s, c /= 6) {
                const int state = c % 6;
                rel[s] = state == 0 ? kMuted : state - 1;
                fretted |= state >= 2;
                lowestSeen |= state == 2;
            }
            if (fretted && !lowestSeen) continue;  // no code ever names it
            std::array<int, kStrings> best{};
            if (!search(rel, false, best)) continue;
            std::uint32_t packed = 0;
            for (int s = kStrings - 1; s >= 0; --s) packed = packed << 3 | std::uint32_t(best[s]);
            entry[code] = packed + 1;
        }
    }
};

const Table& table() {
    static const Table t;
    return t;
}

bool atHome(const Frets& frets) {
    const int fretted = int(std::count_if(frets.begin(), frets.end(), [](int f) { return f > 0; }));
    return fretted > 0 && fretted <= 2 && std::find(frets.begin(), frets.end(), 0) != frets.end() &&
           *std::max_element(frets.begin(), frets.end()) <= 4;
}

Fingering withBarres(const Frets& frets, const std::array<int, kStrings>& fingers) {
    Fingering out;
    out.fingers = fingers;
    for (int k = kIndex; k <= kLittle; ++k) {
        int from = -1, to = -1;
        for (int s = 0; s < kStrings; ++s)
            if (fingers[s] == k) {
                if (from < 0) from = s;
                to = s;
            }
        if (from >= 0 && from != to) out.barres.push_back({k, frets[from], from, to});
    }
    return out;
}

}  // namespace

bool hasFingering(const Frets& frets) {
    const int code = shapeCode(frets);
    return code >= 0 && table().entry[std::size_t(code)] != 0;
}

std::optional<Fingering> fingeringOf(const Frets& frets) {
    const int code = shapeCode(frets);
    if (code < 0) return std::nullopt;
    const std::uint32_t packed = table().entry[std::size_t(code)];
    if (!packed) return std::nullopt;
    std::array<int, kStrings> fingers{};
    if (atHome(frets)) {
        search(frets, true, fingers);
    } else {
        for (int s = 0; s < kStrings; ++s) fingers[s] = int((packed - 1) >> (3 * s) & 7u);
    }
    return withBarres(frets, fingers);
}

}  // namespace theory
