// One player character: what a pasted line becomes, what the extraction
// keeps one of per name, what the sort orders and the report prints as one
// row.
//
// Its fourteen fields are name, race, gender, skillLevels, hp, mp, hit,
// evasion, protection, magicPower, combatFeats, participationCount,
// playerName and remarks. The seven numbers are held directly; the strings,
// the feats and the levels share one block (field_block.h). Who owns that
// block is the type: a CharacterData owns its own, on the heap, and is a
// plain value; a CharacterRecord is one of a run's characters, whose block
// lies in memory its Roster owns, and never leaves the roster.
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
  // The texts are views into the character's block, valid while it lives
  // unchanged.
  std::string_view GetName() const { return Text(kName); }
  std::string_view GetRace() const { return Text(kRace); }
  std::string_view GetGender() const { return Text(kGender); }
  std::string_view GetPlayerName() const { return Text(kPlayerName); }
  std::string_view GetRemarks() const { return Text(kRemarks); }
  int32_t GetHp() const { return numbers_.hp; }
  int32_t GetMp() const { return numbers_.mp; }
  int32_t GetHit() const { return numbers_.hit; }
  int32_t GetEvasion() const { return numbers_.evasion; }
  int32_t GetProtection() const { return numbers_.protection; }
  int32_t GetMagicPower() const { return numbers_.magicPower; }
  int32_t GetParticipationCount() const { return numbers_.participationCount; }

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
  // order may fetch it ahead of use. Null when every text is empty.
  const void* BlockAddress() const { return block_; }

  // Equal values, wherever they lie.
  friend bool operator==(const CharacterFields& a, const CharacterFields& b);

 protected:
  enum Field : std::size_t { kName, kRace, kGender, kPlayerName, kRemarks, kFeats, kLevels };

  struct Numbers {
    int32_t hp = 0, mp = 0, hit = 0, evasion = 0, protection = 0, magicPower = 0, participationCount = 0;
  };

  CharacterFields() = default;
  CharacterFields(const char* block, const Numbers& numbers) : block_(block), numbers_(numbers) {}
  // A copy of the values and of the address of the block, for the derived
  // classes to give a meaning.
  CharacterFields(const CharacterFields&) = default;
  CharacterFields& operator=(const CharacterFields&) = default;
  ~CharacterFields() = default;

  std::string_view Text(Field field) const { return field_block::Get(block_, field); }
  static const char* BlockOf(const CharacterFields& c) { return c.block_; }
  static const Numbers& NumbersOf(const CharacterFields& c) { return c.numbers_; }

  // The feats are stored as a length byte and the bytes of each; the levels
  // as one width byte (1 or 4) and the values, little-endian.
  const char* block_ = nullptr;
  Numbers numbers_;
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
  CharacterData(std::unique_ptr<char[]> block, const Numbers& numbers);

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
  CharacterRecord(const char* block, const Numbers& numbers) : CharacterFields(block, numbers) {}
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
  Builder& Hp(int32_t value) { return Set(numbers_.hp, value); }
  Builder& Mp(int32_t value) { return Set(numbers_.mp, value); }
  Builder& Hit(int32_t value) { return Set(numbers_.hit, value); }
  Builder& Evasion(int32_t value) { return Set(numbers_.evasion, value); }
  Builder& Protection(int32_t value) { return Set(numbers_.protection, value); }
  Builder& MagicPower(int32_t value) { return Set(numbers_.magicPower, value); }
  Builder& ParticipationCount(int32_t value) { return Set(numbers_.participationCount, value); }
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
  Builder& Set(int32_t& field, int32_t value) {
    field = value;
    return *this;
  }
  field_block::Texts Texts() const;

  field_block::Texts texts_{};
  std::string levels_;
  std::string feats_;
  Numbers numbers_;
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
