// The line format: NAME|RACEGENDER|SKILLS|...|HP/MP|HIT/EVA/PRO/MAG|TAIL,
// the same row layout that the report writes, so a report extracts again.
#include <bit>
#include <cstdint>
#include <optional>

#include "character/character_data.h"
#include "character/line_parser.h"
#include "text/byte_mask.h"
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
constexpr std::string_view kFullSpace = "　";
constexpr std::string_view kLineBreak = "\r\n";
constexpr std::size_t kRaceBytes = 4;
constexpr std::size_t kLevelBytes = 2;
constexpr std::size_t kFeatBytes = 4;
constexpr std::size_t kShortestNumberBeyondRange = 10;  // "2147483648"

// The part of a name cell that the name comes from: its last 10 bytes, cut
// on a character boundary.
std::string_view NamePart(std::string_view cell) {
  return cell.size() <= LineParser::kNameBytes ? cell : cell.substr(SuffixStartOnBoundary(cell, LineParser::kNameBytes));
}

bool IsHeaderCell(std::string_view cell) { return ContainsChars(NamePart(cell), kHeaderMarker); }

// Whether a name part is the name as it stands: it holds no space to drop,
// no "\r" that may start "\r\n", and not the first byte of 「名前」 or of
// "　". Nearly every name is so, and is read as a view of its line.
bool IsPlainName(std::string_view part) {
  bool plain = true;
  for (char c : part) plain &= c != ' ' && c != '\r' && c != kHeaderMarker[0] && c != kFullSpace[0];
  return plain;
}

// The name that a name part gives: the part without spaces; nothing for
// a header line. A name that holds 「名前」 once its spaces are gone is
// noted: its row reads back as a header. Both need the marker's first byte,
// which names seldom hold, so most lines look for nothing more.
std::optional<std::string> NameOfCell(std::string_view cell, uint8_t& notes) {
  const bool mayHoldMarker = cell.find(kHeaderMarker[0]) != std::string_view::npos;
  if (mayHoldMarker && ContainsChars(cell, kHeaderMarker)) return std::nullopt;
  std::string name = RemoveSpaces(cell);
  if (mayHoldMarker && ContainsChars(name, kHeaderMarker)) notes |= kNoteNameReadsAsHeader;
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

// Where `c`, a byte that is never the second byte of a character, first
// stands in `cell`, a view of `line` (or an empty one), or npos. A cell is
// short: one look at sixteen bytes of the line costs less than a search.
inline std::size_t FindInCell(std::string_view line, std::string_view cell, char c) {
  if (cell.empty()) return std::string_view::npos;
  const auto start = static_cast<std::size_t>(cell.data() - line.data());
  if (cell.size() > kMaskBytes || start + kMaskBytes > line.size()) return cell.find(c);
  const uint32_t mask = ByteMask16(cell.data(), c) & ((uint32_t{1} << cell.size()) - 1);
  return mask == 0 ? std::string_view::npos : static_cast<std::size_t>(std::countr_zero(mask));
}

// The first `count` "/"-parts of a cell of `line`; missing parts are empty.
template <std::size_t Count>
std::array<std::string_view, Count> Parts(std::string_view line, std::string_view cell) {
  std::array<std::string_view, Count> parts;
  for (std::size_t i = 0; i < Count; ++i) {
    const std::size_t slash = FindInCell(line, cell, kPartSeparator);
    parts[i] = cell.substr(0, slash);
    if (slash == std::string_view::npos) break;
    cell.remove_prefix(slash + 1);
  }
  return parts;
}

// The length of the skill level that starts at `pos` of a skill cell: two
// bytes, or one where two would end inside a character.
std::size_t LevelLength(std::string_view cell, std::size_t pos) {
  if (pos + 1 == cell.size()) return 1;
  const auto first = static_cast<unsigned char>(cell[pos]), second = static_cast<unsigned char>(cell[pos + 1]);
  if (IsLeadByte(first) && IsTrailByte(second)) return kLevelBytes;
  const bool secondStartsPair =
      IsLeadByte(second) && pos + 2 < cell.size() && IsTrailByte(static_cast<unsigned char>(cell[pos + 2]));
  return secondStartsPair ? 1 : kLevelBytes;
}

}  // namespace

