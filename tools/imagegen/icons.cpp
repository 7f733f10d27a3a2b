#include "tools/imagegen/icons.h"

#include <QBuffer>
#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <utility>

#include "tools/imagegen/artwork.h"

namespace imagegen {

namespace {

constexpr double kGrid = 64;  // every coordinate below is on this grid

struct Stop {
    double at;
    QRgb colour;
};

struct Brush {
    enum class Kind { None, Solid, Linear } kind = Kind::None;
    QRgb colour = 0;
    QPointF from, to;  // of a linear gradient
    std::vector<Stop> stops;
};

struct Pen {
    QRgb colour = 0;
    double width = 0;  // 0: no outline
};

struct Shape {
    enum class Kind { Rect, RoundedRect, Ellipse, Line, Path, Fill } kind = Kind::Rect;
    QRectF rect;  // Rect, RoundedRect, Ellipse (its bounds), Fill
    double radius = 0;
    QPointF a, b;  // Line
    QPainterPath path;
    Pen pen;
    Brush brush;
};

Brush solid(QRgb colour) {
    return {Brush::Kind::Solid, colour, {}, {}, {}};
}

Brush linear(QPointF from, QPointF to, std::vector<Stop> stops) {
    return {Brush::Kind::Linear, 0, from, to, std::move(stops)};
}

Shape line(QPointF a, QPointF b, Pen pen) {
    Shape s;
    s.kind = Shape::Kind::Line;
    s.a = a;
    s.b = b;
    s.pen = pen;
    return s;
}

Shape ellipse(QPointF centre, double r, Pen pen, Brush brush) {
    Shape s;
    s.kind = Shape::Kind::Ellipse;
    s.rect = QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    s.pen = pen;
    s.brush = std::move(brush);
    return s;
}

Shape roundedRect(QRectF rect, double radius, Pen pen, Brush brush) {
    Shape s;
    s.kind = Shape::Kind::RoundedRect;
    s.rect = rect;
    s.radius = radius;
    s.pen = pen;
    s.brush = std::move(brush);
    return s;
}

// A rectangle filled edge to edge, without an outline.
Shape fill(QRectF rect, QRgb colour) {
    Shape s;
    s.kind = Shape::Kind::Fill;
    s.rect = rect;
    s.brush = solid(colour);
    return s;
}

Shape tile() {
    return roundedRect(QRectF(2.5, 2.5, 59, 59), 12, {0xff555562, 1.5},
                       linear({0, 2}, {0, 62}, {{0, 0xff30303a}, {1, 0xff121216}}));
}

// A C major chord box: x32010.
std::vector<Shape> pennatone() {
    std::vector<Shape> v{tile()};
    const double left = 15, right = 49, top = 19, fret = 8.5;
    const double step = (right - left) / 5;
    const Pen grid{0xffd8d8d8, 1.2};
    for (int s = 0; s < 6; ++s)
        v.push_back(line({left + step * s, top}, {left + step * s, top + 4 * fret}, grid));
    for (int f = 1; f <= 4; ++f)
        v.push_back(line({left, top + fret * f}, {right, top + fret * f}, grid));
    v.push_back(fill(QRectF(left - 0.6, top - 3, right - left + 1.2, 3), kPaper));
    const int frets[6] = {-1, 3, 2, 0, 1, 0};
    for (int s = 0; s < 6; ++s) {
        const double x = left + step * s;
        if (frets[s] < 0) {
            const Pen cross{0xffc0c0c0, 1.4};
            v.push_back(line({x - 2.5, top - 10}, {x + 2.5, top - 5}, cross));
            v.push_back(line({x - 2.5, top - 5}, {x + 2.5, top - 10}, cross));
        } else if (frets[s] == 0) {
            v.push_back(ellipse({x, top - 7.5}, 2.5, {0xffc0c0c0, 1.2}, {}));
        } else {
            v.push_back(ellipse({x, top + fret * (frets[s] - 0.5)}, 3.6, {}, solid(0xffe4572e)));
        }
    }
    return v;
}

// A headstock with its tuners, flaring upwards from the nut.
std::vector<Shape> lyrafret() {
    std::vector<Shape> v{tile()};
    Shape neck;
    neck.kind = Shape::Kind::Rect;
    neck.rect = QRectF(25, 50, 14, 11);
    neck.brush = solid(0xff3b2417);
    v.push_back(neck);
    Shape head;
    head.kind = Shape::Kind::Path;
    head.path.moveTo(25, 50);
    head.path.lineTo(20, 12);
    head.path.quadTo(32, 4, 44, 12);
    head.path.lineTo(39, 50);
    head.path.closeSubpath();
    head.pen = {0xff2a180c, 1};
    head.brush = linear({20, 0}, {44, 0}, {{0, 0xff7a4a26}, {0.5, 0xffa86c3a}, {1, 0xff6a3e20}});
    v.push_back(head);
    const double postY[3] = {18, 29, 40};
    const Pen rim{0xff505058, 1};
    for (int i = 0; i < 3; ++i) {
        const double y = postY[i];
        for (int side = 0; side < 2; ++side) {
            const double edge = side == 0 ? 21.5 + i * 1.2 : 42.5 - i * 1.2;
            const double key = side == 0 ? 10 : 54;
            v.push_back(line({edge, y}, {key, y}, {0xff909098, 2}));
            v.push_back(roundedRect(QRectF(key - 4, y - 3, 8, 6), 2, rim, solid(0xffd8d8e0)));
            v.push_back(ellipse({side == 0 ? 26.0 : 38.0, y}, 1.8, rim, solid(0xffe8e8f0)));
        }
    }
    // Strings from the nut to their posts.
    const Pen string{0xffe6e6ea, 0.8};
    for (int s = 0; s < 6; ++s) {
        const double nutX = 27 + s * 2;
        const double postX = s < 3 ? 26 : 38;
        const double y = postY[s < 3 ? 2 - s : s - 3];
        v.push_back(line({nutX, 60}, {nutX, 50}, string));
        v.push_back(line({nutX, 50}, {postX, y}, string));
    }
    v.push_back(fill(QRectF(24.5, 48.5, 15, 2.5), kPaper));
    return v;
}

const std::vector<std::pair<std::string, std::vector<Shape>>>& icons() {
    static const std::vector<std::pair<std::string, std::vector<Shape>>> all{
        {"pennatone-demo", pennatone()}, {"lyrafret-demo", lyrafret()}};
    return all;
}

const std::vector<Shape>* find(std::string_view name) {
    for (const auto& [iconName, shapes] : icons())
        if (iconName == name) return &shapes;
    return nullptr;
}

void paint(QPainter& p, const Shape& s) {
    if (s.kind == Shape::Kind::Fill) {
        p.fillRect(s.rect, QColor(s.brush.colour));
        return;
    }
    p.setPen(s.pen.width > 0 ? QPen(QColor(s.pen.colour), s.pen.width) : QPen(Qt::NoPen));
    switch (s.brush.kind) {
        case Brush::Kind::None:
            p.setBrush(Qt::NoBrush);
            break;
        case Brush::Kind::Solid:
            p.setBrush(QColor(s.brush.colour));
            break;
        case Brush::Kind::Linear: {
            QLinearGradient g(s.brush.from, s.brush.to);
            for (const Stop& stop : s.brush.stops) g.setColorAt(stop.at, QColor(stop.colour));
            p.setBrush(g);
            break;
        }
    }
    switch (s.kind) {
        case Shape::Kind::Rect:
            p.drawRect(s.rect);
            break;
        case Shape::Kind::RoundedRect:
            p.drawRoundedRect(s.rect, s.radius, s.radius);
            break;
        case Shape::Kind::Ellipse:
            p.drawEllipse(s.rect);
            break;
        case Shape::Kind::Line:
            p.drawLine(s.a, s.b);
            break;
        case Shape::Kind::Path:
            p.drawPath(s.path);
            break;
        case Shape::Kind::Fill:
            break;
    }
}

// Numbers as short as they can be written, the same on every build.
QByteArray num(double v) {
    return QByteArray::number(v, 'g', 8);
}

QByteArray colour(QRgb c) {
    return QColor(c).name(QColor::HexRgb).toLatin1();
}

QByteArray svgPaint(const Shape& s, int& gradients, QByteArray& defs) {
    QByteArray attrs;
    switch (s.brush.kind) {
        case Brush::Kind::None:
            attrs += " fill=\"none\"";
            break;
        case Brush::Kind::Solid:
            attrs += " fill=\"" + colour(s.brush.colour) + "\"";
            break;
        case Brush::Kind::Linear: {
            const QByteArray id = "g" + QByteArray::number(gradients++);
            defs += "    <linearGradient id=\"" + id + "\" gradientUnits=\"userSpaceOnUse\" x1=\"" +
                    num(s.brush.from.x()) + "\" y1=\"" + num(s.brush.from.y()) + "\" x2=\"" +
                    num(s.brush.to.x()) + "\" y2=\"" + num(s.brush.to.y()) + "\">\n";
            for (const Stop& stop : s.brush.stops)
                defs += "      <stop offset=\"" + num(stop.at) + "\" stop-color=\"" +
                        colour(stop.colour) + "\"/>\n";
            defs += "    </linearGradient>\n";
            attrs += " fill=\"url(#" + id + ")\"";
            break;
        }
    }
    if (s.pen.width > 0)
        attrs +=
            " stroke=\"" + colour(s.pen.colour) + "\" stroke-width=\"" + num(s.pen.width) + "\"";
    return attrs;
}

QByteArray svgPathData(const QPainterPath& path) {
    QByteArray d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QByteArray xy = num(e.x) + " " + num(e.y);
        switch (e.type) {
            case QPainterPath::MoveToElement:
                d += (d.isEmpty() ? "M" : " M") + xy;
                break;
            case QPainterPath::LineToElement:
                d += " L" + xy;
                break;
            case QPainterPath::CurveToElement:
                d += " C" + xy;
                break;
            case QPainterPath::CurveToDataElement:
                d += " " + xy;
                break;
        }
    }
    return d + " Z";
}

QByteArray svgShape(const Shape& s, int& gradients, QByteArray& defs) {
    const QByteArray paint = svgPaint(s, gradients, defs);
    const QRectF& r = s.rect;
    const QByteArray box = " x=\"" + num(r.x()) + "\" y=\"" + num(r.y()) + "\" width=\"" +
                           num(r.width()) + "\" height=\"" + num(r.height()) + "\"";
    switch (s.kind) {
        case Shape::Kind::Rect:
        case Shape::Kind::Fill:
            return "  <rect" + box + paint + "/>\n";
        case Shape::Kind::RoundedRect:
            return "  <rect" + box + " rx=\"" + num(s.radius) + "\"" + paint + "/>\n";
        case Shape::Kind::Ellipse:
            return "  <ellipse cx=\"" + num(r.center().x()) + "\" cy=\"" + num(r.center().y()) +
                   "\" rx=\"" + num(r.width() / 2) + "\" ry=\"" + num(r.height() / 2) + "\"" +
                   paint + "/>\n";
        case Shape::Kind::Line:
            return "  <line x1=\"" + num(s.a.x()) + "\" y1=\"" + num(s.a.y()) + "\" x2=\"" +
                   num(s.b.x()) + "\" y2=\"" + num(s.b.y()) + "\"" + paint + "/>\n";
        case Shape::Kind::Path:
            return "  <path d=\"" + svgPathData(s.path) + "\"" + paint + "/>\n";
    }
    return {};
}

bool writePng(const QString& path, const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") && writeFileIfChanged(path, png);
}

}  // namespace

