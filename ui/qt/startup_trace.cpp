#include "ui/qt/startup_trace.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QtGlobal>
#include <cstdio>
#include <ctime>

namespace ui::qt {

namespace {

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

}  // namespace

void markStartup(const char* stage) {
    // The clock starts at the first mark, which main() makes.
    static StartupTrace trace;
    trace.mark(stage);
}

}  // namespace ui::qt
