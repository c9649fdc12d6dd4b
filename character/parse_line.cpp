// The line format: NAME|RACEGENDER|SKILLS|...|HP/MP|HIT/EVA/PRO/MAG|TAIL,
// the same row layout that the report writes, so a report extracts again.
#include <cstdint>
#include <limits>
#include <optional>

#include "character/character_data.h"
#include "character/line_parser.h"
#include "text/cp932.h"
#include "text/numbers.h"
#include "text/space_runs.h"
#include "text/strings.h"

namespace roster {
namespace {

constexpr char kCellSeparator = '|';
// What an IME types for "|" by default; it separates cells only in a line
// that is a character with it and none without.
constexpr std::string_view kFullWidthBar = "｜";
constexpr char kPartSeparator = '/';
constexpr std::string_view kHeaderMarker = "名前";
constexpr std::string_view kLineBreak = "\r\n";
constexpr std::size_t kNameBytes = 10;
constexpr std::size_t kRaceBytes = 4;
constexpr std::size_t kLevelBytes = 2;
constexpr std::size_t kFeatBytes = 4;

// The part of a name cell that the name comes from: its last 10 bytes, cut
// on a character boundary.
std::string_view NamePart(std::string_view cell) { return cell.substr(SuffixStartOnBoundary(cell, kNameBytes)); }

bool IsHeaderCell(std::string_view cell) { return ContainsChars(NamePart(cell), kHeaderMarker); }

// The name that a name cell gives: its name part without spaces; nothing for
// a header line.
std::optional<std::string> NameOfCell(std::string_view cell) {
  if (IsHeaderCell(cell)) return std::nullopt;
  cell = NamePart(cell);
  std::string name = RemoveSpaces(cell);
  // A name is one line: where dropping spaces joins "\r" and "\n", the
  // "\n" goes too, or the report's row would break in two.
  if (ContainsChars(name, kLineBreak)) name = ReplaceAll(name, kLineBreak, "\r");
  return name;
}

// `text` cut into pieces of at most `width` bytes, each ending on a
// character boundary.
template <typename Sink>
void ForEachPiece(std::string_view text, std::size_t width, Sink sink) {
  while (!text.empty()) {
    std::size_t length = PrefixOnBoundary(text, width);
    if (length == 0) length = CharLength(text, 0);
    sink(text.substr(0, length));
    text.remove_prefix(length);
  }
}

// The first `count` "/"-parts of a cell; missing parts are empty.
template <std::size_t Count>
std::array<std::string_view, Count> Parts(std::string_view cell) {
  std::array<std::string_view, Count> parts;
  for (std::size_t i = 0; i < Count; ++i) {
    const std::size_t slash = cell.find(kPartSeparator);
    parts[i] = cell.substr(0, slash);
    if (slash == std::string_view::npos) break;
    cell.remove_prefix(slash + 1);
  }
  return parts;
}

bool HasPartSeparator(std::string_view cell) { return cell.find(kPartSeparator) != std::string_view::npos; }

}  // namespace

LineParser::LineParser(std::string_view line) : line_(line) {
  if (ReadFirstCells(false) || FindChars(line_, kFullWidthBar) == std::string_view::npos || IsBlankOrHeader()) return;
  if (ReadFirstCells(true)) {
    notes_ |= kNoteFullWidthBars;
    return;
  }
  ReadFirstCells(false);  // not a character either way: it is told as cut at "|"
}

bool LineParser::ReadFirstCells(bool bothBars) {
  bothBars_ = bothBars;
  pos_ = 0;
  done_ = false;
  accepted_ = false;
  cells_ = 0;
  for (std::string_view& cell : first_) {
    const std::optional<std::string_view> next = NextCell();
    if (!next) return false;
    cell = *next;
    ++cells_;
  }
  std::optional<std::string> name = NameOfCell(first_[0]);
  if (!name) return false;
  accepted_ = true;
  name_ = std::move(*name);
  return !name_.empty();
}

// Where the separator at or after `from` starts, "|" or 「｜」, in a line
// cut at both.
std::size_t LineParser::NextSeparator(std::size_t from) const {
  for (std::size_t pos = from; pos < line_.size(); pos += CharLength(line_, pos)) {
    if (line_[pos] == kCellSeparator || line_.substr(pos, kFullWidthBar.size()) == kFullWidthBar) return pos;
  }
  return std::string_view::npos;
}

// Cells are cut at "|" on character boundaries, one after another; no cell
// list is built.
std::optional<std::string_view> LineParser::NextCell() {
  if (done_) return std::nullopt;
  const std::size_t bar = bothBars_ ? NextSeparator(pos_) : FindChar(line_, kCellSeparator, pos_);
  if (bar == std::string_view::npos) {
    done_ = true;
    return line_.substr(pos_);
  }
  const std::string_view cell = line_.substr(pos_, bar - pos_);
  pos_ = bar + 1;
  if (bothBars_ && line_[bar] != kCellSeparator) pos_ = bar + kFullWidthBar.size();
  return cell;
}

bool LineParser::IsBlankOrHeader() const {
  if (IsHeaderCell(first_[0])) return true;
  for (std::size_t pos = 0; pos < line_.size(); pos += CharLength(line_, pos)) {
    const std::string_view c = line_.substr(pos, CharLength(line_, pos));
    if (c != " " && c != "\t" && c != "　") return false;
  }
  return true;
}

LineKind LineParser::Kind() const {
  if (!name_.empty()) return LineKind::kCharacter;
  if (IsHeaderCell(first_[0])) return LineKind::kHeader;
  if (IsBlankOrHeader()) return LineKind::kBlank;
  // A line cut at 「｜」 had cells: too few of them, not none.
  if (cells_ == 1) return FindChars(line_, kFullWidthBar) == std::string_view::npos ? LineKind::kNoSeparator : LineKind::kTooFewCells;
  return cells_ < kFirstCells ? LineKind::kTooFewCells : LineKind::kEmptyName;
}

std::string LineParser::TypedName() const { return RemoveSpaces(first_[0]); }

bool LineParser::NameCut() const {
  const std::string_view cell = first_[0];
  if (cell.size() <= kNameBytes) return false;
  const std::string_view dropped = cell.substr(0, SuffixStartOnBoundary(cell, kNameBytes));
  for (std::size_t pos = 0; pos < dropped.size(); pos += CharLength(dropped, pos)) {
    const std::string_view c = dropped.substr(pos, CharLength(dropped, pos));
    if (c != " " && c != "　") return true;
  }
  return false;
}

void CharacterData::ParseLine(std::string_view line) {
  LineParser parser(line);
  CharacterData::Builder fields;
  if (parser.Fill(fields)) *this = fields.Build();
}

bool LineParser::Fill(CharacterData::Builder& record) {
  if (!accepted_) return false;
  record.Name(name_);
  if (NameCut()) notes_ |= kNoteNameShortened;
  if (name_.find(kHeaderMarker) != std::string::npos && ContainsChars(name_, kHeaderMarker)) {
    notes_ |= kNoteNameReadsAsHeader;
  }
  // A number at a limit of the range is looked at again: was more typed?
  auto number = [&](std::string_view text) {
    const int32_t value = FullWidthToInt(text);
    if ((value == std::numeric_limits<int32_t>::max() || value == std::numeric_limits<int32_t>::min()) &&
        FullWidthToIntSaturates(text)) {
      notes_ |= kNoteNumberOutOfRange;
    }
    return value;
  };
  const std::string_view raceAndGender = first_[1];
  const std::size_t raceLength = PrefixOnBoundary(raceAndGender, kRaceBytes);
  record.Race(raceAndGender.substr(0, raceLength)).Gender(raceAndGender.substr(raceLength));

  // Cells from 2 on, in order; after the last cell, nothing.
  auto nextCell = [&]() -> std::optional<std::string_view> {
    const std::size_t i = nextIndex_++;
    return i < kFirstCells ? std::optional<std::string_view>(first_[i]) : NextCell();
  };

  // Skill cells run up to the first cell that holds "/"; without one, every
  // later cell is a skill cell and the rest of the record stays empty.
  std::optional<std::string_view> cell = nextCell();
  for (; cell && !HasPartSeparator(*cell); cell = nextCell()) {
    if (cell->size() % 2 != 0) notes_ |= kNoteOddSkillCell;
    record.AddSkillLevel(kSkillGroupMarker);
    ForEachPiece(*cell, kLevelBytes, [&](std::string_view piece) { record.AddSkillLevel(FullWidthToInt(piece)); });
  }

  const auto hpMp = Parts<2>(cell.value_or(""));
  record.Hp(number(RemoveFullWidthSpaces(hpMp[0]))).Mp(number(RemoveFullWidthSpaces(hpMp[1])));

  const auto combat = Parts<4>(cell ? nextCell().value_or("") : "");
  record.Hit(number(combat[0])).Evasion(number(combat[1])).Protection(number(combat[2])).MagicPower(number(combat[3]));

  // Every run of spaces in the tail becomes one separator, so no item holds
  // a space.
  const std::optional<std::string_view> tail = cell ? nextCell() : std::nullopt;
  SplitTail(tail.value_or(""), tail_);
  ForEachPiece(tail_.first[0], kFeatBytes, [&](std::string_view piece) { record.AddFeat(piece); });
  record.ParticipationCount(number(tail_.first[1])).PlayerName(tail_.first[2]).Remarks(tail_.rest);
  // Cells after the tail are kept at the end of the remarks, their
  // separators included, so that the row reads back to the same character;
  // a lone empty last cell (a row that ends in "|") is no text.
  const std::size_t tailEnd = tail ? static_cast<std::size_t>(tail->data() + tail->size() - line_.data()) : line_.size();
  // Read with 「｜」 as a separator, the line's separators are all "|" in
  // the row, which then reads back without it.
  const std::string_view after = line_.substr(tailEnd);
  if (!after.empty() && after != "|" && after != kFullWidthBar) {
    notes_ |= kNoteExtraCells;
    remarks_.assign(tail_.rest);
    remarks_.append(bothBars_ ? ReplaceAll(after, kFullWidthBar, "|") : std::string(after));
    record.Remarks(remarks_);
  }
  return true;
}

}  // namespace roster
