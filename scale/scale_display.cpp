// The chord root, its strip and its major scale; in the key window also the key's scale.
#include "chords/key_tables.h"
#include "theory/notes.h"
#include "ui/lyrafret_demo.h"
#include "ui/pennatone_demo.h"

namespace ui {

void DemoWindow::Scale_Note_Loader_2(const std::vector<std::string>& row) {
    Current_Scale_2.clear();
    for (int p : theory::kMajorScalePositions) Current_Scale_2.push_back(row.at(p));
    for (int i = 0; i < 7; ++i)
        Scale_Report(i).setPicture(LoadPicture(Folder_12 + Current_Scale_2[i] + ".bmp"));
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
