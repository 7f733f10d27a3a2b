#include "ui/qt/qt_clipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace ui::qt {

namespace {

const QMimeData* content() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->mimeData() : nullptr;
}

}  // namespace

void QtClipboard::clear() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->clear();
}

void QtClipboard::setPicture(const images::Picture& picture) {
    setPictureAndText(picture, {});
}

void QtClipboard::setPictureAndText(const images::Picture& picture, const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return;
    auto* data = new QMimeData;
    if (!text.empty()) data->setText(QString::fromStdString(text));
    if (!picture.image.isNull()) {
        data->setImageData(picture.image);
        QByteArray bmp;
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        if (picture.image.save(&buffer, "BMP")) data->setData(kBmpType, bmp);
    }
    data->setData(kPictureNameType, QByteArray::fromStdString(picture.name));
    if (picture.mirrored) data->setData(kMirroredType, "1");
    clipboard->setMimeData(data);
}

bool QtClipboard::hasFormat(int code) const {
    const QMimeData* data = content();
    if (!data) return false;
    switch (code) {
        case kBitmap:
            return data->hasImage();
        case kDib:
            return data->hasFormat(kBmpType);
        default:
            return false;  // metafiles and palettes are never offered
    }
}

images::Picture QtClipboard::picture(int code) const {
    if (!hasFormat(code)) return {};
    const QMimeData* data = content();
    images::Picture result;
    if (code == kDib) result.image = QImage::fromData(data->data(kBmpType), "BMP");
    if (result.image.isNull()) result.image = qvariant_cast<QImage>(data->imageData());
    // An image another program put there has no name of ours.
    if (data->hasFormat(kPictureNameType)) result.name = data->data(kPictureNameType).toStdString();
    result.mirrored = data->hasFormat(kMirroredType);
    return result;
}

std::vector<int> QtClipboard::formats() const {
    std::vector<int> present;
    for (int code : {kBitmap, kMetafile, kDib, kPalette})
        if (hasFormat(code)) present.push_back(code);
    return present;
}

}  // namespace ui::qt
