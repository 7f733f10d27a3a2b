#include "chords/key_tables.h"

#include "theory/notes.h"

namespace chords {

namespace {
constexpr int R = 192;    // dark red
constexpr int G = 65280;  // green: the fifth of a four-note chord
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

const std::vector<KeyChord> kKeyChords{
    {0, "major", "Major__First", "a", 8, {"3", "5", "5", "8", "8", "10", "10", "12", "12"},
     {"1", "3", "5"}, {1, 4, 7}, {R, R, R}, {R, R, R}},
    {1, "add9", "Major__First", "b", 8, {"2", "3", "5", "7", "8", "8", "9", "10", "12"},
     {"1", "3", "5", "2"}, {1, 2, 4, 7}, {R, R, R, G}, {R, R, G, R}},
    {2, "minor", "Minor__Second", "n", 8, {"1", "1", "2", "2", "5", "6", "7", "10", "12"},
     {"2", "4", "6"}, {1, 3, 7}, {R, R, R}, {R, R, R}},
    {3, "madd9", "Minor__Second", "o", 7, {"1", "1", "5", "6", "8", "10", "10", "10"},
     {"2", "3", "4", "6"}, {1, 2, 3, 7}, {R, R, R, G}, {R, R, G, R}},
    {4, "minor", "Minor__Third", "n", 8, {"3", "3", "4", "4", "7", "8", "9", "12", "2"},
     {"3", "5", "7"}, {1, 3, 7}, {R, R, R}, {R, R, R}},
    {5, "m7", "Minor__Third", "q", 8, {"3", "4", "5", "7", "8", "12", "12", "2", "2"},
     {"3", "5", "7", "2"}, {1, 3, 7, 10}, {R, R, G, R}, {R, R, G, R}},
};

}  // namespace

const KeyChord* keyChord(int option) {
    for (const KeyChord& c : kKeyChords)
        if (c.option == option) return &c;
    return nullptr;
}

std::span<const KeyChord> keyChords() { return kKeyChords; }

}  // namespace chords
