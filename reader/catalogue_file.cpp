#include "reader/catalogue_file.h"

#include <algorithm>

#include "reader/text_reader.h"
#include "reader/unconverted.h"
#include "encoding/encoding.h"
#include "platform/platform.h"
#include "encoding/utf8.h"

namespace roster {

std::optional<SkillCatalogue> LoadSkillCatalogueFile(const std::string& name, std::string* error,
                                                     SkillCatalogue::NonRows* nonRows) {
  const std::optional<std::string> bytes = ReadFileBytes(name, error);
  if (!bytes) return std::nullopt;
  const TextReading reading = ReadText(*bytes);
  const auto fail = [&](std::string reason) -> std::optional<SkillCatalogue> {
    if (error) *error = std::move(reason);
    return std::nullopt;
  };
  if (reading.problem == TextProblem::kUtf8Line) return fail(reading.DescribeProblem());
  if (reading.problem != TextProblem::kNone) {
    return fail("line " + std::to_string(reading.problemLine) + ": " + reading.DescribeProblem());
  }
  if (reading.loss.count > 0) {
    std::size_t line = 0;
    const std::string what = DescribeLoss(*bytes, reading.form, reading.loss.firstAt, &line);
    return fail("line " + std::to_string(line) + ": " + what);
  }
  SkillCatalogue catalogue;
  const SkillCatalogue::NonRows lines = catalogue.LoadText(reading.Text(*bytes));
  if (lines.count > 0 && lines.count == catalogue.Rows().size()) {
    return fail(Utf8FromCp932("no line is a 名前,見出し:説明 row"));
  }
  if (nonRows) *nonRows = lines;
  return catalogue;
}

std::string DescribeNonRows(const SkillCatalogue::NonRows& nonRows) {
  const std::string row = Utf8FromCp932("名前,見出し:説明");
  if (nonRows.count == 1) return "line " + std::to_string(nonRows.firstLine) + " is not a " + row + " row";
  return std::to_string(nonRows.count) + " lines are not " + row + " rows, the first at line " +
         std::to_string(nonRows.firstLine);
}

CatalogueSearch FindSkillCatalogue() {
  const std::string below(Utf8Bytes(kCatalogueFileName));
  CatalogueSearch search;
  search.workingFolder = WorkingFolder();
  std::vector<std::string> places = {below};
  // Started in its own folder (a double-click), the program would name one
  // file twice.
  if (const std::string folder = ExecutableFolder(); !folder.empty() && folder != search.workingFolder) {
    places.push_back(folder + below);
  }
  for (const std::string& folder : DataFolders()) places.push_back(folder + std::string(Utf8Bytes(kInstalledCatalogueName)));
  for (const std::string& place : places) {
    search.looked.push_back(place);
    // Under the name as written, or as a Windows archive unpacks it.
    for (const std::string& name : NativeFileNames(place)) {
      if (!FileExists(name)) continue;
      std::string reason;
      if (std::optional<SkillCatalogue> catalogue = LoadSkillCatalogueFile(name, &reason, &search.nonRows)) {
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
