#include "ui/qt/qt_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QElapsedTimer>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <unordered_map>

#include "theory/tunings.h"
#include "ui/builtin_artwork.h"
#include "ui/qt/qt_clipboard.h"
#include "ui/qt/settings_store.h"
#include "ui/qt/sound_module.h"

// Q_INIT_RESOURCE declares the initialiser in the enclosing namespace, so it
// has to be called from the global one.
static void registerArtworkResource() {
    Q_INIT_RESOURCE(artwork);
}

namespace ui::qt {

namespace {

QColor fromBgr(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QString fromUtf8(const std::string& s) {
    return QString::fromStdString(s);
}

// Captions written for the classic platform end lines with CR LF.
QString captionText(const std::string& s) {
    return fromUtf8(s).replace("\r\n", "\n");
}

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

// With DEMO_STARTUP_TRACE set, the program says on stderr when each start-up
// stage ends: milliseconds since main(), processor time since the process
// began (all threads, and the main thread alone: unlike the clock, these do
// not grow when other programs hold the processor), and the peak memory.
class StartupTrace {
public:
    StartupTrace() : m_on(qEnvironmentVariableIsSet("DEMO_STARTUP_TRACE")) { m_clock.start(); }

    void mark(const char* stage) {
        if (!m_on) return;
        QFile status("/proc/self/status");
        QByteArray peak = "?";
        if (status.open(QIODevice::ReadOnly))
            for (const QByteArray& line : status.readAll().split('\n'))
                if (line.startsWith("VmHWM:")) peak = line.mid(6).trimmed();
        std::fprintf(stderr, "start-up: %7.1f ms %-12s cpu %6.1f ms (this thread %6.1f) peak %s\n",
                     double(m_clock.nsecsElapsed()) / 1e6, stage, cpuMs(CLOCK_PROCESS_CPUTIME_ID),
                     cpuMs(CLOCK_THREAD_CPUTIME_ID), peak.constData());
    }

private:
    static double cpuMs(clockid_t clock) {
        timespec t{};
        clock_gettime(clock, &t);
        return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
    }

    bool m_on;
    QElapsedTimer m_clock;
};

StartupTrace& startupTrace() {
    static StartupTrace trace;
    return trace;
}

// The window surface: black, with the background picture from the top-left.
// It paints all of its box, so nothing under it is painted first. Once the
// first frame is on screen it runs what the start-up left for later.
class Surface : public QWidget {
public:
    Surface(QWidget* parent, std::function<void()> afterFirstFrame)
        : QWidget(parent),
          m_background(builtinArtwork("background")),
          m_afterFirstFrame(std::move(afterFirstFrame)) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (!QRect(QPoint(), m_background.size()).contains(rect())) p.fillRect(rect(), Qt::black);
        p.drawImage(0, 0, m_background);
        if (m_painted) return;
        m_painted = true;
        startupTrace().mark("first paint");
        // Runs once the whole first frame is painted and handed to the screen.
        QTimer::singleShot(0, this, [this] {
            startupTrace().mark("first frame");
            if (m_afterFirstFrame) m_afterFirstFrame();
        });
    }

private:
    QImage m_background;
    std::function<void()> m_afterFirstFrame;
    bool m_painted = false;
};

// What a screen reader reads for a control, asked of the window when it is
// read: naming every control ahead would build an accessible object for each
// of them at start-up, while nobody may be listening.
class ControlAccessible : public QAccessibleWidget {
public:
    explicit ControlAccessible(ControlWidget* w) : QAccessibleWidget(w) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        auto* w = static_cast<ControlWidget*>(widget());
        const auto* view = qobject_cast<const QtView*>(w->window());
        if (!view) return {};
        const QString name = fromUtf8(view->window().accessibleName(w->control()));
        w->setReadName(name);
        return name;
    }
};

QAccessibleInterface* controlAccessible(const QString&, QObject* object) {
    auto* w = qobject_cast<ControlWidget*>(object);
    return w ? new ControlAccessible(w) : nullptr;
}

}  // namespace

int twipsToPixels(int twips) {
    int q = twips / kTwipsPerPixel;
    if (twips % kTwipsPerPixel != 0 && twips < 0) --q;
    return q;
}

void initArtwork() {
    static bool done = false;
    if (done) return;
    done = true;
    registerArtworkResource();
}

