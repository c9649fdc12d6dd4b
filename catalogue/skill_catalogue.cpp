#include "catalogue/skill_catalogue.h"

#include "catalogue/file_bytes.h"

namespace roster {

bool SkillCatalogue::LoadFile(std::string path) {
  const std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return false;
  LoadText(*bytes);
  return true;
}

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

SkillCatalogue& ProcessSkillCatalogue() {
  static SkillCatalogue catalogue;
  return catalogue;
}

std::vector<std::string> DefaultCatalogueFileNames() {
#ifdef _WIN32
  return {"Database\\技能.txt"};
#else
  const std::u8string utf8 = u8"Database/技能.txt";
  return {std::string(utf8.begin(), utf8.end()), "Database/技能.txt"};
#endif
}

bool LoadSkillCatalogue() {
  for (const std::string& path : DefaultCatalogueFileNames()) {
    if (ProcessSkillCatalogue().LoadFile(path)) return true;
  }
  return false;
}

}  // namespace roster
