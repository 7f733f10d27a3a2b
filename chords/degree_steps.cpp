#include "chords/degree_steps.h"

#include <array>

#include "chords/key_tables.h"

namespace chords {

namespace {

struct DegreeStep {
    int from, up, down;
};
constexpr std::array<DegreeStep, 6> kDegreeSteps{
    {{0, 2, 4}, {1, 2, 4}, {2, 4, 0}, {3, 4, 0}, {4, 0, 2}, {5, 0, 2}}};

constexpr int kFirstStepped = 0;
constexpr int kLastStepped = 5;

int triadOf(int degree) {
    return kKeyColumns[std::size_t((degree + 7) % 7)].members[0];
}

int neighbourInColumn(int option, int direction) {
    const KeyColumn& col = kKeyColumns[std::size_t(degreeOfOption(option))];
    for (int row = 0; row < col.count; ++row)
        if (col.members[std::size_t(row)] == option)
            return col.members[std::size_t((row + direction + col.count) % col.count)];
    return option;
}

bool followsFixedRule(int option) {
    return (option >= kFirstStepped && option <= kLastStepped) || degreeOfOption(option) < 0;
}

}  // namespace

std::optional<int> degreeStep(int option, bool up) {
    if (!followsFixedRule(option)) return triadOf(degreeOfOption(option) + (up ? 1 : -1));
    for (const DegreeStep& s : kDegreeSteps)
        if (option == s.from) return up ? s.up : s.down;
    return std::nullopt;
}

int typeStep(int option, bool up) {
    if (!followsFixedRule(option)) return neighbourInColumn(option, up ? 1 : -1);
    if (up) return option == kLastStepped ? kFirstStepped : option + 1;
    return option == kFirstStepped ? kLastStepped : option - 1;
}

}  // namespace chords
