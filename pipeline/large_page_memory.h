// Memory for one run's long lists and tables, on large pages where the
// system gives them.
#pragma once

#include <cstddef>
#include <memory_resource>

namespace roster {

// Memory for one run's long lists and tables. An allocation of 2 MiB or
// more starts on a 2 MiB boundary, fills whole steps of 2 MiB and carries
// the large-page hint, so that large pages can back all of it (a list that
// starts anywhere has its first and last steps in small pages, each page a
// fault of its own); a smaller one comes from the heap as usual.
class LargePageMemory final : public std::pmr::memory_resource {
 public:
  static constexpr std::size_t kStep = std::size_t{2} << 20;

 private:
  void* do_allocate(std::size_t bytes, std::size_t alignment) override;
  void do_deallocate(void* data, std::size_t bytes, std::size_t alignment) override;
  bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override { return this == &other; }
};

}  // namespace roster
