#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "artwork/chord_box.h"
#include "artwork/text_pictures.h"
#include "images/bmp_reader.h"
#include "images/library_paths.h"
#include "theory/chord_types.h"
#include "theory/given_sets.h"
#include "theory/notes.h"
#include "tools/imagegen/artwork.h"
#include "tools/imagegen/library.h"

namespace {

// Text rendering needs a GUI application; the first test to ask makes one.
void ensureGuiApp() {
    static QGuiApplication* app = [] {
        if (QGuiApplication::instance()) return static_cast<QGuiApplication*>(nullptr);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "tests_tools";
        static char* argv[] = {name, nullptr};
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::map<QString, QByteArray> filesBelow(const QString& dir) {
    std::map<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[QDir(dir).relativeFilePath(path)] = readAll(path);
    }
    return files;
}

int luminance(QRgb c) {
    return qGray(c);
}

double meanLuminance(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) sum += luminance(image.pixel(x, y));
    return sum / (image.width() * image.height());
}

int countPixels(const QImage& image, QRect area, bool (*test)(QRgb)) {
    int n = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixel(x, y))) ++n;
    return n;
}

bool lightInk(QRgb c) {
    return luminance(c) > 150;
}
bool amberInk(QRgb c) {
    return qRed(c) > 150 && qGreen(c) > 100 && qBlue(c) < 110;
}

// The sizes the windows lay the library pictures out at, by folder.
QSize expectedLibrarySize(const std::string& path) {
    std::string rest = path.substr(std::string("img/demo/").size());
    for (const std::string naming : {"german/", "solfege/"})
        if (rest.starts_with(naming)) rest = rest.substr(naming.size());
    const std::string folder = rest.substr(0, rest.find('/'));
    const std::string file = rest.substr(rest.find('/') + 1);
    if (folder == "12")
        return file.find("_Box") != std::string::npos ? QSize(487, 43) : QSize(19, 18);
    if (folder == "13") return file == "b2.bmp" ? QSize(37, 41) : QSize(13, 14);
    if (folder == "15" || folder == "16") return QSize(17, 14);
    if (folder == "17") return QSize(13, 18);
    if (folder == "18") return QSize(50, 18);
    if (folder == "19") return QSize(58, 18);
    return QSize(37, 41);  // chord-box diagram sets
}

// Every path the programs compose, built from the musical data alone.
std::vector<std::string> composedNames() {
    std::vector<std::string> names;
    const std::string base = "img/demo/";
    for (const char* note : theory::Root_Names) {
        for (const char* folder : {"12/", "15/", "16/", "17/"})
            names.push_back(base + folder + note + ".bmp");
        names.push_back(base + "12/" + note + "_Box.bmp");
    }
    for (const auto& type : theory::kChordTypes) {
        for (int i = 0; i < type.size(); ++i)
            names.push_back(base + "12/" + type.formula[std::size_t(i)] + ".bmp");
        names.push_back(base + "18/" + type.key + ".bmp");
        names.push_back(base + "19/" + type.key + ".bmp");
    }
    for (int fret = 0; fret <= 24; ++fret)
        names.push_back(base + "13/" + std::to_string(fret) + ".bmp");
    names.push_back(base + "13/b2.bmp");
    for (int key = 0; key < 12; ++key)
        for (const char* folder : {"15/", "16/"})
            names.push_back(base + folder + std::to_string(key) + ".bmp");
    for (const auto& set : theory::diagramSets()) {
        for (std::size_t i = 1; i <= set.shapes.size(); ++i)
            names.push_back(base + set.dir + "/" + std::to_string(i) + ".bmp");
        for (const auto& diagram : set.rootDiagrams)
            names.push_back(base + set.dir + "/" + diagram.root + ".bmp");
    }
    return names;
}

