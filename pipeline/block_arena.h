// Where a run's records keep their field blocks: a few large chunks instead
// of an allocation per record, all given back at once when the roster that
// owns the arena ends. Chunks grow from a first size (sized to the text) to
// 2 MiB, taken from the run's memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory_resource>
#include <vector>

namespace roster {

class BlockArena final : public std::pmr::memory_resource {
 public:
  BlockArena(std::pmr::memory_resource* upstream, std::size_t firstChunkBytes);
  BlockArena(const BlockArena&) = delete;
  BlockArena& operator=(const BlockArena&) = delete;
  ~BlockArena() override;

  // The blocks still to come take about `bytes`, as their owner judges: a
  // chunk made from now on is no larger than that needs, so that the last
  // one is not left mostly unused.
  void Expect(std::size_t bytes) { expected_ = bytes; }
  // The bytes of the blocks given so far.
  std::size_t Given() const { return given_; }

 private:
  void* do_allocate(std::size_t bytes, std::size_t alignment) override;
  void do_deallocate(void*, std::size_t, std::size_t) override {}  // all at once, at the end
  bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override { return this == &other; }

  struct Chunk {
    char* data;
    std::size_t bytes;
  };
  std::pmr::memory_resource* upstream_;
  std::vector<Chunk> chunks_;
  char* next_ = nullptr;
  std::size_t left_ = 0;
  std::size_t chunkBytes_;  // the size of the next chunk, unless less is expected
  std::size_t expected_ = SIZE_MAX;
  std::size_t given_ = 0;
};

}  // namespace roster
