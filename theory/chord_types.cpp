#include "theory/chord_types.h"

#include <algorithm>

#include "theory/notes.h"

namespace theory {

namespace {

struct Interval {
    const char* symbol;
    int position;  // in the chord-root row
    int marker;    // entry of the degree-to-marker table
};

constexpr std::array<Interval, 16> kIntervals{{
    {"1", 0, 1},
    {"2", 1, 2},
    {"9", 1, 2},
    {"b3", 2, 8},
    {"#9", 2, 8},
    {"3", 3, 3},
    {"4", 4, 4},
    {"11", 4, 4},
    {"b5", 5, 10},
    {"#11", 5, 10},
    {"5", 6, 5},
    {"#5", 7, 12},
    {"6", 8, 6},
    {"13", 8, 6},
    {"b7", 9, 9},
    {"7", 10, 7},
}};
constexpr Interval kFlatNine{"b9", 11, 11};

const Interval* find(std::string_view symbol) {
    if (symbol == kFlatNine.symbol) return &kFlatNine;
    for (const auto& i : kIntervals)
        if (symbol == i.symbol) return &i;
    return nullptr;
}

}  // namespace

int rowPosition(std::string_view symbol) {
    const Interval* i = find(symbol);
    return i ? i->position : -1;
}

int semitonesOf(std::string_view symbol) {
    const int position = rowPosition(symbol);
    return position < 0 ? -1 : kRowSemitones[std::size_t(position)];
}

int markerDegree(std::string_view symbol) {
    const Interval* i = find(symbol);
    return i ? i->marker : -1;
}

const ChordType* chordTypeByKey(std::string_view key) {
    for (const auto& t : kChordTypes)
        if (key == t.key) return &t;
    return nullptr;
}

ChordData chordData(const ChordType& type) {
    ChordData d;
    const int n = type.size();
    d.lineNumber = std::to_string(n - 1);
    // The perfect fifth is marked green in chords of four or more notes.
    auto colour = [n](std::string_view s) { return n >= 4 && s == "5" ? kToneGreen : kToneRed; };
    std::vector<std::pair<int, int>> bars;  // position, colour
    for (int i = 0; i < n; ++i) {
        std::string_view s = type.formula[i];
        d.ula.emplace_back(s);
        d.cs.push_back(std::to_string(rowPosition(s)));
        d.markerDegrees.push_back(markerDegree(s));
        d.noteColours.push_back(colour(s));
        bars.emplace_back(rowPosition(s), colour(s));
    }
    std::sort(bars.begin(), bars.end());
    for (auto [position, c] : bars) {
        d.tnt.push_back(position + 1);
        d.cnc.push_back(c);
    }
    return d;
}

}  // namespace theory
