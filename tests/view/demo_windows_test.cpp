// Both programs' windows on the real toolkit.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/lyrafret_demo.h"
#include "ui/pennatone_demo.h"
#include "ui/qt/qt_view.h"
#include "ui/window_factory.h"

namespace {

using ui::Control;
using ui::Kind;
using ui::qt::QtView;

struct Program {
    const char* name;
    std::function<std::unique_ptr<ui::DemoWindow>(ui::Platform)> make;
};

const Program kPrograms[] = {
    {"PennatoneDemo", [](ui::Platform p) { return ui::makeWindow("PennatoneDemo", std::move(p)); }},
    {"LyrafretDemo", [](ui::Platform p) { return ui::makeWindow("LyrafretDemo", std::move(p)); }},
};

struct Loaded {
    ui::MemoryClipboard clipboard;
    std::unique_ptr<ui::DemoWindow> window;
    std::vector<QString> reports;
};

std::unique_ptr<Loaded> load(const Program& program) {
    auto loaded = std::make_unique<Loaded>();
    loaded->window = program.make(ui::Platform{DEMO_BIN_DIR, &loaded->clipboard, {}});
    ui::qt::runGuarded(
        [&] { loaded->window->Form_Load(); },
        [&](QWidget*, const QString&, const QString& text) { loaded->reports.push_back(text); },
        nullptr, program.name);
    return loaded;
}

QRect windowRect(const Control& c) {
    QRect r(ui::qt::twipsToPixels(c.left()), ui::qt::twipsToPixels(c.top()),
            ui::qt::twipsToPixels(c.width()), ui::qt::twipsToPixels(c.height()));
    for (const Control* up = c.container(); up; up = up->container())
        r.translate(ui::qt::twipsToPixels(up->left()), ui::qt::twipsToPixels(up->top()));
    return r;
}

bool isWithin(QWidget* w, QWidget* ancestor) {
    for (; w; w = w->parentWidget())
        if (w == ancestor) return true;
    return false;
}

TEST(DemoWindows, LoadWithoutFailureAndGetOneWidgetPerControl) {
    for (const Program& program : kPrograms) {
        auto loaded = load(program);
        EXPECT_TRUE(loaded->reports.empty())
            << program.name << ": "
            << (loaded->reports.empty() ? "" : loaded->reports[0].toStdString());
        QtView view(*loaded->window);
        ASSERT_EQ(view.widgets().size(), loaded->window->controls().size()) << program.name;
        for (const auto& c : loaded->window->controls()) {
            QWidget* w = view.widgetFor(*c);
            ASSERT_NE(w, nullptr);
            QWidget* parent = c->container() ? view.widgetFor(*c->container()) : view.surface();
            EXPECT_EQ(w->parentWidget(), parent) << program.name << " " << c->key();
            EXPECT_EQ(w->isHidden(), !c->visible()) << program.name << " " << c->key();
        }
        EXPECT_EQ(view.windowTitle().toStdString(), loaded->window->caption());
    }
}

TEST(DemoWindows, LabelsUnderAnOpaqueBoxCannotBeClicked) {
    for (const Program& program : kPrograms) {
        auto loaded = load(program);
        QtView view(*loaded->window);
        int covered = 0;
        bool capoCovers = false;
        for (const auto& label : loaded->window->controls()) {
            if (label->kind() != Kind::Label || label->container() || !label->visible()) continue;
            for (const auto& box : loaded->window->controls()) {
                if (box->kind() != Kind::PictureBox || box->container() || !box->visible())
                    continue;
                if (box->layer() <= label->layer()) continue;
                const QRect overlap = windowRect(*label) & windowRect(*box);
                if (overlap.isEmpty()) continue;
                QWidget* at = view.surface()->childAt(overlap.center());
                EXPECT_FALSE(isWithin(at, view.widgetFor(*label)))
                    << program.name << ": " << label->key() << " shows through " << box->key();
                ++covered;
                if (box->key() == "capo_cover") capoCovers = true;
            }
        }
        EXPECT_GT(covered, 0) << program.name;
        if (std::string(program.name) == "LyrafretDemo") {
            EXPECT_TRUE(capoCovers);
        }
    }
}

TEST(DemoWindows, RenderAtFullAndCompactSize) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const Program& program : kPrograms) {
        auto loaded = load(program);
        QtView view(*loaded->window);
        const QString full = dir.filePath(QString(program.name) + ".png");
        ASSERT_TRUE(ui::qt::renderToPng(view, full));
        EXPECT_EQ(QImage(full).size(), QSize(792, 550)) << program.name;

        loaded->window->size_Click(3);
        view.sync();
        const QString compact = dir.filePath(QString(program.name) + "_compact.png");
        ASSERT_TRUE(ui::qt::renderToPng(view, compact));
        const QSize small = QImage(compact).size();
        EXPECT_LT(small.height(), 550) << program.name;
        EXPECT_EQ(small, view.size()) << program.name;
    }
}

}  // namespace