// One library written for the whole suite: the checks only read it.
class LibraryTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ensureGuiApp();
        dir = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir->isValid());
        ASSERT_TRUE(imagegen::writeLibrary(dir->path()));
    }
    static void TearDownTestSuite() { dir.reset(); }
    static QString path(const std::string& relative) {
        return dir->path() + "/" + QString::fromStdString(relative);
    }
    static QImage load(const std::string& relative) {
        return QImage(path(relative), "BMP").convertToFormat(QImage::Format_RGB32);
    }
    static std::unique_ptr<QTemporaryDir> dir;
};
std::unique_ptr<QTemporaryDir> LibraryTest::dir;

TEST_F(LibraryTest, EveryListedFileIsABmpOfItsSize) {
    const auto files = imagegen::libraryFiles();
    ASSERT_FALSE(files.empty());
    for (const auto& file : files) {
        SCOPED_TRACE(file);
        QImageReader reader(path(file));
        EXPECT_EQ(reader.format(), QByteArray("bmp"));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), expectedLibrarySize(file));
        EXPECT_FALSE(image.hasAlphaChannel());
    }
}

TEST_F(LibraryTest, NothingIsWrittenThatIsNotListed) {
    const auto listed = imagegen::libraryFiles();
    const std::set<std::string> unique(listed.begin(), listed.end());
    EXPECT_EQ(unique.size(), listed.size()) << "a path is listed twice";
    for (const auto& [relative, bytes] : filesBelow(dir->path())) {
        (void)bytes;
        EXPECT_TRUE(unique.count(relative.toStdString())) << relative.toStdString();
    }
}

TEST_F(LibraryTest, EveryComposedNameExists) {
    const auto listed = imagegen::libraryFiles();
    const std::set<std::string> files(listed.begin(), listed.end());
    for (theory::NameSystem system : theory::kNameSystems)
        for (const auto& composed : composedNames()) {
            const std::string name = images::pictureFor(composed, system, false, "standard");
            EXPECT_TRUE(files.count(name)) << name;
            EXPECT_TRUE(QFile::exists(path(name))) << name;
        }
}

TEST_F(LibraryTest, DiagramFoldersKeepClearOfTextFolders) {
    const std::set<std::string> text{"12", "13", "15", "16", "17", "18", "19", "german", "solfege"};
    for (const auto& set : theory::diagramSets()) EXPECT_FALSE(text.count(set.dir)) << set.dir;
}

TEST_F(LibraryTest, TextPicturesCarryInkOnBlack) {
    struct Case {
        std::string file;
        bool (*ink)(QRgb);
    };
    std::vector<Case> cases;
    for (const char* note : theory::Root_Names) {
        cases.push_back({std::string("12/") + note + ".bmp", lightInk});
        cases.push_back({std::string("17/") + note + ".bmp", lightInk});
    }
    for (const auto& symbol : imagegen::formulaSymbols())
        cases.push_back({"12/" + symbol + ".bmp", amberInk});
    for (const auto& type : theory::kChordTypes) {
        cases.push_back({std::string("18/") + type.key + ".bmp", lightInk});
        cases.push_back({std::string("19/") + type.key + ".bmp", amberInk});
    }
    for (int fret = 0; fret <= 24; ++fret)
        cases.push_back({"13/" + std::to_string(fret) + ".bmp", lightInk});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const QImage image = load("img/demo/" + c.file);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(luminance(image.pixel(0, 0)), 0) << "ground is black";
        EXPECT_GE(countPixels(image, image.rect(), c.ink), 6) << "text is visible";
        EXPECT_LT(meanLuminance(image), 128) << "text, not a light block";
    }
}

