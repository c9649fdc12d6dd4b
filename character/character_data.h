// One player character: the plain value that a pasted line becomes, that the
// extraction keeps one of per name, that the sort orders and that the report
// prints as one row.
//
// Its fourteen fields are name, race, gender, skillLevels, hp, mp, hit,
// evasion, protection, magicPower, combatFeats, participationCount,
// playerName and remarks. The seven numbers are held directly; the strings,
// the feats and the levels share one block (FieldBlock), so a roster of a
// million lines stays small and a copy is one allocation. The extraction
// puts the blocks of its records in an arena of its own (FieldArena).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "character/field_block.h"

namespace roster {

// The group marker that starts each skill cell in `skillLevels`.
inline constexpr int32_t kSkillGroupMarker = -1;

class CharacterData {
 public:
  class Builder;

  // Fills a record in its default state from one line (without its line
  // end): cells cut at "|", the name from cell 0, race and gender from cell
  // 1, skill cells up to the first cell holding "/", then HP/MP, the combat
  // values and the tail of feats, participation count, player and remarks.
  // A line of fewer than six cells, or a header line, leaves the record as
  // it was, with an empty name.
  void ParseLine(std::string_view line);

  // The texts are views into the record, valid while it lives unchanged.
  std::string_view GetName() const { return fields_.Get(kName); }
  std::string_view GetRace() const { return fields_.Get(kRace); }
  std::string_view GetGender() const { return fields_.Get(kGender); }
  std::string_view GetPlayerName() const { return fields_.Get(kPlayerName); }
  std::string_view GetRemarks() const { return fields_.Get(kRemarks); }
  int32_t GetHp() const { return hp_; }
  int32_t GetMp() const { return mp_; }
  int32_t GetHit() const { return hit_; }
  int32_t GetEvasion() const { return evasion_; }
  int32_t GetProtection() const { return protection_; }
  int32_t GetMagicPower() const { return magicPower_; }
  int32_t GetParticipationCount() const { return participationCount_; }

  // `skillLevels`, group markers included, by position or one after another.
  std::size_t SkillLevelCount() const;
  int32_t SkillLevel(std::size_t index) const;
  template <typename Visit>
  void ForEachSkillLevel(Visit visit) const;
  // The highest skill level that is 0 or more, else 0: what the adventurer
  // level order compares.
  int32_t HighestSkillLevel() const;

  // `combatFeats`, each a piece of at most 4 bytes, in order.
  template <typename Visit>
  void ForEachFeat(Visit visit) const;

  friend bool operator==(const CharacterData&, const CharacterData&) = default;

  // Asks for the record's field block to be brought into the cache ahead of
  // a read, as the report does for the rows it writes next.
  void Prefetch() const { fields_.Prefetch(); }

 private:
  enum Field : std::size_t { kName, kRace, kGender, kPlayerName, kRemarks, kFeats, kLevels, kFieldCount };

  // The feats are stored as a length byte and the bytes of each; the levels
  // as one width byte (1 or 4) and the values, little-endian.
  FieldBlock<kFieldCount> fields_;
  int32_t hp_ = 0;
  int32_t mp_ = 0;
  int32_t hit_ = 0;
  int32_t evasion_ = 0;
  int32_t protection_ = 0;
  int32_t magicPower_ = 0;
  int32_t participationCount_ = 0;
};

// Makes a record from its field values, as the line parser does once it
// has read a line; tests and generators make records the same way.
class CharacterData::Builder {
 public:
  // Texts are held as views until Build, so they must outlive it.
  Builder& Name(std::string_view text) { return Set(kName, text); }
  Builder& Race(std::string_view text) { return Set(kRace, text); }
  Builder& Gender(std::string_view text) { return Set(kGender, text); }
  Builder& PlayerName(std::string_view text) { return Set(kPlayerName, text); }
  Builder& Remarks(std::string_view text) { return Set(kRemarks, text); }
  Builder& Hp(int32_t value) { return Set(record_.hp_, value); }
  Builder& Mp(int32_t value) { return Set(record_.mp_, value); }
  Builder& Hit(int32_t value) { return Set(record_.hit_, value); }
  Builder& Evasion(int32_t value) { return Set(record_.evasion_, value); }
  Builder& Protection(int32_t value) { return Set(record_.protection_, value); }
  Builder& MagicPower(int32_t value) { return Set(record_.magicPower_, value); }
  Builder& ParticipationCount(int32_t value) { return Set(record_.participationCount_, value); }
  // Levels are kept one byte wide while they fit, four bytes otherwise.
  // Inline for the common case: one more level of a byte.
  Builder& AddSkillLevel(int32_t level) {
    if (!levels_.empty() && levels_[0] == 1 && level >= INT8_MIN && level <= INT8_MAX) {
      levels_.push_back(static_cast<char>(level));
      return *this;
    }
    return AddSkillLevelWidening(level);
  }
  // A feat is at most 255 bytes (the parser's are at most 4).
  Builder& AddFeat(std::string_view feat);

  // The fields go into `arena` when one is given.
  CharacterData Build(FieldArena* arena = nullptr) const;

 private:
  // AddSkillLevel for the first level, or one that needs four bytes.
  Builder& AddSkillLevelWidening(int32_t level);
  Builder& Set(Field field, std::string_view text) {
    texts_[field] = text;
    return *this;
  }
  Builder& Set(int32_t& field, int32_t value) {
    field = value;
    return *this;
  }

  std::array<std::string_view, kFieldCount> texts_{};
  std::string levels_;
  std::string feats_;
  CharacterData record_;  // the numbers; its fields stay empty until Build
};

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

// The name that ParseLine would give the line, without parsing the rest:
// empty for a rejected line.
std::string ParseName(std::string_view line);

}  // namespace roster