QFont baseFont() {
    static const QFont font = [] {
        const QStringList families = QFontDatabase::families();
        // Courier New and Liberation Mono share their metrics, so captions
        // still fit their labels; the same holds for the sans-serif pair.
        if (!families.contains("Courier New"))
            QFont::insertSubstitution("Courier New", "Liberation Mono");
        if (!families.contains("MS Sans Serif"))
            QFont::insertSubstitutions("MS Sans Serif",
                                       {"Microsoft Sans Serif", "Liberation Sans"});
        QFont f(families.contains("Courier New") ? "Courier New" : "Liberation Mono");
        f.setStyleHint(QFont::TypeWriter);
        f.setPointSizeF(8.25);
        return f;
    }();
    return font;
}

void messageBoxReporter(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::warning(parent, title, text);
}

QString describeFailure(const std::exception& failure) {
    if (const auto* load = dynamic_cast<const images::PictureLoadError*>(&failure)) {
        return QString("A picture cannot be loaded.\n\nFile: %1\nReason: %2")
            .arg(fromUtf8(load->file()), fromUtf8(load->reason()));
    }
    return QString("The program met an error and goes on.\n\n%1")
        .arg(QString::fromUtf8(failure.what()));
}

bool runGuarded(const std::function<void()>& step, const Reporter& report, QWidget* parent,
                const QString& title) {
    try {
        step();
        return true;
    } catch (const std::exception& failure) {
        if (report) report(parent, title, describeFailure(failure));
    }
    return false;
}

// ---------------------------------------------------------------------------

ControlWidget::ControlWidget(Control& control, QWidget* parent)
    : QWidget(parent), m_control(control) {
    // A click belongs to the topmost control under the pointer, never to its container.
    setAttribute(Qt::WA_NoMousePropagation);
    setObjectName(fromUtf8(control.key()));
}

bool ControlWidget::apply(bool force) {
    const Control& c = m_control;
    if (!force && c.revision() == m_applied) return false;
    m_applied = c.revision();

    setGeometry(twipsToPixels(c.left()), twipsToPixels(c.top()), twipsToPixels(c.width()),
                twipsToPixels(c.height()));
    QFont f = baseFont();
    if (!c.font().family.empty()) f.setFamily(fromUtf8(c.font().family));
    if (c.font().pointSize > 0) f.setPointSizeF(c.font().pointSize);
    f.setBold(c.bold());
    // A control on the window's surface in the window's font inherits it:
    // setting it again would only cost time.
    if (c.container() || font() != f) setFont(f);
    m_caption = captionText(c.caption());
    m_back = fromBgr(c.backColor());
    m_fore = fromBgr(c.foreColor());
    m_transparent = c.transparent();
    // A hidden control's artwork is decoded when it is first shown.
    m_image = c.visible() ? c.picture().image : QImage();
    m_pictureName = fromUtf8(c.pictureName());
    m_value = c.value();
    setVisible(c.visible());
    update();
    return true;
}

void ControlWidget::paintEvent(QPaintEvent*) {
    // Click targets over the neck draw nothing: no painter for them.
    const Kind kind = m_control.kind();
    if ((kind == Kind::Label && m_transparent && m_caption.isEmpty()) ||
        (kind == Kind::Image && m_image.isNull()))
        return;
    QPainter p(this);  // in the widget's font
    switch (kind) {
        case Kind::Label:
            paintLabel(p);
            break;
        case Kind::PictureBox:
            p.fillRect(rect(), m_back);
            if (!m_image.isNull()) p.drawImage(0, 0, m_image);
            break;
        case Kind::Image:
            if (!m_image.isNull()) p.drawImage(0, 0, m_image);
            break;
        case Kind::OptionButton:
            paintOption(p);
            break;
        case Kind::Frame:
            paintFrame(p);
            break;
    }
}

void ControlWidget::paintLabel(QPainter& p) {
    if (!m_transparent) p.fillRect(rect(), m_back);
    if (m_caption.isEmpty()) return;
    p.setPen(m_fore);
    p.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_caption);
}

void ControlWidget::paintOption(QPainter& p) {
    // A small selection dot at the very left, so the window's dot strips cover
    // it entirely; the caption follows it as the toolkit lays it out.
    p.fillRect(rect(), m_back);
    const int d = 8;
    const QRect dot(2, (height() - d) / 2, d, d);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QColor(128, 128, 128));
    p.setBrush(Qt::white);
    p.drawEllipse(dot);
    if (m_value) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(dot.adjusted(2, 2, -2, -2));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(m_fore);
    p.drawText(rect().adjusted(14, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, m_caption);
}

