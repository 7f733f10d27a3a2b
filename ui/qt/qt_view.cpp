#include "ui/qt/qt_view.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QShortcut>
#include <algorithm>

#include "ui/builtin_artwork.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/options_menu.h"
#include "ui/qt/surface.h"

// Q_INIT_RESOURCE declares the initialiser in the enclosing namespace, so it
// has to be called from the global one.
static void registerArtworkResource() {
    Q_INIT_RESOURCE(artwork);
}

namespace ui::qt {

namespace {

bool stacksBelow(const Control* a, const Control* b) {
    if (a->layer() != b->layer()) return a->layer() < b->layer();
    return a->order() < b->order();
}

const QCursor& pointerCursor() {
    static const QCursor cursor = [] {
        const QPixmap pixmap = QPixmap::fromImage(builtinArtwork("cursor"));
        return pixmap.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(pixmap, 0, 0);
    }();
    return cursor;
}

}  // namespace

void initArtwork() {
    static bool done = false;
    if (done) return;
    done = true;
    registerArtworkResource();
}

QtView::QtView(DemoWindow& window, QWidget* parent) : QWidget(parent), m_window(window) {
    initArtwork();
    installControlAccessibility();
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QString::fromStdString(window.caption()));
    // "PennatoneDemo" carries the icon "icon_pennatone".
    QString iconName = QString::fromStdString(window.programName()).toLower();
    if (iconName.endsWith("demo")) iconName.chop(4);
    const QImage icon = builtinArtwork("icon_" + iconName.toStdString());
    if (!icon.isNull()) setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    setFont(baseFont());
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    m_surface = new Surface(this, [this] { optionsMenu(); });
    m_surface->setGeometry(0, 0, kClientWidth / kTwipsPerPixel, kClientHeight / kTwipsPerPixel);

    const auto& controls = window.controls();
    m_widgets.assign(controls.size(), nullptr);
    m_appliedLayer.assign(controls.size(), 0);
    m_cursorState.assign(controls.size(), -1);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        m_appliedLayer[i] = controls[i]->layer();
        m_index[controls[i].get()] = i;
        m_children[controls[i]->container()].push_back(controls[i].get());
        if (controls[i]->kind() == Kind::PictureBox)
            m_boxes[controls[i]->container()].push_back(controls[i].get());
    }
    for (auto& [container, siblings] : m_children)
        std::stable_sort(siblings.begin(), siblings.end(), stacksBelow);
    // Only what the first frame shows is made now; a hidden control, or one
    // a picture box wholly covers, gets its widget when it is first seen or
    // asked for.
    int made = 0;
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (!m_widgets[i] && seen(*controls[i]) && makeWidget(i)) ++made;
    m_lastPassApplied = made;
    applyFrame(true);
    // The options menu is made after the first frame, or when first asked for.
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma), this);
    connect(shortcut, &QShortcut::activated, this, [this] { showOptionsAtLabel(); });
    m_window.setOptionsOpener([this] { showOptionsAtLabel(); });
    addStepKeys();
}

QtView::~QtView() {
    m_window.setOptionsOpener(nullptr);
}

void QtView::addStepKeys() {
    using Step = DemoWindow::StepKey;
    const std::pair<Qt::Key, Step> keys[] = {{Qt::Key_Left, Step::Left},
                                             {Qt::Key_Right, Step::Right},
                                             {Qt::Key_Up, Step::Up},
                                             {Qt::Key_Down, Step::Down},
                                             {Qt::Key_Escape, Step::Escape},
                                             {Qt::Key_PageUp, Step::PageUp},
                                             {Qt::Key_PageDown, Step::PageDown}};
    for (const auto& [key, step] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] {
            if (Control* target = m_window.keyTarget(step)) click(*target);
        });
    }
}

void QtView::applyHints(std::size_t i) {
    const Control& c = *m_window.controls()[i];
    ControlWidget* w = m_widgets[i];
    w->setToolTip(QString::fromStdString(m_window.toolTip(c)));
    updateReadName(*w, m_window);
}

bool QtView::seen(const Control& c) const {
    if (!c.visible()) return false;
    const auto inside = [&c](const Control& box) {
        return box.left() <= c.left() && box.top() <= c.top() &&
               c.left() + c.width() <= box.left() + box.width() &&
               c.top() + c.height() <= box.top() + box.height();
    };
    // A picture box paints all of its box, so nothing under it shows.
    const auto boxes = m_boxes.find(c.container());
    if (boxes == m_boxes.end()) return true;
    for (const Control* box : boxes->second)
        if (box != &c && box->visible() && stacksBelow(&c, box) && inside(*box)) return false;
    return true;
}

