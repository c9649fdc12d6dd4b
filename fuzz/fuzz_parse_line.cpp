// The line parser on one arbitrary line: it must give what the rules give
// applied the slow way, and a row it renders must read back unchanged when
// the row can (levels of -1 or 0 to 99, at least one skill cell, a player).
#include <cstdint>

#include "check.h"
#include <string>

#include "character/character_data.h"
#include "support/reference_parser.h"
#include "text/space_runs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace roster;
  const std::string line(reinterpret_cast<const char*>(data), size);
  CharacterData parsed;
  parsed.ParseLine(line);
  const CharacterFields fields = CharacterDataTestPeer::Fields(parsed);
  Check(fields == ReferenceParse(line));
  Check(ParseName(line) == fields.name);
  Check(fields.name.size() <= 10);
  Check(fields.name.find("\r\n") == std::string::npos);

  // A row of well-formed text reads back to the same row when it can: at
  // least one skill cell, levels of -1 or 0 to 99, and a player name.
  bool roundTrips = IsWellFormed(line) && !fields.skillLevels.empty() && !fields.playerName.empty();
  for (int32_t level : fields.skillLevels) roundTrips = roundTrips && (level == -1 || (level >= 0 && level <= 99));
  if (roundTrips) {
    const std::string row = parsed.ReportRow();
    CharacterData again;
    again.ParseLine(row);
    Check(CharacterDataTestPeer::Fields(again) == fields);
    Check(again.ReportRow() == row);
  }
  return 0;
}