LineParser::LineParser(std::string_view line) : line_(line) {
  if (ReadFirstCells() || FindChars(line_, kFullWidthBar) == std::string_view::npos || IsBlankOrHeader()) return;
  // Read again with every 「｜」 made "|", which leaves the other characters'
  // boundaries where they were (a lead byte before 「｜」 would have paired
  // with its first byte); lines without 「｜」, nearly all, pay nothing.
  barred_ = ReplaceAll(line_, kFullWidthBar, std::string_view(&kCellSeparator, 1));
  CutAgain(barred_);
  if (ReadFirstCells()) {
    notes_ |= kNoteFullWidthBars;
    return;
  }
  CutAgain(line);  // not a character either way: it is told as cut at "|"
  ReadFirstCells();
}

void LineParser::CutAgain(std::string_view line) {
  line_ = line;
  pos_ = 0;
  scanned_ = 0;
  bars_ = 0;
  done_ = false;
  accepted_ = false;
  notes_ = 0;
}

// Cells are cut at "|" on character boundaries, one after another; no cell
// list is built. The line's "|" bytes are found sixteen at a time; one that
// follows a lead byte, which it may be the second byte of, and the next
// sixteen bytes are left to NextCellAfterLook.
inline bool LineParser::NextCell(std::string_view& cell) {
  if (bars_ != 0) {
    const std::size_t bar = scanned_ - kMaskBytes + static_cast<std::size_t>(std::countr_zero(bars_));
    if (bar == pos_ || !IsLeadByte(static_cast<unsigned char>(line_[bar - 1]))) {
      bars_ &= bars_ - 1;
      cell = std::string_view(line_.data() + pos_, bar - pos_);
      pos_ = bar + 1;
      return true;
    }
  }
  return NextCellAfterLook(cell);
}

bool LineParser::NextCellAfterLook(std::string_view& cell) {
  if (done_) return false;
  for (;;) {
    if (bars_ == 0 && scanned_ < line_.size()) {
      bars_ = ByteMask(line_, scanned_, kCellSeparator);
      scanned_ += kMaskBytes;
    }
    if (bars_ == 0 && scanned_ < line_.size()) {
      // A long cell, such as remarks: the search takes larger steps.
      const std::size_t next = line_.find(kCellSeparator, scanned_);
      if (next != std::string_view::npos) {
        bars_ = ByteMask(line_, next, kCellSeparator);
        scanned_ = next + kMaskBytes;
      }
    }
    if (bars_ == 0) {
      done_ = true;
      cell = line_.substr(pos_);
      return true;
    }
    const std::size_t bar = scanned_ - kMaskBytes + static_cast<std::size_t>(std::countr_zero(bars_));
    bars_ &= bars_ - 1;
    if (bar == pos_ || !IsLeadByte(static_cast<unsigned char>(line_[bar - 1])) || StartsCharacter(line_, pos_, bar)) {
      cell = line_.substr(pos_, bar - pos_);
      pos_ = bar + 1;
      return true;
    }
  }
}

