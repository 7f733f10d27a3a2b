#include "theory/note_names.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "theory/notes.h"

namespace {

using theory::NameSystem;

// How a player reading each system names the seventeen spellings.
struct Names {
    const char* spelling;
    const char* english;
    const char* german;
    const char* solfege;
};
constexpr std::array<Names, 17> kNames{{
    {"C", "C", "C", "Do"},
    {"Cs", "C♯", "C♯", "Do♯"},
    {"Db", "D♭", "D♭", "Re♭"},
    {"D", "D", "D", "Re"},
    {"Ds", "D♯", "D♯", "Re♯"},
    {"Eb", "E♭", "E♭", "Mi♭"},
    {"E", "E", "E", "Mi"},
    {"F", "F", "F", "Fa"},
    {"Fs", "F♯", "F♯", "Fa♯"},
    {"Gb", "G♭", "G♭", "Sol♭"},
    {"G", "G", "G", "Sol"},
    {"Gs", "G♯", "G♯", "Sol♯"},
    {"Ab", "A♭", "A♭", "La♭"},
    {"A", "A", "A", "La"},
    {"As", "A♯", "A♯", "La♯"},
    {"Bb", "B♭", "B", "Si♭"},
    {"B", "B", "H", "Si"},
}};

TEST(NoteNames, EverySpellingInEverySystem) {
    for (const Names& n : kNames) {
        SCOPED_TRACE(n.spelling);
        EXPECT_EQ(theory::shownName(n.spelling, NameSystem::English), n.english);
        EXPECT_EQ(theory::shownName(n.spelling, NameSystem::German), n.german);
        EXPECT_EQ(theory::shownName(n.spelling, NameSystem::Solfege), n.solfege);
    }
}

TEST(NoteNames, CoverTheRootButtonsExactly) {
    ASSERT_EQ(kNames.size(), theory::Root_Names.size());
    for (std::size_t i = 0; i < kNames.size(); ++i)
        EXPECT_STREQ(kNames[i].spelling, theory::Root_Names[i]);
}

TEST(NoteNames, DifferentPitchesNeverShareAName) {
    for (NameSystem system : theory::kNameSystems)
        for (const Names& a : kNames)
            for (const Names& b : kNames) {
                if (theory::pitchOf(a.spelling) == theory::pitchOf(b.spelling)) continue;
                EXPECT_NE(theory::shownName(a.spelling, system),
                          theory::shownName(b.spelling, system))
                    << a.spelling << " " << b.spelling;
            }
}

TEST(NoteNames, OtherTextsHaveNoName) {
    for (const char* text : {"", "H", "Cb#", "c", "Cx", "Null", "b3"})
        for (NameSystem system : theory::kNameSystems)
            EXPECT_EQ(theory::shownName(text, system), "") << text;
}

TEST(NoteNames, SystemKeysRoundTripAndUnknownOnesAreRefused) {
    const std::array<std::pair<const char*, NameSystem>, 3> keys{
        {{"english", NameSystem::English},
         {"german", NameSystem::German},
         {"solfege", NameSystem::Solfege}}};
    for (const auto& [key, system] : keys) {
        EXPECT_EQ(theory::nameSystemKey(system), key);
        EXPECT_EQ(theory::nameSystemFromKey(key), system);
    }
    for (const char* bad : {"", "English", "solfège", "french", "german "})
        EXPECT_FALSE(theory::nameSystemFromKey(bad)) << bad;
}

}  // namespace
