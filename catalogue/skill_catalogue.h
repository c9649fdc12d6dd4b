// The skill catalogue: the ordered skills that give the report header its
// columns and the sort-key list its skill entries. A row's position is the
// index of its level in a character's skill levels.
//
// A plain value: its owner (the window, or roster-extract) reads the file
// "Database\技能.txt" once and passes the catalogue to whatever needs it.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "catalogue/skill_data.h"

namespace roster {

class SkillCatalogue {
 public:
  // Appends one row per line of a catalogue file's contents: lines end at
  // "\n", a trailing "\r" is dropped and empty lines are skipped. A line
  // that is no NAME,HEADING:NOTE row (no "," before its first ":") still
  // takes its place, with an empty heading, since a row's place is its
  // skill column; such lines are counted.
  struct NonRows {
    std::size_t count = 0;
    std::size_t firstLine = 0;  // from 1
  };
  NonRows LoadText(std::string_view text);

  void Append(const SkillData& row);

  // All rows, in order; valid as long as the catalogue is not changed.
  const std::vector<SkillData>& Rows() const { return rows_; }

 private:
  std::vector<SkillData> rows_;
};

}  // namespace roster
