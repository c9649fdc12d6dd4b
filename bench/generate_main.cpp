// roster-generate LINES [SEED]: writes a synthetic roster (CP932, "\r\n") of
// LINES lines to standard output, the same for the same seed everywhere.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/roster_generator.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: roster-generate LINES [SEED]\n");
    return 2;
  }
  const auto lines = static_cast<std::size_t>(std::strtoull(argv[1], nullptr, 10));
  const uint64_t seed = argc == 3 ? std::strtoull(argv[2], nullptr, 10) : 1;
  roster::RosterGenerator generator(seed);
  const std::string text = generator.NextRoster(lines);
  std::fwrite(text.data(), 1, text.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
