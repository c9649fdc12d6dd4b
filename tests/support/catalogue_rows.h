// Catalogues for tests, built from (name, heading) pairs.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "catalogue/skill_catalogue.h"

namespace roster {

inline SkillCatalogue CatalogueOf(const std::vector<std::pair<std::string, std::string>>& rows) {
  SkillCatalogue catalogue;
  for (const auto& [name, heading] : rows) {
    SkillData row;
    row.name = name;
    row.heading = heading;
    catalogue.Append(row);
  }
  return catalogue;
}

}  // namespace roster
