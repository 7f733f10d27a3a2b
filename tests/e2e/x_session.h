#pragma once

// A real X server (Xvfb) and the real programs in it, driven with xdotool the way
// a person clicks; the screen is read back through Qt's X11 connection.
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>

// Skips a test, with the reason, where no real X server can be had.
#define REQUIRE_X()                                                                        \
    if (!e2e::missingTools().isEmpty())                                                    \
        GTEST_SKIP() << "real-window test skipped: " << e2e::missingTools().toStdString(); \
    if (qgetenv("QT_QPA_PLATFORM") != "xcb") GTEST_SKIP() << "real-window test skipped: no X"

namespace e2e {

inline constexpr int kTwipsPerPixel = 15;

// Why real-window tests cannot run here, or empty when they can.
QString missingTools();

class XSession {
public:
    XSession();  // starts Xvfb on a free display and points DISPLAY at it
    ~XSession();
    bool running() const { return m_running; }

private:
    QProcess m_server;
    bool m_running = false;
};

class RealProgram {
public:
    explicit RealProgram(const QString& name);  // starts build/bin/<name>
    ~RealProgram();
    bool started() const { return m_window != 0; }
    // Clicks at a point of the client area, in twips.
    void click(int xTwips, int yTwips);
    // The client area as it is on screen now.
    QImage grab() const;
    bool finished() const { return m_process.state() == QProcess::NotRunning; }
    // The X window's place and size as the server has it now; later clicks
    // and grabs follow a window that has moved.
    QRect geometry();

private:
    QProcess m_process;
    unsigned long m_window = 0;
    int m_x = 0, m_y = 0;
};

// Number of pixels that differ between two equally sized pictures inside a rectangle
// given in twips.
int changedPixels(const QImage& before, const QImage& after, int left, int top, int width,
                  int height);

QString runTool(const QString& program, const QStringList& args, int timeoutMs = 10000);
// The tool's standard output as it is, for binary data.
QByteArray runToolBytes(const QString& program, const QStringList& args, int timeoutMs = 10000);

// A picture of the generated library, e.g. "img/demo/20/1.bmp".
QImage libraryPicture(const QString& name);

// Pixels of `picture` that differ on `screen` when it lies with its top-left
// corner at (x, y) in pixels, cut to width × height when given.
int mismatches(const QImage& screen, const QImage& picture, int x, int y, int width = -1,
               int height = -1);

// Polls until `done` holds or the time is up; returns the last answer. A busy
// machine may take longer than one repaint to show a click's result.
bool waitUntil(const std::function<bool()>& done, int timeoutMs = 8000);

}  // namespace e2e
