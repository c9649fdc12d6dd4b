// The skill catalogue: the ordered skills that give the report header its
// columns and the sort-key list its skill entries. A row's position is the
// index of its level in a character's skill levels.
//
// The tool keeps one catalogue for the life of the process, loaded once from
// "Database\技能.txt" below the working directory; functions that only need
// a catalogue take one as an argument, so tests can make their own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/skill_data.h"

namespace roster {

class SkillCatalogue {
 public:
  // Appends one row per line of the file at `path` (bytes of a file name:
  // UTF-8 or CP932 on Linux, CP932 on Windows). Lines end at "\n", a
  // trailing "\r" is dropped and empty lines are skipped. Returns false, and
  // leaves the rows as they were, when the file cannot be opened.
  bool LoadFile(std::string path);

  // Appends the rows of a catalogue file's contents.
  void LoadText(std::string_view text);

  void Append(const SkillData& row);

  // A copy of all rows, in order.
  std::vector<SkillData> Rows() const { return rows_; }

  // The rows without a copy, for readers that run often (the sort, the key
  // list); valid as long as the catalogue is not changed.
  const std::vector<SkillData>& View() const { return rows_; }

 private:
  std::vector<SkillData> rows_;
};

// The process-wide catalogue, empty until LoadSkillCatalogue.
SkillCatalogue& ProcessSkillCatalogue();

// The catalogue file below the working directory: "Database\技能.txt" on
// Windows; on Linux "Database/技能.txt" with a UTF-8 name, else with the
// CP932 bytes of the name (as unpacked from a Windows archive).
std::vector<std::string> DefaultCatalogueFileNames();

// Loads the first of DefaultCatalogueFileNames that opens into the process
// catalogue; false (an empty catalogue) when none does.
bool LoadSkillCatalogue();

}  // namespace roster
