#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "images/picture.h"
#include "sound/output.h"

namespace ui {

// Clipboard format codes the programs ask for, in the preview's order.
enum ClipboardFormat { kBitmap = 2, kMetafile = 3, kDib = 8, kPalette = 9 };

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setPicture(const images::Picture& picture) = 0;
    virtual bool hasFormat(int code) const = 0;
    virtual images::Picture picture(int code) const = 0;
    virtual std::vector<int> formats() const = 0;
    // The picture and, beside it, the same thing in words for a text paste.
    virtual void setPictureAndText(const images::Picture& picture, const std::string& text) {
        (void)text;
        setPicture(picture);
    }
};

// Clipboard of tests and of demo-driver: holds one picture, offered as a plain bitmap.
class MemoryClipboard : public Clipboard {
public:
    void clear() override {
        m_picture.reset();
        m_text.clear();
    }
    void setPicture(const images::Picture& picture) override { m_picture = picture; }
    void setPictureAndText(const images::Picture& picture, const std::string& text) override {
        m_picture = picture;
        m_text = text;
    }
    const std::string& text() const { return m_text; }
    bool hasFormat(int code) const override { return m_picture && code == kBitmap; }
    images::Picture picture(int code) const override {
        return hasFormat(code) ? *m_picture : images::Picture{};
    }
    std::vector<int> formats() const override {
        return m_picture ? std::vector<int>{kBitmap} : std::vector<int>{};
    }
    const std::optional<images::Picture>& content() const { return m_picture; }

private:
    std::optional<images::Picture> m_picture;
    std::string m_text;
};

// What the window needs from the machine it runs on.
struct Platform {
    std::string programFolder;          // without trailing separator
    Clipboard* clipboard = nullptr;     // not owned
    std::function<void()> exitProgram;  // ends the program at once
    sound::Output* sound = nullptr;     // not owned; none: nothing is heard
};

}  // namespace ui
