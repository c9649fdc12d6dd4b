// What a fuzz target does when an invariant fails: abort, so that libFuzzer
// saves the input as a reproducer.
#pragma once

#include <cstdlib>

namespace roster {

inline void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace roster
