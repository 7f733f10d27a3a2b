// Right-clicks that play: what is heard is what the window shows.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "../support/windows.h"
#include "ui/qt/qt_view.h"
#include "ui/qt/sound_module.h"

namespace {

using testing_support::Lyrafret;
using testing_support::Pennatone;

using testing_support::Heard;

constexpr std::array<int, 6> kStandard{40, 45, 50, 55, 59, 64};  // E A D G B E

// The number at the end of a picture's name: "img/demo/13/7.bmp" -> 7.
int numberIn(const std::string& name) {
    const auto slash = name.find_last_of('/');
    return std::stoi(name.substr(slash + 1));
}

// The grip a pool picture draws: "n_x02210.bmp" at the nut, "m_x13321.bmp"
// counted from its top row, which is the fret shown beside it.
std::vector<int> drawnMidi(const std::string& picture, int fret) {
    const std::string file = picture.substr(picture.find_last_of('/') + 1);
    const bool atNut = file[0] == 'n';
    std::vector<int> midi;
    for (int s = 0; s < 6; ++s) {
        const char c = file[std::size_t(2 + s)];
        if (c == 'x') continue;
        const int shown = c - '0';
        midi.push_back(kStandard[std::size_t(s)] + (atNut ? shown : fret + shown - 1));
    }
    return midi;
}

std::set<int> classes(const std::vector<int>& midi) {
    std::set<int> pcs;
    for (int m : midi) pcs.insert(m % 12);
    return pcs;
}

struct ChordCase {
    const char* name;
    int rootButton;  // Root_Names order: C Cs Db D Ds Eb E F Fs Gb G Gs Ab A As Bb B
    int type;
    std::set<int> tones;            // pitch classes a guitarist spells
    int fifth;                      // the tone a voicing may leave out
    std::vector<int> knownVoicing;  // a grip every guitarist knows, as MIDI, lowest string first
};

const std::vector<ChordCase> kChords = {
    {"C major", 0, 0, {0, 4, 7}, 7, {48, 52, 55, 60, 64}},        // x32010
    {"E major", 6, 0, {4, 8, 11}, 11, {40, 47, 52, 56, 59, 64}},  // 022100
    {"A m7", 13, 14, {9, 0, 4, 7}, 4, {45, 52, 55, 60, 64}},      // x02010
    {"D 7th", 3, 28, {2, 6, 9, 0}, 9, {50, 57, 60, 66}},          // xx0212
    {"G sus4", 10, 25, {7, 0, 2}, 2, {43, 50, 55, 60, 62, 67}},   // 355533
    {"B♭ add9", 15, 1, {10, 2, 5, 0}, 5, {}},
};

TEST(Hear, EveryDiagramPlaysTheChordItShowsAndWhatItDraws) {
    for (const ChordCase& c : kChords) {
        SCOPED_TRACE(c.name);
        Heard<ui::PennatoneDemo> w;
        w->Base_Click(c.rootButton);
        w->Ty_Click(c.type);
        bool knownHeard = c.knownVoicing.empty();
        int cells = 0;
        for (const auto& [i, cell] : w->Chord_Display.members()) {
            if (cell->picture().name.empty() || !cell->visible()) continue;
            const std::size_t before = w.out.performances.size();
            cell->rightClick();
            ASSERT_EQ(w.out.performances.size(), before + 1) << "cell " << i;
            ASSERT_TRUE(w->played());
            EXPECT_EQ(w->played()->source, "Chord_Display(" + std::to_string(i) + ")");
            const std::vector<int>& midi = w->played()->midi;
            // Every tone of the chord, though a voicing may leave out the fifth.
            std::set<int> heard = classes(midi), missing;
            for (int pc : heard) EXPECT_TRUE(c.tones.count(pc)) << "cell " << i << " pc " << pc;
            for (int pc : c.tones)
                if (!heard.count(pc)) missing.insert(pc);
            EXPECT_TRUE(missing.empty() || missing == std::set<int>{c.fifth}) << "cell " << i;
            // A strum: one note per sounding string, 30 ms apart, lowest string first.
            const auto& notes = w.out.performances.back();
            ASSERT_EQ(notes.size(), midi.size());
            for (std::size_t k = 0; k < notes.size(); ++k) {
                EXPECT_EQ(notes[k].midi, midi[k]);
                EXPECT_EQ(notes[k].onset, std::int64_t(k) * sound::kSampleRate * 30 / 1000);
            }
            const std::string pic = cell->picture().name;
            if (pic.find("/grips/") != std::string::npos && i < 18) {
                const int fret = numberIn(w->FretDisplay(i).picture().name);
                EXPECT_EQ(midi, drawnMidi(pic, fret)) << pic << " at fret " << fret;
            }
            knownHeard |= midi == c.knownVoicing;
            ++cells;
        }
        EXPECT_GE(cells, 9);
        EXPECT_TRUE(knownHeard) << "the everyday grip is among the diagrams";
    }
}

TEST(Hear, AFretNumberPlaysItsDiagram) {
    Heard<ui::PennatoneDemo> w;
    w->Base_Click(13);  // A
    w->Ty_Click(14);    // m7
    w->Chord_Display(4).rightClick();
    const auto diagram = w->played()->midi;
    w->FretDisplay(4).rightClick();
    EXPECT_EQ(w->played()->source, "FretDisplay(4)");
    EXPECT_EQ(w->played()->midi, diagram);
}

TEST(Hear, RootButtonsAndTheReportPlayTheChordRisingFromItsRoot) {
    struct Case {
        const char* name;
        int button, type;
        const char* source;
        std::vector<int> rising;
    };
    const std::vector<Case> cases = {
        {"C major from the report", 0, 0, "Chord_Report", {48, 52, 55}},
        {"A m7 from the report", 13, 14, "Chord_Report", {57, 60, 64, 67}},
        {"E 7th from the report", 6, 28, "Chord_Report", {52, 56, 59, 62}},
        {"G on its root button", 10, 0, "Base(10)", {55, 59, 62}},
        {"B♭ add9 on its root button", 15, 1, "Base(15)", {58, 62, 65, 72}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Heard<ui::PennatoneDemo> w;
        w->Base_Click(c.button);
        w->Ty_Click(c.type);
        w->find(c.source)->rightClick();
        ASSERT_TRUE(w->played());
        EXPECT_EQ(w->played()->source, c.source);
        EXPECT_EQ(w->played()->midi, c.rising);
        const auto& notes = w.out.performances.back();
        for (std::size_t k = 1; k < notes.size(); ++k)
            EXPECT_GT(notes[k].onset, notes[k - 1].onset);
    }
}

TEST(Hear, KeyWindowDiagramsPlayTheirChord) {
    Heard<ui::LyrafretDemo> w;
    w->Key_C_Click(0);  // C major: option 1 is add9 on the first degree, C add9
    w->key(1).click();
    int cells = 0;
    for (const auto& [i, cell] : w->Chord_Display.members()) {
        if (cell->picture().name.empty() || !cell->visible()) continue;
        cell->rightClick();
        ASSERT_TRUE(w->played()) << i;
        const std::set<int> pcs = classes(w->played()->midi);
        EXPECT_TRUE(pcs.count(0) && pcs.count(2) && pcs.count(4)) << "C, D and E in cell " << i;
        for (int pc : pcs) EXPECT_TRUE(pc == 0 || pc == 2 || pc == 4 || pc == 7) << pc;
        ++cells;
    }
    EXPECT_GE(cells, 8);
}

// The key window's report plays the chord of the degree shown, rising from its root.
TEST(Hear, KeyWindowReportPlaysTheChordRisingFromItsRoot) {
    Heard<ui::LyrafretDemo> w;
    w->Key_C_Click(0);  // the key of C
    w->key(0).click();  // its first degree, C major
    w->Chord_Report->rightClick();
    ASSERT_TRUE(w->played());
    EXPECT_EQ(w->played()->source, "Chord_Report");
    EXPECT_EQ(w->played()->midi, (std::vector<int>{48, 52, 55}));
    w->ScaleUp_Click();  // the second degree, D minor
    w->Chord_Report->rightClick();
    EXPECT_EQ(w->played()->midi, (std::vector<int>{50, 53, 57}));
}

TEST(Hear, NothingPlaysWithSoundOffOrWithoutADiagram) {
    Heard<ui::PennatoneDemo> w;
    w->Chord_Display(0).rightClick();  // the logo covers an empty gallery
    w->Chord_Report->rightClick();
    EXPECT_FALSE(w->played());
    w->Base_Click(0);
    w->Ty_Click(0);
    w->setSound(false);
    w->Chord_Display(0).rightClick();
    w->Base(0).rightClick();
    EXPECT_FALSE(w->played());
    EXPECT_TRUE(w.out.performances.empty());
    w->setSound(true);
    w->Chord_Display(0).rightClick();
    EXPECT_EQ(w.out.performances.size(), 1u);
}

TEST(Hear, LeftClickStillCopiesAndPlaysNothing) {
    Heard<ui::PennatoneDemo> w;
    w->Base_Click(0);
    w->Ty_Click(0);
    w->Chord_Display(2).click();
    EXPECT_EQ(w.clipboard.content()->name, w->Chord_Display(2).picture().name);
    EXPECT_FALSE(w->played());
    EXPECT_TRUE(w.out.performances.empty());
}

// The given sets are stored in C and moved to each root: what is heard must
// sit at the fret number printed beside it and sound the chord of that root.
TEST(Hear, StoredSetsSoundAtTheFretPrintedBesideThem) {
    struct Type {
        int index;
        std::vector<int> tones;  // above the root
    };
    for (const Type& t : {Type{0, {0, 4, 7}}, Type{1, {0, 2, 4, 7}}}) {
        for (int button = 0; button < 17; ++button) {
            SCOPED_TRACE("type " + std::to_string(t.index) + " root button " +
                         std::to_string(button));
            Heard<ui::PennatoneDemo> w;
            w->Base_Click(button);
            w->Ty_Click(t.index);
            const int root = theory::pitchOf(theory::Root_Names[std::size_t(button)]);
            std::set<int> tones;
            for (int i : t.tones) tones.insert((root + i) % 12);
            for (int i = 0; i < 18; ++i) {
                const ui::Control& cell = w->Chord_Display(i);
                if (cell.picture().name.empty()) continue;
                const_cast<ui::Control&>(cell).rightClick();
                ASSERT_TRUE(w->played() && w->played()->frets) << i;
                const theory::Frets& frets = *w->played()->frets;
                int lowest = 99;
                for (int f : frets)
                    if (f > 0) lowest = std::min(lowest, f);
                EXPECT_EQ(lowest, numberIn(w->FretDisplay(i).picture().name)) << "cell " << i;
                for (int f : frets) EXPECT_LE(f, 22);
                std::set<int> heard = classes(w->played()->midi);
                for (int pc : heard) EXPECT_TRUE(tones.count(pc)) << "cell " << i << " pc " << pc;
            }
        }
    }
}

struct CopyCase {
    const char* name;
    int button, type;
    theory::NameSystem names;
    std::string chord;  // how the name must read
};

// A copied diagram or fret number carries the chord in words; the grip part
// must be the grip the picture draws.
TEST(CopyText, DiagramsAndFretNumbersCarryTheChordInWords) {
    const std::vector<CopyCase> cases = {
        {"A m7", 13, 14, theory::NameSystem::English, "Am7"},
        {"B major in German", 16, 0, theory::NameSystem::German, "H"},
        {"F♯ 7th in Solfège", 8, 28, theory::NameSystem::Solfege, "Fa\u266f7"},
        {"B♭ add9", 15, 1, theory::NameSystem::English, "B\u266dadd9"},
    };
    for (const CopyCase& c : cases) {
        SCOPED_TRACE(c.name);
        Heard<ui::PennatoneDemo> w;
        w->setNames(c.names);
        w->Base_Click(c.button);
        w->Ty_Click(c.type);
        int checked = 0;
        for (int i = 0; i < 18; ++i) {
            ui::Control& cell = w->Chord_Display(i);
            if (cell.picture().name.empty()) continue;
            cell.click();
            const std::string text = w.clipboard.text();
            EXPECT_EQ(w.clipboard.content()->name, cell.picture().name) << "the picture as before";
            ASSERT_EQ(text.rfind(c.chord + ", ", 0), 0u) << text;
            const std::string where =
                text.substr(c.chord.size() + 2, text.find(':') - c.chord.size() - 2);
            const std::string grip = text.substr(text.find(": ") + 2);
            // The grip in words, as frets from the lowest string.
            std::vector<int> frets;
            std::istringstream in(grip);
            for (std::string word; in >> word;) frets.push_back(word == "x" ? -1 : std::stoi(word));
            ASSERT_EQ(frets.size(), 6u) << text;
            std::vector<int> midi;
            for (int s = 0; s < 6; ++s)
                if (frets[std::size_t(s)] >= 0)
                    midi.push_back(kStandard[std::size_t(s)] + frets[std::size_t(s)]);
            cell.rightClick();
            EXPECT_EQ(midi, w->played()->midi) << text;
            const bool open = std::find(frets.begin(), frets.end(), 0) != frets.end();
            if (open) {
                EXPECT_EQ(where, "open") << text;
            } else {
                const int fret = numberIn(w->FretDisplay(i).picture().name);
                const std::string n = std::to_string(fret);
                const std::string th = fret == 1    ? "st"
                                       : fret == 2  ? "nd"
                                       : fret == 3  ? "rd"
                                       : fret == 21 ? "st"
                                       : fret == 22 ? "nd"
                                                    : "th";
                EXPECT_EQ(where, n + th + " fret") << text;
            }
            // The fret number beside it copies its picture and the same words.
            w->FretDisplay(i).click();
            EXPECT_EQ(w.clipboard.text(), text);
            EXPECT_EQ(w.clipboard.content()->name, w->FretDisplay(i).picture().name);
            ++checked;
        }
        EXPECT_GE(checked, 9);
    }
}

TEST(CopyText, KnownGripsReadAsAGuitaristWritesThem) {
    Heard<ui::PennatoneDemo> w;
    w->Base_Click(13);  // A
    w->Ty_Click(14);    // m7
    std::set<std::string> texts;
    for (int i = 0; i < 18; ++i) {
        w->Chord_Display(i).click();
        texts.insert(w.clipboard.text());
    }
    EXPECT_TRUE(texts.count("Am7, open: x 0 2 0 1 0"));
    EXPECT_TRUE(texts.count("Am7, 5th fret: 5 7 5 5 5 5"));
}

TEST(CopyText, AStoredShapeMovedUpReadsAtItsNewFret) {
    Heard<ui::PennatoneDemo> w;
    w->Base_Click(6);  // E
    w->Ty_Click(0);    // Major: the first place holds picture 14 of the C set, x 10 10 9 x x
    ASSERT_EQ(w->Chord_Display(13).picture().name, "img/demo/20/14.bmp");
    w->Chord_Display(13).click();
    EXPECT_EQ(w.clipboard.text(), "E, 13th fret: x 14 14 13 x x");
}

TEST(CopyText, AnEmptyCellCopiesNoWords) {
    Heard<ui::PennatoneDemo> w;
    w->Chord_Display(0).click();
    EXPECT_TRUE(w.clipboard.text().empty());
    EXPECT_FALSE(w.clipboard.content());
}

// In the real window: a right-click on a diagram plays it and opens no menu;
// on the background it still opens Options, whose Sound entry is kept.
TEST(HearView, RightClicksReachTheWindowAndSoundIsAnOption) {
    Heard<ui::PennatoneDemo> w;
    ui::qt::QtView view(*w.window);
    std::vector<ui::Settings> saved;
    view.setSettingsSaver([&](const ui::Settings& s) { saved.push_back(s); });
    view.show();
    view.click(w->Base(0));
    view.click(w->Ty(0));
    QWidget* cell = view.widgetFor(w->Chord_Display(3));
    QContextMenuEvent onCell(QContextMenuEvent::Mouse, QPoint(5, 5),
                             cell->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(cell, &onCell);
    EXPECT_FALSE(view.optionsMenu()->isVisible());
    ASSERT_EQ(w.out.performances.size(), 1u);
    EXPECT_EQ(w->played()->source, "Chord_Display(3)");

    ASSERT_TRUE(view.soundAction()->isChecked());
    view.soundAction()->trigger();
    EXPECT_FALSE(w->settings().sound);
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_FALSE(saved[0].sound);
    QApplication::sendEvent(cell, &onCell);
    EXPECT_EQ(w.out.performances.size(), 1u) << "sound off: nothing more is played";
}

// The real view over PennatoneDemo with the sound player of `module`; C major
// is shown. Message boxes are counted, not shown.
struct HeardWindow {
    explicit HeardWindow(const QString& module)
        : player(module), window(ui::Platform{DEMO_BIN_DIR, &clipboard, [] {}, &player}) {
        window.Form_Load();
        view = std::make_unique<ui::qt::QtView>(window);
        view->setReporter([this](QWidget*, const QString&, const QString&) { ++boxes; });
        ui::qt::showSoundFailures(*view, player);
        view->click(window.Base(0));
        view->click(window.Ty(0));
    }
    ui::MemoryClipboard clipboard;
    ui::qt::SoundModule player;
    ui::PennatoneDemo window;
    std::unique_ptr<ui::qt::QtView> view;
    int boxes = 0;
};

// The real view and player with no sound server: the first failure is said
// in one line of the window, no message box, and later clicks change nothing.
TEST(Hear, WithoutADeviceOneLineInTheWindow) {
    QTemporaryDir dir;
    qputenv("PULSE_SERVER", ("unix:" + dir.filePath("no-server")).toUtf8());
    qputenv("PULSE_RUNTIME_PATH", dir.path().toUtf8());
    qputenv("XDG_RUNTIME_DIR", dir.path().toUtf8());
    HeardWindow w(DEMO_BIN_DIR "/sound-player.so");
    QSignalSpy failed(&w.player, &ui::qt::SoundModule::failed);
    EXPECT_FALSE(w.window.Sound_Status->visible());
    EXPECT_FALSE(w.player.loaded()) << "the player was loaded before anything was played";
    w.view->rightClick(w.window.Chord_Display(0));
    EXPECT_TRUE(w.player.loaded());
    ASSERT_TRUE(failed.count() > 0 || failed.wait(10000));
    EXPECT_TRUE(w.window.Sound_Status->visible());
    const std::string line = w.window.Sound_Status->caption();
    EXPECT_FALSE(line.empty());
    EXPECT_EQ(line.find('\n'), std::string::npos);
    EXPECT_EQ(w.view->widgetFor(*w.window.Sound_Status)->caption().toStdString(), line);
    for (int i = 1; i < 4; ++i) w.view->rightClick(w.window.Chord_Display(i));
    w.window.soundFailed("another line");
    EXPECT_EQ(w.window.Sound_Status->caption(), line);
    EXPECT_EQ(w.boxes, 0);
    EXPECT_EQ(w.window.Chord_Display(0).picture().name.empty(), false);
}

// A player module that cannot be loaded is said like a missing device: one
// line in the window, once, and the diagrams stay as they are.
TEST(Hear, WithoutThePlayerModuleOneLineInTheWindow) {
    QTemporaryDir dir;
    HeardWindow w(dir.filePath("sound-player.so"));
    QSignalSpy failed(&w.player, &ui::qt::SoundModule::failed);
    for (int i = 0; i < 3; ++i) w.view->rightClick(w.window.Chord_Display(i));
    EXPECT_FALSE(w.player.loaded());
    ASSERT_EQ(failed.count(), 1);
    const std::string line = w.window.Sound_Status->caption();
    EXPECT_TRUE(w.window.Sound_Status->visible());
    EXPECT_EQ(line.rfind("Sound is off: the sound player cannot be loaded", 0), 0u) << line;
    EXPECT_EQ(line.find('\n'), std::string::npos);
    EXPECT_EQ(w.boxes, 0);
    EXPECT_FALSE(w.window.Chord_Display(2).picture().name.empty());
}

}  // namespace
