// Memory for one run's long lists, on large pages where the system has them.
#include <algorithm>
#include <new>

#include "pipeline/large_page_memory.h"
#include "platform/platform.h"

namespace roster {
namespace {

std::size_t WholeSteps(std::size_t bytes) {
  return (bytes + LargePageMemory::kStep - 1) / LargePageMemory::kStep * LargePageMemory::kStep;
}

}  // namespace

void* LargePageMemory::do_allocate(std::size_t bytes, std::size_t alignment) {
  if (bytes < kStep) return ::operator new(bytes, std::align_val_t{alignment});
  void* data = ::operator new(WholeSteps(bytes), std::align_val_t{std::max(alignment, kStep)});
  PreferLargePages(data, WholeSteps(bytes));
  return data;
}

void LargePageMemory::do_deallocate(void* data, std::size_t bytes, std::size_t alignment) {
  ::operator delete(data, std::align_val_t{bytes < kStep ? alignment : std::max(alignment, kStep)});
}

}  // namespace roster
