// Root buttons, root steppers and the note pickers.
#include <algorithm>

#include "images/library_paths.h"
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
    const std::string normal = namesFolder("16");
    for (int i = 0; i < 17; ++i)
        Base(i).setPicture(LoadPicture(normal + theory::Root_Names[i] + ".bmp"));
    Clear__();
    Baser = Index;
    K = rootForButton(Index);
    const auto markers = theory::markerNotes(K);
    Notes.assign(1, nullptr);
    for (std::size_t e = 1; e < markers.size(); ++e) Notes.push_back(&NoteEntry(markers[e]));
    Cover->setVisible(false);
    Base(Index).setPicture(LoadPicture(namesFolder("15") + theory::Root_Names[Index] + ".bmp"));
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

#define DEMO_DEFINE_SELECT(n)               \
    void DemoWindow::Select_##n##_Click() { \
        toggle(NoteEntry(#n));              \
    }
DEMO_NOTES(DEMO_DEFINE_SELECT)
#undef DEMO_DEFINE_SELECT

}  // namespace ui
