#include "sheet/exports.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "tests/sheet/tools.h"

namespace {

using sheet_tests::have;
using sheet_tests::inkOf;
using sheet_tests::readAll;
using sheet_tests::run;

sheet::Sheet practice() {
    sheet::Sheet s;
    s.title = "Practice sheet";
    s.entries = sheet_tests::samples();
    return s;
}

sheet::ExportOptions a4() {
    return {{}, QPageSize(QPageSize::A4)};
}

// The page's content rectangle in points, as the exports lay it out.
QRectF contentPoints(const QPageSize& size) {
    const QSizeF points = size.size(QPageSize::Point);
    const double margin = sheet::kMarginMillimetres / 25.4 * 72.0;
    return QRectF(margin, margin, points.width() - 2 * margin, points.height() - 2 * margin);
}

QString pdfText(const QString& pdf, int page = 0) {
    QStringList args = {"-layout", "-enc", "UTF-8"};
    if (page > 0) args << "-f" << QString::number(page) << "-l" << QString::number(page);
    const auto text = run("pdftotext", args << pdf << "-");
    EXPECT_EQ(text.exitCode, 0) << text.err.toStdString();
    return QString::fromUtf8(text.out);
}

int pdfPages(const QString& pdf) {
    const auto info = run("pdfinfo", {pdf});
    const auto match = QRegularExpression("Pages:\\s+(\\d+)").match(QString::fromUtf8(info.out));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// Whether each name appears after the one before it.
bool inOrder(const QString& text, const std::vector<sheet::Entry>& entries, std::string& missing) {
    qsizetype at = 0;
    for (const auto& e : entries) {
        at = text.indexOf(QString::fromStdString(e.name), at);
        if (at < 0) {
            missing = e.name;
            return false;
        }
        at += qsizetype(e.name.size());
    }
    return true;
}

TEST(PdfExport, ChordNamesAreTextInTheirOrder) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("sheet.pdf");
    ASSERT_EQ(sheet::exportSheet(practice(), pdf, a4()), QString());
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains("Practice sheet")) << text.toStdString();
    std::string missing;
    EXPECT_TRUE(inOrder(text, practice().entries, missing)) << missing << " in\n"
                                                            << text.toStdString();
    EXPECT_TRUE(text.contains("4fr")) << "C♯m7 is drawn at the fourth fret";
    EXPECT_EQ(pdfPages(pdf), 1);
    // Vectors and text only: poppler finds no picture in it.
    const auto images = run("pdfimages", {"-list", pdf});
    EXPECT_EQ(images.exitCode, 0);
    EXPECT_EQ(images.out.count('\n'), 2) << "pictures in the PDF:\n" << images.out.toStdString();
}

TEST(PdfExport, ALongSheetFillsPagesInOrderWithEveryDiagramOnce) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("long.pdf");
    const sheet::Sheet s = sheet_tests::longSheet(70);
    ASSERT_EQ(sheet::exportSheet(s, pdf, a4()), QString());
    const int pages = pdfPages(pdf);
    ASSERT_GT(pages, 1);
    // Each page holds a run of the names, in order, following the page before it.
    std::size_t next = 0;
    const QRegularExpression name("\\bN(\\d+)\\b");
    for (int page = 1; page <= pages; ++page) {
        const QString text = pdfText(pdf, page);
        EXPECT_TRUE(text.contains("Long sheet")) << "page " << page;
        int onPage = 0;
        for (auto m = name.globalMatch(text); m.hasNext(); ++onPage)
            EXPECT_EQ(m.next().captured(1).toULongLong(), next++) << "page " << page;
        EXPECT_GT(onPage, 0) << "page " << page << " is empty";
    }
    EXPECT_EQ(next, s.entries.size());
}

TEST(PdfExport, PaperIsTheLocalesOwn) {
    struct Case {
        QLocale locale;
        const char* paper;  // as pdfinfo names it
    };
    const std::vector<Case> cases = {{QLocale(QLocale::English, QLocale::UnitedStates), "letter"},
                                     {QLocale(QLocale::German, QLocale::Germany), "A4"},
                                     {QLocale(QLocale::English, QLocale::UnitedKingdom), "A4"}};
    QTemporaryDir dir;
    for (const Case& c : cases) {
        const QString pdf = dir.filePath(c.locale.name() + ".pdf");
        ASSERT_EQ(sheet::exportSheet(practice(), pdf, {{}, sheet::pageSizeFor(c.locale)}),
                  QString());
        const QString info = QString::fromUtf8(run("pdfinfo", {pdf}).out);
        EXPECT_TRUE(info.contains(QString("(%1)").arg(c.paper))) << info.toStdString();
    }
}

