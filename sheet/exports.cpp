#include "sheet/exports.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

#include "sheet/chordpro.h"
#include "sheet/output_file.h"

namespace sheet {

namespace {

constexpr double kMillimetresPerInch = 25.4;
// SVG units per point: whole-unit sizes stay exact to a tenth of a point.
constexpr int kSvgUnitsPerPoint = 10;
// zlib's fastest level (Qt maps quality 80 to 1): a page is mostly white.
constexpr int kPngQuality = 80;

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

QByteArray svgPage(const Sheet& sheet, int index, const ExportOptions& options) {
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
    if (!painter.begin(&generator)) return {};
    drawPage(painter, sheet, contentOf(options.pageSize, perInch), index, options.drawing);
    painter.end();
    return bytes.data();
}

struct SvgPages {
    QByteArray operator()(const Sheet& sheet, int index, const ExportOptions& options) {
        return svgPage(sheet, index, options);
    }
};

// White is all bytes 0xff; QImage::fill would hand a page this size to a pool of threads.
void whiten(uchar* bytes, qsizetype count) {
    std::memset(bytes, 0xff, static_cast<std::size_t>(count));
}

// One worker's pictures, kept from page to page: a fresh 300 dpi page costs
// more in the kernel's page faults than in drawing.
class PngPages {
public:
    QByteArray operator()(const Sheet& sheet, int index, const ExportOptions& options) {
        // From millimetres: the point sizes QPageSize rounds to lose a pixel at 300 dpi.
        const QSizeF inches = options.pageSize.size(QPageSize::Millimeter) / kMillimetresPerInch;
        const QSize size(qRound(inches.width() * kPngDotsPerInch),
                         qRound(inches.height() * kPngDotsPerInch));
        if (m_canvas.size() != size) start(size);
        {
            QPainter painter(&m_canvas);
            drawPage(painter, sheet, contentOf(options.pageSize, kPngDotsPerInch), index,
                     options.drawing);
        }
        toBlackAndWhite();
        QBuffer bytes;
        bytes.open(QIODevice::WriteOnly);
        QImageWriter writer(&bytes, "png");
        writer.setQuality(kPngQuality);
        return writer.write(m_ink) ? bytes.data() : QByteArray();
    }

private:
    // Drawn in 32 bits, which Qt blends in one pass (grey it blends span by
    // span, across threads), and written in black and white, as printers take
    // line art at 300 dpi: greys hold eight times the bytes to compress, and
    // 500 diagrams would take longer than the two seconds allowed.
    void start(const QSize& size) {
        m_canvas = QImage(size, QImage::Format_ARGB32_Premultiplied);
        whiten(m_canvas.bits(), m_canvas.sizeInBytes());
        m_ink = QImage(size, QImage::Format_Mono);
        m_ink.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
        const int perMetre = qRound(kPngDotsPerInch / (kMillimetresPerInch / 1000.0));
        m_ink.setDotsPerMeterX(perMetre);
        m_ink.setDotsPerMeterY(perMetre);
    }

    // Black on white: green is as dark as the pixel; darker than half is ink.
    // The canvas is made white again on the way, for the next page.
    void toBlackAndWhite() {
        const int width = m_canvas.width();
        for (int y = 0; y < m_canvas.height(); ++y) {
            auto* from = reinterpret_cast<quint32*>(m_canvas.scanLine(y));
            uchar* to = m_ink.scanLine(y);
            for (int x = 0; x < width; x += 8) {
                uchar eight = 0;
                for (int k = 0; k < 8 && x + k < width; ++k)
                    eight |= static_cast<uchar>(((from[x + k] >> 8) & 0xff) < 128) << (7 - k);
                to[x / 8] = eight;
            }
            whiten(reinterpret_cast<uchar*>(from), width * 4);
        }
    }

    QImage m_canvas;
    QImage m_ink;
};

// Pages are drawn side by side, one worker a core with a page maker of its
// own, then written in order.
template <typename PageMaker>
QString writePages(const Sheet& sheet, const QString& path, const ExportOptions& options,
                   const QString& what) {
    const int pages = pageCount(sheet, contentOf(options.pageSize, 72.0).size());
    std::vector<QByteArray> made(static_cast<std::size_t>(pages));
    std::atomic<int> next{0};
    const auto work = [&] {
        PageMaker makePage;
        for (int i = next++; i < pages; i = next++)
            made[static_cast<std::size_t>(i)] = makePage(sheet, i, options);
    };
    const int workers = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 4);
    std::vector<std::thread> threads;
    for (int w = 1; w < std::min(workers, pages); ++w) threads.emplace_back(work);
    work();
    for (std::thread& t : threads) t.join();
    for (int i = 0; i < pages; ++i) {
        const QString file = pageFileName(path, i + 1);
        if (made[static_cast<std::size_t>(i)].isEmpty())
            return QString("Cannot draw %1 %2").arg(what, file);
        const QString error = writeWhole(file, made[static_cast<std::size_t>(i)], what);
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
            return writePages<SvgPages>(sheet, path, options, "the SVG picture");
        case Format::Png:
            return writePages<PngPages>(sheet, path, options, "the PNG picture");
        case Format::ChordPro:
            return writeWhole(path, QByteArray::fromStdString(chordProText(sheet)),
                              "the ChordPro file");
    }
    return {};
}

}  // namespace sheet
