// One player character: what a pasted line becomes, what the extraction
// keeps one of per name, what the sort orders and the report prints as one
// row.
//
// Its fourteen fields are name, race, gender, skillLevels, hp, mp, hit,
// evasion, protection, magicPower, combatFeats, participationCount,
// playerName and remarks. All of them share one block (field_block.h), so
// that a character is the block's address. Who owns that block is the
// type: a CharacterData owns its own, on the heap, and is a plain value; a
// CharacterRecord is one of a run's characters, whose block lies in memory
// its Roster owns, and never leaves the roster.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "character/field_block.h"

namespace roster {

// The group marker that starts each skill cell in `skillLevels`.
inline constexpr int32_t kSkillGroupMarker = -1;

// What every character answers, wherever its fields lie.
class CharacterFields {
 public:
  // The positions of the numbers in GetNumbers.
  enum NumberField : std::size_t { kHp, kMp, kHit, kEvasion, kProtection, kMagicPower, kParticipationCount };

  // The texts are views into the character's block, valid while it lives
  // unchanged.
  std::string_view GetName() const { return Text(kName); }
  std::string_view GetRace() const { return Text(kRace); }
  std::string_view GetGender() const { return Text(kGender); }
  std::string_view GetPlayerName() const { return Text(kPlayerName); }
  std::string_view GetRemarks() const { return Text(kRemarks); }
  int32_t GetHp() const { return Number(kHp); }
  int32_t GetMp() const { return Number(kMp); }
  int32_t GetHit() const { return Number(kHit); }
  int32_t GetEvasion() const { return Number(kEvasion); }
  int32_t GetProtection() const { return Number(kProtection); }
  int32_t GetMagicPower() const { return Number(kMagicPower); }
  int32_t GetParticipationCount() const { return Number(kParticipationCount); }
  // The seven, in that order, read at once.
  field_block::Numbers GetNumbers() const { return field_block::GetNumbers(block_); }

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

  // Where the block lies: a reader that goes through characters out of
  // order may fetch it ahead of use. Null when every text is empty and
  // every number 0.
  const void* BlockAddress() const { return block_; }

  // Equal values, wherever they lie.
  friend bool operator==(const CharacterFields& a, const CharacterFields& b);

 protected:
  enum Field : std::size_t { kName, kRace, kGender, kPlayerName, kRemarks, kFeats, kLevels };

  CharacterFields() = default;
  explicit CharacterFields(const char* block) : block_(block) {}
  // A copy of the address of the block, for the derived classes to give a
  // meaning.
  CharacterFields(const CharacterFields&) = default;
  CharacterFields& operator=(const CharacterFields&) = default;
  ~CharacterFields() = default;

  std::string_view Text(Field field) const { return field_block::Get(block_, field); }
  int32_t Number(NumberField field) const { return field_block::GetNumber(block_, field); }
  static const char* BlockOf(const CharacterFields& c) { return c.block_; }

  // The feats are stored as a length byte and the bytes of each; the levels
  // as one width byte (1 or 4) and the values, little-endian.
  const char* block_ = nullptr;
};

// A character of its own: a plain value, whose copy is a deep one.
class CharacterData final : public CharacterFields {
 public:
  class Builder;

  CharacterData() = default;
  // A copy of any character (a run's record included) that owns its fields.
  explicit CharacterData(const CharacterFields& other);
  CharacterData(const CharacterData& other) : CharacterData(static_cast<const CharacterFields&>(other)) {}
  CharacterData& operator=(const CharacterData& other);
  CharacterData(CharacterData&& other) noexcept;
  CharacterData& operator=(CharacterData&& other) noexcept;
  ~CharacterData() = default;

  // Fills a record in its default state from one line (without its line
  // end): cells cut at "|", the name from cell 0, race and gender from cell
  // 1, skill cells up to the first cell holding "/", then HP/MP, the combat
  // values and the tail of feats, participation count, player and remarks.
  // A line of fewer than six cells, or a header line, leaves the record as
  // it was, with an empty name.
  void ParseLine(std::string_view line);

 private:
  explicit CharacterData(std::unique_ptr<char[]> block);

  std::unique_ptr<char[]> owned_;  // the block that block_ points at
};

class Roster;

// One of a run's characters: its block lies in memory that its Roster owns,
// and the roster gives it out by const reference only, so it can neither be
// copied nor moved out of the run. What leaves a run is a CharacterData.
class CharacterRecord final : public CharacterFields {
 public:
  CharacterRecord(const CharacterRecord&) = delete;
  CharacterRecord& operator=(const CharacterRecord&) = delete;
  ~CharacterRecord() = default;

  CharacterData ToOwned() const { return CharacterData(*this); }

 private:
  friend class Roster;
  explicit CharacterRecord(const char* block) : CharacterFields(block) {}
  // The roster moves its records only within its own memory.
  CharacterRecord(CharacterRecord&&) noexcept = default;
};

// Makes a character from its field values, as the line parser does once it
// has read a line; tests and generators make characters the same way.
class CharacterData::Builder {
 public:
  // Texts are held as views until the character is made, so they must
  // outlive that.
  Builder& Name(std::string_view text) { return Set(kName, text); }
  Builder& Race(std::string_view text) { return Set(kRace, text); }
  Builder& Gender(std::string_view text) { return Set(kGender, text); }
  Builder& PlayerName(std::string_view text) { return Set(kPlayerName, text); }
  Builder& Remarks(std::string_view text) { return Set(kRemarks, text); }
  Builder& Hp(int32_t value) { return Set(kHp, value); }
  Builder& Mp(int32_t value) { return Set(kMp, value); }
  Builder& Hit(int32_t value) { return Set(kHit, value); }
  Builder& Evasion(int32_t value) { return Set(kEvasion, value); }
  Builder& Protection(int32_t value) { return Set(kProtection, value); }
  Builder& MagicPower(int32_t value) { return Set(kMagicPower, value); }
  Builder& ParticipationCount(int32_t value) { return Set(kParticipationCount, value); }
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

  // The character, owning its fields.
  CharacterData Build() const;

  // Back to no fields at all, keeping the room of the levels and feats.
  void Clear();

 private:
  friend class Roster;  // places the block in its run's memory

  Builder& AddSkillLevelWidening(int32_t level);
  Builder& Set(Field field, std::string_view text) {
    texts_[field] = text;
    return *this;
  }
  Builder& Set(NumberField field, int32_t value) {
    numbers_[field] = value;
    return *this;
  }
  field_block::Texts Texts() const;

  field_block::Texts texts_{};
  std::string levels_;
  std::string feats_;
  field_block::Numbers numbers_{};
};

template <typename Visit>
void CharacterFields::ForEachFeat(Visit visit) const {
  std::string_view feats = Text(kFeats);
  while (!feats.empty()) {
    const std::size_t length = static_cast<unsigned char>(feats[0]);
    visit(feats.substr(1, length));
    feats.remove_prefix(1 + length);
  }
}

template <typename Visit>
void CharacterFields::ForEachSkillLevel(Visit visit) const {
  const std::string_view encoded = Text(kLevels);
  if (encoded.empty()) return;
  if (encoded[0] == 1) {
    for (char level : encoded.substr(1)) visit(static_cast<int32_t>(static_cast<int8_t>(level)));
  } else {
    const std::size_t count = SkillLevelCount();
    for (std::size_t i = 0; i < count; ++i) visit(SkillLevel(i));
  }
}

}  // namespace roster
