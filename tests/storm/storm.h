#pragma once

// What must hold after every click of a random storm, whatever came before:
// one option highlighted at most, the chord shown is the chord its option
// names (type, diagram set, fret numbers, note overlays), and the masks
// change only when a mask is clicked.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "../support/library.h"
#include "../support/windows.h"
#include "chords/key_tables.h"
#include "chords/pennatone_types.h"
#include "gallery/pages.h"
#include "images/grip_pictures.h"
#include "images/library_paths.h"
#include "theory/chord_naming.h"
#include "theory/chord_types.h"
#include "theory/given_sets.h"
#include "theory/notes.h"
#include "ui/neck.h"

namespace storm {

// What the shown chord must look like, taken from the tables, not from the window.
struct ExpectedChord {
    std::string type, dir;
    std::optional<int> lastItem;  // given sets only
    std::vector<int> baseFrets;
};

template <typename Window>
struct Traits;

template <>
struct Traits<ui::PennatoneDemo> {
    static constexpr const char* kExit = "close_me";
    static const ui::ControlArray& options(const ui::PennatoneDemo& w) { return w.Ty; }
    static std::optional<int> option(const ui::PennatoneDemo& w) { return w.Typer; }
    static std::optional<ExpectedChord> chord(int option) {
        const chords::PennatoneType* t = chords::pennatoneType(option);
        if (!t || option < 0 || option >= static_cast<int>(theory::kChordTypes.size()))
            return std::nullopt;
        return ExpectedChord{theory::kChordTypes[option].key, t->dir, t->Chord_Number,
                             t->baseFrets};
    }
    static const std::vector<theory::GalleryCell>* cells(int option, const std::string& K,
                                                         const theory::Tuning& tuning) {
        return chords::pennatoneGallery(option, theory::pitchOf(K), tuning);
    }
    static std::size_t grips(int option, const std::string& K, const theory::Tuning& tuning) {
        return chords::pennatoneGrips(option, theory::pitchOf(K), tuning).size();
    }
};

template <>
struct Traits<ui::LyrafretDemo> {
    static constexpr const char* kExit = "Exit_Me";
    static const ui::ControlArray& options(const ui::LyrafretDemo& w) { return w.key; }
    static std::optional<int> option(const ui::LyrafretDemo& w) { return w.Keyer; }
    static std::optional<ExpectedChord> chord(int option) {
        const chords::KeyChord* c = chords::keyChord(option);
        if (!c) return std::nullopt;
        return ExpectedChord{c->Chord_Type, c->dir, c->Chord_Number, c->baseFrets};
    }
    static const std::vector<theory::GalleryCell>* cells(int option, const std::string& K,
                                                         const theory::Tuning& tuning) {
        return chords::keyGallery(option, K, tuning);
    }
    static std::size_t grips(int option, const std::string& K, const theory::Tuning& tuning) {
        return chords::keyGrips(option, K, tuning).size();
    }
};

inline const std::string kLibrary = "img/demo/";

// "img/demo/20/3.bmp" -> "20", "3.bmp"
inline std::string folderOf(const std::string& picture) {
    const std::string rest = picture.substr(kLibrary.size());
    return rest.substr(0, rest.find('/'));
}
// With finger numbers on, a diagram is drawn for the hand in force and named
// by the grip it shows; otherwise it is the library's picture.
inline std::string shownDiagram(const ui::Settings& s, const std::string& library,
                                const theory::Frets& frets, bool atNut) {
    if (!s.fingers) return library;
    return std::string("builtin:fingers/") + (s.left_handed ? "left/" : "") +
           images::gripPictureStem(frets, atNut);
}

inline std::string fileOf(const std::string& picture) {
    return picture.substr(picture.rfind('/') + 1);
}
inline std::string stem(const std::string& picture) {
    const std::string file = fileOf(picture);
    return file.substr(0, file.rfind('.'));
}

inline std::vector<std::string> maskSuffixes() {
    std::vector<std::string> s;
    for (int n = 0; n <= theory::neck::kFrets; ++n) s.push_back(std::to_string(n));
    for (const char* name : ui::kStringMaskSuffixes) s.push_back(name);
    return s;
}

// Seed and size: fixed by default, so a failure can be replayed; the
// environment may change them for a longer hunt.
inline unsigned seedFromEnvironment(unsigned fallback) {
    const char* s = std::getenv("DEMO_STORM_SEED");
    return s ? static_cast<unsigned>(std::strtoul(s, nullptr, 10)) : fallback;
}
inline int clicksFromEnvironment(int fallback) {
    // An empty or unreadable count keeps the default: a storm of no clicks proves nothing.
    const char* s = std::getenv("DEMO_STORM_CLICKS");
    const int n = s ? std::atoi(s) : 0;
    return n > 0 ? n : fallback;
}

inline long residentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

// Follows one window through a storm and checks it after each click.
template <typename Window>
class Checker {
public:
    explicit Checker(const Window& w) : m_w(w) { m_masks = masks(); }

