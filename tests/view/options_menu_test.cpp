// The options menu in the real window: where it opens, what a choice does
// on screen and what is kept for the next start.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

#include "../support/windows.h"
#include "ui/qt/qt_view.h"

namespace {

using namespace testing_support;
using ui::qt::QtView;

struct MenuFixture {
    Pennatone w;
    QtView view{*w};
    std::vector<ui::Settings> saved;
    MenuFixture() {
        view.setSettingsSaver([this](const ui::Settings& s) { saved.push_back(s); });
        view.show();
    }
    void clickLabel(const ui::Control& c) { QTest::mouseClick(view.widgetFor(c), Qt::LeftButton); }
};

TEST(OptionsMenu, TheLabelOpensItAndAChoiceTakesEffectAtOnce) {
    MenuFixture f;
    f.clickLabel(f.w->Base(6));
    f.clickLabel(f.w->Ty(0));
    ASSERT_FALSE(f.view.optionsMenu()->isVisible());
    f.clickLabel(*f.w->Options);
    ASSERT_TRUE(f.view.optionsMenu()->isVisible());
    EXPECT_FALSE(f.view.leftHandedAction()->isChecked());
    EXPECT_TRUE(f.view.namesAction(theory::NameSystem::English)->isChecked());

    f.view.leftHandedAction()->trigger();
    f.view.optionsMenu()->hide();
    EXPECT_TRUE(f.w->settings().left_handed);
    // What the screen shows is the turned-over picture, in this very pass.
    const auto* board = f.view.widgetFor(*f.w->Fret_Board);
    EXPECT_EQ(board->image(), f.w->Fret_Board->picture().image);
    EXPECT_EQ(board->x() * 15, f.w->Fret_Board->left());
    EXPECT_EQ(f.w->K, "E");
    ASSERT_EQ(f.saved.size(), 1u);
    EXPECT_TRUE(f.saved[0].left_handed);

    f.view.namesAction(theory::NameSystem::Solfege)->trigger();
    EXPECT_EQ(f.view.widgetFor(*f.w->Chord_Report)->pictureName(), "img/demo/solfege/12/E.bmp");
    ASSERT_EQ(f.saved.size(), 2u);
    EXPECT_EQ(f.saved[1].names, theory::NameSystem::Solfege);
    // Choosing what is already chosen keeps the file as it is.
    f.view.namesAction(theory::NameSystem::Solfege)->trigger();
    EXPECT_EQ(f.saved.size(), 2u);
}

// A tuning is one choice among seven; the window shows it at once and names it
// beside the neck, and the choice is kept.
TEST(OptionsMenu, ATuningIsChosenShownAndKept) {
    MenuFixture f;
    f.clickLabel(f.w->Base(3));
    f.clickLabel(f.w->Ty(0));
    EXPECT_TRUE(f.view.tuningAction("standard")->isChecked());
    EXPECT_FALSE(f.view.widgetFor(*f.w->Tuning_Label)->isVisible());
    f.view.tuningAction("dadgad")->trigger();
    EXPECT_EQ(f.w->settings().tuning, "dadgad");
    EXPECT_TRUE(f.view.tuningAction("dadgad")->isChecked());
    EXPECT_FALSE(f.view.tuningAction("standard")->isChecked());
    EXPECT_TRUE(f.view.widgetFor(*f.w->Tuning_Label)->isVisible());
    EXPECT_EQ(f.view.widgetFor(f.w->Chord_Display(0))->pictureName(),
              "img/demo/grips/n_000204.bmp");
    ASSERT_EQ(f.saved.size(), 1u);
    EXPECT_EQ(f.saved[0].tuning, "dadgad");
    f.view.tuningAction("standard")->trigger();
    EXPECT_FALSE(f.view.widgetFor(*f.w->Tuning_Label)->isVisible());
    EXPECT_EQ(f.saved.size(), 2u);
}

// "Name a chord" is one choice, switched beside the neck or in the menu, and
// kept; in it a mouse click on the painted neck marks the string under it.
TEST(OptionsMenu, NamingIsSwitchedBesideTheNeckOrInTheMenu) {
    MenuFixture f;
    EXPECT_FALSE(f.view.namingAction()->isChecked());
    f.clickLabel(*f.w->Name_Chord);
    EXPECT_TRUE(f.view.namingAction()->isChecked());
    ASSERT_EQ(f.saved.size(), 1u);
    EXPECT_TRUE(f.saved[0].naming);
    // The A string's centre line, half-way between the second and third fret
    // wires (window pixels: the neck starts 9525 twips from the left edge).
    const QPoint aStringThirdFret(10072 / 15, (450 + 2 * 330 + 165) / 15);
    QWidget* under = f.view.childAt(aStringThirdFret);
    ASSERT_TRUE(under);
    QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(&f.view, aStringThirdFret));
    ASSERT_TRUE(f.w->marks());
    EXPECT_EQ((*f.w->marks())[1], 3);
    EXPECT_TRUE(f.view.widgetFor(f.w->Mark_Dot(1))->isVisible());
    EXPECT_EQ(f.view.widgetFor(*f.w->Name_Report)->toolTip(), "");
    f.view.namingAction()->trigger();
    EXPECT_FALSE(f.w->marks());
    EXPECT_FALSE(f.view.widgetFor(f.w->Mark_Dot(1))->isVisible());
    ASSERT_EQ(f.saved.size(), 2u);
    EXPECT_FALSE(f.saved[1].naming);
}

TEST(OptionsMenu, ARightClickOnTheBackgroundOpensItButNotOnAControl) {
    MenuFixture f;
    QWidget* surface = f.view.surface();
    QPoint empty(-1, -1);  // somewhere no control lies
    for (int x = 0; x < surface->width() && empty.x() < 0; x += 5)
        for (int y = 0; y < surface->height() && empty.x() < 0; y += 5)
            if (!surface->childAt(QPoint(x, y))) empty = QPoint(x, y);
    ASSERT_GE(empty.x(), 0);
    QContextMenuEvent background(QContextMenuEvent::Mouse, empty, surface->mapToGlobal(empty));
    QApplication::sendEvent(surface, &background);
    EXPECT_TRUE(f.view.optionsMenu()->isVisible());
    f.view.optionsMenu()->hide();

    QWidget* button = f.view.widgetFor(f.w->Base(3));
    QContextMenuEvent onButton(QContextMenuEvent::Mouse, QPoint(2, 2),
                               button->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(button, &onButton);
    EXPECT_FALSE(f.view.optionsMenu()->isVisible());
    EXPECT_TRUE(f.saved.empty()) << "opening the menu writes nothing";
}

TEST(OptionsMenu, CtrlCommaOpensIt) {
    MenuFixture f;
    f.view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.view));
    QTest::keyClick(&f.view, Qt::Key_Comma, Qt::ControlModifier);
    EXPECT_TRUE(f.view.optionsMenu()->isVisible());
    f.view.optionsMenu()->hide();
}

}  // namespace
