// Fret numbers beside the gallery diagrams, and the chord-type name pictures.
#include <algorithm>

#include "gallery/move_rule.h"
#include "images/library_paths.h"
#include "theory/notes.h"
#include "theory/voicings.h"
#include "ui/lyrafret_demo.h"
#include "ui/pennatone_demo.h"

namespace ui {

void DemoWindow::Fret_Number_Loader(const std::vector<std::string>& Fret_Number) {
    const int offset = rootOffset(K);  // -1: no row, the base numbers stand as they are
    const int last = std::min(Chord_Number.value_or(-1), static_cast<int>(Fret_Number.size()) - 1);
    for (int i = 0; i <= last; ++i) {
        int n = std::stoi(Fret_Number[i]) + (offset < 0 ? 0 : offset);
        if (const theory::DiagramSet* set = theory::diagramSet(dir);
            set && i < static_cast<int>(set->shapes.size())) {
            const theory::Frets& shape = set->shapes[std::size_t(i)];
            const int low = theory::lowestFret(shape);
            n = gallery::onTheNeck(n, *std::max_element(shape.begin(), shape.end()) - low);
        }
        FretDisplay(i).setPicture(LoadPicture(Folder_13 + std::to_string(n) + ".bmp"));
    }
    Type_o->setPicture(LoadPicture(images::folder(Program_Folder, "19") + Chord_Type + ".bmp"));
    if (showsTypeO2())
        Type_o2->setPicture(
            LoadPicture(images::folder(Program_Folder, "18") + Chord_Type + ".bmp"));
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
