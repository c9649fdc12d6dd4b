// The variable-length fields of a record in one heap block: a record then
// costs one allocation, and a copy is one allocation and one memcpy.
//
// Layout: one byte giving the width (1, 2 or 4) of the end offsets, the end
// offset of each field, then the fields' bytes one after another.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace roster {

template <std::size_t FieldCount>
class FieldBlock {
 public:
  FieldBlock() = default;
  explicit FieldBlock(const std::array<std::string_view, FieldCount>& fields);
  FieldBlock(const FieldBlock& other);
  FieldBlock& operator=(const FieldBlock& other);
  FieldBlock(FieldBlock&& other) noexcept : block_(other.block_) { other.block_ = nullptr; }
  FieldBlock& operator=(FieldBlock&& other) noexcept;
  ~FieldBlock() { delete[] block_; }

  std::string_view Get(std::size_t field) const;

  void Prefetch() const {
    if (block_ != nullptr) __builtin_prefetch(block_);
  }

  friend bool operator==(const FieldBlock& a, const FieldBlock& b) {
    for (std::size_t i = 0; i < FieldCount; ++i) {
      if (a.Get(i) != b.Get(i)) return false;
    }
    return true;
  }

 private:
  std::size_t End(std::size_t field) const;
  std::size_t BlockSize() const;

  char* block_ = nullptr;  // null: every field empty
};

}  // namespace roster
