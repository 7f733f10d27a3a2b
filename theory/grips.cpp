#include "theory/grips.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <list>
#include <map>
#include <mutex>
#include <set>
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
    return hasFingering(frets);
}

int GripScore::total() const {
    return 2 * fingers + 2 * stretch + 6 * bassOffRoot + 4 * innerMutes + 3 * muted + 2 * omitted +
           family;
}

GripScore scoreGrip(const Tuning& tuning, const ChordType& type, int root, const Frets& frets,
                    Family family) {
    GripScore g;
    // The fingers a teacher's fingering takes; a barre at any fret counts once.
    if (const auto fingering = fingeringOf(frets)) {
        unsigned used = 0;
        for (int finger : fingering->fingers) used |= 1u << finger;
        g.fingers = std::popcount(used & ~1u);
    } else {
        g.fingers = fingersNeeded(frets);
    }
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
    constexpr std::size_t kKept = 16;
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

// How players come to a grip, the order the galleries offer them in: the open
// chords, the E- and A-form barres, the common movable forms (the other
// families' moved shapes, four strings side by side, drop and shell voicings),
// then everything else the search finds.
enum class Reach { Open, Barre, Movable, Whole, Other };

// Strings sounding, bit s for string s: the string sets of the movable forms
// players learn. Four neighbouring strings (top-string grips and drop-2) for
// any chord; for chords of four or more notes also the drop-3 sets that skip
// the string above the bass and the root-third-seventh shells on the sixth or
// fifth string; for triads three neighbouring strings on top.
constexpr std::array<unsigned, 3> kNeighbourSets{0b001111, 0b011110, 0b111100};
constexpr std::array<unsigned, 4> kSkipSets{0b011101, 0b111010, 0b001101, 0b011010};
constexpr std::array<unsigned, 2> kTriadSets{0b111000, 0b011100};

unsigned soundingStrings(const Frets& f) {
    unsigned mask = 0;
    for (int s = 0; s < 6; ++s)
        if (f[std::size_t(s)] >= 0) mask |= 1u << s;
    return mask;
}

template <std::size_t N>
bool among(const std::array<unsigned, N>& sets, unsigned set) {
    return std::find(sets.begin(), sets.end(), set) != sets.end();
}

bool isMovableSet(const ChordType& type, unsigned set) {
    return among(kNeighbourSets, set) || (type.size() >= 4 && among(kSkipSets, set)) ||
           (type.size() == 3 && among(kTriadSets, set));
}

// A grip without open strings above the 12th fret is the one twelve frets
// lower, which the galleries show instead.
Frets onLowerOctave(Frets f) {
    if (!hasOpenString(f) && lowestFret(f) > 12)
        for (int& x : f)
            if (x > 0) x -= 12;
    return f;
}

Reach reachOf(const Tuning& t, const ChordType& type, int root, const Frets& f, Family family) {
    const bool open = hasOpenString(f);
    const bool full = isFullGrip(t, type, root, f);
    // The open chords: first position over the root; a string damped beside
    // the bass is common there (Fmaj7 1x2210, G6/9 3x0200).
    if (open && highestFret(f) <= 3) {
        const GripScore g = scoreGrip(t, type, root, f);
        const int bass = f[0] >= 0 ? 0 : f[1] >= 0 ? 1 : 2;
        const bool besideBass = g.innerMutes == 1 && bass < 5 && f[std::size_t(bass) + 1] < 0;
        if (g.bassOffRoot == 0 && (g.innerMutes == 0 || besideBass) && g.muted <= 2)
            return Reach::Open;
    }
    if (family == Family::E || family == Family::A) return Reach::Barre;
    if (family != Family::Other || (!open && isMovableSet(type, soundingStrings(f))))
        return Reach::Movable;
    // Any other whole grip over a root on the two lowest strings.
    if (!open && full && (f[0] >= 0 || f[1] >= 0) && std::popcount(soundingStrings(f)) >= 4)
        return Reach::Whole;
    return Reach::Other;
}

// The same hand with its top strings left out or added: a variant of a grip
// already offered, which comes after every new hand. A string left out
// between sounding ones makes another grip (the shells and drop voicings of a
// barre form), and so does another bass string; in first position, where
// open chords are voiced with strings damped anywhere, only the bass does.
bool sameHand(const Frets& a, const Frets& b, bool firstPosition) {
    const auto top = [](const Frets& f) {
        int t = -1;
        for (int s = 0; s < 6; ++s)
            if (f[std::size_t(s)] >= 0) t = s;
        return t;
    };
    const auto bass = [](const Frets& f) {
        return std::find_if(f.begin(), f.end(), [](int x) { return x >= 0; }) - f.begin();
    };
    if (firstPosition) {
        if (bass(a) != bass(b)) return false;
        for (std::size_t s = 0; s < 6; ++s)
            if (a[s] >= 0 && b[s] >= 0 && a[s] != b[s]) return false;
        return true;
    }
    const int shared = std::min(top(a), top(b));
    for (int s = 0; s <= shared; ++s)
        if (a[std::size_t(s)] != b[std::size_t(s)]) return false;
    return true;
}

std::vector<GalleryCell> rankGrips(const Tuning& t, const ChordType& type, int root) {
    std::map<Frets, Family> families;
    for (const auto& [family, frets] : familyForms(t, type, root, 4)) {
        auto [it, added] = families.emplace(onLowerOctave(frets), family);
        if (!added) it->second = std::min(it->second, family);
    }
    struct Entry {
        bool variant;
        Reach reach;
        bool offRoot;  // after the grips over their root, within a reach
        int score;
        GalleryCell cell;
    };
    std::vector<Entry> entries;
    for (const Frets& f : allGrips(t, type, root)) {
        if (!hasOpenString(f) && lowestFret(f) > 12) continue;
        const auto known = families.find(f);
        const Family family = known == families.end() ? Family::Other : known->second;
        // Three strings are a fragment of a chord to most players: after the fuller grips.
        const int thin = std::popcount(soundingStrings(f)) == 3 ? 4 : 0;
        const GripScore score = scoreGrip(t, type, root, f, family);
        const Reach reach = reachOf(t, type, root, f, family);
        // A movable form is the strings it leaves out: only the hand counts.
        const int cost = reach == Reach::Movable
                             ? 2 * score.fingers + 2 * score.stretch + thin / 2 + score.omitted
                             : score.total() + thin;
        entries.push_back(
            {false, reach, score.bassOffRoot != 0, cost, GalleryCell{f, shownFret(f), family}});
    }
    // In reach order, new hands before variants; an open chord's variants
    // (the same first-position hand, strings damped) after the movable forms.
    const auto tier = [](const Entry& e) {
        return e.reach == Reach::Open && e.variant ? static_cast<int>(Reach::Movable)
                                                   : static_cast<int>(e.reach);
    };
    const auto better = [&tier](const Entry& a, const Entry& b) {
        return std::make_tuple(tier(a), a.variant, a.offRoot, a.score, a.cell.frets) <
               std::make_tuple(tier(b), b.variant, b.offRoot, b.score, b.cell.frets);
    };
    std::sort(entries.begin(), entries.end(), better);
    // New hands first. A variant sounds its bass on the same string at the same
    // fret as its hand, so the hands offered are looked up by that.
    std::map<std::pair<int, int>, std::vector<const Frets*>> hands;
    // A barre form is what players learn at its bass string and fret; another
    // whole grip over the root there comes later.
    std::set<std::pair<int, int>> barrePlaces;
    for (Entry& e : entries) {
        const Frets& f = e.cell.frets;
        const int bass = static_cast<int>(
            std::find_if(f.begin(), f.end(), [](int x) { return x >= 0; }) - f.begin());
        if (e.reach == Reach::Barre || e.reach == Reach::Whole) {
            const bool taken = !barrePlaces.emplace(bass, lowestFret(f)).second;
            if (e.reach == Reach::Whole) e.variant = taken;
        }
        std::vector<const Frets*>& same = hands[{bass, f[std::size_t(bass)]}];
        for (const Frets* hand : same)
            if (!e.variant && sameHand(*hand, f, e.reach == Reach::Open)) e.variant = true;
        if (!e.variant) same.push_back(&f);
    }
    std::stable_sort(entries.begin(), entries.end(), better);
    std::vector<GalleryCell> out;
    out.reserve(entries.size());
    for (Entry& e : entries) {
        e.cell.rank = static_cast<int>(out.size());
        out.push_back(e.cell);
    }
    return out;
}

}  // namespace

