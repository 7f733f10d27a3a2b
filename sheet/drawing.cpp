#include "sheet/drawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>

#include "theory/fingering.h"

namespace sheet {

namespace {

// Proportions, as parts of a page's width or of a diagram's unit (a tenth of its cell).
constexpr double kTitleHeight = 0.07;
constexpr double kCellAspect = 1.1;
constexpr int kRowsAtLeast = 5;
constexpr double kStringGap = 1.2;
constexpr double kBoxLeft = 2.0;
constexpr double kBoxTop = 3.2;
constexpr double kBoxHeight = 7.0;
constexpr double kDotRadius = 0.5;
constexpr double kLine = 0.07;
const char* const kFontFamily = "DejaVu Sans";
// Pages are drawn this many units wide whatever the device, so that whole
// font pixel sizes are fine enough for the smallest cell.
constexpr double kPageUnits = 10000.0;

int perRowOf(const Sheet& sheet) {
    return std::clamp(sheet.perRow, kMinPerRow, kMaxPerRow);
}

double cellWidth(const Sheet& sheet, const QSizeF& page) {
    return page.width() / perRowOf(sheet);
}

double cellHeight(const Sheet& sheet, const QSizeF& page) {
    return std::min(cellWidth(sheet, page) * kCellAspect,
                    page.height() * (1.0 - kTitleHeight * page.width() / page.height()));
}

QFont fontOf(double pixels, bool bold) {
    QFont font(kFontFamily);
    font.setPixelSize(std::max(1, static_cast<int>(pixels)));
    font.setBold(bold);
    return font;
}

// A long name or title is set smaller rather than run into its neighbour.
QFont fittedFont(const QString& text, double pixels, bool bold, double width) {
    const double wide = QFontMetricsF(fontOf(pixels, bold)).horizontalAdvance(text);
    return fontOf(wide > width ? pixels * width / wide : pixels, bold);
}

// Everything of one diagram in its own unit u, so a cell of any size looks alike.
class Diagram {
public:
    Diagram(QPainter& painter, const Entry& entry, const QRectF& cell, const DrawOptions& options)
        : m_p(painter), m_e(entry), m_cell(cell), m_u(cell.width() / 10.0), m_options(options) {
        m_base = entry.fret > 0 ? entry.fret : 1;
        const int highest = *std::max_element(entry.frets.begin(), entry.frets.end());
        m_rows = std::max(kRowsAtLeast, highest - m_base + 1);
    }

    void draw() {
        m_p.save();
        m_p.setRenderHint(QPainter::Antialiasing);
        name();
        box();
        marks();
        barres();
        dots();
        if (m_e.fret > 0) fretLabel();
        m_p.restore();
    }

private:
    double x(int string) const {
        const int column = m_options.leftHanded ? 5 - string : string;
        return m_cell.left() + (kBoxLeft + column * kStringGap) * m_u;
    }
    double top() const { return m_cell.top() + kBoxTop * m_u; }
    double rowHeight() const { return kBoxHeight * m_u / m_rows; }
    double rowMiddle(int fret) const { return top() + (fret - m_base + 0.5) * rowHeight(); }

    void text(const QRectF& rect, const QString& s, double size, bool bold, int flags,
              const QColor& colour = Qt::black) {
        m_p.setFont(fontOf(size, bold));
        m_p.setPen(colour);
        m_p.drawText(rect, flags | Qt::TextDontClip, s);
    }

    void name() {
        const QRectF rect(m_cell.left(), m_cell.top() + 0.2 * m_u, m_cell.width(), 1.6 * m_u);
        const QString name = QString::fromStdString(m_e.name);
        m_p.setFont(fittedFont(name, 1.2 * m_u, true, 0.95 * m_cell.width()));
        m_p.setPen(Qt::black);
        m_p.drawText(rect, Qt::AlignCenter | Qt::TextDontClip, name);
    }

    void box() {
        QPainterPath lines;
        const double left = x(m_options.leftHanded ? 5 : 0),
                     right = x(m_options.leftHanded ? 0 : 5);
        for (int s = 0; s < 6; ++s) {
            lines.moveTo(x(s), top());
            lines.lineTo(x(s), top() + kBoxHeight * m_u);
        }
        for (int r = 0; r <= m_rows; ++r) {
            lines.moveTo(left, top() + r * rowHeight());
            lines.lineTo(right, top() + r * rowHeight());
        }
        m_p.setPen(QPen(Qt::black, kLine * m_u, Qt::SolidLine, Qt::SquareCap));
        m_p.setBrush(Qt::NoBrush);
        m_p.drawPath(lines);
        if (m_e.fret == 0) {
            QPainterPath nut;
            nut.addRect(QRectF(left, top() - 0.35 * m_u, right - left, 0.35 * m_u));
            m_p.fillPath(nut, Qt::black);
        }
    }

