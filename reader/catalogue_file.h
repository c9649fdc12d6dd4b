// The skill catalogue read from its file, by its owner: the window when its
// dialog opens, roster-extract before its run. The file may be written in
// CP932, UTF-8 or UTF-16 (the one detector of the platform decides).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/skill_catalogue.h"
#include "encoding/utf8.h"

namespace roster {

// "Database\技能.txt": below the working directory, or beside the program.
inline constexpr std::u8string_view kCatalogueFileName = u8"Database/技能.txt";
// In an installed data folder: "roster/技能.txt".
inline constexpr std::u8string_view kInstalledCatalogueName = u8"roster/技能.txt";

// The catalogue in the file `name` (a file name as the platform takes it),
// read by the one reader, with the lines that are no rows in `nonRows`;
// nothing, with `error` (when given) the reason, when it cannot be read, is
// no text the reader takes (doubtful, a NUL), holds characters without a
// CP932 form or has lines but no row.
std::optional<SkillCatalogue> LoadSkillCatalogueFile(const std::string& name, std::string* error = nullptr,
                                                     SkillCatalogue::NonRows* nonRows = nullptr);

// "3 lines are not 名前,見出し:説明 rows, the first at line 4" (UTF-8).
std::string DescribeNonRows(const SkillCatalogue::NonRows& nonRows);

// The catalogue where a user expects it: Database/技能.txt below the working
// directory, then beside the program, then in an installed data folder
// (roster/技能.txt under each of DataFolders()).
struct CatalogueSearch {
  std::optional<SkillCatalogue> catalogue;  // the first that reads
  std::string file;                        // where it was read, as the platform names it
  std::vector<std::string> looked;         // every place tried, in order, up to the one found
  std::vector<std::string> problems;       // "PLACE: reason" for files that could not be used, found or not
  std::string workingFolder;               // what the first place is below, for a person to find it
  SkillCatalogue::NonRows nonRows;         // of the one found

  // Whether `place` is the one below the working folder, which a person
  // finds by that folder.
  static bool IsBelowWorkingFolder(std::string_view place) { return place == Utf8Bytes(kCatalogueFileName); }
};
CatalogueSearch FindSkillCatalogue();

}  // namespace roster
