// The gallery's diagrams: the grip behind each cell, finger numbers, the
// words of a copied diagram and the large diagram under the pointer.
#include "ui/gallery.h"

#include <algorithm>

#include "artwork/chord_box.h"
#include "artwork/large_diagram.h"
#include "images/grip_pictures.h"
#include "images/library_paths.h"
#include "images/window_geometry.h"
#include "theory/chord_naming.h"
#include "theory/chord_types.h"
#include "theory/neck.h"
#include "theory/note_names.h"
#include "theory/notes.h"
#include "theory/tunings.h"
#include "ui/demo_window.h"

namespace ui {

namespace {

// "1st", "2nd", "3rd", "4th" ... "11th", "12th", "13th", "21st", "22nd".
std::string ordinal(int n) {
    const int tens = n % 100 / 10, ones = n % 10;
    const char* suffix = tens == 1   ? "th"
                         : ones == 1 ? "st"
                         : ones == 2 ? "nd"
                         : ones == 3 ? "rd"
                                     : "th";
    return std::to_string(n) + suffix;
}

Picture unturned(Picture p) {
    if (p.mirrored) {
        p.image = p.image.mirrored(true, false);
        p.mirrored = false;
    }
    return p;
}

constexpr int kRootCell = 18;  // the diagram beside the chord's name

// The large diagram: 200 x 280 pixels, beside the diagram it enlarges.
constexpr int kLargeWidth = 200 * images::kTwipsPerPixel;
constexpr int kLargeHeight = 280 * images::kTwipsPerPixel;
constexpr int kLargeGap = 120;

}  // namespace

void GalleryPart::addControls() {
    DemoWindow& w = m_window;
    Large_Diagram = &w.make(Kind::PictureBox, "Large_Diagram", -1, nullptr, 0, 0, kLargeWidth,
                            kLargeHeight, kLayerLargeDiagram);
    Large_Diagram->setVisible(false);
    for (const auto& [i, c] : w.Chord_Display.members())
        c->onHover([this, i = i](bool entered) { hover(i, entered); });
}

void GalleryPart::remember(int index, const std::optional<theory::Frets>& frets, bool atNut) {
    if (!frets) {
        m_shown.erase(index);
        return;
    }
    Shown& shown = m_shown[index];
    shown = Shown{*frets, atNut, unturned(m_window.Chord_Display(index).picture()), {}};
    if (m_window.settings().fingers) applyFingers(index, shown);
}

void GalleryPart::forget(bool keepRoot) {
    // A load that fails part way leaves the last chord's diagrams in the cells it
    // did not reach; they keep following the option, so that a gallery never
    // mixes fingered and plain diagrams.
    for (auto& [index, shown] : m_shown)
        if (!keepRoot || index != kRootCell) shown.current = false;
    hover(m_hovered, false);
}

const theory::Frets* GalleryPart::grip(int index) const {
    auto it = m_shown.find(index);
    return it == m_shown.end() || !it->second.current ? nullptr : &it->second.frets;
}

// A cell is redrawn only while it still shows the diagram remembered for it:
// a cleared or covered cell stays as it is.
void GalleryPart::applyFingers(int index, Shown& shown) {
    if (!m_window.Chord_Display.has(index)) return;
    Control& cell = m_window.Chord_Display(index);
    const std::string& now = cell.pictureName();
    if (now != shown.plain.name && (shown.drawn.empty() || now != shown.drawn)) return;
    if (!m_window.settings().fingers) {
        if (!shown.drawn.empty()) cell.setPicture(shown.plain);
        shown.drawn.clear();
        return;
    }
    const bool left = m_window.settings().left_handed;
    Picture p;
    p.image = artwork::drawFingeredShape(shown.frets, shown.atNut, left);
    p.name = std::string(images::kBuiltinPrefix) + "fingers/" + (left ? "left/" : "") +
             images::gripPictureStem(shown.frets, shown.atNut);
    p.mirrored = left;
    shown.drawn = p.name;
    cell.setPicture(std::move(p));
}

void GalleryPart::showFingers() {
    for (auto& [index, shown] : m_shown) applyFingers(index, shown);
}

void GalleryPart::turnFingers() {
    hover(m_hovered, false);
    if (!m_window.settings().fingers) return;
    for (auto& [index, shown] : m_shown)
        if (!shown.drawn.empty()) applyFingers(index, shown);
}

void GalleryPart::followClick() {
    if (m_hovered < 0) return;
    const Control& cell = m_window.Chord_Display(m_hovered);
    if (cell.pictureName() != m_enlarged || !cell.visible() ||
        (m_window.Logo_Box && m_window.Logo_Box->visible()))
        hover(m_hovered, false);
}

std::string GalleryPart::chordName() const {
    const std::string& Chord_Type = m_window.Chord_Type;
    const theory::ChordType* type =
        Chord_Type.empty() ? nullptr : theory::chordTypeByKey(Chord_Type);
    const std::string root = m_window.shownRoot();
    if (!type || theory::pitchOf(root) < 0) return {};
    return theory::chordSymbol(theory::ChordName{root, type, std::nullopt, false},
                               m_window.speller());
}

std::string GalleryPart::diagramText(int Index) const {
    const theory::Frets* frets = grip(Index);
    const std::string name = chordName();
    if (!frets || name.empty()) return {};
    bool open = false;
    int lowest = 0;
    std::string grip, fingers;
    // The fingers are worked out only when the words carry them.
    const auto fingering = m_window.settings().fingers ? theory::fingeringOf(*frets) : std::nullopt;
    for (int s = 0; s < theory::neck::kStrings; ++s) {
        const int f = (*frets)[std::size_t(s)];
        open |= f == 0;
        if (f > 0 && (lowest == 0 || f < lowest)) lowest = f;
        if (!grip.empty()) grip += ' ', fingers += ' ';
        grip += f < 0 ? std::string("x") : std::to_string(f);
        if (fingering)
            fingers +=
                f < 0 ? std::string("x") : std::to_string(fingering->fingers[std::size_t(s)]);
    }
    std::string text =
        name + ", " + (open || lowest == 0 ? "open" : ordinal(lowest) + " fret") + ": " + grip;
    if (fingering) text += ", fingers " + fingers;
    return text;
}

void GalleryPart::hover(int index, bool entered) {
    if (!Large_Diagram) return;
    if (!entered) {
        if (index == m_hovered) {
            Large_Diagram->setVisible(false);
            m_hovered = -1;
        }
        return;
    }
    DemoWindow& w = m_window;
    auto it = m_shown.find(index);
    if (it != m_shown.end() && !it->second.current) it = m_shown.end();
    const std::string root = w.shownRoot();
    const theory::ChordType* type = theory::chordTypeByKey(w.Chord_Type);
    // Only a diagram on screen is enlarged: not a cleared or covered cell.
    if (it == m_shown.end() || !w.Chord_Display.has(index) || !type || theory::pitchOf(root) < 0 ||
        w.Chord_Display(index).picture().isNone() || !w.Chord_Display(index).visible() ||
        (w.Logo_Box && w.Logo_Box->visible())) {
        hover(m_hovered, false);
        return;
    }
    const Shown& shown = it->second;
    artwork::LargeDiagram d;
    d.frets = shown.frets;
    d.fingering = theory::fingeringOf(shown.frets);
    const int lowest = theory::lowestFret(shown.frets);
    d.firstFret = shown.atNut || lowest == 0 ? 1 : lowest;
    d.name = chordName();
    d.leftHanded = w.settings().left_handed;
    const theory::Tuning& tuning = w.tuning();
    const int rootPitch = theory::pitchOf(root);
    const theory::Row& row = theory::chordRootRow(root);
    for (int s = 0; s < theory::neck::kStrings; ++s) {
        const int f = shown.frets[std::size_t(s)];
        if (f < 0) continue;
        const int above = (theory::pitchAt(tuning, s, f) - rootPitch + 12) % 12;
        const auto p = std::find(theory::kRowSemitones.begin(), theory::kRowSemitones.end(), above);
        d.notes[std::size_t(s)] = theory::shownName(
            row[std::size_t(p - theory::kRowSemitones.begin())], w.settings().names);
        d.roots[std::size_t(s)] = above == 0;
    }
    Picture picture;
    picture.image = artwork::drawLargeDiagram(d);
    picture.name = std::string(images::kBuiltinPrefix) + "large/" + (d.leftHanded ? "left/" : "") +
                   images::gripPictureStem(shown.frets, shown.atNut);
    // Beside the diagram: to its right where the window has room, else to its left;
    // never above the window's top or below its bottom.
    const Control& cell = w.Chord_Display(index);
    const int cellLeft = w.absoluteLeft(&cell), cellTop = w.absoluteTop(&cell);
    const int clientWidth = w.frame().Width - 2 * kClientLeftInFrame;
    const int clientHeight = w.frame().Height - kClientTopInFrame - kClientLeftInFrame;
    int left = cellLeft + cell.width() + kLargeGap;
    if (left + kLargeWidth > clientWidth) left = std::max(0, cellLeft - kLargeGap - kLargeWidth);
    const int top =
        std::clamp(cellTop - kLargeHeight / 4, 0, std::max(0, clientHeight - kLargeHeight));
    Large_Diagram->setPicture(std::move(picture));
    Large_Diagram->setGeometry(left, top, kLargeWidth, kLargeHeight);
    Large_Diagram->setVisible(true);
    m_hovered = index;
    m_enlarged = cell.pictureName();
}

}  // namespace ui
