// Degree and type steppers of the key window: they only choose an option.
#include <array>

#include "chords/key_tables.h"
#include "ui/lyrafret_demo.h"

namespace ui {

namespace {

// The stated rules cover options 0 to 5 (the first three degrees):
// a degree step lands on the triad of the next or previous of those degrees.
struct DegreeStep {
    int from, up, down;
};
constexpr std::array<DegreeStep, 6> kDegreeSteps{
    {{0, 2, 4}, {1, 2, 4}, {2, 4, 0}, {3, 4, 0}, {4, 0, 2}, {5, 0, 2}}};

constexpr int kFirstStepped = 0;
constexpr int kLastStepped = 5;

// Our rule for every other option: degree steps go to the triad (first option) of
// the next or previous column, over all seven degrees, so IV steps down to iii and
// vii° steps up to I; type steps move within the option's own column in on-screen
// order, wrapping at its ends.
int triadOf(int degree) {
    return chords::kKeyColumns[(degree + 7) % 7].members[0];
}

int neighbourInColumn(int option, int direction) {
    const chords::KeyColumn& col = chords::kKeyColumns[chords::degreeOfOption(option)];
    for (int row = 0; row < col.count; ++row)
        if (col.members[row] == option)
            return col.members[(row + direction + col.count) % col.count];
    return option;
}

bool followsStatedRule(int option) {
    return (option >= kFirstStepped && option <= kLastStepped) ||
           chords::degreeOfOption(option) < 0;
}

}  // namespace

void LyrafretDemo::stepDegree(int up) {
    const int k = Keyer.value_or(kNeutralOption);
    if (followsStatedRule(k)) {
        for (const DegreeStep& s : kDegreeSteps)
            if (k == s.from) key_Click(up ? s.up : s.down);
    } else {
        key_Click(triadOf(chords::degreeOfOption(k) + (up ? 1 : -1)));
    }
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
    const int k = Keyer.value_or(0);
    if (!followsStatedRule(k)) return key_Click(neighbourInColumn(k, 1));
    key_Click(k == kLastStepped ? kFirstStepped : k + 1);
}

void LyrafretDemo::TypeDown_Click() {
    const int k = Keyer.value_or(0);
    if (!followsStatedRule(k)) return key_Click(neighbourInColumn(k, -1));
    key_Click(k == kFirstStepped ? kLastStepped : k - 1);
}

}  // namespace ui
