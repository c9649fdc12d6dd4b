// The line parser on one arbitrary line: it must give what the rules give
// applied the slow way, and a row it renders must read back unchanged when
// the row can (levels of -1 or 0 to 99, at least one skill cell, a player).
#include <cstdint>

#include "check.h"
#include <string>

#include "character/character_data.h"
#include "report/report_layout.h"
#include "support/reference_parser.h"
#include "text/space_runs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace roster;
  const std::string line(reinterpret_cast<const char*>(data), size);
  CharacterData parsed;
  parsed.ParseLine(line);
  Check(parsed == ReferenceParse(line));
  Check(ParseName(line) == parsed.GetName());
  Check(parsed.GetName().size() <= 10);
  Check(parsed.GetName().find("\r\n") == std::string::npos);

  // A row of well-formed text reads back to the same row when it can: at
  // least one skill cell, levels of -1 or 0 to 99, and a player name.
  bool roundTrips = IsWellFormed(line) && parsed.SkillLevelCount() > 0 && !parsed.GetPlayerName().empty();
  parsed.ForEachSkillLevel([&](int32_t level) { roundTrips = roundTrips && (level == -1 || (level >= 0 && level <= 99)); });
  if (roundTrips) {
    const std::string row = ReportRow(parsed);
    CharacterData again;
    again.ParseLine(row);
    Check(again == parsed);
    Check(ReportRow(again) == row);
  }
  return 0;
}
