// The chord finder's selectors: root buttons and steppers, chord-type options
// and steppers, and the chord's root and scale.
#include <algorithm>

#include "chords/pennatone_types.h"
#include "images/library_paths.h"
#include "theory/chord_types.h"
#include "theory/notes.h"
#include "ui/pennatone_demo.h"

namespace ui {

std::string PennatoneDemo::rootForButton(int index) const {
    // Button 1 stands for Db although its pictures are named after Cs.
    return index == 1 ? "Db" : theory::Root_Names.at(index);
}

// A name of the marks is shown by the clicks a player would make: the root
// button that reads the name's root, then the type.
void PennatoneDemo::showNamedChord(const theory::ChordName& name) {
    const auto root = std::find(theory::Root_Names.begin(), theory::Root_Names.end(), name.root);
    const auto type = name.type - theory::kChordTypes.data();
    if (root == theory::Root_Names.end() || type < 0 || type > kLastType) return;
    Base(static_cast<int>(root - theory::Root_Names.begin())).click();
    Ty(static_cast<int>(type)).click();
}

void PennatoneDemo::Base_Click(int Index) {
    if (Index < 0 || Index > 16) return;
    Radio0();
    const std::string normal = namesFolder(images::sub::kButtons);
    for (int i = 0; i < 17; ++i)
        Base(i).setPicture(LoadPicture(normal + theory::Root_Names[i] + ".bmp"));
    Clear__();
    Baser = Index;
    K = rootForButton(Index);
    const auto markers = theory::markerNotes(K);
    Notes.assign(1, nullptr);
    for (std::size_t e = 1; e < markers.size(); ++e) Notes.push_back(&NoteEntry(markers[e]));
    Cover->setVisible(false);
    Base(Index).setPicture(
        LoadPicture(namesFolder(images::sub::kChosenButtons) + theory::Root_Names[Index] + ".bmp"));
}

void PennatoneDemo::Baseup_Click() {
    const int t = Typer.value_or(0);
    const int b = Baser.value_or(0);
    Base_Click(Baser && b == 16 ? 0 : b + 1);
    Ty_Click(t);
    Chord_Report2->setPicture(LoadPicture(Folder_17 + K + ".bmp"));
}

void PennatoneDemo::Basedown_Click() {
    const int t = Typer.value_or(0);
    const int b = Baser.value_or(0);
    Base_Click(b == 0 ? 16 : b - 1);
    Ty_Click(t);
    Chord_Report2->setPicture(LoadPicture(Folder_17 + K + ".bmp"));
}

void PennatoneDemo::Scales_Swap(const std::string& root) {
    const theory::Row& row = theory::chordRootRow(root);
    Current_Scale.assign(row.begin(), row.end());
    const std::string& r = Current_Scale[0];
    Chord_Report->setPicture(LoadPicture(Folder_12 + r + ".bmp"));
    Chord_Report2->setPicture(LoadPicture(Folder_17 + root + ".bmp"));
    Report_Tone->setPicture(LoadPicture(Folder_12 + r + "_Box.bmp"));
    Scale_Note_Loader_2(Current_Scale);
}

void PennatoneDemo::Ty_Click(int Index) {
    for (int i = 0; i <= kLastType; ++i) Ty(i).setBold(false).setForeColor(kWhite);
    // Any index past the last type acts as the neutral entry.
    if (Index < 0 || Index > kLastType) return;
    Typer = Index;
    if (K == "Null") return;
    Ty(Index).setBold(true).setForeColor(kYellow);
    Clear__();
    const chords::PennatoneType* type = chords::pennatoneType(Index);
    if (!type) return;  // no diagrams for this type: the display stays cleared
    Chord_Type = type->key;
    Scales_Swap(K);
    dir = type->dir;
    const int root = theory::pitchOf(K);
    const bool chosenPerRoot = chords::pennatoneGallery(Index, root, tuning()) != nullptr;
    startPages(chords::pennatoneGrips(Index, root, tuning()),
               chosenPerRoot ? std::vector<theory::Frets>{}
                             : setShapes(dir, K, type->Chord_Number.value_or(-1) + 1),
               chords::kPennatoneCells);
    loadGalleryPage();
    Chord_Tone_Setup(Chord_Type);
    const theory::ChordData data = theory::chordData(*theory::chordTypeByKey(Chord_Type));
    tnt.clear();
    for (int bar : data.tnt) tnt.push_back(&Tone(bar));
    cnc = data.cnc;
    showChordTones(data.markerDegrees, data.noteColours);
}

void PennatoneDemo::loadGalleryPage() {
    const chords::PennatoneType* type = Typer ? chords::pennatoneType(*Typer) : nullptr;
    if (!type) return;
    const gallery::Pages& pages = galleryPages();
    const int page = galleryPage();
    if (pages.setFirst() && page == 1) {
        Chord_Number = type->Chord_Number;
        Chord_Box_Loader(dir);
        Fret_Number_Loader(type->baseFrets);
        return;
    }
    const std::vector<theory::GalleryCell> cells = pages.cellsOf(page);
    Chord_Number = static_cast<int>(cells.size()) - 1;
    const bool later = pages.setFirst() || page > 1;
    Grip_Gallery_Loader(
        cells,
        later ? std::nullopt : chords::pennatoneRootGrip(*Typer, theory::pitchOf(K), tuning()),
        true, later);
    Fret_Number_Loader({});  // the chord-type names; the cells carry their numbers
}

void PennatoneDemo::clearGalleryCells() {
    Box18("0");
    Fret_Number_Loader_2({});
    for (int i = 0; i <= 17; ++i) Chord_Display(i).removePicture();
}

void PennatoneDemo::reshowChord() {
    if (LineNumber.empty() || K == "Null" || !Typer || *Typer < 0 || *Typer > kLastType) return;
    Ty_Click(*Typer);
}

namespace {
// A Typer outside the options counts as unset.
int typeOrZero(const std::optional<int>& typer) {
    return typer && *typer >= 0 && *typer <= PennatoneDemo::kLastType ? *typer : 0;
}
}  // namespace

void PennatoneDemo::TypeUp_Click() {
    const int t = typeOrZero(Typer);
    Ty_Click(t == kLastType ? 0 : t + 1);
}

void PennatoneDemo::TypeDown_Click() {
    const int t = typeOrZero(Typer);
    Ty_Click(t == 0 ? kLastType : t - 1);
}

}  // namespace ui
