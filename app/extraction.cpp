#include "app/extraction.h"

#include <unordered_set>

#include "report/report_layout.h"
#include "report/sort_order.h"
#include "text/strings.h"

namespace roster {

std::vector<CharacterData> CollectCharacters(std::string_view text) {
  const std::vector<std::string_view> lines = SplitViews(text, kLineEnd);
  std::unordered_set<std::string> seen;
  std::vector<CharacterData> collected;
  for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
    // Only the name decides whether a line's character is kept, and parsing
    // has no other effect, so a line whose name is taken need not be parsed
    // further.
    std::string name = ParseName(*line);
    if (name.empty() || !seen.insert(std::move(name)).second) continue;
    CharacterData character;
    character.ParseLine(*line);
    collected.push_back(std::move(character));
  }
  return collected;
}

std::string RenderReport(std::string_view header, const std::vector<CharacterData>& characters) {
  std::string report(header);
  report.append(kLineEnd);
  for (const CharacterData& character : characters) {
    character.AppendReportRow(report);
    report.append(kLineEnd);
  }
  return report;
}

std::string ExtractReport(std::string_view text, std::string_view key, bool descending,
                          const SkillCatalogue& catalogue) {
  std::vector<CharacterData> characters = CollectCharacters(text);
  SortCharacters(characters, ResolveSortKey(key, catalogue), descending);
  return RenderReport(BuildReportHeader(catalogue), characters);
}

}  // namespace roster