TEST_F(LibraryTest, NamesThatSoundAlikeStillLookApart) {
    const std::vector<std::pair<std::string, std::string>> pairs{
        {"12/Cs.bmp", "12/Db.bmp"},        {"12/C.bmp", "12/Cs.bmp"},
        {"12/b3.bmp", "12/3.bmp"},         {"12/#5.bmp", "12/5.bmp"},
        {"12/b9.bmp", "12/9.bmp"},         {"12/11.bmp", "12/#11.bmp"},
        {"17/As.bmp", "17/Bb.bmp"},        {"17/G.bmp", "17/Gs.bmp"},
        {"15/Fs.bmp", "15/Gb.bmp"},        {"16/1.bmp", "16/2.bmp"},
        {"18/sus.bmp", "18/sus4.bmp"},     {"19/7b9.bmp", "19/7b9aug5.bmp"},
        {"12/C_Box.bmp", "12/Cs_Box.bmp"}, {"12/Cs_Box.bmp", "12/Db_Box.bmp"},
    };
    for (const auto& [a, b] : pairs)
        EXPECT_NE(load("img/demo/" + a), load("img/demo/" + b)) << a << " vs " << b;
}

TEST_F(LibraryTest, FretNumbersAreDistinctAndKeepAMargin) {
    std::vector<QImage> numbers;
    for (int fret = 0; fret <= 24; ++fret) {
        SCOPED_TRACE(fret);
        const QImage image = load("img/demo/13/" + std::to_string(fret) + ".bmp");
        for (const QImage& earlier : numbers) EXPECT_NE(image, earlier);
        numbers.push_back(image);
        EXPECT_EQ(countPixels(image, QRect(0, 0, 1, 14), lightInk), 0);
        EXPECT_EQ(countPixels(image, QRect(12, 0, 1, 14), lightInk), 0);
        if (fret >= 10) {
            EXPECT_GT(countPixels(image, QRect(1, 0, 5, 14), lightInk), 0) << "tens digit";
            EXPECT_GT(countPixels(image, QRect(7, 0, 5, 14), lightInk), 0) << "units digit";
        }
    }
}

TEST_F(LibraryTest, ChosenButtonsStandOutFromNormalOnes) {
    std::vector<std::string> stems(theory::Root_Names.begin(), theory::Root_Names.end());
    for (int key = 0; key < 12; ++key) stems.push_back(std::to_string(key));
    for (const auto& stem : stems) {
        SCOPED_TRACE(stem);
        const QImage chosen = load("img/demo/15/" + stem + ".bmp");
        const QImage normal = load("img/demo/16/" + stem + ".bmp");
        const QRect face(0, 1, 1, 12);  // the left edge, clear of the text
        EXPECT_GT(meanLuminance(chosen.copy(face)), meanLuminance(normal.copy(face)) + 100);
        EXPECT_GT(countPixels(normal, normal.rect(), lightInk), 6) << "light text on the dark face";
        EXPECT_GT(countPixels(chosen, chosen.rect(), [](QRgb c) { return luminance(c) < 60; }), 6)
            << "dark text on the lit face";
    }
}

TEST_F(LibraryTest, KeyButtonsShowTheNoteOfTheirPitch) {
    // Key I names pitch I, so it must look like the root button of that name.
    const std::vector<std::pair<int, std::string>> cases{
        {0, "C"},  {1, "Db"}, {2, "D"},  {3, "Eb"}, {4, "E"},   {5, "F"},
        {6, "Gb"}, {7, "G"},  {8, "Ab"}, {9, "A"},  {10, "Bb"}, {11, "B"},
    };
    for (const auto& [key, note] : cases)
        for (const char* folder : {"15/", "16/"})
            EXPECT_EQ(load(std::string("img/demo/") + folder + std::to_string(key) + ".bmp"),
                      load(std::string("img/demo/") + folder + note + ".bmp"))
                << folder << key;
}