    // Call just before the click.
    void before() { m_typeRevision = m_w.Type_o->revision(); }

    // Call after the click (whether it failed or not); returns the first
    // broken rule, empty when all hold.
    // The click's handler stopped at a picture that failed to load.
    void loadFailed() { m_failed = true; }

    std::string after(const ui::Control& clicked) {
        const FailedClick reset{m_failed};
        // A page cut short by a failed load stays so until the gallery is loaded again.
        const bool page = clicked.name() == "Page_Prev" || clicked.name() == "Page_Next";
        if (m_failed)
            m_cutShort = true;
        else if (page || m_w.Type_o->revision() != m_typeRevision)
            m_cutShort = false;
        trackNotePickers(clicked);
        std::string broken = checkOptions();
        if (broken.empty()) broken = checkMasks(clicked);
        if (broken.empty()) broken = checkGallery();
        if (broken.empty() && shown()) broken = checkShownChord();
        if (broken.empty()) broken = checkPlayerOptions();
        if (broken.empty()) broken = checkNaming();
        return broken;
    }

    bool shown() const { return !m_w.Logo_Box->visible() && !m_w.Type_o->picture().name.empty(); }

private:
    using T = Traits<Window>;

    std::vector<bool> masks() const {
        std::vector<bool> v;
        for (const std::string& s : maskSuffixes()) v.push_back(m_w.Mask_o(s).visible());
        return v;
    }

    void trackNotePickers(const ui::Control& clicked) {
        // A chord (re)loaded in this click cleared every overlay first.
        // A page turned loads the type's caption again but keeps the overlays.
        const bool page = clicked.name() == "Page_Prev" || clicked.name() == "Page_Next";
        if (shown() && !page && m_w.Type_o->revision() != m_typeRevision) m_touched.clear();
        const std::string prefix = "Select_";
        if (clicked.name().rfind(prefix, 0) == 0) m_touched.insert(clicked.name().substr(7));
    }

    std::string checkOptions() const {
        int highlighted = 0;
        for (const auto& [i, o] : T::options(m_w).members()) {
            const bool yellow = o->foreColor() == ui::kYellow;
            if (o->bold() != yellow) return o->key() + " is bold or yellow, not both";
            highlighted += o->bold();
        }
        if (highlighted > 1) return std::to_string(highlighted) + " options highlighted";
        return {};
    }

    std::string checkMasks(const ui::Control& clicked) {
        std::vector<bool> expected = m_masks;
        const auto suffixes = maskSuffixes();
        for (std::size_t i = 0; i < suffixes.size(); ++i)
            if (clicked.name() == "Mask_" + suffixes[i]) expected[i] = !expected[i];
        if (clicked.name() == "Clear_Masks") expected.assign(expected.size(), false);
        m_masks = masks();
        return m_masks == expected ? std::string() : "masks changed by " + clicked.key();
    }

    std::string checkGallery() const {
        std::map<std::string, std::string> folders;  // each folder and its first picture
        const int last = m_w.Chord_Number.value_or(-1);
        for (const auto& [i, item] : m_w.Chord_Display.members()) {
            const std::string& name = item->picture().name;
            if (name.empty() || name == kLibrary + "13/b2.bmp") continue;
            if (i > last && i != 18) return item->key() + " holds " + name + " past the last item";
            // After a given set's first page the diagram beside the name stays the set's.
            if (i == 18 && m_w.galleryPage() > 1) continue;
            const std::string folder = name.rfind("builtin:fingers/", 0) == 0 ? "fingers"
                                       : name.rfind("builtin:grips/", 0) == 0 ? "grips"
                                                                              : folderOf(name);
            folders.emplace(folder, item->key() + " " + name);
        }
        if (folders.size() > 1)
            return "the gallery mixes " + folders.begin()->first + " and " +
                   folders.rbegin()->first + " (" + folders.begin()->second + ", " +
                   folders.rbegin()->second + ")";
        return {};
    }

