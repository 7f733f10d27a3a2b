#include "theory/grips.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <list>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <tuple>

#include "theory/fingering.h"
#include "theory/notes.h"

namespace theory {

namespace {

bool hasSymbol(const ChordType& type, std::string_view symbol) {
    for (int i = 0; i < type.size(); ++i)
        if (symbol == type.formula[std::size_t(i)]) return true;
    return false;
}

int pitchAbove(const Tuning& t, int string, int fret, int root) {
    return ((pitchAt(t, string, fret) - root) % 12 + 12) % 12;
}

int highestFret(const Frets& frets) {
    return *std::max_element(frets.begin(), frets.end());
}

bool hasOpenString(const Frets& frets) {
    return std::find(frets.begin(), frets.end(), 0) != frets.end();
}

// Frets 0..4 with an open string ringing: the grips of the first position.
bool isOpenPosition(const Frets& frets) {
    return hasOpenString(frets) && highestFret(frets) <= 4;
}

}  // namespace

ChordTones chordTones(const ChordType& type) {
    const int n = type.size();
    ChordTones t;
    for (int i = 0; i < n; ++i) {
        const std::string_view s = type.formula[std::size_t(i)];
        const bool optional = (s == "5" && n >= 4) || (s == "1" && n >= 6) ||
                              (s == "9" && (hasSymbol(type, "11") || hasSymbol(type, "13"))) ||
                              (s == "11" && hasSymbol(type, "13"));
        t.allowed |= 1u << semitonesOf(s);
        if (!optional) t.required |= 1u << semitonesOf(s);
    }
    return t;
}

bool isGrip(const Tuning& tuning, const ChordTones& tones, int root, const Frets& frets) {
    unsigned sounded = 0;
    int strings = 0;
    for (int s = 0; s < 6; ++s) {
        const int f = frets[std::size_t(s)];
        if (f < 0) continue;
        if (f > kLastFret) return false;
        sounded |= 1u << pitchAbove(tuning, s, f, root);
        ++strings;
    }
    if (strings < 3 || (sounded & ~tones.allowed) || (sounded & tones.required) != tones.required)
        return false;
    const int lowest = lowestFret(frets);
    if (lowest > 0 && highestFret(frets) - lowest > 3) return false;
    return fingersNeeded(frets) <= 4 && hasFingering(frets);
}

int GripScore::total() const {
    return 2 * fingers + 2 * stretch + 6 * bassOffRoot + 4 * innerMutes + 3 * muted + 2 * omitted +
           family;
}

GripScore scoreGrip(const Tuning& tuning, const ChordType& type, int root, const Frets& frets,
                    Family family) {
    GripScore g;
    g.fingers = fingersNeeded(frets);
    const int lowest = lowestFret(frets);
    g.stretch = lowest > 0 ? highestFret(frets) - lowest : 0;
    unsigned sounded = 0;
    int first = -1, last = -1;
    for (int s = 0; s < 6; ++s) {
        if (frets[std::size_t(s)] < 0) {
            ++g.muted;
            continue;
        }
        const int pc = pitchAbove(tuning, s, frets[std::size_t(s)], root);
        if (first < 0) g.bassOffRoot = pc != 0;
        sounded |= 1u << pc;
        if (first < 0) first = s;
        last = s;
    }
    for (int s = first; s >= 0 && s <= last; ++s)
        if (frets[std::size_t(s)] < 0) ++g.innerMutes;
    g.omitted = std::popcount(chordTones(type).allowed & ~sounded);
    g.family = static_cast<int>(family);
    return g;
}

namespace {

std::vector<Frets> searchGrips(const Tuning& tuning, const ChordType& type, int root) {
    const ChordTones tones = chordTones(type);
    auto allowed = [&](int s, int f) {
        return (tones.allowed >> pitchAbove(tuning, s, f, root)) & 1u;
    };
    std::vector<Frets> grips;
    // Each lowest fretted fret `lo` (0: nothing fretted) with the four frets from it.
    for (int lo = 0; lo <= kLastFret; ++lo) {
        std::array<std::vector<int>, 6> choices;
        for (int s = 0; s < 6; ++s) {
            choices[std::size_t(s)].push_back(-1);
            if (allowed(s, 0)) choices[std::size_t(s)].push_back(0);
            for (int f = std::max(lo, 1); lo > 0 && f <= std::min(lo + 3, kLastFret); ++f)
                if (allowed(s, f)) choices[std::size_t(s)].push_back(f);
        }
        std::array<std::size_t, 6> at{};
        while (true) {
            Frets f;
            for (int s = 0; s < 6; ++s)
                f[std::size_t(s)] = choices[std::size_t(s)][at[std::size_t(s)]];
            if (lowestFret(f) == lo && isGrip(tuning, tones, root, f)) grips.push_back(f);
            int s = 0;
            while (s < 6 && ++at[std::size_t(s)] == choices[std::size_t(s)].size())
                at[std::size_t(s++)] = 0;
            if (s == 6) break;
        }
    }
    return grips;
}

}  // namespace

// The last few searches are kept, enough for a gallery and the grip beside
// the chord's name, but not every chord's grips a long session has seen
// (they would take tens of megabytes per tuning).
std::vector<Frets> allGrips(const Tuning& tuning, const ChordType& type, int root) {
    using Key = std::tuple<std::array<int, 6>, std::string, int>;
    constexpr std::size_t kKept = 4;
    static std::mutex lock;
    static std::list<std::pair<Key, std::vector<Frets>>> recent;  // most recent first
    const std::lock_guard guard(lock);
    const Key key = std::make_tuple(tuning.midi, std::string(type.key), root);
    auto it = std::find_if(recent.begin(), recent.end(),
                           [&](const auto& entry) { return entry.first == key; });
    if (it != recent.end()) {
        recent.splice(recent.begin(), recent, it);
    } else {
        recent.emplace_front(key, searchGrips(tuning, type, root));
        if (recent.size() > kKept) recent.pop_back();
    }
    return recent.front().second;
}

int shownFret(const Frets& frets) {
    return isOpenPosition(frets) || lowestFret(frets) == 0 ? 0 : lowestFret(frets);
}

namespace {

constexpr std::array<std::pair<Family, int>, 5> kFamilyRoots{
    {{Family::E, 4}, {Family::A, 9}, {Family::D, 2}, {Family::C, 0}, {Family::G, 7}}};

struct Ranked {
    Frets frets;
    Family family;
    int score;
};

std::vector<Ranked> ranked(const Tuning& t, const ChordType& type, int root,
                           const std::vector<Frets>& grips, Family family) {
    std::vector<Ranked> out;
    for (const Frets& f : grips)
        out.push_back({f, family, scoreGrip(t, type, root, f, family).total()});
    std::stable_sort(out.begin(), out.end(), [](const Ranked& a, const Ranked& b) {
        return std::tie(a.score, a.frets) < std::tie(b.score, b.frets);
    });
    return out;
}

// An open grip of a family moved up by `k` frets: its open strings become a
// barre. Where the whole shape does not fit under four fingers, players leave
// strings out; the best such partial form, keeping the bass, stands in.
std::optional<Frets> movedForm(const Tuning& t, const ChordType& type, int root, const Frets& open,
                               int k) {
    const ChordTones tones = chordTones(type);
    Frets moved = open;
    for (int& f : moved)
        if (f >= 0) f += k;
    if (isGrip(t, tones, root, moved)) return moved;
    std::optional<Frets> best;
    int bestScore = 0;
    for (unsigned mask = 1; mask < 64; ++mask) {
        Frets partial = moved;
        for (int s = 0; s < 6; ++s)
            if (mask >> s & 1u) partial[std::size_t(s)] = -1;
        if (partial == moved || !isGrip(t, tones, root, partial)) continue;
        const int score = scoreGrip(t, type, root, partial).total();
        if (!best || score < bestScore) best = partial, bestScore = score;
    }
    return best;
}

// A grip players hold as a whole chord: root in the bass, four or more
// strings, none to damp in the middle.
bool isFullGrip(const Tuning& t, const ChordType& type, int root, const Frets& f) {
    const GripScore g = scoreGrip(t, type, root, f);
    return g.bassOffRoot == 0 && g.innerMutes == 0 && g.muted <= 2;
}

// How alike two grips may be in one gallery. The same hand with strings left
// out or added brings nothing new, except in first position, where a new bass
// string is a different chord shape to players (Fmaj7 xx3210 beside 1x3210),
// and so is a family form (the D form xx2424 of E6 beside the open 022424).
enum class Alike { Exact, SameHand, SameHandAndBass };

bool alike(const Frets& a, const Frets& b, Alike rule) {
    if (rule == Alike::Exact) return a == b;
    const auto bass = [](const Frets& f) {
        return std::find_if(f.begin(), f.end(), [](int x) { return x >= 0; });
    };
    if (rule == Alike::SameHandAndBass && bass(a) - a.begin() != bass(b) - b.begin()) return false;
    for (std::size_t s = 0; s < 6; ++s)
        if (a[s] >= 0 && b[s] >= 0 && a[s] != b[s]) return false;
    return true;
}

// A family's whole open grips at its own root, best first. Every gallery of
// the type moves them, so they are kept for the session; they are a handful
// per family, where the search behind them finds hundreds of grips.
const std::vector<Frets>& openForms(const Tuning& t, const ChordType& type, Family family,
                                    int familyRoot) {
    using Key = std::tuple<std::array<int, 6>, std::string, int>;
    static std::mutex lock;
    static std::map<Key, std::vector<Frets>> memo;
    const std::lock_guard guard(lock);
    const Key key = std::make_tuple(t.midi, std::string(type.key), familyRoot);
    auto it = memo.find(key);
    if (it == memo.end()) {
        std::vector<Frets> forms;
        for (const Frets& f : allGrips(t, type, familyRoot))
            if (isOpenPosition(f) && isFullGrip(t, type, familyRoot, f)) forms.push_back(f);
        std::vector<Frets> best;
        for (const Ranked& r : ranked(t, type, familyRoot, forms, family)) best.push_back(r.frets);
        it = memo.emplace(key, std::move(best)).first;
    }
    return it->second;
}

// The open forms of each family, up to `perFamily` of them, moved to this
// root; at the family's own root the open grip itself.
std::vector<std::pair<Family, Frets>> familyForms(const Tuning& t, const ChordType& type, int root,
                                                  std::size_t perFamily) {
    std::vector<std::pair<Family, Frets>> out;
    for (auto [family, familyRoot] : kFamilyRoots) {
        const int k = ((root - familyRoot) % 12 + 12) % 12;
        const std::vector<Frets>& forms = openForms(t, type, family, familyRoot);
        for (std::size_t i = 0; i < forms.size() && i < perFamily; ++i) {
            if (k == 0) {
                out.emplace_back(Family::Open, forms[i]);
            } else if (auto moved = movedForm(t, type, root, forms[i], k)) {
                out.emplace_back(family, *moved);
            }
        }
    }
    return out;
}

bool chosen(const std::vector<GalleryCell>& cells, const Frets& f, Alike rule) {
    return std::any_of(cells.begin(), cells.end(),
                       [&](const GalleryCell& c) { return alike(c.frets, f, rule); });
}

std::vector<GalleryCell> buildGallery(const Tuning& t, const ChordType& type, int root, int cells) {
    // Open strings ring under first-position grips only, and only whole
    // chords there; higher up they make shapes nobody reads as one chord. A
    // shape that also fits twelve frets lower is shown there.
    std::vector<Frets> grips;
    for (const Frets& f : allGrips(t, type, root))
        if ((isOpenPosition(f) && isFullGrip(t, type, root, f)) ||
            (!hasOpenString(f) && lowestFret(f) <= 12))
            grips.push_back(f);

    std::vector<GalleryCell> out;
    const bool full = cells > 9;
    auto add = [&](Frets f, Family family, Alike rule) {
        if (!hasOpenString(f) && lowestFret(f) > 12)  // a moved form that fits an octave lower
            for (int& x : f)
                if (x > 0) x -= 12;
        if (static_cast<int>(out.size()) < cells && !chosen(out, f, rule))
            out.push_back({f, shownFret(f), family});
    };

    std::vector<Frets> open;
    for (const Frets& f : grips)
        if (isOpenPosition(f) && isFullGrip(t, type, root, f)) open.push_back(f);
    const auto openRanked = ranked(t, type, root, open, Family::Open);
    for (std::size_t i = 0; i < openRanked.size() && i < (full ? 6u : 2u); ++i)
        add(openRanked[i].frets, Family::Open, Alike::SameHandAndBass);

    for (const auto& [family, frets] : familyForms(t, type, root, full ? 2 : 1))
        add(frets, family, Alike::SameHandAndBass);

    // The rest: best first, each one less welcome where the gallery is crowded
    // already; new hands first, then fuller or thinner takes on those shown.
    std::vector<Ranked> rest = ranked(t, type, root, grips, Family::Other);
    Alike rule = Alike::SameHand;
    while (static_cast<int>(out.size()) < cells) {
        const Ranked* pick = nullptr;
        int pickScore = 0;
        for (const Ranked& r : rest) {
            if (chosen(out, r.frets, rule)) continue;
            const int fret = shownFret(r.frets);
            const int crowd =
                static_cast<int>(std::count_if(out.begin(), out.end(), [&](const GalleryCell& c) {
                    return std::abs(c.fret - fret) <= 1;
                }));
            const int score = r.score + 4 * crowd;
            if (!pick || score < pickScore) pick = &r, pickScore = score;
        }
        if (!pick && rule == Alike::Exact) break;
        if (pick) add(pick->frets, Family::Other, rule);
        if (!pick) rule = Alike::Exact;
    }

    std::stable_sort(out.begin(), out.end(), [&](const GalleryCell& a, const GalleryCell& b) {
        return std::make_tuple(a.fret, scoreGrip(t, type, root, a.frets, a.family).total(),
                               a.frets) <
               std::make_tuple(b.fret, scoreGrip(t, type, root, b.frets, b.family).total(),
                               b.frets);
    });
    return out;
}

}  // namespace

const std::vector<GalleryCell>& gripGallery(const Tuning& tuning, const ChordType& type, int root,
                                            int cells) {
    static std::mutex lock;
    static std::map<std::tuple<std::array<int, 6>, std::string, int, int>, std::vector<GalleryCell>>
        memo;
    const std::lock_guard guard(lock);
    const auto key = std::make_tuple(tuning.midi, std::string(type.key), root, cells);
    auto it = memo.find(key);
    if (it == memo.end()) it = memo.emplace(key, buildGallery(tuning, type, root, cells)).first;
    return it->second;
}

std::optional<Frets> rootGrip(const Tuning& tuning, const ChordType& type, int root) {
    // First position, where a family's own open grip or its moved form is
    // what players reach for before any other voicing of the same ease.
    const auto forms = familyForms(tuning, type, root, 2);
    std::optional<Frets> best;
    int bestScore = 0;
    for (const Frets& f : allGrips(tuning, type, root)) {
        if (highestFret(f) > 4) continue;
        Family family = Family::Other;
        for (const auto& [formFamily, form] : forms)
            if (form == f) family = std::min(family, formFamily);
        const int score = scoreGrip(tuning, type, root, f, family).total();
        if (!best || std::tie(score, f) < std::tie(bestScore, *best)) best = f, bestScore = score;
    }
    return best;
}

}  // namespace theory