TEST_F(LibraryTest, StripLabelsStandOverEveryToneBar) {
    const int barLefts[12] = {330, 870, 1530, 2115, 2760, 3570, 4245, 4815, 5430, 5970, 6585, 7110};
    for (const char* root : theory::Root_Names) {
        SCOPED_TRACE(root);
        const QImage strip = load(std::string("img/demo/12/") + root + "_Box.bmp");
        for (int k = 0; k < 12; ++k) {
            const int centre = (barLefts[k] + 150 - 225) / 15;
            EXPECT_GT(countPixels(strip, QRect(centre - 8, 0, 17, 21), lightInk), 5)
                << "name " << k;
            EXPECT_GT(countPixels(strip, QRect(centre - 8, 21, 17, 20), amberInk), 5)
                << "interval " << k;
            // Between neighbouring bars the strip stays dark.
            if (k > 0) {
                const int gapX = (centre + (barLefts[k - 1] + 150 - 225) / 15) / 2;
                EXPECT_EQ(countPixels(strip, QRect(gapX, 0, 1, 43), lightInk), 0) << "gap " << k;
            }
        }
    }
}

TEST_F(LibraryTest, DiagramsAreTheChordBoxPictures) {
    for (const auto& set : theory::diagramSets()) {
        for (std::size_t i = 0; i < set.shapes.size(); ++i)
            EXPECT_EQ(
                load(std::string("img/demo/") + set.dir + "/" + std::to_string(i + 1) + ".bmp"),
                artwork::drawGalleryShape(set.shapes[i]).convertToFormat(QImage::Format_RGB32))
                << set.dir << " " << i + 1;
        for (const auto& diagram : set.rootDiagrams)
            EXPECT_EQ(
                load(std::string("img/demo/") + set.dir + "/" + diagram.root + ".bmp"),
                artwork::drawFirstPosition(diagram.frets).convertToFormat(QImage::Format_RGB32))
                << set.dir << " " << diagram.root;
    }
}

// The grip pool is written one bit per pixel, one 4 KiB disk block a file:
// the programs' reader and Qt's must both see exactly the pixels drawn.
TEST_F(LibraryTest, GripPoolIsOneBitAndDecodesToTheDrawnPixels) {
    int pool = 0;
    for (const auto& file : imagegen::libraryFiles()) {
        if (file.rfind("img/demo/grips/", 0) != 0) continue;
        SCOPED_TRACE(file);
        ++pool;
        const QByteArray bytes = readAll(path(file));
        ASSERT_GE(bytes.size(), 30);
        EXPECT_EQ(quint8(bytes[28]) | quint8(bytes[29]) << 8, 1) << "bits per pixel";
        EXPECT_LE(bytes.size(), 4096);
        const QImage drawn = imagegen::drawLibraryFile(file).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(images::decodeBmp(bytes, file).convertToFormat(QImage::Format_RGB32), drawn);
        EXPECT_EQ(QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32), drawn);
    }
    EXPECT_GT(pool, 5000) << "seven tunings' galleries draw on thousands of grips";
}

// The library for all seven tunings within 60 MB on disk, counted as `du`
// counts it on this file system: every file takes whole 4 KiB blocks.
TEST_F(LibraryTest, SevenTuningsFitTheDiskBudget) {
    qint64 onDisk = 0;
    for (const auto& [relative, bytes] : filesBelow(dir->path())) {
        (void)relative;
        onDisk += (bytes.size() + 4095) / 4096 * 4096;
    }
    EXPECT_LE(onDisk, 60'000'000);
}

TEST_F(LibraryTest, TwoRunsWriteTheSameBytes) {
    QTemporaryDir again;
    ASSERT_TRUE(imagegen::writeLibrary(again.path()));
    const auto first = filesBelow(dir->path());
    const auto second = filesBelow(again.path());
    ASSERT_EQ(first.size(), second.size());
    for (const auto& [relative, bytes] : first) {
        ASSERT_TRUE(second.count(relative)) << relative.toStdString();
        EXPECT_TRUE(second.at(relative) == bytes) << relative.toStdString();
    }
}

