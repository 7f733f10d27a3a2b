#include "tools/imagegen/artwork.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <utility>

#include "artwork/neck_overlays.h"
#include "artwork/text_pictures.h"
#include "images/library_paths.h"
#include "theory/notes.h"
#include "theory/voicings.h"
#include "tools/imagegen/icons.h"
#include "tools/imagegen/mark.h"

namespace imagegen {

using namespace artwork;

namespace {

const theory::Tuning& kStandard = theory::standardTuning();

constexpr QRgb kAmber = 0xfff2b134;

// Repeatable pixel noise: the pictures must come out byte-identical every build.
double noise(int x, int y, std::uint32_t seed) {
    std::uint32_t h =
        std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffu) / 65535.0;
}

// Noise smoothed along one axis, for wood grain that runs down the neck.
double smoothNoise(int x, double y, std::uint32_t seed) {
    const int y0 = int(std::floor(y));
    const double t = y - y0;
    const double s = t * t * (3 - 2 * t);
    return noise(x, y0, seed) * (1 - s) + noise(x, y0 + 1, seed) * s;
}

int clampByte(double v) {
    return std::clamp(int(std::lround(v)), 0, 255);
}

QRgb mix(QRgb a, QRgb b, double t) {
    return qRgb(clampByte(qRed(a) + (qRed(b) - qRed(a)) * t),
                clampByte(qGreen(a) + (qGreen(b) - qGreen(a)) * t),
                clampByte(qBlue(a) + (qBlue(b) - qBlue(a)) * t));
}

QImage transparentImage(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage finished(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Twips of the window to pixels of a picture placed at origin.
double toPixels(double windowTwips, int originTwips) {
    return (windowTwips - originTwips) / board::kTwipsPerPixel;
}

// Odd-sized dots look crisp when centred on a pixel centre.
double pixelCentre(double px) {
    return std::floor(px) + 0.5;
}

QImage background() {
    QImage image(792, 550, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double dx = (x - 396) / 420.0;
            const double dy = (y - 210) / 360.0;
            const double d2 = std::min(dx * dx + dy * dy, 1.4);
            const double v = 16.0 - 10.0 * d2 + (noise(x, y, 1) - 0.5) * 2.2;
            image.setPixel(x, y, qRgb(clampByte(v), clampByte(v), clampByte(v + 2.5)));
        }
    }
    return image;
}

void paintLeftArrow(QPainter& p, QPointF tip, double length, QColor colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(tip + QPointF(8, 0), tip + QPointF(length, 0));
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip + QPointF(11, -7));
    head.lineTo(tip + QPointF(11, 7));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(head);
    p.restore();
}

// The panel that hides the option columns until the first choice is made.
QImage cover(int w, int h, const QString& title, const QString& hint) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, mix(0xff15151a, 0xff0b0b0d, double(y) / (h - 1)));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x3c, 0x3c, 0x46), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(6.5, 6.5, w - 13, h - 13), 8, 8);

    Label heading;
    heading.text = title;
    heading.pixelSize = 26;
    heading.ink = QColor(kPaper);
    heading = fitted(heading, w - 90);
    const double arrowLength = 30, gap = 14;
    const double groupWidth = arrowLength + gap + labelWidth(heading);
    const double left = std::round((w - groupWidth) / 2);
    const double midY = std::round(h / 2.0) - 8;
    paintLeftArrow(p, QPointF(left, midY), arrowLength, QColor(kAmber));
    paintLabel(p, QRectF(left + arrowLength + gap, midY - 20, labelWidth(heading), 40), heading);

    Label sub;
    sub.text = hint;
    sub.pixelSize = 13;
    sub.bold = false;
    sub.ink = QColor(0x9a, 0x9a, 0xa4);
    const double textLeft = left + arrowLength + gap;
    paintLabel(p, QRectF(textLeft, midY + 20, labelWidth(heading), 24), sub);
    p.end();
    return image;
}

