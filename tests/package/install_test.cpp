// The package installed with apt-get into a throw-away Debian root, both
// launchers started on a real X server, and the package removed again without
// a file left behind. The root (mmdebstrap, minbase plus the package's
// dependencies, from the machine's own apt sources) is made once and kept in
// the build folder; every run installs into it and leaves it as it found it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QThread>
#include <QtEndian>
#include <memory>

#include "tests/package/package_support.h"

namespace {

using pkg::Result;
using pkg::run;

const QString kPath = "PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin";

QString osRelease(const QString& key) {
    QFile f("/etc/os-release");
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QRegularExpressionMatch m =
        QRegularExpression("^" + key + "=\"?([^\"\\n]*)\"?$", QRegularExpression::MultilineOption)
            .match(QString::fromUtf8(f.readAll()));
    return m.captured(1);
}

// "libqt6gui6 (>= 6.4), fonts-liberation2" -> "libqt6gui6,fonts-liberation2"
QString dependencyNames(const QString& depends) {
    QStringList names;
    for (const QString& item : depends.split(',', Qt::SkipEmptyParts))
        names << item.split('|').first().trimmed().split(' ').first();
    names.sort();
    return names.join(',');
}

bool mountedBelow(const QString& dir) {
    QFile mounts("/proc/self/mounts");
    if (!mounts.open(QIODevice::ReadOnly)) return false;
    for (const QByteArray& line : mounts.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() > 1 && QString::fromUtf8(fields[1]).startsWith(dir + "/")) return true;
    }
    return false;
}

// A command inside the root, in private mount and process namespaces: the
// /proc it mounts and every process it starts end with it.
QStringList inRoot(const QString& root, const QStringList& env, const QStringList& command) {
    return QStringList{"--mount",
                       "--pid",
                       "--fork",
                       "--kill-child",
                       "sh",
                       "-c",
                       "mount -t proc proc \"$0/proc\" && exec chroot \"$0\" env -i \"$@\"",
                       root}
           << kPath << "LANG=C.UTF-8" << env << command;
}

// Every path below the root that a package could leave behind; the package
// tools' own bookkeeping (logs, caches, dpkg's status backups) is not.
QSet<QString> listing(const QString& root) {
    static const QStringList skipped{"/proc",      "/dev",         "/sys",
                                     "/run",       "/tmp",         "/var/log",
                                     "/var/cache", "/var/lib/apt", "/var/lib/dpkg/"};
    QSet<QString> paths;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next().mid(root.size());
        bool skip = false;
        for (const QString& s : skipped)
            skip = skip || path == s || path.startsWith(s.endsWith('/') ? s : s + "/");
        if (path.startsWith("/var/lib/dpkg/info/")) skip = false;
        if (!skip) paths.insert(path);
    }
    return paths;
}

QString sample(QSet<QString> paths) {
    QStringList list(paths.begin(), paths.end());
    list.sort();
    return list.mid(0, 20).join("\n") + (list.size() > 20 ? "\n…" : "");
}

// The root window of an X server, read with xwd (ZPixmap, 24 or 32 bits a pixel).
QImage screenshot(const QString& display) {
    const Result r = run("xwd", {"-root", "-silent", "-display", display}, {}, 20000);
    const QByteArray& d = r.out;
    if (r.exitCode != 0 || d.size() < 100) return {};
    auto field = [&](int i) { return qFromBigEndian<quint32>(d.constData() + 4 * i); };
    const quint32 headerSize = field(0), width = field(4), height = field(5), bits = field(11),
                  bytesPerLine = field(12), colours = field(19);
    const bool msbFirst = field(7) == 1;
    const qsizetype start = qsizetype(headerSize) + 12 * qsizetype(colours);
    if ((bits != 24 && bits != 32) || d.size() < start + qsizetype(bytesPerLine) * height)
        return {};
    const int bytes = int(bits / 8);
    QImage image(int(width), int(height), QImage::Format_RGB32);
    for (quint32 y = 0; y < height; ++y)
        for (quint32 x = 0; x < width; ++x) {
            const auto* p =
                reinterpret_cast<const uchar*>(d.constData() + start + y * bytesPerLine) +
                bytes * x;
            quint32 v = 0;
            for (int i = 0; i < bytes; ++i)
                v |= quint32(p[msbFirst ? bytes - 1 - i : i]) << (8 * i);
            image.setPixel(int(x), int(y), (v & 0xffffffu) | 0xff000000u);
        }
    return image;
}

