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

// What reading a line changed of what was typed, or read in a way the user
// may not have meant; one bit each.
enum LineNote : uint8_t {
  kNoteNameShortened = 1 << 0,      // the name is the cell's last 10 bytes, and more was typed before them
  kNoteExtraCells = 1 << 1,         // cells after the last cell, kept at the end of the remarks
  kNoteOddSkillCell = 1 << 2,       // a skill cell of an odd number of bytes: its pieces are not what was meant
  kNoteNumberOutOfRange = 1 << 3,   // a number beyond the 32-bit range, read as its limit
  kNoteNameReadsAsHeader = 1 << 4,  // the name holds 「名前」: its row reads back as a header
  kNoteFullWidthBars = 1 << 5,      // cut at 「｜」 as well as at "|"
};

// What a line is, before the names decide which lines are kept.
enum class LineKind : uint8_t {
  kCharacter,
  kBlank,
  kHeader,
  kNoSeparator,  // not a character: no "|" at all, nor 「｜」
  kTooFewCells,  // not a character: fewer than six cells
  kEmptyName,    // not a character: the name cell holds spaces at most
};

class LineParser {
 public:
  // A name is at most the name cell's last 10 bytes, as the row lays it out.
  static constexpr std::size_t kNameBytes = 10;

  explicit LineParser(std::string_view line);
  // The name and the cells may be views of the parser's own strings.
  LineParser(const LineParser&) = delete;
  LineParser& operator=(const LineParser&) = delete;

  // The name the line gives: empty for a line of fewer than six cells, a
  // header line, or a name cell of spaces only.
  std::string_view Name() const { return name_; }

  // Gives `fields` the fields of the line, as CharacterData::ParseLine reads
  // them; false, leaving `fields` as it was, for a rejected line. The texts
  // are views into the line and into this parser, valid while both live.
  bool Fill(CharacterData::Builder& fields);

  // Whether a line without a name was never meant as a character: it is
  // blank (spaces and tabs at most) or a header (its name cell holds
  // 「名前」, whatever follows). Any other line without a name is one that
  // could not be read.
  bool IsBlankOrHeader() const;
  LineKind Kind() const;

  // Cell 0 without its spaces, before the cut to 10 bytes: the name the
  // user typed.
  std::string TypedName() const;
  // Whether the cut to 10 bytes dropped more than spaces.
  bool NameCut() const { return first_[0].size() > kNameBytes && DropsMoreThanSpaces(); }
  // What Fill noticed (LineNote bits); the 「｜」 cut and a name that reads
  // as a header are known from the start.
  uint8_t Notes() const { return notes_; }

 private:
  static constexpr std::size_t kFirstCells = 6;

  // Reads the first cells and the name; whether the line gives a name.
  bool ReadFirstCells();
  // Starts the cells again, of `line`.
  void CutAgain(std::string_view line);
  // The next cell into `cell`; false once the last cell has been read.
  bool NextCell(std::string_view& cell);
  bool NextCellAfterLook(std::string_view& cell);
  bool DropsMoreThanSpaces() const;

  std::string_view line_;
  std::size_t pos_ = 0;   // where the cell after the last one read starts
  std::size_t scanned_ = 0;  // the bytes of the line that bars_ was taken from end here
  uint32_t bars_ = 0;        // of the 16 bytes before scanned_, the "|" not yet passed
  bool done_ = false;     // the last cell has been read
  bool accepted_ = false;
  std::size_t cells_ = 0;  // of the first cells, how many the line has
  uint8_t notes_ = 0;
  std::array<std::string_view, kFirstCells> first_;
  std::size_t nextIndex_ = 2;  // the cell that Fill reads next
  std::string_view name_;  // a view of the line, or of nameStore_
  std::string nameStore_;  // a name that dropped spaces or a line break
  TailItems tail_;  // what the remarks may be a view of
  std::string barred_;  // a line read with 「｜」 as a separator, its 「｜」 made "|"
};

}  // namespace roster
