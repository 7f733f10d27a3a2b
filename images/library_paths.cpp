#include "images/library_paths.h"

#include <array>

namespace images {

namespace {

constexpr std::string_view kBuiltin = "builtin:";
constexpr std::string_view kLeft = "left/";
constexpr std::array<std::string_view, 5> kNamedArtwork{"root_", "key_", "select_", "note_",
                                                        "keyoverlay_"};
constexpr std::array<std::string_view, 2> kNeckArtwork{"note_", "keyoverlay_"};

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

template <std::size_t N>
bool hasPrefixFrom(std::string_view s, const std::array<std::string_view, N>& prefixes) {
    for (std::string_view p : prefixes)
        if (startsWith(s, p)) return true;
    return false;
}

// Drops a leading "german/" or "solfege/".
std::string_view withoutSystem(std::string_view s) {
    for (theory::NameSystem system : theory::kNameSystems) {
        const std::string dir = systemFolder(system);
        if (!dir.empty() && startsWith(s, dir)) return s.substr(dir.size());
    }
    return s;
}

}  // namespace

std::string systemFolder(theory::NameSystem system) {
    if (system == theory::NameSystem::English) return "";
    return std::string(theory::nameSystemKey(system)) + "/";
}

bool showsNoteNames(std::string_view sub) {
    return sub == sub::kNotes || sub == sub::kChosenButtons || sub == sub::kButtons ||
           sub == sub::kLargeNotes;
}

std::string noteFolder(const std::string& programFolder, const std::string& sub,
                       theory::NameSystem system) {
    return folder(programFolder, systemFolder(system) + sub);
}

std::string artworkName(std::string_view base, theory::NameSystem system, bool leftHanded) {
    const bool neck = leftHanded && hasPrefixFrom(base, kNeckArtwork);
    return systemFolder(system) + (neck ? std::string(kLeft) : std::string()) + std::string(base);
}

std::string pictureFor(std::string_view pictureName, theory::NameSystem system, bool leftHanded) {
    if (startsWith(pictureName, kBuiltin)) {
        std::string_view base = withoutSystem(pictureName.substr(kBuiltin.size()));
        if (startsWith(base, kLeft)) base.remove_prefix(kLeft.size());
        if (!hasPrefixFrom(base, kNamedArtwork)) return std::string(pictureName);
        return std::string(kBuiltin) + artworkName(base, system, leftHanded);
    }
    if (startsWith(pictureName, kLibraryRoot)) {
        const std::string_view rest = withoutSystem(pictureName.substr(kLibraryRoot.size()));
        const auto slash = rest.find('/');
        if (slash == std::string_view::npos || !showsNoteNames(rest.substr(0, slash)))
            return std::string(pictureName);
        return std::string(kLibraryRoot) + systemFolder(system) + std::string(rest);
    }
    return std::string(pictureName);
}

}  // namespace images
