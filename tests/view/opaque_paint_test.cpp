// Controls that say they fill their whole box must do so: the toolkit then
// skips whatever lies under them, so a control that left a pixel unpainted
// would show stale pixels there. The window drawn with that promise and
// without it must be the same picture.
#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <string>
#include <vector>

#include "../support/windows.h"
#include "ui/qt/qt_view.h"

namespace {

using testing_support::Lyrafret;
using testing_support::Pennatone;

QImage drawnWithoutThePromise(ui::qt::QtView& view) {
    for (ui::qt::ControlWidget* w : view.widgets())
        if (w) w->setAttribute(Qt::WA_OpaquePaintEvent, false);
    const QImage image = ui::qt::renderClientArea(view);
    for (ui::qt::ControlWidget* w : view.widgets())
        if (w) w->apply(true);
    return image;
}

int opaqueWidgets(const ui::qt::QtView& view) {
    int n = 0;
    for (const ui::qt::ControlWidget* w : view.widgets())
        n += w && !w->isHidden() && w->testAttribute(Qt::WA_OpaquePaintEvent);
    return n;
}

void expectSamePicture(ui::qt::QtView& view, const std::string& state) {
    SCOPED_TRACE(state);
    EXPECT_GT(opaqueWidgets(view), 50) << "the opaque controls were not marked";
    const QImage promised = ui::qt::renderClientArea(view);
    const QImage plain = drawnWithoutThePromise(view);
    ASSERT_EQ(promised.size(), plain.size());
    int differ = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) differ += promised.pixel(x, y) != plain.pixel(x, y);
    EXPECT_EQ(differ, 0);
}

TEST(OpaqueControls, PaintTheSameWindowAsWithoutThePromise) {
    Pennatone p;
    ui::qt::QtView pv(*p.window);
    const std::vector<std::pair<std::string, std::function<void()>>> pennatone = {
        {"start", [] {}},
        {"E major", [&] { pv.click(p->Base(6)), pv.click(p->Ty(0)); }},
        {"masks and notes",
         [&] { pv.click(p->control("Mask_5")), pv.click(p->control("Select_E")); }},
        {"compact", [&] { pv.click(p->control("size(3)")); }},
    };
    for (const auto& [state, step] : pennatone) {
        step();
        expectSamePicture(pv, "PennatoneDemo " + state);
    }

    Lyrafret l;
    ui::qt::QtView lv(*l.window);
    const std::vector<std::pair<std::string, std::function<void()>>> lyrafret = {
        {"start", [] {}},
        {"key of D, degree 5", [&] { lv.click(l->Key_C(2)), lv.click(l->key(5)); }},
        {"clear", [&] { lv.click(*l->Clear_Me); }},
    };
    for (const auto& [state, step] : lyrafret) {
        step();
        expectSamePicture(lv, "LyrafretDemo " + state);
    }
}

}  // namespace
