#include "x_session.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPixmap>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>

#include "images/bmp_reader.h"

namespace e2e {

QString missingTools() {
    QStringList missing;
    for (const char* tool : {"Xvfb", "xdotool"})
        if (QStandardPaths::findExecutable(tool).isEmpty()) missing << tool;
    return missing.isEmpty() ? QString() : missing.join(", ") + " not installed";
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
    for (int display = 91; display < 120 && !m_running; ++display) {
        if (QFile::exists(QString("/tmp/.X11-unix/X%1").arg(display))) continue;
        m_server.start("Xvfb", {QString(":%1").arg(display), "-screen", "0", "1024x768x24",
                                "-nolisten", "tcp"});
        for (int i = 0; i < 100 && !m_running; ++i) {
            QThread::msleep(50);
            m_running = QFile::exists(QString("/tmp/.X11-unix/X%1").arg(display));
            if (m_server.state() == QProcess::NotRunning) break;
        }
        if (m_running) qputenv("DISPLAY", QString(":%1").arg(display).toLocal8Bit());
    }
}

XSession::~XSession() {
    m_server.terminate();
    m_server.waitForFinished(3000);
}

RealProgram::RealProgram(const QString& name) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    m_process.setProcessEnvironment(env);
    m_process.start(QString(DEMO_BIN_DIR) + "/" + name, {});
    if (!m_process.waitForStarted(5000)) return;
    const QString pid = QString::number(m_process.processId());
    for (int i = 0; i < 100 && m_window == 0; ++i) {
        const QString ids = runTool("xdotool", {"search", "--onlyvisible", "--pid", pid}, 2000);
        if (!ids.isEmpty())
            m_window = ids.split('\n').last().toULong();
        else
            QThread::msleep(100);
    }
    if (m_window == 0) return;
    QThread::msleep(300);  // let the first frame be painted
    geometry();
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

void RealProgram::click(int xTwips, int yTwips) {
    // Without --sync: a move to where the pointer already is would wait forever.
    runTool("xdotool", {"mousemove", QString::number(m_x + xTwips / kTwipsPerPixel),
                        QString::number(m_y + yTwips / kTwipsPerPixel), "click", "1"});
    QThread::msleep(250);  // the handler and one repaint
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

}  // namespace e2e
