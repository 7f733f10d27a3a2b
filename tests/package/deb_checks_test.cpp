// What a Debian maintainer and a software centre check before they take the
// package: lintian, the menu entries' and the metainfo's validators, and the
// icons in every size a desktop asks for.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

#include "tests/package/package_support.h"

namespace {

using pkg::Result;
using pkg::run;

const QString kShare = "usr/share/";

class DebPackageChecks : public testing::Test {
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

    static inline QString s_why, s_deb, s_root;
    static inline QTemporaryDir* s_scratch = nullptr;
};

TEST_F(DebPackageChecks, LintianReportsNothingAndFindsTheProgramsHardened) {
    REQUIRE_TOOLS("lintian");
    // Errors and warnings are what lintian shows by default; a missing
    // hardening feature (no fortified functions, no immediate binding) is only
    // informational, so those are shown too.
    const Result r = run("lintian", {"--display-info", "--tag-display-limit", "0", s_deb},
                         QProcessEnvironment::systemEnvironment(), 600000);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    QStringList reported, unhardened;
    for (const QString& line : QString::fromUtf8(r.out).split('\n', Qt::SkipEmptyParts)) {
        if (!line.startsWith("I: ")) reported << line;
        if (line.contains(" hardening-")) unhardened << line;
    }
    EXPECT_TRUE(reported.isEmpty()) << reported.join("\n").toStdString();
    EXPECT_TRUE(unhardened.isEmpty()) << unhardened.join("\n").toStdString();
}

TEST_F(DebPackageChecks, MenuEntriesValidateWithoutErrorsOrHints) {
    REQUIRE_TOOLS("desktop-file-validate");
    for (const QString name : {"pennatone-demo", "lyrafret-demo"}) {
        const Result r =
            run("desktop-file-validate", {unpacked(kShare + "applications/" + name + ".desktop")});
        EXPECT_EQ(r.exitCode, 0) << name.toStdString();
        EXPECT_EQ((r.out + r.err).trimmed().toStdString(), "") << name.toStdString();
    }
}

QString readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

TEST_F(DebPackageChecks, MetainfoValidatesPedanticallyAndNamesTheRelease) {
    REQUIRE_TOOLS("appstreamcli", "gzip");
    const QString version =
        QString::fromUtf8(run("dpkg-deb", {"-f", s_deb, "Version"}).out.trimmed());
    // The newest changelog entry is the release: "… -- Name <mail>  Tue, 08 Dec 2026 …".
    const QString changelog = QString::fromUtf8(
        run("gzip", {"-dc", unpacked(kShare + "doc/guitar-reference/changelog.gz")}).out);
    ASSERT_TRUE(changelog.startsWith("guitar-reference (" + version + ") "))
        << changelog.toStdString();
    const QRegularExpressionMatch date =
        QRegularExpression(R"(\n -- [^\n]*>  \w\w\w, (\d\d) (\w\w\w) (\d\d\d\d) )")
            .match(changelog);
    ASSERT_TRUE(date.hasMatch()) << changelog.toStdString();
    const QStringList months{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QString isoDate = QString("%1-%2-%3")
                                .arg(date.captured(3))
                                .arg(months.indexOf(date.captured(2)) + 1, 2, 10, QChar('0'))
                                .arg(date.captured(1));
    const QString readme = readAll(QString(DEMO_SOURCE_DIR) + "/README.md");

    for (const QString id : {"org.example.pennatone_demo", "org.example.lyrafret_demo"}) {
        const QString file = unpacked(kShare + "metainfo/" + id + ".metainfo.xml");
        const Result r = run("appstreamcli", {"validate", "--pedantic", "--no-net", file});
        EXPECT_EQ(r.exitCode, 0) << r.out.toStdString();
        // Every finding, down to the pedantic ones, starts a line with its level.
        EXPECT_FALSE(QString::fromUtf8(r.out).contains(
            QRegularExpression("^[EWIP]: ", QRegularExpression::MultilineOption)))
            << r.out.toStdString();

        const QString xml = readAll(file);
        EXPECT_TRUE(xml.contains("<release version=\"" + version + "\" date=\"" + isoDate + "\""))
            << id.toStdString() << " names the release " << version.toStdString() << " of "
            << isoDate.toStdString();
        // The screenshots are the README's, so both show the same pictures.
        int screenshots = 0;
        QRegularExpressionMatchIterator it =
            QRegularExpression("<image>https://[^<]*/(docs/[^/<]+\\.png)</image>").globalMatch(xml);
        while (it.hasNext()) {
            const QString picture = it.next().captured(1);
            ++screenshots;
            EXPECT_TRUE(QFile::exists(QString(DEMO_SOURCE_DIR) + "/" + picture))
                << picture.toStdString();
            EXPECT_TRUE(readme.contains("(" + picture + ")")) << picture.toStdString();
        }
        EXPECT_GE(screenshots, 1) << id.toStdString();
    }
}

// Mean difference per channel, and the share of pixels off by more than a
// quarter of the range, between two equally sized pictures.
struct Difference {
    double mean = 255, farOff = 1;
};

Difference compare(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull()) return {};
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    int far = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            const int d[4] = {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q),
                              qAlpha(p) - qAlpha(q)};
            int worst = 0;
            for (int c : d) {
                sum += std::abs(c);
                worst = std::max(worst, std::abs(c));
            }
            if (worst > 64) ++far;
        }
    const double pixels = double(x.width()) * x.height();
    return {sum / (4 * pixels), far / pixels};
}

TEST_F(DebPackageChecks, IconsAreOneDrawingInEverySize) {
    REQUIRE_TOOLS("rsvg-convert");
    QTemporaryDir scratch;
    for (const QString name : {"pennatone-demo", "lyrafret-demo"}) {
        const QString theme = unpacked(kShare + "icons/hicolor/");
        const QImage large(theme + "256x256/apps/" + name + ".png");
        ASSERT_EQ(large.size(), QSize(256, 256)) << name.toStdString();
        // Another renderer draws the scalable icon: it must match our largest picture.
        const QString rendered = scratch.filePath(name + ".png");
        const Result r = run("rsvg-convert", {"-w", "256", "-h", "256", "-o", rendered,
                                              theme + "scalable/apps/" + name + ".svg"});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const Difference svg = compare(QImage(rendered), large);
        EXPECT_LT(svg.mean, 2.0) << name.toStdString();
        EXPECT_LT(svg.farOff, 0.01) << name.toStdString();

        for (int size : {16, 32, 48, 64, 128}) {
            const QImage icon(theme + QString("%1x%1/apps/").arg(size) + name + ".png");
            ASSERT_EQ(icon.size(), QSize(size, size)) << name.toStdString() << " " << size;
            // Rounded corners stay clear, the tile itself is opaque.
            EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << name.toStdString() << " " << size;
            EXPECT_EQ(qAlpha(icon.pixel(size / 2, size * 3 / 4)), 255)
                << name.toStdString() << " " << size;
            const Difference scaled = compare(
                icon, large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            EXPECT_LT(scaled.mean, 12.0) << name.toStdString() << " " << size;
        }
    }
}

}  // namespace
