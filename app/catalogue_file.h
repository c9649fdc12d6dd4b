// The skill catalogue read from its file, by its owner: the window when its
// dialog opens, roster-extract before its run.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/skill_catalogue.h"

namespace roster {

// "Database\技能.txt" below the working directory.
inline constexpr std::u8string_view kCatalogueFileName = u8"Database/技能.txt";

// The catalogue in the file `name` (a file name as the platform takes it);
// nothing, with `error` (when given) the reason, when it cannot be read.
std::optional<SkillCatalogue> LoadSkillCatalogueFile(const std::string& name, std::string* error = nullptr);

// The catalogue file below the working directory, under the first of its
// names that opens; nothing when there is none.
std::optional<SkillCatalogue> LoadSkillCatalogue();

}  // namespace roster
