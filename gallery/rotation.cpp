// Gallery layout: the stored order of a diagram set, rotated by `move` cells.
#include <array>

#include "ui/lyrafret_demo.h"
#include "ui/pennatone_demo.h"

namespace ui {

namespace {

// Lefts inside the gallery panel; the steps between columns are not uniform.
constexpr std::array<int, 9> kDiagramLefts{15, 810, 1635, 2430, 3225, 4035, 4860, 5685, 6500};
constexpr std::array<int, 9> kNumberLefts{585, 1395, 2190, 3015, 3795, 4620, 5445, 6255, 7065};
constexpr std::array<int, 2> kRowTops{30, 720};

}  // namespace

void DemoWindow::placeByRotation(const std::string& move, int count, bool rowsChange) {
    int m = -1;
    for (int candidate = 0; candidate < count; ++candidate) {
        if (move == std::to_string(candidate)) {
            m = candidate;
            break;
        }
    }
    if (m < 0) return;  // not an accepted rotation: nothing moves
    for (int i = 0; i < count; ++i) {
        const int c = (i + m) % count;
        const int column = c % 9;
        const int row = c / 9;
        Chord_Display(i).setLeft(kDiagramLefts[column]);
        if (rowsChange) Chord_Display(i).setTop(kRowTops[row]);
        FretDisplay(i).setLeft(kNumberLefts[column]);
        if (rowsChange) FretDisplay(i).setTop(kRowTops[row]);
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

}  // namespace ui
