#include "app/extraction.h"

#include <algorithm>

#include "app/name_table.h"
#include "report/report_layout.h"
#include "report/sort_order.h"
#include "text/strings.h"

namespace roster {

namespace {

// Calls `visit` with each line of `text` (cut at "\r\n"), from the last to
// the first, without building a list of lines.
template <typename Visit>
void ForEachLineFromTheBottom(std::string_view text, Visit visit) {
  std::size_t end = text.size();
  for (;;) {
    // The last "\r\n" that ends before `end`.
    std::size_t separator = std::string_view::npos;
    for (std::size_t limit = end; limit > 1;) {
      const std::size_t lf = text.rfind('\n', limit - 1);
      if (lf == std::string_view::npos) break;
      if (lf >= 1 && text[lf - 1] == '\r') {
        separator = lf - 1;
        break;
      }
      limit = lf;
    }
    if (separator == std::string_view::npos) {
      visit(text.substr(0, end));
      return;
    }
    visit(text.substr(separator + kLineEnd.size(), end - separator - kLineEnd.size()));
    end = separator;
  }
}

}  // namespace

std::vector<CharacterData> CollectCharacters(std::string_view text) {
  const auto lineCount = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
  NameTable seen(lineCount);
  std::vector<CharacterData> collected;
  collected.reserve(lineCount);
  auto nameAt = [&](uint32_t i) { return collected[i].NameView(); };
  ForEachLineFromTheBottom(text, [&](std::string_view line) {
    // Only the name decides whether a line's character is kept, and parsing
    // has no other effect, so a line whose name is taken need not be parsed
    // further.
    const std::string name = ParseName(line);
    if (name.empty() || !seen.Insert(name, static_cast<uint32_t>(collected.size()), nameAt)) return;
    collected.emplace_back().ParseLine(line);
  });
  return collected;
}

std::string RenderReport(std::string_view header, const std::vector<CharacterData>& characters) {
  std::string report;
  WriteReport(header, characters, kLineEnd, [&](std::string_view piece) { report.append(piece); });
  return report;
}

std::string ExtractReport(std::string_view text, std::string_view key, bool descending,
                          const SkillCatalogue& catalogue) {
  std::vector<CharacterData> characters = CollectCharacters(text);
  SortCharacters(characters, ResolveSortKey(key, catalogue), descending);
  return RenderReport(BuildReportHeader(catalogue), characters);
}

}  // namespace roster
