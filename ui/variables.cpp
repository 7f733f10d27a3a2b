// The window variables as JSON: texts as strings, integers as numbers, empty as
// null, control references by name, lists as arrays.
#include <QJsonArray>

#include "ui/lyrafret_demo.h"
#include "ui/pennatone_demo.h"

namespace ui {

namespace {

QJsonValue text(const std::string& s) {
    return QString::fromStdString(s);
}
QJsonValue dynamicText(const std::string& s) {
    return s.empty() ? QJsonValue() : text(s);
}
QJsonValue number(const std::optional<int>& v) {
    return v ? QJsonValue(*v) : QJsonValue();
}
QJsonValue ref(const Control* c) {
    return c ? text(c->key()) : QJsonValue();
}

QJsonValue texts(const std::vector<std::string>& list) {
    if (list.empty()) return QJsonValue();
    QJsonArray a;
    for (const auto& s : list) a.append(text(s));
    return a;
}
QJsonValue refs(const std::vector<Control*>& list) {
    if (list.empty()) return QJsonValue();
    QJsonArray a;
    for (const Control* c : list) a.append(ref(c));
    return a;
}
QJsonValue numbers(const std::vector<int>& list) {
    if (list.empty()) return QJsonValue();
    QJsonArray a;
    for (int v : list) a.append(v);
    return a;
}

}  // namespace

QJsonObject DemoWindow::commonVariables() const {
    QJsonObject v;
    v["Chord_Type"] = text(Chord_Type);
    v["dir"] = text(dir);
    v["position"] = text(position);
    v["Scales"] = Scales ? QJsonValue(texts(*Scales).toArray()) : QJsonValue();
    v["Current_Scale"] = texts(Current_Scale);
    v["Current_Scale_2"] = texts(Current_Scale_2);
    v["Notes"] = refs(Notes);
    v["Chord_Number"] = number(Chord_Number);
    v["Make"] = QJsonValue();
    v["ula"] = texts(ula);
    v["cs"] = texts(cs);
    v["tnt"] = refs(tnt);
    v["cnc"] = numbers(cnc);
    v["LineNumber"] = dynamicText(LineNumber);
    v["Typer"] = number(Typer);
    v["Baser"] = number(Baser);
    v["K"] = text(K);
    v["Program_Folder"] = text(Program_Folder);
    v["Folder_13"] = text(Folder_13);
    v["Folder_17"] = text(Folder_17);
    v["Folder_12"] = text(Folder_12);
    return v;
}

QJsonObject DemoWindow::variables() const {
    return commonVariables();
}

QJsonObject PennatoneDemo::variables() const {
    QJsonObject v = commonVariables();
    v["extra"] = QJsonValue();
    return v;
}

QJsonObject LyrafretDemo::variables() const {
    QJsonObject v = commonVariables();
    v["Keyer"] = number(Keyer);
    return v;
}

}  // namespace ui
