// Character boundaries of code page 932 (Shift_JIS) text.
//
// A byte-wise search finds "|" inside "ポ" (0x83 0x7C) and cuts names in two,
// so every search and cut in the tool goes through these helpers: an
// occurrence counts only where it starts and ends on a character boundary.
#pragma once

#include <cstddef>
#include <string_view>

namespace roster {

constexpr bool IsLeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

constexpr bool IsTrailByte(unsigned char b) {
  return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

// Length (1 or 2) of the character that starts at `pos`; a lead byte at the
// end, or before a byte that cannot follow it, stands alone.
inline std::size_t CharLength(std::string_view text, std::size_t pos) {
  if (pos + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[pos])) &&
      IsTrailByte(static_cast<unsigned char>(text[pos + 1]))) {
    return 2;
  }
  return 1;
}

// First occurrence of `pattern` at or after `from` (which must be a boundary)
// that starts and ends on boundaries; npos when there is none or the pattern
// is empty.
std::size_t FindChars(std::string_view text, std::string_view pattern, std::size_t from = 0);

// Whether `pos` starts a character, given that `from` (<= pos) does.
bool StartsCharacter(std::string_view text, std::size_t from, std::size_t pos);

// FindChars for one byte that is not a lead byte, such as "|", which the
// parser looks for in every cell. Such a byte starts a character unless it
// follows a lead byte that it could be the second byte of, which only the
// run of lead bytes before it tells; most often no lead byte comes before.
inline std::size_t FindChar(std::string_view text, char c, std::size_t from = 0) {
  for (std::size_t pos = text.find(c, from); pos != std::string_view::npos; pos = text.find(c, pos + 1)) {
    if (pos == from || !IsLeadByte(static_cast<unsigned char>(text[pos - 1])) || StartsCharacter(text, from, pos)) {
      return pos;
    }
  }
  return std::string_view::npos;
}

inline bool ContainsChars(std::string_view text, std::string_view pattern) {
  return FindChars(text, pattern) != std::string_view::npos;
}

// The longest prefix of `text` of at most `maxBytes` that ends on a boundary;
// at least one character when the text is not empty and maxBytes >= 2.
// Inline: the parser cuts every skill level and feat with it.
inline std::size_t PrefixOnBoundary(std::string_view text, std::size_t maxBytes) {
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t next = end + CharLength(text, end);
    if (next > maxBytes) break;
    end = next;
  }
  return end;
}

// Start of the longest suffix of `text` of at most `maxBytes` that starts on
// a boundary.
std::size_t SuffixStartOnBoundary(std::string_view text, std::size_t maxBytes);

}  // namespace roster
