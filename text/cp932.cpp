#include "text/cp932.h"


namespace roster {
namespace {

// Bytes below 0x40 are neither lead nor trail bytes: each is a character of
// its own wherever it stands, so a pattern made only of them needs no walk.
bool BelowTrailRange(std::string_view pattern) {
  for (char c : pattern) {
    if (static_cast<unsigned char>(c) >= 0x40) return false;
  }
  return true;
}

}  // namespace

// A byte that is not a lead byte ends a character wherever it stands, so
// only the run of lead bytes just before `pos` matters: they pair up from
// the start of the run, and `pos` starts a character when the run has even
// length.
bool StartsCharacter(std::string_view text, std::size_t from, std::size_t pos) {
  std::size_t run = 0;
  while (pos - run > from && IsLeadByte(static_cast<unsigned char>(text[pos - run - 1]))) ++run;
  if (run % 2 == 0) return true;
  // An odd run: the last lead byte pairs with the byte at `pos` when that
  // byte can follow it.
  return !IsTrailByte(static_cast<unsigned char>(text[pos]));
}

std::size_t FindChars(std::string_view text, std::string_view pattern, std::size_t from) {
  if (pattern.empty() || from > text.size()) return std::string_view::npos;
  if (BelowTrailRange(pattern)) return text.find(pattern, from);
  if (pattern.size() == 1 && !IsLeadByte(static_cast<unsigned char>(pattern[0]))) {
    return FindChar(text, pattern[0], from);
  }
  if (pattern.size() == 1) {
    // One lead byte: it must start a character and end it too.
    for (std::size_t pos = text.find(pattern[0], from); pos != std::string_view::npos;
         pos = text.find(pattern[0], pos + 1)) {
      if (StartsCharacter(text, from, pos) && CharLength(text, pos) == 1) return pos;
    }
    return std::string_view::npos;
  }
  const std::size_t m = pattern.size();
  for (std::size_t pos = text.find(pattern, from); pos != std::string_view::npos; pos = text.find(pattern, pos + 1)) {
    if (!StartsCharacter(text, from, pos)) continue;
    // The end must be a boundary too: walk the pattern's characters.
    std::size_t end = pos;
    while (end < pos + m) end += CharLength(text, end);
    if (end == pos + m) return pos;
  }
  return std::string_view::npos;
}

std::size_t SuffixStartOnBoundary(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return 0;
  const std::size_t earliest = text.size() - maxBytes;
  std::size_t pos = 0;
  while (pos < earliest) pos += CharLength(text, pos);
  return pos;
}

}  // namespace roster
