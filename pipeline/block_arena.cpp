#include "pipeline/block_arena.h"

#include <algorithm>
#include <cstdint>

#include "pipeline/large_page_memory.h"

namespace roster {
namespace {

// One large page: the last chunk is seldom full, and what it leaves unused
// is less than a page that the system may zero whole.
constexpr std::size_t kLastChunkBytes = LargePageMemory::kStep;
constexpr std::size_t kChunkAlignment = 16;
// The least chunk made for what is expected: a guess far too small costs a
// chunk this size a time until the next guess.
constexpr std::size_t kLeastChunkBytes = std::size_t{64} << 10;

}  // namespace

BlockArena::BlockArena(std::pmr::memory_resource* upstream, std::size_t firstChunkBytes)
    : upstream_(upstream), chunkBytes_(std::clamp(firstChunkBytes, std::size_t{1} << 10, kLastChunkBytes)) {}

BlockArena::~BlockArena() {
  for (const Chunk& chunk : chunks_) upstream_->deallocate(chunk.data, chunk.bytes, kChunkAlignment);
}

void* BlockArena::do_allocate(std::size_t bytes, std::size_t alignment) {
  const std::size_t skip = (alignment - reinterpret_cast<std::uintptr_t>(next_) % alignment) % alignment;
  if (bytes + skip > left_) {
    // A block larger than a chunk gets a chunk of its own.
    const std::size_t size = std::max(bytes + alignment, std::min(chunkBytes_, std::max(expected_, kLeastChunkBytes)));
    chunks_.push_back({static_cast<char*>(upstream_->allocate(size, kChunkAlignment)), size});
    chunkBytes_ = std::min(chunkBytes_ * 2, kLastChunkBytes);
    next_ = chunks_.back().data;
    left_ = size;
    return do_allocate(bytes, alignment);
  }
  given_ += bytes;
  char* block = next_ + skip;
  next_ = block + bytes;
  left_ -= skip + bytes;
  return block;
}

}  // namespace roster
