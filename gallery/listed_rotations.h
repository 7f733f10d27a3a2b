#pragma once

// The listed gallery rotations (the `move` handed to the layout) per diagram set
// and root or key.
#include <array>

namespace gallery {

// Rotation per diagram set and root, in root-button order (theory::Root_Names).
struct RootMoves {
    const char* dir;
    int count;  // shapes in the set: 18 (Box18) or 11 (Box11)
    std::array<int, 17> move;
    std::array<bool, 17> rootDiagram;  // roots whose own diagram the set holds
};
inline constexpr std::array<RootMoves, 2> kRootMoves{{
    {"20",
     18,
     {0, 2, 2, 2, 4, 4, 5, 11, 13, 13, 13, 15, 15, 15, 16, 16, 17},
     {1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 1, 0, 0, 1, 1, 1, 1}},
    {"21",
     11,
     {0, 1, 1, 1, 2, 2, 3, 6, 8, 8, 8, 9, 9, 9, 10, 10, 0},
     {1, 1, 1, 1, 0, 0, 1, 1, 0, 0, 1, 0, 0, 1, 1, 1, 0}},
}};
// Rotation per diagram set, degree and key, in key-button order C Db D Eb E F Gb G Ab A Bb B.
struct KeyMoves {
    const char* dir;
    const char* position;
    int count;  // 9 (Box9) or 8 (Box8)
    std::array<int, 12> move;
};
inline constexpr std::array<KeyMoves, 6> kKeyMoves{{
    {"a", "Major__First", 9, {0, 2, 2, 4, 4, 6, 6, 6, 8, 8, 0, 0}},
    {"b", "Major__First", 9, {0, 1, 1, 2, 3, 5, 6, 6, 7, 7, 8, 0}},
    {"n", "Minor__Second", 9, {0, 1, 1, 2, 2, 2, 3, 4, 5, 5, 5, 7}},
    {"o", "Minor__Second", 8, {0, 0, 0, 3, 3, 4, 4, 5, 6, 6, 6, 6}},
    {"n", "Minor__Third", 9, {1, 2, 2, 2, 3, 4, 5, 5, 5, 7, 0, 1}},
    // Key B reads 2, not 1: fret numbers 14 15 16 18 19 23 23 13 13 only ascend so.
    {"q", "Minor__Third", 9, {2, 4, 4, 4, 4, 5, 6, 6, 7, 8, 0, 2}},
}};

}  // namespace gallery
