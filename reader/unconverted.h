// What stands where a text did not convert to CP932, said for a person:
// the messages of roster-extract and of the catalogue's load name it, and
// the window's status bar shows it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "encoding/encoding.h"

namespace roster {

// The character at `at` in `bytes`, written in `form`, that did not
// convert, and the line it stands on (counted from 1).
struct LostCharacter {
  std::size_t line = 1;
  std::size_t length = 0;  // its bytes; 0: no character starts there (a stray byte, an odd last one)
  char32_t codePoint = 0;  // when `length` is not 0; a half of a surrogate pair stands alone
};
LostCharacter LostCharacterAt(std::string_view bytes, TextForm form, std::size_t at);

// "the character U+2603 "☃" has no Shift_JIS (CP932) form" or "invalid
// UTF-8 (byte 0xFF)": what stands at `at` in `bytes`, written in `form`,
// that did not convert; with the line it stands on (counted from 1).
std::string DescribeLoss(std::string_view bytes, TextForm form, std::size_t at, std::size_t* line);

}  // namespace roster
