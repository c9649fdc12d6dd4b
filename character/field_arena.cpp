#include "character/field_arena.h"

#include <algorithm>
#include <new>

namespace roster {
namespace {

// Chunks start on a 2 MiB boundary, so that a large page can back each half.
constexpr std::size_t kChunkBytes = std::size_t{4} << 20;
constexpr std::align_val_t kChunkAlignment{std::size_t{2} << 20};

}  // namespace

void FieldArena::ChunkDelete::operator()(char* chunk) const { ::operator delete(chunk, kChunkAlignment); }

char* FieldArena::Allocate(std::size_t bytes) {
  bytes += bytes & 1;
  if (bytes > left_) {
    // A block larger than a chunk gets a chunk of its own.
    const std::size_t size = std::max(bytes, kChunkBytes);
    chunks_.emplace_back(static_cast<char*>(::operator new(size, kChunkAlignment)));
    if (largeBuffer_ != nullptr) largeBuffer_(chunks_.back().get(), size);
    next_ = chunks_.back().get();
    left_ = size;
  }
  char* block = next_;
  next_ += bytes;
  left_ -= bytes;
  return block;
}

void FieldArena::Adopt(FieldArena&& other) {
  for (Chunk& chunk : other.chunks_) chunks_.push_back(std::move(chunk));
  other.chunks_.clear();
  other.next_ = nullptr;
  other.left_ = 0;
}

}  // namespace roster
