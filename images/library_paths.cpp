#include "images/library_paths.h"

#include <array>

namespace images {

namespace {

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

// Drops a leading "german/" or "solfege/", telling which it was.
std::string_view withoutSystem(std::string_view s, theory::NameSystem* found = nullptr) {
    for (theory::NameSystem system : theory::kNameSystems) {
        const std::string dir = systemFolder(system);
        if (!dir.empty() && startsWith(s, dir)) {
            if (found) *found = system;
            return s.substr(dir.size());
        }
    }
    if (found) *found = theory::NameSystem::English;
    return s;
}

// Drops a leading tuning key other than standard's, telling which it was.
std::string_view withoutTuning(std::string_view s, const theory::Tuning** found = nullptr) {
    for (const theory::Tuning& t : theory::kTunings) {
        const std::string_view key = t.key;
        if (&t != &theory::standardTuning() && startsWith(s, key) && s.size() > key.size() &&
            s[key.size()] == '/') {
            if (found) *found = &t;
            return s.substr(key.size() + 1);
        }
    }
    if (found) *found = &theory::standardTuning();
    return s;
}

bool isStandard(std::string_view tuningKey) {
    return tuningKey == theory::standardTuning().key;
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

std::string artworkName(std::string_view base, theory::NameSystem system, bool leftHanded,
                        std::string_view tuningKey) {
    const bool neck = hasPrefixFrom(base, kNeckArtwork);
    const std::string tuning =
        neck && !isStandard(tuningKey) ? std::string(tuningKey) + "/" : std::string();
    return tuning + systemFolder(system) +
           (neck && leftHanded ? std::string(kLeft) : std::string()) + std::string(base);
}

std::string pictureFor(std::string_view pictureName, theory::NameSystem system, bool leftHanded,
                       std::string_view tuningKey) {
    if (startsWith(pictureName, kBuiltinPrefix)) {
        std::string_view base =
            withoutSystem(withoutTuning(pictureName.substr(kBuiltinPrefix.size())));
        if (startsWith(base, kLeft)) base.remove_prefix(kLeft.size());
        if (!hasPrefixFrom(base, kNamedArtwork)) return std::string(pictureName);
        return std::string(kBuiltinPrefix) + artworkName(base, system, leftHanded, tuningKey);
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

std::optional<TunedOverlay> tunedOverlay(std::string_view artworkName) {
    TunedOverlay o{nullptr, theory::NameSystem::English, false, {}};
    std::string_view rest = withoutTuning(artworkName, &o.tuning);
    if (o.tuning == &theory::standardTuning()) return std::nullopt;
    rest = withoutSystem(rest, &o.system);
    o.leftHanded = startsWith(rest, kLeft);
    if (o.leftHanded) rest.remove_prefix(kLeft.size());
    if (!hasPrefixFrom(rest, kNeckArtwork)) return std::nullopt;
    o.base = std::string(rest);
    return o;
}

}  // namespace images