    std::string checkShownChord() const {
        const std::optional<int> option = T::option(m_w);
        const std::optional<ExpectedChord> chord = option ? T::chord(*option) : std::nullopt;
        if (!chord) {
            // An option without a chord (the neutral one) leaves the last chord
            // on show; then no option may claim it.
            for (const auto& [i, o] : T::options(m_w).members())
                if (o->bold()) return o->key() + " is highlighted over another option's chord";
            return {};
        }
        const std::string type = m_w.Chord_Type;
        if (type != chord->type)
            return "chord " + type + " shown under option " + std::to_string(*option) + " (" +
                   chord->type + ")";
        if (m_w.Type_o->picture().name != kLibrary + "19/" + type + ".bmp")
            return "Type_o shows " + m_w.Type_o->picture().name + " for " + type;
        const std::string& type2 = m_w.Type_o2->picture().name;
        if (!type2.empty() && type2 != kLibrary + "18/" + type + ".bmp")
            return "Type_o2 shows " + type2 + " for " + type;
        if (m_w.dir != chord->dir) return "dir " + m_w.dir + " for set " + chord->dir;
        const gallery::Pages& pages = m_w.galleryPages();
        const int page = m_w.galleryPage();
        if (std::string why = checkPageControl(); !why.empty()) return why;
        if (const auto* cells = T::cells(*option, m_w.K, m_w.tuning())) {
            if (pages.setFirst()) return "a given set's page 1 before a gallery chosen per root";
            if (pages.grips() != static_cast<int>(T::grips(*option, m_w.K, m_w.tuning())))
                return "the pages hold " + std::to_string(pages.grips()) + " grips, not all";
            return checkCells(page == 1 ? *cells : pages.cellsOf(page), page > 1) + checkOverlays();
        }
        if (page > 1) return checkCells(pages.cellsOf(page), true) + checkOverlays();
        if (m_w.Chord_Number != chord->lastItem) return "Chord_Number differs from the table";
        return checkItems(*chord) + checkOverlays();
    }

    // The page control reads the page on show, and shows while there is a page to turn to.
    std::string checkPageControl() const {
        const gallery::Pages& pages = m_w.galleryPages();
        const int page = m_w.galleryPage(), count = pages.count();
        if (page < 1 || page > std::max(count, 1)) return "page " + std::to_string(page);
        if (m_w.Page_Number->visible() != (count > 1)) return "the page control with one page";
        if (count > 1 &&
            m_w.Page_Number->caption() != std::to_string(page) + "/" + std::to_string(count))
            return "the page control reads " + m_w.Page_Number->caption();
        if (m_w.Gallery_Note->visible() != (count == 0))
            return "the note of an empty gallery over " + std::to_string(pages.grips()) + " grips";
        return {};
    }

    // A gallery chosen per root: its grips from the shared pool (a later
    // page's drawn), each beside its own fret.
    std::string checkCells(const std::vector<theory::GalleryCell>& cells, bool drawn) const {
        if (m_w.Chord_Number != static_cast<int>(cells.size()) - 1)
            return "Chord_Number differs from the gallery";
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const int item = static_cast<int>(i);
            const std::string picture = images::gripPicture(cells[i].frets, cells[i].atNut());
            const std::string diagram =
                shownDiagram(m_w.settings(), (drawn ? "builtin:" : kLibrary) + picture,
                             cells[i].frets, cells[i].atNut());
            // A page whose load failed part way holds its cells up to the failure.
            if (m_w.Chord_Display(item).picture().name != diagram)
                return m_cutShort ? std::string()
                                  : "item " + std::to_string(i) + " shows " +
                                        m_w.Chord_Display(item).picture().name + ", not " + diagram;
            const std::string number = kLibrary + "13/" + std::to_string(cells[i].fret) + ".bmp";
            if (m_w.FretDisplay(item).picture().name != number)
                return m_cutShort ? std::string()
                                  : "fret number " + std::to_string(i) + " shows " +
                                        m_w.FretDisplay(item).picture().name + ", not " + number;
        }
        return {};
    }

