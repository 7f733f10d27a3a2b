#include "tools/demo_driver/state.h"

#include <QJsonArray>

#include "chords/key_tables.h"
#include "chords/pennatone_types.h"
#include "gallery/layout.h"
#include "gallery/pages.h"
#include "images/grip_pictures.h"
#include "images/library_paths.h"
#include "theory/chord_naming.h"
#include "theory/fingering.h"
#include "theory/given_sets.h"
#include "theory/grips.h"
#include "theory/notes.h"
#include "theory/tunings.h"

namespace driver {

namespace {

QJsonValue pictureName(const ui::Control& c) {
    // The name alone: an overlay not yet shown is not drawn for the report.
    const std::string& name = c.pictureName();
    return name.empty() ? QJsonValue() : QJsonValue(QString::fromStdString(name));
}

QJsonObject controlState(const ui::Control& c) {
    QJsonObject o{{"Left", c.left()},
                  {"Top", c.top()},
                  {"Width", c.width()},
                  {"Height", c.height()},
                  {"Visible", c.visible()}};
    switch (c.kind()) {
        case ui::Kind::Label:
            o["BackColor"] = c.backColor();
            o["ForeColor"] = c.foreColor();
            o["Caption"] = QString::fromStdString(c.caption());
            o["Bold"] = c.bold();
            o["Transparent"] = c.transparent();
            break;
        case ui::Kind::OptionButton:
            o["BackColor"] = c.backColor();
            o["ForeColor"] = c.foreColor();
            o["Caption"] = QString::fromStdString(c.caption());
            o["Value"] = c.value();
            o["Bold"] = c.bold();
            break;
        case ui::Kind::PictureBox:
            o["BackColor"] = c.backColor();
            o["Picture"] = pictureName(c);
            break;
        case ui::Kind::Image:
            o["Picture"] = pictureName(c);
            break;
        case ui::Kind::Frame:
            o["BackColor"] = c.backColor();
            break;
    }
    if (c.container()) o["Container"] = QString::fromStdString(c.container()->key());
    if (c.pictureMirrored()) o["Mirrored"] = true;
    return o;
}

QJsonArray fretArray(const theory::Frets& frets) {
    QJsonArray a;
    for (int f : frets) a.append(f);
    return a;
}

// "fingers" (lowest string first, 0 open or muted; null where no hand can
// hold the grip) and "barres" into an entry that has the grip's frets.
QJsonObject withFingering(QJsonObject entry, const theory::Frets& frets) {
    const auto fingering = theory::fingeringOf(frets);
    QJsonArray barres;
    if (fingering) {
        QJsonArray fingers;
        for (int f : fingering->fingers) fingers.append(f);
        entry["fingers"] = fingers;
        for (const theory::FingerBarre& b : fingering->barres)
            barres.append(QJsonObject{
                {"finger", b.finger}, {"fret", b.fret}, {"from", b.from}, {"to", b.to}});
    } else {
        entry["fingers"] = QJsonValue();
    }
    entry["barres"] = barres;
    return entry;
}

QJsonObject gripEntry(const theory::Frets& frets, bool atNut, const std::string& chord) {
    return withFingering(
        QJsonObject{{"picture", QString::fromStdString(images::gripPicture(frets, atNut))},
                    {"frets", fretArray(frets)},
                    {"chord", QString::fromStdString(chord)}},
        frets);
}

// Per root pitch (named by its first spelling among the root buttons), every
// grip of the chord in page order with its page and shown fret, and for the
// chord finder the grip beside the chord name.
// The name of a root pitch: its first spelling among the root buttons.
std::string rootName(int pitch) {
    for (const char* n : theory::Root_Names)
        if (theory::pitchOf(n) == pitch) return n;
    return {};
}

QJsonArray pageCells(const gallery::Pages& pages, int firstPage, const std::string& chord) {
    QJsonArray list;
    for (int page = firstPage; page <= pages.count(); ++page)
        for (const theory::GalleryCell& cell : pages.cellsOf(page)) {
            QJsonObject entry = gripEntry(cell.frets, cell.atNut(), chord);
            // The first page's pictures come from the library, a later page's are drawn.
            if (page > 1)
                entry["picture"] =
                    QString::fromStdString(std::string(images::kBuiltinPrefix) +
                                           images::gripPicture(cell.frets, cell.atNut()));
            entry["fret"] = cell.fret;
            entry["page"] = page;
            list.append(entry);
        }
    return list;
}

// Per root pitch, every grip of the chord in page order with its page and
// shown fret, and for the chord finder the grip beside the chord name.
QJsonObject galleriesOf(const theory::ChordType& type, bool finder, const theory::Tuning& tuning) {
    const int cells = finder ? chords::kPennatoneCells : chords::kKeyCells;
    QJsonObject roots;
    for (int pitch = 0; pitch < 12; ++pitch) {
        const std::string name = rootName(pitch);
        const std::string chord = name + " " + type.key;
        const gallery::Pages pages(theory::rankedGrips(tuning, type, pitch), cells);
        QJsonObject gallery{{"cells", pageCells(pages, 1, chord)}};
        if (finder)
            if (auto grip = theory::rootGrip(tuning, type, pitch))
                gallery["rootDiagram"] = gripEntry(*grip, true, chord);
        roots[QString::fromStdString(name)] = gallery;
    }
    return roots;
}

// A set the chord finder is given, per root: the pages after it, which hold
// the chord's grips the set lacks.
QJsonObject laterPagesOf(const theory::DiagramSet& set) {
    const theory::ChordType& type = *theory::chordTypeByKey(set.chordType);
    QJsonObject roots;
    for (int pitch = 0; pitch < 12; ++pitch) {
        std::vector<theory::Frets> shown;
        const int shift = (pitch - theory::pitchOf(set.chordRoot) + 12) % 12;
        for (const theory::Frets& shape : set.shapes)
            shown.push_back(gallery::shiftedShape(shape, shift));
        const gallery::Pages pages(theory::rankedGrips(theory::standardTuning(), type, pitch),
                                   shown, chords::kPennatoneCells);
        const std::string name = rootName(pitch);
        roots[QString::fromStdString(name)] =
            QJsonObject{{"cells", pageCells(pages, 2, name + " " + type.key)}};
    }
    return roots;
}

}  // namespace

QJsonObject windowState(const ui::DemoWindow& window, const ui::MemoryClipboard& clipboard,
                        const std::vector<std::string>& errors) {
    QJsonObject controls;
    for (const auto& c : window.controls())
        controls[QString::fromStdString(c->key())] = controlState(*c);
    const ui::WindowFrame& f = window.frame();
    QJsonValue clip;
    if (clipboard.content()) {
        QJsonArray formats;
        for (int code : clipboard.formats()) formats.append(code);
        clip = QJsonObject{{"picture", QString::fromStdString(clipboard.content()->name)},
                           {"formats", formats}};
    }
    QJsonValue played;
    if (const auto& p = window.played()) {
        QJsonArray midi;
        for (int note : p->midi) midi.append(note);
        played = QJsonObject{{"source", QString::fromStdString(p->source)}, {"midi", midi}};
    }
    // "Name a chord": null outside the mode.
    QJsonValue marks, named;
    if (const auto& m = window.marks()) {
        QJsonArray frets;
        for (int f : *m) frets.append(f < 0 ? QJsonValue() : QJsonValue(f));
        marks = frets;
        QJsonArray names;
        for (const theory::NamedEntry& e : theory::namedEntries(window.naming(), window.speller()))
            names.append(QJsonObject{
                {"text", QString::fromStdString(e.text)},
                {"root", QString::fromStdString(e.root)},
                {"type", QString::fromStdString(e.type)},
                {"bass", e.bass ? QJsonValue(QString::fromStdString(*e.bass)) : QJsonValue()}});
        named = names;
    }
    QJsonArray errorList;
    for (const auto& e : errors) errorList.append(QString::fromStdString(e));
    const gallery::Pages& pages = window.galleryPages();
    return QJsonObject{
        {"program", QString::fromStdString(window.programName())},
        {"window",
         QJsonObject{{"Left", f.Left}, {"Top", f.Top}, {"Width", f.Width}, {"Height", f.Height}}},
        {"variables", window.variables()},
        {"controls", controls},
        {"clipboard", clip},
        {"errors", errorList},
        {"exited", window.exited()},
        {"settings", ui::settingsJson(window.settings())},
        {"marks", marks},
        {"named", named},
        {"played", played},
        {"gallery", QJsonObject{{"page", pages.count() == 0 ? 0 : window.galleryPage()},
                                {"pages", pages.count()},
                                {"grips", pages.grips()}}},
    };
}

QJsonObject catalog(const theory::Tuning& tuning, const std::string& onlyType) {
    const bool standard = tuning.midi == theory::standardTuning().midi;
    QJsonObject sets;
    const auto chosen = [&](const std::string& dir, const char* key, bool finder) {
        if (!onlyType.empty() && onlyType != key) return;
        sets[QString::fromStdString(dir)] =
            QJsonObject{{"chordType", key},
                        {"pictures", QJsonArray()},
                        {"galleries", galleriesOf(*theory::chordTypeByKey(key), finder, tuning)}};
    };
    for (const chords::PennatoneType& t : chords::pennatoneTypes())
        if (!theory::diagramSet(t.dir)) chosen(t.dir, t.key, true);
    for (const chords::KeyChord& row : chords::keyChords())
        if (!theory::diagramSet(row.dir)) chosen(row.dir, row.Chord_Type, false);
    for (const theory::DiagramSet& set : theory::diagramSets()) {
        if (!onlyType.empty() && onlyType != set.chordType) continue;
        // The given sets sound their chords in standard tuning only; in any
        // other the window chooses their galleries per root too.
        if (!standard && theory::chordTypeByKey(set.chordType)) {
            bool finder = false;
            for (const chords::PennatoneType& t : chords::pennatoneTypes())
                finder |= t.dir == set.dir;
            chosen(set.dir, set.chordType, finder);
            continue;
        }
        const std::string chord = std::string(set.chordRoot) + " " + set.chordType;
        QJsonArray pictures;
        int n = 1;
        for (const theory::Frets& shape : set.shapes)
            pictures.append(withFingering(QJsonObject{{"picture", QString("%1.bmp").arg(n++)},
                                                      {"frets", fretArray(shape)},
                                                      {"chord", QString::fromStdString(chord)}},
                                          shape));
        for (const theory::RootDiagram& d : set.rootDiagrams)
            pictures.append(withFingering(
                QJsonObject{
                    {"picture", QString("%1.bmp").arg(d.root)},
                    {"frets", fretArray(d.frets)},
                    {"chord", QString::fromStdString(std::string(d.root) + " " + set.chordType)}},
                d.frets));
        QJsonObject entry{
            {"chordType", set.chordType}, {"root", set.chordRoot}, {"pictures", pictures}};
        for (const chords::PennatoneType& t : chords::pennatoneTypes())
            if (t.dir == set.dir) entry["galleries"] = laterPagesOf(set);
        sets[set.dir] = entry;
    }
    return sets;
}

}  // namespace driver

