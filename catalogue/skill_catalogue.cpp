#include "catalogue/skill_catalogue.h"

#include <string>

namespace roster {

void SkillCatalogue::LoadText(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    // "\r\n" files give the same rows as "\n" files on every platform.
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    SkillData row;
    row.Parse(std::string(line));
    Append(row);
  }
}

void SkillCatalogue::Append(const SkillData& row) { rows_.push_back(row); }

}  // namespace roster