void ControlWidget::paintFrame(QPainter& p) {
    p.fillRect(rect(), m_back);
    const QFontMetrics metrics(font());
    const int half = metrics.height() / 2;
    p.setPen(QColor(160, 160, 160));
    p.drawRect(rect().adjusted(0, half, -1, -1));
    if (m_caption.isEmpty()) return;
    const QRect text(6, 0, metrics.horizontalAdvance(m_caption) + 4, metrics.height());
    p.fillRect(text, m_back);
    p.setPen(m_fore);
    p.drawText(text, Qt::AlignCenter, m_caption);
}

void ControlWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_pressed = true;
    event->accept();
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* event) {
    // As with a push of a button: the click counts when released over the control.
    const bool click = event->button() == Qt::LeftButton && m_pressed &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) m_pressed = false;
    event->accept();
    if (click) emit clicked(&m_control);
}

void ControlWidget::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void ControlWidget::contextMenuEvent(QContextMenuEvent* event) {
    if (m_control.rightClickable()) {
        event->accept();
        emit rightClicked(&m_control);
        return;
    }
    // Only the window's background offers the options menu, not what can be clicked.
    if (m_control.clickable())
        event->accept();
    else
        event->ignore();
}

// ---------------------------------------------------------------------------

QtView::QtView(DemoWindow& window, QWidget* parent) : QWidget(parent), m_window(window) {
    initArtwork();
    static const bool accessibleControls = [] {
        QAccessible::installFactory(controlAccessible);
        return true;
    }();
    (void)accessibleControls;
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(fromUtf8(window.caption()));
    // "PennatoneDemo" carries the icon "icon_pennatone".
    QString iconName = fromUtf8(window.programName()).toLower();
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

void QtView::addStepKeys() {
    using Step = DemoWindow::StepKey;
    const std::pair<Qt::Key, Step> keys[] = {{Qt::Key_Left, Step::Left},
                                             {Qt::Key_Right, Step::Right},
                                             {Qt::Key_Up, Step::Up},
                                             {Qt::Key_Down, Step::Down},
                                             {Qt::Key_Escape, Step::Escape}};
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
    w->setToolTip(fromUtf8(m_window.toolTip(c)));
    // A screen reader hears when a name it has read changes.
    if (!w->readName()) return;
    const QString name = fromUtf8(m_window.accessibleName(c));
    if (name == *w->readName()) return;
    w->setReadName(name);
    QAccessibleEvent changed(w, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

QtView::~QtView() {
    m_window.setOptionsOpener(nullptr);
}

void QtView::buildOptionsMenu() {
    m_options = new QMenu(this);
    m_leftHanded = m_options->addAction("Left-handed");
    m_leftHanded->setCheckable(true);
    connect(m_leftHanded, &QAction::triggered, this,
            [this](bool on) { chooseOption([this, on] { m_window.setLeftHanded(on); }); });
    m_sound = m_options->addAction("Sound");
    m_sound->setCheckable(true);
    connect(m_sound, &QAction::triggered, this,
            [this](bool on) { chooseOption([this, on] { m_window.setSound(on); }); });
    m_naming = m_options->addAction("Name a chord");
    m_naming->setCheckable(true);
    connect(m_naming, &QAction::triggered, this,
            [this](bool on) { chooseOption([this, on] { m_window.setNaming(on); }); });
    QMenu* names = m_options->addMenu("Note names");
    auto* group = new QActionGroup(names);
    for (theory::NameSystem system : theory::kNameSystems) {
        const char* text = system == theory::NameSystem::German    ? "German"
                           : system == theory::NameSystem::Solfege ? "Solf\u00e8ge"
                                                                   : "English";
        QAction* a = names->addAction(QString::fromUtf8(text));
        a->setCheckable(true);
        group->addAction(a);
        m_nameActions.emplace_back(system, a);
        connect(a, &QAction::triggered, this,
                [this, system] { chooseOption([this, system] { m_window.setNames(system); }); });
    }
    buildTuningMenu();
    connect(m_options, &QMenu::aboutToShow, this, [this] { refreshOptionChecks(); });
    refreshOptionChecks();
}

QMenu* QtView::optionsMenu() const {
    // Made on first need: asking for the menu changes nothing on screen.
    if (!m_options) const_cast<QtView*>(this)->buildOptionsMenu();
    return m_options;
}

QAction* QtView::leftHandedAction() const {
    optionsMenu();
    return m_leftHanded;
}

QAction* QtView::soundAction() const {
    optionsMenu();
    return m_sound;
}

QAction* QtView::namingAction() const {
    optionsMenu();
    return m_naming;
}

void QtView::buildTuningMenu() {
    QMenu* tunings = m_options->addMenu("Tuning");
    auto* group = new QActionGroup(tunings);
    for (const theory::Tuning& t : theory::kTunings) {
        const bool standard = &t == &theory::standardTuning();
        QAction* a = tunings->addAction(QString::fromUtf8(t.name) + (standard ? " (default)" : ""));
        a->setCheckable(true);
        group->addAction(a);
        const std::string key = t.key;
        m_tuningActions.emplace_back(key, a);
        connect(a, &QAction::triggered, this,
                [this, key] { chooseOption([this, key] { m_window.setTuning(key); }); });
    }
}

void QtView::refreshOptionChecks() {
    if (!m_options) return;  // made later, with the checks of that time
    m_leftHanded->setChecked(m_window.settings().left_handed);
    m_sound->setChecked(m_window.settings().sound);
    m_naming->setChecked(m_window.settings().naming);
    for (const auto& [system, action] : m_nameActions)
        action->setChecked(m_window.settings().names == system);
    for (const auto& [key, action] : m_tuningActions)
        action->setChecked(m_window.settings().tuning == key);
}

QAction* QtView::namesAction(theory::NameSystem system) const {
    optionsMenu();
    for (const auto& [s, action] : m_nameActions)
        if (s == system) return action;
    return nullptr;
}

QAction* QtView::tuningAction(const std::string& key) const {
    optionsMenu();
    for (const auto& [k, action] : m_tuningActions)
        if (k == key) return action;
    return nullptr;
}

void QtView::showOptions(const QPoint& globalPosition) {
    if (m_window.exited()) return;
    refreshOptionChecks();
    optionsMenu()->popup(globalPosition);
}

void QtView::showOptionsAtLabel() {
    const ControlWidget* label = m_window.Options ? widgetFor(*m_window.Options) : nullptr;
    showOptions(label ? label->mapToGlobal(QPoint(0, label->height())) : mapToGlobal(QPoint()));
}

void QtView::contextMenuEvent(QContextMenuEvent* event) {
    showOptions(event->globalPos());
    event->accept();
}

void QtView::chooseOption(const std::function<void()>& change) {
    const Settings before = m_window.settings();
    runGuarded(change, m_reporter, this, windowTitle());
    sync();
    if (!(m_window.settings() == before))
        for (std::size_t i = 0; i < m_widgets.size(); ++i)
            if (m_widgets[i]) applyHints(i);
    refreshOptionChecks();
    if (m_saveSettings && !(m_window.settings() == before)) m_saveSettings(m_window.settings());
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

int runProgram(int argc, char** argv, const char* programName,
               const std::function<std::unique_ptr<DemoWindow>(Platform)>& makeWindow) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "No display: run under X, e.g. xvfb-run -a %s\n", programName);
        return 1;
    }
    startupTrace().mark("main");
    QApplication app(argc, argv);
    QApplication::setApplicationName(programName);
    initArtwork();
    startupTrace().mark("application");

    QtClipboard clipboard;
    SoundModule player;
    Platform platform{QCoreApplication::applicationDirPath().toStdString(), &clipboard,
                      [] { QCoreApplication::quit(); }, &player};
    std::unique_ptr<DemoWindow> window;
    if (!runGuarded([&] { window = makeWindow(std::move(platform)); }, messageBoxReporter, nullptr,
                    programName))
        return 1;
    const QString title = fromUtf8(window->caption());
    // The player's earlier choices; nothing is written until one changes.
    const SettingsStore store(SettingsStore::userFile());
    runGuarded([&] { window->applySettings(store.load()); }, messageBoxReporter, nullptr, title);
    runGuarded([&] { window->Form_Load(); }, messageBoxReporter, nullptr, title);
    startupTrace().mark("Form_Load");
    if (window->exited()) return 0;

    QtView view(*window);
    startupTrace().mark("view");
    // A file that cannot be written only means the choice is not kept.
    view.setSettingsSaver([&store](const Settings& s) { store.save(s); });
    QObject::connect(&view, &QtView::exited, &app, &QCoreApplication::quit);
    showSoundFailures(view, player);
    view.show();
    startupTrace().mark("shown");
    return app.exec();
}

}  // namespace ui::qt
