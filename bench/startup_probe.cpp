// Start-up time of programs on a real X server: from the moment a process is
// started to the first grab of the screen that shows its finished first
// frame. Nothing in the programs helps: the probe only watches the screen.
//
//   startup_probe RUNS BASELINE [PROGRAM ...]
//
// Each program is set against the first (a bare window), measured in the same
// rounds: as the median of its per-round ratios to the baseline (a busy spell
// slows both starts of a round alike), beside the ratio of the medians, and
// as a difference of peak memory. Needs an X server of its own with a black
// root window (Xvfb -br) and no window manager, so the window opens at the
// top-left corner and whatever is not black there was painted by the program.
// Prints one line per run and a summary per program, with the program's peak
// resident memory (VmHWM) at its first frame.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kWidth = 11880 / 15, kHeight = 8250 / 15;  // the client area at full size
constexpr int kStep = 3;                                 // sampled grid, to keep checks cheap
// The screen is read in strips: a grab of the whole area costs the X server
// several times what its strips cost together, and the probe's own load
// would slow the program it watches.
constexpr int kStrip = 110;

QImage grabStrip(int top) {
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, 0, top, kWidth, std::min(kStrip, kHeight - top))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage grabCorner() {
    QImage corner(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&corner);
    for (int top = 0; top < kHeight; top += kStrip) p.drawImage(0, top, grabStrip(top));
    return corner;
}

// Sampled pixels of rows [from, from + rows.height()) that differ from `frame`.
long differing(const QImage& rows, int from, const QImage& frame, long* total) {
    long differ = 0;
    for (int y = 0; y < rows.height(); ++y) {
        if ((from + y) % kStep) continue;
        const auto* a = reinterpret_cast<const QRgb*>(rows.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(frame.constScanLine(from + y));
        for (int x = 0; x < kWidth; x += kStep, ++*total)
            if (a[x] != b[x]) ++differ;
    }
    return differ;
}

long samples() {
    return long((kHeight + kStep - 1) / kStep) * long((kWidth + kStep - 1) / kStep);
}

// Share of sampled pixels that are the same in both pictures.
double sameShare(const QImage& a, const QImage& b) {
    long total = 0;
    const long differ = differing(a, 0, b, &total);
    return total ? 1.0 - double(differ) / double(total) : 0;
}

// Whether at least `share` of the sampled screen equals `frame`. Stops at the
// first strip that makes it impossible, so that watching a screen that has
// not changed yet costs one strip.
bool screenShows(const QImage& frame, double share) {
    const long allowed = long(double(samples()) * (1.0 - share));
    long differ = 0, total = 0;
    for (int top = 0; top < kHeight; top += kStrip) {
        differ += differing(grabStrip(top), top, frame, &total);
        if (differ > allowed) return false;
    }
    return true;
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

// Starts the program and waits until the screen shows `finished`; the
// program is left running for the caller to end.
Run watch(QProcess& process, const QString& program, const QImage& finished, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    Run run;
    while (clock.elapsed() < timeoutMs) {
        if (screenShows(finished, 0.99)) {
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
    for (int i = 0; i < 500 && !screenShows(black, 0.999); ++i) QThread::msleep(10);
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

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Row {
    QString program;
    QImage finished;
    std::vector<double> times;  // per round
    long peakKb = 0;
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
    if (!screenShows(black, 0.999)) {
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
    // the machine falls on every program alike; each round starts with
    // another program, so that none always follows the same one.
    const std::size_t n = rows.size();
    for (int i = 0; i < runs; ++i) {
        for (std::size_t k = 0; k < n; ++k) {
            Row& row = rows[(std::size_t(i) + k) % n];
            QProcess p;
            const Run r = watch(p, row.program, row.finished, 10000);
            const QString seen = QDir::temp().filePath("startup_probe_last_screen.png");
            if (r.ms < 0) grabCorner().save(seen);
            stop(p, black);
            if (r.ms < 0) {
                std::fprintf(stderr, "%s: no first frame within 10 s; the screen was %s\n",
                             QFile::encodeName(row.program).constData(),
                             QFile::encodeName(seen).constData());
                return 1;
            }
            std::printf("  run %d %s: %.1f ms to the first frame, VmHWM %ld kB\n", i + 1,
                        QFile::encodeName(row.program).constData(), r.ms, r.peakKb);
            std::fflush(stdout);
            row.times.push_back(r.ms);
            row.peakKb = std::max(row.peakKb, r.peakKb);
        }
    }
    const Row& base = rows.front();
    for (const Row& row : rows) {
        std::vector<double> ratios;
        for (std::size_t i = 0; i < row.times.size(); ++i)
            ratios.push_back(row.times[i] / base.times[i]);
        const auto [least, most] = std::minmax_element(row.times.begin(), row.times.end());
        std::printf(
            "%s: first frame median %.1f ms (min %.1f, max %.1f) = %.2fx the baseline "
            "(ratio of medians %.2fx), VmHWM %.1f MB = baseline %+.1f MB\n",
            QFile::encodeName(row.program).constData(), median(row.times), *least, *most,
            median(ratios), median(row.times) / median(base.times), double(row.peakKb) / 1024.0,
            double(row.peakKb - base.peakKb) / 1024.0);
    }
    return 0;
}
