// One player character: the plain value that a pasted line becomes, that the
// extraction keeps one of per name, that the sort orders and that the report
// prints as one row.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace roster {

// The group marker that starts each skill cell in `skillLevels`.
inline constexpr int32_t kSkillGroupMarker = -1;

class CharacterData {
 public:
  // Fills a record in its default state from one line (without its line
  // end): cells cut at "|", the name from cell 0, race and gender from cell
  // 1, skill cells up to the first cell holding "/", then HP/MP, the combat
  // values and the tail of feats, participation count, player and remarks.
  // A line of fewer than six cells, or a header line, leaves the record as
  // it was, with an empty name.
  void ParseLine(std::string_view line);

  // The row of the report for this character, without a line end.
  std::string ReportRow() const;
  void AppendReportRow(std::string& out) const;

  std::string GetName() const { return name; }
  std::string GetRace() const { return race; }
  std::string GetGender() const { return gender; }
  std::vector<int32_t> GetSkillLevels() const { return skillLevels; }
  int32_t GetHit() const { return hit; }
  int32_t GetEvasion() const { return evasion; }
  int32_t GetProtection() const { return protection; }
  int32_t GetMagicPower() const { return magicPower; }
  int32_t GetParticipationCount() const { return participationCount; }
  std::string GetPlayerName() const { return playerName; }

  // Views for the sort, which compares without copying; valid while the
  // record lives unchanged.
  std::string_view NameView() const { return name; }
  std::string_view RaceView() const { return race; }
  std::string_view GenderView() const { return gender; }
  std::string_view PlayerNameView() const { return playerName; }
  const std::vector<int32_t>& SkillLevelsView() const { return skillLevels; }

  friend bool operator==(const CharacterData&, const CharacterData&) = default;

 private:
  std::string name;
  std::string race;
  std::string gender;
  std::vector<int32_t> skillLevels;
  int32_t hp = 0;
  int32_t mp = 0;
  int32_t hit = 0;
  int32_t evasion = 0;
  int32_t protection = 0;
  int32_t magicPower = 0;
  std::vector<std::string> combatFeats;
  int32_t participationCount = 0;
  std::string playerName;
  std::string remarks;

  friend class CharacterDataTestPeer;
};

// The name that ParseLine would give the line, without parsing the rest:
// empty for a rejected line. The extraction looks at it first and parses
// only the lines whose name is new.
std::string ParseName(std::string_view line);

}  // namespace roster
