// PennatoneDemo in a real X window, clicked with the pointer: what the screen and
// the system clipboard show, compared pixel by pixel with the library's pictures.
#include <gtest/gtest.h>

#include <array>

#include "images/bmp_reader.h"
#include "images/picture.h"
#include "x_session.h"

namespace {

constexpr int kTwips = e2e::kTwipsPerPixel;

// Gallery cells inside Main_Display (Left 1100), left to right; rows at Top 30 and 720.
constexpr int kGalleryLeft = 1100;
constexpr std::array<int, 9> kDiagramLefts{15, 810, 1635, 2430, 3225, 4035, 4860, 5685, 6500};
constexpr std::array<int, 9> kNumberLefts{585, 1395, 2190, 3015, 3795, 4620, 5445, 6255, 7065};
constexpr std::array<int, 2> kRowTops{30, 720};

// E major: the set is stored from fret 5 up and rotated by 5 cells, so cell 0
// holds diagram 13 and the gallery reads in fret order from fret 13 round to 12.
constexpr int kRotation = 5;
constexpr std::array<int, 18> kFretByCell{13, 14, 14, 16, 16, 5,  6,  7,  9,
                                          9,  11, 11, 12, 12, 12, 12, 12, 12};

int px(int twips) {
    return twips / kTwips;
}

// A picture that must show in a box; a picture larger than its box is cut.
struct Expected {
    QString what;
    QString picture;
    int x, y, width, height;  // pixels of the client area
};

// What the gallery of E major must show: each cell's diagram and fret number,
// and the root diagram at the left.
std::vector<Expected> eMajorGallery() {
    std::vector<Expected> cells;
    for (int cell = 0; cell < 18; ++cell) {
        const int item = (cell + 18 - kRotation) % 18;
        const int x = px(kGalleryLeft);
        const int top = px(kRowTops[cell / 9]);
        cells.push_back({QString("diagram in cell %1").arg(cell),
                         QString("img/demo/20/%1.bmp").arg(item + 1),
                         x + px(kDiagramLefts[cell % 9]), top, px(555), px(615)});
        cells.push_back({QString("fret number in cell %1").arg(cell),
                         QString("img/demo/13/%1.bmp").arg(kFretByCell[cell]),
                         x + px(kNumberLefts[cell % 9]), top, px(195), px(210)});
    }
    cells.push_back({"root diagram", "img/demo/20/E.bmp", px(300), px(30), px(555), px(615)});
    return cells;
}

// The items whose picture is not on screen, with the number of wrong pixels.
QString wrongOnScreen(const QImage& screen, const std::vector<Expected>& expected) {
    QStringList wrong;
    for (const Expected& e : expected) {
        const int n =
            e2e::mismatches(screen, e2e::libraryPicture(e.picture), e.x, e.y, e.width, e.height);
        if (n) wrong << QString("%1 (%2: %3 pixels differ)").arg(e.what, e.picture).arg(n);
    }
    return wrong.join("; ");
}

void chooseEMajor(e2e::RealProgram& program) {
    program.click(250 + 125, 4470 + 105);  // Base(6): E
    program.click(1100, 3120 + 105);       // Ty(0): Major, right of the dot strip
}

TEST(PennatoneWindow, EMajorShowsEighteenDiagramsWithTheirFretsInFretOrder) {
    REQUIRE_X();
    e2e::RealProgram program("PennatoneDemo");
    ASSERT_TRUE(program.started());
    const auto expected = eMajorGallery();
    EXPECT_FALSE(wrongOnScreen(program.grab(), expected).isEmpty())
        << "before a chord is chosen the gallery must not already show it";
    chooseEMajor(program);
    QString wrong;
    e2e::waitUntil([&] { return (wrong = wrongOnScreen(program.grab(), expected)).isEmpty(); });
    EXPECT_TRUE(wrong.isEmpty()) << wrong.toStdString();
}

TEST(PennatoneWindow, CopiedDiagramIsOnTheSystemClipboardAsBmp) {
    REQUIRE_X();
    REQUIRE_TOOL("xclip");
    e2e::RealProgram program("PennatoneDemo");
    ASSERT_TRUE(program.started());
    chooseEMajor(program);
    // Cell 0 holds diagram 13 (file 14.bmp).
    const QImage diagram = e2e::libraryPicture("img/demo/20/14.bmp");
    // On a busy machine the chord may not be painted yet: copy only once it shows.
    e2e::waitUntil(
        [&] {
            return e2e::mismatches(program.grab(), diagram, px(kGalleryLeft + kDiagramLefts[0]),
                                   px(kRowTops[0]), px(555), px(615)) == 0;
        },
        20000);
    QString targets;
    for (int attempt = 0; attempt < 2 && !targets.split('\n').contains("image/bmp"); ++attempt) {
        program.click(kGalleryLeft + kDiagramLefts[0] + 275, kRowTops[0] + 300);
        e2e::waitUntil(
            [&] {
                targets = e2e::runTool("xclip", {"-selection", "clipboard", "-t", "TARGETS", "-o"});
                return targets.split('\n').contains("image/bmp");
            },
            15000);
    }
    ASSERT_TRUE(targets.split('\n').contains("image/bmp")) << targets.toStdString();
    // The owner hands the picture over only when asked; a busy one may answer late.
    QImage copied;
    e2e::waitUntil([&] {
        const QByteArray bmp =
            e2e::runToolBytes("xclip", {"-selection", "clipboard", "-t", "image/bmp", "-o"}, 30000);
        try {
            copied = images::decodeBmp(bmp, "clipboard");
        } catch (const images::PictureLoadError&) {
            copied = QImage();
        }
        return !copied.isNull();
    });
    ASSERT_EQ(copied.size(), diagram.size());
    EXPECT_EQ(e2e::mismatches(copied, diagram, 0, 0), 0);
    // Beside the picture, the words a chord chart wants: the chord, where it
    // is played and the grip (diagram 13 of the C set, x 10 10 9 x x, moved
    // up four frets to E).
    ASSERT_TRUE(targets.split('\n').contains("UTF8_STRING")) << targets.toStdString();
    EXPECT_EQ(e2e::runTool("xclip", {"-selection", "clipboard", "-t", "UTF8_STRING", "-o"}),
              "E, 13th fret: x 14 14 13 x x");

    // The preview in the window shows the same picture.
    int wrong = -1;
    e2e::waitUntil([&] {
        return (wrong = e2e::mismatches(program.grab(), diagram, px(7035), px(6225), px(555),
                                        px(540))) == 0;
    });
    EXPECT_EQ(wrong, 0) << "Mini_Clip shows the copied diagram";
}

TEST(PennatoneWindow, CompactSizeShrinksTheXWindowAndTheFullSizeRestoresIt) {
    REQUIRE_X();
    e2e::RealProgram program("PennatoneDemo");
    ASSERT_TRUE(program.started());
    const QSize full = program.geometry().size();
    EXPECT_EQ(full, QSize((11970 - 90) / kTwips, (8625 - 375) / kTwips));

    program.click(800 + 67, 1000 + 67);  // size(3) on Picture7
    const QSize compact((8460 - 90) / kTwips, (1750 - 375) / kTwips);
    e2e::waitUntil([&] { return program.geometry().size() == compact; });
    EXPECT_EQ(program.geometry().size(), compact);

    program.click(0 + 67, 1000 + 67);  // size(4)
    e2e::waitUntil([&] { return program.geometry().size() == full; });
    EXPECT_EQ(program.geometry().size(), full);
}

}  // namespace
