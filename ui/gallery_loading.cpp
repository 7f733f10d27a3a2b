// The gallery: the current chord's diagrams rotated into fret order, and the
// fret numbers beside them.
#include <algorithm>
#include <array>

#include "artwork/chord_box.h"
#include "chords/key_tables.h"
#include "gallery/layout.h"
#include "gallery/listed_rotations.h"
#include "gallery/move_rule.h"
#include "images/grip_pictures.h"
#include "images/library_paths.h"
#include "theory/given_sets.h"
#include "theory/notes.h"
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

// What picture i of a stored set sounds at this root.
std::optional<theory::Frets> movedShape(const theory::DiagramSet* set, int i,
                                        const std::string& root) {
    if (!set || i < 0 || i >= static_cast<int>(set->shapes.size())) return std::nullopt;
    const int to = theory::pitchOf(root), from = theory::pitchOf(set->chordRoot);
    if (to < 0 || from < 0) return std::nullopt;
    return gallery::shiftedShape(set->shapes[std::size_t(i)], (to - from + 12) % 12);
}

// A later page's diagram, drawn as the library draws its pictures.
Picture drawnGrip(const theory::Frets& frets, bool atNut) {
    Picture p;
    p.image = atNut ? artwork::drawFirstPosition(frets) : artwork::drawGalleryShape(frets);
    p.name = std::string(images::kBuiltinPrefix) + images::gripPicture(frets, atNut);
    return p;
}

}  // namespace

// The shapes a given set shows at the chord's root, as its cells remember them.
std::vector<theory::Frets> DemoWindow::setShapes(const std::string& dir, const std::string& root,
                                                 int count) const {
    std::vector<theory::Frets> shapes;
    const theory::DiagramSet* set = theory::diagramSet(dir);
    for (int i = 0; i < count; ++i)
        if (auto f = movedShape(set, i, root)) shapes.push_back(*f);
    return shapes;
}

using gallery::kKeyMoves;
using gallery::kRootMoves;

void PennatoneDemo::Chord_Box_Loader(const std::string& dir) {
    Logo_Box->setVisible(false);
    const int root = indexOf(theory::Root_Names, K);
    const gallery::RootMoves* listed = nullptr;
    for (const gallery::RootMoves& r : kRootMoves)
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
                if (K == d.root) rememberGrip(18, d.frets, true);
    }
}

void DemoWindow::Grip_Gallery_Loader(const std::vector<theory::GalleryCell>& cells,
                                     const std::optional<theory::Frets>& rootGrip, bool rowsChange,
                                     bool laterPage) {
    Logo_Box->setVisible(false);
    const int count = static_cast<int>(cells.size());
    placeByRotation("0", count, rowsChange);
    const std::string library = Program_Folder + images::kLibrary;
    forgetGrips(laterPage);
    for (int i = 0; i < count; ++i) {
        const theory::GalleryCell& cell = cells[std::size_t(i)];
        Chord_Display(i).setPicture(
            laterPage ? drawnGrip(cell.frets, cell.atNut())
                      : LoadPicture(library + images::gripPicture(cell.frets, cell.atNut())));
        // Remembered at once: a fret number that fails to load leaves the diagram on show.
        rememberGrip(i, cell.frets, cell.atNut());
        FretDisplay(i).setPicture(LoadPicture(Folder_13 + std::to_string(cell.fret) + ".bmp"));
    }
    if (rootGrip && !laterPage) {
        Chord_Display(18).setPicture(LoadPicture(library + images::gripPicture(*rootGrip, true)));
        rememberGrip(18, *rootGrip, true);
    }
}

void DemoWindow::startPages(std::vector<theory::GalleryCell> ranked,
                            const std::vector<theory::Frets>& set, int cells) {
    m_gallery.setPages(set.empty() ? gallery::Pages(std::move(ranked), cells)
                                   : gallery::Pages(std::move(ranked), set, cells));
}

void DemoWindow::Page_Click(int step) {
    if (!m_gallery.flip(step)) return;
    clearGalleryCells();
    loadGalleryPage();
}

void LyrafretDemo::Chord_Box_Loader(const std::string& dir) {
    Logo_Box->setVisible(false);
    const int keyIndex = chords::keyIndex(K);
    const gallery::KeyMoves* listed = nullptr;
    for (const gallery::KeyMoves& row : kKeyMoves)
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

void DemoWindow::placeByRotation(const std::string& move, int count, bool rowsChange) {
    const auto m = gallery::acceptedRotation(move, count);
    if (!m) return;  // not an accepted rotation: nothing moves
    for (int i = 0; i < count; ++i) {
        const gallery::CellPlace place = gallery::rotatedPlace(i, *m, count);
        Chord_Display(i).setLeft(place.diagramLeft);
        if (rowsChange) Chord_Display(i).setTop(place.top);
        FretDisplay(i).setLeft(place.numberLeft);
        if (rowsChange) FretDisplay(i).setTop(place.top);
    }
}

void PennatoneDemo::Box18(const std::string& move) {
    placeByRotation(move, 18, true);
}
void PennatoneDemo::Box11(const std::string& move) {
    placeByRotation(move, 11, true);
}
void LyrafretDemo::Box9(const std::string& move) {
    placeByRotation(move, 9, false);
}
void LyrafretDemo::Box8(const std::string& move) {
    placeByRotation(move, 8, false);
}

void DemoWindow::Fret_Number_Loader(const std::vector<int>& Fret_Number) {
    const int offset = rootOffset(K);  // -1: no row, the base numbers stand as they are
    const int last = std::min(Chord_Number.value_or(-1), static_cast<int>(Fret_Number.size()) - 1);
    for (int i = 0; i <= last; ++i) {
        int n = Fret_Number[std::size_t(i)] + (offset < 0 ? 0 : offset);
        if (const theory::DiagramSet* set = theory::diagramSet(dir);
            set && i < static_cast<int>(set->shapes.size())) {
            const theory::Frets& shape = set->shapes[std::size_t(i)];
            const int low = theory::lowestFret(shape);
            n = gallery::onTheNeck(n, *std::max_element(shape.begin(), shape.end()) - low);
        }
        FretDisplay(i).setPicture(LoadPicture(Folder_13 + std::to_string(n) + ".bmp"));
    }
    Type_o->setPicture(LoadPicture(images::folder(Program_Folder, images::sub::kTypeCaptions) +
                                   Chord_Type + ".bmp"));
    if (showsTypeO2())
        Type_o2->setPicture(LoadPicture(images::folder(Program_Folder, images::sub::kTypeNames) +
                                        Chord_Type + ".bmp"));
}

int PennatoneDemo::rootOffset(const std::string& key) const {
    return theory::pitchOf(key);
}

void PennatoneDemo::Fret_Number_Loader_2(const std::vector<std::string>&) {
    for (int i = 0; i <= 17; ++i) FretDisplay(i).removePicture();
}

void LyrafretDemo::Fret_Number_Loader_2(const std::vector<std::string>& Fret_Number) {
    for (int i = 0; i <= 8 && i < static_cast<int>(Fret_Number.size()); ++i)
        FretDisplay(i).setPicture(LoadPicture(Folder_13 + Fret_Number[i] + ".bmp"));
}

}  // namespace ui
