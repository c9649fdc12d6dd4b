// The line parser on one arbitrary line: it must give what the rules give
// applied the slow way, and the row it renders must read back.
#include <cstdint>

#include "check.h"
#include <string>

#include "character/character_data.h"
#include "report/report_layout.h"
#include "support/reference_parser.h"
#include "text/cp932.h"
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

  // A row of well-formed text reads back: to the same character, but for
  // the empty skill cell that a row without one draws and a negative level
  // drawn as "|" (AsReadBack), and from then on to the same row; a name
  // that holds 「名前」 once its spaces are gone reads back as a header line.
  if (IsWellFormed(line) && !ContainsChars(parsed.GetName(), "名前")) {
    const std::string row = ReportRow(parsed);
    CharacterData again;
    again.ParseLine(row);
    Check(again == AsReadBack(parsed));
    Check(ReportRow(again) == row);
  }
  return 0;
}