// A plectrum outline with its tip at the top-left corner.
QPainterPath pickPath(double scale, QPointF offset) {
    QPainterPath path;
    auto pt = [&](double x, double y) { return offset + QPointF(x * scale, y * scale); };
    path.moveTo(pt(0, 0));
    path.cubicTo(pt(9, 1), pt(20, 5), pt(25, 12));
    path.cubicTo(pt(29, 18), pt(18, 29), pt(12, 25));
    path.cubicTo(pt(5, 20), pt(1, 9), pt(0, 0));
    path.closeSubpath();
    return path;
}

// A wordmark in two tones with a small rule and a tagline below it.
QImage logo(int w, int h, const QString& first, const QString& second, const QString& tagline,
            int wordSize, double wordCentreY, double tagCentreY, bool pick) {
    QImage image = transparentImage(w, h);
    QPainter p(&image);
    if (pick) {
        // A plectrum, tip down, above the name.
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(w / 2.0, 25);
        p.rotate(-135);
        const QPainterPath shape = pickPath(0.8, QPointF(0, 0));
        QLinearGradient shell(0, 0, 20, 20);
        shell.setColorAt(0, QColor(0xe0, 0x7a, 0x1c));
        shell.setColorAt(1, QColor(0xff, 0xc2, 0x4a));
        p.setBrush(shell);
        p.setPen(QPen(QColor(0x3a, 0x18, 0x04), 1));
        p.drawPath(shape);
        p.restore();
    }
    QFont font = pixelFont(wordSize, true, true);
    while (QFontMetricsF(font).horizontalAdvance(first + second) > w - 6 && font.pixelSize() > 8)
        font.setPixelSize(font.pixelSize() - 1);
    const QFontMetricsF fm(font);
    const double a = std::round(fm.horizontalAdvance(first));
    const double total = a + fm.horizontalAdvance(second);
    const double left = std::round((w - total) / 2);
    const double baseline = std::round(wordCentreY + fm.capHeight() / 2);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    p.setPen(QColor(kPaper));
    p.drawText(QPointF(left, baseline), first);
    p.setPen(QColor(kAmber));
    p.drawText(QPointF(left + a, baseline), second);
    p.fillRect(QRectF(left, baseline + 4, std::round(total), 1), QColor(0xf2, 0xb1, 0x34, 150));

    Label tag;
    tag.text = tagline;
    tag.pixelSize = 10;
    tag.bold = false;
    tag.ink = QColor(0xa8, 0xa8, 0xb2);
    paintLabel(p, QRectF(0, tagCentreY - 6, w, 12), tag);
    p.end();
    return finished(image);
}

