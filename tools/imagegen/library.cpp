#include "tools/imagegen/library.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <algorithm>
#include <array>
#include <functional>
#include <set>
#include <utility>

#include "artwork/chord_box.h"
#include "artwork/text_pictures.h"
#include "images/grip_pictures.h"
#include "images/library_paths.h"
#include "images/window_geometry.h"
#include "theory/chord_types.h"
#include "theory/given_sets.h"
#include "theory/grips.h"
#include "theory/notes.h"
#include "tools/imagegen/artwork.h"

namespace imagegen {

using namespace artwork;

namespace {

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kIntervalInk = 0xfff2c14a;  // intervals read apart from note names
constexpr QRgb kCaptionInk = 0xffffd23c;

const std::string kRoot(images::kLibraryRoot);

std::string in(const char* sub, const std::string& file) {
    return std::string(sub) + "/" + file;
}

using images::kStripLeft;
using images::kToneBarLefts;
using images::kToneBarWidth;

// Major and add9 keep their given sets in both programs; every other type
// may be chosen per root in one of them.
bool isGivenType(const theory::ChordType& type) {
    return std::string_view(type.key) == "major" || std::string_view(type.key) == "add9";
}

Label noteText(std::string_view note, int pixelSize, QRgb ink,
               theory::NameSystem system = theory::NameSystem::English) {
    Label label;
    label.text = noteLabel(note, system);
    label.pixelSize = pixelSize;
    label.ink = QColor::fromRgb(ink);
    label.raisedAccidentals = true;
    return label;
}

Label symbolText(std::string_view symbol, int pixelSize, QRgb ink) {
    Label label;
    label.text = symbolLabel(symbol);
    label.pixelSize = pixelSize;
    label.ink = QColor::fromRgb(ink);
    label.accidentalGap = 0;
    return label;
}

QImage reportNote(std::string_view note, theory::NameSystem system) {
    return labelPicture(QSize(19, 18), QColor::fromRgb(kBlack),
                        // Syllables keep a gap to their neighbours in a row of reports.
                        fitted(noteText(note, 13, kWhite, system),
                               system == theory::NameSystem::Solfege ? 16 : 18));
}

QImage reportSymbol(std::string_view symbol) {
    return labelPicture(QSize(19, 18), QColor::fromRgb(kBlack),
                        fitted(symbolText(symbol, 11, kIntervalInk), 18));
}

QImage largeNote(std::string_view note, theory::NameSystem system) {
    Label label = noteText(note, 14, kWhite, system);
    label.smallAccidentals = true;
    label.accidentalGap = 0;
    label.minStretch = 60;
    return labelPicture(QSize(13, 18), QColor::fromRgb(kBlack), fitted(label, 13));
}

QImage caption(std::string_view text, QSize size, int pixelSize, QRgb ink) {
    Label label;
    label.text = captionLabel(text);
    label.pixelSize = pixelSize;
    label.ink = QColor::fromRgb(ink);
    label.accidentalGap = 0;
    return labelPicture(size, QColor::fromRgb(kBlack), fitted(label, size.width() - 2, 7));
}

using Drawer = std::function<QImage()>;
using Adder = std::function<void(const std::string&, Drawer)>;

// The pictures with note names on them, for one naming: report letters with
// the formula symbols that share their folder, root strips, root and key
// buttons, large notes.
void addNamed(const Adder& add, theory::NameSystem system) {
    const std::string sys = images::systemFolder(system);
    for (const char* note : theory::Root_Names)
        add(sys + in(images::sub::kNotes, std::string(note) + ".bmp"),
            [note, system] { return reportNote(note, system); });
    for (const std::string& symbol : formulaSymbols())
        add(sys + in(images::sub::kNotes, symbol + ".bmp"),
            [symbol] { return reportSymbol(symbol); });
    for (const char* note : theory::Root_Names)
        add(sys + in(images::sub::kNotes, std::string(note) + "_Box.bmp"),
            [note, system] { return drawRootStrip(note, system); });
    for (auto [folder, look] : {std::pair{images::sub::kChosenButtons, ButtonLook::Chosen},
                                std::pair{images::sub::kButtons, ButtonLook::Normal}}) {
        for (const char* note : theory::Root_Names)
            add(sys + in(folder, std::string(note) + ".bmp"), [note, look, system] {
                return buttonPicture(noteLabel(note, system), QSize(17, 14), look, system);
            });
        for (int key = 0; key < 12; ++key)
            add(sys + in(folder, std::to_string(key) + ".bmp"), [key, look, system] {
                return buttonPicture(noteLabel(kKeyNotes[std::size_t(key)], system), QSize(17, 14),
                                     look, system);
            });
    }
    for (const char* note : theory::Root_Names)
        add(sys + in(images::sub::kLargeNotes, std::string(note) + ".bmp"),
            [note, system] { return largeNote(note, system); });
}

// Every picture the chosen-per-root galleries and their root grips name in any
// tuning, once: pictures are drawn from the shape alone, so one pool serves all.
template <typename Add>
void addGripPool(Add&& add) {
    std::set<std::string> made;
    auto addGrip = [&](const theory::Frets& frets, bool atNut) {
        const std::string path = images::gripPicture(frets, atNut);
        if (!made.insert(path).second) return;
        add(path,
            [frets, atNut] { return atNut ? drawFirstPosition(frets) : drawGalleryShape(frets); });
    };
    for (const theory::Tuning& tuning : theory::kTunings) {
        // Standard tuning shows the given sets of these two types instead.
        const bool standard = tuning.midi == theory::standardTuning().midi;
        for (const auto& type : theory::kChordTypes) {
            if (standard && isGivenType(type)) continue;
            for (int root = 0; root < 12; ++root) {
                for (int cells : {18, 9})
                    for (const auto& cell : theory::gripGallery(tuning, type, root, cells))
                        addGrip(cell.frets, cell.atNut());
                if (auto grip = theory::rootGrip(tuning, type, root)) addGrip(*grip, true);
            }
        }
    }
}

const std::vector<std::pair<std::string, Drawer>>& catalogue() {
    static const std::vector<std::pair<std::string, Drawer>> items = [] {
        std::vector<std::pair<std::string, Drawer>> v;
        auto add = [&v](const std::string& path, Drawer d) {
            v.emplace_back(kRoot + path, std::move(d));
        };

        addNamed(add, theory::NameSystem::English);

        for (int fret = 0; fret <= 24; ++fret)
            add(in(images::sub::kFretNumbers, std::to_string(fret) + ".bmp"),
                [fret] { return drawFretNumber(fret); });
        add(in(images::sub::kFretNumbers, "b2.bmp"), [] { return drawBlankChordBox(); });

        for (const auto& type : theory::kChordTypes) {
            const char* text = type.caption;
            add(in(images::sub::kTypeNames, std::string(type.key) + ".bmp"),
                [text] { return caption(text, QSize(50, 18), 11, kWhite); });
        }
        for (const auto& type : theory::kChordTypes) {
            const char* text = type.caption;
            add(in(images::sub::kTypeCaptions, std::string(type.key) + ".bmp"),
                [text] { return caption(text, QSize(58, 18), 12, kCaptionInk); });
        }

        for (const auto& set : theory::diagramSets()) {
            const std::string dir = std::string(set.dir) + "/";
            for (std::size_t i = 0; i < set.shapes.size(); ++i) {
                const theory::Frets frets = set.shapes[i];
                add(dir + std::to_string(i + 1) + ".bmp",
                    [frets] { return drawGalleryShape(frets); });
            }
            for (const auto& diagram : set.rootDiagrams) {
                const theory::Frets frets = diagram.frets;
                add(dir + diagram.root + ".bmp", [frets] { return drawFirstPosition(frets); });
            }
        }
        addNamed(add, theory::NameSystem::German);
        addNamed(add, theory::NameSystem::Solfege);
        addGripPool(add);
        return v;
    }();
    return items;
}

}  // namespace

std::vector<std::string> formulaSymbols() {
    std::vector<std::string> symbols;
    for (const auto& type : theory::kChordTypes)
        for (int i = 0; i < type.size(); ++i)
            if (std::find(symbols.begin(), symbols.end(), type.formula[std::size_t(i)]) ==
                symbols.end())
                symbols.emplace_back(type.formula[std::size_t(i)]);
    return symbols;
}

QImage drawRootStrip(std::string_view root, theory::NameSystem system) {
    const theory::Row& row = theory::chordRootRow(root);
    QImage image(487, 43, QImage::Format_RGB32);
    image.fill(kBlack);
    QPainter painter(&image);
    for (std::size_t k = 0; k < kToneBarLefts.size(); ++k) {
        const double centre =
            (kToneBarLefts[k] + kToneBarWidth / 2.0 - kStripLeft) / double(images::kTwipsPerPixel);
        const double half = 17;
        paintLabel(painter, QRectF(centre - half, 2, 2 * half, 20),
                   fitted(noteText(row[k], 15, kWhite, system), 34));
        paintLabel(painter, QRectF(centre - half, 21, 2 * half, 18),
                   fitted(symbolText(theory::kRowIntervals[k], 12, kIntervalInk), 34));
        // A short rule ties each pair of labels to the bar below.
        painter.fillRect(QRectF(centre - 10, 41, 20, 1), QColor(0x44, 0x44, 0x4c));
    }
    painter.end();
    return image;
}

QImage drawFretNumber(int fret) {
    QImage image(13, 14, QImage::Format_RGB32);
    image.fill(kBlack);
    paintPixelNumber(image, fret, QPoint(6, 6), 0xfff0f0f0);
    return image;
}

std::vector<std::string> libraryFiles() {
    std::vector<std::string> files;
    for (const auto& item : catalogue()) files.push_back(item.first);
    return files;
}

QImage drawLibraryFile(std::string_view relativePath) {
    for (const auto& item : catalogue())
        if (item.first == relativePath) return item.second();
    return {};
}

namespace {

// The grip pool's diagrams are black on white: written with one bit per
// pixel they fit one disk block each instead of two, which keeps seven
// tunings' pool within the library's budget. They decode to the same pixels.
QByteArray bmpBytes(const std::string& path, const QImage& drawn) {
    const QImage rgb = drawn.convertToFormat(QImage::Format_RGB32);
    QImage written = rgb;
    if (path.rfind(kRoot + images::kGripFolder + "/", 0) == 0) {
        const QImage mono = rgb.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
        if (mono.convertToFormat(QImage::Format_RGB32) == rgb) written = mono;
    }
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    if (!written.save(&buffer, "BMP")) return {};
    return bmp;
}

}  // namespace

bool writeLibrary(const QString& binDir) {
    QDir base(binDir);
    std::set<QString> made;
    for (const auto& [path, draw] : catalogue()) {
        const QString file = base.filePath(QString::fromStdString(path));
        const QString folder = QFileInfo(file).path();
        if (!made.count(folder)) {
            if (!QDir().mkpath(folder)) return false;
            made.insert(folder);
        }
        const QByteArray bmp = bmpBytes(path, draw());
        if (bmp.isEmpty() || !writeFileIfChanged(file, bmp)) return false;
    }
    return true;
}

}  // namespace imagegen
