// Copying the few bytes of a field or a cell without a call: the report's
// rows and the records' blocks are made of pieces of a few bytes, for which
// a call to memcpy costs more than the copy.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace roster {

// Copies `size` bytes from `from` to `to`, which do not overlap. Up to 16
// bytes take two loads and two stores that may overlap each other.
inline void CopyShort(char* to, const char* from, std::size_t size) {
  if (size > 16) {
    std::memcpy(to, from, size);
  } else if (size >= 8) {
    uint64_t head, tail;
    std::memcpy(&head, from, 8);
    std::memcpy(&tail, from + size - 8, 8);
    std::memcpy(to, &head, 8);
    std::memcpy(to + size - 8, &tail, 8);
  } else if (size >= 4) {
    uint32_t head, tail;
    std::memcpy(&head, from, 4);
    std::memcpy(&tail, from + size - 4, 4);
    std::memcpy(to, &head, 4);
    std::memcpy(to + size - 4, &tail, 4);
  } else if (size > 0) {
    // One to three bytes: the first, the middle and the last.
    to[0] = from[0];
    to[size / 2] = from[size / 2];
    to[size - 1] = from[size - 1];
  }
}

}  // namespace roster