QImage cursor() {
    QImage image = transparentImage(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath path = pickPath(1.0, QPointF(1, 1));
    // A light halo keeps the dark outline visible on the black window.
    p.setPen(QPen(QColor(255, 255, 255, 200), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    QLinearGradient shell(1, 1, 26, 26);
    shell.setColorAt(0, QColor(0xff, 0xc2, 0x4a));
    shell.setColorAt(0.55, QColor(0xe0, 0x7a, 0x1c));
    shell.setColorAt(1, QColor(0x9a, 0x40, 0x0c));
    p.setBrush(shell);
    p.setPen(QPen(QColor(0x2a, 0x10, 0x02), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(QColor(255, 240, 200, 170), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 4), QPointF(12, 6));
    p.end();
    return finished(image);
}

// A stepper button: bevelled face with a pixel triangle.
QImage arrow(bool up) {
    QImage image(9, 13, QImage::Format_RGB32);
    image.fill(qRgb(0x3a, 0x3a, 0x42));
    for (int x = 0; x < 9; ++x) {
        image.setPixel(x, 0, qRgb(0x66, 0x66, 0x72));
        image.setPixel(x, 12, qRgb(0x14, 0x14, 0x18));
    }
    for (int y = 0; y < 13; ++y) {
        image.setPixel(0, y, y == 12 ? qRgb(0x14, 0x14, 0x18) : qRgb(0x66, 0x66, 0x72));
        image.setPixel(8, y, y == 0 ? qRgb(0x66, 0x66, 0x72) : qRgb(0x14, 0x14, 0x18));
    }
    for (int row = 0; row < 4; ++row) {
        const int y = up ? 4 + row : 8 - row;
        for (int x = 4 - row; x <= 4 + row; ++x) image.setPixel(x, y, qRgb(0xee, 0xee, 0xee));
    }
    return image;
}

// Vertical neck: low E on the left, open row above the nut, every fret down.
QImage fretboard() {
    using namespace board;
    const int w = 130, h = 522;
    QImage image(w, h, QImage::Format_RGB32);
    const double nutTop =
        toPixels(kOpenRowBottom, kFretboardTop) - 2.5;  // ends where fret 1 starts
    const int boardLeft = 3, boardRight = 126;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            QRgb c;
            if (x < boardLeft || x > boardRight) {
                c = qRgb(8, 8, 9);
            } else if (y < nutTop) {
                const double v = 22 + 6 * smoothNoise(x / 3, y / 9.0, 7) + 3 * noise(x, y, 8);
                c = qRgb(clampByte(v), clampByte(v * 0.8), clampByte(v * 0.7));
            } else {
                // Rosewood: dark streaks that run down the neck.
                const double grain = 0.55 * smoothNoise(x, y / 23.0, 3) +
                                     0.3 * smoothNoise(x / 4, y / 61.0, 4) + 0.15 * noise(x, y, 5);
                c = mix(0xff24140b, 0xff4e2e1a, grain);
            }
            image.setPixel(x, y, c);
        }
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Binding along both edges.
    p.fillRect(QRectF(boardLeft, nutTop, 1, h - nutTop), QColor(0xc8, 0xbd, 0xa0));
    p.fillRect(QRectF(boardRight, nutTop, 1, h - nutTop), QColor(0xc8, 0xbd, 0xa0));

    // Inlays sit in the middle of their fret rows, between the D and G strings.
    const double midX = (toPixels(stringCentre(2), kLeft) + toPixels(stringCentre(3), kLeft)) / 2;
    const double pairGap = double(kStringPitch) / kTwipsPerPixel;  // one string either side
    for (int fret : {3, 5, 7, 9, 12, 15, 17, 19, 21}) {
        const double y = pixelCentre(toPixels(rowCentre(fret), kFretboardTop));
        QRadialGradient pearl(QPointF(midX - 1, y - 1), 4.5);
        pearl.setColorAt(0, QColor(0xfa, 0xf8, 0xf0));
        pearl.setColorAt(1, QColor(0xc8, 0xc2, 0xb4));
        p.setPen(Qt::NoPen);
        p.setBrush(pearl);
        if (fret == 12) {
            for (double dx : {-pairGap, pairGap}) {
                QRadialGradient g2(QPointF(midX + dx - 1, y - 1), 4.5);
                g2.setColorAt(0, QColor(0xfa, 0xf8, 0xf0));
                g2.setColorAt(1, QColor(0xc8, 0xc2, 0xb4));
                p.setBrush(g2);
                p.drawEllipse(QPointF(midX + dx, y), 4, 4);
            }
        } else {
            p.drawEllipse(QPointF(midX, y), 4, 4);
        }
    }
    // Fret wires lie on the pixel row shared by neighbouring fret rows.
    for (int fret = 1; fret <= kFrets; ++fret) {
        const int y = int(std::floor(
            toPixels(kFirstFretTop + kFretPitch * (fret - 1) + kFretRowHeight - 1, kFretboardTop)));
        p.fillRect(QRect(boardLeft, y - 1, boardRight - boardLeft + 1, 1),
                   QColor(0xe4, 0xe4, 0xe8));
        p.fillRect(QRect(boardLeft, y, boardRight - boardLeft + 1, 1), QColor(0x9c, 0x9c, 0xa4));
        p.fillRect(QRect(boardLeft, y + 1, boardRight - boardLeft + 1, 1), QColor(0, 0, 0, 90));
    }
    // Bone nut.
    QLinearGradient bone(0, nutTop, 0, nutTop + 4);
    bone.setColorAt(0, QColor(0xfa, 0xf4, 0xe2));
    bone.setColorAt(1, QColor(0xc4, 0xba, 0x9e));
    p.fillRect(QRectF(boardLeft, std::floor(nutTop), boardRight - boardLeft + 1, 4), bone);

    // Strings, heavy and wound on the left, light and plain on the right.
    const double gauges[kStrings] = {2.6, 2.2, 1.9, 1.5, 1.1, 0.9};
    for (int s = 0; s < kStrings; ++s) {
        const double x = pixelCentre(toPixels(stringCentre(s), kLeft));
        const QColor metal = s < 3 ? QColor(0xc8, 0xb8, 0x96) : QColor(0xe0, 0xe0, 0xe6);
        p.setPen(QPen(QColor(0, 0, 0, 110), gauges[s]));
        p.drawLine(QPointF(x + 1.2, 0), QPointF(x + 1.2, h));
        p.setPen(QPen(metal, gauges[s]));
        p.drawLine(QPointF(x, 0), QPointF(x, h));
    }
    p.end();
    return image;
}

// Dark hatching, tied to window pixels so neighbouring masks join up.
QImage mask(int w, int h, int leftTwips, int topTwips, double stringGauge) {
    QImage image(w, h, QImage::Format_RGB32);
    const int ox = leftTwips / board::kTwipsPerPixel;
    const int oy = topTwips / board::kTwipsPerPixel;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool line = ((x + ox) + (y + oy)) % 6 < 2;
            const bool edge = x == 0 || y == 0 || x == w - 1 || y == h - 1;
            image.setPixel(x, y,
                           edge   ? qRgb(0x5a, 0x5a, 0x62)
                           : line ? qRgb(0x3a, 0x3a, 0x40)
                                  : qRgb(0x16, 0x16, 0x19));
        }
    }
    if (stringGauge > 0) {
        // A muted string: faint string line with a cross over the open row.
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const double x = w / 2.0;
        p.setPen(QPen(QColor(0x80, 0x80, 0x88), stringGauge, Qt::DashLine));
        p.drawLine(QPointF(x, 26), QPointF(x, h - 3));
        const double cy = toPixels(board::rowCentre(0), topTwips);
        p.setPen(QPen(QColor(0xff, 0x6a, 0x50), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x - 4, cy - 4), QPointF(x + 4, cy + 4));
        p.drawLine(QPointF(x - 4, cy + 4), QPointF(x + 4, cy - 4));
        p.end();
    }
    return image;
}

// A fret's mask across the neck's strip, its row from `topTwips`.
QImage fretMask(int topTwips) {
    using namespace board;
    return mask(kFretMaskWidth / kTwipsPerPixel, kFretRowHeight / kTwipsPerPixel, kAreaLeft,
                topTwips, 0);
}

// A string's mask down the neck, centred on the string.
QImage stringMask(int string, double stringGauge) {
    using namespace board;
    return mask(kStringMaskWidth / kTwipsPerPixel, kStringMaskHeight / kTwipsPerPixel,
                kLowStringMaskLeft + kStringPitch * string, kStringMaskTop, stringGauge);
}

QImage capo() {
    QImage image = transparentImage(13, 215);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient chrome(0, 0, 13, 0);
    chrome.setColorAt(0, QColor(0x70, 0x70, 0x78));
    chrome.setColorAt(0.35, QColor(0xf0, 0xf0, 0xf4));
    chrome.setColorAt(1, QColor(0x58, 0x58, 0x60));
    // Screw knob on top, then the clamp bar with its rubber pad.
    p.setPen(QPen(QColor(0x20, 0x20, 0x24), 1));
    p.setBrush(chrome);
    p.drawRoundedRect(QRectF(0.5, 0.5, 12, 14), 4, 4);
    p.drawRect(QRectF(4.5, 14, 4, 6));
    p.drawRoundedRect(QRectF(1.5, 19.5, 10, 195), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1e, 0x1e, 0x22));
    p.drawRoundedRect(QRectF(3.5, 26, 6, 182), 3, 3);
    p.setPen(QPen(QColor(0x40, 0x40, 0x46), 1));
    for (int y = 32; y < 204; y += 6) p.drawLine(QPointF(4.5, y + 0.5), QPointF(8.5, y + 0.5));
    p.setPen(QPen(QColor(0x30, 0x30, 0x36), 1));
    p.drawLine(QPointF(6.5, 3), QPointF(6.5, 12));
    p.end();
    return finished(image);
}

