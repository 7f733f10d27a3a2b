// The .deb as a user gets it: unpacked into an empty root, its programs must
// find the image library they were installed with and show chords from it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <utility>

#include "tests/package/package_support.h"

namespace {

using pkg::Result;
using pkg::run;

const QString kInstallDir = "usr/lib/guitar-reference";

// Made once per ctest run (the DebPackage.Made fixture) before the tests that
// read it, as `make package` makes it: with Debian's flags and without
// -Werror, as a distribution builds it. Such a build must still be free of
// warnings, since a packager reads them in the build log.
TEST(DebPackageMade, IsCurrentAndBuiltAsADistributionBuildsIt) {
    REQUIRE_TOOLS("cmake", "cpack", "dpkg-buildflags", "dpkg-deb");
    QString why;
    QByteArray log;
    ASSERT_FALSE(pkg::makePackage(why, &log).isEmpty()) << why.toStdString();

    QStringList warnings;
    QRegularExpressionMatchIterator it =
        QRegularExpression(R"(^.*(:\d+:(\d+:)? warning: |\bld: warning: ).*$)",
                           QRegularExpression::MultilineOption)
            .globalMatch(QString::fromUtf8(log));
    while (it.hasNext()) warnings << it.next().captured(0);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join("\n").toStdString();

    QFile cache(pkg::packageBuildDir() + "/CMakeCache.txt");
    ASSERT_TRUE(cache.open(QIODevice::ReadOnly));
    const QString settings = QString::fromUtf8(cache.readAll());
    EXPECT_TRUE(settings.contains("\nDEMO_WERROR:BOOL=OFF\n"));
    const QRegularExpressionMatch flags =
        QRegularExpression("\nCMAKE_CXX_FLAGS:STRING=([^\n]*)\n").match(settings);
    for (const char* flag : {"-D_FORTIFY_SOURCE=2", "-fstack-protector-strong"})
        EXPECT_TRUE(flags.captured(1).contains(flag))
            << flag << " in " << flags.captured(1).toStdString();
}

class DebPackage : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!pkg::missingTools({"dpkg-deb"}).isEmpty()) return;
        s_scratch = new QTemporaryDir;
        s_deb = pkg::packageFile(s_why);
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
        REQUIRE_TOOLS("dpkg-deb");
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

    static inline QString s_why, s_deb, s_root;
    static inline QTemporaryDir* s_scratch = nullptr;
};

TEST_F(DebPackage, HoldsProgramsLibraryLaunchersMenuEntriesAndIcons) {
    for (const QString& path :
         {kInstallDir + "/PennatoneDemo", kInstallDir + "/LyrafretDemo",
          kInstallDir + "/demo-driver", kInstallDir + "/sound-player.so",
          QString("usr/share/guitar-reference/img/demo/20/1.bmp"),
          QString("usr/share/guitar-reference/img/demo/13/13.bmp"),
          QString("usr/bin/pennatone-demo"), QString("usr/bin/lyrafret-demo")}) {
        const QFileInfo f(unpacked(path));
        EXPECT_TRUE(f.isFile()) << path.toStdString();
        // Shared objects and pictures are read, not run.
        EXPECT_EQ(f.isExecutable(), !path.contains("/img/") && !path.endsWith(".so"))
            << path.toStdString();
    }
    // The programs look for their library beside themselves.
    const QFileInfo link(unpacked(kInstallDir + "/img"));
    EXPECT_TRUE(link.isSymLink());
    EXPECT_EQ(link.symLinkTarget(),
              QFileInfo(unpacked("usr/share/guitar-reference/img")).filePath());
    EXPECT_TRUE(QFileInfo(unpacked(kInstallDir + "/img/demo/20/1.bmp")).isFile());

    for (const QString name : {"pennatone-demo", "lyrafret-demo"}) {
        QFile desktop(unpacked("usr/share/applications/" + name + ".desktop"));
        ASSERT_TRUE(desktop.open(QIODevice::ReadOnly)) << name.toStdString();
        const QString text = QString::fromUtf8(desktop.readAll());
        EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
        EXPECT_TRUE(text.contains("\nExec=" + name + "\n")) << "starts the launcher on the PATH";
        EXPECT_TRUE(text.contains("\nIcon=" + name + "\n"));
        for (int size : {16, 32, 48, 64, 128, 256}) {
            const QString icon =
                QString("usr/share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(name);
            EXPECT_EQ(QImage(unpacked(icon)).size(), QSize(size, size)) << icon.toStdString();
        }
        EXPECT_TRUE(
            QFileInfo(unpacked("usr/share/icons/hicolor/scalable/apps/" + name + ".svg")).isFile());
        EXPECT_TRUE(QFileInfo(unpacked("usr/share/man/man1/" + name + ".1.gz")).isFile());
    }
    for (const char* doc : {"copyright", "changelog.gz"})
        EXPECT_TRUE(QFileInfo(unpacked(QString("usr/share/doc/guitar-reference/") + doc)).isFile())
            << doc;
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
    const QString picture = unpacked("usr/share/guitar-reference/img/demo/q/1.bmp");
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
