// The set of names already taken during one extraction: an open-addressing
// table of (hash, position) pairs, eight bytes a slot, that checks a match
// against the collected characters themselves.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace roster {

class NameTable {
 public:
  // Room for up to `capacity` names without growing.
  explicit NameTable(std::size_t capacity);

  // Looks `name` up; `nameAt(i)` gives the i-th inserted name. Inserts it as
  // number `next` and returns true when it was not there.
  template <typename NameAt>
  bool Insert(std::string_view name, uint32_t next, NameAt nameAt);

 private:
  static uint64_t Hash(std::string_view name);

  struct Slot {
    uint32_t fingerprint;
    uint32_t position;  // inserted number + 1; 0 marks an empty slot
  };
  std::vector<Slot> slots_;
  std::size_t mask_;
};

template <typename NameAt>
bool NameTable::Insert(std::string_view name, uint32_t next, NameAt nameAt) {
  const uint64_t hash = Hash(name);
  const auto fingerprint = static_cast<uint32_t>(hash >> 32);
  for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
    Slot& slot = slots_[i];
    if (slot.position == 0) {
      slot = {fingerprint, next + 1};
      return true;
    }
    if (slot.fingerprint == fingerprint && nameAt(slot.position - 1) == name) return false;
  }
}

}  // namespace roster
