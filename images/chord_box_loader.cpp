// Fills the gallery with the current chord's diagram set, rotated into fret order.
#include <array>

#include "gallery/move_rule.h"
#include "images/library_paths.h"
#include "theory/notes.h"
#include "theory/voicings.h"
#include "ui/lyrafret_demo.h"
#include "ui/pennatone_demo.h"

namespace ui {

namespace {

// Rotation per diagram set and root, in root-button order C Cs Db D Ds Eb E F Fs Gb G Gs Ab A
// As Bb B.
struct RootMoves {
    const char* dir;
    int count;  // shapes in the set: 18 (Box18) or 11 (Box11)
    std::array<int, 17> move;
    std::array<bool, 17> rootDiagram;  // roots whose own diagram the set holds
};
constexpr std::array<RootMoves, 2> kPennatoneMoves{{
    {"20", 18, {0, 2, 2, 2, 4, 4, 5, 11, 13, 13, 13, 15, 15, 15, 16, 16, 17},
     {1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 1, 0, 0, 1, 1, 1, 1}},
    {"21", 11, {0, 1, 1, 1, 2, 2, 3, 6, 8, 8, 8, 9, 9, 9, 10, 10, 0},
     {1, 1, 1, 1, 0, 0, 1, 1, 0, 0, 1, 0, 0, 1, 1, 1, 0}},
}};
constexpr std::array<const char*, 17> kRootSpellings{
    "C", "Cs", "Db", "D", "Ds", "Eb", "E", "F", "Fs", "Gb", "G", "Gs", "Ab", "A", "As", "Bb", "B"};

// Rotation per diagram set, degree and key, keys C Db D Eb E F Gb G Ab A Bb B.
struct KeyMoves {
    const char* dir;
    const char* position;
    int count;  // 9 (Box9) or 8 (Box8)
    std::array<int, 12> move;
};
constexpr std::array<KeyMoves, 6> kLyrafretMoves{{
    {"a", "Major__First", 9, {0, 2, 2, 4, 4, 6, 6, 6, 8, 8, 0, 0}},
    {"b", "Major__First", 9, {0, 1, 1, 2, 3, 5, 6, 6, 7, 7, 8, 0}},
    {"n", "Minor__Second", 9, {0, 1, 1, 2, 2, 2, 3, 4, 5, 5, 5, 7}},
    {"o", "Minor__Second", 8, {0, 0, 0, 3, 3, 4, 4, 5, 6, 6, 6, 6}},
    {"n", "Minor__Third", 9, {1, 2, 2, 2, 3, 4, 5, 5, 5, 7, 0, 1}},
    {"q", "Minor__Third", 9, {2, 4, 4, 4, 4, 5, 6, 6, 7, 8, 0, 1}},
}};
constexpr std::array<const char*, 12> kKeySpellings{"C",  "Db", "D",  "Eb", "E",  "F",
                                                    "Gb", "G",  "Ab", "A",  "Bb", "B"};

template <std::size_t N>
int indexOf(const std::array<const char*, N>& names, const std::string& name) {
    for (std::size_t i = 0; i < N; ++i)
        if (name == names[i]) return static_cast<int>(i);
    return -1;
}

}  // namespace

void PennatoneDemo::Chord_Box_Loader(const std::string& dir) {
    Logo_Box->setVisible(false);
    const int root = indexOf(kRootSpellings, K);
    const RootMoves* listed = nullptr;
    for (const RootMoves& r : kPennatoneMoves)
        if (dir == r.dir) listed = &r;
    const theory::DiagramSet* set = theory::diagramSet(dir);
    bool rootDiagram = false;
    if (root >= 0 && listed) {
        const std::string move = std::to_string(listed->move[root]);
        listed->count == 18 ? Box18(move) : Box11(move);
        rootDiagram = listed->rootDiagram[root];
    } else if (root >= 0 && set && !set->shapes.empty()) {
        // Sets without a listed rotation are put in fret order by the same rule.
        std::vector<int> frets;
        for (const theory::Frets& shape : set->shapes) frets.push_back(theory::lowestFret(shape));
        const int count = static_cast<int>(frets.size());
        placeByRotation(std::to_string(gallery::rotationFor(frets, theory::pitchOf(K))), count,
                        true);
        for (const theory::RootDiagram& d : set->rootDiagrams) rootDiagram |= K == d.root;
    }
    const std::string folder = images::folder(Program_Folder, dir);
    for (int i = 0; i <= Chord_Number.value_or(-1) && i <= 17; ++i)
        Chord_Display(i).setPicture(LoadPicture(folder + std::to_string(i + 1) + ".bmp"));
    if (rootDiagram) Chord_Display(18).setPicture(LoadPicture(folder + K + ".bmp"));
}

void LyrafretDemo::Chord_Box_Loader(const std::string& dir) {
    Logo_Box->setVisible(false);
    const int keyIndex = indexOf(kKeySpellings, K);
    for (const KeyMoves& row : kLyrafretMoves) {
        if (dir != row.dir || position != row.position) continue;
        if (keyIndex >= 0) {
            const std::string move = std::to_string(row.move[keyIndex]);
            row.count == 9 ? Box9(move) : Box8(move);
        }
        break;
    }
    const std::string folder = images::folder(Program_Folder, dir);
    for (int i = 0; i <= Chord_Number.value_or(-1) && i <= 8; ++i)
        Chord_Display(i).setPicture(LoadPicture(folder + std::to_string(i + 1) + ".bmp"));
}

}  // namespace ui
