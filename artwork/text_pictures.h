#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <array>
#include <string_view>

#include "theory/note_names.h"

class QPainter;

namespace artwork {

// Key index I is pitch I; flats name the black keys, as the key buttons do.
inline constexpr std::array<const char*, 12> kKeyNotes{"C",  "Db", "D",  "Eb", "E",  "F",
                                                       "Gb", "G",  "Ab", "A",  "Bb", "B"};

// A font at an exact pixel size with full hinting: at 14 px boxes every
// stem has to land on the pixel grid.
QFont pixelFont(int pixelSize, bool bold, bool serif = false);

// Display texts: "Cs" -> "C♯", "b3" -> "♭3", "7b9#5" -> "7♭9♯5".
QString noteLabel(std::string_view note);
// The same note as a player of another naming reads it: German "Bb" -> "B", Solfège "Cs" -> "Do♯".
QString noteLabel(std::string_view note, theory::NameSystem system);
QString symbolLabel(std::string_view symbol);
QString captionLabel(std::string_view caption);

// One line of text. Sharps and flats are drawn from pixel glyphs: font
// accidentals at these sizes come out as faint grey smudges.
struct Label {
    QString text;
    int pixelSize = 11;
    bool bold = true;
    bool serif = false;
    QColor ink = Qt::white;
    bool raisedAccidentals = false;  // after a note letter: top level with the capital
    int accidentalGap = 1;           // px between an accidental and its neighbours
    bool smallAccidentals = false;   // the 7 px glyphs whatever the letter size
    int stretch = 100;               // letter width, percent
    int minStretch = 100;            // how far fitted() may narrow letters before shrinking them
};

double labelWidth(const Label& label);
// Centred horizontally; the cap height is centred vertically.
void paintLabel(QPainter& painter, const QRectF& box, const Label& label);
// Makes the label fit maxWidth: small accidentals first, then narrower letters,
// then one pixel size at a time.
Label fitted(Label label, double maxWidth, int minPixelSize = 6);

// An opaque picture of one label on a plain ground.
QImage labelPicture(QSize size, const QColor& paper, const Label& label);

// Button faces of the note and key pickers: a chosen button is lit yellow
// with black text, a normal one is white text on a dark face.
enum class ButtonLook { Normal, Chosen, Picker };
QImage buttonPicture(const QString& text, QSize size, ButtonLook look,
                     theory::NameSystem system = theory::NameSystem::English);

// Fret numbers 0..99 in a hand-made 5x9 digit font, so two digits fit 13 px.
inline constexpr int kDigitWidth = 5;
inline constexpr int kDigitHeight = 9;
void paintPixelNumber(QImage& image, int value, QPoint centre, QRgb ink);

}  // namespace artwork
