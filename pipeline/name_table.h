// The set of names already taken during one extraction: an open-addressing
// table of 8-byte slots, each a tag of the name's hash and the position of
// the record that bears the name, whose name is read only when a tag
// matches.
#pragma once

#include <cstdint>
#include <memory_resource>
#include <span>
#include <string_view>
#include <vector>

#include "character/character_data.h"

namespace roster {

class NameTable {
 public:
  // Room for `capacity` names, the slots from `memory`.
  explicit NameTable(std::size_t capacity, std::pmr::memory_resource* memory = std::pmr::get_default_resource());

  std::size_t size() const { return size_; }
  // How many names the table holds before it must grow.
  std::size_t Room() const { return slots_.size() * 2 / 3; }
  // Grows the table to room for `capacity` names (never shrinks it).
  void Reserve(std::size_t capacity);

  // The names held are those of `records`, the name at position i that of
  // records[i]: the table holds as many names as there are records, and
  // each name it inserts belongs to the record that comes next.
  //
  // Inserts each of `names` (each a parsed name: 10 bytes at most) in
  // order, which must fit the room left; `inserted[i]` tells whether
  // names[i] was new, and so whether the caller adds its record next. A
  // name's slot, the record a tag names and that record's block are
  // fetched from memory a few names ahead, so that a lookup does not wait
  // for the memory of the one before it. Throws std::bad_alloc when the
  // positions of the records run out (some four billion).
  void InsertEach(std::span<const std::string_view> names, std::span<const CharacterRecord> records,
                  std::span<bool> inserted);
  // Whether each of `names` is in the table, looked up the same way.
  void ContainsEach(std::span<const std::string_view> names, std::span<const CharacterRecord> records,
                    std::span<bool> found) const;

  // The 32 bits of a name's hash that its slot keeps.
  static uint32_t Tag(std::string_view name);

 private:
  // How many names ahead a slot is fetched; the record a tag names is
  // fetched half as far ahead, its block a quarter.
  static constexpr std::size_t kAhead = 16;

  // A tag of the name's hash, which also tells where its probe starts, and
  // the position of its record plus one: 0 marks an empty slot.
  struct Slot {
    uint32_t tag;
    uint32_t record;
  };

  // The names of the records, and those that one InsertEach has inserted
  // and whose records do not exist yet.
  struct Names {
    std::span<const CharacterRecord> records;
    std::span<const std::string_view> pending;
    std::string_view operator[](std::size_t i) const {
      return i < records.size() ? records[i].GetName() : pending[i - records.size()];
    }
  };

  std::size_t Home(uint32_t tag) const { return (uint64_t{tag} * slots_.size()) >> 32; }
  std::size_t Next(std::size_t i) const { return i + 1 == slots_.size() ? 0 : i + 1; }
  // The slot that holds `name`, or the empty one where it would go, its
  // probe taken up at slot `from`.
  std::size_t Find(std::string_view name, uint32_t tag, std::size_t from, const Names& held) const;
  // Calls `visit(i, tag, from)` for each name, after fetching ahead what
  // the lookup of name i will read; `from` is where its probe goes on.
  template <typename Visit>
  void Ahead(std::span<const std::string_view> names, std::span<const CharacterRecord> records, Visit visit) const;
  static std::size_t SlotsFor(std::size_t capacity);

  std::pmr::vector<Slot> slots_;
  std::size_t size_ = 0;
  std::pmr::vector<std::string_view> pending_;  // of one InsertEach
};

}  // namespace roster
