// The line rules applied the slow and obvious way: whole strings, every cut
// through Split, every replacement through ReplaceAll, character boundaries
// found by walking from the first byte. The parser's one-pass paths are
// checked against it.
#pragma once

#include <string>
#include <string_view>

#include "character/character_data.h"

namespace roster {

CharacterData ReferenceParse(std::string_view line);

// The character that `c`'s report row reads back as: a record without
// skill cells gains the empty cell its row draws (one group marker), and a
// negative level, drawn as "|", reads back as a group marker.
CharacterData AsReadBack(const CharacterData& c);

// The name that the line parser gives a line, without parsing the rest:
// empty for a rejected line.
std::string ParseName(std::string_view line);

// The same boundaries as the parser's helpers, found by the plainest walk.
std::size_t ReferenceFind(std::string_view text, std::string_view pattern);

}  // namespace roster
