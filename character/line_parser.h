// One pasted line parsed in two steps: its name first, which is all the
// extraction needs to decide whether the line's character is kept, then the
// rest of the record, only for the lines that are kept.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "character/character_data.h"

namespace roster {

class LineParser {
 public:
  explicit LineParser(std::string_view line);

  // The name the line gives: empty for a line of fewer than six cells, a
  // header line, or a name cell of spaces only.
  const std::string& Name() const { return name_; }

  // Fills `character` from the line, as CharacterData::ParseLine does, its
  // fields in `arena` when one is given; a rejected line leaves it unchanged.
  void Fill(CharacterData& character, FieldArena* arena = nullptr);

  // Whether a line without a name was never meant as a character: it is
  // blank (spaces and tabs at most) or a header (its name cell holds
  // 「名前」, whatever follows). Any other line without a name is one that
  // could not be read.
  bool IsBlankOrHeader() const;

 private:
  static constexpr std::size_t kFirstCells = 6;

  std::optional<std::string_view> NextCell();

  std::string_view line_;
  std::size_t pos_ = 0;   // where the cell after the last one read starts
  bool done_ = false;     // the last cell has been read
  bool accepted_ = false;
  std::array<std::string_view, kFirstCells> first_;
  std::size_t nextIndex_ = 2;  // the cell that Fill reads next
  std::string name_;
};

}  // namespace roster
