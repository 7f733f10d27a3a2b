// The system clipboard as the windows see it.
#include "ui/qt/qt_clipboard.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <vector>

namespace {

using ui::qt::QtClipboard;

QImage sample() {
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(qRgb(10, 20, 30));
    for (int x = 0; x < 24; ++x) image.setPixel(x, 3, qRgb(200, 100, 0));
    return image;
}

TEST(QtClipboard, RoundTripsAPictureAndItsName) {
    QtClipboard clipboard;
    const images::Picture picture{sample(), "img/demo/21/1.bmp"};
    clipboard.setPicture(picture);
    const struct { int code; } cases[] = {{ui::kBitmap}, {ui::kDib}};
    for (const auto& c : cases) {
        const images::Picture back = clipboard.picture(c.code);
        EXPECT_EQ(back.name, picture.name) << c.code;
        EXPECT_EQ(back.image.convertToFormat(QImage::Format_RGB32), picture.image) << c.code;
    }
}

TEST(QtClipboard, AnswersTheFormatCodesAsMapped) {
    QtClipboard clipboard;
    const struct {
        const char* what;
        bool fill;
        std::vector<int> formats;
    } cases[] = {
        {"a picture: bitmap and device-independent bitmap", true, {ui::kBitmap, ui::kDib}},
        {"cleared: nothing", false, {}},
    };
    for (const auto& c : cases) {
        if (c.fill)
            clipboard.setPicture({sample(), "builtin:logo"});
        else
            clipboard.clear();
        EXPECT_EQ(clipboard.formats(), c.formats) << c.what;
        for (int code : {ui::kBitmap, ui::kMetafile, ui::kDib, ui::kPalette}) {
            const bool listed =
                std::find(c.formats.begin(), c.formats.end(), code) != c.formats.end();
            EXPECT_EQ(clipboard.hasFormat(code), listed) << c.what << " code " << code;
            EXPECT_EQ(clipboard.picture(code).isNone(), !listed) << c.what << " code " << code;
        }
    }
}

TEST(QtClipboard, AnImageFromElsewhereHasNoNameAndNoDib) {
    QGuiApplication::clipboard()->setImage(sample());
    QtClipboard clipboard;
    EXPECT_TRUE(clipboard.hasFormat(ui::kBitmap));
    EXPECT_FALSE(clipboard.hasFormat(ui::kDib));
    const images::Picture back = clipboard.picture(ui::kBitmap);
    EXPECT_TRUE(back.name.empty());
    EXPECT_EQ(back.image.convertToFormat(QImage::Format_RGB32), sample());
}

TEST(QtClipboard, WritesTheNameForThePreviewAlongsideTheImage) {
    QtClipboard clipboard;
    clipboard.setPicture({sample(), "builtin:capo"});
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasImage());
    EXPECT_EQ(data->data(QtClipboard::kPictureNameType), QByteArray("builtin:capo"));
    EXPECT_EQ(QImage::fromData(data->data(QtClipboard::kBmpType), "BMP")
                  .convertToFormat(QImage::Format_RGB32),
              sample());
}

}  // namespace
