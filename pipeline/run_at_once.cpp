#include "pipeline/run_at_once.h"

#include <thread>
#include <vector>

namespace roster {

void RunAtOnce(std::span<const std::function<void()>> parts) {
  std::vector<std::jthread> others;
  for (std::size_t i = 1; i < parts.size(); ++i) others.emplace_back(parts[i]);
  if (!parts.empty()) parts[0]();
}

}  // namespace roster