// A frame that shows a window's artwork rather than an empty screen: many
// colours, and a good area of bright pixels on the black root.
bool showsAWindow(const QImage& screen, QString* why = nullptr) {
    QSet<QRgb> colours;
    int bright = 0;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x) {
            const QRgb c = screen.pixel(x, y);
            if (colours.size() < 1000) colours.insert(c);
            if (qGray(c) > 60) ++bright;
        }
    if (why) *why = QString("%1 colours, %2 bright pixels").arg(colours.size()).arg(bright);
    return colours.size() >= 64 && bright >= 5000;
}

class Xvfb {
public:
    Xvfb() {
        // Ends with the thread that started it, however the test program ends: an
        // abort or ctest's timeout runs no destructor.
        const pid_t parent = ::getpid();
        m_server.setChildProcessModifier([parent] {
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);
            if (::getppid() != parent) ::_exit(127);  // ended before the request
        });
        // The server picks a free display itself and says which. -noreset: by
        // default it resets when its last client (an xwd) leaves, and drops a
        // program that connects meanwhile.
        m_server.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-br",
                                "-nolisten", "tcp", "-noreset"});
        QElapsedTimer t;
        t.start();
        while (!m_server.canReadLine() && t.elapsed() < 20000 &&
               m_server.state() != QProcess::NotRunning)
            m_server.waitForReadyRead(500);
        const QString line = QString::fromUtf8(m_server.readLine()).trimmed();
        if (!line.isEmpty()) m_display = ":" + line;
    }
    ~Xvfb() {
        m_server.terminate();
        if (!m_server.waitForFinished(5000)) m_server.kill();
        m_server.waitForFinished();
    }
    QString display() const { return m_display; }

private:
    QProcess m_server;
    QString m_display;
};

class DebPackageInstall : public testing::Test {
protected:
    void SetUp() override {
        REQUIRE_TOOLS("dpkg-deb", "mmdebstrap", "unshare", "chroot", "Xvfb", "xwd");
        if (geteuid() != 0) {
            if (pkg::inCi()) FAIL() << "install test cannot run in CI: needs root for chroot";
            GTEST_SKIP() << "install test skipped: needs root for chroot";
        }
        QString why;
        m_deb = pkg::packageFile(why);
        ASSERT_FALSE(m_deb.isEmpty()) << why.toStdString();
        m_cache = pkg::buildDir() + "/package-root";
        ASSERT_TRUE(QDir().mkpath(m_cache));
        m_lock = std::make_unique<QLockFile>(m_cache + "/.using");
        m_lock->setStaleLockTime(0);
        ASSERT_TRUE(m_lock->lock());
    }

    QString root() const { return m_cache + "/root"; }

    // The cached root, made again when the package's dependencies changed.
    void prepareRoot() {
        const QString suite = osRelease("VERSION_CODENAME");
        ASSERT_FALSE(suite.isEmpty()) << "no VERSION_CODENAME in /etc/os-release";
        const QString deps = dependencyNames(
            QString::fromUtf8(run("dpkg-deb", {"-f", m_deb, "Depends"}).out.trimmed()));
        const QString want = suite + " " + deps + "\n";
        QFile stamp(m_cache + "/root.made");
        if (QDir(root()).exists() && stamp.open(QIODevice::ReadOnly) && stamp.readAll() == want)
            return;
        stamp.close();
        for (const QString& dir : {root(), root() + ".part"}) {
            ASSERT_FALSE(mountedBelow(dir)) << "something is mounted below " << dir.toStdString();
            QDir(dir).removeRecursively();
        }
        QElapsedTimer t;
        t.start();
        // The machine's own apt sources, so the root comes from the mirror this
        // machine already reaches.
        QStringList sources;
        if (QFileInfo("/etc/apt/sources.list").size() > 0) sources << "/etc/apt/sources.list";
        for (const QFileInfo& f :
             QDir("/etc/apt/sources.list.d")
                 .entryInfoList({"*.list", "*.sources"}, QDir::Files, QDir::Name))
            sources << f.absoluteFilePath();
        ASSERT_FALSE(sources.isEmpty()) << "no apt sources on this machine";
        // mmdebstrap rather than debootstrap: it fetches in parallel and unpacks in
        // one go, twice as fast here. Its mounts stay in a namespace of its own.
        const Result r = run("unshare",
                             QStringList{"--mount", "mmdebstrap", "--variant=minbase",
                                         "--include=" + deps, suite, root() + ".part"}
                                 << sources,
                             QProcessEnvironment::systemEnvironment(), 1200000);
        ASSERT_EQ(r.exitCode, 0) << "mmdebstrap failed: "
                                 << (r.out.right(2000) + r.err.right(3000)).toStdString();
        ASSERT_TRUE(QDir().rename(root() + ".part", root()));
        ASSERT_TRUE(stamp.open(QIODevice::WriteOnly | QIODevice::Truncate));
        stamp.write(want.toUtf8());
        std::printf("made the Debian root in %.0f s\n", t.elapsed() / 1000.0);
    }

