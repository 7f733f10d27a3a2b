#include "theory/chord_naming.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <tuple>

#include "theory/grips.h"
#include "theory/notes.h"

namespace theory {

namespace {

constexpr unsigned kFifthBit = 1u << 7;

// What each type may and must sound: the grip search's rule, so that every
// grip a gallery shows is named by its own chord.
const std::array<ChordTones, kChordTypes.size()>& toneSets() {
    static const auto sets = [] {
        std::array<ChordTones, kChordTypes.size()> s{};
        for (std::size_t t = 0; t < s.size(); ++t) s[t] = chordTones(kChordTypes[t]);
        return s;
    }();
    return sets;
}

bool hasSymbol(const ChordType& type, std::string_view symbol) {
    for (int i = 0; i < type.size(); ++i)
        if (symbol == type.formula[std::size_t(i)]) return true;
    return false;
}

// Place of an interval in the formula, for the bass of an inversion.
int formulaIndex(const ChordType& type, int interval) {
    for (int i = 0; i < type.size(); ++i)
        if (semitonesOf(type.formula[std::size_t(i)]) == interval) return i;
    return type.size();
}

std::string spellFromRow(const std::string& root, int interval) {
    const Row& row = chordRootRow(root);
    for (std::size_t p = 0; p < kRowSemitones.size(); ++p)
        if (kRowSemitones[p] == interval) return row[p];
    return root;
}

// Notes outside any chord: the major-key spellings.
constexpr std::array<const char*, 12> kPlainNames{"C",  "Db", "D",  "Eb", "E",  "F",
                                                  "Fs", "G",  "Ab", "A",  "Bb", "B"};

// The bass as root reads first, except where that reading has no third and
// leaves a tone out while the notes are a whole major or minor triad over the
// bass: D G B over D is G/D to a guitarist, not Dsus4/6 without its fifth.
struct Candidate {
    int root;
    const ChordType* type;
    bool slash;
    int leftOut;
    bool fifthLeftOut;
    int bassIndex;
    int typeIndex;
    bool hasThird() const { return hasSymbol(*type, "3") || hasSymbol(*type, "b3"); }
    bool plainTriad() const { return type->size() == 3 && leftOut == 0 && hasThird(); }
    int tier() const {
        if (!slash) return leftOut == 0 || hasThird() ? 0 : 2;
        return plainTriad() ? 1 : 3;
    }
    auto rank() const {
        return std::make_tuple(tier(), leftOut, type->size(), typeIndex, bassIndex, root);
    }
};

}  // namespace

std::string rootSpelling(int pitch, const ChordType& type) {
    static constexpr std::array<const char*, 12> major{"C",  "Db", "D",  "Eb", "E",  "F",
                                                       "Fs", "G",  "Ab", "A",  "Bb", "B"};
    static constexpr std::array<const char*, 12> minor{"C",  "Cs", "D",  "Eb", "E",  "F",
                                                       "Fs", "G",  "Gs", "A",  "Bb", "B"};
    const bool minorThird = hasSymbol(type, "b3") && !hasSymbol(type, "3");
    return (minorThird ? minor : major)[static_cast<std::size_t>(pitch)];
}

Naming nameChord(const Frets& marks, const Tuning& tuning) {
    Naming naming;
    std::vector<int> midi;
    for (std::size_t s = 0; s < 6; ++s)
        if (marks[s] >= 0) midi.push_back(tuning.midi[s] + marks[s]);
    std::sort(midi.begin(), midi.end());
    unsigned held = 0;
    for (int m : midi) {
        if (!(held & (1u << (m % 12)))) naming.notes.push_back(kPlainNames[std::size_t(m % 12)]);
        held |= 1u << (m % 12);
    }
    if (naming.notes.size() < 3) return naming;
    const int bass = midi.front() % 12;

    std::vector<Candidate> found;
    for (int root = 0; root < 12; ++root) {
        // The held notes as intervals above this root.
        const unsigned rotated = ((held >> root) | (held << (12 - root))) & 0xfffu;
        std::vector<unsigned> seen;
        for (std::size_t t = 0; t < kChordTypes.size(); ++t) {
            const ChordType& type = kChordTypes[t];
            const ChordTones& tones = toneSets()[t];
            if ((rotated & ~tones.allowed) || (rotated & tones.required) != tones.required)
                continue;
            // Types with the same tones (sus, sus4) give one name, the earlier's.
            if (std::find(seen.begin(), seen.end(), tones.allowed) != seen.end()) continue;
            seen.push_back(tones.allowed);
            const unsigned missing = tones.allowed & ~rotated;
            const int interval = (bass - root + 12) % 12;
            found.push_back({root, &type, interval != 0, std::popcount(missing),
                             missing == kFifthBit, formulaIndex(type, interval), int(t)});
        }
    }
    std::sort(found.begin(), found.end(),
              [](const Candidate& a, const Candidate& b) { return a.rank() < b.rank(); });
    for (const Candidate& c : found) {
        if (naming.names.size() == kMaxNames) break;
        ChordName name{rootSpelling(c.root, *c.type), c.type, std::nullopt, c.fifthLeftOut};
        if (c.slash) name.bass = spellFromRow(name.root, (bass - c.root + 12) % 12);
        naming.names.push_back(std::move(name));
    }
    return naming;
}

std::string englishNote(std::string_view note) {
    std::string text(note.substr(0, 1));
    if (note.size() > 1) text += note[1] == 's' ? "\u266f" : "\u266d";
    return text;
}

std::string chordSymbol(const ChordName& name, const NoteSpeller& speller) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 10> kSymbols{{
        {"Major", ""},
        {"minor", "m"},
        {"6th", "6"},
        {"7th", "7"},
        {"9th", "9"},
        {"11th", "11"},
        {"13th", "13"},
        {"Dim", "dim"},
        {"Dim5", "(\u266d5)"},
        {"Aug", "aug"},
    }};
    std::string symbol;
    const std::string_view caption = name.type->caption;
    const auto special = std::find_if(kSymbols.begin(), kSymbols.end(),
                                      [&](const auto& s) { return s.first == caption; });
    if (special != kSymbols.end()) {
        symbol = special->second;
    } else {
        // "m7b5" -> "m7♭5", "9#11" -> "9♯11"; the b of "sus" or "add" stays.
        for (std::size_t i = 0; i < caption.size(); ++i) {
            const bool accidental =
                i + 1 < caption.size() && std::isdigit(static_cast<unsigned char>(caption[i + 1]));
            if (caption[i] == 'b' && accidental)
                symbol += "\u266d";
            else if (caption[i] == '#')
                symbol += "\u266f";
            else
                symbol += caption[i];
        }
    }
    // Appended piece by piece: GCC 12 at -O3 takes `"/" + string`, an insert at
    // the front, for an overlapping copy (-Wrestrict).
    std::string text = speller(name.root) + symbol;
    if (name.bass) {
        text += '/';
        text += speller(*name.bass);
    }
    return text;
}

std::string namingText(const Naming& naming, const NoteSpeller& speller) {
    std::string text;
    if (!naming.names.empty()) {
        for (const ChordName& n : naming.names) {
            if (!text.empty()) text += ", ";
            text += chordSymbol(n, speller);
        }
        return text;
    }
    const std::size_t n = naming.notes.size();
    if (n == 0) return text;
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0) text += i + 1 == n ? " and " : ", ";
        text += speller(naming.notes[i]);
    }
    return text + ": no chord";
}

std::vector<NamedEntry> namedEntries(const Naming& naming, const NoteSpeller& speller) {
    std::vector<NamedEntry> entries;
    for (const ChordName& n : naming.names)
        entries.push_back({chordSymbol(n, speller), n.root, n.type->caption, n.bass});
    return entries;
}

}  // namespace theory
