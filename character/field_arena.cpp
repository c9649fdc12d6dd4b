#include "character/field_arena.h"

#include <algorithm>
#include <new>

namespace roster {
namespace {

// Chunks grow from 64 KiB, so that a pasted roster of a few lines takes
// little, to 4 MiB; a chunk of 2 MiB or more starts on a 2 MiB boundary, so
// that large pages can back it.
constexpr std::size_t kFirstChunkBytes = std::size_t{64} << 10;
constexpr std::size_t kLastChunkBytes = std::size_t{4} << 20;
constexpr std::size_t kLargePageBytes = std::size_t{2} << 20;

}  // namespace

void FieldArena::ChunkDelete::operator()(char* chunk) const { ::operator delete(chunk, alignment); }

char* FieldArena::Allocate(std::size_t bytes) {
  bytes += bytes & 1;
  if (bytes > left_) {
    chunkBytes_ = std::clamp(chunkBytes_ * 2, kFirstChunkBytes, kLastChunkBytes);
    // A block larger than a chunk gets a chunk of its own.
    const std::size_t size = std::max(bytes, chunkBytes_);
    const std::align_val_t alignment{size >= kLargePageBytes ? kLargePageBytes : alignof(std::max_align_t)};
    chunks_.emplace_back(static_cast<char*>(::operator new(size, alignment)), ChunkDelete{alignment});
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
