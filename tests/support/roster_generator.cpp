#include "support/roster_generator.h"

#include <string_view>
#include <vector>

#include "report/report_layout.h"
#include "text/strings.h"

namespace roster {
namespace {

// "ポ" and "ソ" have the trail bytes 0x7C ("|") and 0x5C ("\").
constexpr std::string_view kNameChars[] = {"ア", "イ", "カ", "サ", "ポ", "ソ", "ル", "リ",
                                           "エ", "ン", "ト", "光", "剣", "竜", "ー", "表"};
constexpr std::string_view kRaces[] = {"人間", "森人", "鉱人", "獣人", "竜人", "ﾋﾄﾋ"};
constexpr std::string_view kGenders[] = {"男", "女", "無", ""};
constexpr std::string_view kFeats[] = {"全力", "魔撃", "両手", "頑強", "ポン", "必殺"};
constexpr std::string_view kPlayers[] = {"たかし", "ゆうこ", "ソウタ", "ken", "ポチ", "みき"};
constexpr std::string_view kRemarks[] = {"初参加", "欠席", "ＧＭ", "memo", "ポーション"};
// How people type a level: full-width and half-width digits of one and two
// columns, a blank for 0, and "-N" pieces.
constexpr std::string_view kTypedLevels[] = {"３", "１", "０", "　", "12", "5 ", " 7", "10", "99", "-1", "-5", "  "};
constexpr std::string_view kTypedNumbers[] = {"31", " 9", "　9", "120", "０", "12 ", "5", "１２"};
constexpr std::string_view kTypedCombat[] = {"５", "5", "12", "-1", "０", " 3", "１０", "-3"};
constexpr std::string_view kSpaceRuns[] = {" ", "  ", "　", " 　", "　　"};

template <typename T, std::size_t N>
std::string_view Pick(RosterGenerator& g, const T (&items)[N]) {
  return items[g.Below(N)];
}

}  // namespace

uint64_t RosterGenerator::Below(uint64_t bound) {
  // splitmix64: deterministic on every platform.
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return (z ^ (z >> 31)) % bound;
}

std::string RosterGenerator::NextName() {
  std::string name;
  const uint64_t length = 2 + Below(4);
  for (uint64_t i = 0; i < length; ++i) name.append(Pick(*this, kNameChars));
  return name;
}

CharacterData RosterGenerator::NextCharacter() {
  std::string name;
  return Draw(nullptr, name);
}

// The draws stay in this order (a name, the fields, then an earlier name in
// its place), which the digests of earlier reports in the tests rely on.
CharacterData RosterGenerator::Draw(const std::vector<std::string>* earlierNames, std::string& name) {
  name = NextName();
  CharacterData::Builder c;
  c.Race(Pick(*this, kRaces)).Gender(Pick(*this, kGenders));
  for (int cell = 0; cell < 3; ++cell) {
    c.AddSkillLevel(kSkillGroupMarker);
    const uint64_t levels = 1 + Below(4);
    for (uint64_t i = 0; i < levels; ++i) {
      c.AddSkillLevel(static_cast<int32_t>(Below(4) == 0 ? Below(100) : Below(16)));
    }
  }
  c.Hp(static_cast<int32_t>(Below(120)));
  c.Mp(Below(5) == 0 ? 0 : static_cast<int32_t>(Below(120)));
  c.Hit(static_cast<int32_t>(Below(20)));
  c.Evasion(static_cast<int32_t>(Below(20)));
  c.Protection(static_cast<int32_t>(Below(25)) - 3);
  c.MagicPower(static_cast<int32_t>(Below(15)));
  const uint64_t feats = Below(5);
  for (uint64_t i = 0; i < feats; ++i) c.AddFeat(Pick(*this, kFeats));
  c.ParticipationCount(static_cast<int32_t>(Below(60)));
  c.PlayerName(Pick(*this, kPlayers));
  std::string remarks;
  if (Below(3) == 0) {
    remarks = std::string(Pick(*this, kRemarks));
    if (Below(2) == 0) remarks.append(" ").append(Pick(*this, kRemarks));
  }
  if (earlierNames != nullptr && !earlierNames->empty()) name = (*earlierNames)[Below(earlierNames->size())];
  return c.Name(name).Remarks(remarks).Build();
}

std::string RosterGenerator::NextRoster(std::size_t lines) {
  std::vector<std::string> names;
  std::string text;
  for (std::size_t i = 0; i < lines; ++i) {
    if (i > 0) text.append("\r\n");
    const uint64_t roll = Below(100);
    if (roll < 2) continue;  // a blank line
    if (roll < 4) {
      text.append("-- 第");
      text.append(std::to_string(i));
      text.append("回 セッション --");
      continue;
    }
    std::string name;
    const CharacterData c = Draw(roll < 24 ? &names : nullptr, name);
    names.push_back(name);
    text.append(ReportRow(c));
  }
  return text;
}

std::string RosterGenerator::Spaces() { return std::string(Pick(*this, kSpaceRuns)); }

std::string RosterGenerator::NextTypedLine(const std::string& name) {
  std::string line;
  // Some lines are typed with the IME's 「｜」 between the cells.
  const std::string_view bar = Below(10) == 0 ? "｜" : "|";
  // A name with spaces before, after or inside it, which are dropped.
  if (Below(4) == 0) line.append(Spaces());
  line.append(name.substr(0, 2));
  if (Below(4) == 0) line.append(" ");
  line.append(name.substr(2));
  if (Below(4) == 0) line.append(Spaces());
  line.append(bar).append(Pick(*this, kRaces)).append(Pick(*this, kGenders));
  const uint64_t skillCells = Below(4) == 0 ? 0 : 1 + Below(3);
  for (uint64_t cell = 0; cell < skillCells; ++cell) {
    line.append(bar);
    const uint64_t levels = Below(5);
    for (uint64_t i = 0; i < levels; ++i) line.append(Pick(*this, kTypedLevels));
  }
  line.append(bar).append(Pick(*this, kTypedNumbers)).append(Below(3) == 0 ? " / " : "/");
  line.append(Below(4) == 0 ? "無" : Pick(*this, kTypedNumbers));
  line.append(bar);
  const uint64_t combat = 1 + Below(4);
  for (uint64_t i = 0; i < combat; ++i) line.append(i > 0 ? "/" : "").append(Pick(*this, kTypedCombat));
  line.append(bar);
  if (Below(5) == 0) line.append(Spaces());
  const uint64_t feats = Below(3);
  for (uint64_t i = 0; i < feats; ++i) line.append(Pick(*this, kFeats));
  line.append(Spaces()).append(Below(3) == 0 ? "１２" : std::to_string(Below(40)));
  if (Below(5) != 0) line.append(Spaces()).append(Pick(*this, kPlayers));
  const uint64_t remarks = Below(3);
  for (uint64_t i = 0; i < remarks; ++i) line.append(Spaces()).append(Pick(*this, kRemarks));
  if (Below(6) == 0) line.append(Spaces());
  // Without a skill cell a line needs a fifth "|": a trailing one, or a
  // cell of notes that nothing reads.
  // Cells after the last one, which end the remarks.
  if (skillCells == 0 || Below(6) == 0) line.append(bar).append(Below(2) == 0 ? "" : "メモ");
  if (Below(8) == 0) line.append(bar).append("盾持ち").append(bar);
  return line;
}

std::string RosterGenerator::NextTypedRoster(std::size_t lines) {
  std::vector<std::string> names;
  std::string text;
  for (std::size_t i = 0; i < lines; ++i) {
    if (i > 0) text.append("\r\n");
    const uint64_t roll = Below(100);
    if (roll < 3) continue;  // a blank line
    if (roll < 5) {
      text.append("-- 第").append(std::to_string(i)).append("回 --");
      continue;
    }
    std::string name = roll < 25 && !names.empty() ? names[Below(names.size())] : NextName();
    names.push_back(name);
    if (roll < 35) {
      std::string drawn;
      text.append(ReportRow(Draw(nullptr, drawn)).replace(0, 10, PadRight(name, 10)));  // names fill 10 columns
    } else {
      text.append(NextTypedLine(name));
    }
  }
  return text;
}

}  // namespace roster
