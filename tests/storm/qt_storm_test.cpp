// A shorter storm through the real Qt view: mouse clicks land on whatever
// widget lies on top at the point, as a user's would; failures are counted by
// the reporter instead of being shown in a message box.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QRect>
#include <QTest>

#include "storm.h"
#include "ui/qt/qt_view.h"

namespace {

using namespace testing_support;
using ui::qt::ControlWidget;

// Whether a shown picture box above the control covers all of it.
bool underPictureBox(const ui::qt::QtView& view, const ui::Control& c) {
    const QRect box(c.left(), c.top(), c.width(), c.height());
    for (const auto& other : view.window().controls()) {
        const bool above = other->layer() > c.layer() ||
                           (other->layer() == c.layer() && other->order() > c.order());
        if (other->kind() == ui::Kind::PictureBox && other->visible() && above &&
            other->container() == c.container() &&
            QRect(other->left(), other->top(), other->width(), other->height()).contains(box))
            return true;
    }
    return false;
}

// The model and what the view last applied must agree after every sync.
std::string viewMismatch(const ui::qt::QtView& view) {
    const auto& controls = view.window().controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ui::Control& c = *controls[i];
        const ControlWidget* w = view.widgets()[i];
        // A control never seen has no widget yet.
        if (!w) {
            if (c.visible() && !underPictureBox(view, c))
                return c.key() + " is shown without a widget";
            continue;
        }
        if (w->pictureName().toStdString() != c.picture().name)
            return c.key() + " shows " + w->pictureName().toStdString() + " instead of " +
                   c.picture().name;
        if (w->isHidden() == c.visible()) return c.key() + " is shown or hidden wrongly";
        if (w->selected() != c.value()) return c.key() + " is selected wrongly";
    }
    return {};
}

// A random clickable control whose middle the user can reach in the window
// at its current size.
ControlWidget* aim(const ui::qt::QtView& view, const std::vector<ui::Control*>& targets,
                   std::mt19937& random) {
    for (int tries = 0; tries < 1000; ++tries) {
        ControlWidget* w = view.widgetFor(*targets[random() % targets.size()]);
        if (!w->isVisible() || w->rect().isEmpty()) continue;
        if (view.rect().contains(w->mapTo(&view, w->rect().center()))) return w;
    }
    return nullptr;
}

template <typename Window>
void stormThroughTheView(unsigned seed, int count) {
    Fixture<Window> w;
    ui::qt::QtView view(*w);
    int reported = 0;
    QString lastReport;
    view.setReporter([&](QWidget*, const QString&, const QString& text) {
        ++reported;
        lastReport = text;
    });
    view.show();
    std::vector<ui::Control*> targets = storm::clickables(*w);
    // The neck's click targets, reachable while "Name a chord" is on.
    for (int s = 0; s < 6; ++s)
        for (int f : {0, 1, 2, 3, 5, 22})
            targets.push_back(&w->Neck_Spot(ui::DemoWindow::spotIndex(s, f)));
    std::mt19937 random(seed);
    storm::Checker<Window> checker(*w);
    int handled = 0, options = 0;
    for (int i = 0; i < count; ++i) {
        ControlWidget* target = aim(view, targets, random);
        ASSERT_TRUE(target) << "no control within reach at click " << i;
        const QPoint point = target->mapTo(&view, target->rect().center());
        auto* hit = qobject_cast<ControlWidget*>(view.childAt(point));
        if (!hit || hit->control().name() == storm::Traits<Window>::kExit) continue;
        checker.before();
        QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(&view, point));
        QApplication::processEvents();
        if (view.optionsMenu()->isVisible()) {
            // The Options label opened the menu: the player picks one of its choices.
            std::vector<QAction*> choices{view.leftHandedAction(), view.namingAction()};
            for (theory::NameSystem s : theory::kNameSystems)
                choices.push_back(view.namesAction(s));
            choices[random() % choices.size()]->trigger();
            view.optionsMenu()->hide();
            ++options;
        }
        handled += hit->control().clickable();
        std::string broken = checker.after(hit->control());
        if (broken.empty()) broken = viewMismatch(view);
        ASSERT_EQ(broken, "") << "click " << i << " on " << hit->control().key() << " (seed "
                              << seed << ")";
        if (i % 500 == 0) ui::qt::renderClientArea(view);  // paints every widget
    }
    std::printf("%s through the view: %d clicks, %d on controls with a handler\n",
                w->programName().c_str(), count, handled);
    EXPECT_EQ(reported, 0) << lastReport.toStdString();
    EXPECT_GT(handled, count / 2);
    EXPECT_GT(options, 0) << "the options menu was reached";
    EXPECT_FALSE(w->exited());
}

TEST(QtClickStorm, PennatoneThroughTheRealView) {
    stormThroughTheView<ui::PennatoneDemo>(storm::seedFromEnvironment(31), 4000);
}
TEST(QtClickStorm, LyrafretThroughTheRealView) {
    stormThroughTheView<ui::LyrafretDemo>(storm::seedFromEnvironment(32), 4000);
}

// With the library gone every click that needs a picture is reported once,
// naming the file, and the view goes on.
TEST(QtClickStorm, AMissingLibraryIsReportedClickByClick) {
    QTemporaryDir empty;
    Pennatone w(empty.path().toStdString());
    ui::qt::QtView view(*w);
    QStringList reports;
    view.setReporter([&](QWidget*, const QString&, const QString& text) { reports << text; });
    view.show();
    for (ui::Control* c : {&w->Base(0), &w->Base(3), w->Baseup, w->Clear_Me})
        QTest::mouseClick(view.widgetFor(*c), Qt::LeftButton, {},
                          view.widgetFor(*c)->rect().center());
    ASSERT_EQ(reports.size(), 4);
    for (const QString& r : reports) {
        EXPECT_TRUE(r.contains("File: img/demo/16/C.bmp")) << r.toStdString();
        EXPECT_TRUE(r.contains("Reason: the file does not exist")) << r.toStdString();
    }
    QTest::mouseClick(view.widgetFor(w->Mask("5")), Qt::LeftButton, {},
                      view.widgetFor(w->Mask("5"))->rect().center());
    EXPECT_TRUE(view.widgetFor(w->Mask_o("5"))->isVisible());
}

}  // namespace
