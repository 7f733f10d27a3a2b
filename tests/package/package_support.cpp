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

namespace {

QDateTime newestBuildOutput() {
    QDateTime newest;
    for (const char* name : {"PennatoneDemo", "LyrafretDemo", "demo-driver", "sound-player.so"})
        newest = std::max(newest, QFileInfo(QString(DEMO_BIN_DIR) + "/" + name).lastModified());
    const auto below = [&](const QString& dir, const QStringList& names) {
        QDirIterator it(dir, names, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) newest = std::max(newest, it.nextFileInfo().lastModified());
    };
    below(QString(DEMO_BIN_DIR) + "/img", {});
    below(buildDir() + "/packaging", {"*.gz", "*.xml", "*.png", "*.svg"});
    below(QString(DEMO_SOURCE_DIR) + "/packaging", {});
    return newest;
}

}  // namespace

QString packageFile(QString& why) {
    const QString folder = buildDir() + "/package";
    QDir().mkpath(folder);
    QLockFile lock(folder + "/.making");  // test processes run side by side
    lock.setStaleLockTime(0);
    lock.lock();
    auto newest = [&] {
        const QFileInfoList made =
            QDir(folder).entryInfoList({"guitar-reference_*.deb"}, QDir::Files, QDir::Time);
        return made.isEmpty() ? QFileInfo() : made.first();
    };
    if (newest().exists() && newest().lastModified() >= newestBuildOutput())
        return newest().absoluteFilePath();
    const QString cpack = QStandardPaths::findExecutable("cpack");
    if (cpack.isEmpty()) {
        why = "cpack not found";
        return {};
    }
    // Generous: on a busy machine packing two thousand pictures can take minutes;
    // ctest makes the package once, before the tests that read it.
    const Result r =
        run(cpack, {"-G", "DEB", "--config", buildDir() + "/CPackConfig.cmake", "-B", folder},
            QProcessEnvironment::systemEnvironment(), 900000);
    if (r.exitCode != 0 || !newest().exists()) {
        why = "cpack failed: " + QString::fromUtf8(r.out + r.err);
        return {};
    }
    return newest().absoluteFilePath();
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
