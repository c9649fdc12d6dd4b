// The whole extraction on an arbitrary text, with the key and direction
// taken from the input's first bytes. Checks what a user relies on: one row
// per kept name, every name kept, no row lost or doubled, descending the
// exact reverse of ascending under the empty key, and a report that extracts
// again to the same names.
#include <cstdint>

#include "check.h"
#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "pipeline/extraction.h"
#include "character/character_data.h"
#include "report/report_layout.h"
#include "report/sort_order.h"
#include "support/extraction_testing.h"
#include "support/reference_parser.h"
#include "text/cp932.h"
#include "text/space_runs.h"
#include "text/strings.h"

namespace {

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
  roster::Check(rows.size() >= 2 && rows.back().empty());  // the report ends with a line end
  rows.pop_back();
  rows.erase(rows.begin());  // the header
  return rows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace roster;
  if (size < 2) return 0;
  const std::vector<std::string> keys = SortKeyList(Catalogue());
  std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);
  const bool descending = (data[1] & 1) != 0;
  std::string key;
  if (data[0] < 0xF0) {
    key = keys[data[0] % keys.size()];
  } else {  // an arbitrary key: the bytes up to the first "\n"
    const std::size_t end = text.find('\n');
    key = std::string(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }

  const std::string report = ExtractReport(text, key, descending, Catalogue());
  const std::string header = ReportHeader(Catalogue());
  Check(report.compare(0, header.size() + 2, header + "\r\n") == 0);

  // Every non-empty name of the input is kept, once, and nothing else.
  std::set<std::string> expected;
  for (std::string_view line : SplitViews(text, "\r\n")) {
    const std::string name = ParseName(line);
    if (!name.empty()) expected.insert(name);
  }
  std::vector<CharacterData> characters = CollectCharacters(text);
  SortCharacters(characters, ResolveSortKey(key, Catalogue()), descending);
  std::set<std::string> kept;
  for (const CharacterData& c : characters) {
    Check(!c.GetName().empty() && c.GetName().size() <= 10);
    Check(kept.insert(std::string(c.GetName())).second);
  }
  Check(kept == expected);

  // N characters give N + 1 lines, each row the character's own.
  const std::vector<std::string_view> rows = Rows(report);
  Check(rows.size() == characters.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    Check(rows[i] == ReportRow(characters[i]));
    Check(rows[i].substr(0, characters[i].GetName().size()) == characters[i].GetName());
  }

  if (key.empty()) {
    const std::string other = ExtractReport(text, key, !descending, Catalogue());
    std::vector<std::string_view> reversed = Rows(other);
    std::reverse(reversed.begin(), reversed.end());
    Check(reversed == rows);
  }

  // A report of well-formed text extracts again to the same names, but for
  // a name that holds 「名前」, whose row reads as a header line. Text with
  // stray lead bytes is read by the rules, but its rows need not read back.
  if (IsWellFormed(text)) {
    std::set<std::string> readable;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (ContainsChars(characters[i].GetName(), "名前")) continue;
      Check(ParseName(rows[i]) == characters[i].GetName());
      readable.insert(std::string(characters[i].GetName()));
    }
    std::set<std::string> again;
    for (const CharacterData& c : CollectCharacters(ExtractReport(report, "名前", false, Catalogue()))) {
      again.insert(std::string(c.GetName()));
    }
    Check(again == readable);
  }
  return 0;
}
