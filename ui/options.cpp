// The player's options: a left-handed neck, the naming of notes and the tuning.
#include <array>
#include <optional>

#include "images/library_paths.h"
#include "theory/neck.h"
#include "theory/note_names.h"
#include "theory/tunings.h"
#include "ui/demo_window.h"

namespace ui {

std::string DemoWindow::namesFolder(const std::string& sub) const {
    return images::noteFolder(Program_Folder, sub, m_settings.names);
}

void DemoWindow::setSound(bool on) {
    m_settings.sound = on;
}

theory::NoteSpeller DemoWindow::speller() const {
    return [system = m_settings.names](std::string_view note) {
        return theory::shownName(note, system);
    };
}

void DemoWindow::addToNeck(Control& c, bool turnsPictures) {
    m_neck.push_back(&c);
    if (turnsPictures) m_turnedWithNeck.push_back(&c);
}

void DemoWindow::addOptionsLabel(int left, int top, int width) {
    Options = &label("Options", -1, nullptr, left, top, width, 200, "Options", kWhite, kButtonText);
    bind(*Options, [this] { Options_Click(); });
}

void DemoWindow::addTuningLabel(int left, int top, int width) {
    Tuning_Label = &label("Tuning_Label", -1, nullptr, left, top, width, 200, "", kYellow, kBlack);
    Tuning_Label->setVisible(false);
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
    m_namingPart.refresh();
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
    m_namingPart.refresh();
    repointPictures();
}

const theory::Tuning& DemoWindow::tuning() const {
    const theory::Tuning* t = theory::tuningByKey(m_settings.tuning);
    return t ? *t : theory::standardTuning();
}

void DemoWindow::setTuning(const std::string& key) {
    if (m_settings.tuning == key || !theory::tuningByKey(key)) return;
    m_settings.tuning = key;
    showTuningOnNeck();
    repointPictures();
    m_namingPart.refresh();
    reshowChord();
}

namespace {

// How a guitarist names an open string: flats, but F sharp beside a D string
// (open D is a D major chord).
std::string stringName(const theory::Tuning& t, int string) {
    static constexpr std::array<const char*, 12> kFlats{
        "C", "D\u266d", "D", "E\u266d", "E", "F", "G\u266d", "G", "A\u266d", "A", "B\u266d", "B"};
    const int pitch = theory::pitchAt(t, string, 0);
    bool hasD = false;
    for (int s = 0; s < 6; ++s) hasD |= theory::pitchAt(t, s, 0) == 2;
    return pitch == 6 && hasD ? "F\u266f" : kFlats[std::size_t(pitch)];
}

}  // namespace

// The string labels read the open strings of the tuning in force (in standard
// the captions they always had); the tuning label names any other tuning.
void DemoWindow::showTuningOnNeck() {
    const theory::Tuning& t = tuning();
    const bool standard = t.midi == theory::standardTuning().midi;
#define DEMO_STRING_SUFFIX(n) #n,
    static constexpr std::array<const char*, 6> kSuffixes{DEMO_STRING_MASKS(DEMO_STRING_SUFFIX)};
#undef DEMO_STRING_SUFFIX
    for (int s = 0; s < 6; ++s) Mask(kSuffixes[std::size_t(s)]).setCaption(stringName(t, s));
    if (!Tuning_Label) return;
    Tuning_Label->setCaption(standard ? "" : t.name);
    Tuning_Label->setVisible(!standard);
}

void DemoWindow::applySettings(const Settings& settings) {
    setLeftHanded(settings.left_handed);
    setNames(settings.names);
    setTuning(settings.tuning);
    m_settings.sound = settings.sound;
    setNaming(settings.naming);
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
            images::pictureFor(name, m_settings.names, m_settings.left_handed, m_settings.tuning);
        if (wanted == name) continue;
        try {
            if (wanted.rfind(images::kBuiltinPrefix, 0) == 0)
                c->setPicture(Builtin(wanted.substr(images::kBuiltinPrefix.size())));
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
