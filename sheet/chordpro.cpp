#include "sheet/chordpro.h"

#include <QString>
#include <set>
#include <sstream>

namespace sheet {

namespace {

std::string uniqueName(const std::string& name, std::set<std::string>& taken) {
    std::string candidate = name.empty() ? "?" : name;
    for (int n = 2; taken.count(candidate) > 0; ++n)
        candidate = name + "(" + std::to_string(n) + ")";
    taken.insert(candidate);
    return candidate;
}

std::string defineOf(const Entry& entry, const std::string& name) {
    const int base = entry.fret > 0 ? entry.fret : 1;
    std::ostringstream line;
    line << "{define: " << name << " base-fret " << base << " frets";
    for (int f : entry.frets) {
        line << ' ';
        if (f < 0)
            line << 'x';
        else
            line << (f == 0 ? 0 : f - base + 1);
    }
    line << "}\n# fingers " << name;
    for (int finger : entry.fingers) line << ' ' << finger;
    line << '\n';
    return line.str();
}

// ASCII the way a ChordPro line can hold it; a name also loses spaces and brackets.
std::string asciiOf(const std::string& utf8, bool name) {
    QString text = QString::fromStdString(utf8);
    text.replace(QChar(0x266F), '#').replace(QChar(0x266D), 'b');
    text.replace(QChar(0x266E), QString());  // a natural sign changes nothing in a name
    // Accents come apart from their letters; the letters stay.
    const QString parts = text.normalized(QString::NormalizationForm_KD);
    std::string ascii;
    for (QChar c : parts) {
        const char16_t u = c.unicode();
        const bool bracket = u == '[' || u == ']' || u == '{' || u == '}';
        if (u >= 0x20 && u < 0x7F && !bracket && !(name && (u == ' ' || u == ':')))
            ascii += static_cast<char>(u);
    }
    return ascii;
}

}  // namespace

std::string asciiChordName(const std::string& utf8) {
    return asciiOf(utf8, true);
}

std::string chordProText(const Sheet& sheet) {
    std::ostringstream text;
    text << "{title: " << asciiOf(sheet.title.empty() ? "Chords" : sheet.title, false) << "}\n";
    std::set<std::string> taken;
    std::vector<std::string> names;
    for (const Entry& entry : sheet.entries) {
        names.push_back(uniqueName(asciiChordName(entry.name), taken));
        text << defineOf(entry, names.back());
    }
    const std::size_t perRow = static_cast<std::size_t>(std::max(sheet.perRow, kMinPerRow));
    for (std::size_t i = 0; i < names.size(); ++i)
        text << '[' << names[i] << ']'
             << (i % perRow == perRow - 1 || i + 1 == names.size() ? "\n" : " ");
    return text.str();
}

}  // namespace sheet
