// Builds a CharacterData from its field values: the parser fills one field
// by field, then stores it into the record in one allocation.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "character/character_data.h"

namespace roster {

class CharacterEncoder {
 public:
  std::string name;
  std::string_view race, gender, playerName;
  std::string remarks;
  int32_t hp = 0, mp = 0, hit = 0, evasion = 0, protection = 0, magicPower = 0, participationCount = 0;

  // Levels are kept one byte wide while they fit, four bytes otherwise.
  void AppendLevel(int32_t level);
  // A feat is at most 255 bytes (the parser's are at most 4).
  void AppendFeat(std::string_view feat);

  void StoreInto(CharacterData& character) const;

 private:
  std::string levels_;
  std::string feats_;
};

}  // namespace roster
