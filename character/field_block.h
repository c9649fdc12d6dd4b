// The variable-length fields of a record in one block: on the heap, where a
// record costs one allocation and a copy one allocation and one memcpy, or
// in a run's FieldArena, which the block then only borrows.
//
// Layout: one byte giving the width (1, 2 or 4) of the end offsets, the end
// offset of each field, then the fields' bytes one after another.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "character/field_arena.h"

namespace roster {

template <std::size_t FieldCount>
class FieldBlock {
 public:
  FieldBlock() = default;
  // On the heap, or in `arena` when one is given.
  explicit FieldBlock(const std::array<std::string_view, FieldCount>& fields, FieldArena* arena = nullptr);
  FieldBlock(const FieldBlock& other);  // always on the heap
  FieldBlock& operator=(const FieldBlock& other);
  FieldBlock(FieldBlock&& other) noexcept : block_(other.block_) { other.block_ = 0; }
  FieldBlock& operator=(FieldBlock&& other) noexcept;
  ~FieldBlock() { Release(); }

  std::string_view Get(std::size_t field) const;

  void Prefetch() const {
    if (block_ != 0) __builtin_prefetch(Data());
  }

  friend bool operator==(const FieldBlock& a, const FieldBlock& b) {
    for (std::size_t i = 0; i < FieldCount; ++i) {
      if (a.Get(i) != b.Get(i)) return false;
    }
    return true;
  }

 private:
  // The lowest bit of the address marks a block borrowed from an arena
  // (arena blocks lie at even addresses), which the record never frees.
  static constexpr std::uintptr_t kBorrowed = 1;

  const char* Data() const { return reinterpret_cast<const char*>(block_ & ~kBorrowed); }
  void Release() {
    if ((block_ & kBorrowed) == 0) delete[] reinterpret_cast<char*>(block_);
  }
  std::size_t End(std::size_t field) const;
  std::size_t BlockSize() const;

  std::uintptr_t block_ = 0;  // 0: every field empty
};

}  // namespace roster
