// Start-up time of programs on a real X server: from the moment a process is
// started to the first grab of the screen that shows its finished first
// frame. Nothing in the programs helps: the probe only watches the screen.
//
//   startup_probe RUNS BASELINE [PROGRAM ...]
//
// Each program is set against the first (a bare window), measured in the same
// rounds, as a ratio of median times and a difference of peak memory.
// Needs an X server of its own with a black root window (Xvfb -br) and no
// window manager, so the window opens at the top-left corner and whatever is
// not black there was painted by the program. Prints one line per run and a
// summary per program, with the program's peak resident memory (VmHWM) at its first frame.
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kWidth = 11880 / 15, kHeight = 8250 / 15;  // the client area at full size
constexpr int kStep = 3;                                 // sampled grid, to keep grabs cheap

QImage grabCorner() {
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, 0, 0, kWidth, kHeight)
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// Share of sampled pixels that are the same in both pictures.
double sameShare(const QImage& a, const QImage& b) {
    long same = 0, total = 0;
    for (int y = 0; y < kHeight; y += kStep) {
        const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < kWidth; x += kStep, ++total)
            if (ra[x] == rb[x]) ++same;
    }
    return total ? double(same) / double(total) : 0;
}

long peakKilobytes(qint64 pid) {
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

struct Run {
    double ms = -1;
    long peakKb = -1;
};

// Starts the program and waits until `done` holds for a grab; the program is
// left running for the caller to end.
template <typename Done>
Run watch(QProcess& process, const QString& program, Done done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    Run run;
    while (clock.elapsed() < timeoutMs) {
        if (done(grabCorner())) {
            run.ms = double(clock.nsecsElapsed()) / 1e6;
            run.peakKb = peakKilobytes(process.processId());
            break;
        }
        QThread::msleep(2);
    }
    return run;
}

void stop(QProcess& process, const QImage& black) {
    process.kill();
    process.waitForFinished(5000);
    for (int i = 0; i < 500 && sameShare(grabCorner(), black) < 0.999; ++i) QThread::msleep(10);
}

// A first, untimed start fills the file cache and shows what the finished
// frame looks like; an empty picture when the program shows nothing.
QImage finishedFrame(const QString& program, const QImage& black) {
    QProcess process;
    process.start(program, {});
    QImage finished = black;
    for (int i = 0; i < 30; ++i) {  // settled: two grabs half a second apart agree
        QThread::msleep(500);
        const QImage now = grabCorner();
        const bool settled = sameShare(now, finished) > 0.999 && sameShare(now, black) < 0.9;
        finished = now;
        if (settled) break;
    }
    stop(process, black);
    return sameShare(finished, black) > 0.9 ? QImage() : finished;
}

struct Row {
    QString program;
    QImage finished;
    std::vector<double> times;
    long peakKb = 0;
    double median() const { return times[times.size() / 2]; }
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_probe RUNS BASELINE [PROGRAM ...]\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));

    QImage black(kWidth, kHeight, QImage::Format_RGB32);
    black.fill(Qt::black);
    if (sameShare(grabCorner(), black) < 0.999) {
        std::fprintf(stderr,
                     "the screen is not black: start Xvfb with -br and nothing else on it\n");
        return 2;
    }
    std::vector<Row> rows;
    for (int a = 2; a < argc; ++a) {
        Row row{QString::fromLocal8Bit(argv[a]), {}, {}, 0};
        row.finished = finishedFrame(row.program, black);
        if (row.finished.isNull()) {
            std::fprintf(stderr, "%s shows nothing on screen\n", argv[a]);
            return 1;
        }
        rows.push_back(row);
    }

    // Rounds rather than one program after the other, so that a busy spell of
    // the machine falls on every program alike.
    for (int i = 0; i < runs; ++i) {
        for (Row& row : rows) {
            QProcess p;
            const Run r = watch(
                p, row.program, [&](const QImage& g) { return sameShare(g, row.finished) > 0.99; },
                10000);
            stop(p, black);
            if (r.ms < 0) {
                std::fprintf(stderr, "%s: no first frame within 10 s\n",
                             QFile::encodeName(row.program).constData());
                return 1;
            }
            std::printf("  run %d %s: %.1f ms to the first frame, VmHWM %ld kB\n", i + 1,
                        QFile::encodeName(row.program).constData(), r.ms, r.peakKb);
            row.times.push_back(r.ms);
            row.peakKb = std::max(row.peakKb, r.peakKb);
        }
    }
    const Row& base = rows.front();
    for (Row& row : rows) {
        std::sort(row.times.begin(), row.times.end());
        std::printf(
            "%s: first frame median %.1f ms (min %.1f, max %.1f) = %.2fx the baseline, "
            "VmHWM %.1f MB = baseline %+.1f MB\n",
            QFile::encodeName(row.program).constData(), row.median(), row.times.front(),
            row.times.back(), row.median() / base.median(), double(row.peakKb) / 1024.0,
            double(row.peakKb - base.peakKb) / 1024.0);
    }
    return 0;
}
