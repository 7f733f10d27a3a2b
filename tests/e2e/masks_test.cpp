#include <gtest/gtest.h>

#include "x_session.h"

namespace {

// Fret 5's mask row, away from the strings' labels.
constexpr int kRowLeft = 9450, kRowTop = 1770, kRowWidth = 2025, kRowHeight = 345;

int changedInRow(e2e::RealProgram& program, const QImage& start, int top = kRowTop) {
    return e2e::changedPixels(start, program.grab(), kRowLeft, top, kRowWidth, kRowHeight);
}

TEST(RealWindow, CapoCoversAllButTheRightEdgeOfTheLowFretLabels) {
    REQUIRE_X();
    e2e::RealProgram program("LyrafretDemo");
    ASSERT_TRUE(program.started());
    const QImage start = program.grab();
    // Clicks are handled in order: had the covered part of the label taken the
    // first click, the second would take the mask away again.
    program.click(11600, 1950);  // Mask_5 (Top 1830) under the capo picture
    program.click(11790, 1950);  // its free rightmost 70 twips
    int changed = 0;
    e2e::waitUntil([&] { return (changed = changedInRow(program, start)) > 500; });
    EXPECT_GT(changed, 500)
        << "only the free part of the label takes a click, and it shows the mask of fret 5";
    program.click(11795, 1960);
    e2e::waitUntil([&] { return (changed = changedInRow(program, start)) == 0; });
    EXPECT_EQ(changed, 0) << "a second click takes it away";
}

TEST(RealWindow, LabelsFromFretTenOnAreWhollyClickable) {
    REQUIRE_X();
    e2e::RealProgram program("LyrafretDemo");
    ASSERT_TRUE(program.started());
    const QImage start = program.grab();
    program.click(11600, 3600);  // left part of Mask_10 (Top 3480)
    int changed = 0;
    e2e::waitUntil([&] { return (changed = changedInRow(program, start, 450 + 330 * 9)) > 500; });
    EXPECT_GT(changed, 500);
}

}  // namespace
