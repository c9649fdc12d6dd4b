// Test access to a character's fields: build a record from given values and
// read back the fields that have no accessor.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "character/character_data.h"

namespace roster {

struct CharacterFields {
  std::string name, race, gender;
  std::vector<int32_t> skillLevels;
  int32_t hp = 0, mp = 0, hit = 0, evasion = 0, protection = 0, magicPower = 0;
  std::vector<std::string> combatFeats;
  int32_t participationCount = 0;
  std::string playerName, remarks;

  friend bool operator==(const CharacterFields&, const CharacterFields&) = default;
};

class CharacterDataTestPeer {
 public:
  static CharacterData Make(const CharacterFields& fields);
  static CharacterFields Fields(const CharacterData& character);
};

inline CharacterFields ParsedFields(std::string_view line) {
  CharacterData character;
  character.ParseLine(line);
  return CharacterDataTestPeer::Fields(character);
}

}  // namespace roster