std::vector<std::string> iconNames() {
    std::vector<std::string> names;
    for (const auto& icon : icons()) names.push_back(icon.first);
    return names;
}

QImage drawIcon(std::string_view name, int size) {
    const std::vector<Shape>* shapes = find(name);
    if (!shapes || size <= 0) return {};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kGrid, size / kGrid);
    for (const Shape& s : *shapes) paint(p, s);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray iconSvg(std::string_view name) {
    const std::vector<Shape>* shapes = find(name);
    if (!shapes) return {};
    QByteArray body, defs;
    int gradients = 0;
    for (const Shape& s : *shapes) body += svgShape(s, gradients, defs);
    const QByteArray grid = num(kGrid);
    // Qt's pens end lines square and join them bevelled; the drawing says the same.
    QByteArray svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
        grid + "\" height=\"" + grid + "\" viewBox=\"0 0 " + grid + " " + grid +
        "\" stroke-linecap=\"square\" stroke-linejoin=\"bevel\">\n";
    if (!defs.isEmpty()) svg += "  <defs>\n" + defs + "  </defs>\n";
    return svg + body + "</svg>\n";
}

bool writeIcons(const QString& dir) {
    for (const std::string& name : iconNames()) {
        const QString file = QString::fromStdString(name);
        for (int size : kIconSizes) {
            const QString folder = dir + QStringLiteral("/hicolor/%1x%1/apps").arg(size);
            if (!QDir().mkpath(folder) ||
                !writePng(folder + QLatin1Char('/') + file + ".png", drawIcon(name, size)))
                return false;
        }
        const QString folder = dir + QStringLiteral("/hicolor/scalable/apps");
        if (!QDir().mkpath(folder) ||
            !writeFileIfChanged(folder + QLatin1Char('/') + file + ".svg", iconSvg(name)))
            return false;
    }
    return true;
}

}  // namespace imagegen
