#include "tools/imagegen/mark.h"

#include <QPainter>

namespace imagegen {

QImage markArtwork() {
    // 23 pixels square: the window centres it on the same pixel as a dot.
    QImage image(23, 23, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(11.5, 11.5);
    p.setPen(QPen(QColor(0, 0, 0, 200), 1.2));
    p.setBrush(QColor(0x2e, 0xd1, 0x4f, 110));
    p.drawEllipse(c, 10.4, 10.4);
    p.setPen(QPen(QColor(0x3c, 0xf0, 0x5e), 2.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 8.9, 8.9);
    p.setPen(QPen(QColor(0, 0, 0, 160), 0.8));
    p.drawEllipse(c, 7.4, 7.4);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace imagegen
