// Controls both windows hold at the same places: note pickers, the tone strip,
// the gallery cells, the reports and the command labels.
#include <array>

#include "images/window_geometry.h"
#include "ui/demo_window.h"

namespace ui {

namespace {

// Note-picker grid: flats left, naturals in the middle, sharps right; row by letter.
struct PickerCell {
    const char* note;
    int column;  // 0 flats, 1 naturals, 2 sharps
    int row;     // C D E F G A B
};
constexpr std::array<PickerCell, 17> kPickerCells{{
    {"C", 1, 0},
    {"Cs", 2, 0},
    {"Db", 0, 1},
    {"D", 1, 1},
    {"Ds", 2, 1},
    {"Eb", 0, 2},
    {"E", 1, 2},
    {"F", 1, 3},
    {"Fs", 2, 3},
    {"Gb", 0, 4},
    {"G", 1, 4},
    {"Gs", 2, 4},
    {"Ab", 0, 5},
    {"A", 1, 5},
    {"As", 2, 5},
    {"Bb", 0, 6},
    {"B", 1, 6},
}};

}  // namespace

void DemoWindow::addNotePickers() {
    Frame1 = &make(Kind::Frame, "Frame1", -1, nullptr, 8420, 4320, 975, 2220);
    Frame1->setBackColor(kBlack);
    for (const PickerCell& cell : kPickerCells) {
        const std::string n = cell.note;
        Control& c = make(Kind::PictureBox, "Select_" + n, -1, Frame1, 8420 + 350 * cell.column,
                          4420 + 300 * cell.row, 200, 210);
        c.setPicture(Builtin("select_" + n));
    }
#define DEMO_BIND_SELECT(n) bind(Select(#n), [this] { Select_##n##_Click(); });
    DEMO_NOTES(DEMO_BIND_SELECT)
#undef DEMO_BIND_SELECT
}

void DemoWindow::addToneStrip() {
    Report_Tone = &make(Kind::PictureBox, "Report_Tone", -1, nullptr, 225, 7100, 7300, 650);
    Report_Tone->setBackColor(kBlack);
    for (int k = 1; k <= 12; ++k)
        label("Tone_" + std::to_string(k), -1, nullptr, images::kToneBarLefts[k - 1], 7800,
              images::kToneBarWidth, 45, "", kWhite, kBlack);
}

void DemoWindow::addGalleryItem(Control* container, Control* numberContainer, int i, int top,
                                int back) {
    static constexpr std::array<int, 9> kDiagramLefts{1115, 1910, 2735, 3530, 4325,
                                                      5135, 5960, 6785, 7600};
    static constexpr std::array<int, 9> kNumberLefts{1685, 2495, 3290, 4115, 4895,
                                                     5720, 6545, 7355, 8165};
    const int column = i % 9;
    Control& d =
        item(Chord_Display, Kind::PictureBox, i, container, kDiagramLefts[column], top, 555, 615);
    d.setBackColor(back);
    bind(d, [this, i] { Chord_Display_Click(i); });
    Control& f = item(FretDisplay, Kind::PictureBox, i, numberContainer, kNumberLefts[column], top,
                      195, 210);
    f.setBackColor(kWindowBackground);
    bind(f, [this, i] { FretDisplay_Click(i); });
}

void DemoWindow::addReportRow(ControlArray& array, const std::array<int, 7>& lefts, int top,
                              int width) {
    for (int i = 0; i < 7; ++i)
        item(array, Kind::PictureBox, i, nullptr, lefts[i], top, width, 270).setBackColor(kBlack);
}

Control& DemoWindow::yellowLabel(const std::string& name, int left, int top, int width,
                                 const std::string& caption) {
    return label(name, -1, nullptr, left, top, width, 195, caption, kYellow, kBlack);
}

void DemoWindow::addCommandLabels(int left, int masksWidth, const std::string& clearMasks,
                                  const std::string& clearFret) {
    Clear_Me = &label("Clear_Me", -1, nullptr, left, 7000, 840, 200, "Clear", kWhite, kButtonText);
    m_neckPart.addClearMasks(left, masksWidth, clearMasks);
    Clear_Fretboard = &label("Clear_Fretboard", -1, nullptr, left, 7400, masksWidth, 200, clearFret,
                             kWhite, kBlack);
    bind(*Clear_Fretboard, [this] {
        Clear_Fretboard_Click();
        m_namingPart.clearMarks();
    });
}

}  // namespace ui
