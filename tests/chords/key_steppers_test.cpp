// The key window's steppers and the option of a key that offers a chord, checked
// against the columns as a player reads them on screen (I ii iii IV V vi vii°).
#include <gtest/gtest.h>

#include <optional>

#include "chords/degree_steps.h"
#include "chords/key_tables.h"
#include "theory/chord_types.h"
#include "theory/grips.h"

namespace {

struct Step {
    int from;
    std::optional<int> up, down;
};

TEST(KeySteppers, ADegreeStepLandsOnTheTriadOfTheNeighbouringDegree) {
    const Step steps[] = {
        {0, 2, 4},                         // I: the first three degrees go round, I ii iii
        {3, 4, 0},                         // ii add9
        {5, 0, 2},                         // iii m7
        {34, 44, 4},                       // IV Major: V above, iii below
        {44, 65, 34},                      // V Major
        {65, 76, 44},                      // vi minor
        {76, 0, 65},                       // vii° steps up to I
        {53, 65, 34},                      // V 7sus4 goes to the triads beside its column
        {78, std::nullopt, std::nullopt},  // the neutral entry has no step
    };
    for (const Step& s : steps) {
        EXPECT_EQ(chords::degreeStep(s.from, true), s.up) << s.from;
        EXPECT_EQ(chords::degreeStep(s.from, false), s.down) << s.from;
    }
}

TEST(KeySteppers, ATypeStepWalksTheColumnInScreenOrder) {
    const Step steps[] = {
        {0, 1, 5},                 // the first three degrees' six options go round
        {5, 0, 4},    {6, 7, 83},  // I maj9 sits below maj7/6 and above maj13
        {12, 0, 11},               // the last of column I wraps to its top
        {34, 35, 43},              // IV Major wraps down to sus2/6
        {76, 77, 77},              // vii° has two options
    };
    for (const Step& s : steps) {
        EXPECT_EQ(chords::typeStep(s.from, true), s.up) << s.from;
        EXPECT_EQ(chords::typeStep(s.from, false), s.down) << s.from;
    }
}

unsigned tones(const char* type) {
    return theory::chordTones(*theory::chordTypeByKey(type)).allowed;
}

TEST(KeySteppers, AChordIsOfferedOnTheDegreeItsRootStandsOn) {
    const int C = chords::keyIndex("C"), G = chords::keyIndex("G"), F = chords::keyIndex("F");
    EXPECT_EQ(chords::optionOffering(C, 2, tones("minor")), 2);    // Dm, ii of C
    EXPECT_EQ(chords::optionOffering(C, 4, tones("minor")), 4);    // Em, iii
    EXPECT_EQ(chords::optionOffering(C, 9, tones("minor")), 65);   // Am, vi
    EXPECT_EQ(chords::optionOffering(C, 11, tones("dim")), 76);    // B°, vii°
    EXPECT_EQ(chords::optionOffering(C, 7, tones("7th")), 48);     // G7, V
    EXPECT_EQ(chords::optionOffering(G, 4, tones("minor")), 65);   // Em, vi of G
    EXPECT_EQ(chords::optionOffering(F, 10, tones("major")), 34);  // B♭, IV of F
    EXPECT_EQ(chords::optionOffering(C, 2, tones("major")), -1);   // D major is not in C
    EXPECT_EQ(chords::optionOffering(C, 1, tones("minor")), -1);   // nor anything on C♯
    EXPECT_EQ(chords::optionOffering(-1, 0, tones("major")), -1);
}

}  // namespace