    void marks() {
        const double r = 0.28 * m_u, y = top() - 0.85 * m_u;
        QPainterPath open, muted;
        for (int s = 0; s < 6; ++s) {
            if (m_e.frets[static_cast<std::size_t>(s)] == 0)
                open.addEllipse(QPointF(x(s), y), r, r);
            if (m_e.frets[static_cast<std::size_t>(s)] < 0) {
                muted.moveTo(x(s) - r, y - r);
                muted.lineTo(x(s) + r, y + r);
                muted.moveTo(x(s) + r, y - r);
                muted.lineTo(x(s) - r, y + r);
            }
        }
        m_p.setBrush(Qt::NoBrush);
        m_p.setPen(QPen(Qt::black, 0.09 * m_u));
        m_p.drawPath(open);
        m_p.drawPath(muted);
    }

    void barres() {
        const auto fingering = theory::fingeringOf(m_e.frets);
        if (!fingering) return;
        QPainterPath bars;
        for (const theory::FingerBarre& barre : fingering->barres) {
            const double a = x(barre.from), b = x(barre.to), r = kDotRadius * m_u;
            const double y = rowMiddle(barre.fret);
            bars.addRoundedRect(
                QRectF(std::min(a, b) - r, y - 0.8 * r, std::abs(b - a) + 2 * r, 1.6 * r), 0.8 * r,
                0.8 * r);
        }
        m_p.fillPath(bars, Qt::black);
    }

    void dots() {
        const double r = kDotRadius * m_u;
        for (int s = 0; s < 6; ++s) {
            const int f = m_e.frets[static_cast<std::size_t>(s)];
            if (f <= 0) continue;
            QPainterPath dot;
            dot.addEllipse(QPointF(x(s), rowMiddle(f)), r, r);
            m_p.fillPath(dot, Qt::black);
            const int finger = m_e.fingers[static_cast<std::size_t>(s)];
            if (finger > 0)
                text(QRectF(x(s) - r, rowMiddle(f) - r, 2 * r, 2 * r), QString::number(finger),
                     0.75 * m_u, true, Qt::AlignCenter, Qt::white);
        }
    }

    void fretLabel() {
        const double edge = 0.3 * m_u;
        const double y = rowMiddle(m_base) - 0.6 * m_u;
        const QRectF rect =
            m_options.leftHanded
                ? QRectF(m_cell.left(), y, x(5) - m_cell.left() - 0.6 * m_u - edge, 1.2 * m_u)
                : QRectF(x(5) + 0.6 * m_u + edge, y, 2 * m_u, 1.2 * m_u);
        const int align =
            (m_options.leftHanded ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
        text(rect, QString("%1fr").arg(m_e.fret), 0.8 * m_u, false, align);
    }

    QPainter& m_p;
    const Entry& m_e;
    QRectF m_cell;
    double m_u;
    DrawOptions m_options;
    int m_base = 1;
    int m_rows = kRowsAtLeast;
};

}  // namespace

int rowsPerPage(const Sheet& sheet, const QSizeF& page) {
    const double free = page.height() - kTitleHeight * page.width();
    return std::max(1, static_cast<int>(free / cellHeight(sheet, page)));
}

int pageCount(const Sheet& sheet, const QSizeF& page) {
    const std::size_t perPage =
        static_cast<std::size_t>(rowsPerPage(sheet, page) * perRowOf(sheet));
    return std::max<int>(1, static_cast<int>((sheet.entries.size() + perPage - 1) / perPage));
}

Placement placementOf(const Sheet& sheet, const QRectF& page, std::size_t index) {
    const std::size_t perRow = static_cast<std::size_t>(perRowOf(sheet));
    const std::size_t rows = static_cast<std::size_t>(rowsPerPage(sheet, page.size()));
    const std::size_t row = index / perRow;
    const double w = cellWidth(sheet, page.size()), h = cellHeight(sheet, page.size());
    const double y = page.top() + kTitleHeight * page.width() + static_cast<double>(row % rows) * h;
    return {static_cast<int>(row / rows),
            QRectF(page.left() + static_cast<double>(index % perRow) * w, y, w, h)};
}

void drawPage(QPainter& painter, const Sheet& sheet, const QRectF& page, int index,
              const DrawOptions& options) {
    painter.save();
    painter.translate(page.topLeft());
    painter.scale(page.width() / kPageUnits, page.width() / kPageUnits);
    const QRectF units(0, 0, kPageUnits, page.height() * kPageUnits / page.width());
    const QString title = QString::fromStdString(sheet.title);
    painter.setFont(fittedFont(title, kTitleHeight * kPageUnits * 0.5, true, kPageUnits));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, 0, kPageUnits, kTitleHeight * kPageUnits),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, title);
    const std::size_t perPage =
        static_cast<std::size_t>(rowsPerPage(sheet, units.size()) * perRowOf(sheet));
    const std::size_t first = static_cast<std::size_t>(std::max(0, index)) * perPage;
    for (std::size_t i = first; i < std::min(sheet.entries.size(), first + perPage); ++i)
        drawDiagram(painter, sheet.entries[i], placementOf(sheet, units, i).cell, options);
    painter.restore();
}

void drawDiagram(QPainter& painter, const Entry& entry, const QRectF& cell,
                 const DrawOptions& options) {
    Diagram(painter, entry, cell, options).draw();
}

}  // namespace sheet