using Drawer = std::function<QImage()>;
using Named = std::vector<std::pair<std::string, Drawer>>;

// Artwork with note names on it in another naming, and the neck's overlays for
// a left-handed player in every naming.
void addNamed(Named& v, theory::NameSystem system) {
    auto add = [&](const std::string& base, Drawer d) {
        v.emplace_back(images::artworkName(base, system, false, kStandard.key), std::move(d));
    };
    for (const char* note : theory::Root_Names)
        add(std::string("root_") + note, [note, system] {
            return buttonPicture(noteLabel(note, system), QSize(17, 14), ButtonLook::Normal,
                                 system);
        });
    for (int i = 0; i < 12; ++i)
        add("key_" + std::to_string(i), [i, system] {
            return buttonPicture(noteLabel(kKeyNotes[std::size_t(i)], system), QSize(17, 14),
                                 ButtonLook::Normal, system);
        });
    for (const char* note : theory::Root_Names)
        add(std::string("select_") + note, [note, system] {
            return buttonPicture(noteLabel(note, system), QSize(13, 14), ButtonLook::Picker,
                                 system);
        });
    for (const char* note : theory::Root_Names)
        add(std::string("note_") + note,
            [note, system] { return noteOverlay(note, system, false, kStandard); });
    for (int i = 0; i < 12; ++i)
        add("keyoverlay_" + std::to_string(i),
            [i, system] { return keyOverlay(i, system, false, kStandard); });
}

