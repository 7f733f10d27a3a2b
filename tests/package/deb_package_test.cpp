// The .deb as a user gets it: unpacked into an empty root, its programs must
// find the image library they were installed with and show chords from it.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <utility>

namespace {

const QString kBuildDir = QDir::cleanPath(QString(DEMO_BIN_DIR) + "/..");
const QString kInstallDir = "usr/lib/guitar-reference";

struct Result {
    int exitCode = -1;
    QByteArray out, err;
};

Result run(const QString& program, const QStringList& args,
           const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    Result r;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        r.err = "did not finish";
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QDateTime newestBuildOutput() {
    QDateTime newest;
    for (const char* name : {"PennatoneDemo", "LyrafretDemo", "demo-driver"})
        newest = std::max(newest, QFileInfo(QString(DEMO_BIN_DIR) + "/" + name).lastModified());
    QDirIterator it(QString(DEMO_BIN_DIR) + "/img", QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) newest = std::max(newest, it.nextFileInfo().lastModified());
    return newest;
}

// The package `make package` left, when it is newer than what it packs;
// otherwise it is made now, in the same place, so that the other test
// processes find it. Empty, with `why` set, when that fails.
QString packageFile(QString& why) {
    const QString folder = kBuildDir + "/package";
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
    const Result r =
        run(cpack, {"-G", "DEB", "--config", kBuildDir + "/CPackConfig.cmake", "-B", folder});
    if (r.exitCode != 0 || !newest().exists()) {
        why = "cpack failed: " + QString::fromUtf8(r.out + r.err);
        return {};
    }
    return newest().absoluteFilePath();
}

class DebPackage : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QStandardPaths::findExecutable("dpkg-deb").isEmpty()) {
            s_skip = "package test skipped: dpkg-deb not installed";
            return;
        }
        s_scratch = new QTemporaryDir;
        s_deb = packageFile(s_why);
        if (s_deb.isEmpty()) return;
        s_root = s_scratch->filePath("root");
        const Result r = run("dpkg-deb", {"-x", s_deb, s_root});
        if (r.exitCode != 0) s_why = "dpkg-deb -x failed: " + QString::fromUtf8(r.err);
    }
    static void TearDownTestSuite() {
        delete s_scratch;
        s_scratch = nullptr;
    }
    void SetUp() override {
        if (!s_skip.isEmpty()) GTEST_SKIP() << s_skip.toStdString();
        ASSERT_TRUE(s_why.isEmpty()) << s_why.toStdString();
    }

    static QString unpacked(const QString& path) { return s_root + "/" + path; }

    // demo-driver from the package; its state as JSON.
    static QJsonObject drive(const QStringList& args, Result* result = nullptr) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        const Result r = run(unpacked(kInstallDir + "/demo-driver"), args, env);
        if (result) *result = r;
        return QJsonDocument::fromJson(r.out).object();
    }

    static inline QString s_skip, s_why, s_deb, s_root;
    static inline QTemporaryDir* s_scratch = nullptr;
};

TEST_F(DebPackage, HoldsProgramsLibraryLaunchersMenuEntriesAndIcons) {
    for (const QString& path :
         {kInstallDir + "/PennatoneDemo", kInstallDir + "/LyrafretDemo",
          kInstallDir + "/demo-driver", kInstallDir + "/img/demo/20/1.bmp",
          kInstallDir + "/img/demo/13/13.bmp", QString("usr/bin/pennatone-demo"),
          QString("usr/bin/lyrafret-demo")}) {
        const QFileInfo f(unpacked(path));
        EXPECT_TRUE(f.isFile()) << path.toStdString();
        if (!path.contains("/img/")) {
            EXPECT_TRUE(f.isExecutable()) << path.toStdString();
        }
    }
    for (const QString name : {"pennatone-demo", "lyrafret-demo"}) {
        QFile desktop(unpacked("usr/share/applications/" + name + ".desktop"));
        ASSERT_TRUE(desktop.open(QIODevice::ReadOnly)) << name.toStdString();
        const QString text = QString::fromUtf8(desktop.readAll());
        EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
        EXPECT_TRUE(text.contains("\nExec=" + name + "\n")) << "starts the launcher on the PATH";
        EXPECT_TRUE(text.contains("\nIcon=" + name + "\n"));
        EXPECT_TRUE(
            QFileInfo(unpacked("usr/share/icons/hicolor/64x64/apps/" + name + ".png")).isFile());
    }
    const Result fields = run("dpkg-deb", {"-f", s_deb, "Depends"});
    for (const char* needed :
         {"libqt6widgets6", "libqt6gui6", "libqt6core6", "qt6-qpa-plugins", "fonts-liberation2"})
        EXPECT_TRUE(fields.out.contains(needed)) << needed << " in " << fields.out.toStdString();
}

TEST_F(DebPackage, UnpackedDriverShowsAChordFromTheUnpackedLibrary) {
    Result r;
    const QJsonObject state =
        drive({"PennatoneDemo", "--folder", unpacked(kInstallDir), "Base", "6", "Ty", "0"}, &r);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(state["errors"].toArray().size(), 0) << r.out.toStdString();
    const QJsonObject controls = state["controls"].toObject();
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(controls[QString("Chord_Display(%1)").arg(i)].toObject()["Picture"].toString(),
                  QString("img/demo/20/%1.bmp").arg(i + 1));
    EXPECT_EQ(controls["Chord_Display(18)"].toObject()["Picture"].toString(), "img/demo/20/E.bmp");
}

TEST_F(DebPackage, WithoutAFolderTheDriverReadsTheLibraryBesideItself) {
    // A picture taken out of the unpacked library must be missed, so the
    // pictures cannot be coming from the build tree.
    const QString picture = unpacked(kInstallDir + "/img/demo/q/1.bmp");
    ASSERT_TRUE(QFile::rename(picture, picture + ".away"));
    Result r;
    const QJsonObject state = drive({"LyrafretDemo", "Key_C", "1", "key", "5"}, &r);
    QFile::rename(picture + ".away", picture);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonArray errors = state["errors"].toArray();
    ASSERT_EQ(errors.size(), 1) << r.out.toStdString();
    EXPECT_TRUE(errors[0].toString().contains("img/demo/q/1.bmp")) << r.out.toStdString();

    const QJsonObject again = drive({"LyrafretDemo", "Key_C", "1", "key", "5"}, &r);
    EXPECT_EQ(again["errors"].toArray().size(), 0) << r.out.toStdString();
    EXPECT_EQ(again["controls"].toObject()["Chord_Display(8)"].toObject()["Picture"].toString(),
              "img/demo/q/9.bmp");
}

TEST_F(DebPackage, LaunchersStartTheUnpackedPrograms) {
    // With no display at all the programs say so in one line and stop, which
    // shows that the launcher reached the program beside the library.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* var : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(var);
    for (const auto& [launcher, program] : {std::pair{"pennatone-demo", "PennatoneDemo"},
                                            std::pair{"lyrafret-demo", "LyrafretDemo"}}) {
        const Result r = run(unpacked(QString("usr/bin/") + launcher), {}, env);
        EXPECT_EQ(r.exitCode, 1) << launcher;
        EXPECT_TRUE(r.err.contains("No display")) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(program)) << r.err.toStdString();
    }
}

}  // namespace
