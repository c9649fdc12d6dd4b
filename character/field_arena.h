// Room for the field blocks of a run's records, taken from a few large
// chunks: a record then costs no allocation of its own, and all of them are
// given back at once when the run ends. A record whose block lies here must
// not outlive the arena; a copy of it is an ordinary record.
#pragma once

#include <cstddef>
#include <memory_resource>
#include <vector>

namespace roster {

class FieldArena {
 public:
  // Chunks grow from `firstChunkBytes` (a pasted roster of a few lines
  // takes little) to 4 MiB, taken from `memory` (the run passes memory that
  // puts large chunks on large pages).
  explicit FieldArena(std::pmr::memory_resource* memory = std::pmr::get_default_resource(),
                      std::size_t firstChunkBytes = std::size_t{64} << 10);
  FieldArena(FieldArena&& other) noexcept;
  FieldArena& operator=(FieldArena&&) = delete;
  FieldArena(const FieldArena&) = delete;
  FieldArena& operator=(const FieldArena&) = delete;
  ~FieldArena();

  // `bytes` of room at an even address, valid while the arena lives.
  char* Allocate(std::size_t bytes);

  // Takes over the chunks of `other`, which must come from the same memory,
  // so that records from both live as long as this arena.
  void Adopt(FieldArena&& other);

 private:
  struct Chunk {
    char* data;
    std::size_t bytes;
  };
  std::pmr::memory_resource* memory_;
  std::vector<Chunk> chunks_;
  char* next_ = nullptr;
  std::size_t left_ = 0;
  std::size_t chunkBytes_;  // the size of the next chunk
};

}  // namespace roster
