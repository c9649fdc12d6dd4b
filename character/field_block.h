// The variable-length fields of a character in one block of bytes, so that
// a character costs one allocation and a copy one memcpy. Whoever holds a
// block decides where it lives (an owned CharacterData on the heap, a
// Roster in the memory of its run); these functions only write and read it.
//
// Layout: one byte giving the width (1, 2 or 4) of the end offsets, the end
// offset of each field, then the fields' bytes one after another. A
// character whose texts are all empty has no block (a null pointer).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace roster::field_block {

inline constexpr std::size_t kFieldCount = 7;
using Texts = std::array<std::string_view, kFieldCount>;

// The bytes a block of `texts` takes; 0 when every text is empty.
std::size_t SizeFor(const Texts& texts);

// Writes the block of `texts` into `out`, which has room for SizeFor bytes.
void Write(const Texts& texts, char* out);

// Field `field` of a block (a null block holds empty fields), and the bytes
// a block takes. Inline for the common block, whose offsets are one byte
// wide: a row reads every field of its record.
std::string_view GetWide(const char* block, std::size_t field);
inline std::string_view Get(const char* block, std::size_t field) {
  if (block == nullptr) return {};
  if (block[0] != 1) return GetWide(block, field);
  const auto* ends = reinterpret_cast<const unsigned char*>(block + 1);
  const std::size_t start = field == 0 ? 0 : ends[field - 1];
  return {block + 1 + kFieldCount + start, ends[field] - start};
}
std::size_t SizeOf(const char* block);

}  // namespace roster::field_block
