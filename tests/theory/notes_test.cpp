#include "theory/notes.h"

#include <gtest/gtest.h>

#include <set>

#include "theory/chord_types.h"

namespace {

using theory::chordRootRow;
using theory::pitchOf;

bool isFlatSideRoot(const std::string& root) {
    for (const char* r : {"C", "F", "Bb", "Eb", "Ab", "Db", "Gb"})
        if (root == r) return true;
    return false;
}

// Spelling of a pitch with sharps or flats for black keys; white keys natural.
std::string spell(int pitch, bool flats) {
    static const char* sharps[] = {"C", "Cs", "D", "Ds", "E", "F", "Fs", "G", "Gs", "A", "As", "B"};
    static const char* flatNames[] = {"C",  "Db", "D",  "Eb", "E",  "F",
                                      "Gb", "G",  "Ab", "A",  "Bb", "B"};
    return flats ? flatNames[pitch] : sharps[pitch];
}

TEST(NoteNames, SeventeenDistinctNamesWithTheirPitches) {
    std::set<std::string> names;
    for (const auto& n : theory::kNoteNames) {
        names.insert(n.name);
        EXPECT_EQ(pitchOf(n.name), n.pitch);
        // A natural name's pitch comes from the white keys; an accidental moves it by one.
        static const int white[] = {9, 11, 0, 2, 4, 5, 7};  // A..G
        const int base = white[n.name[0] - 'A'];
        const int shift = n.name[1] == 's' ? 1 : n.name[1] == 'b' ? -1 : 0;
        EXPECT_EQ(n.pitch, (base + shift + 12) % 12) << n.name;
    }
    EXPECT_EQ(names.size(), 17u);
    EXPECT_EQ(pitchOf("Null"), -1);
    EXPECT_EQ(pitchOf("cs"), -1) << "names compare case-sensitively";
    for (std::size_t i = 0; i < theory::Root_Names.size(); ++i)
        EXPECT_STREQ(theory::Root_Names[i], theory::kNoteNames[i].name);
}

TEST(ChordRootRows, EveryRowHoldsEachPitchOnceAtItsInterval) {
    for (const char* root : theory::Root_Names) {
        const auto& row = chordRootRow(root);
        std::set<int> pitches;
        for (int p = 0; p < 12; ++p) {
            ASSERT_GE(pitchOf(row[p]), 0) << root << " position " << p;
            pitches.insert(pitchOf(row[p]));
            EXPECT_EQ(pitchOf(row[p]), (pitchOf(root) + theory::kRowSemitones[p]) % 12)
                << root << " position " << p;
        }
        EXPECT_EQ(pitches.size(), 12u) << root;
        EXPECT_STREQ(row[0], root);
    }
}

TEST(ChordRootRows, FollowTheSpellingRule) {
    // Flat-side roots name black keys as flats; the others use sharps at positions
    // 1..10 and the flat-side name for the minor second.
    for (const char* root : theory::Root_Names) {
        const auto& row = chordRootRow(root);
        const bool flatRoot = isFlatSideRoot(root);
        for (int p = 1; p < 12; ++p) {
            const int pitch = (pitchOf(root) + theory::kRowSemitones[p]) % 12;
            EXPECT_EQ(row[p], spell(pitch, flatRoot || p == 11)) << root << " position " << p;
        }
    }
}

TEST(ChordRootRows, GivenRowsStayAsSpelled) {
    const std::vector<std::pair<const char*, std::vector<std::string>>> given{
        {"C", {"C", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B", "Db"}},
        {"Db", {"Db", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B", "C", "D"}},
        {"D", {"D", "E", "F", "Fs", "G", "Gs", "A", "As", "B", "C", "Cs", "Eb"}},
        {"Eb", {"Eb", "F", "Gb", "G", "Ab", "A", "Bb", "B", "C", "Db", "D", "E"}},
        {"E", {"E", "Fs", "G", "Gs", "A", "As", "B", "C", "Cs", "D", "Ds", "F"}},
        {"F", {"F", "G", "Ab", "A", "Bb", "B", "C", "Db", "D", "Eb", "E", "Gb"}},
    };
    for (const auto& [root, expected] : given) {
        const auto& row = chordRootRow(root);
        EXPECT_EQ(std::vector<std::string>(row.begin(), row.end()), expected) << root;
    }
    EXPECT_THROW(chordRootRow("Null"), std::out_of_range);
}

TEST(MarkerNotes, EntriesNameTheDegreesTheyClaim) {
    // Entry e: 1..7 the major scale, then b3, b7, b5, b2, b6, as semitones above the root.
    const int semitones[] = {-1, 0, 2, 4, 5, 7, 9, 11, 3, 10, 6, 1, 8};
    for (const char* root : theory::Root_Names) {
        const auto notes = theory::markerNotes(root);
        EXPECT_TRUE(notes[0].empty());
        for (int e = 1; e <= 12; ++e)
            EXPECT_EQ(pitchOf(notes[e]), (pitchOf(root) + semitones[e]) % 12) << root << " " << e;
    }
    const auto c = theory::markerNotes("C");
    const auto db = theory::markerNotes("Db");
    const std::vector<std::string> cExpected{"",  "C",  "D",  "E",  "F",  "G", "A",
                                             "B", "Eb", "Bb", "Gb", "Db", "Ab"};
    const std::vector<std::string> dbExpected{"",  "Db", "Eb", "F", "Gb", "Ab", "Bb",
                                              "C", "E",  "B",  "G", "D",  "A"};
    EXPECT_EQ(std::vector<std::string>(c.begin(), c.end()), cExpected);
    EXPECT_EQ(std::vector<std::string>(db.begin(), db.end()), dbExpected);
}

TEST(ChordTypes, KeysAreUniqueLowerCaseAndSafeAsFileNames) {
    std::set<std::string> keys;
    for (const auto& t : theory::kChordTypes) {
        const std::string key = t.key;
        keys.insert(key);
        for (char ch : key) {
            EXPECT_FALSE(ch >= 'A' && ch <= 'Z') << key;
            EXPECT_EQ(std::string("/\\#:").find(ch), std::string::npos) << key;
        }
        EXPECT_GE(t.size(), 3);
        EXPECT_STREQ(t.formula[0], "1");
        for (int i = 0; i < t.size(); ++i) EXPECT_GE(theory::rowPosition(t.formula[i]), 0);
    }
    EXPECT_EQ(keys.size(), theory::kChordTypes.size());
    EXPECT_STREQ(theory::kChordTypes[0].key, "major");
    EXPECT_STREQ(theory::kChordTypes[1].key, "add9");
}

TEST(ChordTypes, DataOfTheGivenTypesComesOutAsListed) {
    struct Expected {
        const char* key;
        std::string lineNumber;
        std::vector<std::string> ula, cs;
        std::vector<int> markers, tnt, cnc, colours;
    };
    const std::vector<Expected> table{
        {"major",
         "2",
         {"1", "3", "5"},
         {"0", "3", "6"},
         {1, 3, 5},
         {1, 4, 7},
         {192, 192, 192},
         {192, 192, 192}},
        {"add9",
         "3",
         {"1", "3", "5", "9"},
         {"0", "3", "6", "1"},
         {1, 3, 5, 2},
         {1, 2, 4, 7},
         {192, 192, 192, 65280},
         {192, 192, 65280, 192}},
        {"minor",
         "2",
         {"1", "b3", "5"},
         {"0", "2", "6"},
         {1, 8, 5},
         {1, 3, 7},
         {192, 192, 192},
         {192, 192, 192}},
        {"madd9",
         "3",
         {"1", "b3", "5", "9"},
         {"0", "2", "6", "1"},
         {1, 8, 5, 2},
         {1, 2, 3, 7},
         {192, 192, 192, 65280},
         {192, 192, 65280, 192}},
        {"m7",
         "3",
         {"1", "b3", "5", "b7"},
         {"0", "2", "6", "9"},
         {1, 8, 5, 9},
         {1, 3, 7, 10},
         {192, 192, 65280, 192},
         {192, 192, 65280, 192}},
    };
    for (const Expected& e : table) {
        const theory::ChordType* type = theory::chordTypeByKey(e.key);
        ASSERT_NE(type, nullptr) << e.key;
        const theory::ChordData d = theory::chordData(*type);
        EXPECT_EQ(d.lineNumber, e.lineNumber) << e.key;
        EXPECT_EQ(d.ula, e.ula) << e.key;
        EXPECT_EQ(d.cs, e.cs) << e.key;
        EXPECT_EQ(d.markerDegrees, e.markers) << e.key;
        EXPECT_EQ(d.tnt, e.tnt) << e.key;
        EXPECT_EQ(d.cnc, e.cnc) << e.key;
        EXPECT_EQ(d.noteColours, e.colours) << e.key;
    }
}

TEST(ChordTypes, RowPositionsAreTheIntervalsTheSymbolsName) {
    const std::vector<std::pair<const char*, int>> semitones{
        {"1", 0}, {"2", 2},  {"9", 2},   {"b3", 3},  {"#9", 3}, {"3", 4},
        {"4", 5}, {"11", 5}, {"b5", 6},  {"#11", 6}, {"5", 7},  {"#5", 8},
        {"6", 9}, {"13", 9}, {"b7", 10}, {"7", 11},  {"b9", 1}};
    for (const auto& [symbol, st] : semitones)
        EXPECT_EQ(theory::kRowSemitones[theory::rowPosition(symbol)], st) << symbol;
    EXPECT_EQ(theory::rowPosition("x"), -1);
}

}  // namespace
