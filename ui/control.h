#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "images/picture.h"
#include "theory/chord_types.h"

namespace ui {

using images::Picture;

enum class Kind { Label, PictureBox, Image, OptionButton, Frame };

// Theme colours, fixed to the values of a classic desktop theme.
inline constexpr int kWindowBackground = 0xF0F0F0;
inline constexpr int kButtonText = 0x000000;

// Named colours as 24-bit values blue*65536 + green*256 + red.
inline constexpr int kBlack = 0;
inline constexpr int kWhite = 16777215;
inline constexpr int kYellow = 65535;
inline constexpr int kDarkRed = theory::kToneRed;
inline constexpr int kGreen = theory::kToneGreen;  // the bright green of the tone bars
inline constexpr int kNavy = 0x800000;             // (0, 0, 128)
inline constexpr int kDarkGreen = 0x008000;        // (0, 128, 0)
inline constexpr int kBrightGreen = 0x00C000;      // (0, 192, 0)
inline constexpr int kBlue = 0xFF0000;             // (0, 0, 255)

struct Font {
    std::string family;  // empty: the window's base font
    double pointSize = 0;
};

// One control of the widget model. Positions are twips relative to the
// container. Every setter that changes a value bumps the revision so that a
// view can apply just what changed after a handler has run.
class Control {
public:
    Control(Kind kind, std::string name, int index, Control* container);

    Kind kind() const { return m_kind; }
    const std::string& name() const { return m_name; }
    int index() const { return m_index; }  // -1 for a control outside an array
    std::string key() const;               // "Name" or "Name(i)"
    Control* container() const { return m_container; }

    int left() const { return m_left; }
    int top() const { return m_top; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    bool visible() const { return m_visible; }
    int backColor() const { return m_backColor; }
    int foreColor() const { return m_foreColor; }
    bool transparent() const { return m_transparent; }
    // Built-in artwork is decoded on first use, so hidden overlays cost
    // nothing at start-up.
    const Picture& picture() const;
    const std::string& pictureName() const { return m_picture.name; }
    bool pictureMirrored() const { return m_picture.mirrored; }
    bool pictureDecoded() const { return !m_pictureDeferred; }
    const std::string& caption() const { return m_caption; }
    bool value() const { return m_value; }
    bool bold() const { return m_bold; }
    const Font& font() const { return m_font; }
    int layer() const { return m_layer; }
    int order() const { return m_order; }
    bool clickable() const { return static_cast<bool>(m_onClick); }
    bool mirrorsPictures() const { return m_mirrorsPictures; }
    std::uint64_t revision() const { return m_revision; }

    Control& setLeft(int v) { return set(m_left, v); }
    Control& setTop(int v) { return set(m_top, v); }
    Control& setWidth(int v) { return set(m_width, v); }
    Control& setHeight(int v) { return set(m_height, v); }
    Control& setVisible(bool v) { return set(m_visible, v); }
    Control& setBackColor(int v) { return set(m_backColor, v); }
    Control& setForeColor(int v) { return set(m_foreColor, v); }
    Control& setTransparent(bool v) { return set(m_transparent, v); }
    Control& setCaption(const std::string& v) { return set(m_caption, v); }
    Control& setBold(bool v) { return set(m_bold, v); }
    Control& setPicture(Picture p);
    Control& removePicture() { return setPicture(Picture{}); }
    // Selecting an option button deselects the other members of its group.
    Control& setValue(bool v);
    Control& setFont(Font f);
    Control& setLayer(int layer);
    Control& setGeometry(int left, int top, int width, int height);
    // A control that depicts the neck shows every picture turned over while
    // the view is left-handed; the picture it holds is turned with it.
    Control& setMirrorsPictures(bool on);

    void setOrder(int order) { m_order = order; }
    void setGroup(std::vector<Control*>* group) { m_group = group; }
    void onClick(std::function<void()> handler) { m_onClick = std::move(handler); }
    // What a user's click does: an option button is selected first, as the toolkit does.
    void click();
    // A right-click: what the control plays, where it plays anything.
    void onRightClick(std::function<void()> handler) { m_onRightClick = std::move(handler); }
    bool rightClickable() const { return static_cast<bool>(m_onRightClick); }
    void rightClick() {
        if (m_onRightClick) m_onRightClick();
    }
    // The pointer coming to rest on the control (true) and leaving it (false).
    void onHover(std::function<void(bool)> handler) { m_onHover = std::move(handler); }
    bool hoverable() const { return static_cast<bool>(m_onHover); }
    void hover(bool entered) {
        if (m_onHover) m_onHover(entered);
    }

    // The mouse wheel turned over the control, in notches: positive towards the user.
    void onWheel(std::function<void(int)> handler) { m_onWheel = std::move(handler); }
    bool wheelable() const { return static_cast<bool>(m_onWheel); }
    void wheel(int notches) {
        if (m_onWheel) m_onWheel(notches);
    }

private:
    template <typename T>
    Control& set(T& field, const T& v) {
        if (!(field == v)) {
            field = v;
            ++m_revision;
        }
        return *this;
    }

    Kind m_kind;
    std::string m_name;
    int m_index;
    Control* m_container;
    int m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    bool m_visible = true;
    int m_backColor = kBlack;
    int m_foreColor = kWhite;
    bool m_transparent = false;
    mutable Picture m_picture;
    mutable bool m_pictureDeferred = false;
    std::string m_caption;
    bool m_value = false;
    bool m_bold = false;
    Font m_font;
    int m_layer = 0;
    int m_order = 0;
    bool m_mirrorsPictures = false;
    std::vector<Control*>* m_group = nullptr;
    std::function<void()> m_onClick;
    std::function<void()> m_onRightClick;
    std::function<void(bool)> m_onHover;
    std::function<void(int)> m_onWheel;
    std::uint64_t m_revision = 1;
};

// The picture of built-in artwork ("builtin:NAME"); the pixels are decoded
// (or, for another tuning's overlays, drawn) when a control first needs them.
Picture deferredArtwork(const std::string& name, bool mirrored);

// Members sharing one name, addressed by a 16-bit index with gaps allowed.
class ControlArray {
public:
    explicit ControlArray(std::string name = {}) : m_name(std::move(name)) {}
    Control& operator()(int index) const;
    bool has(int index) const { return m_members.count(index) != 0; }
    const std::map<int, Control*>& members() const { return m_members; }
    const std::string& name() const { return m_name; }
    void add(int index, Control* c) { m_members[index] = c; }

private:
    std::string m_name;
    std::map<int, Control*> m_members;
};

}  // namespace ui
