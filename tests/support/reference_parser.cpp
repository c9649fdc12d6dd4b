#include "support/reference_parser.h"

#include <vector>

#include "character/line_parser.h"
#include "text/cp932.h"
#include "text/numbers.h"
#include "text/strings.h"

namespace roster {
namespace {

std::vector<std::size_t> Boundaries(std::string_view text) {
  std::vector<std::size_t> boundaries;
  std::size_t pos = 0;
  while (pos < text.size()) {
    boundaries.push_back(pos);
    const auto b = static_cast<unsigned char>(text[pos]);
    const bool pair = pos + 1 < text.size() && ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) &&
                      [](unsigned char t) { return (t >= 0x40 && t <= 0x7E) || (t >= 0x80 && t <= 0xFC); }(
                          static_cast<unsigned char>(text[pos + 1]));
    pos += pair ? 2 : 1;
  }
  boundaries.push_back(text.size());
  return boundaries;
}

bool IsBoundary(const std::vector<std::size_t>& boundaries, std::size_t pos) {
  for (std::size_t b : boundaries) {
    if (b == pos) return true;
  }
  return false;
}

// Pieces of at most `width` bytes, each ending on a boundary.
std::vector<std::string> Pieces(const std::string& text, std::size_t width) {
  const std::vector<std::size_t> boundaries = Boundaries(text);
  std::vector<std::string> pieces;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = start;
    for (std::size_t b : boundaries) {
      if (b > start && b - start <= width) end = b;
    }
    if (end == start) end = start + 1;
    pieces.push_back(text.substr(start, end - start));
    start = end;
  }
  return pieces;
}

}  // namespace

std::size_t ReferenceFind(std::string_view text, std::string_view pattern) {
  if (pattern.empty()) return std::string_view::npos;
  const std::vector<std::size_t> boundaries = Boundaries(text);
  for (std::size_t start : boundaries) {
    if (start + pattern.size() <= text.size() && text.substr(start, pattern.size()) == pattern &&
        IsBoundary(boundaries, start + pattern.size())) {
      return start;
    }
  }
  return std::string_view::npos;
}

namespace {

// A name cell's last 10 bytes, from a boundary.
std::string NamePart(std::string cell0) {
  if (cell0.size() > 10) {
    for (std::size_t b : Boundaries(cell0)) {
      if (cell0.size() - b <= 10) return cell0.substr(b);
    }
  }
  return cell0;
}

// The cells of a line cut at "|" (and at "｜" with `bothBars`) on
// boundaries.
std::vector<std::string> Cells(std::string_view line, bool bothBars) {
  const std::vector<std::size_t> boundaries = Boundaries(line);
  std::vector<std::string> cells(1);
  for (std::size_t k = 0; k + 1 < boundaries.size(); ++k) {
    const std::string c(line.substr(boundaries[k], boundaries[k + 1] - boundaries[k]));
    if (c == "|" || (bothBars && c == "｜")) {
      cells.emplace_back();
    } else {
      cells.back() += c;
    }
  }
  return cells;
}

CharacterData ParseCells(std::string_view line, bool bothBars) {
  std::vector<std::string> cells = Cells(line, bothBars);
  if (cells.size() < 6) return {};
  const std::string cell0 = NamePart(cells[0]);
  if (ReferenceFind(cell0, "名前") != std::string_view::npos) return {};
  CharacterData::Builder f;
  const std::string name = ReplaceAll(ReplaceAll(ReplaceAll(cell0, " ", ""), "　", ""), "\r\n", "\r");
  f.Name(name);
  std::size_t raceEnd = 0;
  for (std::size_t b : Boundaries(cells[1])) {
    if (b <= 4) raceEnd = b;
  }
  const std::string race = cells[1].substr(0, raceEnd), gender = cells[1].substr(raceEnd);
  f.Race(race).Gender(gender);
  std::size_t i = 2;
  for (; i < cells.size() && Split(cells[i], "/").size() == 1; ++i) {
    f.AddSkillLevel(-1);
    for (const std::string& piece : Pieces(cells[i], 2)) f.AddSkillLevel(FullWidthToInt(piece));
  }
  auto cell = [&](std::size_t index) { return index < cells.size() ? cells[index] : std::string(); };
  std::vector<std::string> hpMp = Split(cell(i), "/");
  hpMp.resize(2);
  f.Hp(FullWidthToInt(ReplaceAll(hpMp[0], "　", ""))).Mp(FullWidthToInt(ReplaceAll(hpMp[1], "　", "")));
  std::vector<std::string> combat = i < cells.size() ? Split(cell(i + 1), "/") : std::vector<std::string>();
  combat.resize(4);
  f.Hit(FullWidthToInt(combat[0]))
      .Evasion(FullWidthToInt(combat[1]))
      .Protection(FullWidthToInt(combat[2]))
      .MagicPower(FullWidthToInt(combat[3]));
  const std::string tail = i < cells.size() ? cell(i + 2) : std::string();
  std::vector<std::string> items =
      Split(ReplaceAll(ReplaceAll(ReplaceAll(tail, " ", "|"), "　", "|"), "||", "|"), "|");
  if (items.size() < 3) items.resize(3);
  const std::vector<std::string> feats = Pieces(items[0], 4);
  for (const std::string& feat : feats) f.AddFeat(feat);
  std::string remarks;
  for (std::size_t k = 3; k < items.size(); ++k) remarks += (k > 3 ? " " : "") + items[k];
  std::string after;
  for (std::size_t k = i + 3; k < cells.size(); ++k) after += "|" + cells[k];
  if (after != "|") remarks += after;
  return f.ParticipationCount(FullWidthToInt(items[1])).PlayerName(items[2]).Remarks(remarks).Build();
}

}  // namespace

CharacterData ReferenceParse(std::string_view line) {
  const CharacterData cutAtBars = ParseCells(line, false);
  if (!cutAtBars.GetName().empty() || ReferenceFind(line, "｜") == std::string_view::npos) return cutAtBars;
  if (ReferenceFind(NamePart(Cells(line, false)[0]), "名前") != std::string_view::npos) return cutAtBars;
  const CharacterData cutAtBoth = ParseCells(line, true);
  return cutAtBoth.GetName().empty() ? cutAtBars : cutAtBoth;
}

CharacterData AsReadBack(const CharacterData& c) {
  CharacterData::Builder f;
  f.Name(c.GetName()).Race(c.GetRace()).Gender(c.GetGender()).PlayerName(c.GetPlayerName()).Remarks(c.GetRemarks());
  f.Hp(c.GetHp()).Mp(c.GetMp()).Hit(c.GetHit()).Evasion(c.GetEvasion()).Protection(c.GetProtection());
  f.MagicPower(c.GetMagicPower()).ParticipationCount(c.GetParticipationCount());
  if (c.SkillLevelCount() == 0) f.AddSkillLevel(kSkillGroupMarker);
  c.ForEachSkillLevel([&](int32_t level) { f.AddSkillLevel(level < 0 ? kSkillGroupMarker : level); });
  c.ForEachFeat([&](std::string_view feat) { f.AddFeat(feat); });
  return f.Build();
}

std::string ParseName(std::string_view line) { return std::string(LineParser(line).Name()); }

}  // namespace roster
