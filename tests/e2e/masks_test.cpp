#include <gtest/gtest.h>

#include "x_session.h"

namespace {

// Fret 5's mask row, away from the strings' labels.
constexpr int kRowLeft = 9450, kRowTop = 1770, kRowWidth = 2025, kRowHeight = 345;

TEST(RealWindow, CapoCoversAllButTheRightEdgeOfTheLowFretLabels) {
    REQUIRE_X();
    e2e::RealProgram program("LyrafretDemo");
    ASSERT_TRUE(program.started());
    const QImage start = program.grab();
    program.click(11600, 1950);  // Mask_5 (Top 1830) under the capo picture
    const QImage covered = program.grab();
    EXPECT_EQ(e2e::changedPixels(start, covered, kRowLeft, kRowTop, kRowWidth, kRowHeight), 0)
        << "the covered part of the label must take no click";
    program.click(11790, 1950);  // its free rightmost 70 twips
    const QImage shown = program.grab();
    EXPECT_GT(e2e::changedPixels(start, shown, kRowLeft, kRowTop, kRowWidth, kRowHeight), 500)
        << "the free part shows the mask of fret 5";
    program.click(11795, 1960);
    EXPECT_EQ(e2e::changedPixels(start, program.grab(), kRowLeft, kRowTop, kRowWidth, kRowHeight),
              0)
        << "a second click takes it away";
}

TEST(RealWindow, LabelsFromFretTenOnAreWhollyClickable) {
    REQUIRE_X();
    e2e::RealProgram program("LyrafretDemo");
    ASSERT_TRUE(program.started());
    const QImage start = program.grab();
    program.click(11600, 3600);  // left part of Mask_10 (Top 3480)
    EXPECT_GT(e2e::changedPixels(start, program.grab(), 9450, 450 + 330 * 9, 2025, 345), 500);
}

}  // namespace
