#include "sheet/exports.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "sheet/chordpro.h"
#include "sheet/output_file.h"

namespace sheet {

namespace {

constexpr double kMillimetresPerInch = 25.4;
// SVG units per point: whole-unit sizes stay exact to a tenth of a point.
constexpr int kSvgUnitsPerPoint = 10;
// zlib's fastest level: a page is mostly white, and 300 dpi pages are large.
constexpr int kPngQuality = 90;

// The page less its margins, in units of `perInch` per inch, at the origin.
QRectF contentOf(const QPageSize& size, double perInch) {
    const QSizeF inches = size.size(QPageSize::Millimeter) / kMillimetresPerInch;
    const double margin = kMarginMillimetres / kMillimetresPerInch * perInch;
    return QRectF(margin, margin, inches.width() * perInch - 2 * margin,
                  inches.height() * perInch - 2 * margin);
}

// Each export is made in memory and written whole: a writer that meets a full
// disk half-way (QSvgGenerator's text stream, QPdfWriter) does not say so.
QString writePdf(const Sheet& sheet, const QString& path, const ExportOptions& options) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QPdfWriter writer(&bytes);
    writer.setPageSize(options.pageSize);
    writer.setPageMargins(
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter);
    writer.setTitle(QString::fromStdString(sheet.title));
    writer.setCreator("Chord sheet");
    const QRectF page(QPointF(0, 0),
                      writer.pageLayout().paintRectPixels(writer.resolution()).size());
    QPainter painter;
    if (!painter.begin(&writer)) return QString("Cannot draw the PDF %1").arg(path);
    const int pages = pageCount(sheet, page.size());
    for (int i = 0; i < pages; ++i) {
        if (i > 0) writer.newPage();
        drawPage(painter, sheet, page, i, options.drawing);
    }
    painter.end();
    return writeWhole(path, bytes.data(), "the PDF");
}

QString writeSvgPage(const Sheet& sheet, const QString& path, int index,
                     const ExportOptions& options) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    const double perInch = 72.0 * kSvgUnitsPerPoint;
    const QSizeF inches = options.pageSize.size(QPageSize::Millimeter) / kMillimetresPerInch;
    const QSize units(qRound(inches.width() * perInch), qRound(inches.height() * perInch));
    QSvgGenerator generator;
    generator.setOutputDevice(&bytes);
    generator.setResolution(static_cast<int>(perInch));
    generator.setSize(units);
    generator.setViewBox(QRect(QPoint(0, 0), units));
    generator.setTitle(QString::fromStdString(sheet.title));
    QPainter painter;
    if (!painter.begin(&generator)) return QString("Cannot draw the SVG picture %1").arg(path);
    drawPage(painter, sheet, contentOf(options.pageSize, perInch), index, options.drawing);
    painter.end();
    return writeWhole(path, bytes.data(), "the SVG picture");
}

QString writePngPage(const Sheet& sheet, const QString& path, int index,
                     const ExportOptions& options) {
    // From millimetres: the point sizes QPageSize rounds to lose a pixel at 300 dpi.
    const QSizeF inches = options.pageSize.size(QPageSize::Millimeter) / kMillimetresPerInch;
    QImage image(qRound(inches.width() * kPngDotsPerInch),
                 qRound(inches.height() * kPngDotsPerInch), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        drawPage(painter, sheet, contentOf(options.pageSize, kPngDotsPerInch), index,
                 options.drawing);
    }
    // Black on white: grey levels hold every pixel, in a third of the bytes to compress.
    QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    const int perMetre = qRound(kPngDotsPerInch / (kMillimetresPerInch / 1000.0));
    grey.setDotsPerMeterX(perMetre);
    grey.setDotsPerMeterY(perMetre);
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QImageWriter writer(&bytes, "png");
    writer.setQuality(kPngQuality);
    if (!writer.write(grey)) return QString("Cannot draw the PNG picture %1").arg(path);
    return writeWhole(path, bytes.data(), "the PNG picture");
}

template <typename WritePage>
QString writePages(const Sheet& sheet, const QString& path, const ExportOptions& options,
                   WritePage writePage) {
    const int pages = pageCount(sheet, contentOf(options.pageSize, 72.0).size());
    for (int i = 0; i < pages; ++i) {
        const QString error = writePage(sheet, pageFileName(path, i + 1), i, options);
        if (!error.isEmpty()) return error;
    }
    return {};
}

}  // namespace

std::optional<Format> formatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "pdf") return Format::Pdf;
    if (suffix == "svg") return Format::Svg;
    if (suffix == "png") return Format::Png;
    if (suffix == "cho") return Format::ChordPro;
    return std::nullopt;
}

QPageSize pageSizeFor(const QLocale& locale) {
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

QString pageFileName(const QString& path, int page) {
    if (page <= 1) return path;
    const QFileInfo info(path);
    const QString name =
        QString("%1-%2.%3").arg(info.completeBaseName()).arg(page).arg(info.suffix());
    return info.path() == "." && !path.startsWith("./") ? name : info.path() + "/" + name;
}

QString exportSheet(const Sheet& sheet, const QString& path, const ExportOptions& options) {
    const auto format = formatOf(path);
    if (!format)
        return QString(
                   "Cannot export to %1: its extension names no format (.pdf, .svg, .png, .cho)")
            .arg(path);
    switch (*format) {
        case Format::Pdf:
            return writePdf(sheet, path, options);
        case Format::Svg:
            return writePages(sheet, path, options, writeSvgPage);
        case Format::Png:
            return writePages(sheet, path, options, writePngPage);
        case Format::ChordPro:
            return writeWhole(path, QByteArray::fromStdString(chordProText(sheet)),
                              "the ChordPro file");
    }
    return {};
}

}  // namespace sheet
