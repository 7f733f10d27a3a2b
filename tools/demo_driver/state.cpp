#include "tools/demo_driver/state.h"

#include <QJsonArray>

#include "theory/notes.h"
#include "theory/voicings.h"

namespace driver {

namespace {

QJsonValue pictureName(const ui::Control& c) {
    const std::string& name = c.picture().name;
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
    if (c.picture().mirrored) o["Mirrored"] = true;
    return o;
}

QJsonArray fretArray(const theory::Frets& frets) {
    QJsonArray a;
    for (int f : frets) a.append(f);
    return a;
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
    QJsonArray errorList;
    for (const auto& e : errors) errorList.append(QString::fromStdString(e));
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
    };
}

QJsonObject catalog() {
    QJsonObject sets;
    for (const theory::DiagramSet& set : theory::diagramSets()) {
        const std::string chord = std::string(set.chordRoot) + " " + set.chordType;
        QJsonArray pictures;
        int n = 1;
        for (const theory::Frets& shape : set.shapes)
            pictures.append(QJsonObject{{"picture", QString("%1.bmp").arg(n++)},
                                        {"frets", fretArray(shape)},
                                        {"chord", QString::fromStdString(chord)}});
        for (const theory::RootDiagram& d : set.rootDiagrams)
            pictures.append(QJsonObject{
                {"picture", QString("%1.bmp").arg(d.root)},
                {"frets", fretArray(d.frets)},
                {"chord", QString::fromStdString(std::string(d.root) + " " + set.chordType)}});
        sets[set.dir] = QJsonObject{
            {"chordType", set.chordType}, {"root", set.chordRoot}, {"pictures", pictures}};
    }
    return sets;
}

}  // namespace driver
