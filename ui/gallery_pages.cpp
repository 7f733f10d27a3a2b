// The gallery's pages: the page control beside it, and the words that stand
// in a gallery with no grip.
#include "artwork/text_pictures.h"
#include "images/library_paths.h"
#include "images/window_geometry.h"
#include "ui/demo_window.h"
#include "ui/gallery.h"

namespace ui {

namespace {

constexpr int kRootCell = 18;  // beside the chord's name, not in the gallery
constexpr int kArrowWidth = 300;
constexpr int kNumberWidth = 570;
constexpr int kControlHeight = 300;

Picture notePicture(const std::string& text, int width, int height) {
    artwork::Label label;
    label.text = QString::fromStdString(text);
    label.pixelSize = 13;
    label.bold = false;
    label.ink = Qt::black;
    const int px = width / images::kTwipsPerPixel, py = height / images::kTwipsPerPixel;
    Picture p;
    p.image = artwork::labelPicture(QSize(px, py), Qt::white, artwork::fitted(label, px - 8));
    p.name = std::string(images::kBuiltinPrefix) + "gallery_note";
    return p;
}

}  // namespace

void GalleryPart::addPageControls(int left, int top, Control& gallery) {
    DemoWindow& w = m_window;
    Page_Prev = &w.label("Page_Prev", -1, nullptr, left, top, kArrowWidth, kControlHeight, "\u25c0",
                         kWhite, kBlack);
    Page_Number = &w.label("Page_Number", -1, nullptr, left + kArrowWidth, top, kNumberWidth,
                           kControlHeight, "", kWhite, kBlack);
    Page_Next = &w.label("Page_Next", -1, nullptr, left + kArrowWidth + kNumberWidth, top,
                         kArrowWidth, kControlHeight, "\u25b6", kWhite, kBlack);
    for (Control* c : {Page_Prev, Page_Number, Page_Next}) c->setVisible(false);
    w.bind(*Page_Prev, [this] { m_window.Page_Click(-1); });
    w.bind(*Page_Next, [this] { m_window.Page_Click(1); });
    // Over the first row of cells, where the diagrams would be.
    Gallery_Note = &w.make(Kind::PictureBox, "Gallery_Note", -1, nullptr, gallery.left() + 15, 30,
                           gallery.width() - 30, 615, kLayerGalleryNote);
    Gallery_Note->setBackColor(kWhite).setVisible(false);
    // The wheel over the gallery turns its pages, a notch a page.
    const auto turn = [this](int notches) {
        DemoWindow::FollowGallery follow{m_window.m_gallery};
        m_window.Page_Click(notches);
    };
    gallery.onWheel(turn);
    for (ControlArray* cells : {&w.Chord_Display, &w.FretDisplay})
        for (const auto& [i, c] : cells->members())
            if (i != kRootCell) c->onWheel(turn);
}

void GalleryPart::setPages(gallery::Pages pages) {
    m_pages = std::move(pages);
    m_page = 1;
    m_note.clear();
    if (const std::string name = chordName(); m_pages.count() == 0 && !name.empty())
        m_note = name + " has no grip in " + m_window.tuning().name +
                 " tuning: its notes do not fit under four fingers within four frets";
    if (Gallery_Note) {
        if (!m_note.empty())
            Gallery_Note->setPicture(
                notePicture(m_note, Gallery_Note->width(), Gallery_Note->height()));
        Gallery_Note->setVisible(!m_note.empty());
    }
    showPageNumber();
}

void GalleryPart::clearPages() {
    m_pages = {};
    m_page = 1;
    m_note.clear();
    if (Gallery_Note) Gallery_Note->setVisible(false);
    showPageNumber();
}

bool GalleryPart::flip(int step) {
    if (m_pages.count() < 2) return false;
    m_page = m_pages.flipped(m_page, step);
    showPageNumber();
    return true;
}

std::string GalleryPart::pageWords() const {
    if (m_pages.count() < 2) return {};
    return "page " + std::to_string(m_page) + " of " + std::to_string(m_pages.count());
}

void GalleryPart::showPageNumber() {
    if (!Page_Number) return;
    const bool shown = m_pages.count() > 1;
    Page_Number->setCaption(shown ? std::to_string(m_page) + "/" + std::to_string(m_pages.count())
                                  : std::string());
    for (Control* c : {Page_Prev, Page_Number, Page_Next}) c->setVisible(shown);
}

}  // namespace ui