void addLeftHanded(Named& v, theory::NameSystem system) {
    for (const char* note : theory::Root_Names)
        v.emplace_back(
            images::artworkName(std::string("note_") + note, system, true, kStandard.key),
            [note, system] { return noteOverlay(note, system, true, kStandard); });
    for (int i = 0; i < 12; ++i)
        v.emplace_back(
            images::artworkName("keyoverlay_" + std::to_string(i), system, true, kStandard.key),
            [i, system] { return keyOverlay(i, system, true, kStandard); });
}

const std::vector<std::pair<std::string, Drawer>>& catalogue() {
    static const std::vector<std::pair<std::string, Drawer>> items = [] {
        std::vector<std::pair<std::string, Drawer>> v;
        v.emplace_back("background", background);
        v.emplace_back("icon_pennatone", [] { return drawIcon("pennatone-demo", 64); });
        v.emplace_back("icon_lyrafret", [] { return drawIcon("lyrafret-demo", 64); });
        v.emplace_back("cover_pennatone", [] {
            return cover(467, 258, QStringLiteral("Choose a root note"),
                         QStringLiteral("then pick a chord type"));
        });
        v.emplace_back("cover_lyrafret", [] {
            return cover(478, 317, QStringLiteral("Choose a key"),
                         QStringLiteral("to see its chords"));
        });
        v.emplace_back("logo_pennatone", [] {
            return logo(119, 75, QStringLiteral("Penna"), QStringLiteral("tone"),
                        QStringLiteral("chord finder"), 22, 42, 64, true);
        });
        v.emplace_back("logo_lyrafret", [] {
            return logo(133, 60, QStringLiteral("Lyra"), QStringLiteral("fret"),
                        QStringLiteral("chords of a key"), 26, 22, 48, false);
        });
        v.emplace_back("arrow_up", [] { return arrow(true); });
        v.emplace_back("arrow_down", [] { return arrow(false); });
        for (const char* note : theory::Root_Names)
            v.emplace_back(std::string("root_") + note, [note] {
                return buttonPicture(noteLabel(note), QSize(17, 14), ButtonLook::Normal);
            });
        for (int i = 0; i < 12; ++i)
            v.emplace_back("key_" + std::to_string(i), [i] {
                return buttonPicture(noteLabel(kKeyNotes[std::size_t(i)]), QSize(17, 14),
                                     ButtonLook::Normal);
            });
        for (const char* note : theory::Root_Names)
            v.emplace_back(std::string("select_") + note, [note] {
                return buttonPicture(noteLabel(note), QSize(13, 14), ButtonLook::Picker);
            });
        v.emplace_back("fretboard", fretboard);
        for (const char* note : theory::Root_Names)
            v.emplace_back(std::string("note_") + note, [note] {
                return noteOverlay(note, theory::NameSystem::English, false, kStandard);
            });
        v.emplace_back("mask_open", [] { return fretMask(board::kOpenRowTop); });
        v.emplace_back("mask_fret", [] { return fretMask(board::kFirstFretTop); });
        v.emplace_back("mask_string", [] { return stringMask(1, 1.6); });
        v.emplace_back("mask_low_e", [] { return stringMask(0, 2.4); });
        v.emplace_back("mask_high_e", [] { return stringMask(board::kStrings - 1, 1.0); });
        for (int i = 0; i < 12; ++i)
            v.emplace_back("keyoverlay_" + std::to_string(i), [i] {
                return keyOverlay(i, theory::NameSystem::English, false, kStandard);
            });
        v.emplace_back("capo", capo);
        v.emplace_back("cursor", cursor);
        v.emplace_back("mark", markArtwork);
        addNamed(v, theory::NameSystem::German);
        addNamed(v, theory::NameSystem::Solfege);
        for (theory::NameSystem system : theory::kNameSystems) addLeftHanded(v, system);
        return v;
    }();
    return items;
}

}  // namespace

