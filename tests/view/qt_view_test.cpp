// The real window built from a small window model of its own.
#include "ui/qt/qt_view.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFontInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using ui::Control;
using ui::Kind;
using ui::qt::ControlWidget;
using ui::qt::QtView;

// Pixel layout (15 twips per pixel):
//   Cover  box   (100,0)   100x100   created first, still above Under
//   Under  label (20,20)   200x30    clickable, partly under Cover
//   High   box   (300,0)   100x100   layer 30, created before Low
//   Low    box   (350,50)  100x100   layer 20
//   Panel  box   (0,200)   300x200   clickable; holds Inner, Art, Choice(0..1)
//   Edge   label (-3,520)  100x30
//   Ghost  label (400,200) hidden
//   Broken, Oops, Quit, Compact, Retitle, Raise: labels at x 400/550 that act
//   Glass  label (600,450) 100x30    transparent
class SampleWindow : public ui::DemoWindow {
public:
    explicit SampleWindow(ui::Platform platform)
        : DemoWindow("PennatoneDemo", "Sample window", std::move(platform)) {
        Cover = &make(Kind::PictureBox, "Cover", -1, nullptr, 1500, 0, 1500, 1500);
        Under = &label("Under", -1, nullptr, 300, 300, 3000, 450, "under", ui::kWhite, ui::kNavy);
        High = &make(Kind::PictureBox, "High", -1, nullptr, 4500, 0, 1500, 1500, ui::kLayerLogoBox);
        Low = &make(Kind::PictureBox, "Low", -1, nullptr, 5250, 750, 1500, 1500, ui::kLayerBox);
        Panel = &make(Kind::PictureBox, "Panel", -1, nullptr, 0, 3000, 4500, 3000);
        Panel->setBackColor(ui::kDarkGreen);
        Inner = &label("Inner", -1, Panel, 1500, 3750, 1500, 450, "inner", ui::kYellow, ui::kBlack);
        Art = &make(Kind::Image, "Art", -1, Panel, 300, 4500, 600, 600);
        item(Choice, Kind::OptionButton, 0, Panel, 300, 5400, 1500, 300)
            .setCaption("one")
            .setValue(true);
        item(Choice, Kind::OptionButton, 1, Panel, 2100, 5400, 1500, 300).setCaption("two");
        Edge = &label("Edge", -1, nullptr, -45, 7800, 1500, 450, "edge", ui::kWhite, ui::kDarkRed);
        Ghost =
            &label("Ghost", -1, nullptr, 6000, 3000, 1500, 450, "ghost", ui::kWhite, ui::kBlack);
        Ghost->setVisible(false);
        Broken =
            &label("Broken", -1, nullptr, 6000, 4500, 1500, 450, "broken", ui::kWhite, ui::kBlack);
        Oops = &label("Oops", -1, nullptr, 6000, 5100, 1500, 450, "oops", ui::kWhite, ui::kBlack);
        Quit = &label("Quit", -1, nullptr, 6000, 5700, 1500, 450, "quit", ui::kWhite, ui::kBlack);
        Compact = &label("Compact", -1, nullptr, 6000, 6300, 1500, 450, "compact", ui::kWhite,
                         ui::kBlack);
        Retitle = &label("Retitle", -1, nullptr, 8250, 4500, 1500, 450, "retitle", ui::kWhite,
                         ui::kBlack);
        Raise =
            &label("Raise", -1, nullptr, 8250, 5100, 1500, 450, "raise", ui::kWhite, ui::kBlack);
        Glass = &label("Glass", -1, nullptr, 9000, 6750, 1500, 450, "", ui::kWhite, ui::kBlue);
        Glass->setTransparent(true);

        count(*Under);
        count(*Panel);
        count(Choice(0));
        count(Choice(1));
        bind(*Broken, [this] {
            Broken->setCaption("tried");
            throw images::PictureLoadError("img/demo/missing.bmp", "the file is empty");
        });
        bind(*Oops, [] { throw std::runtime_error("boom"); });
        bind(*Quit, [this] { exitProgram(); });
        bind(*Compact, [this] { size_Click(3); });
        bind(*Retitle, [this] {
            Under->setCaption("retitled");
            Edge->setBackColor(ui::kBlue);
        });
        bind(*Raise, [this] { Low->setLayer(40); });
    }

