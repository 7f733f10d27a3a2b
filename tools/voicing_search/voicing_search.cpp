// Finds chord diagrams for the chord finder and prints them as C++
// initialisers for theory/voicings.cpp.
//
//   voicing_search               every chord type from option 2 on
//   voicing_search KEY...        only the named chord types
//   voicing_search --short KEY...  the key window's short galleries, picked
//                                  from the frozen finder sets of those types
//
// Its output is pasted into the library by hand and frozen there, so a later
// change to the ranking below never changes the published diagrams silently.

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "theory/chord_types.h"
#include "theory/grips.h"
#include "theory/notes.h"
#include "theory/voicings.h"

namespace {

using theory::Frets;

constexpr int kMaxShapes = 18;
constexpr int kMaxPerBaseFret = 3;
constexpr int kFirstBaseFret = 1;
constexpr int kLastBaseFret = 12;
constexpr int kGalleryRoot = 0;  // C

int semitonesOf(std::string_view symbol) {
    const int position = theory::rowPosition(symbol);
    return position < 0 ? -1 : theory::kRowSemitones[std::size_t(position)];
}

// Which tones a voicing may sound and which it may leave out: the rule the
// windows' grips follow (theory/grips.h).
using Tones = theory::ChordTones;

Tones tonesOf(const theory::ChordType& type) {
    return theory::chordTones(type);
}

int pitchClass(int string, int fret, int root) {
    return ((theory::kOpenStringPitches[std::size_t(string)] + fret - root) % 12 + 12) % 12;
}

struct Candidate {
    Frets frets;
    int base = 0;  // lowest fretted fret
    bool rootInBass = false;
    int omitted = 0;  // optional tones left out
    int fingers = 0;
    int span = 0;
    int innerMutes = 0;  // muted strings between sounding ones
    int strings = 0;
};

// A candidate when the shape voices the chord within the grip rules.
bool assess(const Frets& f, const Tones& tones, int root, Candidate& c) {
    unsigned sounded = 0;
    int bass = -1, lo = 99, hi = 0, first = -1, last = -1;
    c = Candidate{};
    c.frets = f;
    for (int s = 0; s < 6; ++s) {
        if (f[std::size_t(s)] < 0) continue;
        const int pc = pitchClass(s, f[std::size_t(s)], root);
        sounded |= 1u << pc;
        if (bass < 0) bass = pc;
        if (first < 0) first = s;
        last = s;
        ++c.strings;
        if (f[std::size_t(s)] > 0) {
            lo = std::min(lo, f[std::size_t(s)]);
            hi = std::max(hi, f[std::size_t(s)]);
        }
    }
    if (c.strings < 3) return false;
    if (sounded & ~tones.allowed) return false;
    if ((sounded & tones.required) != tones.required) return false;
    c.fingers = theory::fingersNeeded(f);
    if (c.fingers > 4) return false;
    c.span = lo == 99 ? 0 : hi - lo;
    if (c.span > 3) return false;
    c.base = lo == 99 ? 0 : lo;
    c.rootInBass = bass == 0;
    c.omitted = std::popcount(tones.allowed & ~sounded);
    for (int s = first; s <= last; ++s)
        if (f[std::size_t(s)] < 0) ++c.innerMutes;
    return true;
}

// Gallery order: root in the bass, the fullest chord, the easiest grip, the
// closest hand, no string to damp in the middle, then the fuller sound.
auto galleryRank(const Candidate& c) {
    return std::make_tuple(!c.rootInBass, c.omitted, c.fingers, c.span, c.innerMutes, -c.strings,
                           c.frets);
}

// First position is where open strings ring, so a full, unbroken strum comes
// before saving a finger.
auto firstPositionRank(const Candidate& c) {
    return std::make_tuple(!c.rootInBass, c.omitted, c.innerMutes, -c.strings, c.fingers, c.span,
                           c.frets);
}

// Every movable shape whose lowest fret is `base`: strings muted or fretted
// within four frets, never open.
std::vector<Candidate> galleryCandidates(const Tones& tones, int base) {
    std::vector<Candidate> out;
    constexpr int kChoices = 5;  // muted, or one of four frets
    int total = 1;
    for (int s = 0; s < 6; ++s) total *= kChoices;
    for (int code = 0; code < total; ++code) {
        Frets f{};
        int rest = code;
        for (int s = 0; s < 6; ++s) {
            const int k = rest % kChoices;
            rest /= kChoices;
            f[std::size_t(s)] = k == 0 ? -1 : base + k - 1;
        }
        Candidate c;
        if (theory::lowestFret(f) == base && assess(f, tones, kGalleryRoot, c)) out.push_back(c);
    }
    std::sort(out.begin(), out.end(), [](const Candidate& a, const Candidate& b) {
        return galleryRank(a) < galleryRank(b);
    });
    return out;
}

// The best shape of each base fret first, then second and third bests, the
// better ranked first, until the set is full; listed by base fret.
std::vector<Candidate> pickGallery(const Tones& tones) {
    std::vector<std::vector<Candidate>> perFret;
    for (int base = kFirstBaseFret; base <= kLastBaseFret; ++base)
        perFret.push_back(galleryCandidates(tones, base));
    std::vector<Candidate> picked;
    for (int round = 0; round < kMaxPerBaseFret; ++round) {
        std::vector<Candidate> offered;
        for (const auto& list : perFret)
            if (std::size_t(round) < list.size()) offered.push_back(list[std::size_t(round)]);
        std::sort(offered.begin(), offered.end(), [](const Candidate& a, const Candidate& b) {
            return galleryRank(a) < galleryRank(b);
        });
        for (const auto& c : offered)
            if (picked.size() < std::size_t(kMaxShapes)) picked.push_back(c);
    }
    std::stable_sort(picked.begin(), picked.end(), [](const Candidate& a, const Candidate& b) {
        return std::make_tuple(a.base, galleryRank(a)) < std::make_tuple(b.base, galleryRank(b));
    });
    return picked;
}

// The key window's short gallery: at most nine of the finder set's shapes,
// picked the way the finder's own set was, so the best shape of each base
// fret comes before a second one anywhere. Taken from the frozen set, not
// searched again, so every short shape is one the finder already shows.
constexpr int kMaxShortShapes = 9;

std::vector<Candidate> pickShort(const theory::DiagramSet& finderSet, const Tones& tones) {
    std::vector<std::vector<Candidate>> perFret(std::size_t(kLastBaseFret + 1));
    for (const Frets& f : finderSet.shapes) {
        Candidate c;
        if (!assess(f, tones, kGalleryRoot, c) || c.base < kFirstBaseFret || c.base > kLastBaseFret)
            continue;
        perFret[std::size_t(c.base)].push_back(c);
    }
    for (auto& list : perFret)
        std::sort(list.begin(), list.end(), [](const Candidate& a, const Candidate& b) {
            return galleryRank(a) < galleryRank(b);
        });
    std::vector<Candidate> picked;
    for (int round = 0; round < kMaxPerBaseFret; ++round) {
        std::vector<Candidate> offered;
        for (const auto& list : perFret)
            if (std::size_t(round) < list.size()) offered.push_back(list[std::size_t(round)]);
        std::sort(offered.begin(), offered.end(), [](const Candidate& a, const Candidate& b) {
            return galleryRank(a) < galleryRank(b);
        });
        for (const auto& c : offered)
            if (picked.size() < std::size_t(kMaxShortShapes)) picked.push_back(c);
    }
    std::stable_sort(picked.begin(), picked.end(), [](const Candidate& a, const Candidate& b) {
        return std::make_tuple(a.base, galleryRank(a)) < std::make_tuple(b.base, galleryRank(b));
    });
    return picked;
}

// The best first-position diagram of a root: open strings allowed, fretted
// notes on frets 1..4, four strings at least.
bool pickFirstPosition(const Tones& tones, int root, Candidate& best) {
    constexpr int kChoices = 6;  // muted, open, or frets 1..4
    int total = 1;
    for (int s = 0; s < 6; ++s) total *= kChoices;
    bool found = false;
    for (int code = 0; code < total; ++code) {
        Frets f{};
        int rest = code;
        for (int s = 0; s < 6; ++s) {
            f[std::size_t(s)] = rest % kChoices - 1;
            rest /= kChoices;
        }
        Candidate c;
        if (!assess(f, tones, root, c) || c.strings < 4) continue;
        if (!found || firstPositionRank(c) < firstPositionRank(best)) best = c;
        found = true;
    }
    return found;
}

// Note names of C-rooted shapes, spelt by interval.
std::string cNoteOf(const theory::ChordType& type, int pitch) {
    static const std::vector<std::pair<std::string_view, const char*>> spelling{
        {"1", "C"},   {"2", "D"}, {"9", "D"},  {"b9", "Db"},  {"#9", "D#"}, {"b3", "Eb"},
        {"3", "E"},   {"4", "F"}, {"11", "F"}, {"#11", "F#"}, {"b5", "Gb"}, {"5", "G"},
        {"#5", "G#"}, {"6", "A"}, {"13", "A"}, {"b7", "Bb"},  {"7", "B"},
    };
    for (int i = 0; i < type.size(); ++i) {
        const std::string_view s = type.formula[std::size_t(i)];
        if (semitonesOf(s) != pitch) continue;
        for (const auto& [symbol, name] : spelling)
            if (symbol == s) return name;
    }
    return "?";
}

std::string identifier(std::string_view key) {
    std::string id;
    for (char ch : key) id += ch == '-' ? '_' : ch;
    return id;
}

std::string fretList(const Frets& f) {
    std::string out = "{";
    for (int s = 0; s < 6; ++s) {
        if (s) out += ", ";
        out += f[std::size_t(s)] < 0 ? "X" : std::to_string(f[std::size_t(s)]);
    }
    return out + "}";
}

std::string formulaText(const theory::ChordType& type) {
    std::string out;
    for (int i = 0; i < type.size(); ++i)
        out += std::string(i ? " " : "") + type.formula[std::size_t(i)];
    return out;
}

void printShapes(const theory::ChordType& type, const std::string& id,
                 const std::vector<Candidate>& shapes) {
    std::printf("constexpr std::array<Frets, %zu> kShapes_%s{{\n", shapes.size(), id.c_str());
    for (const auto& c : shapes) {
        int first = 0, last = 5;
        while (c.frets[std::size_t(first)] < 0) ++first;
        while (c.frets[std::size_t(last)] < 0) --last;
        std::string notes;
        for (int s = first; s <= last; ++s) {
            if (s > first) notes += ' ';
            const int fret = c.frets[std::size_t(s)];
            notes += fret < 0 ? "." : cNoteOf(type, pitchClass(s, fret, kGalleryRoot));
        }
        const std::string row = "    " + fretList(c.frets) + ",";
        std::printf("%-30s// %s\n", row.c_str(), notes.c_str());
    }
    std::printf("}};\n");
}

std::string optionalText(const theory::ChordType& type, const Tones& tones) {
    std::string optional;
    for (int i = 0; i < type.size(); ++i) {
        const char* symbol = type.formula[std::size_t(i)];
        if (!(tones.required & (1u << semitonesOf(symbol)))) optional += std::string(" ") + symbol;
    }
    return optional;
}

void printType(const theory::ChordType& type) {
    const Tones tones = tonesOf(type);
    const std::string id = identifier(type.key);
    const std::string optional = optionalText(type, tones);
    std::printf("// C %s: %s%s%s\n", type.caption, formulaText(type).c_str(),
                optional.empty() ? "" : "; may leave out", optional.c_str());
    printShapes(type, id, pickGallery(tones));

    std::vector<std::pair<const char*, Frets>> roots;
    for (const auto& name : theory::kNoteNames) {
        Candidate best;
        if (pickFirstPosition(tones, name.pitch, best)) roots.emplace_back(name.name, best.frets);
    }
    std::printf("constexpr std::array<RootDiagram, %zu> kRoots_%s{{\n", roots.size(), id.c_str());
    for (const auto& [name, frets] : roots)
        std::printf("    {\"%s\", %s},\n", name, fretList(frets).c_str());
    std::printf("}};\n\n");
}

// False when the library has no finder set for the type to pick from.
bool printShort(const theory::ChordType& type) {
    const theory::DiagramSet* finderSet = theory::diagramSet(std::string("pt_") + type.key);
    if (!finderSet) return false;
    const Tones tones = tonesOf(type);
    const std::string optional = optionalText(type, tones);
    std::printf("// C %s, key window: %s%s%s\n", type.caption, formulaText(type).c_str(),
                optional.empty() ? "" : "; may leave out", optional.c_str());
    printShapes(type, "ly_" + identifier(type.key), pickShort(*finderSet, tones));
    std::printf("\n");
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<const theory::ChordType*> types;
    const bool shortSets = argc > 1 && std::string_view(argv[1]) == "--short";
    if (shortSets) {
        for (int i = 2; i < argc; ++i) {
            const theory::ChordType* type = theory::chordTypeByKey(argv[i]);
            if (!type || !printShort(*type)) {
                std::fprintf(stderr, "no finder set for chord type: %s\n", argv[i]);
                return 1;
            }
            types.push_back(type);
        }
        for (const auto* type : types)
            std::printf("    {\"ly_%s\", \"%s\", \"C\", kShapes_ly_%s, {}},\n", type->key,
                        type->key, identifier(type->key).c_str());
        return 0;
    }
    if (argc > 1) {
        for (int i = 1; i < argc; ++i) {
            const theory::ChordType* type = theory::chordTypeByKey(argv[i]);
            if (!type) {
                std::fprintf(stderr, "unknown chord type: %s\n", argv[i]);
                return 1;
            }
            types.push_back(type);
        }
    } else {
        // Major and add9 keep the galleries chosen by hand.
        for (std::size_t i = 2; i < theory::kChordTypes.size(); ++i)
            types.push_back(&theory::kChordTypes[i]);
    }
    for (const auto* type : types) printType(*type);

    for (const auto* type : types)
        std::printf("    {\"pt_%s\", \"%s\", \"C\", kShapes_%s, kRoots_%s},\n", type->key,
                    type->key, identifier(type->key).c_str(), identifier(type->key).c_str());
    return 0;
}
