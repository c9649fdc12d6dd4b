#include "text/cp932.h"

#include <cstring>

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

std::size_t FindChars(std::string_view text, std::string_view pattern, std::size_t from) {
  if (pattern.empty() || from > text.size()) return std::string_view::npos;
  if (BelowTrailRange(pattern)) return text.find(pattern, from);
  const std::size_t m = pattern.size();
  const auto first = static_cast<unsigned char>(pattern[0]);
  for (std::size_t pos = from; pos + m <= text.size(); pos += CharLength(text, pos)) {
    if (static_cast<unsigned char>(text[pos]) != first ||
        std::memcmp(text.data() + pos, pattern.data(), m) != 0) {
      continue;
    }
    std::size_t end = pos;
    while (end < pos + m) end += CharLength(text, end);
    if (end == pos + m) return pos;
  }
  return std::string_view::npos;
}

std::size_t PrefixOnBoundary(std::string_view text, std::size_t maxBytes) {
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t next = end + CharLength(text, end);
    if (next > maxBytes) break;
    end = next;
  }
  return end;
}

std::size_t SuffixStartOnBoundary(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return 0;
  const std::size_t earliest = text.size() - maxBytes;
  std::size_t pos = 0;
  while (pos < earliest) pos += CharLength(text, pos);
  return pos;
}

}  // namespace roster