// A page as pdftoppm renders it, in grey, at `dpi`.
QImage rendered(const QString& pdf, int page, int dpi, const QString& stem) {
    const auto r =
        run("pdftoppm", {"-gray", "-png", "-r", QString::number(dpi), "-f", QString::number(page),
                         "-l", QString::number(page), "-singlefile", pdf, stem});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return QImage(stem + ".png");
}

QRect pixelsOf(const QRectF& points, double dpi) {
    const double k = dpi / 72.0;
    return QRectF(points.left() * k, points.top() * k, points.width() * k, points.height() * k)
        .toAlignedRect();
}

TEST(PdfExport, EveryDiagramIsDrawnInItsCellAndNothingBeyond) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("sheet.pdf");
    const sheet::Sheet s = practice();
    ASSERT_EQ(sheet::exportSheet(s, pdf, a4()), QString());
    const int dpi = 50;
    const QImage page = rendered(pdf, 1, dpi, dir.filePath("page"));
    ASSERT_FALSE(page.isNull());
    const QRectF content = contentPoints(QPageSize(QPageSize::A4));
    QRectF used;
    for (std::size_t i = 0; i < s.entries.size(); ++i) {
        const QRectF cell = sheet::placementOf(s, content, i).cell;
        used |= cell;
        EXPECT_GT(inkOf(page, pixelsOf(cell, dpi)), 0.02) << s.entries[i].name << " is not drawn";
    }
    const QRectF below(content.left(), used.bottom() + 2, content.width(),
                       content.bottom() - used.bottom() - 2);
    EXPECT_EQ(inkOf(page, pixelsOf(below, dpi)), 0.0) << "ink below the last row";
}

// PNG's own chunks, read without Qt: size and the dots per metre a reader sees.
struct PngHeader {
    quint32 width = 0, height = 0, perMetreX = 0, perMetreY = 0;
    int unit = -1;
};
quint32 bigEndian(const QByteArray& b, qsizetype at) {
    return quint32(uchar(b[at])) << 24 | quint32(uchar(b[at + 1])) << 16 |
           quint32(uchar(b[at + 2])) << 8 | quint32(uchar(b[at + 3]));
}
PngHeader pngHeader(const QByteArray& png) {
    PngHeader h;
    if (!png.startsWith("\x89PNG\r\n\x1a\n")) return h;
    for (qsizetype at = 8; at + 8 <= png.size();) {
        const quint32 length = bigEndian(png, at);
        const QByteArray type = png.mid(at + 4, 4);
        if (type == "IHDR") {
            h.width = bigEndian(png, at + 8);
            h.height = bigEndian(png, at + 12);
        } else if (type == "pHYs") {
            h.perMetreX = bigEndian(png, at + 8);
            h.perMetreY = bigEndian(png, at + 12);
            h.unit = uchar(png[at + 16]);
        }
        at += 12 + qsizetype(length);
    }
    return h;
}

TEST(PngExport, APageAt300DotsPerInchThatSaysSo) {
    struct Case {
        QPageSize::PageSizeId id;
        double widthInches, heightInches;
    };
    const std::vector<Case> cases = {{QPageSize::A4, 210 / 25.4, 297 / 25.4},
                                     {QPageSize::Letter, 8.5, 11}};
    QTemporaryDir dir;
    for (const Case& c : cases) {
        const QString png = dir.filePath(QString("sheet-%1.PNG").arg(int(c.id)));
        ASSERT_EQ(sheet::exportSheet(practice(), png, {{}, QPageSize(c.id)}), QString());
        const PngHeader h = pngHeader(readAll(png));
        EXPECT_NEAR(h.width, c.widthInches * 300, 1.0);
        EXPECT_NEAR(h.height, c.heightInches * 300, 1.0);
        EXPECT_EQ(h.unit, 1) << "dots per metre";
        EXPECT_NEAR(h.perMetreX, 300 / 0.0254, 1.0);
        EXPECT_NEAR(h.perMetreY, 300 / 0.0254, 1.0);
    }
}