    void makeClickable(Control& c) { count(c); }

    std::map<std::string, int> clicks;
    Control *Cover, *Under, *High, *Low, *Panel, *Inner, *Art, *Edge, *Ghost;
    Control *Broken, *Oops, *Quit, *Compact, *Retitle, *Raise, *Glass;
    ui::ControlArray Choice{"Choice"};

protected:
    const std::vector<SizePreset>& sizePresets() const override {
        static const std::vector<SizePreset> presets{{0, 8625, 11970, 0, 0},
                                                     {3, 1750, 8460, 600, 300}};
        return presets;
    }
    int rootOffset(const std::string&) const override { return 0; }
    bool showsTypeO2() const override { return false; }

private:
    void count(Control& c) {
        bind(c, [this, &c] { ++clicks[c.key()]; });
    }
};

struct Report {
    QString title, text;
};

class ViewTest : public ::testing::Test {
protected:
    ui::MemoryClipboard clipboard;
    int exits = 0;
    SampleWindow window{ui::Platform{".", &clipboard, [this] { ++exits; }}};
    QtView view{window};
    std::vector<Report> reports;

    void SetUp() override {
        view.setReporter([this](QWidget*, const QString& title, const QString& text) {
            reports.push_back({title, text});
        });
    }
    ControlWidget& widget(const Control* c) { return *view.widgetFor(*c); }
    void showView() {
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
    // A click the toolkit routes by position, as a user's click in the client area.
    void clickAt(QPoint p) { QTest::mouseClick(view.windowHandle(), Qt::LeftButton, {}, p); }
    QRgb pixelAt(QPoint p) { return ui::qt::renderClientArea(view).pixel(p); }
};

// ---------------------------------------------------------------------------
// Conversion and fonts

TEST(TwipsToPixels, RoundsTowardsMinusInfinity) {
    const struct {
        int twips, pixels;
    } cases[] = {{0, 0},      {14, 0},  {15, 1},   {29, 1},   {11880, 792},
                 {8250, 550}, {-1, -1}, {-15, -1}, {-45, -3}, {-50, -4}};
    for (const auto& c : cases) EXPECT_EQ(ui::qt::twipsToPixels(c.twips), c.pixels) << c.twips;
}

TEST(BaseFont, IsCourierNewOrItsMetricTwinAt8Point25) {
    const QFont font = ui::qt::baseFont();
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 8.25);
    const QString used = QFontInfo(font).family();
    EXPECT_TRUE(used == "Courier New" || used == "Liberation Mono") << used.toStdString();
}

// ---------------------------------------------------------------------------
// Construction

TEST_F(ViewTest, CreatesOneWidgetPerControlWithItsContainerAsParent) {
    ASSERT_EQ(view.widgets().size(), window.controls().size());
    for (const auto& c : window.controls()) {
        ControlWidget* w = view.widgetFor(*c);
        ASSERT_NE(w, nullptr) << c->key();
        EXPECT_EQ(&w->control(), c.get());
        QWidget* parent = c->container() ? view.widgetFor(*c->container()) : view.surface();
        EXPECT_EQ(w->parentWidget(), parent) << c->key();
        EXPECT_EQ(w->geometry(),
                  QRect(ui::qt::twipsToPixels(c->left()), ui::qt::twipsToPixels(c->top()),
                        ui::qt::twipsToPixels(c->width()), ui::qt::twipsToPixels(c->height())))
            << c->key();
    }
}

