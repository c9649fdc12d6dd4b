#include "reader/catalogue_file.h"

#include <algorithm>

#include "reader/unconverted.h"
#include "encoding/encoding.h"
#include "platform/platform.h"
#include "encoding/utf8.h"

namespace roster {

std::optional<SkillCatalogue> LoadSkillCatalogueFile(const std::string& name, std::string* error) {
  const std::optional<std::string> bytes = ReadFileBytes(name, error);
  if (!bytes) return std::nullopt;
  ConversionLoss loss;
  const TextForm form = DetectTextForm(*bytes);
  const std::string text = Cp932FromText(*bytes, form, &loss);
  if (loss.count > 0) {
    if (error) {
      std::size_t line = 0;
      const std::string what = DescribeLoss(*bytes, form, loss.firstAt, &line);
      *error = "line " + std::to_string(line) + ": " + what;
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
  search.workingFolder = WorkingFolder();
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
