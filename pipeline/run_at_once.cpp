#include "pipeline/run_at_once.h"

#include <memory>
#include <new>
#include <system_error>
#include <utility>
#include <vector>

namespace roster {

Worker::Worker(std::function<void()> work) {
  try {
    thread_ = std::jthread([this, work = std::move(work)] {
      try {
        work();
      } catch (...) {
        failure_ = std::current_exception();
      }
    });
  } catch (const std::system_error&) {
    throw std::bad_alloc();
  }
}

void Worker::Join() {
  if (thread_.joinable()) thread_.join();
  if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

void RunAtOnce(std::span<const std::function<void()>> parts) {
  std::vector<std::unique_ptr<Worker>> others;
  others.reserve(parts.size());
  for (std::size_t i = 1; i < parts.size(); ++i) others.push_back(std::make_unique<Worker>(parts[i]));
  if (!parts.empty()) parts[0]();
  for (const std::unique_ptr<Worker>& other : others) other->Join();
}

}  // namespace roster