TEST_F(ViewTest, PixelGeometryIsTwipsOverFifteenRelativeToTheContainer) {
    const struct {
        const Control* control;
        QRect pixels;
        const Control* container;
    } cases[] = {
        {window.Under, {20, 20, 200, 30}, nullptr},
        {window.Cover, {100, 0, 100, 100}, nullptr},
        {window.Inner, {100, 50, 100, 30}, window.Panel},
        {window.Art, {20, 100, 40, 40}, window.Panel},
        {&window.Choice(1), {140, 160, 100, 20}, window.Panel},
        {window.Edge, {-3, 520, 100, 30}, nullptr},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(widget(c.control).geometry(), c.pixels) << c.control->key();
        QWidget* parent = c.container ? view.widgetFor(*c.container) : view.surface();
        EXPECT_EQ(widget(c.control).parentWidget(), parent) << c.control->key();
    }
}

TEST_F(ViewTest, HiddenControlsAreHiddenUntilShown) {
    EXPECT_TRUE(widget(window.Ghost).isHidden());
    EXPECT_FALSE(widget(window.Under).isHidden());
    window.Ghost->setVisible(true);
    view.sync();
    EXPECT_FALSE(widget(window.Ghost).isHidden());
}

// ---------------------------------------------------------------------------
// Stacking

TEST_F(ViewTest, StackingDecidesTheWidgetAtAPoint) {
    const struct {
        const char* what;
        QPoint point;
        const Control* expected;  // nullptr: the bare surface
    } cases[] = {
        {"label uncovered", {50, 35}, window.Under},
        {"box over a label made after it", {150, 35}, window.Cover},
        {"higher layer made first", {375, 75}, window.High},
        {"lower layer outside the overlap", {425, 125}, window.Low},
        {"child over its container", {150, 265}, window.Inner},
        {"container around its child", {10, 210}, window.Panel},
        {"option button in its container", {150, 365}, &window.Choice(1)},
        {"hidden control", {410, 210}, nullptr},
    };
    for (const auto& c : cases) {
        QWidget* at = view.surface()->childAt(c.point);
        QWidget* expected = c.expected ? view.widgetFor(*c.expected) : nullptr;
        EXPECT_EQ(at, expected) << c.what;
    }
}

TEST_F(ViewTest, ANewLayerRestacksAfterTheClick) {
    EXPECT_EQ(view.surface()->childAt(375, 75), &widget(window.High));
    view.click(*window.Raise);
    EXPECT_EQ(view.surface()->childAt(375, 75), &widget(window.Low));
}

// ---------------------------------------------------------------------------
// Clicks

TEST_F(ViewTest, ClicksRoutedByPositionReachOnlyTheTopmostWidget) {
    showView();
    const struct {
        const char* what;
        QPoint point;
        std::map<std::string, int> clicks;  // all counts after this and the earlier rows
    } cases[] = {
        {"uncovered part of the label", {50, 35}, {{"Under", 1}}},
        {"covered part of the label", {150, 35}, {{"Under", 1}}},
        {"a label inside the clickable panel", {150, 265}, {{"Under", 1}}},
        {"the panel itself", {10, 210}, {{"Under", 1}, {"Panel", 1}}},
        {"an option button", {150, 365}, {{"Under", 1}, {"Panel", 1}, {"Choice(1)", 1}}},
    };
    for (const auto& c : cases) {
        clickAt(c.point);
        EXPECT_EQ(window.clicks, c.clicks) << c.what;
    }
}

TEST_F(ViewTest, MouseClickOnAWidgetRunsTheHandlerOfAClickableControl) {
    const struct {
        const char* what;
        Control* control;
        Qt::MouseButton button;
        int underClicks;
    } cases[] = {
        {"left click on a clickable label", window.Under, Qt::LeftButton, 1},
        {"right click does not click", window.Under, Qt::RightButton, 1},
        {"a label without handler", window.Edge, Qt::LeftButton, 1},
        {"again on the clickable label", window.Under, Qt::LeftButton, 2},
    };
    for (const auto& c : cases) {
        QTest::mouseClick(&widget(c.control), c.button);
        EXPECT_EQ(window.clicks["Under"], c.underClicks) << c.what;
    }
    EXPECT_EQ(window.clicks.count("Edge"), 0u);
}