std::vector<std::string> artworkNames() {
    std::vector<std::string> names;
    for (const auto& item : catalogue()) names.push_back(item.first);
    return names;
}

QImage drawArtwork(std::string_view name) {
    for (const auto& item : catalogue())
        if (item.first == name) return item.second();
    return {};
}

bool writeFileIfChanged(const QString& path, const QByteArray& data) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == data) return true;
    existing.close();
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return out.write(data) == data.size() && out.flush();
}

namespace {

// The window's furniture is stored as pixels; the neck's overlays, many and
// shown one at a time after a click, stay PNG.
bool isStoredAsPixels(const std::string& name) {
    const std::string base = name.substr(name.rfind('/') + 1);
    return base.rfind("note_", 0) != 0 && base.rfind("keyoverlay_", 0) != 0;
}

std::uint32_t pixelChecksum(const QByteArray& bits) {
    std::uint32_t h = 2166136261u;  // FNV-1a
    for (char c : bits) h = (h ^ std::uint8_t(c)) * 16777619u;
    return h;
}

// The rows of a picture as its PNG decodes them.
struct StoredEntry {
    std::string name;
    QImage image;
    QByteArray bits() const {
        return QByteArray::fromRawData(reinterpret_cast<const char*>(image.constBits()),
                                       image.sizeInBytes());
    }
};

bool writeFile(const QString& path, const QByteArray& data) {
    QFile out(path);
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(data) == data.size() &&
           out.flush();
}

// The program's table of stored pixels: the assembler includes each file
// (found beside the table, which the build names as the assembler's include
// folder), aligned for the image's rows, and the table points at them. The checksums
// make the source change whenever a file does, so no build cache can pair new
// source with old pixels.
QByteArray pixelTable(std::vector<StoredEntry> entries) {
    std::sort(entries.begin(), entries.end(),
              [](const StoredEntry& a, const StoredEntry& b) { return a.name < b.name; });
    QByteArray out =
        "// Written by imagegen with the built-in artwork: the window's furniture as\n"
        "// pixels ready to draw. Do not edit.\n"
        "#include \"ui/builtin_artwork.h\"\n\n"
        "asm(\".pushsection .rodata.demo_stored_pixels,\\\"a\\\"\\n\"\n";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QByteArray symbol = "demo_stored_pixels_" + QByteArray::number(qulonglong(i));
        out += "    \".balign 16\\n.globl " + symbol + "\\n.hidden " + symbol + "\\n" + symbol +
               ":\\n.incbin \\\"" + QByteArray::fromStdString(entries[i].name) +
               ".pixels\\\"\\n\"\n";
    }
    out += "    \".popsection\");\n\n";
    for (std::size_t i = 0; i < entries.size(); ++i)
        out += "extern \"C\" const unsigned char demo_stored_pixels_" +
               QByteArray::number(qulonglong(i)) + "[];\n";
    out += "\nnamespace ui {\n\nconst StoredPixels kStoredPixels[] = {\n";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const StoredEntry& e = entries[i];
        out += "    {\"" + QByteArray::fromStdString(e.name) + "\", " +
               QByteArray::number(e.image.width()) + ", " + QByteArray::number(e.image.height()) +
               ", " + QByteArray::number(int(e.image.format())) + ", 0x" +
               QByteArray::number(pixelChecksum(e.bits()), 16) + "u, demo_stored_pixels_" +
               QByteArray::number(qulonglong(i)) + "},\n";
    }
    out += "};\nconst std::size_t kStoredPixelCount = " +
           QByteArray::number(qulonglong(entries.size())) + ";\n\n}  // namespace ui\n";
    return out;
}

}  // namespace

