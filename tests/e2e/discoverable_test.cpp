// Controls that explain themselves in a real X window: a tooltip on hover, and
// keys that do what the arrows and "Clear" do.
#include <gtest/gtest.h>

#include <QPoint>
#include <memory>
#include <string>
#include <vector>

#include "x_session.h"

namespace {

// Clicks a control, then moves the pointer off to the logo, where no tooltip
// opens to cover what the test compares.
void clickOn(e2e::RealProgram& program, const char* name, const std::string& key) {
    const QPoint p = e2e::centreOf(name, key);
    program.click(p.x(), p.y());
    program.hover(5, 5);
}

// The screen after clicking `first`, then either clicking `arrow` or pressing `keyName`.
QImage after(const char* name, const std::vector<std::string>& first, const std::string& arrow,
             const QString& keyName, QImage* beforeStep) {
    e2e::RealProgram program(name);
    if (!program.started()) return {};
    for (const std::string& key : first) clickOn(program, name, key);
    QImage settled;
    e2e::waitUntil([&] {
        const QImage now = program.grab();
        const bool same = now == settled;
        settled = now;
        return same;
    });
    if (beforeStep) *beforeStep = settled;
    if (keyName.isEmpty())
        clickOn(program, name, arrow);
    else
        program.key(keyName);
    QImage last;
    e2e::waitUntil([&] {
        const QImage now = program.grab();
        const bool done = now != settled && now == last;
        last = now;
        return done;
    });
    return last;
}

TEST(RealWindow, HoveringAMaskShowsItsTooltipAndLeavingHidesIt) {
    REQUIRE_X();
    REQUIRE_TOOL("xdotool");
    e2e::RealProgram program("PennatoneDemo");
    ASSERT_TRUE(program.started());
    program.key("Shift_L");  // tooltips show in the active window only
    const int before = int(program.visibleWindows().size());
    const QPoint mask = e2e::centreOf("PennatoneDemo", "Mask_12");
    program.hover(mask.x() - 15, mask.y());
    program.hover(mask.x(), mask.y());
    EXPECT_TRUE(
        e2e::waitUntil([&] { return int(program.visibleWindows().size()) == before + 1; }, 10000))
        << "no tooltip window appeared over Mask_12";
    program.hover(5, 5);  // the logo: no tooltip
    EXPECT_TRUE(
        e2e::waitUntil([&] { return int(program.visibleWindows().size()) == before; }, 10000))
        << "the tooltip stayed after the pointer left";
}

struct KeyCase {
    const char* program;
    std::vector<std::string> first;  // clicks that show a chord
    const char* arrow;               // the control the key stands for
    const char* key;
};

const KeyCase kKeyCases[] = {
    {"PennatoneDemo", {"Base(0)", "Ty(0)"}, "Baseup", "Right"},
    {"PennatoneDemo", {"Base(0)", "Ty(0)"}, "Basedown", "Left"},
    {"PennatoneDemo", {"Base(0)", "Ty(0)"}, "TypeUp", "Up"},
    {"PennatoneDemo", {"Base(4)", "Ty(2)"}, "Clear_Me", "Escape"},
    {"LyrafretDemo", {"Key_C(0)", "key(0)"}, "KeyUp", "Right"},
    {"LyrafretDemo", {"Key_C(0)", "key(0)"}, "ScaleUp", "Up"},
};

TEST(RealWindow, KeysStepAsTheArrowsDo) {
    REQUIRE_X();
    REQUIRE_TOOL("xdotool");
    for (const KeyCase& k : kKeyCases) {
        SCOPED_TRACE(std::string(k.program) + " " + k.key);
        QImage start;
        const QImage byClick = after(k.program, k.first, k.arrow, {}, nullptr);
        const QImage byKey = after(k.program, k.first, k.arrow, k.key, &start);
        ASSERT_FALSE(byClick.isNull());
        ASSERT_FALSE(byKey.isNull());
        EXPECT_NE(byKey, start) << "the key changed nothing";
        EXPECT_EQ(byKey, byClick) << "the key did not do what a click on " << k.arrow << " does";
    }
}

}  // namespace