TEST_F(LibraryTest, RewritingRepairsMissingAndDamagedFiles) {
    const std::string file = "img/demo/12/C.bmp";
    QFile::remove(path(file));
    QFile f(path("img/demo/12/D.bmp"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Append));
    f.write("x");
    f.close();
    ASSERT_TRUE(imagegen::writeLibrary(dir->path()));
    EXPECT_TRUE(QFile::exists(path(file)));
    EXPECT_EQ(load("img/demo/12/D.bmp"),
              imagegen::drawLibraryFile("img/demo/12/D.bmp").convertToFormat(QImage::Format_RGB32));
    EXPECT_FALSE(readAll(path("img/demo/12/D.bmp")).endsWith("x"));
}

// Built-in pictures: every name the windows load, at the size they are laid out at.
struct ArtworkSize {
    std::string name;
    QSize size;
    bool transparent;
};

std::vector<ArtworkSize> expectedArtwork() {
    std::vector<ArtworkSize> v{
        {"background", {792, 550}, false},
        {"icon_pennatone", {64, 64}, true},
        {"icon_lyrafret", {64, 64}, true},
        {"cover_pennatone", {467, 258}, false},
        {"cover_lyrafret", {478, 317}, false},
        {"logo_pennatone", {119, 75}, true},
        {"logo_lyrafret", {133, 60}, true},
        {"arrow_up", {9, 13}, false},
        {"arrow_down", {9, 13}, false},
        {"fretboard", {130, 522}, false},
        {"mask_open", {135, 23}, false},
        {"mask_fret", {135, 23}, false},
        {"mask_string", {19, 510}, false},
        {"mask_low_e", {19, 510}, false},
        {"mask_high_e", {19, 510}, false},
        {"capo", {13, 215}, true},
        {"cursor", {32, 32}, true},
        {"mark", {23, 23}, true},
    };
    for (const char* note : theory::Root_Names) {
        v.push_back({std::string("root_") + note, {17, 14}, false});
        v.push_back({std::string("select_") + note, {13, 14}, false});
        v.push_back({std::string("note_") + note, {130, 518}, true});
    }
    for (int i = 0; i < 12; ++i) {
        v.push_back({"key_" + std::to_string(i), {17, 14}, false});
        v.push_back({"keyoverlay_" + std::to_string(i), {130, i == 0 ? 513 : 518}, true});
    }
    // The other namings have their own pictures with names; every naming has
    // the neck's overlays drawn for a left-handed player.
    const std::size_t english = v.size();
    for (const char* prefix : {"german/", "solfege/"})
        for (std::size_t i = 0; i < english; ++i)
            if (v[i].name.find('_') != std::string::npos &&
                (v[i].name.starts_with("root_") || v[i].name.starts_with("select_") ||
                 v[i].name.starts_with("note_") || v[i].name.starts_with("key")))
                v.push_back({prefix + v[i].name, v[i].size, v[i].transparent});
    for (const char* prefix : {"left/", "german/left/", "solfege/left/"})
        for (std::size_t i = 0; i < english; ++i)
            if (v[i].name.starts_with("note_") || v[i].name.starts_with("keyoverlay_"))
                v.push_back({prefix + v[i].name, v[i].size, v[i].transparent});
    return v;
}

class ArtworkTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ensureGuiApp();
        dir = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir->isValid());
        ASSERT_TRUE(imagegen::writeArtwork(dir->path() + "/art"));
    }
    static void TearDownTestSuite() { dir.reset(); }
    static QString art() { return dir->path() + "/art"; }
    static std::unique_ptr<QTemporaryDir> dir;
};
std::unique_ptr<QTemporaryDir> ArtworkTest::dir;

TEST_F(ArtworkTest, EveryNameIsWrittenAtItsSize) {
    const auto names = imagegen::artworkNames();
    const auto expected = expectedArtwork();
    EXPECT_EQ(names.size(), expected.size());
    for (const auto& e : expected) {
        SCOPED_TRACE(e.name);
        EXPECT_NE(std::find(names.begin(), names.end(), e.name), names.end());
        QImageReader reader(art() + "/" + QString::fromStdString(e.name) + ".png");
        EXPECT_EQ(reader.format(), QByteArray("png"));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), e.size);
        if (e.transparent) {
            EXPECT_TRUE(image.hasAlphaChannel());
            EXPECT_EQ(qAlpha(image.pixel(0, image.height() - 1)), 0) << "corner shows through";
        } else {
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 255);
        }
    }
}

