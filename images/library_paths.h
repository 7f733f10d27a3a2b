#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "theory/note_names.h"
#include "theory/tunings.h"

namespace images {

// The image library, relative to the program folder, and its sub-folders by
// what they hold; the windows compose their paths from these and the
// generator writes the same ones.
inline constexpr std::string_view kLibraryRoot = "img/demo/";
// Picture names of artwork stored with the program start with this.
inline constexpr std::string_view kBuiltinPrefix = "builtin:";
namespace sub {
inline constexpr const char* kNotes = "12";        // report notes, formula symbols, boxed notes
inline constexpr const char* kFretNumbers = "13";  // and the blank chord box
inline constexpr const char* kChosenButtons = "15";
inline constexpr const char* kButtons = "16";
inline constexpr const char* kLargeNotes = "17";
inline constexpr const char* kTypeNames = "18";
inline constexpr const char* kTypeCaptions = "19";
}  // namespace sub

// Folders of the image library below the program folder. The separators of
// the stored folder texts are this platform's.
// Built front to back: GCC 12 at -O3 takes `"/" + string`, an insert at the
// front, for an overlapping copy (-Wrestrict).
inline const std::string kLibrary = std::string("/").append(kLibraryRoot);
inline std::string folder(const std::string& programFolder, const std::string& sub) {
    return programFolder + kLibrary + sub + "/";
}

// Pictures that show note names come once per name system: English in the
// library's own folders, the others in a folder of their own beside them
// ("img/demo/german/12/Bb.bmp"), with the same file stems.
std::string systemFolder(theory::NameSystem system);  // "", "german/", "solfege/"
bool showsNoteNames(std::string_view sub);            // "12", "15", "16", "17"
std::string noteFolder(const std::string& programFolder, const std::string& sub,
                       theory::NameSystem system);

// Built-in artwork with names on it follows the same scheme; the neck's
// overlays also come drawn for a left-handed neck, their text upright:
// "note_Bb", "german/note_Bb", "german/left/note_Bb". In any tuning but
// standard the neck's overlays are drawn when first shown, under a name that
// leads with the tuning's key: "dadgad/note_Bb", "open-g/german/left/keyoverlay_7".
std::string artworkName(std::string_view base, theory::NameSystem system, bool leftHanded,
                        std::string_view tuningKey);

// The picture name ("img/demo/12/Cs.bmp", "builtin:note_Cs") of the same
// picture for another name system, hand or tuning; any other name comes back
// unchanged.
std::string pictureFor(std::string_view pictureName, theory::NameSystem system, bool leftHanded,
                       std::string_view tuningKey);

// What the name of an overlay drawn for another tuning (without "builtin:")
// asks for; nothing for any other name.
struct TunedOverlay {
    const theory::Tuning* tuning;
    theory::NameSystem system;
    bool leftHanded;
    std::string base;  // "note_Bb", "keyoverlay_7"
};
std::optional<TunedOverlay> tunedOverlay(std::string_view artworkName);

}  // namespace images
