// roster-generate [--shape NAME] LINES [SEED]: writes a synthetic roster
// (CP932, "\r\n") of LINES lines to standard output, the same for the same
// shape and seed everywhere. --shape list names the shapes.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "bench/roster_shapes.h"

int main(int argc, char** argv) {
  std::string_view shape = "default";
  int first = 1;
  if (argc > 2 && std::string_view(argv[1]) == "--shape") {
    shape = argv[2];
    first = 3;
  }
  if (shape == "list") {
    for (const roster::RosterShape& s : roster::RosterShapes()) std::printf("%s\t%s\n", s.name.data(), s.what.data());
    return 0;
  }
  if (argc - first < 1 || argc - first > 2) {
    std::fprintf(stderr, "usage: roster-generate [--shape NAME|list] LINES [SEED]\n");
    return 2;
  }
  const auto lines = static_cast<std::size_t>(std::strtoull(argv[first], nullptr, 10));
  const uint64_t seed = argc - first == 2 ? std::strtoull(argv[first + 1], nullptr, 10) : 1;
  const std::string text = roster::ShapedRoster(shape, lines, seed);
  if (text.empty() && lines > 0) {
    std::fprintf(stderr, "roster-generate: no shape %s (see --shape list)\n", shape.data());
    return 2;
  }
  std::fwrite(text.data(), 1, text.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
