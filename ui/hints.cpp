// What each control tells a user who hovers it or reads the window with a
// screen reader, and the keys that stand for the arrows and "Clear".
#include "ui/hints.h"

#include <cctype>

#include "chords/key_tables.h"
#include "theory/chord_types.h"
#include "theory/note_names.h"
#include "theory/notes.h"
#include "ui/lyrafret_demo.h"
#include "ui/pennatone_demo.h"

namespace ui {

namespace {

struct StringMask {
    const char* suffix;
    const char* text;
};
constexpr StringMask kStringMasks[] = {
    {"Low_E", "Mask the low E string"}, {"A", "Mask the A string"},
    {"D", "Mask the D string"},         {"G", "Mask the G string"},
    {"B", "Mask the B string"},         {"High_E", "Mask the high E string"}};

// The stem of a picture name: "img/demo/13/5.bmp" -> "5".
std::string stem(const std::string& name) {
    const std::size_t slash = name.find_last_of('/');
    std::string s = name.substr(slash == std::string::npos ? 0 : slash + 1);
    return s.substr(0, s.find('.'));
}

bool isNumber(const std::string& s) {
    if (s.empty()) return false;
    for (char ch : s)
        if (!std::isdigit(static_cast<unsigned char>(ch))) return false;
    return true;
}

// "Major" and "Minor" read as words; the other captions are symbols.
std::string spokenType(const std::string& caption) {
    if (caption == "Major" || caption == "Minor") {
        std::string s = caption;
        s[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(s[0])));
        return s;
    }
    return caption;
}

}  // namespace

std::string DemoWindow::shownNote(const std::string& spelling) const {
    const std::string shown = theory::shownName(spelling, settings().names);
    return shown.empty() ? spelling : shown;
}

std::string HintsPart::toolTip(const Control& c) const {
    if (!c.clickable()) return {};
    const std::string& n = c.name();
    if (n == "Chord_Display" || n == "FretDisplay") {
        const std::string page = m_window.m_gallery.pageWords();
        const std::string what =
            n == "Chord_Display" ? "Copy this diagram" : "Copy this fret number";
        return page.empty() || c.index() == 18 ? what : what + " (" + page + ")";
    }
    if (n == "Page_Prev") return "Previous page of diagrams (Page Up)";
    if (n == "Page_Next") return "Next page of diagrams (Page Down)";
    if (n == "Clear_Me")
        return m_window.marks() ? "Clear: start again with no chord and no marks"
                                : "Clear: start again with no chord";
    if (n == "Clear_Masks") return "Remove every mask";
    if (n == "Clear_Fretboard")
        return m_window.marks() ? "Hide the notes and the marks on the fretboard"
                                : "Hide the notes on the fretboard";
    if (n == "Options") return "Options: left-handed neck, note names";
    if (n.rfind("Select_", 0) == 0) return "Show the notes of " + m_window.shownNote(n.substr(7));
    if (n.rfind("Mask_", 0) == 0) {
        const std::string suffix = n.substr(5);
        if (suffix == "0") return "Mask the open strings";
        if (isNumber(suffix)) return "Mask fret " + suffix;
        for (const StringMask& m : kStringMasks)
            if (suffix == m.suffix) return m.text;
    }
    if (std::string naming = m_window.m_namingPart.toolTip(c); !naming.empty()) return naming;
    return m_window.ownToolTip(c);
}

std::string HintsPart::accessibleName(const Control& c) const {
    if (c.name() == "Chord_Display") {
        const int shown = c.index() + 1;
        if (c.pictureName().empty()) return "Empty diagram " + std::to_string(shown);
        std::string text = m_window.chordName();
        text += (text.empty() ? "" : ", ") + std::string("diagram ") + std::to_string(shown);
        if (m_window.FretDisplay.has(c.index())) {
            const std::string fret = stem(m_window.FretDisplay(c.index()).pictureName());
            if (isNumber(fret)) text += ", fret " + fret;
        }
        if (const std::string page = m_window.m_gallery.pageWords();
            !page.empty() && c.index() != 18)
            text += ", " + page;
        return text;
    }
    if (c.kind() == Kind::OptionButton && !c.caption().empty() && c.caption() != " ")
        return c.caption();
    if (c.name() == "Gallery_Note") return m_window.m_gallery.note();
    if (c.name() == "Page_Number") {
        const std::string page = m_window.m_gallery.pageWords();
        return page.empty() ? std::string() : "Diagrams, " + page;
    }
    // The names and why there is none read as they are shown.
    if (c.name() == "Chord_Name" || c.name() == "Name_Report") return c.caption();
    return toolTip(c);
}

