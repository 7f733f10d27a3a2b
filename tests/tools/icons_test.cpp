// The icons: one drawing behind the window icon, every pixel size and the
// scalable file.
#include "tools/imagegen/icons.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <set>

#include "tools/imagegen/artwork.h"

namespace {

void ensureGuiApp() {
    if (QGuiApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tests_tools";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

TEST(Icons, TheWindowIconIsTheMenuIconAt64Pixels) {
    ensureGuiApp();
    EXPECT_EQ(imagegen::drawArtwork("icon_pennatone"), imagegen::drawIcon("pennatone-demo", 64));
    EXPECT_EQ(imagegen::drawArtwork("icon_lyrafret"), imagegen::drawIcon("lyrafret-demo", 64));
    EXPECT_TRUE(imagegen::drawIcon("no-such-icon", 64).isNull());
    EXPECT_TRUE(imagegen::iconSvg("no-such-icon").isEmpty());
}

TEST(Icons, TheScalableFileIsWellFormedSvgOnTheIconGrid) {
    for (const std::string& name : imagegen::iconNames()) {
        QXmlStreamReader xml(imagegen::iconSvg(name));
        std::set<QString> elements;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            elements.insert(xml.name().toString());
            if (xml.name() == QLatin1String("svg")) {
                EXPECT_EQ(xml.attributes().value("viewBox").toString(), "0 0 64 64") << name;
            }
        }
        EXPECT_FALSE(xml.hasError()) << name << ": " << xml.errorString().toStdString();
        for (const char* needed : {"svg", "rect", "line", "ellipse", "linearGradient"})
            EXPECT_TRUE(elements.count(needed)) << name << " lacks " << needed;
    }
}

TEST(Icons, EverySizeIsWrittenOnceAndAgainWithTheSameBytes) {
    ensureGuiApp();
    QTemporaryDir dir;
    ASSERT_TRUE(imagegen::writeIcons(dir.path()));
    std::set<QString> written;
    QDirIterator it(dir.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) written.insert(it.next().mid(dir.path().size() + 1));
    std::set<QString> expected;
    for (const char* name : {"pennatone-demo", "lyrafret-demo"}) {
        for (int size : {16, 32, 48, 64, 128, 256}) {
            const QString file = QString("hicolor/%1x%1/apps/%2.png").arg(size).arg(name);
            expected.insert(file);
            EXPECT_EQ(QImage(dir.filePath(file)).size(), QSize(size, size)) << file.toStdString();
        }
        expected.insert(QString("hicolor/scalable/apps/%1.svg").arg(name));
    }
    EXPECT_EQ(written, expected);

    QFile svg(dir.filePath("hicolor/scalable/apps/lyrafret-demo.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray first = svg.readAll();
    svg.close();
    ASSERT_TRUE(imagegen::writeIcons(dir.path()));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_EQ(svg.readAll(), first);
}

}  // namespace
