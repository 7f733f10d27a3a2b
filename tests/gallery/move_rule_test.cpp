#include "gallery/move_rule.h"

#include <gtest/gtest.h>

#include "chords/key_tables.h"
#include "chords/pennatone_types.h"
#include "gallery/listed_rotations.h"
#include "theory/notes.h"

namespace {

TEST(MoveRule, ReproducesEveryListedRotationOfTheChordFinder) {
    for (const auto& row : gallery::kRootMoves) {
        const chords::PennatoneType* type = nullptr;
        for (const auto& t : chords::pennatoneTypes())
            if (row.dir == std::string(t.dir)) type = &t;
        ASSERT_NE(type, nullptr) << row.dir;
        const auto frets = type->baseFrets;
        ASSERT_EQ(static_cast<int>(frets.size()), row.count);
        for (int r = 0; r < 17; ++r)
            EXPECT_EQ(gallery::rotationFor(frets, theory::pitchOf(theory::Root_Names[r])),
                      row.move[r])
                << row.dir << " root " << theory::Root_Names[r];
    }
}

TEST(MoveRule, ReproducesEveryListedRotationOfTheKeyWindow) {
    for (const auto& row : gallery::kKeyMoves) {
        const chords::KeyChord* chord = nullptr;
        for (const auto& c : chords::keyChords())
            if (row.dir == std::string(c.dir) && row.position == std::string(c.position))
                chord = &c;
        ASSERT_NE(chord, nullptr) << row.dir;
        const auto frets = chord->baseFrets;
        for (int k = 0; k < 12; ++k)
            EXPECT_EQ(gallery::rotationFor(frets, k), row.move[k])
                << row.dir << " " << row.position << " key " << chords::Key_Table[k].K;
    }
}

TEST(MoveRule, EdgeCases) {
    EXPECT_EQ(gallery::rotationFor(std::vector<int>{5}, 11), 0);
    EXPECT_EQ(gallery::rotationFor(std::vector<int>{2, 3, 5}, 11), 0) << "all wrap: 13 14 16";
    EXPECT_EQ(gallery::rotationFor(std::vector<int>{3, 3, 4, 4, 7, 8, 9, 12, 2}, 0), 1);
    EXPECT_EQ(gallery::rotationFor(std::vector<int>{3, 3, 4, 4, 7, 8, 9, 12, 2}, 1), 2);
}

TEST(MoveRule, DegreeBaseFretsOfTheGivenRowsComeFromTheirSets) {
    for (int option = 0; option <= 5; ++option) {
        const chords::KeyChord* c = chords::keyChord(option);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(chords::degreeBaseFrets(c->dir, chords::degreeIndex(c->position)), c->baseFrets)
            << "option " << option;
    }
}

}  // namespace