    std::string checkItems(const ExpectedChord& chord) const {
        const int offset = theory::pitchOf(m_w.K);
        for (int i = 0; i <= chord.lastItem.value_or(-1); ++i) {
            const auto* given = theory::diagramSet(chord.dir);
            // A given shape is stored at its set's root; moved, it keeps its drawing.
            const std::string diagram =
                given && i < static_cast<int>(given->shapes.size())
                    ? shownDiagram(m_w.settings(),
                                   kLibrary + chord.dir + "/" + std::to_string(i + 1) + ".bmp",
                                   given->shapes[std::size_t(i)], false)
                    : kLibrary + chord.dir + "/" + std::to_string(i + 1) + ".bmp";
            if (m_w.Chord_Display(i).picture().name != diagram)
                return "item " + std::to_string(i) + " shows " +
                       m_w.Chord_Display(i).picture().name + ", not " + diagram;
            if (i >= static_cast<int>(chord.baseFrets.size())) continue;
            int fret = chord.baseFrets[std::size_t(i)] + (offset < 0 ? 0 : offset);
            // A shape that would run past fret 22 is shown twelve frets lower.
            if (const auto* set = theory::diagramSet(chord.dir);
                set && i < static_cast<int>(set->shapes.size())) {
                const auto& shape = set->shapes[std::size_t(i)];
                if (fret + *std::max_element(shape.begin(), shape.end()) -
                        theory::lowestFret(shape) >
                    22)
                    fret -= 12;
            }
            const std::string number = kLibrary + "13/" + std::to_string(fret) + ".bmp";
            if (m_w.FretDisplay(i).picture().name != number)
                return "fret number " + std::to_string(i) + " shows " +
                       m_w.FretDisplay(i).picture().name + ", not " + number;
        }
        return {};
    }

    // Every overlay on the fretboard is a note of the chord, unless the player
    // toggled it with a note picker since the chord was loaded.
    std::string checkOverlays() const {
        std::set<int> pitches;
        const int last = std::stoi(m_w.LineNumber);
        for (int i = 0; i <= last && i < 7; ++i) {
            const std::string& name = m_w.Notes_Report(i).picture().name;
            if (name.empty()) return {};  // a failed load cut the chord short: nothing to compare
            pitches.insert(theory::pitchOf(stem(name)));
        }
        for (const char* note : theory::Root_Names) {
            if (!m_w.NoteEntry(note).visible() || m_touched.count(note)) continue;
            if (!pitches.count(theory::pitchOf(note)))
                return std::string("overlay ") + note + " is not a note of " + m_w.Chord_Type;
        }
        return {};
    }

    // Every picture is the one for the naming, hand and tuning in force.
    std::string checkPlayerOptions() const {
        const ui::Settings& s = m_w.settings();
        for (const auto& c : m_w.controls()) {
            const std::string& name = c->pictureName();
            if (name.empty()) continue;
            if (images::pictureFor(name, s.names, s.left_handed, s.tuning) != name)
                return c->key() + " shows " + name + " under other options";
            if (c->name() == "Chord_Display" && c->picture().mirrored != s.left_handed)
                return c->key() + " is not turned with the neck";
        }
        // The large diagram stands for the diagram under the pointer, and only while one is.
        if (m_w.Large_Diagram->visible()) {
            const int i = m_w.hoveredDiagram();
            if (i < 0 || !m_w.Chord_Display.has(i)) return "a large diagram of no diagram";
            const std::string& name = m_w.Large_Diagram->pictureName();
            const std::string& cell = m_w.Chord_Display(i).pictureName();
            if (cell.empty()) return "a large diagram of the empty " + m_w.Chord_Display(i).key();
            if (m_w.Logo_Box->visible()) return "a large diagram over the covered gallery";
            if (m_w.Large_Diagram->picture().image.width() < 4 * 37)
                return "the large diagram is not four times a diagram's size";
            if (s.fingers && name.substr(name.rfind('/')) != cell.substr(cell.rfind('/')))
                return "the large diagram shows " + name + " beside " + cell;
        }
        return {};
    }

    // "Name a chord": click targets and marks only in the mode, each mark on
    // its own string and fret row whichever the hand, and the names shown
    // are the naming of the marks in the tuning in force.
    std::string checkNaming() const {
        const auto& marks = m_w.marks();
        for (const auto& [i, spot] : m_w.Neck_Spot.members())
            if (spot->visible() != marks.has_value()) return spot->key() + " visible out of turn";
        for (int s = 0; s < 6; ++s) {
            const int fret = marks ? (*marks)[std::size_t(s)] : -1;
            const ui::Control& dot = m_w.Mark_Dot(s);
            if (dot.visible() != (fret >= 0)) return dot.key() + " visible out of turn";
            if (fret < 0) continue;
            const ui::Control& spot = m_w.Neck_Spot(ui::DemoWindow::spotIndex(s, fret));
            const int x = dot.left() + dot.width() / 2, y = dot.top() + dot.height() / 2;
            if (x < spot.left() || x >= spot.left() + spot.width() || y < spot.top() ||
                y >= spot.top() + spot.height())
                return dot.key() + " is not on " + spot.key();
        }
        const auto names = marks ? theory::nameChord(*marks, m_w.tuning()).names
                                 : std::vector<theory::ChordName>{};
        for (const auto& [i, c] : m_w.Chord_Name.members()) {
            const bool named = i < static_cast<int>(names.size());
            if (c->visible() != named) return c->key() + " visible out of turn";
            if (named && c->caption() != theory::chordSymbol(names[std::size_t(i)], m_w.speller()))
                return c->key() + " reads " + c->caption();
        }
        return {};
    }

