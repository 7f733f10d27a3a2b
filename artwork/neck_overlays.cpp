#include "artwork/neck_overlays.h"

#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <functional>
#include <string>

#include "artwork/text_pictures.h"
#include "images/library_paths.h"
#include "images/window_geometry.h"
#include "theory/neck.h"
#include "theory/notes.h"

namespace artwork {

using namespace theory::neck;

namespace {

// Twips of the window to pixels of a picture placed at origin.
double toPixels(double windowTwips, int originTwips) {
    return (windowTwips - originTwips) / images::kTwipsPerPixel;
}

// Odd-sized dots look crisp when centred on a pixel centre.
double pixelCentre(double px) {
    return std::floor(px) + 0.5;
}

struct DotStyle {
    QRgb light, dark, rim, ink;
    bool ring;
};

constexpr DotStyle kChordDot{0xffff7a4e, 0xffc9401a, 0xff6a1c08, 0xffffffff, false};
constexpr DotStyle kScaleDot{0xff5aa2f0, 0xff1f64b8, 0xff0c2c58, 0xffffffff, false};
constexpr DotStyle kKeyDot{0xffffd36a, 0xffe29a12, 0xff6a4600, 0xff000000, true};

void paintDot(QPainter& p, QPointF c, const QString& text, const DotStyle& style) {
    const double r = 7.5;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (style.ring) {
        p.setPen(QPen(QColor(0xff, 0xff, 0xff), 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, r + 1.2, r + 1.2);
    }
    QRadialGradient g(c - QPointF(2.5, 2.5), r * 1.6);
    g.setColorAt(0, QColor::fromRgb(style.light));
    g.setColorAt(1, QColor::fromRgb(style.dark));
    p.setBrush(g);
    p.setPen(QPen(QColor::fromRgb(style.rim), 1));
    p.drawEllipse(c, r - 0.5, r - 0.5);
    p.restore();
    Label label;
    label.text = text;
    label.pixelSize = 9;
    label.ink = QColor::fromRgb(style.ink);
    label.raisedAccidentals = true;
    label.smallAccidentals = true;
    label.accidentalGap = 0;
    label.minStretch = 70;
    label = fitted(label, 12, 7);
    paintLabel(p, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), label);
}

// Every place on the neck whose pitch passes the filter, as a labelled dot.
// A left-handed overlay lies over the mirrored neck with its text upright.
QImage overlay(int height, int top, bool leftHanded, const theory::Tuning& tuning,
               const std::function<const DotStyle*(int pitch, QString* text)>& pick) {
    const int left = leftHanded ? mirroredLeft(kLeft, kWidth) : kLeft;
    QImage image(130, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    for (int s = 0; s < kStrings; ++s) {
        for (int fret = 0; fret <= kFrets; ++fret) {
            QString text;
            const DotStyle* style = pick(theory::pitchAt(tuning, s, fret), &text);
            if (!style) continue;
            const QPointF c(pixelCentre(toPixels(stringCentre(s, leftHanded), left)),
                            pixelCentre(toPixels(rowCentre(fret), top)));
            paintDot(p, c, text, *style);
        }
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

int noteOverlayTop(std::string_view note) {
    return note == "E" || note == "Fs" ? kShiftedOverlayTop : kOverlayTop;
}

QImage noteOverlay(std::string_view note, theory::NameSystem system, bool leftHanded,
                   const theory::Tuning& tuning) {
    const int pitch = theory::pitchOf(note);
    const QString text = noteLabel(note, system);
    return overlay(518, noteOverlayTop(note), leftHanded, tuning,
                   [&](int place, QString* label) -> const DotStyle* {
                       if (place != pitch) return nullptr;
                       *label = text;
                       return &kChordDot;
                   });
}

QImage keyOverlay(int key, theory::NameSystem system, bool leftHanded,
                  const theory::Tuning& tuning) {
    const theory::Row& row = theory::chordRootRow(kKeyNotes[std::size_t(key)]);
    return overlay(key == 0 ? 513 : 518, kOverlayTop, leftHanded, tuning,
                   [&](int place, QString* label) -> const DotStyle* {
                       for (int position : theory::kMajorScalePositions) {
                           if ((key + theory::kRowSemitones[std::size_t(position)]) % 12 != place)
                               continue;
                           *label = noteLabel(row[std::size_t(position)], system);
                           return position == 0 ? &kKeyDot : &kScaleDot;
                       }
                       return nullptr;
                   });
}

QImage tunedOverlay(std::string_view artworkName) {
    const auto o = images::tunedOverlay(artworkName);
    if (!o) return {};
    const std::string_view base = o->base;
    constexpr std::string_view kNote = "note_", kKey = "keyoverlay_";
    if (base.substr(0, kNote.size()) == kNote) {
        const std::string_view note = base.substr(kNote.size());
        for (const char* known : theory::Root_Names)
            if (note == known) return noteOverlay(note, o->system, o->leftHanded, *o->tuning);
        return {};
    }
    for (int key = 0; key < 12; ++key)
        if (base == std::string(kKey) + std::to_string(key))
            return keyOverlay(key, o->system, o->leftHanded, *o->tuning);
    return {};
}

}  // namespace artwork
