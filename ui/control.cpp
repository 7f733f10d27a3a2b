#include "ui/control.h"

#include <stdexcept>

#include "artwork/neck_overlays.h"
#include "images/library_paths.h"
#include "ui/builtin_artwork.h"

namespace ui {

Control::Control(Kind kind, std::string name, int index, Control* container)
    : m_kind(kind), m_name(std::move(name)), m_index(index), m_container(container) {}

std::string Control::key() const {
    return m_index < 0 ? m_name : m_name + "(" + std::to_string(m_index) + ")";
}

namespace {
using images::kBuiltinPrefix;

bool isDeferredArtwork(const Picture& p) {
    return p.image.isNull() && p.name.rfind(kBuiltinPrefix, 0) == 0;
}

Picture turnedOver(Picture p) {
    p.image = p.image.mirrored(true, false);
    p.mirrored = !p.mirrored;
    return p;
}
}  // namespace

Picture deferredArtwork(const std::string& name, bool mirrored) {
    Picture p;
    p.name = std::string(kBuiltinPrefix) + name;
    p.mirrored = mirrored;
    return p;
}

const Picture& Control::picture() const {
    if (m_pictureDeferred) {
        const std::string file = m_picture.name.substr(kBuiltinPrefix.size());
        // Overlays of a tuning other than standard are not stored: they are drawn here.
        m_picture.image = artwork::tunedOverlay(file);
        if (m_picture.image.isNull()) m_picture.image = builtinArtwork(file);
        m_pictureDeferred = false;
    }
    return m_picture;
}

Control& Control::setPicture(Picture p) {
    m_picture = std::move(p);
    m_pictureDeferred = isDeferredArtwork(m_picture);
    if (m_mirrorsPictures && !m_picture.mirrored && !m_picture.isNone())
        m_picture = turnedOver(picture());
    ++m_revision;  // pictures are reloaded on every load, so always re-apply
    return *this;
}

Control& Control::setValue(bool v) {
    if (v && m_group) {
        for (Control* other : *m_group)
            if (other != this) other->set(other->m_value, false);
    }
    return set(m_value, v);
}

Control& Control::setFont(Font f) {
    m_font = std::move(f);
    ++m_revision;
    return *this;
}

Control& Control::setMirrorsPictures(bool on) {
    if (m_mirrorsPictures == on) return *this;
    m_mirrorsPictures = on;
    if (!m_picture.isNone() && m_picture.mirrored != on) setPicture(turnedOver(picture()));
    return *this;
}

Control& Control::setLayer(int layer) {
    m_layer = layer;
    return *this;
}

Control& Control::setGeometry(int left, int top, int width, int height) {
    return setLeft(left).setTop(top).setWidth(width).setHeight(height);
}

void Control::click() {
    if (m_kind == Kind::OptionButton) setValue(true);
    if (m_onClick) m_onClick();
}

Control& ControlArray::operator()(int index) const {
    auto it = m_members.find(index);
    if (it == m_members.end())
        throw std::out_of_range(m_name + "(" + std::to_string(index) + ") does not exist");
    return *it->second;
}

}  // namespace ui