namespace driver {

std::optional<theory::Frets> parseGrip(const std::string& text) {
    std::vector<std::string> words;
    if (text.find(',') != std::string::npos) {
        std::string word;
        for (char c : text + ",") {
            if (c != ',') {
                word += c;
                continue;
            }
            words.push_back(word);
            word.clear();
        }
    } else {
        for (char c : text) words.emplace_back(1, c);
    }
    if (words.size() != 6) return std::nullopt;
    theory::Frets frets{};
    for (std::size_t s = 0; s < 6; ++s) {
        const std::string& w = words[s];
        if (w == "x" || w == "X") {
            frets[s] = -1;
            continue;
        }
        if (w.empty() || w.size() > 2 || w.find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        frets[s] = std::stoi(w);
        if (frets[s] > theory::kLastFret) return std::nullopt;
    }
    return frets;
}

QJsonArray fingerings(const std::vector<theory::Frets>& grips) {
    QJsonArray all;
    for (const theory::Frets& frets : grips)
        all.append(withFingering(QJsonObject{{"frets", fretArray(frets)}}, frets));
    return all;
}

QJsonObject tunings() {
    QJsonObject all;
    for (const theory::Tuning& t : theory::kTunings) {
        QJsonArray midi;
        for (int m : t.midi) midi.append(m);
        all[t.key] = QJsonObject{{"name", QString::fromUtf8(t.name)}, {"midi", midi}};
    }
    return all;
}

}  // namespace driver
