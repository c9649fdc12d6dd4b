#include "pipeline/name_table.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <new>

namespace roster {
namespace {

// Whether two names are the same: a name is a few bytes, compared in two
// words that overlap rather than in a call and a loop.
template <typename Word>
bool SameEnds(const char* a, const char* b, std::size_t n) {
  Word x, y, u, v;
  std::memcpy(&x, a, sizeof x);
  std::memcpy(&y, b, sizeof y);
  std::memcpy(&u, a + n - sizeof u, sizeof u);
  std::memcpy(&v, b + n - sizeof v, sizeof v);
  return ((x ^ y) | (u ^ v)) == 0;
}

bool SameName(std::string_view a, std::string_view b) {
  const std::size_t n = a.size();
  if (n != b.size()) return false;
  if (n >= 8) return n <= 16 ? SameEnds<uint64_t>(a.data(), b.data(), n) : a == b;
  if (n >= 4) return SameEnds<uint32_t>(a.data(), b.data(), n);
  if (n >= 2) return SameEnds<uint16_t>(a.data(), b.data(), n);
  return n == 0 || a[0] == b[0];
}

}  // namespace

uint32_t NameTable::Tag(std::string_view name) {
  // FNV-1a with a final mix, so that the high bits depend on every byte.
  uint64_t h = 0xCBF29CE484222325ull;
  for (char c : name) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDull;
  h ^= h >> 33;
  return static_cast<uint32_t>(h >> 32);
}

// At most two thirds full: eight slots share a line of the cache, so a
// probe still reads one line or two. A slot's home is scaled
// from its tag, so the table may have any size, and it grows without a
// name read.
std::size_t NameTable::SlotsFor(std::size_t capacity) { return std::max<std::size_t>(16, capacity * 3 / 2); }

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

[[gnu::always_inline]] inline std::size_t NameTable::Find(std::string_view name, uint32_t tag, std::size_t from,
                                                          const Names& held) const {
  for (std::size_t i = from;; i = Next(i)) {
    const Slot slot = slots_[i];
    if (slot.record == 0 || (slot.tag == tag && SameName(held[slot.record - 1], name))) return i;
  }
}

template <typename Visit>
void NameTable::Ahead(std::span<const std::string_view> names, std::span<const CharacterRecord> records,
                      Visit visit) const {
  // Name i's slot is fetched at step i; at step i + kAhead / 2 its probe
  // goes to the first slot of its tag or the first empty one, and fetches
  // the record that slot names; that record's block is fetched at step
  // i + 3 kAhead / 4, and name i is looked up at step i + kAhead, from
  // where its probe stopped: slots are only ever filled in between, so
  // those it passed still hold other names.
  constexpr std::size_t kRecordStep = kAhead / 2, kBlockStep = 3 * kAhead / 4;
  uint32_t tags[kAhead];
  uint32_t candidates[kAhead];  // the record a tag named plus one, or 0
  std::size_t stops[kAhead];     // where the probe stopped
  const std::size_t n = names.size();
  for (std::size_t step = 0; step < n + kAhead; ++step) {
    if (step >= kAhead) {
      const std::size_t k = (step - kAhead) % kAhead;
      visit(step - kAhead, tags[k], stops[k]);
    }
    if (step >= kBlockStep && step - kBlockStep < n) {
      const uint32_t candidate = candidates[(step - kBlockStep) % kAhead];
      if (candidate != 0) __builtin_prefetch(records[candidate - 1].BlockAddress());
    }
    if (step >= kRecordStep && step - kRecordStep < n) {
      const std::size_t k = (step - kRecordStep) % kAhead;
      candidates[k] = 0;
      std::size_t i = Home(tags[k]);
      while (slots_[i].record != 0 && slots_[i].tag != tags[k]) i = Next(i);
      stops[k] = i;
      // A name inserted by this call has no record yet.
      if (slots_[i].record != 0 && slots_[i].record <= records.size()) {
        candidates[k] = slots_[i].record;
        __builtin_prefetch(&records[slots_[i].record - 1]);
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
  Ahead(names, records, [&](std::size_t i, uint32_t tag, std::size_t from) {
    // A line without a name is no character.
    inserted[i] = false;
    if (names[i].empty()) return;
    Slot& slot = slots_[Find(names[i], tag, from, held)];
    if (slot.record != 0) return;
    pending_.push_back(names[i]);
    slot = {tag, static_cast<uint32_t>(++size_)};
    inserted[i] = true;
  });
}

void NameTable::ContainsEach(std::span<const std::string_view> names, std::span<const CharacterRecord> records,
                             std::span<bool> found) const {
  const Names held{records, {}};
  Ahead(names, records, [&](std::size_t i, uint32_t tag, std::size_t from) {
    found[i] = !names[i].empty() && slots_[Find(names[i], tag, from, held)].record != 0;
  });
}

}  // namespace roster
