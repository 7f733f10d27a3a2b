#include "artwork/large_diagram.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "artwork/text_pictures.h"

namespace artwork {

namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 280;
constexpr int kStringGap = 28;
constexpr int kFretGap = 34;
constexpr int kRows = 5;
constexpr int kGridLeft = 38;
constexpr int kGridTop = 64;
constexpr int kDotRadius = 12;

const QColor kPaper(255, 255, 255);
const QColor kInk(0, 0, 0);
const QColor kRootInk(176, 24, 24);  // the root stands out in red
const QColor kFrame(96, 96, 96);

double stringX(int string, bool leftHanded) {
    return kGridLeft + (leftHanded ? 5 - string : string) * kStringGap;
}
double rowY(int row) {
    return kGridTop + (row + 0.5) * kFretGap;
}

void text(QPainter& p, const QRectF& box, const QString& s, int pixelSize, bool bold,
          const QColor& ink, Qt::Alignment align = Qt::AlignCenter) {
    p.setFont(pixelFont(pixelSize, bold));
    p.setPen(ink);
    p.drawText(box, int(align), s);
}

}  // namespace

QImage drawLargeDiagram(const LargeDiagram& d) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kFrame, 2));
    p.drawRect(QRectF(1, 1, kWidth - 2, kHeight - 2));

    text(p, QRectF(4, 6, kWidth - 8, 30), QString::fromStdString(d.name), 22, true, kInk);

    const double left = stringX(0, false), right = stringX(5, false);
    const double bottom = kGridTop + kRows * kFretGap;
    p.setPen(QPen(kInk, 1.5));
    for (int s = 0; s < 6; ++s)
        p.drawLine(QPointF(stringX(s, false), kGridTop), QPointF(stringX(s, false), bottom));
    for (int r = 0; r <= kRows; ++r) {
        const double y = kGridTop + r * kFretGap;
        p.drawLine(QPointF(left, y), QPointF(right, y));
    }
    if (d.firstFret <= 1)
        p.fillRect(QRectF(left - 1, kGridTop - 6, right - left + 2, 6), kInk);
    else
        text(p, QRectF(2, rowY(0) - 12, kGridLeft - 16, 24), QString::number(d.firstFret) + "fr",
             13, true, kInk, Qt::AlignRight | Qt::AlignVCenter);

    // Open and muted strings above the grid.
    for (int s = 0; s < 6; ++s) {
        const double x = stringX(s, d.leftHanded), y = kGridTop - 18;
        const int f = d.frets[std::size_t(s)];
        p.setBrush(Qt::NoBrush);
        if (f == 0) {
            p.setPen(QPen(d.roots[std::size_t(s)] ? kRootInk : kInk, 2));
            p.drawEllipse(QPointF(x, y), 6, 6);
        } else if (f < 0) {
            p.setPen(QPen(kInk, 2));
            p.drawLine(QPointF(x - 5, y - 5), QPointF(x + 5, y + 5));
            p.drawLine(QPointF(x - 5, y + 5), QPointF(x + 5, y - 5));
        }
    }

    // Barres under the dots, then each fretted note with its finger.
    if (d.fingering)
        for (const theory::FingerBarre& b : d.fingering->barres) {
            const int row = b.fret - std::max(1, d.firstFret);
            if (row < 0 || row >= kRows) continue;
            const double x0 = std::min(stringX(b.from, d.leftHanded), stringX(b.to, d.leftHanded));
            const double x1 = std::max(stringX(b.from, d.leftHanded), stringX(b.to, d.leftHanded));
            QPainterPath bar;
            bar.addRoundedRect(QRectF(x0 - kDotRadius, rowY(row) - kDotRadius,
                                      x1 - x0 + 2 * kDotRadius, 2 * kDotRadius),
                               kDotRadius, kDotRadius);
            p.fillPath(bar, kInk);
        }
    for (int s = 0; s < 6; ++s) {
        const int f = d.frets[std::size_t(s)];
        const int row = f - std::max(1, d.firstFret);
        if (f <= 0 || row < 0 || row >= kRows) continue;
        const QPointF c(stringX(s, d.leftHanded), rowY(row));
        p.setPen(Qt::NoPen);
        p.setBrush(d.roots[std::size_t(s)] ? kRootInk : kInk);
        p.drawEllipse(c, kDotRadius, kDotRadius);
        const int finger = d.fingering ? d.fingering->fingers[std::size_t(s)] : 0;
        if (finger > 0)
            text(p, QRectF(c.x() - kDotRadius, c.y() - kDotRadius, 2 * kDotRadius, 2 * kDotRadius),
                 QString::number(finger), 16, true, kPaper);
    }

    // The notes under the strings, the root's in red.
    for (int s = 0; s < 6; ++s) {
        if (d.notes[std::size_t(s)].empty()) continue;
        const double x = stringX(s, d.leftHanded);
        text(p, QRectF(x - kStringGap / 2.0, bottom + 8, kStringGap, 22),
             QString::fromStdString(d.notes[std::size_t(s)]), 13, true,
             d.roots[std::size_t(s)] ? kRootInk : kInk);
    }
    if (!d.fingering)
        text(p, QRectF(4, bottom + 34, kWidth - 8, 20), "no fingering without the thumb", 11, false,
             kFrame);
    return image;
}

}  // namespace artwork
