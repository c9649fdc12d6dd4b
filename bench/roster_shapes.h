// Rosters of several shapes for the benchmark: how many names repeat, how
// long names and remarks are, how many skill levels a line holds and how its
// numbers are written all change what the extraction costs per line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace roster {

struct RosterShape {
  std::string_view name;
  std::string_view what;  // one line for the tables
};

// "default" (the generator of the tests: report rows, about 80 % distinct
// names), then the others.
const std::vector<RosterShape>& RosterShapes();

// `lines` lines of the shape named `shape`, joined by "\r\n"; empty for a
// name that is no shape.
std::string ShapedRoster(std::string_view shape, std::size_t lines, uint64_t seed);

}  // namespace roster
