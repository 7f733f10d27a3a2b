// Degree and type steppers of the key window: they only choose an option.
#include "chords/degree_steps.h"
#include "ui/lyrafret_demo.h"

namespace ui {

void LyrafretDemo::stepDegree(int up) {
    if (const auto option = chords::degreeStep(Keyer.value_or(kNeutralOption), up != 0))
        key_Click(*option);
    // Before any chord was shown there is no root to name.
    if (Current_Scale.empty()) return;
    Chord_Report2->setPicture(LoadPicture(Folder_17 + Current_Scale[0] + ".bmp"));
}

void LyrafretDemo::ScaleUp_Click() {
    stepDegree(1);
}
void LyrafretDemo::ScaleDown_Click() {
    stepDegree(0);
}

void LyrafretDemo::TypeUp_Click() {
    key_Click(chords::typeStep(Keyer.value_or(0), true));
}

void LyrafretDemo::TypeDown_Click() {
    key_Click(chords::typeStep(Keyer.value_or(0), false));
}

}  // namespace ui
