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
        EXPECT_EQ(images::pictureFor(c.picture, c.system, c.leftHanded), c.expected) << c.picture;
}

TEST(LibraryPaths, DefaultsLeaveEveryNameAsItWas) {
    for (const char* name : {"img/demo/12/Cs.bmp", "builtin:note_C", "builtin:key_0",
                             "img/demo/16/Gb.bmp", "builtin:capo", ""})
        EXPECT_EQ(images::pictureFor(name, NameSystem::English, false), name);
}

TEST(LibraryPaths, NoteFoldersPerNaming) {
    EXPECT_EQ(images::noteFolder("/p", "12", NameSystem::English), "/p/img/demo/12/");
    EXPECT_EQ(images::noteFolder("/p", "17", NameSystem::German), "/p/img/demo/german/17/");
    EXPECT_EQ(images::noteFolder("/p", "15", NameSystem::Solfege), "/p/img/demo/solfege/15/");
}

}  // namespace
