// Key buttons, key steppers, the chord options of a key and the key's scale.
#include "chords/key_tables.h"
#include "images/library_paths.h"
#include "theory/grips.h"
#include "theory/notes.h"
#include "ui/lyrafret_demo.h"

namespace ui {

int LyrafretDemo::rootOffset(const std::string& key) const {
    const int k = chords::keyIndex(key);
    return k < 0 ? -1 : theory::pitchOf(chords::Key_Table[k].K);
}

void LyrafretDemo::Key_C_Click(int Index) {
    if (Index < 0 || Index >= kKeyCount) return;
    Baser = Index;
    for (int i = 0; i < kKeyCount; ++i) Overlay(i).setVisible(false);
    Radio0();
    const std::string normal = namesFolder(images::sub::kButtons);
    for (int i = 0; i < kKeyCount; ++i)
        Key_C(i).setPicture(LoadPicture(normal + std::to_string(i) + ".bmp"));
    Clear__();
    const chords::KeyRow& row = chords::Key_Table[Index];
    K = row.K;
    Notes.assign(1, nullptr);
    for (const char* note : row.scale) Notes.push_back(&NoteEntry(note));
    Scales = std::vector<std::string>(row.scale.begin(), row.scale.end());
    cover->setVisible(false);
    Scale_Note_Loader(*Scales);
    Overlay(Index).setVisible(true);
    Key_C(Index).setPicture(
        LoadPicture(namesFolder(images::sub::kChosenButtons) + std::to_string(Index) + ".bmp"));
    Chord_Report2->setPicture(LoadPicture(Folder_17 + K + ".bmp"));
}

void LyrafretDemo::key_Click(int Index) {
    Keyer = Index;
    for (const auto& [i, option] : key.members())
        if (i != kNeutralOption) option->setBold(false).setForeColor(kWhite);
    if (K == "Null") return;
    if (Index == kNeutralOption || !key.has(Index)) return;
    key(Index).setBold(true).setForeColor(kYellow);
    Clear__();
    const chords::KeyChord* row = chords::keyChord(Index);
    if (!row) return;  // no chord data for this option: the display stays cleared
    Chord_Type = row->Chord_Type;
    position = row->position;
    Scales_Swap(position);
    dir = row->dir;
    const bool chosenPerRoot = chords::keyGallery(Index, K, tuning()) != nullptr;
    startPages(chords::keyGrips(Index, K, tuning()),
               chosenPerRoot ? std::vector<theory::Frets>{}
                             : setShapes(dir, shownRoot(), row->Chord_Number.value_or(-1) + 1),
               chords::kKeyCells);
    loadGalleryPage();
    Chord_Tone_Setup(Chord_Type);
    tnt.clear();
    for (int bar : row->tnt) tnt.push_back(&Tone(bar));
    cnc = row->cnc;
    showChordTones(row->markerDegrees, row->noteColours);
    Type_o2->setPicture(
        LoadPicture(images::folder(Program_Folder, images::sub::kTypeNames) + Chord_Type + ".bmp"));
}

void LyrafretDemo::loadGalleryPage() {
    const chords::KeyChord* row = Keyer ? chords::keyChord(*Keyer) : nullptr;
    if (!row) return;
    const gallery::Pages& pages = galleryPages();
    const int page = galleryPage();
    if (pages.setFirst() && page == 1) {
        Chord_Number = row->Chord_Number;
        Chord_Box_Loader(dir);
        Fret_Number_Loader(row->baseFrets);
        return;
    }
    const std::vector<theory::GalleryCell> cells = pages.cellsOf(page);
    Chord_Number = static_cast<int>(cells.size()) - 1;
    Grip_Gallery_Loader(cells, std::nullopt, false, pages.setFirst() || page > 1);
    Fret_Number_Loader({});  // the chord-type names; the cells carry their numbers
}

void LyrafretDemo::clearGalleryCells() {
    Box9("0");
    Fret_Number_Loader_2(std::vector<std::string>(9, "0"));
    for (int i = 0; i <= 8; ++i) Chord_Display(i).setPicture(LoadPicture(Folder_13 + "b2.bmp"));
}

void LyrafretDemo::reshowChord() {
    if (LineNumber.empty() || K == "Null" || !Keyer || *Keyer == kNeutralOption) return;
    key_Click(*Keyer);
}

void LyrafretDemo::KeyUp_Click() {
    const std::optional<int> remembered = Keyer;
    const int b = Baser.value_or(0);
    Key_C_Click(b == kKeyCount - 1 ? 0 : b + 1);
    key_Click(remembered.value_or(kNeutralOption));
    Chord_Report2->setPicture(LoadPicture(Folder_17 + K + ".bmp"));
}

void LyrafretDemo::KeyDown_Click() {
    const std::optional<int> remembered = Keyer;
    const int b = Baser.value_or(0);
    Key_C_Click(b == 0 ? kKeyCount - 1 : b - 1);
    key_Click(remembered.value_or(kNeutralOption));
    Chord_Report2->setPicture(LoadPicture(Folder_17 + K + ".bmp"));
}

// The chord's root: the key's scale note on the chosen degree.
std::string LyrafretDemo::shownRoot() const {
    const int degree = chords::degreeIndex(position);
    if (!Scales || degree < 0 || degree >= static_cast<int>(Scales->size())) return {};
    return (*Scales)[std::size_t(degree)];
}

// The option of a key that offers a named chord, -1 when the key has none.
int LyrafretDemo::optionFor(int keyIndex, const theory::ChordName& name) {
    return chords::optionOffering(keyIndex, theory::pitchOf(name.root),
                                  theory::chordTones(*name.type).allowed);
}

// A name is shown as a chord of a key, by the clicks a player would make: in
// the key on show when one of its degrees offers it, else in the first key
// (in button order) that does. A chord no key offers changes nothing.
void LyrafretDemo::showNamedChord(const theory::ChordName& name) {
    const int shown = K == "Null" ? -1 : chords::keyIndex(K);
    if (shown >= 0) {
        if (const int option = optionFor(shown, name); option >= 0) {
            key(option).click();
            return;
        }
    }
    for (int k = 0; k < kKeyCount; ++k) {
        if (const int option = optionFor(k, name); option >= 0) {
            Key_C(k).click();
            key(option).click();
            return;
        }
    }
}

std::string LyrafretDemo::namedChordHint(const theory::ChordName& name,
                                         const std::string& shown) const {
    for (int k = 0; k < kKeyCount; ++k)
        if (optionFor(k, name) >= 0) return "Show " + shown + " among the chords of a key";
    return shown + " is not among the chords of any key";
}

void LyrafretDemo::Scales_Swap(const std::string& degree) {
    const auto row = chords::degreeRow(K, degree);
    if (!row) return;  // no row for this key and degree: nothing to show
    Current_Scale = *row;
    const std::string& r = Current_Scale[0];
    Chord_Report->setPicture(LoadPicture(Folder_12 + r + ".bmp"));
    Chord_Report2->setPicture(LoadPicture(Folder_17 + r + ".bmp"));
    Report_Tone->setPicture(LoadPicture(Folder_12 + r + "_Box.bmp"));
    Scale_Note_Loader_2(Current_Scale);
}

void LyrafretDemo::Scale_Note_Loader(const std::vector<std::string>& scaleList) {
    Report_Key->setPicture(LoadPicture(Folder_12 + scaleList.at(0) + ".bmp"));
    for (int i = 0; i < 7; ++i)
        Roman(i).setPicture(LoadPicture(Folder_12 + scaleList.at(i) + ".bmp"));
}

}  // namespace ui
