#include "app/catalogue_file.h"

#include <algorithm>

#include "platform/platform.h"
#include "platform/utf8.h"

namespace roster {

std::optional<SkillCatalogue> LoadSkillCatalogueFile(const std::string& name, std::string* error) {
  const std::optional<std::string> bytes = ReadFileBytes(name, error);
  if (!bytes) return std::nullopt;
  ConversionLoss loss;
  const std::string text = Cp932FromText(*bytes, DetectTextForm(*bytes), &loss);
  if (loss.count > 0) {
    if (error) {
      const auto line = std::count(bytes->begin(), bytes->begin() + static_cast<long>(loss.firstAt), '\n') + 1;
      *error = std::to_string(loss.count) + " character" + (loss.count == 1 ? "" : "s") +
               " without a Shift_JIS (CP932) form, the first on line " + std::to_string(line);
    }
    return std::nullopt;
  }
  SkillCatalogue catalogue;
  catalogue.LoadText(text);
  return catalogue;
}

CatalogueSearch FindSkillCatalogue() {
  const std::string below(Utf8Bytes(kCatalogueFileName));
  std::vector<std::string> places = {below};
  if (const std::string folder = ExecutableFolder(); !folder.empty()) places.push_back(folder + below);
  for (const std::string& folder : DataFolders()) places.push_back(folder + std::string(Utf8Bytes(kInstalledCatalogueName)));
  CatalogueSearch search;
  for (const std::string& place : places) {
    search.looked.push_back(place);
    // Under the name as written, or as a Windows archive unpacks it.
    for (const std::string& name : NativeFileNames(place)) {
      if (!FileExists(name)) continue;
      std::string reason;
      if (std::optional<SkillCatalogue> catalogue = LoadSkillCatalogueFile(name, &reason)) {
        search.catalogue = std::move(catalogue);
        search.file = name;
        return search;
      }
      search.problems.push_back(place + ": " + reason);
      break;
    }
  }
  return search;
}

}  // namespace roster