    Result inChroot(const QStringList& env, const QStringList& command, int timeoutMs = 300000) {
        return run("unshare", inRoot(root(), env, command),
                   QProcessEnvironment::systemEnvironment(), timeoutMs);
    }

    // Starts a launcher on the display and waits for its first frame.
    void firstFrame(const QString& launcher, const QString& display) {
        QProcess program;
        program.start(
            "unshare",
            inRoot(root(), {"HOME=/tmp/home", "DISPLAY=" + display, "QT_QPA_PLATFORM=xcb"},
                   {launcher}));
        QElapsedTimer t;
        t.start();
        QImage screen;
        QString why;
        while (t.elapsed() < 60000 && program.state() != QProcess::NotRunning) {
            screen = screenshot(display);
            if (showsAWindow(screen, &why)) break;
            QThread::msleep(200);
        }
        const bool shown = showsAWindow(screen, &why);
        if (program.state() != QProcess::NotRunning) {
            program.kill();  // --kill-child ends the program with it
            program.waitForFinished();
        }
        EXPECT_TRUE(shown) << launcher.toStdString() << ": " << why.toStdString() << "\n"
                           << program.readAllStandardError().toStdString();
        // Kept for a look: build/package-root/pennatone-demo.png and lyrafret-demo.png.
        screen.save(m_cache + "/" + launcher.section('/', -1) + ".png");
        // The window went with the program, so the next frame is the next program's.
        QElapsedTimer gone;
        gone.start();
        bool blank = false;
        while (gone.elapsed() < 10000 && !(blank = !showsAWindow(screenshot(display))))
            QThread::msleep(100);
        EXPECT_TRUE(blank) << launcher.toStdString() << " left its window on the screen";
    }

    QString m_deb, m_cache;
    std::unique_ptr<QLockFile> m_lock;
};

TEST_F(DebPackageInstall, AptInstallsStartsBothLaunchersAndRemovesEveryFile) {
    ASSERT_NO_FATAL_FAILURE(prepareRoot());
    const QString inside = "/tmp/" + m_deb.section('/', -1);
    QFile::remove(root() + inside);
    ASSERT_TRUE(QFile::copy(m_deb, root() + inside));
    QDir().mkpath(root() + "/tmp/home");
    const QSet<QString> before = listing(root());
    const QStringList apt{"DEBIAN_FRONTEND=noninteractive"};

    Result r = inChroot(apt, {"apt-get", "install", "-y", "--no-install-recommends", inside});
    ASSERT_EQ(r.exitCode, 0) << (r.out + r.err).toStdString();

    // Installed: exactly the package's files, each where the .deb has it.
    const QSet<QString> installed = listing(root());
    QSet<QString> packed;
    const Result files = run("sh", {"-c", "dpkg-deb --fsys-tarfile \"$0\" | tar -t", m_deb});
    for (QString path : QString::fromUtf8(files.out).split('\n', Qt::SkipEmptyParts)) {
        path = path.mid(1);  // "./usr/bin/x" -> "/usr/bin/x"
        if (path.endsWith('/')) path.chop(1);
        if (!path.isEmpty()) packed.insert(path);
    }
    ASSERT_GT(packed.size(), 1000) << "the package lists too few files";
    QSet<QString> added = installed - before;
    for (auto it = added.begin(); it != added.end();)
        it = it->startsWith("/var/lib/dpkg/info/guitar-reference.") ? added.erase(it) : ++it;
    EXPECT_EQ(added, packed - before)
        << "added, not packed:\n"
        << sample(added - packed).toStdString() << "\npacked, not added:\n"
        << sample(packed - before - added).toStdString();

    {
        Xvfb x;
        ASSERT_FALSE(x.display().isEmpty()) << "Xvfb did not say its display";
        ASSERT_FALSE(showsAWindow(screenshot(x.display()))) << "the empty screen is not blank";
        firstFrame("/usr/bin/pennatone-demo", x.display());
        firstFrame("/usr/bin/lyrafret-demo", x.display());
    }

    r = inChroot(apt, {"apt-get", "purge", "-y", "guitar-reference"});
    EXPECT_EQ(r.exitCode, 0) << (r.out + r.err).toStdString();
    QFile::remove(root() + inside);
    QDir(root() + "/tmp/home").removeRecursively();
    const QSet<QString> after = listing(root());
    EXPECT_TRUE(after == before) << "left behind:\n"
                                 << sample(after - before).toStdString() << "\nremoved:\n"
                                 << sample(before - after).toStdString();
}

}  // namespace
