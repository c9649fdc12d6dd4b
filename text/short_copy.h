// Copying the few bytes of a field or a cell without a call: the report's
// rows and the records' blocks are made of pieces of a few bytes, for which
// a call to memcpy costs more than the copy.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace roster {

// Copies `size` bytes, at least sizeof(Word) and at most twice that, as a
// word from the start and a word to the end, which may overlap.
template <typename Word>
void CopyTwoWords(char* to, const char* from, std::size_t size) {
  Word head, tail;
  std::memcpy(&head, from, sizeof head);
  std::memcpy(&tail, from + size - sizeof tail, sizeof tail);
  std::memcpy(to, &head, sizeof head);
  std::memcpy(to + size - sizeof tail, &tail, sizeof tail);
}

// Copies `size` bytes from `from` to `to`, which do not overlap.
inline void CopyShort(char* to, const char* from, std::size_t size) {
  if (size > 16) {
    std::memcpy(to, from, size);
  } else if (size >= 8) {
    CopyTwoWords<uint64_t>(to, from, size);
  } else if (size >= 4) {
    CopyTwoWords<uint32_t>(to, from, size);
  } else if (size > 0) {
    // One to three bytes: the first, the middle and the last.
    to[0] = from[0];
    to[size / 2] = from[size / 2];
    to[size - 1] = from[size - 1];
  }
}

}  // namespace roster
