#include "x_session.h"

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPixmap>
#include <QRandomGenerator>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>

#include "images/bmp_reader.h"
#include "ui/window_factory.h"

namespace e2e {

QString missingTools() {
    QStringList missing;
    for (const char* tool : {"Xvfb", "xdotool"})
        if (QStandardPaths::findExecutable(tool).isEmpty()) missing << tool;
    return missing.isEmpty() ? QString() : missing.join(", ") + " not installed";
}

QString missingTool(const char* tool) {
    return QStandardPaths::findExecutable(tool).isEmpty() ? QString(tool) + " not installed"
                                                          : QString();
}

QString whyNoX() {
    if (const QString missing = missingTools(); !missing.isEmpty()) return missing;
    if (qgetenv("QT_QPA_PLATFORM") != "xcb") return "the test's own X server did not start";
    return {};
}

bool inCi() {
    return qgetenv("CI") == "true";
}

QString runTool(const QString& program, const QStringList& args, int timeoutMs) {
    return QString::fromUtf8(runToolBytes(program, args, timeoutMs)).trimmed();
}

QByteArray runToolBytes(const QString& program, const QStringList& args, int timeoutMs) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(timeoutMs);
    return p.readAllStandardOutput();
}

QImage libraryPicture(const QString& name) {
    const QString path = QString(DEMO_BIN_DIR) + "/" + name;
    return images::readBmp(path.toStdString(), name.toStdString());
}

int mismatches(const QImage& screen, const QImage& picture, int x, int y, int width, int height) {
    const int w = width < 0 ? picture.width() : std::min(width, picture.width());
    const int h = height < 0 ? picture.height() : std::min(height, picture.height());
    int count = 0;
    for (int py = 0; py < h; ++py)
        for (int px = 0; px < w; ++px) {
            const bool inside = screen.rect().contains(x + px, y + py);
            if (!inside ||
                (screen.pixel(x + px, y + py) & 0xFFFFFF) != (picture.pixel(px, py) & 0xFFFFFF))
                ++count;
        }
    return count;
}

namespace {

double paintedShare(const QImage& image) {
    long painted = 0;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0) ++painted;
    const long total = long((image.height() + 3) / 4) * ((image.width() + 3) / 4);
    return total ? double(painted) / double(total) : 0;
}

// A test program that ends without its destructors, by abort() or by ctest's
// timeout (which kills the test program only), would leave its children
// running: the kernel ends them when the thread that started them ends.
void endWithThisThread(QProcess& process) {
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent] {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        // The parent may have ended before the request above was made.
        if (::getppid() != parent) ::_exit(127);
    });
}

const XSession* s_current = nullptr;

}  // namespace

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) return false;
        QThread::msleep(100);
    }
    return true;
}

XSession::XSession() {
    if (!missingTools().isEmpty()) return;
    const int width = 1024 + QRandomGenerator::global()->bounded(64);
    const int height = 768 + QRandomGenerator::global()->bounded(64);
    endWithThisThread(m_server);
    // -br: a black root, so that whatever is not black was painted by a program.
    // -noreset: otherwise the server resets when its last client leaves and drops
    // whoever connects meanwhile; the size check below is such a last client, and
    // this program's QGuiApplication connects right after it.
    m_server.start("Xvfb",
                   {"-displayfd", "1", "-screen", "0", QString("%1x%2x24").arg(width).arg(height),
                    "-nolisten", "tcp", "-br", "-noreset"});
    QElapsedTimer clock;
    clock.start();
    // The server writes its display number once it accepts connections.
    while (!m_server.canReadLine() && m_server.state() != QProcess::NotRunning &&
           clock.elapsed() < 30000)
        m_server.waitForReadyRead(500);
    const QString display = QString::fromLatin1(m_server.readLine()).trimmed();
    if (display.isEmpty()) {
        m_failure =
            "Xvfb reported no display: " + QString::fromLocal8Bit(m_server.readAllStandardError());
        return;
    }
    qputenv("DISPLAY", (":" + display).toLocal8Bit());
    const QString answered = runTool("xdotool", {"getdisplaygeometry"});
    if (answered != QString("%1 %2").arg(width).arg(height)) {
        m_failure = QString("display :%1 answers with a screen of %2, not the %3x%4 started")
                        .arg(display, answered)
                        .arg(width)
                        .arg(height);
        return;
    }
    m_running = true;
    s_current = this;
}

