#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace theory {

// How the programs show a note: the player's own naming, never the internal
// spelling ("Cs", "Bb") that file stems and window variables keep.
enum class NameSystem { English, German, Solfege };

inline constexpr NameSystem kNameSystems[] = {NameSystem::English, NameSystem::German,
                                              NameSystem::Solfege};

// "english", "german", "solfege": the settings value and the option's word.
std::string_view nameSystemKey(NameSystem system);
std::optional<NameSystem> nameSystemFromKey(std::string_view key);

// Shown name of one of the seventeen spellings, in UTF-8 ("Cs" -> "C♯",
// German "B" -> "H", "Bb" -> "B", Solfège "Gs" -> "Sol♯"); empty for any other text.
std::string shownName(std::string_view spelling, NameSystem system);

}  // namespace theory