bool LineParser::ReadFirstCells() {
  for (std::size_t i = 0; i < kFirstCells; ++i) {
    if (!NextCell(first_[i])) {
      cells_ = i;
      return false;
    }
  }
  cells_ = kFirstCells;
  accepted_ = true;
  const std::string_view part = NamePart(first_[0]);
  if (IsPlainName(part)) {
    name_ = part;
    return !name_.empty();
  }
  std::optional<std::string> name = NameOfCell(part, notes_);
  if (!name) {
    accepted_ = false;
    return false;
  }
  nameStore_ = std::move(*name);
  name_ = nameStore_;
  return !name_.empty();
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

bool LineParser::DropsMoreThanSpaces() const {
  const std::string_view cell = first_[0];
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
  // A number beyond the 32-bit range takes ten digits at least: only a text
  // that long is read again, to tell whether it was cut to the range.
  auto number = [&](std::string_view text) {
    if (text.size() >= kShortestNumberBeyondRange && FullWidthToIntSaturates(text)) notes_ |= kNoteNumberOutOfRange;
    return FullWidthToInt(text);
  };
  const std::string_view raceAndGender = first_[1];
  const std::size_t raceLength = PrefixOnBoundary(raceAndGender, kRaceBytes);
  record.Race(raceAndGender.substr(0, raceLength)).Gender(raceAndGender.substr(raceLength));

  // Cells from 2 on, in order; after the last cell, nothing.
  auto nextCell = [&]() -> std::optional<std::string_view> {
    const std::size_t i = nextIndex_++;
    if (i < kFirstCells) return first_[i];
    std::string_view next;
    return NextCell(next) ? std::optional<std::string_view>(next) : std::nullopt;
  };

  // Skill cells run up to the first cell that holds "/"; without one, every
  // later cell is a skill cell and the rest of the record stays empty.
  std::optional<std::string_view> cell = nextCell();
  for (; cell && FindInCell(line_, *cell, kPartSeparator) == std::string_view::npos; cell = nextCell()) {
    if (cell->size() % 2 != 0) notes_ |= kNoteOddSkillCell;
    record.AddSkillLevel(kSkillGroupMarker);
    for (std::size_t pos = 0; pos < cell->size();) {
      const std::size_t length = LevelLength(*cell, pos);
      record.AddSkillLevel(FullWidthToInt(cell->substr(pos, length)));
      pos += length;
    }
  }

  // HP and MP without their "　"; most hold none, whose first byte is rare.
  const auto hpMp = Parts<2>(line_, cell.value_or(""));
  std::string hpMpWithout[2];
  auto points = [&](std::size_t i) {
    if (FindInCell(line_, hpMp[i], kFullSpace[0]) == std::string_view::npos) return number(hpMp[i]);
    hpMpWithout[i] = RemoveFullWidthSpaces(hpMp[i]);
    return number(hpMpWithout[i]);
  };
  record.Hp(points(0)).Mp(points(1));

  const auto combat = Parts<4>(line_, cell ? nextCell().value_or("") : "");
  record.Hit(number(combat[0])).Evasion(number(combat[1])).Protection(number(combat[2])).MagicPower(number(combat[3]));

  // Every run of spaces in the tail becomes one separator, so no item holds
  // a space.
  const std::optional<std::string_view> tailCell = cell ? nextCell() : std::nullopt;
  const std::string_view tail = tailCell.value_or(std::string_view());
  SplitTail(tail, tail_);
  ForEachPiece(tail_.first[0], kFeatBytes, [&](std::string_view piece) { record.AddFeat(piece); });
  record.ParticipationCount(number(tail_.first[1])).PlayerName(tail_.first[2]).Remarks(tail_.rest);
  // Cells after the tail are kept at the end of the remarks, their
  // separators included, so that the row reads back to the same character;
  // a lone empty last cell (a row that ends in "|") is no text. The tail was
  // the last cell unless a first cell or a "|" follows it.
  if (tailCell && (nextIndex_ < kFirstCells || !done_)) {
    const std::string_view after = line_.substr(static_cast<std::size_t>(tail.data() + tail.size() - line_.data()));
    if (after != "|") {
      notes_ |= kNoteExtraCells;
      std::string remarks(tail_.rest);  // the rest may be a view of `joined`
      remarks.append(after);
      tail_.joined = std::move(remarks);
      record.Remarks(tail_.joined);
    }
  }
  return true;
}

}  // namespace roster