bool writeArtwork(const QString& dir) {
    if (!QDir().mkpath(dir)) return false;
    const QString root = QDir(dir).absolutePath() + QLatin1Char('/');
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/artwork\">\n";
    std::vector<StoredEntry> stored;
    for (const auto& [name, draw] : catalogue()) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!draw().save(&buffer, "PNG")) return false;
        const QString file = QString::fromStdString(name) + QStringLiteral(".png");
        if (name.find('/') != std::string::npos && !QDir().mkpath(QFileInfo(root + file).path()))
            return false;
        if (!writeFileIfChanged(root + file, png)) return false;
        qrc += "    <file>" + file.toUtf8() + "</file>\n";
        if (!isStoredAsPixels(name)) continue;
        // Exactly what the picture's file decodes to, row after row.
        StoredEntry e{name, QImage::fromData(png, "PNG")};
        if (e.image.isNull() || e.image.depth() != 32 ||
            e.image.bytesPerLine() != e.image.width() * 4 ||
            !writeFileIfChanged(root + QString::fromStdString(name) + ".pixels", e.bits()))
            return false;
        stored.push_back(std::move(e));
    }
    qrc += "</qresource>\n</RCC>\n";
    // Both always rewritten: they are the build's stamp that the pictures are
    // current, so the resource compiler and the compiler rerun whenever they
    // were redrawn.
    return writeFile(root + "artwork_pixels.cpp", pixelTable(std::move(stored))) &&
           writeFile(root + "artwork.qrc", qrc);
}

}  // namespace imagegen