// --- PennatoneDemo -------------------------------------------------------------------

std::string PennatoneDemo::ownToolTip(const Control& c) const {
    const std::string& n = c.name();
    if (n == "Base") return "Chords with the root " + shownNote(theory::Root_Names[c.index()]);
    if (n == "Ty")
        return c.index() < 53 ? "Chord type " + std::string(theory::kChordTypes[c.index()].caption)
                              : "No chord type";
    if (n == "Baseup") return "Next root";
    if (n == "Basedown") return "Previous root";
    if (n == "TypeUp") return "Next chord type";
    if (n == "TypeDown") return "Previous chord type";
    if (n == "close_me") return "Exit";
    if (n == "size") {
        static constexpr const char* kSizes[] = {
            "Narrow size: without the fretboard", "Shorter size: without the fretboard",
            "Small size: diagrams and reports", "Compact size: diagrams only",
            "Full size: with the fretboard"};
        return kSizes[c.index()];
    }
    return {};
}

std::string PennatoneDemo::chordName() const {
    if (K == "Null" || !Typer || *Typer >= 53) return {};
    return shownNote(K) + " " + spokenType(theory::kChordTypes[*Typer].caption);
}

Control* PennatoneDemo::keyTarget(StepKey key) const {
    switch (key) {
        case StepKey::Left:
            return Basedown;
        case StepKey::Right:
            return Baseup;
        case StepKey::Up:
            return TypeUp;
        case StepKey::Down:
            return TypeDown;
        case StepKey::Escape:
            return Clear_Me;
        case StepKey::PageUp:
            return pageArrow(-1);
        case StepKey::PageDown:
            return pageArrow(1);
    }
    return nullptr;
}

// --- LyrafretDemo --------------------------------------------------------------------

std::string LyrafretDemo::ownToolTip(const Control& c) const {
    const std::string& n = c.name();
    if (n == "Key_C")
        return "The chords of the key of " + shownNote(chords::Key_Table[c.index()].K);
    if (n == "key") {
        const char* caption = chords::kKeyCaptions[c.index()];
        return c.index() == kNeutralOption || !caption
                   ? "No chord"
                   : "Show the " + std::string(caption) + " chord";
    }
    if (n == "KeyUp") return "Next key";
    if (n == "KeyDown") return "Previous key";
    if (n == "ScaleUp") return "Next degree of the key";
    if (n == "ScaleDown") return "Previous degree of the key";
    if (n == "TypeUp") return "Next chord of this degree";
    if (n == "TypeDown") return "Previous chord of this degree";
    if (n == "Exit_Me") return "Exit";
    if (n == "size") {
        static constexpr const char* kSizes[] = {
            "Full size: with the fretboard",           "Narrow size: without the fretboard",
            "Shorter size: without the fretboard",     "Small size: diagrams and reports",
            "Smaller size: diagrams and fret numbers", "Compact size: diagrams only"};
        return kSizes[c.index()];
    }
    return {};
}

std::string LyrafretDemo::chordName() const {
    if (K == "Null" || !Keyer || Current_Scale.empty()) return {};
    const char* caption = chords::kKeyCaptions[*Keyer];
    if (!caption || *Keyer == kNeutralOption) return {};
    return shownNote(Current_Scale[0]) + " " + spokenType(caption);
}

Control* LyrafretDemo::keyTarget(StepKey key) const {
    switch (key) {
        case StepKey::Left:
            return KeyDown;
        case StepKey::Right:
            return KeyUp;
        case StepKey::Up:
            return ScaleUp;
        case StepKey::Down:
            return ScaleDown;
        case StepKey::Escape:
            return Clear_Me;
        case StepKey::PageUp:
            return pageArrow(-1);
        case StepKey::PageDown:
            return pageArrow(1);
    }
    return nullptr;
}

}  // namespace ui