TEST_F(ViewTest, ReleasingOutsideTheControlIsNoClick) {
    QTest::mousePress(&widget(window.Under), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&widget(window.Under), Qt::LeftButton, {}, QPoint(250, 5));
    EXPECT_EQ(window.clicks["Under"], 0);
}

TEST_F(ViewTest, ClickingAnOptionButtonSelectsItAndDeselectsTheOthers) {
    ASSERT_TRUE(widget(&window.Choice(0)).selected());
    QTest::mouseClick(&widget(&window.Choice(1)), Qt::LeftButton);
    EXPECT_TRUE(widget(&window.Choice(1)).selected());
    EXPECT_FALSE(widget(&window.Choice(0)).selected());
    EXPECT_EQ(window.clicks["Choice(1)"], 1);
}

TEST_F(ViewTest, AClickEndsWithOneSyncPassOverWhatChanged) {
    QTest::mouseClick(&widget(window.Retitle), Qt::LeftButton);
    EXPECT_EQ(view.lastPassApplied(), 2);
    EXPECT_EQ(widget(window.Under).caption(), "retitled");
    EXPECT_EQ(widget(window.Edge).backColor(), QColor(0, 0, 255));
}

TEST_F(ViewTest, CustomPointerOverClickableControlsOnly) {
    ASSERT_TRUE(QFile::exists(":/artwork/cursor.png"));
    const struct {
        const Control* control;
        bool pointer;
    } cases[] = {{window.Under, true},  {window.Panel, true}, {window.Quit, true},
                 {window.Cover, false}, {window.Edge, false}, {window.Inner, false}};
    for (const auto& c : cases) {
        const ControlWidget& w = widget(c.control);
        EXPECT_EQ(w.testAttribute(Qt::WA_SetCursor), c.pointer) << c.control->key();
        if (c.pointer) {
            EXPECT_EQ(w.cursor().shape(), Qt::BitmapCursor) << c.control->key();
            EXPECT_EQ(w.cursor().hotSpot(), QPoint(0, 0)) << c.control->key();
        }
    }
    window.makeClickable(*window.Edge);
    view.sync();
    EXPECT_EQ(widget(window.Edge).cursor().shape(), Qt::BitmapCursor);
}

// ---------------------------------------------------------------------------
// Sync

