// One pasted line parsed in two steps: its name first, which is all the
// extraction needs to decide whether the line's character is kept, then the
// rest of the record, only for the lines that are kept.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "character/character_data.h"
#include "text/space_runs.h"

namespace roster {

class LineParser {
 public:
  explicit LineParser(std::string_view line);

  // The name the line gives: empty for a line of fewer than six cells, a
  // header line, or a name cell of spaces only.
  const std::string& Name() const { return name_; }

  // Gives `fields` the fields of the line, as CharacterData::ParseLine reads
  // them; false, leaving `fields` as it was, for a rejected line. The texts
  // are views into the line and into this parser, valid while both live.
  bool Fill(CharacterData::Builder& fields);

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
  TailItems tail_;  // what the remarks may be a view of
};

}  // namespace roster
