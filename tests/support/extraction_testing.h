// The extraction's stages driven on their own, for the tests, the fuzzers
// and the benchmark: what a run collects, copied out of it, and a whole
// report gathered into one string.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "pipeline/extraction.h"
#include "character/character_data.h"

namespace roster {

// One character per non-empty name, from the lowest line bearing it, in the
// bottom-to-top order of those lines; the text's lines end at "\r\n".
std::vector<CharacterData> CollectCharacters(std::string_view text);

// Extract with the report gathered into one string.
std::string ExtractReport(std::string_view text, std::string_view key, bool descending,
                          const SkillCatalogue& catalogue, ExtractionSummary* summary = nullptr);

// Gathers a report.
class StringSink final : public ReportSink {
 public:
  void Write(std::string_view piece) override { report.append(piece); }
  std::string report;
};

}  // namespace roster
