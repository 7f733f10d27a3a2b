// LyrafretDemo in a real X window, clicked with the pointer: a key, a chord of
// it, the key and degree steppers and a fret mask, each checked on screen
// against the pictures that must show.
#include <gtest/gtest.h>

#include <QPainter>
#include <array>

#include "ui/qt/qt_view.h"
#include "x_session.h"

namespace {

constexpr int kTwips = e2e::kTwipsPerPixel;
constexpr int kGalleryLeft = 1100;
constexpr std::array<int, 9> kDiagramLefts{15, 810, 1635, 2430, 3225, 4035, 4860, 5685, 6500};
constexpr std::array<int, 9> kNumberLefts{585, 1395, 2190, 3015, 3795, 4620, 5445, 6255, 7065};
constexpr int kGalleryTop = 30;
constexpr std::array<int, 7> kRomanLefts{1080, 2100, 3120, 4230, 5150, 6160, 7260};
constexpr std::array<int, 4> kFormulaLefts{4140, 4423, 4706, 4989};

int px(int twips) {
    return twips / kTwips;
}

// A picture that must show in a box; a picture larger than its box is cut.
struct Expected {
    QString what;
    QString picture;
    int x, y, width, height;  // pixels of the client area
};

void add(std::vector<Expected>& v, const QString& what, const QString& picture, int left, int top,
         int width, int height) {
    v.push_back({what, "img/demo/" + picture + ".bmp", px(left), px(top), px(width), px(height)});
}

// A gallery row: diagram i of `set` in cell (i + rotation) % 9, and the fret
// number of each cell, left to right.
void addGallery(std::vector<Expected>& v, const QString& set, int rotation,
                const std::array<int, 9>& fretByCell) {
    for (int cell = 0; cell < 9; ++cell) {
        const int item = (cell + 9 - rotation) % 9;
        add(v, QString("diagram in cell %1").arg(cell), QString("%1/%2").arg(set).arg(item + 1),
            kGalleryLeft + kDiagramLefts[cell], kGalleryTop, 555, 615);
        add(v, QString("fret number in cell %1").arg(cell), QString("13/%1").arg(fretByCell[cell]),
            kGalleryLeft + kNumberLefts[cell], kGalleryTop, 195, 210);
    }
}

void addFormula(std::vector<Expected>& v, const std::vector<QString>& degrees) {
    for (std::size_t i = 0; i < degrees.size(); ++i)
        add(v, QString("formula %1").arg(i), "12/" + degrees[i], kFormulaLefts[i], 800, 285, 270);
}

QString wrongOnScreen(const QImage& screen, const std::vector<Expected>& expected) {
    QStringList wrong;
    for (const Expected& e : expected) {
        const int n =
            e2e::mismatches(screen, e2e::libraryPicture(e.picture), e.x, e.y, e.width, e.height);
        if (n) wrong << QString("%1 (%2: %3 pixels differ)").arg(e.what, e.picture).arg(n);
    }
    return wrong.join("; ");
}

// Waits for the screen to show every expected picture; returns what is still wrong.
QString awaitScreen(e2e::RealProgram& program, const std::vector<Expected>& expected) {
    QString wrong;
    e2e::waitUntil([&] { return (wrong = wrongOnScreen(program.grab(), expected)).isEmpty(); });
    return wrong;
}

TEST(LyrafretWindow, KeyChordKeyStepAndDegreeStepShowTheirPictures) {
    REQUIRE_X();
    e2e::RealProgram program("LyrafretDemo");
    ASSERT_TRUE(program.started());

    // The key of Db: its button lit, its name and its scale on the degree row.
    std::vector<Expected> key;
    add(key, "Key_C(1) lit", "15/1", 270, 2655, 250, 210);
    add(key, "key name", "12/Db", 570, 800, 285, 270);
    add(key, "root beside the panel", "17/Db", 0, 22, 200, 270);
    const std::array<const char*, 7> dbScale{"Db", "Eb", "F", "Gb", "Ab", "Bb", "C"};
    for (int i = 0; i < 7; ++i)
        add(key, QString("degree %1").arg(i), QString("12/") + dbScale[i], kRomanLefts[i], 1950,
            285, 300);
    EXPECT_FALSE(wrongOnScreen(program.grab(), key).isEmpty());
    program.click(270 + 125, 2655 + 105);
    EXPECT_EQ(awaitScreen(program, key).toStdString(), "");

    // Fm7, the third degree's m7 (second row of its column, right of the dot strip).
    std::vector<Expected> fm7;
    addGallery(fm7, "q", 4, {13, 13, 3, 3, 4, 5, 6, 8, 9});
    add(fm7, "chord root", "12/F", 1665, 800, 285, 270);
    add(fm7, "chord type", "19/m7", 2025, 800, 870, 270);
    addFormula(fm7, {"1", "b3", "5", "b7"});
    program.click(2750 + 400, 2550 + 105);
    EXPECT_EQ(awaitScreen(program, fm7).toStdString(), "");

    // One key up: D, the same degree and type, so F#m7 one fret higher.
    std::vector<Expected> fsm7;
    addGallery(fsm7, "q", 4, {14, 14, 4, 4, 5, 6, 7, 9, 10});
    add(fsm7, "Key_C(2) lit", "15/2", 270, 2925, 250, 210);
    add(fsm7, "Key_C(1) plain again", "16/1", 270, 2655, 250, 210);
    add(fsm7, "key name", "12/D", 570, 800, 285, 270);
    add(fsm7, "chord root", "12/Fs", 1665, 800, 285, 270);
    program.click(0 + 67, 480 + 100);  // KeyUp on Picture1
    EXPECT_EQ(awaitScreen(program, fsm7).toStdString(), "");

    // The degree stepper moves on to D major on the first degree.
    std::vector<Expected> dMajor;
    addGallery(dMajor, "a", 2, {14, 14, 5, 7, 7, 10, 10, 12, 12});
    add(dMajor, "chord root", "12/D", 1665, 800, 285, 270);
    add(dMajor, "chord type", "19/major", 2025, 800, 870, 270);
    addFormula(dMajor, {"1", "3", "5"});
    program.click(350 + 67, 480 + 100);  // ScaleUp
    EXPECT_EQ(awaitScreen(program, dMajor).toStdString(), "");
}

TEST(LyrafretWindow, FretTwelveMaskLiesOverTheBoardAndGoesAgain) {
    REQUIRE_X();
    e2e::RealProgram program("LyrafretDemo");
    ASSERT_TRUE(program.started());
    ui::qt::initArtwork();
    const QImage mask(":/artwork/mask_fret.png");
    ASSERT_FALSE(mask.isNull());
    // Mask_o12: Left 9450, Top 450 + 330 * 11, 2025 x 345.
    const QRect area(px(9450), px(4080), px(2025), px(345));
    const QImage before = program.grab();
    QImage masked = before.copy();
    {
        QPainter p(&masked);
        p.setClipRect(area);
        p.drawImage(area.topLeft(), mask);
    }
    const QImage want = masked.copy(area);
    ASSERT_GT(e2e::mismatches(before, want, area.x(), area.y()), area.width() * area.height() / 4)
        << "the mask must be visible against the bare board";

    program.click(11565 + 40, 4110 + 127);  // Mask_12 near its left edge: the whole label clicks
    int wrong = -1;
    e2e::waitUntil(
        [&] { return (wrong = e2e::mismatches(program.grab(), want, area.x(), area.y())) == 0; });
    EXPECT_EQ(wrong, 0) << "the board under fret 12 is covered by the mask picture";

    program.click(11565 + 200, 4110 + 127);
    e2e::waitUntil([&] {
        return (wrong = e2e::mismatches(program.grab(), before.copy(area), area.x(), area.y())) ==
               0;
    });
    EXPECT_EQ(wrong, 0) << "a second click takes the mask away";
}

}  // namespace
