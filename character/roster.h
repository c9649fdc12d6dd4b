// One run's characters. A roster owns the memory its records' blocks lie in
// (given to it when it is made, and taken over from a roster it joins), makes
// each record in place and gives it out by const reference only: no record
// can be copied or moved out of it, and what leaves a run is made by
// CharacterRecord::ToOwned.
#pragma once

#include <cstddef>
#include <memory>
#include <memory_resource>
#include <span>
#include <vector>

#include "character/character_data.h"

namespace roster {

class Roster {
 public:
  // Room for `capacity` records without moving them, the list from
  // `listMemory`; the blocks from `blockMemory`, which the roster keeps.
  Roster(std::size_t capacity, std::unique_ptr<std::pmr::memory_resource> blockMemory,
         std::pmr::memory_resource* listMemory = std::pmr::get_default_resource());
  Roster(Roster&& other) noexcept;
  Roster& operator=(Roster&&) = delete;
  Roster(const Roster&) = delete;
  Roster& operator=(const Roster&) = delete;
  ~Roster();

  // A record with the builder's fields, after the others.
  const CharacterRecord& Add(const CharacterData::Builder& fields);

  // The records of `other` at the positions for which `keep(position)`
  // holds, after these, in their order. This roster takes over the memory
  // of their blocks, so they live as long as it does.
  template <typename Keep>
  void Join(Roster&& other, Keep keep);

  // Room for `capacity` records without moving them (never less room).
  void Reserve(std::size_t capacity);

  std::size_t size() const { return size_; }
  const CharacterRecord& operator[](std::size_t i) const { return records_[i]; }
  std::span<const CharacterRecord> Records() const { return {records_, size_}; }

 private:
  CharacterRecord* Slot();  // room for one more record, growing the list when full

  std::pmr::memory_resource* listMemory_;
  CharacterRecord* records_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
  // The memory of every block here: the roster's own, then that of each
  // roster it joined.
  std::vector<std::unique_ptr<std::pmr::memory_resource>> blockMemories_;
};

template <typename Keep>
void Roster::Join(Roster&& other, Keep keep) {
  for (std::size_t i = 0; i < other.size_; ++i) {
    if (keep(i)) new (Slot()) CharacterRecord(std::move(other.records_[i]));
  }
  for (auto& memory : other.blockMemories_) blockMemories_.push_back(std::move(memory));
  other.blockMemories_.clear();
  other.size_ = 0;
}

}  // namespace roster
