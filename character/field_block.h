// All the fields of a character in one block of bytes, so that a character
// costs one allocation, a copy one memcpy, and a run's record no more than
// the block's address. Whoever holds a block decides where it lives (an
// owned CharacterData on the heap, a Roster in the memory of its run);
// these functions only write and read it.
//
// Layout: one byte giving the width (1, 2 or 4) of the end offsets in its
// low four bits and that of the numbers (0, 1, 2 or 4) in its high four, the
// end offset of each text, the texts' bytes one after another, then the
// seven numbers, little-endian, as narrow as the widest of them allows (no
// bytes when all are 0). A character whose texts are all empty and whose
// numbers are all 0 has no block (a null pointer).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace roster::field_block {

inline constexpr std::size_t kFieldCount = 7;
using Texts = std::array<std::string_view, kFieldCount>;
inline constexpr std::size_t kNumberCount = 7;
using Numbers = std::array<int32_t, kNumberCount>;

// How a block of some texts and numbers is laid out, worked out once for
// both the room it needs and its writing. `bytes` is 0 when every text is
// empty and every number 0: no block.
struct Layout {
  std::size_t bytes = 0, textBytes = 0, offsetWidth = 1, numberWidth = 0;
};
Layout LayoutOf(const Texts& texts, const Numbers& numbers);

// Writes the block of `layout` into `out`, which has room for its bytes.
void Write(const Texts& texts, const Numbers& numbers, const Layout& layout, char* out);

// The two widths that a block's first byte gives: the offsets' in its low
// four bits, the numbers' in its high four.
inline std::size_t OffsetWidthOf(const char* block) { return static_cast<unsigned char>(block[0]) & 0x0F; }
inline std::size_t NumberWidthOf(const char* block) { return static_cast<unsigned char>(block[0]) >> 4; }

// Field `field` of a block (a null block holds empty fields), and the bytes
// a block takes. Inline for the common block, whose offsets are one byte
// wide: a row reads every field of its record.
std::string_view GetWide(const char* block, std::size_t field);
inline std::string_view Get(const char* block, std::size_t field) {
  if (block == nullptr) return {};
  if (OffsetWidthOf(block) != 1) return GetWide(block, field);
  const auto* ends = reinterpret_cast<const unsigned char*>(block + 1);
  const std::size_t start = field == 0 ? 0 : ends[field - 1];
  return {block + 1 + kFieldCount + start, ends[field] - start};
}
std::size_t SizeOf(const char* block);

// Number `index` of a block, and all of them (a null block holds zeros).
// Inline for the common block, whose offsets and numbers are one byte wide
// (the numbers then start after the texts, whose bytes the last offset
// gives): a row reads every number of its record.
int32_t GetNumberWide(const char* block, std::size_t index);
inline const char* NarrowNumbers(const char* block) {
  constexpr unsigned char kNarrow = 1 | 1 << 4;  // one-byte offsets, one-byte numbers
  if (static_cast<unsigned char>(block[0]) != kNarrow) return nullptr;
  return block + 1 + kFieldCount + static_cast<unsigned char>(block[kFieldCount]);
}
inline int32_t GetNumber(const char* block, std::size_t index) {
  if (block == nullptr) return 0;
  const char* narrow = NarrowNumbers(block);
  return narrow != nullptr ? static_cast<int8_t>(narrow[index]) : GetNumberWide(block, index);
}
inline Numbers GetNumbers(const char* block) {
  Numbers numbers{};
  if (block == nullptr) return numbers;
  if (const char* narrow = NarrowNumbers(block)) {
    for (std::size_t i = 0; i < kNumberCount; ++i) numbers[i] = static_cast<int8_t>(narrow[i]);
  } else {
    for (std::size_t i = 0; i < kNumberCount; ++i) numbers[i] = GetNumberWide(block, i);
  }
  return numbers;
}

}  // namespace roster::field_block
