// The one place where a run's work is spread over the cores: parts that
// the layers below describe (the halves of a sort, the halves of a file's
// read) are run at once, each but the first on a thread of its own.
#pragma once

#include <functional>
#include <span>

namespace roster {

void RunAtOnce(std::span<const std::function<void()>> parts);

}  // namespace roster
