// The neck's overlays in every tuning, read from the window: a dot wherever a
// string, tuned as a player tunes it, sounds the note (or a note of the key),
// and nowhere else; the key note set apart by its colour. Either hand.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <map>
#include <set>
#include <string>

#include "../support/open_strings.h"
#include "../support/windows.h"
#include "artwork/neck_overlays.h"
#include "theory/notes.h"
#include "theory/tunings.h"
#include "ui/qt/qt_view.h"

namespace {

using namespace testing_support;
using theory::NameSystem;

// Pitch classes of the root names as a player reads them (C = 0).
const std::map<std::string, int> kNotePitch{{"C", 0},   {"Cs", 1}, {"Db", 1}, {"D", 2},  {"Ds", 3},
                                            {"Eb", 3},  {"E", 4},  {"F", 5},  {"Fs", 6}, {"Gb", 6},
                                            {"G", 7},   {"Gs", 8}, {"Ab", 8}, {"A", 9},  {"As", 10},
                                            {"Bb", 10}, {"B", 11}};
constexpr int kMajorSteps[] = {0, 2, 4, 5, 7, 9, 11};

// Where a place's centre lies in the window, in twips: strings 315 apart from
// the low string at 9757, the open row from 100 to 445, fret rows 330 apart
// from 450 and 345 tall; a left-handed neck turns the strip 9450..11820 over.
double placeX(int string, bool leftHanded) {
    const double x = 9757 + 315 * string;
    return leftHanded ? 9450 + 11820 - x : x;
}
double placeY(int fret) {
    return fret == 0 ? (100 + 445) / 2.0 : 450 + 330 * (fret - 1) + 345 / 2.0;
}

QPoint inPicture(const ui::Control& c, int string, int fret, bool leftHanded) {
    return QPoint(int(std::floor((placeX(string, leftHanded) - c.left()) / 15)),
                  int(std::floor((placeY(fret) - c.top()) / 15)));
}

// Empty when the control's picture has a dot on exactly the places sounding
// one of `pitches`; `tonic` (or -1) names the pitch whose dots look different.
std::string dotFaults(const ui::Control& c, const TuningRow& tuning, bool leftHanded,
                      const std::set<int>& pitches, int tonic) {
    const QImage& image = c.picture().image;
    if (image.isNull()) return "no picture";
    std::string faults;
    for (int s = 0; s < 6; ++s)
        for (int fret = 0; fret <= 22; ++fret) {
            const QPoint p = inPicture(c, s, fret, leftHanded);
            const std::string at = " string " + std::to_string(s) + " fret " + std::to_string(fret);
            if (!image.rect().contains(p)) {
                faults += " outside:" + at;
                continue;
            }
            const int pitch = pitchOn(tuning, s, fret);
            const bool dot = qAlpha(image.pixel(p)) == 255;
            if (dot != (pitches.count(pitch) > 0)) faults += (dot ? " stray:" : " missing:") + at;
            if (!dot || tonic < 0 || p.y() + 5 >= image.height()) continue;
            // Below the label: the key note's dot is amber, the others blue.
            const QRgb below = image.pixel(p + QPoint(0, 5));
            if ((qRed(below) > qBlue(below)) != (pitch == tonic)) faults += " colour:" + at;
        }
    return faults;
}

ui::Settings settingsFor(const char* tuning, bool leftHanded, NameSystem system) {
    ui::Settings s;
    s.tuning = tuning;
    s.left_handed = leftHanded;
    s.names = system;
    return s;
}

Lyrafret lyrafretIn(const ui::Settings& s) {
    Lyrafret w(DEMO_BIN_DIR, false);
    w->applySettings(s);
    w->Form_Load();
    return w;
}

TEST(TunedOverlays, EveryNoteAndKeyDotsWhereItSoundsInEveryTuningAndHand) {
    int tuningIndex = 0;
    for (const TuningRow& tuning : kTuningRows) {
        const NameSystem system = theory::kNameSystems[std::size_t(tuningIndex++ % 3)];
        for (bool left : {false, true}) {
            SCOPED_TRACE(std::string(tuning.key) + (left ? " left-handed" : ""));
            auto w = lyrafretIn(settingsFor(tuning.key, left, system));
            for (const auto& [note, pitch] : kNotePitch)
                EXPECT_EQ(dotFaults(w->NoteEntry(note), tuning, left, {pitch}, -1), "") << note;
            for (int key = 0; key < 12; ++key) {
                std::set<int> scale;
                for (int step : kMajorSteps) scale.insert((key + step) % 12);
                EXPECT_EQ(dotFaults(w->Overlay(key), tuning, left, scale, key), "")
                    << "key " << key;
            }
        }
    }
}

// As a guitarist checks it: in DADGAD the D dots sit on the open first, fourth
// and sixth strings and on the A strings at the fifth fret; in Open G the G
// dots on the open fifth and third strings.
TEST(TunedOverlays, OpenStringsOfATuningCarryItsChordTones) {
    struct Case {
        const char* tuning;
        const char* note;
        std::set<std::pair<int, int>> places;  // (string from the lowest, fret), first 5 frets
    };
    const Case cases[] = {
        {"dadgad", "D", {{0, 0}, {2, 0}, {5, 0}, {1, 5}, {4, 5}}},
        {"open-g", "G", {{1, 0}, {3, 0}, {0, 5}, {2, 5}, {5, 5}, {4, 8}}},
        {"open-d", "Fs", {{3, 0}, {0, 4}, {2, 4}, {5, 4}}},
        {"drop-d", "D", {{0, 0}, {2, 0}, {1, 5}, {4, 3}, {3, 7}}},
    };
    for (const Case& c : cases) {
        auto w = lyrafretIn(settingsFor(c.tuning, false, NameSystem::English));
        const ui::Control& overlay = w->NoteEntry(c.note);
        const QImage& image = overlay.picture().image;
        for (const auto& [s, fret] : c.places)
            EXPECT_EQ(qAlpha(image.pixel(inPicture(overlay, s, fret, false))), 255)
                << c.tuning << " " << c.note << " string " << s << " fret " << fret;
    }
}

TEST(TunedOverlays, TheOptionRepointsEveryOverlayVisibleOrNot) {
    Pennatone p;
    Pennatone fresh;
    p->Base_Click(2);  // D major: its three overlays show
    p->Ty_Click(0);
    const auto shown = shownOverlays(*p);
    ASSERT_FALSE(shown.empty());
    p->setTuning("dadgad");
    EXPECT_EQ(shownOverlays(*p), shown);
    for (const char* note : theory::Root_Names) {
        const ui::Control& c = p->NoteEntry(note);
        EXPECT_EQ(c.pictureName(), std::string("builtin:dadgad/note_") + note);
        // A hidden overlay is drawn only when it is first shown.
        if (!c.visible()) {
            EXPECT_FALSE(c.pictureDecoded()) << note;
        }
    }
    p->setLeftHanded(true);
    p->setNames(NameSystem::German);
    EXPECT_EQ(p->NoteEntry("Bb").pictureName(), "builtin:dadgad/german/left/note_Bb");
    p->setTuning("open-g");
    EXPECT_EQ(p->NoteEntry("Bb").pictureName(), "builtin:open-g/german/left/note_Bb");
    p->setLeftHanded(false);
    p->setNames(NameSystem::English);
    p->setTuning("standard");
    for (const char* note : theory::Root_Names)
        EXPECT_EQ(p->NoteEntry(note).pictureName(), fresh->NoteEntry(note).pictureName());

    Lyrafret l;
    l->setTuning("open-d");
    for (int key = 0; key < 12; ++key)
        EXPECT_EQ(l->Overlay(key).pictureName(),
                  "builtin:open-d/keyoverlay_" + std::to_string(key));
}

// Through the real view: the menu's tuning repaints the D overlay of D major
// with DADGAD's places at once, and standard's brings the stored picture back.
TEST(TunedOverlays, TheViewPaintsTheTuningChosenInTheMenu) {
    Pennatone w;
    ui::qt::QtView view{*w};
    view.setSettingsSaver([](const ui::Settings&) {});
    view.show();
    w->Base_Click(3);  // D
    w->Ty_Click(0);
    view.sync();
    const ui::Control& d = w->NoteEntry("D");
    ASSERT_TRUE(d.visible());
    view.tuningAction("dadgad")->trigger();
    const QImage& shown = view.widgetFor(d)->image();
    ASSERT_FALSE(shown.isNull());
    const TuningRow& dadgad = kTuningRows[4];
    ASSERT_STREQ(dadgad.key, "dadgad");
    for (int s = 0; s < 6; ++s)
        for (int fret : {0, 2, 5, 7}) {
            const bool dot = qAlpha(shown.pixel(inPicture(d, s, fret, false))) == 255;
            EXPECT_EQ(dot, pitchOn(dadgad, s, fret) == 2) << "string " << s << " fret " << fret;
        }
    view.tuningAction("standard")->trigger();
    EXPECT_EQ(view.widgetFor(d)->image().convertToFormat(QImage::Format_ARGB32),
              QImage(":/artwork/note_D.png").convertToFormat(QImage::Format_ARGB32));
}

// Standard tuning's overlays are the stored ones, and the windows draw with
// the same code: drawn again at run time they match pixel for pixel.
TEST(TunedOverlays, StandardDrawnAtRunTimeIsTheStoredArtwork) {
    const theory::Tuning& standard = theory::standardTuning();
    for (bool left : {false, true}) {
        for (const char* note : {"C", "Fs", "Bb", "E"}) {
            const std::string stored =
                std::string(":/artwork/") + (left ? "left/" : "") + "note_" + note + ".png";
            EXPECT_EQ(artwork::noteOverlay(note, NameSystem::English, left, standard),
                      QImage(QString::fromStdString(stored)).convertToFormat(QImage::Format_ARGB32))
                << stored;
        }
        const std::string stored =
            std::string(":/artwork/solfege/") + (left ? "left/" : "") + "keyoverlay_5.png";
        EXPECT_EQ(artwork::keyOverlay(5, NameSystem::Solfege, left, standard),
                  QImage(QString::fromStdString(stored)).convertToFormat(QImage::Format_ARGB32))
            << stored;
    }
}

}  // namespace