    const Window& m_w;
    std::vector<bool> m_masks;
    std::uint64_t m_typeRevision = 0;
    std::set<std::string> m_touched;
    bool m_failed = false;
    bool m_cutShort = false;
    struct FailedClick {
        bool& failed;
        ~FailedClick() { failed = false; }
    };
};

// The choices of the options menu, as a storm makes them.
struct OptionChoice {
    std::string name;
    std::function<void(ui::DemoWindow&)> choose;
};
inline std::vector<OptionChoice> optionChoices() {
    std::vector<OptionChoice> choices{
        {"option left-handed on", [](ui::DemoWindow& w) { w.setLeftHanded(true); }},
        {"option left-handed off", [](ui::DemoWindow& w) { w.setLeftHanded(false); }},
    };
    for (theory::NameSystem system : theory::kNameSystems)
        choices.push_back({"option names " + std::string(theory::nameSystemKey(system)),
                           [system](ui::DemoWindow& w) { w.setNames(system); }});
    choices.push_back({"option sound on", [](ui::DemoWindow& w) { w.setSound(true); }});
    choices.push_back({"option sound off", [](ui::DemoWindow& w) { w.setSound(false); }});
    for (const theory::Tuning& tuning : theory::kTunings)
        choices.push_back({"option tuning " + std::string(tuning.key),
                           [&tuning](ui::DemoWindow& w) { w.setTuning(tuning.key); }});
    choices.push_back({"option fingers on", [](ui::DemoWindow& w) { w.setFingers(true); }});
    choices.push_back({"option fingers off", [](ui::DemoWindow& w) { w.setFingers(false); }});
    // The pointer resting on a diagram (one choice, at a cell of its own seeded
    // draw, so that hovering does not crowd out the clicks that load pictures),
    // and leaving it.
    choices.push_back({"hover", [draw = std::make_shared<std::mt19937>(19)](ui::DemoWindow& w) {
                           const int i = int((*draw)() % 19);
                           if (ui::Control* c = w.find("Chord_Display(" + std::to_string(i) + ")"))
                               c->hover(true);
                       }});
    choices.push_back({"hover off", [](ui::DemoWindow& w) {
                           if (ui::Control* c = w.find("Chord_Display(" +
                                                       std::to_string(w.hoveredDiagram()) + ")"))
                               c->hover(false);
                       }});
    choices.push_back({"option naming on", [](ui::DemoWindow& w) { w.setNaming(true); }});
    choices.push_back({"option naming off", [](ui::DemoWindow& w) { w.setNaming(false); }});
    // Clicks on the neck in "Name a chord" (nothing outside it): one choice
    // per string, at a fret of its own seeded draw, so that marks pile up
    // into chords without crowding out the other controls.
    for (int s = 0; s < 6; ++s)
        choices.push_back({"fret " + std::to_string(s) + " F",
                           [s, draw = std::make_shared<std::mt19937>(s)](ui::DemoWindow& w) {
                               static constexpr int kFrets[] = {0, 1, 2, 3, 5, 7, 12, 22};
                               const int f = kFrets[(*draw)() % std::size(kFrets)];
                               w.Neck_Spot(ui::DemoWindow::spotIndex(s, f)).click();
                           }});
    // Right-clicks: every diagram, fret number and report that can play.
    for (int i = 0; i <= 18; ++i) {
        for (const char* array : {"Chord_Display", "FretDisplay"})
            choices.push_back({std::string("right-click ") + array + " " + std::to_string(i),
                               [array, i](ui::DemoWindow& w) {
                                   const std::string key =
                                       std::string(array) + "(" + std::to_string(i) + ")";
                                   if (ui::Control* c = w.find(key)) c->rightClick();
                               }});
    }
    choices.push_back(
        {"right-click Chord_Report", [](ui::DemoWindow& w) { w.Chord_Report->rightClick(); }});
    return choices;
}

// Every control a user can click, arrays included, except the exit label and
// the neck's click targets (the option choices click a few of those).
template <typename Window>
std::vector<ui::Control*> clickables(const Window& w) {
    std::vector<ui::Control*> out;
    for (const auto& c : w.controls())
        if (c->clickable() && c->name() != Traits<Window>::kExit && c->name() != "Neck_Spot")
            out.push_back(c.get());
    return out;
}

}  // namespace storm
