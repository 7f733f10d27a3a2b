#pragma once

// A real X server (Xvfb) and the real programs in it, driven with xdotool the way
// a person clicks; the screen is read back through Qt's X11 connection.
#include <QGuiApplication>
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <string>

// Where a real X server or a tool cannot be had, a developer's run skips the test
// with the reason; CI (CI=true) fails it, so a missing package cannot pass unseen.
#define REQUIRE_X() REQUIRE_NOTHING_MISSING(e2e::whyNoX())
#define REQUIRE_TOOL(tool) REQUIRE_NOTHING_MISSING(e2e::missingTool(tool))
#define REQUIRE_NOTHING_MISSING(why_expr)                                                      \
    if (const QString why = (why_expr); !why.isEmpty()) {                                      \
        if (e2e::inCi()) FAIL() << "real-window test cannot run in CI: " << why.toStdString(); \
        GTEST_SKIP() << "real-window test skipped: " << why.toStdString();                     \
    }

namespace e2e {

inline constexpr int kTwipsPerPixel = 15;

// Why real-window tests cannot run here, or empty when they can.
QString missingTools();
QString missingTool(const char* tool);
QString whyNoX();
bool inCi();

// An Xvfb of this test program's own: the server picks a free display itself and
// reports it (-displayfd), and the screen that answers must have the size this
// session asked for, so two test programs started together never share a screen.
// The server ends with the test program, however that ends.
class XSession {
public:
    XSession();  // starts the server and points DISPLAY at it
    ~XSession();
    bool running() const { return m_running; }
    const QString& failure() const { return m_failure; }
    qint64 serverPid() const { return m_server.processId(); }
    // The session this test program started, or null.
    static const XSession* current();

private:
    QProcess m_server;
    bool m_running = false;
    QString m_failure;
};

class RealProgram {
public:
    // Starts build/bin/<name> and waits for its first complete frame.
    explicit RealProgram(const QString& name);
    ~RealProgram();
    bool started() const { return m_window != 0; }
    // Clicks at a point of the client area, in twips (button 3: a right-click).
    // It does not wait for the result: callers wait for what the click must
    // show (waitUntil).
    void click(int xTwips, int yTwips, int button = 1);
    // The files the running program has mapped: its executable, libraries, modules.
    QStringList mappedFiles() const;
    // Moves the pointer over a point of the client area, in twips, and leaves it there.
    void hover(int xTwips, int yTwips);
    // Gives the window the keyboard and presses one key (an X key name: "Right").
    void key(const QString& keyName);
    // The program's windows on screen now, its main window and any tooltip or menu.
    QStringList visibleWindows() const;
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

// Polls until `done` holds or the time is up; returns the last answer. The bound
// is generous: a busy machine may take seconds to show a click's result, and
// only something truly wrong takes longer.
bool waitUntil(const std::function<bool()>& done, int timeoutMs = 30000);

// A control's centre in client twips, read from the window model the program builds.
QPoint centreOf(const char* program, const std::string& key);

}  // namespace e2e