TEST(SvgExport, RendersInRsvgAsThePngExportShowsIt) {
    QTemporaryDir dir;
    const QString svg = dir.filePath("sheet.svg"), png = dir.filePath("sheet.png");
    ASSERT_EQ(sheet::exportSheet(practice(), svg, a4()), QString());
    ASSERT_EQ(sheet::exportSheet(practice(), png, a4()), QString());
    EXPECT_FALSE(readAll(svg).contains("<image")) << "the SVG holds a bitmap";
    const auto r = run("rsvg-convert", {"--dpi-x", "300", "--dpi-y", "300", "--background-color",
                                        "white", "-o", dir.filePath("rsvg.png"), svg});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QImage fromSvg(dir.filePath("rsvg.png")), ours(png);
    ASSERT_FALSE(fromSvg.isNull());
    ASSERT_FALSE(ours.isNull());
    EXPECT_NEAR(fromSvg.width(), ours.width(), 2);
    EXPECT_NEAR(fromSvg.height(), ours.height(), 2);
    // Region by region the two hold about the same ink, where there is ink at all.
    const QRectF content = contentPoints(QPageSize(QPageSize::A4));
    const sheet::Sheet s = practice();
    for (std::size_t i = 0; i < s.entries.size(); ++i) {
        const QRect cell = pixelsOf(sheet::placementOf(s, content, i).cell, 300);
        const double a = inkOf(fromSvg, cell), b = inkOf(ours, cell);
        EXPECT_GT(b, 0.02) << s.entries[i].name;
        EXPECT_NEAR(a, b, 0.25 * b) << s.entries[i].name;
    }
    EXPECT_NEAR(inkOf(fromSvg, fromSvg.rect()), inkOf(ours, ours.rect()),
                0.1 * inkOf(ours, ours.rect()));
}

TEST(PictureExports, ALongSheetGoesOnePagePerPicture) {
    QTemporaryDir dir;
    const sheet::Sheet s = sheet_tests::longSheet(70);
    for (const char* name : {"long.svg", "long.png"}) {
        const QString path = dir.filePath(name);
        ASSERT_EQ(sheet::exportSheet(s, path, a4()), QString());
        const QString second = sheet::pageFileName(path, 2);
        EXPECT_TRUE(second.endsWith(QString(name).replace(".", "-2."))) << second.toStdString();
        EXPECT_TRUE(QFileInfo::exists(second)) << second.toStdString();
    }
    const QStringList files = QDir(dir.path()).entryList({"long*.png"});
    EXPECT_EQ(files.size(), QDir(dir.path()).entryList({"long*.svg"}).size());
    EXPECT_EQ(files.size(), [&] {
        const QString pdf = dir.filePath("long.pdf");
        EXPECT_EQ(sheet::exportSheet(s, pdf, a4()), QString());
        return pdfPages(pdf);
    }());
}

// Where the strings' dots fall across a diagram's box: left of its middle or right.
double inkMiddleX(const QImage& image, const QRect& box) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    double sum = 0, count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (grey.constScanLine(y)[x] < 128) {
                sum += x;
                ++count;
            }
    return count > 0 ? sum / count - box.center().x() : 0;
}

TEST(PictureExports, LeftHandedDiagramsAreMirroredWithNamesUpright) {
    QTemporaryDir dir;
    sheet::Sheet s;
    s.title = "Power";
    ASSERT_TRUE(s.add(sheet_tests::entry("E5", {0, 2, 2, -1, -1, -1})));
    const QRectF content = contentPoints(QPageSize(QPageSize::A4));
    QRectF cell = sheet::placementOf(s, content, 0).cell;
    // The box below the marks: dots, strings and frets, without the name.
    cell.setTop(cell.top() + cell.height() * 0.3);
    std::vector<double> middles;
    for (bool left : {false, true}) {
        const QString png = dir.filePath(left ? "left.png" : "right.png");
        ASSERT_EQ(sheet::exportSheet(s, png, {{left}, QPageSize(QPageSize::A4)}), QString());
        middles.push_back(inkMiddleX(QImage(png), pixelsOf(cell, 300)));
        const QString pdf = dir.filePath(left ? "left.pdf" : "right.pdf");
        ASSERT_EQ(sheet::exportSheet(s, pdf, {{left}, QPageSize(QPageSize::A4)}), QString());
        EXPECT_TRUE(pdfText(pdf).contains("E5")) << "left-handed " << left;
    }
    EXPECT_LT(middles[0], -5) << "right-handed low strings lie on the left";
    EXPECT_GT(middles[1], 5) << "left-handed low strings lie on the right";
}

