// The line format: NAME|RACEGENDER|SKILLS|...|HP/MP|HIT/EVA/PRO/MAG|TAIL,
// the same row layout that the report writes, so a report extracts again.
#include "character/character_data.h"

#include <optional>

#include "text/cp932.h"
#include "text/numbers.h"
#include "text/strings.h"

namespace roster {
namespace {

constexpr std::string_view kCellSeparator = "|";
constexpr std::string_view kPartSeparator = "/";
constexpr std::string_view kHeaderMarker = "名前";
constexpr std::string_view kHalfSpace = " ";
constexpr std::string_view kFullSpace = "　";
constexpr std::size_t kMinimumCells = 6;
constexpr std::size_t kNameBytes = 10;
constexpr std::size_t kRaceBytes = 4;
constexpr std::size_t kLevelBytes = 2;
constexpr std::size_t kFeatBytes = 4;
constexpr std::size_t kCombatParts = 4;
constexpr std::size_t kTailItems = 3;

// The name that a name cell gives: its last 10 bytes (cut on a character
// boundary) without spaces; nothing for a header line.
std::optional<std::string> NameOfCell(std::string_view cell) {
  cell.remove_prefix(SuffixStartOnBoundary(cell, kNameBytes));
  if (ContainsChars(cell, kHeaderMarker)) return std::nullopt;
  return ReplaceAll(ReplaceAll(cell, kHalfSpace, ""), kFullSpace, "");
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

// The "/"-parts of a cell, exactly `count` of them: missing parts are empty.
std::vector<std::string_view> Parts(std::string_view cell, std::size_t count) {
  std::vector<std::string_view> parts = SplitViews(cell, kPartSeparator);
  parts.resize(count);
  return parts;
}

std::string_view CellOrEmpty(const std::vector<std::string_view>& cells, std::size_t index) {
  return index < cells.size() ? cells[index] : std::string_view();
}

}  // namespace

std::string ParseName(std::string_view line) {
  const std::vector<std::string_view> cells = SplitViews(line, kCellSeparator);
  if (cells.size() < kMinimumCells) return {};
  return NameOfCell(cells[0]).value_or(std::string());
}

void CharacterData::ParseLine(std::string_view line) {
  const std::vector<std::string_view> cells = SplitViews(line, kCellSeparator);
  if (cells.size() < kMinimumCells) return;
  std::optional<std::string> cellName = NameOfCell(cells[0]);
  if (!cellName) return;
  name = std::move(*cellName);

  const std::size_t raceLength = PrefixOnBoundary(cells[1], kRaceBytes);
  race = std::string(cells[1].substr(0, raceLength));
  gender = std::string(cells[1].substr(raceLength));

  // Skill cells run up to the first cell that holds "/"; without one, every
  // later cell is a skill cell and the rest of the record stays empty.
  std::size_t h = 2;
  for (; h < cells.size() && !ContainsChars(cells[h], kPartSeparator); ++h) {
    skillLevels.push_back(kSkillGroupMarker);
    ForEachPiece(cells[h], kLevelBytes,
                 [this](std::string_view piece) { skillLevels.push_back(FullWidthToInt(piece)); });
  }

  const std::vector<std::string_view> hpMp = Parts(CellOrEmpty(cells, h), 2);
  hp = FullWidthToInt(ReplaceAll(hpMp[0], kFullSpace, ""));
  mp = FullWidthToInt(ReplaceAll(hpMp[1], kFullSpace, ""));

  const std::vector<std::string_view> combat = Parts(CellOrEmpty(cells, h + 1), kCombatParts);
  hit = FullWidthToInt(combat[0]);
  evasion = FullWidthToInt(combat[1]);
  protection = FullWidthToInt(combat[2]);
  magicPower = FullWidthToInt(combat[3]);

  // Every run of spaces in the tail becomes one separator, so no item holds
  // a space.
  std::string tail = ReplaceAll(CellOrEmpty(cells, h + 2), kHalfSpace, kCellSeparator);
  tail = ReplaceAll(tail, kFullSpace, kCellSeparator);
  tail = ReplaceAll(tail, "||", kCellSeparator);
  std::vector<std::string_view> items = SplitViews(tail, kCellSeparator);
  if (items.size() < kTailItems) items.resize(kTailItems);

  ForEachPiece(items[0], kFeatBytes,
               [this](std::string_view piece) { combatFeats.emplace_back(piece); });
  participationCount = FullWidthToInt(items[1]);
  playerName = std::string(items[2]);
  for (std::size_t i = kTailItems; i < items.size(); ++i) {
    if (i > kTailItems) remarks.append(kHalfSpace);
    remarks.append(items[i]);
  }
}

}  // namespace roster