TEST_F(ArtworkTest, ResourceListNamesEveryPicture) {
    const QString qrc = QString::fromUtf8(readAll(art() + "/artwork.qrc"));
    EXPECT_TRUE(qrc.contains("<qresource prefix=\"/artwork\">"));
    const auto names = imagegen::artworkNames();
    EXPECT_EQ(qrc.count("<file>"), qsizetype(names.size()));
    for (const auto& name : names)
        EXPECT_TRUE(qrc.contains("<file>" + QString::fromStdString(name) + ".png</file>")) << name;
}

TEST_F(ArtworkTest, TwoRunsWriteTheSameBytes) {
    QTemporaryDir again;
    ASSERT_TRUE(imagegen::writeArtwork(again.path()));
    const auto first = filesBelow(art());
    const auto second = filesBelow(again.path());
    ASSERT_EQ(first.size(), second.size());
    for (const auto& [relative, bytes] : first)
        EXPECT_TRUE(second.count(relative) && second.at(relative) == bytes)
            << relative.toStdString();
}

TEST_F(ArtworkTest, BackgroundAndCoversAreDark) {
    for (const char* name : {"background", "cover_pennatone", "cover_lyrafret"}) {
        const QImage image = imagegen::drawArtwork(name);
        EXPECT_LT(meanLuminance(image), 40) << name;
    }
    const QImage background = imagegen::drawArtwork("background");
    EXPECT_LT(luminance(background.pixel(0, 0)), 24);
}

TEST_F(ArtworkTest, CoversCarryTheirMessage) {
    // A bright title band in the middle and an amber arrow to its left.
    for (const char* name : {"cover_pennatone", "cover_lyrafret"}) {
        SCOPED_TRACE(name);
        const QImage image = imagegen::drawArtwork(name);
        const int w = image.width(), h = image.height();
        EXPECT_GT(countPixels(image, QRect(w / 4, h / 2 - 25, w / 2, 40), lightInk), 200);
        EXPECT_GT(countPixels(image, QRect(0, h / 2 - 25, w / 3, 40), amberInk), 20);
        EXPECT_EQ(countPixels(image, QRect(w / 4, 10, w / 2, h / 4), lightInk), 0);
    }
}

TEST_F(ArtworkTest, StepperArrowsPointTheirWay) {
    const QImage up = imagegen::drawArtwork("arrow_up");
    const QImage down = imagegen::drawArtwork("arrow_down");
    auto widthOfRow = [](const QImage& img, int y) {
        return countPixels(img, QRect(1, y, 7, 1), lightInk);
    };
    int upTop = -1, downTop = -1;
    for (int y = 1; y < 12; ++y) {
        if (upTop < 0 && widthOfRow(up, y) > 0) upTop = y;
        if (downTop < 0 && widthOfRow(down, y) > 0) downTop = y;
    }
    ASSERT_GE(upTop, 0);
    ASSERT_GE(downTop, 0);
    EXPECT_EQ(widthOfRow(up, upTop), 1) << "apex on top";
    EXPECT_GT(widthOfRow(down, downTop), 1) << "base on top";
    EXPECT_EQ(up.mirrored(false, true).copy(1, 1, 7, 11), down.copy(1, 1, 7, 11));
}

TEST_F(ArtworkTest, CursorHotspotIsItsTopLeftTip) {
    const QImage cursor = imagegen::drawArtwork("cursor");
    EXPECT_GT(qAlpha(cursor.pixel(1, 1)), 100);
    EXPECT_EQ(qAlpha(cursor.pixel(31, 0)), 0);
    EXPECT_EQ(qAlpha(cursor.pixel(0, 31)), 0);
    EXPECT_EQ(qAlpha(cursor.pixel(31, 31)), 0);
}