XSession::~XSession() {
    if (s_current == this) s_current = nullptr;
    m_server.terminate();
    m_server.waitForFinished(3000);
}

const XSession* XSession::current() {
    return s_current;
}

RealProgram::RealProgram(const QString& name) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    m_process.setProcessEnvironment(env);
    endWithThisThread(m_process);
    m_process.start(QString(DEMO_BIN_DIR) + "/" + name, {});
    if (!m_process.waitForStarted(5000)) return;
    const QString pid = QString::number(m_process.processId());
    waitUntil([&] {
        const QString ids = runTool("xdotool", {"search", "--onlyvisible", "--pid", pid}, 5000);
        if (!ids.isEmpty()) m_window = ids.split('\n').last().toULong();
        return m_window != 0;
    });
    if (m_window == 0) return;
    geometry();
    // The first frame is complete when most of the window is painted over the
    // black root and two grabs in a row agree.
    QImage last;
    const bool painted = waitUntil([&] {
        const QImage now = grab();
        const bool settled = now == last && paintedShare(now) > 0.5;
        last = now;
        return settled;
    });
    if (!painted) m_window = 0;
}

QRect RealProgram::geometry() {
    QRect r;
    for (const QString& line :
         runTool("xdotool", {"getwindowgeometry", "--shell", QString::number(m_window)})
             .split('\n')) {
        if (line.startsWith("X=")) r.moveLeft(line.mid(2).toInt());
        if (line.startsWith("Y=")) r.moveTop(line.mid(2).toInt());
        if (line.startsWith("WIDTH=")) r.setWidth(line.mid(6).toInt());
        if (line.startsWith("HEIGHT=")) r.setHeight(line.mid(7).toInt());
    }
    m_x = r.x();
    m_y = r.y();
    return r;
}

RealProgram::~RealProgram() {
    m_process.kill();
    m_process.waitForFinished(3000);
}

void RealProgram::click(int xTwips, int yTwips, int button) {
    // Without --sync: a move to where the pointer already is would wait forever.
    runTool("xdotool",
            {"mousemove", QString::number(m_x + xTwips / kTwipsPerPixel),
             QString::number(m_y + yTwips / kTwipsPerPixel), "click", QString::number(button)});
}

QStringList RealProgram::mappedFiles() const {
    QFile maps(QString("/proc/%1/maps").arg(m_process.processId()));
    QStringList files;
    if (!maps.open(QIODevice::ReadOnly)) return files;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const int slash = line.indexOf('/');
        if (slash >= 0) files.append(QString::fromLocal8Bit(line.mid(slash)));
    }
    files.removeDuplicates();
    return files;
}

void RealProgram::hover(int xTwips, int yTwips) {
    runTool("xdotool", {"mousemove", QString::number(m_x + xTwips / kTwipsPerPixel),
                        QString::number(m_y + yTwips / kTwipsPerPixel)});
}

void RealProgram::key(const QString& keyName) {
    // No window manager hands out the focus here, so the test gives it.
    runTool("xdotool", {"windowfocus", "--sync", QString::number(m_window), "key", keyName});
}

QStringList RealProgram::visibleWindows() const {
    const QString ids =
        runTool("xdotool",
                {"search", "--onlyvisible", "--pid", QString::number(m_process.processId())}, 5000);
    return ids.split('\n', Qt::SkipEmptyParts);
}

QImage RealProgram::grab() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen->grabWindow(0, m_x, m_y, 11880 / kTwipsPerPixel, 8250 / kTwipsPerPixel)
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

int changedPixels(const QImage& before, const QImage& after, int left, int top, int width,
                  int height) {
    int changed = 0;
    for (int y = top / kTwipsPerPixel; y < (top + height) / kTwipsPerPixel; ++y)
        for (int x = left / kTwipsPerPixel; x < (left + width) / kTwipsPerPixel; ++x)
            if (before.pixel(x, y) != after.pixel(x, y)) ++changed;
    return changed;
}

QPoint centreOf(const char* program, const std::string& key) {
    ui::MemoryClipboard clipboard;
    const std::unique_ptr<ui::DemoWindow> w =
        ui::makeWindow(program, ui::Platform{DEMO_BIN_DIR, &clipboard, {}});
    const ui::Control& c = w->control(key);
    int x = c.width() / 2, y = c.height() / 2;
    for (const ui::Control* p = &c; p; p = p->container()) {
        x += p->left();
        y += p->top();
    }
    return {x, y};
}

}  // namespace e2e
