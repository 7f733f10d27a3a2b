// What a started program has loaded: a window that is only looked at has no
// sound library in it; the first right-click on a diagram brings the player.
#include <gtest/gtest.h>

#include <QStringList>

#include "x_session.h"

namespace {

bool maps(const e2e::RealProgram& program, const QString& part) {
    for (const QString& file : program.mappedFiles())
        if (file.contains(part)) return true;
    return false;
}

TEST(RealWindow, SoundIsLoadedWithTheFirstPlayNotAtStartUp) {
    REQUIRE_X();
    REQUIRE_TOOL("xdotool");
    for (const char* name : {"PennatoneDemo", "LyrafretDemo"}) {
        SCOPED_TRACE(name);
        e2e::RealProgram program(name);
        ASSERT_TRUE(program.started());
        ASSERT_TRUE(maps(program, "libQt6Widgets")) << "the process's map cannot be read";
        EXPECT_FALSE(maps(program, "libQt6Multimedia")) << "Qt Multimedia loaded at start-up";
        EXPECT_FALSE(maps(program, "sound-player")) << "the sound player loaded at start-up";

        const bool pennatone = QString(name) == "PennatoneDemo";
        const QImage before = program.grab();
        for (const QString& key :
             pennatone ? QStringList{"Base(0)", "Ty(0)"} : QStringList{"Key_C(0)", "key(0)"}) {
            const QPoint p = e2e::centreOf(name, key.toStdString());
            program.click(p.x(), p.y());
        }
        ASSERT_TRUE(e2e::waitUntil([&] { return program.grab() != before; }));
        EXPECT_FALSE(maps(program, "libQt6Multimedia")) << "loaded by a left click";

        const QPoint diagram = e2e::centreOf(name, "Chord_Display(0)");
        program.click(diagram.x(), diagram.y(), 3);
        EXPECT_TRUE(e2e::waitUntil(
            [&] { return maps(program, "sound-player") && maps(program, "libQt6Multimedia"); },
            10000))
            << "a right-click on a diagram did not load the sound player";
    }
}

}  // namespace
