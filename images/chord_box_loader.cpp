// Fills the gallery with the current chord's diagram set, rotated into fret order.
#include <array>

#include "chords/key_tables.h"
#include "gallery/move_rule.h"
#include "images/diagram_moves.h"
#include "images/grip_pictures.h"
#include "images/library_paths.h"
#include "theory/notes.h"
#include "theory/voicings.h"
#include "ui/lyrafret_demo.h"
#include "ui/pennatone_demo.h"

namespace ui {

namespace {

template <std::size_t N>
int indexOf(const std::array<const char*, N>& names, const std::string& name) {
    for (std::size_t i = 0; i < N; ++i)
        if (name == names[i]) return static_cast<int>(i);
    return -1;
}

// What picture i of a stored set sounds at this root: the stored shape moved
// up by the distance between the roots, its open strings becoming a barre,
// and shown twelve frets lower where it would pass the last fret.
std::optional<theory::Frets> movedShape(const theory::DiagramSet* set, int i,
                                        const std::string& root) {
    if (!set || i < 0 || i >= static_cast<int>(set->shapes.size())) return std::nullopt;
    const int to = theory::pitchOf(root), from = theory::pitchOf(set->chordRoot);
    if (to < 0 || from < 0) return std::nullopt;
    const int shift = (to - from + 12) % 12;
    theory::Frets frets = set->shapes[std::size_t(i)];
    int highest = 0;
    for (int& f : frets)
        if (f >= 0) highest = std::max(highest, f += shift);
    if (highest > 22 && theory::lowestFret(frets) >= 12)
        for (int& f : frets)
            if (f >= 0) f -= 12;
    return frets;
}

}  // namespace

using images::kKeyMoves;
using images::kRootMoves;

void PennatoneDemo::Chord_Box_Loader(const std::string& dir) {
    Logo_Box->setVisible(false);
    const int root = indexOf(theory::Root_Names, K);
    const images::RootMoves* listed = nullptr;
    for (const images::RootMoves& r : kRootMoves)
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
    forgetGrips();
    for (int i = 0; i <= Chord_Number.value_or(-1) && i <= 17; ++i) {
        Chord_Display(i).setPicture(LoadPicture(folder + std::to_string(i + 1) + ".bmp"));
        rememberGrip(i, movedShape(set, i, K));
    }
    if (rootDiagram) {
        Chord_Display(18).setPicture(LoadPicture(folder + K + ".bmp"));
        if (set)
            for (const theory::RootDiagram& d : set->rootDiagrams)
                if (K == d.root) rememberGrip(18, d.frets);
    }
}

void DemoWindow::Grip_Gallery_Loader(const std::vector<theory::GalleryCell>& cells,
                                     const std::optional<theory::Frets>& rootGrip,
                                     bool rowsChange) {
    Logo_Box->setVisible(false);
    const int count = static_cast<int>(cells.size());
    placeByRotation("0", count, rowsChange);
    const std::string library = Program_Folder + images::kLibrary;
    forgetGrips();
    for (int i = 0; i < count; ++i) {
        const theory::GalleryCell& cell = cells[std::size_t(i)];
        Chord_Display(i).setPicture(
            LoadPicture(library + images::gripPicture(cell.frets, cell.atNut())));
        FretDisplay(i).setPicture(LoadPicture(Folder_13 + std::to_string(cell.fret) + ".bmp"));
        rememberGrip(i, cell.frets);
    }
    if (rootGrip) {
        Chord_Display(18).setPicture(LoadPicture(library + images::gripPicture(*rootGrip, true)));
        rememberGrip(18, *rootGrip);
    }
}

void LyrafretDemo::Chord_Box_Loader(const std::string& dir) {
    Logo_Box->setVisible(false);
    const int keyIndex = chords::keyIndex(K);
    const images::KeyMoves* listed = nullptr;
    for (const images::KeyMoves& row : kKeyMoves)
        if (dir == row.dir && position == row.position) listed = &row;
    if (keyIndex >= 0 && listed) {
        const std::string move = std::to_string(listed->move[keyIndex]);
        listed->count == 9 ? Box9(move) : Box8(move);
    } else if (keyIndex >= 0) {
        // Sets and degrees without a listed rotation are put in fret order by the same rule.
        const auto frets = chords::degreeBaseFrets(dir, chords::degreeIndex(position));
        if (!frets.empty())
            placeByRotation(std::to_string(gallery::rotationFor(frets, theory::pitchOf(K))),
                            static_cast<int>(frets.size()), false);
    }
    const std::string folder = images::folder(Program_Folder, dir);
    forgetGrips();
    const theory::DiagramSet* set = theory::diagramSet(dir);
    for (int i = 0; i <= Chord_Number.value_or(-1) && i <= 8; ++i) {
        Chord_Display(i).setPicture(LoadPicture(folder + std::to_string(i + 1) + ".bmp"));
        rememberGrip(i, movedShape(set, i, shownRoot()));
    }
}

}  // namespace ui
