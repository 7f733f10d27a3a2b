#include "tests/package/package_support.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>

namespace pkg {

Result run(const QString& program, const QStringList& args, const QProcessEnvironment& env,
           int timeoutMs) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    Result r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.err = program.toUtf8() + " did not finish in " + QByteArray::number(timeoutMs / 1000) +
                " s: " + p.readAllStandardError();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QString buildDir() {
    return QDir::cleanPath(QString(DEMO_BIN_DIR) + "/..");
}

QString packageBuildDir() {
    return buildDir() + "/deb";
}

namespace {

QString packageFolder() {
    return buildDir() + "/package";
}

// What the .deb packs comes from the package's own build; a change built into
// this build since then means the sources moved on too.
QDateTime newestBuildOutput() {
    QDateTime newest;
    const auto below = [&](const QString& dir, const QStringList& names) {
        QDirIterator it(dir, names, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) newest = std::max(newest, it.nextFileInfo().lastModified());
    };
    for (const QString& bin : {QString(DEMO_BIN_DIR), packageBuildDir() + "/bin"}) {
        for (const char* name : {"PennatoneDemo", "LyrafretDemo", "demo-driver", "sound-player.so"})
            newest = std::max(newest, QFileInfo(bin + "/" + name).lastModified());
        below(bin + "/img", {});
    }
    below(packageBuildDir() + "/packaging", {"*.gz", "*.xml", "*.png", "*.svg"});
    below(QString(DEMO_SOURCE_DIR) + "/packaging", {});
    return newest;
}

QFileInfo newestPackage() {
    const QFileInfoList made =
        QDir(packageFolder()).entryInfoList({"guitar-reference_*.deb"}, QDir::Files, QDir::Time);
    return made.isEmpty() ? QFileInfo() : made.first();
}

// Runs what `make package` runs; the caller holds the lock.
QString build(QString& why, QByteArray* log) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Under `make test` these carry the outer make's job server, which the
    // package's own build cannot reach.
    for (const char* var : {"MAKEFLAGS", "MFLAGS", "MAKELEVEL"}) env.remove(var);
    // Generous: on a busy machine with nothing cached the build takes many
    // minutes and packing two thousand pictures several more; ctest makes the
    // package once, before the tests that read it.
    const Result r = run(QString(DEMO_SOURCE_DIR) + "/packaging/build-deb.sh",
                         {packageBuildDir(), packageFolder()}, env, 2340000);
    if (log) *log = r.out + r.err;
    if (r.exitCode != 0 || !newestPackage().exists()) {
        why = "packaging/build-deb.sh failed: " + QString::fromUtf8(r.out + r.err);
        return {};
    }
    return newestPackage().absoluteFilePath();
}

}  // namespace

QString makePackage(QString& why, QByteArray* log) {
    QDir().mkpath(packageFolder());
    QLockFile lock(packageFolder() + "/.making");  // test processes run side by side
    lock.setStaleLockTime(0);
    lock.lock();
    return build(why, log);
}

QString packageFile(QString& why) {
    QDir().mkpath(packageFolder());
    QLockFile lock(packageFolder() + "/.making");
    lock.setStaleLockTime(0);
    lock.lock();
    const QFileInfo made = newestPackage();
    if (made.exists() && made.lastModified() >= newestBuildOutput()) return made.absoluteFilePath();
    return build(why, nullptr);
}

QString missingTools(const QStringList& tools) {
    QStringList missing;
    for (const QString& tool : tools)
        if (QStandardPaths::findExecutable(tool).isEmpty() &&
            QStandardPaths::findExecutable(tool, {"/usr/sbin", "/sbin"}).isEmpty())
            missing << tool;
    return missing.isEmpty() ? QString() : "not installed: " + missing.join(", ");
}

}  // namespace pkg