std::vector<GalleryCell> rankedGrips(const Tuning& tuning, const ChordType& type, int root) {
    using Key = std::tuple<std::array<int, 6>, std::string, int>;
    // Every chord of a tuning, at some 25 kB each: a click on a chord seen
    // before costs a copy, not a search.
    constexpr std::size_t kKept = 720;
    static std::mutex lock;
    static std::list<std::pair<Key, std::vector<GalleryCell>>> recent;  // most recent first
    const Key key = std::make_tuple(tuning.midi, std::string(type.key), root);
    {
        const std::lock_guard guard(lock);
        auto it = std::find_if(recent.begin(), recent.end(),
                               [&](const auto& entry) { return entry.first == key; });
        if (it != recent.end()) {
            recent.splice(recent.begin(), recent, it);
            return it->second;
        }
    }
    std::vector<GalleryCell> ranked = rankGrips(tuning, type, root);
    const std::lock_guard guard(lock);
    recent.emplace_front(key, ranked);
    if (recent.size() > kKept) recent.pop_back();
    return ranked;
}

std::vector<GalleryCell> galleryPage(const std::vector<GalleryCell>& ranked, std::size_t first,
                                     std::size_t cells) {
    std::vector<GalleryCell> page;
    for (std::size_t i = first; i < ranked.size() && i < first + cells; ++i)
        page.push_back(ranked[i]);
    std::stable_sort(page.begin(), page.end(), [](const GalleryCell& a, const GalleryCell& b) {
        return std::tie(a.fret, a.rank) < std::tie(b.fret, b.rank);
    });
    return page;
}

const std::vector<GalleryCell>& gripGallery(const Tuning& tuning, const ChordType& type, int root,
                                            int cells) {
    static std::mutex lock;
    static std::map<std::tuple<std::array<int, 6>, std::string, int, int>, std::vector<GalleryCell>>
        memo;
    const auto key = std::make_tuple(tuning.midi, std::string(type.key), root, cells);
    {
        const std::lock_guard guard(lock);
        if (auto it = memo.find(key); it != memo.end()) return it->second;
    }
    auto page = galleryPage(rankedGrips(tuning, type, root), 0, std::size_t(std::max(cells, 0)));
    const std::lock_guard guard(lock);
    return memo.emplace(key, std::move(page)).first->second;
}

std::optional<Frets> rootGrip(const Tuning& tuning, const ChordType& type, int root) {
    // The first position's grip that players reach for first.
    for (const GalleryCell& cell : rankedGrips(tuning, type, root))
        if (highestFret(cell.frets) <= 4) return cell.frets;
    return std::nullopt;
}

}  // namespace theory
