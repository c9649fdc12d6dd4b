#include "app/name_table.h"

#include <bit>

namespace roster {

NameTable::NameTable(std::size_t capacity) {
  // At most half full, so that probes stay short.
  const std::size_t size = std::bit_ceil(std::max<std::size_t>(16, capacity * 2));
  slots_.assign(size, Slot{0, 0});
  mask_ = size - 1;
}

uint64_t NameTable::Hash(std::string_view name) {
  // FNV-1a, then a final mix so that the low bits (the slot) and the high
  // bits (the fingerprint) both depend on every byte.
  uint64_t h = 0xCBF29CE484222325ull;
  for (char c : name) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDull;
  h ^= h >> 33;
  return h;
}

}  // namespace roster