TEST(PictureExports, ALongNameStaysInItsOwnCell) {
    QTemporaryDir dir;
    const QRectF content = contentPoints(QPageSize(QPageSize::A4));
    std::vector<QImage> pages;
    for (const std::string& first : {std::string("E"), std::string(64, 'W')}) {
        sheet::Sheet s;
        s.title = std::string(200, 'T');
        ASSERT_TRUE(s.add(sheet_tests::entry(first, {0, 2, 2, 1, 0, 0})));
        ASSERT_TRUE(s.add(sheet_tests::entry("A", {-1, 0, 2, 2, 2, 0})));
        const QString png = dir.filePath(QString::number(first.size()) + ".png");
        ASSERT_EQ(sheet::exportSheet(s, png, a4()), QString());
        pages.emplace_back(png);
    }
    sheet::Sheet layout;
    layout.entries.resize(2);
    const QRect neighbour = pixelsOf(sheet::placementOf(layout, content, 1).cell, 300);
    EXPECT_GT(inkOf(pages[1], pixelsOf(sheet::placementOf(layout, content, 0).cell, 300)), 0.02);
    EXPECT_EQ(inkOf(pages[0], neighbour), inkOf(pages[1], neighbour));
    // The title stays on the page too.
    const QRect rightMargin(pages[1].width() - 100, 0, 100, pages[1].height());
    EXPECT_EQ(inkOf(pages[1], rightMargin), 0.0);
}

TEST(Exports, AnUnknownKindOrAPlaceThatCannotBeWrittenIsNamedAndTheSheetStays) {
    QTemporaryDir dir;
    sheet_tests::writeAll(dir.filePath("plain"), "a file");
    const QStringList places = {dir.filePath("sheet.txt"),
                                dir.filePath("sheet"),
                                dir.filePath("sheet.pdf.bak"),
                                dir.filePath("plain/sheet.pdf"),
                                dir.filePath("plain/sheet.svg"),
                                dir.filePath("plain/sheet.png"),
                                dir.filePath("plain/sheet.cho"),
                                "/dev/full",
                                "/proc/sheet.pdf",
                                "/proc/sheet.cho"};
    const sheet::Sheet before = practice();
    for (const QString& path : places) {
        const sheet::Sheet s = before;
        const QString error = sheet::exportSheet(s, path, a4());
        EXPECT_TRUE(error.contains(path)) << path.toStdString() << ": " << error.toStdString();
        EXPECT_EQ(s, before);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"plain"});
}

TEST(Exports, AFullDiskIsNamedAndAnOldExportStaysAsItWas) {
    for (const char* kind : {".pdf", ".svg", ".png", ".cho"}) {
        QTemporaryDir dir;
        const QString link = dir.filePath(QString("full") + kind);
        ASSERT_TRUE(QFile::link("/dev/full", link));
        const QString error = sheet::exportSheet(practice(), link, a4());
        EXPECT_TRUE(error.contains(link)) << kind << ": " << error.toStdString();
        // A disk that fills up while the new export is written.
        const QString old = dir.filePath(QString("old") + kind);
        ASSERT_TRUE(sheet_tests::writeAll(old, "the export before"));
        const QString cut = sheet_tests::withFileLimit(
            600, [&] { return sheet::exportSheet(sheet_tests::longSheet(40), old, a4()); });
        EXPECT_TRUE(cut.contains(old)) << kind << ": " << cut.toStdString();
        EXPECT_EQ(readAll(old), QByteArray("the export before")) << kind;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2)
            << kind << " left a piece behind";
    }
}

}  // namespace
