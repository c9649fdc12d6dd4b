#include "pipeline/name_table.h"

#include <algorithm>
#include <bit>
#include <cassert>
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

// At most half full, so that probes stay short.
std::size_t NameTable::SlotsFor(std::size_t capacity) { return std::bit_ceil(std::max<std::size_t>(16, capacity * 2)); }

NameTable::NameTable(std::size_t capacity, std::pmr::memory_resource* memory)
    : slots_(SlotsFor(capacity), Slot{}, memory), mask_(slots_.size() - 1) {}

void NameTable::Reserve(std::size_t capacity) {
  if (SlotsFor(capacity) <= slots_.size()) return;
  std::pmr::vector<Slot> old(SlotsFor(capacity), Slot{}, slots_.get_allocator());
  old.swap(slots_);
  mask_ = slots_.size() - 1;
  for (const Slot& slot : old) {
    const auto length = static_cast<std::size_t>(slot.bytes[kInlineBytes]);
    if (length != 0) slots_[Find(slot, Hash(std::string_view(slot.bytes, length)))] = slot;
  }
}

NameTable::Slot NameTable::SlotOf(std::string_view name) {
  assert(name.size() <= kInlineBytes);
  Slot key{};
  std::memcpy(key.bytes, name.data(), name.size());
  key.bytes[kInlineBytes] = static_cast<char>(name.size());
  return key;
}

std::size_t NameTable::Find(const Slot& key, uint64_t hash) const {
  for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
    const Slot& slot = slots_[i];
    if (slot.bytes[kInlineBytes] == 0 || std::memcmp(slot.bytes, key.bytes, sizeof key.bytes) == 0) return i;
  }
}

bool NameTable::Insert(std::string_view name, uint64_t hash) {
  if (name.empty()) return false;  // a line without a name is no character
  const Slot key = SlotOf(name);
  Slot& slot = slots_[Find(key, hash)];
  if (slot.bytes[kInlineBytes] != 0) return false;
  slot = key;
  ++size_;
  return true;
}

bool NameTable::Contains(std::string_view name, uint64_t hash) const {
  if (name.empty()) return false;
  const Slot key = SlotOf(name);
  return slots_[Find(key, hash)].bytes[kInlineBytes] != 0;
}

template <typename Visit>
void NameTable::Ahead(std::span<const std::string_view> names, Visit visit) const {
  uint64_t hashes[kAhead];
  const std::size_t n = names.size();
  for (std::size_t i = 0; i < n + kAhead; ++i) {
    uint64_t& hash = hashes[i % kAhead];  // of name i - kAhead, then of name i
    if (i >= kAhead) visit(i - kAhead, hash);
    if (i < n) {
      hash = Hash(names[i]);
      Prefetch(hash);
    }
  }
}

void NameTable::InsertEach(std::span<const std::string_view> names, std::span<bool> inserted) {
  Ahead(names, [&](std::size_t i, uint64_t hash) { inserted[i] = Insert(names[i], hash); });
}

void NameTable::ContainsEach(std::span<const std::string_view> names, std::span<bool> found) const {
  Ahead(names, [&](std::size_t i, uint64_t hash) { found[i] = Contains(names[i], hash); });
}

}  // namespace roster
