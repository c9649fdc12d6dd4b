// The set of names already taken during one extraction: an open-addressing
// table whose slots hold the names themselves (a parsed name is at most 10
// bytes), so a lookup touches one slot and nothing else.
#pragma once

#include <cstdint>
#include <memory_resource>
#include <span>
#include <string_view>
#include <vector>

namespace roster {

class NameTable {
 public:
  // Room for `capacity` names, the slots from `memory`.
  explicit NameTable(std::size_t capacity, std::pmr::memory_resource* memory = std::pmr::get_default_resource());

  std::size_t size() const { return size_; }
  // How many names the table holds before it must grow.
  std::size_t Room() const { return slots_.size() / 2; }
  // Grows the table to room for `capacity` names (never shrinks it).
  void Reserve(std::size_t capacity);

  // Inserts each of `names` (each a parsed name: 10 bytes at most)
  // in order, which must fit the room left; `inserted[i]` tells whether
  // names[i] was new. The slots are fetched from memory a few names ahead, so that a
  // lookup does not wait for the memory of the one before it.
  void InsertEach(std::span<const std::string_view> names, std::span<bool> inserted);
  // Whether each of `names` is in the table, looked up the same way.
  void ContainsEach(std::span<const std::string_view> names, std::span<bool> found) const;

 private:
  // A slot's room; a parsed name takes at most 10 bytes.
  static constexpr std::size_t kInlineBytes = 15;
  // How many names ahead a slot is fetched.
  static constexpr std::size_t kAhead = 8;

  static uint64_t Hash(std::string_view name);
  bool Insert(std::string_view name, uint64_t hash);
  bool Contains(std::string_view name, uint64_t hash) const;
  void Prefetch(uint64_t hash) const { __builtin_prefetch(&slots_[hash & mask_]); }
  // Calls `visit(i, hash)` for each name, its slot fetched kAhead names
  // before.
  template <typename Visit>
  void Ahead(std::span<const std::string_view> names, Visit visit) const;

  // The name's bytes and its length in the last byte; length 0 marks an
  // empty slot (the table never holds the empty name).
  struct Slot {
    char bytes[kInlineBytes + 1];
  };
  static Slot SlotOf(std::string_view name);
  // The slot that holds `key`, or the empty one where it would go.
  std::size_t Find(const Slot& key, uint64_t hash) const;
  static std::size_t SlotsFor(std::size_t capacity);
  std::pmr::vector<Slot> slots_;
  std::size_t mask_;
  std::size_t size_ = 0;
};

}  // namespace roster