// A mark is a green ring wider than a chord-tone dot (7.5 px across its
// radius), with a see-through middle so that a dot under it still shows.
TEST_F(ArtworkTest, AMarkIsAGreenRingAroundASeeThroughMiddle) {
    const QImage mark = imagegen::drawArtwork("mark");
    const QImage dot = imagegen::drawArtwork("note_C");
    for (const QPoint ring : {QPoint(11 + 9, 11), QPoint(11 - 9, 11), QPoint(11, 11 + 9)}) {
        const QRgb p = mark.pixel(ring);
        EXPECT_GT(qGreen(p), 2 * qRed(p)) << ring.x() << "," << ring.y();
        EXPECT_GT(qGreen(p), 2 * qBlue(p));
        EXPECT_GT(qAlpha(p), 200);
    }
    const int middle = qAlpha(mark.pixel(11, 11));
    EXPECT_GT(middle, 0);
    EXPECT_LT(middle, 160);
    // No chord-tone dot is this green anywhere.
    for (int y = 0; y < dot.height(); ++y)
        for (int x = 0; x < dot.width(); ++x) {
            const QRgb p = dot.pixel(x, y);
            if (qAlpha(p) > 200) {
                ASSERT_FALSE(qGreen(p) > 2 * qRed(p) && qGreen(p) > 2 * qBlue(p));
            }
        }
}

TEST(TextLabels, AccidentalsBecomeMusicSigns) {
    struct Case {
        std::string in;
        QString note, symbol, caption;
    };
    const QString sharp(QChar(0x266F)), flat(QChar(0x266D));
    const std::vector<Case> notes{{"C", "C", "", ""},
                                  {"Cs", "C" + sharp, "", ""},
                                  {"Db", "D" + flat, "", ""},
                                  {"Bb", "B" + flat, "", ""},
                                  {"B", "B", "", ""}};
    for (const auto& c : notes) EXPECT_EQ(artwork::noteLabel(c.in), c.note) << c.in;
    const std::vector<std::pair<std::string, QString>> symbols{
        {"1", "1"}, {"b3", flat + "3"}, {"#5", sharp + "5"}, {"#11", sharp + "11"}, {"13", "13"}};
    for (const auto& [in, out] : symbols) EXPECT_EQ(artwork::symbolLabel(in), out) << in;
    const std::vector<std::pair<std::string, QString>> captions{
        {"Major", "Major"},
        {"7b9#5", "7" + flat + "9" + sharp + "5"},
        {"maj7b3", "maj7" + flat + "3"},
        {"13b9b5", "13" + flat + "9" + flat + "5"},
        {"9#11", "9" + sharp + "11"},
        {"sus4/9", "sus4/9"},
        {"Dim", "Dim"},
        {"m7b5", "m7" + flat + "5"}};
    for (const auto& [in, out] : captions) EXPECT_EQ(artwork::captionLabel(in), out) << in;
}

TEST(TextLabels, FittingNeverLeavesTheBox) {
    ensureGuiApp();
    struct Case {
        QString text;
        int maxWidth;
    };
    const std::vector<Case> cases{{artwork::noteLabel("Ds"), 13},
                                  {artwork::captionLabel("13b9b5"), 48},
                                  {artwork::captionLabel("m9maj7"), 48},
                                  {artwork::symbolLabel("#11"), 18}};
    for (const auto& c : cases) {
        artwork::Label label;
        label.text = c.text;
        label.pixelSize = 20;
        label.minStretch = 70;
        EXPECT_GT(artwork::labelWidth(label), c.maxWidth) << "the case must need fitting";
        EXPECT_LE(artwork::labelWidth(artwork::fitted(label, c.maxWidth)), c.maxWidth)
            << c.text.toStdString();
    }
}

}  // namespace
