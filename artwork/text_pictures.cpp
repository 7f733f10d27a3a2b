#include "artwork/text_pictures.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <vector>

#include "theory/notes.h"

namespace artwork {

namespace {

const QChar kSharp(0x266F);
const QChar kFlat(0x266D);

// Each glyph row is a string of 5 cells, '#' lit.
constexpr std::array<std::array<const char*, kDigitHeight>, 10> kDigits{{
    {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."},
    {"..#..", ".##..", "#.#..", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"},
    {".###.", "#...#", "....#", "....#", "...#.", "..#..", ".#...", "#....", "#####"},
    {".###.", "#...#", "....#", "....#", "..##.", "....#", "....#", "#...#", ".###."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#..#.", "#####", "...#.", "...#.", "...#."},
    {"#####", "#....", "#....", "####.", "....#", "....#", "....#", "#...#", ".###."},
    {"..##.", ".#...", "#....", "#....", "####.", "#...#", "#...#", "#...#", ".###."},
    {"#####", "....#", "...#.", "...#.", "..#..", "..#..", ".#...", ".#...", ".#..."},
    {".###.", "#...#", "#...#", "#...#", ".###.", "#...#", "#...#", "#...#", ".###."},
    {".###.", "#...#", "#...#", "#...#", ".####", "....#", "....#", "...#.", ".##.."},
}};

// Accidental glyphs in two heights; the larger goes with capitals of 9 px and up.
struct Glyph {
    int width;
    std::array<const char*, 9> rows;
    int height;
};
constexpr Glyph kSmallSharp{5, {".#.#.", ".#.#.", "#####", ".#.#.", "#####", ".#.#.", ".#.#."}, 7};
constexpr Glyph kSmallFlat{4, {"#...", "#...", "#.#.", "##.#", "#..#", "#.#.", "##.."}, 7};
constexpr Glyph kLargeSharp{
    6,
    {".#..#.", ".#..#.", "######", ".#..#.", ".#..#.", ".#..#.", "######", ".#..#.", ".#..#."},
    9};
constexpr Glyph kLargeFlat{
    5, {"#....", "#....", "#....", "#.##.", "##..#", "#...#", "#..#.", "#.#..", "##..."}, 9};

struct Run {
    QString text;
    const Glyph* glyph;  // set for an accidental
};

QFont labelFont(const Label& label) {
    QFont font = pixelFont(label.pixelSize, label.bold, label.serif);
    if (label.stretch != 100) font.setStretch(label.stretch);
    return font;
}

int capHeight(const Label& label) {
    return int(std::lround(QFontMetricsF(labelFont(label)).capHeight()));
}

std::vector<Run> splitRuns(const Label& label) {
    const bool large = !label.smallAccidentals && capHeight(label) >= 9;
    std::vector<Run> runs;
    for (QChar c : label.text) {
        const Glyph* glyph = nullptr;
        if (c == kSharp) glyph = large ? &kLargeSharp : &kSmallSharp;
        if (c == kFlat) glyph = large ? &kLargeFlat : &kSmallFlat;
        if (glyph || runs.empty() || runs.back().glyph)
            runs.push_back({QString(c), glyph});
        else
            runs.back().text += c;
    }
    return runs;
}

// Advances of the runs, gaps included, rounded so glyphs start on whole pixels.
std::vector<int> runAdvances(const std::vector<Run>& runs, const Label& label) {
    const QFontMetricsF fm(labelFont(label));
    std::vector<int> advances;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        int a = runs[i].glyph ? runs[i].glyph->width
                              : int(std::lround(fm.horizontalAdvance(runs[i].text)));
        if (i + 1 < runs.size() && (runs[i].glyph || runs[i + 1].glyph)) a += label.accidentalGap;
        advances.push_back(a);
    }
    return advances;
}

QString withAccidentals(std::string_view text, bool (*isFlatAt)(std::string_view, std::size_t)) {
    QString out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '#')
            out += kSharp;
        else if (c == 'b' && isFlatAt(text, i))
            out += kFlat;
        else
            out += QChar::fromLatin1(c);
    }
    return out;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

QFont pixelFont(int pixelSize, bool bold, bool serif) {
    QFont font(serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setKerning(true);
    return font;
}

QString noteLabel(std::string_view note) {
    QString out = QString::fromLatin1(note.data(), qsizetype(note.size()));
    if (out.size() == 2) out[1] = out[1] == QLatin1Char('s') ? kSharp : kFlat;
    return out;
}

QString noteLabel(std::string_view note, theory::NameSystem system) {
    if (system == theory::NameSystem::English) return noteLabel(note);
    return QString::fromStdString(theory::shownName(note, system));
}

QString symbolLabel(std::string_view symbol) {
    return withAccidentals(symbol, [](std::string_view, std::size_t i) { return i == 0; });
}

QString captionLabel(std::string_view caption) {
    // "7b9" reads as flat nine, but the b of "sub" or "Maj" stays a letter.
    return withAccidentals(caption, [](std::string_view t, std::size_t i) {
        return i > 0 && i + 1 < t.size() && isDigit(t[i - 1]) && isDigit(t[i + 1]);
    });
}

double labelWidth(const Label& label) {
    int w = 0;
    for (int a : runAdvances(splitRuns(label), label)) w += a;
    return w;
}

void paintLabel(QPainter& painter, const QRectF& box, const Label& label) {
    const auto runs = splitRuns(label);
    const auto advances = runAdvances(runs, label);
    int width = 0;
    for (int a : advances) width += a;
    const int cap = capHeight(label);
    const int baseline = int(std::lround(box.center().y() + cap / 2.0));
    int x = int(std::lround(box.center().x() - width / 2.0));
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(label.ink);
    painter.setFont(labelFont(label));
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (const Glyph* g = runs[i].glyph) {
            const int top =
                label.raisedAccidentals ? baseline - cap - 1 : baseline - (cap + g->height + 1) / 2;
            for (int row = 0; row < g->height; ++row)
                for (int col = 0; col < g->width; ++col)
                    if (g->rows[std::size_t(row)][col] == '#')
                        painter.fillRect(QRect(x + col, top + row, 1, 1), label.ink);
        } else {
            painter.drawText(QPoint(x, baseline), runs[i].text);
        }
        x += advances[i];
    }
    painter.restore();
}

Label fitted(Label label, double maxWidth, int minPixelSize) {
    if (labelWidth(label) > maxWidth) label.smallAccidentals = true;
    while (label.stretch > label.minStretch && labelWidth(label) > maxWidth) label.stretch -= 5;
    while (label.pixelSize > minPixelSize && labelWidth(label) > maxWidth) --label.pixelSize;
    return label;
}

QImage labelPicture(QSize size, const QColor& paper, const Label& label) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(paper);
    QPainter painter(&image);
    paintLabel(painter, QRectF(QPointF(0, 0), QSizeF(size)), label);
    return image;
}

QImage buttonPicture(const QString& text, QSize size, ButtonLook look, theory::NameSystem system) {
    struct Face {
        QRgb top, bottom, highlight, shadow, ink;
    };
    static constexpr Face kNormal{0xff43434c, 0xff24242a, 0xff62626e, 0xff101014, 0xffffffff};
    static constexpr Face kChosen{0xffffe45a, 0xfff0c000, 0xfffff5b0, 0xff9c7800, 0xff000000};
    static constexpr Face kPicker{0xff2c4662, 0xff17283c, 0xff4a6a8c, 0xff0a121c, 0xffffffff};
    const Face& face = look == ButtonLook::Chosen   ? kChosen
                       : look == ButtonLook::Picker ? kPicker
                                                    : kNormal;
    QImage image(size, QImage::Format_RGB32);
    const int h = size.height();
    for (int y = 0; y < h; ++y) {
        const double t = h > 1 ? double(y) / (h - 1) : 0.0;
        auto mix = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
        const QRgb c =
            qRgb(mix(qRed(face.top), qRed(face.bottom)), mix(qGreen(face.top), qGreen(face.bottom)),
                 mix(qBlue(face.top), qBlue(face.bottom)));
        for (int x = 0; x < size.width(); ++x) image.setPixel(x, y, c);
    }
    for (int x = 0; x < size.width(); ++x) {
        image.setPixel(x, 0, face.highlight);
        image.setPixel(x, h - 1, face.shadow);
    }
    // One letter size for every name of a button row, set by the widest name.
    auto labelFor = [&](const QString& t, int pixelSize) {
        Label label;
        label.text = t;
        label.pixelSize = pixelSize;
        label.ink = QColor::fromRgb(face.ink);
        label.raisedAccidentals = true;
        label.accidentalGap = 0;
        label.minStretch = 75;
        return fitted(label, size.width() - 2);
    };
    int rowSize = size.width() >= 17 ? 11 : 10;
    for (const char* note : theory::Root_Names)
        rowSize = std::min(rowSize, labelFor(noteLabel(note, system), rowSize).pixelSize);
    const Label label = labelFor(text, rowSize);
    QPainter painter(&image);
    paintLabel(painter, QRectF(0, 0, size.width(), size.height()), label);
    return image;
}

void paintPixelNumber(QImage& image, int value, QPoint centre, QRgb ink) {
    const QString digits = QString::number(value);
    const int width = int(digits.size()) * (kDigitWidth + 1) - 1;
    const int left = centre.x() - width / 2;
    const int top = centre.y() - kDigitHeight / 2;
    for (int d = 0; d < digits.size(); ++d) {
        const auto& glyph = kDigits[std::size_t(digits[d].digitValue())];
        for (int row = 0; row < kDigitHeight; ++row)
            for (int col = 0; col < kDigitWidth; ++col) {
                if (glyph[std::size_t(row)][col] != '#') continue;
                const QPoint p(left + d * (kDigitWidth + 1) + col, top + row);
                if (image.rect().contains(p)) image.setPixel(p, ink);
            }
    }
}

}  // namespace artwork
