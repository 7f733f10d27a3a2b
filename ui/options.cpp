// The player's options: a left-handed neck, the naming of notes and the tuning,
// and the list of them the options menu shows.
#include "ui/options.h"

#include <array>
#include <optional>

#include "images/library_paths.h"
#include "theory/neck.h"
#include "theory/note_names.h"
#include "theory/tunings.h"
#include "ui/demo_window.h"
#include "ui/option_entries.h"

namespace ui {

std::string DemoWindow::namesFolder(const std::string& sub) const {
    return images::noteFolder(Program_Folder, sub, settings().names);
}

theory::NoteSpeller DemoWindow::speller() const {
    return [system = settings().names](std::string_view note) {
        return theory::shownName(note, system);
    };
}

void OptionsPart::addLabel(int left, int top, int width) {
    DemoWindow& w = m_window;
    Options =
        &w.label("Options", -1, nullptr, left, top, width, 200, "Options", kWhite, kButtonText);
    w.bind(*Options, [&w] { w.Options_Click(); });
}

void OptionsPart::addTuningLabel(int left, int top, int width) {
    Tuning_Label =
        &m_window.label("Tuning_Label", -1, nullptr, left, top, width, 200, "", kYellow, kBlack);
    Tuning_Label->setVisible(false);
}

void OptionsPart::setLeftHanded(bool on) {
    if (m_settings.left_handed == on) return;
    m_settings.left_handed = on;
    DemoWindow& w = m_window;
    w.m_neckPart.turn(on);
    for (const auto& [i, c] : w.Chord_Display.members()) c->setMirrorsPictures(on);
    w.m_gallery.turnFingers();
    w.m_namingPart.refresh();
    repointPictures();
}

void OptionsPart::setFingers(bool on) {
    if (m_settings.fingers == on) return;
    m_settings.fingers = on;
    m_window.m_gallery.showFingers();
}

void OptionsPart::setNames(theory::NameSystem system) {
    if (m_settings.names == system) return;
    m_settings.names = system;
    DemoWindow& w = m_window;
    // Before start-up the folders are still unset; Form_Load fills them in.
    if (!w.Folder_12.empty()) {
        w.Folder_12 = w.namesFolder(images::sub::kNotes);
        w.Folder_17 = w.namesFolder(images::sub::kLargeNotes);
    }
    w.m_namingPart.refresh();
    repointPictures();
}

const theory::Tuning& OptionsPart::tuning() const {
    const theory::Tuning* t = theory::tuningByKey(m_settings.tuning);
    return t ? *t : theory::standardTuning();
}

void OptionsPart::setTuning(const std::string& key) {
    if (m_settings.tuning == key || !theory::tuningByKey(key)) return;
    m_settings.tuning = key;
    showTuningOnNeck();
    repointPictures();
    m_window.m_namingPart.refresh();
    m_window.reshowChord();
}

namespace {

// How a guitarist names an open string: flats, but F sharp beside a D string
// (open D is a D major chord).
std::string stringName(const theory::Tuning& t, int string) {
    static constexpr std::array<const char*, 12> kFlats{
        "C", "D\u266d", "D", "E\u266d", "E", "F", "G\u266d", "G", "A\u266d", "A", "B\u266d", "B"};
    const int pitch = theory::pitchAt(t, string, 0);
    bool hasD = false;
    for (int s = 0; s < theory::neck::kStrings; ++s) hasD |= theory::pitchAt(t, s, 0) == 2;
    return pitch == 6 && hasD ? "F\u266f" : kFlats[std::size_t(pitch)];
}

}  // namespace

// The string labels read the open strings of the tuning in force (in standard
// the captions they always had); the tuning label names any other tuning.
void OptionsPart::showTuningOnNeck() {
    const theory::Tuning& t = tuning();
    const bool standard = t.midi == theory::standardTuning().midi;
    for (int s = 0; s < theory::neck::kStrings; ++s)
        m_window.Mask(kStringMaskSuffixes[std::size_t(s)]).setCaption(stringName(t, s));
    if (!Tuning_Label) return;
    Tuning_Label->setCaption(standard ? "" : t.name);
    Tuning_Label->setVisible(!standard);
}

void OptionsPart::apply(const Settings& settings) {
    setLeftHanded(settings.left_handed);
    setNames(settings.names);
    setTuning(settings.tuning);
    m_settings.sound = settings.sound;
    setFingers(settings.fingers);
    m_window.setNaming(settings.naming);
}

// Every picture on screen that depends on the options is loaded again in its
// other version, so chord, key, masks and note toggles all stay as they are.
// A picture that cannot be loaded leaves its control empty rather than in the
// old naming; the others still change, then the first failure is reported.
void OptionsPart::repointPictures() {
    std::optional<images::PictureLoadError> failed;
    for (const auto& c : m_window.controls()) {
        const std::string& name = c->pictureName();
        if (name.empty()) continue;
        const std::string wanted =
            images::pictureFor(name, m_settings.names, m_settings.left_handed, m_settings.tuning);
        if (wanted == name) continue;
        try {
            if (wanted.rfind(images::kBuiltinPrefix, 0) == 0)
                c->setPicture(DemoWindow::Builtin(wanted.substr(images::kBuiltinPrefix.size())));
            else
                c->setPicture(m_window.LoadPicture(m_window.Program_Folder + "/" + wanted));
        } catch (const images::PictureLoadError& e) {
            c->removePicture();
            if (!failed) failed = e;
        }
    }
    if (failed) throw *failed;
}

const std::vector<OptionGroup>& optionMenu() {
    static const std::vector<OptionGroup> menu = [] {
        const auto toggle = [](Option option, const char* text, bool Settings::*field,
                               void (DemoWindow::*set)(bool)) {
            return OptionEntry{option, "", text, [field](const Settings& s) { return s.*field; },
                               [set](DemoWindow& w, bool on) { (w.*set)(on); }};
        };
        OptionGroup switches{
            "",
            {toggle(Option::LeftHanded, "Left-handed", &Settings::left_handed,
                    &DemoWindow::setLeftHanded),
             toggle(Option::Sound, "Sound", &Settings::sound, &DemoWindow::setSound),
             toggle(Option::Naming, "Name a chord", &Settings::naming, &DemoWindow::setNaming),
             toggle(Option::Fingers, "Finger numbers", &Settings::fingers,
                    &DemoWindow::setFingers)}};
        OptionGroup names{"Note names", {}};
        for (theory::NameSystem system : theory::kNameSystems)
            names.entries.push_back({Option::Names, std::string(theory::nameSystemKey(system)),
                                     std::string(nameSystemTitle(system)),
                                     [system](const Settings& s) { return s.names == system; },
                                     [system](DemoWindow& w, bool) { w.setNames(system); }});
        OptionGroup tunings{"Tuning", {}};
        for (const theory::Tuning& t : theory::kTunings) {
            const std::string key = t.key;
            const bool standard = &t == &theory::standardTuning();
            tunings.entries.push_back({Option::Tuning, key,
                                       std::string(t.name) + (standard ? " (default)" : ""),
                                       [key](const Settings& s) { return s.tuning == key; },
                                       [key](DemoWindow& w, bool) { w.setTuning(key); }});
        }
        return std::vector<OptionGroup>{switches, names, tunings};
    }();
    return menu;
}

}  // namespace ui
