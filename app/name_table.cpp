#include "app/name_table.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace roster {
uint64_t NameTable::Hash(std::string_view name) {
  // FNV-1a with a final mix, so that the slot depends on every byte.
  uint64_t h = 0xCBF29CE484222325ull;
  for (char c : name) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDull;
  h ^= h >> 33;
  return h;
}

NameTable::NameTable(std::size_t capacity) {
  // At most half full, so that probes stay short.
  const std::size_t size = std::bit_ceil(std::max<std::size_t>(16, capacity * 2));
  slots_.assign(size, Slot{});
  mask_ = size - 1;
}

bool NameTable::Insert(std::string_view name, uint64_t hash) {
  if (name.empty() || name.size() > kInlineBytes) return longNames_.emplace(name).second;
  Slot key{};
  std::memcpy(key.bytes, name.data(), name.size());
  key.bytes[kInlineBytes] = static_cast<char>(name.size());
  for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
    Slot& slot = slots_[i];
    if (slot.bytes[kInlineBytes] == 0) {
      slot = key;
      return true;
    }
    if (std::memcmp(slot.bytes, key.bytes, sizeof key.bytes) == 0) return false;
  }
}

}  // namespace roster
