// Room for the field blocks of a run's records, taken from a few large
// chunks: a record then costs no allocation of its own, and all of them are
// given back at once when the run ends. A record whose block lies here must
// not outlive the arena; a copy of it is an ordinary record.
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <vector>

namespace roster {

class FieldArena {
 public:
  // `largeBuffer`, when given, is told of each chunk before it is filled
  // (the run passes the platform's large-page hint).
  explicit FieldArena(void (*largeBuffer)(void* data, std::size_t bytes) = nullptr) : largeBuffer_(largeBuffer) {}

  // `bytes` of room at an even address, valid while the arena lives.
  char* Allocate(std::size_t bytes);

  // Takes over the chunks of `other`, so that records from both live as
  // long as this arena.
  void Adopt(FieldArena&& other);

 private:
  struct ChunkDelete {
    void operator()(char* chunk) const;
    std::align_val_t alignment;
  };
  using Chunk = std::unique_ptr<char, ChunkDelete>;

  void (*largeBuffer_)(void*, std::size_t);
  std::vector<Chunk> chunks_;
  char* next_ = nullptr;
  std::size_t left_ = 0;
  std::size_t chunkBytes_ = 0;  // the size of the last chunk taken
};

}  // namespace roster
