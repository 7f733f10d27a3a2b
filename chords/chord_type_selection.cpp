// Chord-type options and steppers, and the spelling of a chord from its formula.
#include "chords/pennatone_types.h"
#include "theory/chord_types.h"
#include "theory/notes.h"
#include "ui/pennatone_demo.h"

namespace ui {

void DemoWindow::Chord_Tone_Setup(const std::string& key) {
    const theory::ChordType* type = theory::chordTypeByKey(key);
    if (!type) return;  // a key without a row changes nothing
    const theory::ChordData data = theory::chordData(*type);
    LineNumber = data.lineNumber;
    ula = data.ula;
    cs = data.cs;
    Formula_Note_Loader();
}

void DemoWindow::Formula_Note_Loader() {
    const int last = std::stoi(LineNumber);
    for (int i = 0; i <= last; ++i)
        Formula_Report(i).setPicture(LoadPicture(Folder_12 + ula.at(i) + ".bmp"));
    for (int i = 0; i <= last; ++i)
        Notes_Report(i).setPicture(
            LoadPicture(Folder_12 + Current_Scale.at(std::stoi(cs.at(i))) + ".bmp"));
}

void DemoWindow::showChordTones(const std::vector<std::string>& markerDegrees,
                                const std::vector<int>& noteColours) {
    const int last = std::stoi(LineNumber);
    for (int i = 0; i <= last && i < static_cast<int>(markerDegrees.size()); ++i)
        Notes.at(std::stoi(markerDegrees[i]))->setVisible(true);
    for (int i = 0; i <= last && i < static_cast<int>(tnt.size()); ++i)
        tnt[i]->setBackColor(cnc[i]);
    for (int i = 0; i <= last && i < static_cast<int>(noteColours.size()); ++i)
        tone_color(i).setBackColor(noteColours[i]);
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
    Chord_Number = type->Chord_Number;
    if (const auto* cells = chords::pennatoneGallery(Index, theory::pitchOf(K), tuning())) {
        Chord_Number = static_cast<int>(cells->size()) - 1;
        Grip_Gallery_Loader(*cells, chords::pennatoneRootGrip(Index, theory::pitchOf(K), tuning()),
                            true);
        Fret_Number_Loader({});  // the chord-type names; the cells carry their numbers
    } else {
        Chord_Box_Loader(dir);
        Fret_Number_Loader(type->baseFrets);
    }
    Chord_Tone_Setup(Chord_Type);
    const theory::ChordData data = theory::chordData(*theory::chordTypeByKey(Chord_Type));
    tnt.clear();
    for (int bar : data.tnt) tnt.push_back(&Tone(bar));
    cnc = data.cnc;
    showChordTones(data.markerDegrees, data.noteColours);
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
