#include "chords/key_tables.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "theory/chord_types.h"
#include "theory/given_sets.h"
#include "theory/notes.h"

namespace chords {

namespace {
constexpr int R = theory::kToneRed;
constexpr int G = theory::kToneGreen;  // the fifth of a four-note chord
}  // namespace

const std::array<KeyRow, 12> Key_Table{{
    {"C", {"C", "D", "E", "F", "G", "A", "B"}},
    {"Db", {"Db", "Eb", "F", "Gb", "Ab", "Bb", "C"}},
    {"D", {"D", "E", "Fs", "G", "A", "B", "Cs"}},
    {"Eb", {"Eb", "F", "G", "Ab", "Bb", "C", "D"}},
    {"E", {"E", "Fs", "Gs", "A", "B", "Cs", "Ds"}},
    {"F", {"F", "G", "A", "Bb", "C", "D", "E"}},
    {"Gb", {"Gb", "Ab", "Bb", "B", "Db", "Eb", "F"}},
    {"G", {"G", "A", "B", "C", "D", "E", "Fs"}},
    {"Ab", {"Ab", "Bb", "C", "Db", "Eb", "F", "G"}},
    {"A", {"A", "B", "Cs", "D", "E", "Fs", "Gs"}},
    {"Bb", {"Bb", "C", "D", "Eb", "F", "G", "A"}},
    {"B", {"B", "Cs", "Ds", "E", "Fs", "Gs", "As"}},
}};

int keyIndex(std::string_view key) {
    for (int i = 0; i < static_cast<int>(Key_Table.size()); ++i)
        if (key == Key_Table[i].K) return i;
    return -1;
}

int degreeIndex(std::string_view degree) {
    for (int i = 0; i < static_cast<int>(kDegreeNames.size()); ++i)
        if (degree == kDegreeNames[i]) return i;
    return -1;
}

std::optional<std::vector<std::string>> degreeRow(std::string_view key, std::string_view degree) {
    const int k = keyIndex(key);
    const int d = degreeIndex(degree);
    if (k < 0 || d < 0) return std::nullopt;
    const KeyRow& keyRow = Key_Table[k];
    const theory::Row& row = theory::chordRootRow(keyRow.scale[d]);
    std::vector<std::string> result(row.begin(), row.end());
    for (std::string& note : result)
        for (const char* scaleNote : keyRow.scale)
            if (theory::pitchOf(scaleNote) == theory::pitchOf(note)) note = scaleNote;
    return result;
}

namespace {

// The six options whose data is fixed as listed.
const std::vector<KeyChord> kGivenChords{
    {0,
     "major",
     "Major__First",
     "a",
     8,
     {3, 5, 5, 8, 8, 10, 10, 12, 12},
     {1, 3, 5},
     {1, 4, 7},
     {R, R, R},
     {R, R, R}},
    {1,
     "add9",
     "Major__First",
     "b",
     8,
     {2, 3, 5, 7, 8, 8, 9, 10, 12},
     {1, 3, 5, 2},
     {1, 2, 4, 7},
     {R, R, R, G},
     {R, R, G, R}},
    {2,
     "minor",
     "Minor__Second",
     "n",
     8,
     {1, 1, 2, 2, 5, 6, 7, 10, 12},
     {2, 4, 6},
     {1, 3, 7},
     {R, R, R},
     {R, R, R}},
    {3,
     "madd9",
     "Minor__Second",
     "o",
     7,
     {1, 1, 5, 6, 8, 10, 10, 10},
     {2, 3, 4, 6},
     {1, 2, 3, 7},
     {R, R, R, G},
     {R, R, G, R}},
    {4,
     "minor",
     "Minor__Third",
     "n",
     8,
     {3, 3, 4, 4, 7, 8, 9, 12, 2},
     {3, 5, 7},
     {1, 3, 7},
     {R, R, R},
     {R, R, R}},
    {5,
     "m7",
     "Minor__Third",
     "q",
     8,
     {3, 4, 5, 7, 8, 12, 12, 2, 2},
     {3, 5, 7, 2},
     {1, 3, 7, 10},
     {R, R, G, R},
     {R, R, G, R}},
};

// Sets shared by every degree that uses their type; the others are "ly_" + key.
struct TypeSet {
    const char* type;
    const char* dir;
};
constexpr std::array<TypeSet, 5> kGivenSets{
    {{"major", "a"}, {"add9", "b"}, {"minor", "n"}, {"madd9", "o"}, {"m7", "q"}}};

using theory::kMajorSteps;

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

const theory::ChordType* typeOfCaption(const char* caption) {
    for (const auto& t : theory::kChordTypes)
        if (lower(t.caption) == lower(caption)) return &t;
    return nullptr;
}

std::string setFor(const std::string& type) {
    for (const TypeSet& s : kGivenSets)
        if (type == s.type) return s.dir;
    return "ly_" + type;
}

// Builds the row of an option from its caption and column; empty when the
// caption names no chord type, or a tone of the chord lies outside the key.
std::optional<KeyChord> buildRow(int option) {
    const int degree = degreeOfOption(option);
    if (degree < 0) return std::nullopt;
    const theory::ChordType* type = typeOfCaption(kKeyCaptions[option]);
    if (!type) return std::nullopt;
    const std::string dir = setFor(type->key);
    const theory::DiagramSet* set = theory::diagramSet(dir);
    const theory::ChordData data = theory::chordData(*type);
    KeyChord row{option,   type->key, kDegreeNames[degree], dir, std::nullopt, {}, {},
                 data.tnt, data.cnc,  data.noteColours};
    if (set) row.Chord_Number = static_cast<int>(set->shapes.size()) - 1;
    row.baseFrets = degreeBaseFrets(dir, degree);
    // Marker degrees are scale degrees of the key: every tone of these chords is one.
    for (const std::string& symbol : data.ula) {
        const int semis = theory::semitonesOf(symbol);
        const int pitch = (kMajorSteps[degree] + semis) % 12;
        const auto* step = std::find(kMajorSteps.begin(), kMajorSteps.end(), pitch);
        if (step == kMajorSteps.end()) return std::nullopt;
        row.markerDegrees.push_back(static_cast<int>(step - kMajorSteps.begin()) + 1);
    }
    return row;
}

const KeyChord* keyChordIn(const std::vector<KeyChord>& rows, int option) {
    for (const KeyChord& c : rows)
        if (c.option == option) return &c;
    return nullptr;
}

std::vector<KeyChord> buildChords() {
    std::vector<KeyChord> rows = kGivenChords;
    for (int option = 0; option < static_cast<int>(kKeyCaptions.size()); ++option) {
        if (keyChordIn(rows, option)) continue;
        if (auto row = buildRow(option)) rows.push_back(std::move(*row));
    }
    return rows;
}

const std::vector<KeyChord>& allChords() {
    static const std::vector<KeyChord> rows = buildChords();
    return rows;
}

}  // namespace

int degreeOfOption(int option) {
    for (int d = 0; d < static_cast<int>(kKeyColumns.size()); ++d)
        for (int row = 0; row < kKeyColumns[d].count; ++row)
            if (kKeyColumns[d].members[row] == option) return d;
    return -1;
}

std::vector<int> degreeBaseFrets(std::string_view dir, int degree) {
    std::vector<int> frets;
    const theory::DiagramSet* set = theory::diagramSet(dir);
    if (!set || degree < 0 || degree > 6) return frets;
    const int distance = kMajorSteps[degree] - theory::pitchOf(set->chordRoot);
    for (const theory::Frets& shape : set->shapes) {
        int fret = theory::lowestFret(shape) + distance;
        while (fret > 12) fret -= 12;
        while (fret < 1) fret += 12;
        frets.push_back(fret);
    }
    return frets;
}

const KeyChord* keyChord(int option) {
    for (const KeyChord& c : allChords())
        if (c.option == option) return &c;
    return nullptr;
}

namespace {

// The chord type and root pitch an option offers in a key, if any.
std::optional<std::pair<const theory::ChordType*, int>> keyChordAt(int option,
                                                                   std::string_view key) {
    const KeyChord* row = keyChord(option);
    const int k = keyIndex(key);
    if (!row || k < 0) return std::nullopt;
    const theory::ChordType* type = theory::chordTypeByKey(row->Chord_Type);
    const int degree = degreeIndex(row->position);
    if (!type || degree < 0) return std::nullopt;
    const int root =
        (theory::pitchOf(Key_Table[std::size_t(k)].K) + kMajorSteps[std::size_t(degree)]) % 12;
    return std::make_pair(type, root);
}

}  // namespace

const std::vector<theory::GalleryCell>* keyGallery(int option, std::string_view key,
                                                   const theory::Tuning& tuning) {
    const auto chord = keyChordAt(option, key);
    if (!chord) return nullptr;
    const bool given = theory::diagramSet(keyChord(option)->dir) != nullptr;
    if (given && tuning.midi == theory::standardTuning().midi) return nullptr;
    return &theory::gripGallery(tuning, *chord->first, chord->second, kKeyCells);
}

std::vector<theory::GalleryCell> keyGrips(int option, std::string_view key,
                                          const theory::Tuning& tuning) {
    const auto chord = keyChordAt(option, key);
    if (!chord) return {};
    return theory::rankedGrips(tuning, *chord->first, chord->second);
}

std::span<const KeyChord> keyChords() {
    return allChords();
}

int optionOffering(int keyIndex, int rootPitch, unsigned tones) {
    if (keyIndex < 0 || keyIndex >= static_cast<int>(Key_Table.size())) return -1;
    const KeyRow& row = Key_Table[std::size_t(keyIndex)];
    for (std::size_t d = 0; d < row.scale.size(); ++d) {
        if (theory::pitchOf(row.scale[d]) != rootPitch) continue;
        const KeyColumn& column = kKeyColumns[d];
        for (int m = 0; m < column.count; ++m) {
            const KeyChord* c = keyChord(column.members[std::size_t(m)]);
            const theory::ChordType* type = c ? theory::chordTypeByKey(c->Chord_Type) : nullptr;
            if (type && theory::chordTones(*type).allowed == tones) return c->option;
        }
    }
    return -1;
}

}  // namespace chords
