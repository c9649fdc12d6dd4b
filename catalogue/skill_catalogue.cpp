#include "catalogue/skill_catalogue.h"

#include "text/cp932.h"

#include <string>

namespace roster {

SkillCatalogue::NonRows SkillCatalogue::LoadText(std::string_view text) {
  NonRows nonRows;
  std::size_t pos = 0;
  for (std::size_t number = 1; pos < text.size(); ++number) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    // "\r\n" files give the same rows as "\n" files on every platform.
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    SkillData row;
    row.Parse(std::string(line));
    if (FindChars(line.substr(0, FindChars(line, ":")), ",") == std::string_view::npos && nonRows.count++ == 0) {
      nonRows.firstLine = number;
    }
    Append(row);
  }
  return nonRows;
}

void SkillCatalogue::Append(const SkillData& row) { rows_.push_back(row); }

}  // namespace roster
