// The catalogue parser on an arbitrary file: one row per non-empty line, and
// the key list and the header built from exactly those rows.
#include <cstdint>

#include "check.h"
#include <string>
#include <string_view>

#include "catalogue/skill_catalogue.h"
#include "report/report_layout.h"
#include "report/sort_order.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace roster;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  SkillCatalogue catalogue;
  catalogue.LoadText(text);

  std::size_t lines = 0;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty()) ++lines;
    start = end + 1;
  }
  const std::vector<SkillData>& rows = catalogue.Rows();
  Check(rows.size() == lines);

  std::string headings;
  for (const SkillData& row : rows) {
    Check(row.name.find(':') == std::string::npos && row.name.find(',') == std::string::npos);
    Check(row.heading.find(':') == std::string::npos && row.heading.find(',') == std::string::npos);
    Check(row.note.find(':') == std::string::npos);
    Check(row.name.find('\n') == std::string::npos);
    headings += row.heading;
  }
  Check(SortKeyList(catalogue).size() == 11 + rows.size());
  Check(ReportHeader(catalogue) == "名前　　　|種族　" + headings + "| HP/ MP|命/回/防/魔|《戦闘特技》");
  for (const SkillData& row : rows) {
    const SortKey key = ResolveSortKey(row.name, catalogue);
    Check(key.field != SortField::kSkill || rows[key.skillIndex].name == row.name);
  }
  return 0;
}