ControlWidget* QtView::makeWidget(std::size_t i) {
    if (m_widgets[i]) return m_widgets[i];
    Control* c = m_window.controls()[i].get();
    // A container's widget comes first: the new one lives inside it.
    QWidget* parent = c->container() ? makeWidget(m_index.at(c->container())) : m_surface;
    auto* w = new ControlWidget(*c, parent);
    m_widgets[i] = w;
    // Stacked under the nearest sibling above it that has a widget already;
    // with none, a new widget lies on top of its siblings as it should.
    const std::vector<Control*>& siblings = m_children[c->container()];
    for (auto it = std::find(siblings.begin(), siblings.end(), c) + 1; it != siblings.end(); ++it)
        if (ControlWidget* above = m_widgets[m_index.at(*it)]) {
            w->stackUnder(above);
            break;
        }
    connect(w, &ControlWidget::clicked, this, [this](Control* clicked) { click(*clicked); });
    connect(w, &ControlWidget::rightClicked, this,
            [this](Control* clicked) { rightClick(*clicked); });
    connect(w, &ControlWidget::hovered, this,
            [this](Control* c, bool entered) { hover(*c, entered); });
    connect(w, &ControlWidget::wheeled, this,
            [this](Control* c, int notches) { wheel(*c, notches); });
    w->apply(true);
    applyCursor(i);
    applyHints(i);
    return w;
}

ControlWidget* QtView::widgetFor(const Control& control) const {
    auto it = m_index.find(&control);
    if (it == m_index.end()) return nullptr;
    // Made on first need: asking for a widget changes nothing on screen.
    return const_cast<QtView*>(this)->makeWidget(it->second);
}

void QtView::click(Control& control) {
    if (m_window.exited()) return;
    // An option button is selected by a click even without a handler.
    if (!control.clickable() && control.kind() != Kind::OptionButton) return;
    const Settings before = m_window.settings();
    runGuarded([&control] { control.click(); }, m_reporter, this, windowTitle());
    sync();
    // The "Name a chord" switch on the window is the same choice as in Options.
    if (!(m_window.settings() == before)) {
        refreshOptionChecks();
        if (m_saveSettings) m_saveSettings(m_window.settings());
    }
    if (m_window.exited()) {
        close();
        emit exited();
    }
}

void QtView::rightClick(Control& control) {
    if (m_window.exited() || !control.rightClickable()) return;
    runGuarded([&control] { control.rightClick(); }, m_reporter, this, windowTitle());
    sync();
}

void QtView::hover(Control& control, bool entered) {
    if (m_window.exited()) return;
    runGuarded([&control, entered] { control.hover(entered); }, m_reporter, this, windowTitle());
    sync();
}

void QtView::wheel(Control& control, int notches) {
    if (m_window.exited()) return;
    runGuarded([&control, notches] { control.wheel(notches); }, m_reporter, this, windowTitle());
    sync();
}

void QtView::sync() {
    int applied = 0;
    const auto& controls = m_window.controls();
    for (std::size_t i = 0; i < m_widgets.size(); ++i) {
        if (!m_widgets[i]) {
            if (!seen(*controls[i])) continue;
            makeWidget(i);
            ++applied;
            continue;
        }
        if (!m_widgets[i]->apply()) continue;
        ++applied;
        applyHints(i);
    }
    m_lastPassApplied = applied;
    restackIfNeeded();
    for (std::size_t i = 0; i < m_widgets.size(); ++i)
        if (m_widgets[i]) applyCursor(i);
    applyFrame(false);
}

void QtView::restackIfNeeded() {
    const auto& controls = m_window.controls();
    std::vector<Control*> moved;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i]->layer() == m_appliedLayer[i]) continue;
        m_appliedLayer[i] = controls[i]->layer();
        moved.push_back(controls[i]->container());
    }
    std::sort(moved.begin(), moved.end());
    moved.erase(std::unique(moved.begin(), moved.end()), moved.end());
    for (Control* container : moved) {
        auto& siblings = m_children[container];
        std::stable_sort(siblings.begin(), siblings.end(), stacksBelow);
        for (Control* c : siblings)
            if (ControlWidget* w = m_widgets[m_index.at(c)]) w->raise();
    }
}

void QtView::applyCursor(std::size_t i) {
    const int wanted = m_widgets[i]->control().clickable() ? 1 : 0;
    if (m_cursorState[i] == wanted) return;
    m_cursorState[i] = wanted;
    if (wanted)
        m_widgets[i]->setCursor(pointerCursor());
    else
        m_widgets[i]->unsetCursor();
}

void QtView::applyFrame(bool force) {
    const WindowFrame& f = m_window.frame();
    if (!force && f.revision == m_frameRevision) return;
    m_frameRevision = f.revision;
    const int width = (f.Width - 2 * kClientLeftInFrame) / kTwipsPerPixel;
    const int height = (f.Height - kClientTopInFrame - kClientLeftInFrame) / kTwipsPerPixel;
    setFixedSize(std::max(width, 1), std::max(height, 1));
    move(twipsToPixels(f.Left), twipsToPixels(f.Top));
}

// ---------------------------------------------------------------------------

QImage renderClientArea(QtView& view) {
    QImage image(view.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    view.render(&image);
    return image;
}

bool renderToPng(QtView& view, const QString& file) {
    return renderClientArea(view).save(file, "PNG");
}

}  // namespace ui::qt
