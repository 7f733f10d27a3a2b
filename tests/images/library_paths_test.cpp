#include "images/library_paths.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using theory::NameSystem;

struct Case {
    const char* picture;
    NameSystem system;
    bool leftHanded;
    const char* expected;
};

TEST(LibraryPaths, PicturesWithNamesFollowTheNamingAndTheHand) {
    const std::array<Case, 16> cases{{
        // Note names in the library: a folder per naming beside the English ones.
        {"img/demo/12/Cs.bmp", NameSystem::German, false, "img/demo/german/12/Cs.bmp"},
        {"img/demo/german/12/Cs.bmp", NameSystem::Solfege, false, "img/demo/solfege/12/Cs.bmp"},
        {"img/demo/solfege/17/Bb.bmp", NameSystem::English, true, "img/demo/17/Bb.bmp"},
        {"img/demo/16/3.bmp", NameSystem::German, true, "img/demo/german/16/3.bmp"},
        {"img/demo/15/B.bmp", NameSystem::German, false, "img/demo/german/15/B.bmp"},
        {"img/demo/12/B_Box.bmp", NameSystem::Solfege, false, "img/demo/solfege/12/B_Box.bmp"},
        // Chord types, fret numbers and diagrams have no note names.
        {"img/demo/19/m7.bmp", NameSystem::German, true, "img/demo/19/m7.bmp"},
        {"img/demo/13/5.bmp", NameSystem::Solfege, true, "img/demo/13/5.bmp"},
        {"img/demo/21/3.bmp", NameSystem::German, true, "img/demo/21/3.bmp"},
        // Built-in artwork: only the neck's overlays have a left-handed drawing.
        {"builtin:note_Bb", NameSystem::German, true, "builtin:german/left/note_Bb"},
        {"builtin:german/left/note_Bb", NameSystem::English, false, "builtin:note_Bb"},
        {"builtin:left/keyoverlay_3", NameSystem::Solfege, true,
         "builtin:solfege/left/keyoverlay_3"},
        {"builtin:root_Cs", NameSystem::Solfege, true, "builtin:solfege/root_Cs"},
        {"builtin:german/select_B", NameSystem::English, true, "builtin:select_B"},
        {"builtin:fretboard", NameSystem::German, true, "builtin:fretboard"},
        {"builtin:mask_low_e", NameSystem::Solfege, true, "builtin:mask_low_e"},
    }};
    for (const Case& c : cases)
        EXPECT_EQ(images::pictureFor(c.picture, c.system, c.leftHanded, "standard"), c.expected)
            << c.picture;
}

// Only the neck's overlays change with the tuning; the tuning's key leads their name.
TEST(LibraryPaths, OverlaysOfAnotherTuningCarryItsKey) {
    struct TuningCase {
        const char* picture;
        NameSystem system;
        bool leftHanded;
        const char* tuning;
        const char* expected;
    };
    const std::array<TuningCase, 10> cases{{
        {"builtin:note_Bb", NameSystem::English, false, "dadgad", "builtin:dadgad/note_Bb"},
        {"builtin:german/left/note_Bb", NameSystem::German, true, "open-g",
         "builtin:open-g/german/left/note_Bb"},
        {"builtin:dadgad/note_Bb", NameSystem::Solfege, true, "half-step-down",
         "builtin:half-step-down/solfege/left/note_Bb"},
        {"builtin:open-d/solfege/left/keyoverlay_11", NameSystem::English, false, "standard",
         "builtin:keyoverlay_11"},
        {"builtin:keyoverlay_0", NameSystem::English, true, "drop-d",
         "builtin:drop-d/left/keyoverlay_0"},
        {"builtin:whole-step-down/note_E", NameSystem::English, false, "whole-step-down",
         "builtin:whole-step-down/note_E"},
        // Buttons, pickers and the neck itself are the same in every tuning.
        {"builtin:root_Cs", NameSystem::German, false, "dadgad", "builtin:german/root_Cs"},
        {"builtin:select_B", NameSystem::English, true, "open-g", "builtin:select_B"},
        {"builtin:fretboard", NameSystem::English, true, "open-d", "builtin:fretboard"},
        {"img/demo/12/Cs.bmp", NameSystem::English, false, "dadgad", "img/demo/12/Cs.bmp"},
    }};
    for (const TuningCase& c : cases)
        EXPECT_EQ(images::pictureFor(c.picture, c.system, c.leftHanded, c.tuning), c.expected)
            << c.picture << " in " << c.tuning;
}

TEST(LibraryPaths, TunedOverlayNamesReadBack) {
    const auto o = images::tunedOverlay("open-g/german/left/keyoverlay_7");
    ASSERT_TRUE(o);
    EXPECT_STREQ(o->tuning->key, "open-g");
    EXPECT_EQ(o->system, NameSystem::German);
    EXPECT_TRUE(o->leftHanded);
    EXPECT_EQ(o->base, "keyoverlay_7");
    const auto plain = images::tunedOverlay("dadgad/note_Cs");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->system, NameSystem::English);
    EXPECT_FALSE(plain->leftHanded);
    // Standard's overlays are stored, and other artwork has no tuning.
    for (const char* name : {"note_Cs", "german/left/note_Cs", "dadgad/root_Cs", "dadgad/capo",
                             "open-x/note_Cs", "dadgad"})
        EXPECT_FALSE(images::tunedOverlay(name)) << name;
}

TEST(LibraryPaths, DefaultsLeaveEveryNameAsItWas) {
    for (const char* name : {"img/demo/12/Cs.bmp", "builtin:note_C", "builtin:key_0",
                             "img/demo/16/Gb.bmp", "builtin:capo", ""})
        EXPECT_EQ(images::pictureFor(name, NameSystem::English, false, "standard"), name);
}

TEST(LibraryPaths, NoteFoldersPerNaming) {
    EXPECT_EQ(images::noteFolder("/p", "12", NameSystem::English), "/p/img/demo/12/");
    EXPECT_EQ(images::noteFolder("/p", "17", NameSystem::German), "/p/img/demo/german/17/");
    EXPECT_EQ(images::noteFolder("/p", "15", NameSystem::Solfege), "/p/img/demo/solfege/15/");
}

}  // namespace
