#include "character/field_arena.h"

#include <algorithm>
#include <utility>

namespace roster {
namespace {

constexpr std::size_t kLastChunkBytes = std::size_t{4} << 20;
constexpr std::size_t kChunkAlignment = 2;  // blocks lie at even addresses

}  // namespace

FieldArena::FieldArena(std::pmr::memory_resource* memory, std::size_t firstChunkBytes)
    : memory_(memory), chunkBytes_(std::min(firstChunkBytes, kLastChunkBytes)) {}

FieldArena::FieldArena(FieldArena&& other) noexcept
    : memory_(other.memory_),
      chunks_(std::move(other.chunks_)),
      next_(std::exchange(other.next_, nullptr)),
      left_(std::exchange(other.left_, 0)),
      chunkBytes_(other.chunkBytes_) {
  other.chunks_.clear();
}

FieldArena::~FieldArena() {
  for (const Chunk& chunk : chunks_) memory_->deallocate(chunk.data, chunk.bytes, kChunkAlignment);
}

char* FieldArena::Allocate(std::size_t bytes) {
  bytes += bytes & 1;
  if (bytes > left_) {
    // A block larger than a chunk gets a chunk of its own.
    const std::size_t size = std::max(bytes, chunkBytes_);
    chunks_.push_back({static_cast<char*>(memory_->allocate(size, kChunkAlignment)), size});
    chunkBytes_ = std::min(chunkBytes_ * 2, kLastChunkBytes);
    next_ = chunks_.back().data;
    left_ = size;
  }
  char* block = next_;
  next_ += bytes;
  left_ -= bytes;
  return block;
}

void FieldArena::Adopt(FieldArena&& other) {
  chunks_.insert(chunks_.end(), other.chunks_.begin(), other.chunks_.end());
  other.chunks_.clear();
  other.next_ = nullptr;
  other.left_ = 0;
}

}  // namespace roster
