// The built-in pictures a window starts with are carried as pixels ready to
// draw, and they are exactly what their PNG files decode to.
#include "ui/builtin_artwork.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cstring>
#include <string>

#include "../support/windows.h"
#include "images/library_paths.h"
#include "theory/notes.h"

namespace {

using namespace testing_support;

// What Qt's own PNG reader makes of the picture's file in the resources.
QImage decodedPng(std::string_view name) {
    return QImage(QString::fromUtf8(":/artwork/") + QString::fromUtf8(name.data(), name.size()) +
                  ".png");
}

TEST(BuiltinArtwork, StoredPixelsAreThePngDecodedRowByRow) {
    ASSERT_GT(ui::kStoredPixelCount, 60u);
    for (std::size_t i = 0; i < ui::kStoredPixelCount; ++i) {
        const ui::StoredPixels& stored = ui::kStoredPixels[i];
        SCOPED_TRACE(stored.name);
        const QImage png = decodedPng(stored.name);
        ASSERT_FALSE(png.isNull());
        const QImage image = ui::builtinArtwork(stored.name);
        EXPECT_EQ(image.format(), png.format());
        ASSERT_EQ(image.size(), png.size());
        for (int y = 0; y < png.height(); ++y)
            ASSERT_EQ(0, std::memcmp(image.constScanLine(y), png.constScanLine(y),
                                     std::size_t(png.width()) * 4))
                << "row " << y;
        // Shared with the program's data, not copied.
        EXPECT_EQ(image.constBits(), stored.bits);
        if (i > 0) {
            EXPECT_LT(std::string_view(ui::kStoredPixels[i - 1].name), stored.name);
        }
    }
}

TEST(BuiltinArtwork, OverlaysComeFromTheirPngAndUnknownNamesFromNowhere) {
    for (const char* name : {"note_C", "keyoverlay_7", "german/left/note_Bb"}) {
        EXPECT_EQ(ui::storedPixels(name), nullptr) << name;
        const QImage image = ui::builtinArtwork(name);
        EXPECT_FALSE(image.isNull()) << name;
        EXPECT_EQ(image, decodedPng(name)) << name;
    }
    EXPECT_TRUE(ui::builtinArtwork("no_such_picture").isNull());
    EXPECT_EQ(ui::storedPixels("no_such_picture"), nullptr);
}

// Everything a freshly started window shows, in any naming and on either
// hand, is drawn without decoding a file.
template <typename Window>
void expectFirstFrameStored(const char* program) {
    for (theory::NameSystem names : theory::kNameSystems)
        for (bool left : {false, true}) {
            ui::Settings settings;
            settings.names = names;
            settings.left_handed = left;
            Fixture<Window> w(DEMO_BIN_DIR, false);
            w->applySettings(settings);
            w->Form_Load();
            int shown = 0;
            for (const auto& c : w->controls()) {
                const std::string& picture = c->pictureName();
                if (!c->visible() || picture.rfind(images::kBuiltinPrefix, 0) != 0) continue;
                ++shown;
                EXPECT_NE(ui::storedPixels(picture.substr(images::kBuiltinPrefix.size())), nullptr)
                    << program << " " << c->key() << " " << picture;
            }
            EXPECT_GT(shown, 20) << program;
        }
    for (const char* name : {"background", "cursor", "icon_pennatone", "icon_lyrafret"})
        EXPECT_NE(ui::storedPixels(name), nullptr) << name;
}

TEST(BuiltinArtwork, AFreshWindowShowsOnlyStoredPixels) {
    expectFirstFrameStored<ui::PennatoneDemo>("PennatoneDemo");
    expectFirstFrameStored<ui::LyrafretDemo>("LyrafretDemo");
}

}  // namespace