TEST_F(ViewTest, SyncAppliesChangedPropertiesOnlyWhenTheRevisionMoved) {
    QImage red(10, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    const struct {
        const char* what;
        Control* control;
        std::function<void(Control&)> change;
        std::function<bool(const ControlWidget&)> shows;
    } cases[] = {
        {"caption", window.Under, [](Control& c) { c.setCaption("new"); },
         [](const ControlWidget& w) { return w.caption() == "new"; }},
        {"visible", window.Under, [](Control& c) { c.setVisible(false); },
         [](const ControlWidget& w) { return w.isHidden(); }},
        {"back colour", window.Edge, [](Control& c) { c.setBackColor(0x123456); },
         [](const ControlWidget& w) { return w.backColor() == QColor(0x56, 0x34, 0x12); }},
        {"fore colour", window.Edge, [](Control& c) { c.setForeColor(ui::kYellow); },
         [](const ControlWidget& w) { return w.foreColor() == QColor(255, 255, 0); }},
        {"picture", window.Cover,
         [&red](Control& c) {
             c.setPicture({red, "img/red.bmp"});
         },
         [&red](const ControlWidget& w) {
             return w.image() == red && w.pictureName() == "img/red.bmp";
         }},
        {"geometry", window.Inner, [](Control& c) { c.setLeft(300); },
         [](const ControlWidget& w) { return w.x() == 20; }},
        {"bold", window.Inner, [](Control& c) { c.setBold(true); },
         [](const ControlWidget& w) { return w.font().bold(); }},
        {"transparent", window.Edge, [](Control& c) { c.setTransparent(true); },
         [](const ControlWidget& w) { return w.transparentBackground(); }},
    };
    for (const auto& c : cases) {
        c.change(*c.control);
        EXPECT_FALSE(c.shows(widget(c.control))) << c.what << ": shown before the pass";
        view.sync();
        EXPECT_EQ(view.lastPassApplied(), 1) << c.what;
        EXPECT_TRUE(c.shows(widget(c.control))) << c.what;
        view.sync();
        EXPECT_EQ(view.lastPassApplied(), 0) << c.what << ": nothing moved since";
    }
}

TEST_F(ViewTest, ASetterThatKeepsTheValueCausesNoWork) {
    window.Under->setCaption("under").setBackColor(ui::kNavy);
    view.sync();
    EXPECT_EQ(view.lastPassApplied(), 0);
}

// ---------------------------------------------------------------------------
// Failures and exit

TEST_F(ViewTest, FailuresAreReportedAndTheWindowGoesOn) {
    showView();
    const struct {
        Control* control;
        std::vector<QString> mentions;
    } cases[] = {
        {window.Broken, {"img/demo/missing.bmp", "the file is empty"}},
        {window.Oops, {"boom"}},
    };
    for (const auto& c : cases) {
        reports.clear();
        QTest::mouseClick(&widget(c.control), Qt::LeftButton);
        ASSERT_EQ(reports.size(), 1u) << c.control->key();
        EXPECT_EQ(reports[0].title, "Sample window");
        for (const QString& m : c.mentions)
            EXPECT_TRUE(reports[0].text.contains(m)) << reports[0].text.toStdString();
        EXPECT_TRUE(view.isVisible());
    }
    // What the handler changed before failing is on screen, and clicks still work.
    EXPECT_EQ(widget(window.Broken).caption(), "tried");
    QTest::mouseClick(&widget(window.Under), Qt::LeftButton);
    EXPECT_EQ(window.clicks["Under"], 1);
    EXPECT_EQ(reports.size(), 1u);
}

TEST(DescribeFailure, NamesFileAndReasonOfAPicture) {
    const struct {
        std::function<void()> fail;
        std::vector<QString> mentions;
    } cases[] = {
        {[] { throw images::PictureLoadError("img/a.bmp", "the picture has no pixels"); },
         {"img/a.bmp", "the picture has no pixels"}},
        {[] { throw std::out_of_range("no control X"); }, {"no control X"}},
    };
    for (const auto& c : cases) {
        QString seen;
        const bool ok = ui::qt::runGuarded(
            c.fail, [&seen](QWidget*, const QString&, const QString& text) { seen = text; },
            nullptr, "t");
        EXPECT_FALSE(ok);
        for (const QString& m : c.mentions) EXPECT_TRUE(seen.contains(m)) << seen.toStdString();
    }
    bool ran = false;
    EXPECT_TRUE(ui::qt::runGuarded([&ran] { ran = true; }, {}, nullptr, "t"));
    EXPECT_TRUE(ran);
}

TEST_F(ViewTest, ExitClosesTheWindowAtOnce) {
    showView();
    QSignalSpy spy(&view, &QtView::exited);
    QTest::mouseClick(&widget(window.Quit), Qt::LeftButton);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_FALSE(view.isVisible());
    view.click(*window.Under);
    EXPECT_EQ(window.clicks["Under"], 0);
}

// ---------------------------------------------------------------------------
// Frame and looks

TEST_F(ViewTest, WindowFrameGivesClientSizeAndPosition) {
    const struct {
        int left, top, width, height;
        QSize client;
        QPoint position;
    } cases[] = {
        {0, 0, 11970, 8625, {792, 550}, {0, 0}},
        {1500, 750, 8460, 8625, {558, 550}, {100, 50}},
        {300, 600, 8460, 1750, {558, 91}, {20, 40}},
    };
    for (const auto& c : cases) {
        ui::WindowFrame& f = window.frame();
        f.Left = c.left, f.Top = c.top, f.Width = c.width, f.Height = c.height;
        ++f.revision;
        view.sync();
        EXPECT_EQ(view.size(), c.client) << c.width << "x" << c.height;
        EXPECT_EQ(view.minimumSize(), view.maximumSize()) << "the frame is fixed";
        EXPECT_EQ(view.pos(), c.position);
    }
    QTest::mouseClick(&widget(window.Compact), Qt::LeftButton);
    EXPECT_EQ(view.size(), QSize(558, 91));
}

TEST_F(ViewTest, TitleIconAndFont) {
    EXPECT_EQ(view.windowTitle(), "Sample window");
    ASSERT_TRUE(QFile::exists(":/artwork/icon_pennatone.png"));
    EXPECT_FALSE(view.windowIcon().isNull());
    EXPECT_EQ(widget(window.Under).font().family(), ui::qt::baseFont().family());
    window.Inner->setFont({"Courier New", 9.75});
    view.sync();
    EXPECT_DOUBLE_EQ(widget(window.Inner).font().pointSizeF(), 9.75);
}

TEST_F(ViewTest, RenderingDrawsColoursPicturesAndTransparency) {
    // Cover: left 50 pixels red, the rest green; unscaled, pixel 140 is still red.
    QImage halves(200, 200, QImage::Format_RGB32);
    halves.fill(Qt::green);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 50; ++x) halves.setPixel(x, y, qRgb(255, 0, 0));
    window.Cover->setPicture({halves, "img/halves.bmp"});
    // Art: an image whose left half is see-through.
    QImage art(40, 40, QImage::Format_ARGB32);
    art.fill(Qt::transparent);
    for (int y = 0; y < 40; ++y)
        for (int x = 20; x < 40; ++x) art.setPixel(x, y, qRgb(0, 0, 255));
    window.Art->setPicture({art, "builtin:art"});
    view.sync();
    const QImage shot = ui::qt::renderClientArea(view);
    const struct {
        const char* what;
        QPoint point;
        QRgb colour;
    } cases[] = {
        {"label back colour", {90, 45}, qRgb(0, 0, 128)},
        {"picture from the top-left", {140, 10}, qRgb(255, 0, 0)},
        {"picture clipped, not scaled", {160, 10}, qRgb(0, 255, 0)},
        {"picture box back colour", {290, 390}, qRgb(0, 128, 0)},
        {"image has no background", {25, 310}, qRgb(0, 128, 0)},
        {"image drawn", {55, 310}, qRgb(0, 0, 255)},
    };
    for (const auto& c : cases) EXPECT_EQ(QColor(shot.pixel(c.point)), QColor(c.colour)) << c.what;

    // A transparent label leaves the surface visible; an opaque one does not.
    const QPoint inGlass(650, 470);
    window.Glass->setVisible(false);
    view.sync();
    const QRgb bare = pixelAt(inGlass);
    window.Glass->setVisible(true);
    view.sync();
    EXPECT_EQ(pixelAt(inGlass), bare);
    window.Glass->setTransparent(false);
    view.sync();
    EXPECT_EQ(QColor(pixelAt(inGlass)), QColor(0, 0, 255));
}

TEST_F(ViewTest, RenderToPngWritesTheClientAreaAtTheFrameSize) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const struct {
        int width, height;
        QSize pixels;
    } cases[] = {{11970, 8625, {792, 550}}, {8460, 3200, {558, 188}}};
    for (const auto& c : cases) {
        window.frame().Width = c.width;
        window.frame().Height = c.height;
        ++window.frame().revision;
        view.sync();
        const QString file = dir.filePath(QString("shot_%1.png").arg(c.width));
        ASSERT_TRUE(ui::qt::renderToPng(view, file));
        QImage written(file, "PNG");
        EXPECT_EQ(written.size(), c.pixels);
    }
    EXPECT_FALSE(ui::qt::renderToPng(view, dir.filePath("missing/folder/shot.png")));
}

}  // namespace
