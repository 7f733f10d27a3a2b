#pragma once

#include <map>
#include <optional>
#include <string>

#include "gallery/pages.h"
#include "theory/fingering.h"
#include "theory/voicings.h"
#include "ui/control.h"

namespace ui {

class DemoWindow;

// What the gallery knows of the diagrams it shows: the grip in each cell,
// drawn with its finger numbers when the player wants them, the words a
// copied diagram carries, and the large diagram shown while the pointer
// rests on one.
class GalleryPart {
public:
    explicit GalleryPart(DemoWindow& window) : m_window(window) {}
    GalleryPart(const GalleryPart&) = delete;
    GalleryPart& operator=(const GalleryPart&) = delete;

    // The large diagram, above everything else, and the gallery's hover.
    void addControls();

    // Cell `index` (18 = the diagram beside the name) shows this grip, drawn
    // at the nut or as a movable shape; its picture has just been loaded.
    void remember(int index, const std::optional<theory::Frets>& frets, bool atNut);
    // The cells' grips are gone; `keepRoot`: all but the diagram beside the name.
    void forget(bool keepRoot = false);
    const theory::Frets* grip(int index) const;

    // Finger numbers on or off: every diagram shown is drawn again.
    void showFingers();
    // After the neck was turned over: the fingered diagrams are drawn again
    // for the other hand, their numbers upright.
    void turnFingers();

    // "Am7, open: x 0 2 0 1 0", with ", fingers x 0 2 0 1 0" while finger
    // numbers are shown; empty where the cell shows no diagram.
    std::string diagramText(int Index) const;

    // The pointer came to rest on cell `index`, or left it.
    void hover(int index, bool entered);
    // After a click: the large diagram goes when its diagram was cleared,
    // replaced or covered.
    void followClick();
    int hovered() const { return m_hovered; }

    Control* Large_Diagram = nullptr;

    // Pages (gallery_pages.cpp). The page control beside the gallery: its
    // arrows and "2/5" between them, shown while a chord has more than one
    // page; and the words that stand in a gallery without a grip.
    void addPageControls(int left, int top, Control& gallery);
    // A chord was chosen: its pages, at page 1; without a grip, words that say why.
    void setPages(gallery::Pages pages);
    void clearPages();
    const gallery::Pages& pages() const { return m_pages; }
    int page() const { return m_page; }
    // Turns `step` pages on; false when there is nothing to turn.
    bool flip(int step);
    // "page 2 of 5" while the gallery has pages to turn, else empty.
    std::string pageWords() const;
    const std::string& note() const { return m_note; }

    Control* Page_Prev = nullptr;
    Control* Page_Number = nullptr;
    Control* Page_Next = nullptr;
    Control* Gallery_Note = nullptr;

private:
    struct Shown {
        theory::Frets frets{};
        bool atNut = false;
        Picture plain;      // as loaded, never turned over
        std::string drawn;  // the fingered picture's name while it is shown
        // False once the gallery was loaded anew: the cell may still show the
        // picture, which still follows the finger numbers, but it is no grip of the chord.
        bool current = true;
    };
    void applyFingers(int index, Shown& shown);
    std::string chordName() const;

    DemoWindow& m_window;
    std::map<int, Shown> m_shown;  // per Chord_Display index
    int m_hovered = -1;
    std::string m_enlarged;  // the picture of the diagram shown large
    gallery::Pages m_pages;
    int m_page = 1;
    std::string m_note;  // why the chord has no grip, while it is shown
    void showPageNumber();
};

}  // namespace ui
