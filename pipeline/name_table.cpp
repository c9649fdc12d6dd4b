#include "pipeline/name_table.h"

#include <algorithm>
#include <cassert>
#include <new>

namespace roster {

uint32_t NameTable::Tag(std::string_view name) {
  // FNV-1a with a final mix, so that the high bits depend on every byte.
  uint64_t h = 0xCBF29CE484222325ull;
  for (char c : name) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDull;
  h ^= h >> 33;
  return static_cast<uint32_t>(h >> 32);
}

// At most half full, so that probes stay short. A slot's home is scaled
// from its tag, so the table may have any size, and it grows without a
// name read.
std::size_t NameTable::SlotsFor(std::size_t capacity) { return std::max<std::size_t>(16, capacity * 2); }

NameTable::NameTable(std::size_t capacity, std::pmr::memory_resource* memory)
    : slots_(SlotsFor(capacity), Slot{}, memory), pending_(memory) {}

void NameTable::Reserve(std::size_t capacity) {
  if (SlotsFor(capacity) <= slots_.size()) return;
  std::pmr::vector<Slot> old(SlotsFor(capacity), Slot{}, slots_.get_allocator());
  old.swap(slots_);
  // The names held are all different: each goes to the first empty slot
  // from its home.
  for (const Slot& slot : old) {
    if (slot.record == 0) continue;
    std::size_t i = Home(slot.tag);
    while (slots_[i].record != 0) i = Next(i);
    slots_[i] = slot;
  }
}

std::size_t NameTable::Find(std::string_view name, uint32_t tag, const Names& held) const {
  for (std::size_t i = Home(tag);; i = Next(i)) {
    const Slot slot = slots_[i];
    if (slot.record == 0 || (slot.tag == tag && held[slot.record - 1] == name)) return i;
  }
}

template <typename Visit>
void NameTable::Ahead(std::span<const std::string_view> names, std::span<const CharacterRecord> records,
                      Visit visit) const {
  // Name i's slot is fetched at step i, the record its tag names (if one
  // does) at step i + kAhead / 2, that record's block at i + 3 kAhead / 4,
  // and name i is looked up at step i + kAhead.
  constexpr std::size_t kRecordStep = kAhead / 2, kBlockStep = 3 * kAhead / 4;
  uint32_t tags[kAhead];
  uint32_t candidates[kAhead];  // the record a tag named plus one, or 0
  const std::size_t n = names.size();
  for (std::size_t step = 0; step < n + kAhead; ++step) {
    if (step >= kAhead) visit(step - kAhead, tags[(step - kAhead) % kAhead]);
    if (step >= kBlockStep && step - kBlockStep < n) {
      const uint32_t candidate = candidates[(step - kBlockStep) % kAhead];
      if (candidate != 0) __builtin_prefetch(records[candidate - 1].BlockAddress());
    }
    if (step >= kRecordStep && step - kRecordStep < n) {
      const std::size_t k = (step - kRecordStep) % kAhead;
      candidates[k] = 0;
      for (std::size_t i = Home(tags[k]); slots_[i].record != 0; i = Next(i)) {
        if (slots_[i].tag != tags[k]) continue;
        // A name inserted by this call has no record yet.
        if (slots_[i].record <= records.size()) {
          candidates[k] = slots_[i].record;
          __builtin_prefetch(&records[slots_[i].record - 1]);
        }
        break;
      }
    }
    if (step < n) {
      const uint32_t tag = Tag(names[step]);
      tags[step % kAhead] = tag;
      __builtin_prefetch(&slots_[Home(tag)]);
    }
  }
}

void NameTable::InsertEach(std::span<const std::string_view> names, std::span<const CharacterRecord> records,
                           std::span<bool> inserted) {
  assert(records.size() == size_);
  if (names.size() >= UINT32_MAX - size_) throw std::bad_alloc();
  pending_.clear();
  pending_.reserve(names.size());
  const Names held{records, std::span(pending_.data(), names.size())};
  Ahead(names, records, [&](std::size_t i, uint32_t tag) {
    // A line without a name is no character.
    inserted[i] = false;
    if (names[i].empty()) return;
    Slot& slot = slots_[Find(names[i], tag, held)];
    if (slot.record != 0) return;
    pending_.push_back(names[i]);
    slot = {tag, static_cast<uint32_t>(++size_)};
    inserted[i] = true;
  });
}

void NameTable::ContainsEach(std::span<const std::string_view> names, std::span<const CharacterRecord> records,
                             std::span<bool> found) const {
  const Names held{records, {}};
  Ahead(names, records, [&](std::size_t i, uint32_t tag) {
    found[i] = !names[i].empty() && slots_[Find(names[i], tag, held)].record != 0;
  });
}

}  // namespace roster
