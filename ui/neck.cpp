// The neck both windows hold at the same place: fretboard, note overlays and
// masks, and the turning over of all that depicts the neck.
#include "ui/neck.h"

#include "theory/notes.h"
#include "ui/demo_window.h"

namespace ui {

namespace neck = theory::neck;

namespace {

constexpr std::array<int, neck::kFrets + 1> kFretLabelTops{
    225,  495,  840,  1170, 1485, 1830, 2145, 2475, 2835, 3150, 3480, 3780,
    4110, 4455, 4785, 5115, 5475, 5805, 6120, 6435, 6795, 7125, 7470};

// The fret labels stand at the right edge of the neck's strip.
constexpr int kFretLabelWidth = 255;

struct StringMask {
    const char* caption;
    int labelLeft, labelWidth;
    const char* picture;
};
constexpr std::array<StringMask, neck::kStrings> kStringMasks{{
    {"E", 9690, 210, "mask_low_e"},
    {"A", 10005, 165, "mask_string"},
    {"D", 10305, 165, "mask_string"},
    {"G", 10620, 180, "mask_string"},
    {"B", 10935, 150, "mask_string"},
    {"E", 11250, 180, "mask_high_e"},
}};

}  // namespace

int fretMaskTop(int n) {
    return n == 0 ? neck::kOpenRowTop : neck::kFirstFretTop + neck::kFretPitch * (n - 1);
}
int stringMaskLeft(int s) {
    return neck::kLowStringMaskLeft + neck::kStringPitch * s;
}

void NeckPart::add(Control& c, bool turnsPictures) {
    m_neck.push_back(&c);
    if (turnsPictures) m_turnedWithNeck.push_back(&c);
}

void NeckPart::turn(bool leftHanded) {
    for (Control* c : m_neck) c->setLeft(neck::mirroredLeft(c->left(), c->width()));
    for (Control* c : m_turnedWithNeck) c->setMirrorsPictures(leftHanded);
}

void NeckPart::addFretboard() {
    Fret_Board = &m_window.make(Kind::Image, "Fret_Board", -1, nullptr, neck::kLeft,
                                neck::kFretboardTop, neck::kWidth, 7830, kLayerFretboard);
    Fret_Board->setPicture(DemoWindow::Builtin("fretboard"));
    add(*Fret_Board, true);
}

void NeckPart::addControls() {
    addNoteOverlays();
    addMasks();
}

void NeckPart::addNoteOverlays() {
    for (const char* note : theory::Root_Names) {
        const std::string n = note;
        const int top = (n == "E" || n == "Fs") ? neck::kShiftedOverlayTop : neck::kOverlayTop;
        add(m_window
                .make(Kind::Image, "NoteEntry_" + n, -1, nullptr, neck::kLeft, top, neck::kWidth,
                      7770, kLayerNoteOverlay)
                .setPicture(DemoWindow::Builtin("note_" + n))
                .setVisible(false));
    }
}

void NeckPart::addMasks() {
    DemoWindow& w = m_window;
    for (int n = 0; n <= neck::kFrets; ++n) {
        const std::string suffix = std::to_string(n);
        add(w.make(Kind::Image, "Mask_o" + suffix, -1, nullptr, neck::kAreaLeft, fretMaskTop(n),
                   neck::kFretMaskWidth, neck::kFretRowHeight, kLayerMaskImage)
                .setPicture(DemoWindow::Builtin(n == 0 ? "mask_open" : "mask_fret"))
                .setVisible(false),
            true);
        add(w.label("Mask_" + suffix, -1, nullptr, neck::kAreaRight - kFretLabelWidth,
                    kFretLabelTops[std::size_t(n)], kFretLabelWidth, 255, suffix, kWhite, kBlack)
                .setFont({"MS Sans Serif", 9.75}));
    }
    for (int s = 0; s < neck::kStrings; ++s) {
        const StringMask& m = kStringMasks[std::size_t(s)];
        const std::string suffix = kStringMaskSuffixes[std::size_t(s)];
        add(w.make(Kind::Image, "Mask_o" + suffix, -1, nullptr, stringMaskLeft(s),
                   neck::kStringMaskTop, neck::kStringMaskWidth, neck::kStringMaskHeight,
                   kLayerMaskImage)
                .setPicture(DemoWindow::Builtin(m.picture))
                .setVisible(false),
            true);
        add(w.label("Mask_" + suffix, -1, nullptr, m.labelLeft, 7755, m.labelWidth, 255, m.caption,
                    kWhite, kBlack)
                .setFont({"Courier New", 9.75}));
    }
#define DEMO_BIND_MASK(n) w.bind(w.Mask(#n), [&w] { w.Mask_##n##_Click(); });
    DEMO_FRET_MASKS(DEMO_BIND_MASK)
    DEMO_STRING_MASKS(DEMO_BIND_MASK)
#undef DEMO_BIND_MASK
}

void NeckPart::addClearMasks(int left, int width, const std::string& caption) {
    DemoWindow& w = m_window;
    Clear_Masks =
        &w.label("Clear_Masks", -1, nullptr, left, 7200, width, 200, caption, kWhite, kBlack);
    Clear_Masks->setTransparent(true);
    w.bind(*Clear_Masks, [&w] { w.Clear_Masks_Click(); });
}

void NeckPart::toggleMask(const std::string& suffix) {
    Control& mask = m_window.Mask_o(suffix);
    mask.setVisible(!mask.visible());
}

void NeckPart::clearMasks() {
    for (int n = 0; n <= neck::kFrets; ++n) m_window.Mask_o(std::to_string(n)).setVisible(false);
    for (const char* s : kStringMaskSuffixes) m_window.Mask_o(s).setVisible(false);
}

}  // namespace ui
