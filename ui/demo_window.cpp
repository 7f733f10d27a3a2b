#include "ui/demo_window.h"

#include <QFile>
#include <QJsonArray>
#include <stdexcept>

#include "images/bmp_reader.h"

// The built-in artwork lives in a static library; register it once.
static void initArtwork() {
    Q_INIT_RESOURCE(artwork);
}

namespace ui {

DemoWindow::DemoWindow(std::string programName, std::string caption, Platform platform)
    : m_platform(std::move(platform)),
      m_programName(std::move(programName)),
      m_caption(std::move(caption)) {
    initArtwork();
}

Control* DemoWindow::find(const std::string& key) const {
    auto it = m_byKey.find(key);
    return it == m_byKey.end() ? nullptr : it->second;
}

Control& DemoWindow::control(const std::string& key) const {
    if (Control* c = find(key)) return *c;
    throw std::out_of_range("no control " + key);
}

const ControlArray* DemoWindow::array(const std::string& name) const {
    auto it = m_arrays.find(name);
    return it == m_arrays.end() ? nullptr : it->second;
}

Control& DemoWindow::Tone(int k) const {
    return control("Tone_" + std::to_string(k));
}
Control& DemoWindow::NoteEntry(const std::string& note) const {
    return control("NoteEntry_" + note);
}
Control& DemoWindow::Select(const std::string& note) const {
    return control("Select_" + note);
}
Control& DemoWindow::Mask(const std::string& suffix) const {
    return control("Mask_" + suffix);
}
Control& DemoWindow::Mask_o(const std::string& suffix) const {
    return control("Mask_o" + suffix);
}

int DemoWindow::absoluteLeft(const Control* c) const {
    int x = 0;
    for (; c; c = c->container()) x += c->left();
    return x;
}

int DemoWindow::absoluteTop(const Control* c) const {
    int y = 0;
    for (; c; c = c->container()) y += c->top();
    return y;
}

Control& DemoWindow::make(Kind kind, const std::string& name, int index, Control* container,
                          int left, int top, int width, int height, int layer) {
    auto c = std::make_unique<Control>(kind, name, index, container);
    c->setGeometry(left - absoluteLeft(container), top - absoluteTop(container), width, height);
    if (layer < 0) {
        layer = (kind == Kind::Label || kind == Kind::Image) ? kLayerLabel : kLayerBox;
    }
    c->setLayer(layer);
    c->setOrder(static_cast<int>(m_controls.size()));
    if (kind == Kind::Label) c->setBackColor(kBlack);
    if (kind == Kind::PictureBox) c->setBackColor(kWhite);
    Control* raw = c.get();
    m_byKey[raw->key()] = raw;
    if (index >= 0) {
        if (kind == Kind::OptionButton) {
            auto& group = m_optionGroups[name];
            group.push_back(raw);
            for (Control* member : group) member->setGroup(&group);
        }
    }
    m_controls.push_back(std::move(c));
    return *raw;
}

Control& DemoWindow::item(ControlArray& array, Kind kind, int index, Control* container, int left,
                          int top, int width, int height, int layer) {
    m_arrays[array.name()] = &array;
    Control& c = make(kind, array.name(), index, container, left, top, width, height, layer);
    array.add(index, &c);
    return c;
}

Control& DemoWindow::label(const std::string& name, int index, Control* container, int left,
                           int top, int width, int height, const std::string& caption, int fore,
                           int back) {
    Control& c = make(Kind::Label, name, index, container, left, top, width, height);
    c.setCaption(caption).setForeColor(fore).setBackColor(back);
    return c;
}

Picture DemoWindow::LoadPicture(const std::string& path) const {
    std::string name = path;
    if (!Program_Folder.empty() && path.rfind(Program_Folder + "/", 0) == 0)
        name = path.substr(Program_Folder.size() + 1);
    return Picture{images::readBmp(path, name), name};
}

Picture DemoWindow::Builtin(const std::string& name) {
    return deferredArtwork(name, name.find("left/") != std::string::npos);
}

void DemoWindow::exitProgram() {
    m_exited = true;
    if (m_platform.exitProgram) m_platform.exitProgram();
}

}  // namespace ui
