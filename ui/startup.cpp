// Start-up, the two shared resets, "Clear" and "Exit".
#include "images/library_paths.h"
#include "theory/notes.h"
#include "ui/lyrafret_demo.h"
#include "ui/pennatone_demo.h"

namespace ui {

void DemoWindow::Form_Load() {
    Program_Folder = m_platform.programFolder;
    Folder_13 = images::folder(Program_Folder, images::sub::kFretNumbers);
    Folder_17 = namesFolder(images::sub::kLargeNotes);
    Folder_12 = namesFolder(images::sub::kNotes);
    Chord_Number = 8;
    K = "Null";
    LineNumber = "Null";
}

// The steps both windows' Clear__ take in the same order.
void DemoWindow::clearReports() {
    for (int i = 0; i < 7; ++i) Scale_Report(i).removePicture();
    Logo_Box->setVisible(true);
    for (int i = 0; i < 7; ++i) Notes_Report(i).removePicture();
    for (int i = 0; i < 7; ++i) Formula_Report(i).removePicture();
    Report_Tone->removePicture();
    Type_o->removePicture();
}

void DemoWindow::clearToneDisplays() {
    Clear_Fretboard_Click();
    for (int k = 1; k <= 12; ++k) Tone(k).setBackColor(kBlack);
    for (int i = 0; i < 7; ++i) tone_color(i).setBackColor(kBlack);
    Mini_Clip->removePicture();
    Chord_Report->removePicture();
    Chord_Report2->removePicture();
}

// --- PennatoneDemo -------------------------------------------------------------------

void PennatoneDemo::Form_Load() {
    DemoWindow::Form_Load();
    Radio0();
}

void PennatoneDemo::Radio0() {
    Ty_Click(kNeutralType);
    Ty(kNeutralType).setValue(true);
}

void PennatoneDemo::Clear__() {
    clearPages();
    Box18("0");
    LineNumber.assign(1, '1');  // = "1" trips GCC 12's -Wrestrict at -O3
    clearReports();
    Type_o2->removePicture();
    Fret_Number_Loader_2(std::vector<std::string>(9, "0"));
    for (int i = 0; i <= 18; ++i) Chord_Display(i).removePicture();
    clearToneDisplays();
}

void PennatoneDemo::Clear_Me_Click() {
    K = "Null";
    Cover->setVisible(true);
    Radio0();
    Clear__();
    for (Control* c : {Overlay, Type_o, Type_o2, Mini_Clip, Chord_Report, Chord_Report2})
        c->removePicture();
    Scales = std::vector<std::string>(8);
    const std::string normal = namesFolder(images::sub::kButtons);
    for (int i = 0; i < 17; ++i)
        Base(i).setPicture(LoadPicture(normal + theory::Root_Names[i] + ".bmp"));
}

void PennatoneDemo::close_me_Click() {
    exitProgram();
}

// --- LyrafretDemo --------------------------------------------------------------------

void LyrafretDemo::Form_Load() {
    DemoWindow::Form_Load();
    Radio0();
}

void LyrafretDemo::Radio0() {
    key_Click(kNeutralOption);
    key(kNeutralOption).setValue(true);
}

void LyrafretDemo::Clear__() {
    clearPages();
    LineNumber.assign(1, '1');  // as in PennatoneDemo::Clear__
    clearReports();
    // The type panel is no longer under Logo_Box, so a kept picture would name a
    // chord that is not shown.
    Type_o2->removePicture();
    Box9("0");
    Fret_Number_Loader_2(std::vector<std::string>(9, "0"));
    for (int i = 0; i <= 8; ++i) Chord_Display(i).setPicture(LoadPicture(Folder_13 + "b2.bmp"));
    clearToneDisplays();
}

void LyrafretDemo::Clear_Me_Click() {
    K = "Null";
    cover->setVisible(true);
    Radio0();
    Clear__();
    Report_Key->removePicture();
    for (int i = 0; i < kKeyCount; ++i) Overlay(i).setVisible(false);
    for (Control* c : {Type_o, Mini_Clip, Chord_Report, Chord_Report2}) c->removePicture();
    for (int i = 0; i < 7; ++i) Roman(i).removePicture();
    Scales = std::vector<std::string>(8);
    const std::string normal = namesFolder(images::sub::kButtons);
    for (int i = 0; i < kKeyCount; ++i)
        Key_C(i).setPicture(LoadPicture(normal + std::to_string(i) + ".bmp"));
}

void LyrafretDemo::Exit_Me_Click() {
    exitProgram();
}

}  // namespace ui
