#include "character/field_block.h"

#include <cstdint>
#include <cstring>

namespace roster {
namespace {

std::size_t OffsetWidth(std::size_t total) {
  if (total <= UINT8_MAX) return 1;
  if (total <= UINT16_MAX) return 2;
  return 4;
}

}  // namespace

template <std::size_t N>
FieldBlock<N>::FieldBlock(const std::array<std::string_view, N>& fields, FieldArena* arena) {
  std::size_t total = 0;
  for (std::string_view field : fields) total += field.size();
  if (total == 0) return;
  const std::size_t width = OffsetWidth(total);
  const std::size_t size = 1 + N * width + total;
  char* const block = arena != nullptr ? arena->Allocate(size) : new char[size];
  block_ = reinterpret_cast<std::uintptr_t>(block) | (arena != nullptr ? kBorrowed : 0);
  block[0] = static_cast<char>(width);
  char* data = block + 1 + N * width;
  std::size_t end = 0;
  for (std::size_t i = 0; i < N; ++i) {
    // An empty view may have no data at all, which memcpy must not be given.
    if (!fields[i].empty()) std::memcpy(data + end, fields[i].data(), fields[i].size());
    end += fields[i].size();
    const auto offset = static_cast<uint32_t>(end);
    // Little-endian bytes of the end offset, `width` of them.
    for (std::size_t b = 0; b < width; ++b) block[1 + i * width + b] = static_cast<char>(offset >> (8 * b));
  }
}

template <std::size_t N>
FieldBlock<N>::FieldBlock(const FieldBlock& other) {
  if (other.block_ == 0) return;
  const std::size_t size = other.BlockSize();
  char* const block = new char[size];
  std::memcpy(block, other.Data(), size);
  block_ = reinterpret_cast<std::uintptr_t>(block);
}

template <std::size_t N>
FieldBlock<N>& FieldBlock<N>::operator=(const FieldBlock& other) {
  if (this != &other) *this = FieldBlock(other);
  return *this;
}

template <std::size_t N>
FieldBlock<N>& FieldBlock<N>::operator=(FieldBlock&& other) noexcept {
  if (this != &other) {
    Release();
    block_ = other.block_;
    other.block_ = 0;
  }
  return *this;
}

template <std::size_t N>
std::size_t FieldBlock<N>::End(std::size_t field) const {
  const char* const block = Data();
  const std::size_t width = static_cast<unsigned char>(block[0]);
  if (width == 1) return static_cast<unsigned char>(block[1 + field]);
  uint32_t end = 0;
  for (std::size_t b = 0; b < width; ++b) {
    end |= static_cast<uint32_t>(static_cast<unsigned char>(block[1 + field * width + b])) << (8 * b);
  }
  return end;
}

template <std::size_t N>
std::size_t FieldBlock<N>::BlockSize() const {
  return 1 + N * static_cast<unsigned char>(Data()[0]) + End(N - 1);
}

template <std::size_t N>
std::string_view FieldBlock<N>::Get(std::size_t field) const {
  if (block_ == 0) return {};
  const std::size_t start = field == 0 ? 0 : End(field - 1);
  const char* data = Data() + 1 + N * static_cast<unsigned char>(Data()[0]);
  return {data + start, End(field) - start};
}

// The one instantiation the tool uses: a character's seven fields.
template class FieldBlock<7>;

}  // namespace roster
