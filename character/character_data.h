// One player character: the plain value that a pasted line becomes, that the
// extraction keeps one of per name, that the sort orders and that the report
// prints as one row.
//
// Its fourteen fields are name, race, gender, skillLevels, hp, mp, hit,
// evasion, protection, magicPower, combatFeats, participationCount,
// playerName and remarks. The seven numbers are held directly; the strings,
// the feats and the levels share one heap block (FieldBlock), so a roster of
// a million lines stays small and a copy is one allocation.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "character/field_block.h"

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

  std::string GetName() const { return std::string(NameView()); }
  std::string GetRace() const { return std::string(RaceView()); }
  std::string GetGender() const { return std::string(GenderView()); }
  std::vector<int32_t> GetSkillLevels() const;
  int32_t GetHit() const { return hit_; }
  int32_t GetEvasion() const { return evasion_; }
  int32_t GetProtection() const { return protection_; }
  int32_t GetMagicPower() const { return magicPower_; }
  int32_t GetParticipationCount() const { return participationCount_; }
  std::string GetPlayerName() const { return std::string(PlayerNameView()); }

  // Reads for the sort, which compares without copying; views are valid
  // while the record lives unchanged.
  std::string_view NameView() const { return fields_.Get(kName); }
  std::string_view RaceView() const { return fields_.Get(kRace); }
  std::string_view GenderView() const { return fields_.Get(kGender); }
  std::string_view PlayerNameView() const { return fields_.Get(kPlayerName); }
  std::size_t SkillLevelCount() const;
  int32_t SkillLevel(std::size_t index) const;
  // The highest skill level that is 0 or more, else 0: what the adventurer
  // level order compares.
  int32_t HighestSkillLevel() const;

  friend bool operator==(const CharacterData&, const CharacterData&) = default;

  // Asks for the record's field block to be brought into the cache ahead of
  // a read, as the report does for the rows it writes next.
  void Prefetch() const { fields_.Prefetch(); }

 private:
  enum Field : std::size_t { kName, kRace, kGender, kPlayerName, kRemarks, kFeats, kLevels, kFieldCount };
  using Fields = FieldBlock<kFieldCount>;

  // The feats are stored as a length byte and the bytes of each; the levels
  // as one width byte (1 or 4) and the values, little-endian.
  template <typename Visit>
  void ForEachFeat(Visit visit) const;
  template <typename Visit>
  void ForEachSkillLevel(Visit visit) const;

  Fields fields_;
  int32_t hp_ = 0;
  int32_t mp_ = 0;
  int32_t hit_ = 0;
  int32_t evasion_ = 0;
  int32_t protection_ = 0;
  int32_t magicPower_ = 0;
  int32_t participationCount_ = 0;

  friend class CharacterDataTestPeer;
  friend class CharacterEncoder;
};

// The name that ParseLine would give the line, without parsing the rest:
// empty for a rejected line. The extraction looks at it first and parses
// only the lines whose name is new.
std::string ParseName(std::string_view line);

}  // namespace roster

namespace roster {

template <typename Visit>
void CharacterData::ForEachFeat(Visit visit) const {
  std::string_view feats = fields_.Get(kFeats);
  while (!feats.empty()) {
    const std::size_t length = static_cast<unsigned char>(feats[0]);
    visit(feats.substr(1, length));
    feats.remove_prefix(1 + length);
  }
}

template <typename Visit>
void CharacterData::ForEachSkillLevel(Visit visit) const {
  const std::string_view encoded = fields_.Get(kLevels);
  if (encoded.empty()) return;
  if (encoded[0] == 1) {
    for (char level : encoded.substr(1)) visit(static_cast<int32_t>(static_cast<int8_t>(level)));
  } else {
    const std::size_t count = SkillLevelCount();
    for (std::size_t i = 0; i < count; ++i) visit(SkillLevel(i));
  }
}

}  // namespace roster
