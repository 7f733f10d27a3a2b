// The player's options: a left-handed neck and the naming of notes.
#include <optional>

#include "images/library_paths.h"
#include "theory/neck.h"
#include "ui/demo_window.h"

namespace ui {

namespace {
constexpr std::string_view kBuiltinPrefix = "builtin:";
}

std::string DemoWindow::namesFolder(const std::string& sub) const {
    return images::noteFolder(Program_Folder, sub, m_settings.names);
}

void DemoWindow::addToNeck(Control& c, bool turnsPictures) {
    m_neck.push_back(&c);
    if (turnsPictures) m_turnedWithNeck.push_back(&c);
}

void DemoWindow::addOptionsLabel(int left, int top, int width) {
    Options = &label("Options", -1, nullptr, left, top, width, 200, "Options", kWhite, kButtonText);
    bind(*Options, [this] { Options_Click(); });
}

void DemoWindow::Options_Click() {
    if (m_openOptions) m_openOptions();
}

void DemoWindow::setLeftHanded(bool on) {
    if (m_settings.left_handed == on) return;
    m_settings.left_handed = on;
    for (Control* c : m_neck) c->setLeft(theory::neck::mirroredLeft(c->left(), c->width()));
    for (Control* c : m_turnedWithNeck) c->setMirrorsPictures(on);
    for (const auto& [i, c] : Chord_Display.members()) c->setMirrorsPictures(on);
    repointPictures();
}

void DemoWindow::setNames(theory::NameSystem system) {
    if (m_settings.names == system) return;
    m_settings.names = system;
    // Before start-up the folders are still unset; Form_Load fills them in.
    if (!Folder_12.empty()) {
        Folder_12 = namesFolder("12");
        Folder_17 = namesFolder("17");
    }
    repointPictures();
}

void DemoWindow::applySettings(const Settings& settings) {
    setLeftHanded(settings.left_handed);
    setNames(settings.names);
    m_settings.tuning = settings.tuning;
    m_settings.sound = settings.sound;
    m_settings.naming = settings.naming;
}

// Every picture on screen that depends on the options is loaded again in its
// other version, so chord, key, masks and note toggles all stay as they are.
// A picture that cannot be loaded leaves its control empty rather than in the
// old naming; the others still change, then the first failure is reported.
void DemoWindow::repointPictures() {
    std::optional<images::PictureLoadError> failed;
    for (const auto& c : m_controls) {
        const std::string& name = c->pictureName();
        if (name.empty()) continue;
        const std::string wanted =
            images::pictureFor(name, m_settings.names, m_settings.left_handed);
        if (wanted == name) continue;
        try {
            if (wanted.rfind(kBuiltinPrefix, 0) == 0)
                c->setPicture(Builtin(wanted.substr(kBuiltinPrefix.size())));
            else
                c->setPicture(LoadPicture(Program_Folder + "/" + wanted));
        } catch (const images::PictureLoadError& e) {
            c->removePicture();
            if (!failed) failed = e;
        }
    }
    if (failed) throw *failed;
}

}  // namespace ui
