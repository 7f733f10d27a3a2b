// What both windows show of a chord: its formula and notes, the major scale of
// its root, its overlays and tone bars; and the note pickers.
#include "theory/chord_types.h"
#include "theory/notes.h"
#include "ui/demo_window.h"

namespace ui {

void DemoWindow::Scale_Note_Loader_2(const std::vector<std::string>& row) {
    Current_Scale_2.clear();
    for (int p : theory::kMajorScalePositions) Current_Scale_2.push_back(row.at(p));
    for (int i = 0; i < 7; ++i)
        Scale_Report(i).setPicture(LoadPicture(Folder_12 + Current_Scale_2[i] + ".bmp"));
}

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

void DemoWindow::showChordTones(const std::vector<int>& markerDegrees,
                                const std::vector<int>& noteColours) {
    const int last = std::stoi(LineNumber);
    for (int i = 0; i <= last && i < static_cast<int>(markerDegrees.size()); ++i)
        Notes.at(std::size_t(markerDegrees[std::size_t(i)]))->setVisible(true);
    for (int i = 0; i <= last && i < static_cast<int>(tnt.size()); ++i)
        tnt[i]->setBackColor(cnc[i]);
    for (int i = 0; i <= last && i < static_cast<int>(noteColours.size()); ++i)
        tone_color(i).setBackColor(noteColours[i]);
}

#define DEMO_DEFINE_SELECT(n)               \
    void DemoWindow::Select_##n##_Click() { \
        toggle(NoteEntry(#n));              \
    }
DEMO_NOTES(DEMO_DEFINE_SELECT)
#undef DEMO_DEFINE_SELECT

}  // namespace ui
