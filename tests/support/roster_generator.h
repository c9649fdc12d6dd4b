// Seeded generator of rosters for property tests and benchmarks: characters
// whose rows read back unchanged, and whole pasted texts built from them
// with repeated names, blank lines and lines that are no characters.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "character/character_data.h"

namespace roster {

class RosterGenerator {
 public:
  explicit RosterGenerator(uint64_t seed) : state_(seed) {}

  // A character that meets the report's round-trip conditions: a name of
  // 2 to 5 double-byte characters (some with trail bytes "|" or "\"), a
  // 4-byte race, three skill cells of levels 0 to 99, a non-empty player.
  CharacterData NextCharacter();

  // A text of `lines` lines joined by "\r\n": mostly character rows, about
  // a fifth repeating an earlier name, with a few blank and junk lines.
  std::string NextRoster(std::size_t lines);

  // A roster as people type it, printable CP932 only: lines without skill
  // cells (ended by a trailing "|" or by a cell of notes), levels in
  // half-width and full-width digits of one and two columns, "-N" pieces,
  // numbers with odd spacing, empty players and remarks, runs of spaces
  // between the tail's items, cells after the last cell, some lines typed
  // with 「｜」; some report rows, repeated names, blank and note lines
  // among them.
  std::string NextTypedRoster(std::size_t lines);

  uint64_t Below(uint64_t bound);  // uniform enough for tests, in [0, bound)

 private:
  std::string NextName();
  std::string NextTypedLine(const std::string& name);
  std::string Spaces();
  CharacterData Draw(const std::vector<std::string>* earlierNames, std::string& name);
  uint64_t state_;
};

}  // namespace roster
