#include "app/catalogue_file.h"

#include "platform/platform.h"
#include "platform/utf8.h"

namespace roster {

std::optional<SkillCatalogue> LoadSkillCatalogueFile(const std::string& name, std::string* error) {
  const std::optional<std::string> bytes = ReadFileBytes(name, error);
  if (!bytes) return std::nullopt;
  SkillCatalogue catalogue;
  catalogue.LoadText(*bytes);
  return catalogue;
}

std::optional<SkillCatalogue> LoadSkillCatalogue() {
  for (const std::string& name : NativeFileNames(Utf8Bytes(kCatalogueFileName))) {
    if (std::optional<SkillCatalogue> catalogue = LoadSkillCatalogueFile(name)) return catalogue;
  }
  return std::nullopt;
}

}  // namespace roster
