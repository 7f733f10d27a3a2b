// Degree and type steppers of the key window: they only choose an option.
#include <array>

#include "ui/lyrafret_demo.h"

namespace ui {

namespace {

// Triad of the next and previous degree, for the options of the first three degrees.
struct DegreeStep {
    int from, up, down;
};
constexpr std::array<DegreeStep, 6> kDegreeSteps{{
    {0, 2, 4}, {1, 2, 4}, {2, 4, 0}, {3, 4, 0}, {4, 0, 2}, {5, 0, 2}}};

constexpr int kFirstStepped = 0;
constexpr int kLastStepped = 5;

}  // namespace

void LyrafretDemo::stepDegree(int up) {
    for (const DegreeStep& s : kDegreeSteps) {
        if (Keyer && *Keyer == s.from) {
            key_Click(up ? s.up : s.down);
            break;
        }
    }
    // Before any chord was shown there is no root to name.
    if (Current_Scale.empty()) return;
    Chord_Report2->setPicture(LoadPicture(Folder_17 + Current_Scale[0] + ".bmp"));
}

void LyrafretDemo::ScaleUp_Click() { stepDegree(1); }
void LyrafretDemo::ScaleDown_Click() { stepDegree(0); }

void LyrafretDemo::TypeUp_Click() {
    const int k = Keyer.value_or(0);
    key_Click(k == kLastStepped ? kFirstStepped : k + 1);
}

void LyrafretDemo::TypeDown_Click() {
    const int k = Keyer.value_or(0);
    key_Click(k == kFirstStepped ? kLastStepped : k - 1);
}

}  // namespace ui
