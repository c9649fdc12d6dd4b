// How a character reads in a test's failure message: every field, by name.
#pragma once

#include <ostream>

#include "character/character_data.h"

namespace roster {

void PrintTo(const CharacterData& character, std::ostream* out);

}  // namespace roster
