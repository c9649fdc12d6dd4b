#include "window/account_list.h"

#include <numeric>

#include "encoding/encoding.h"
#include "window/status_text.h"

namespace roster {
namespace {

std::wstring What(const LineEntry& e) {
  std::wstring what = EventWords(e.event);
  // What a name became, and from what, where a name was cut.
  if (e.event == LineEvent::kNameShortened) {
    what += L"：" + WideFromCp932(e.typedName) + L" → " + WideFromCp932(e.name);
  } else if (e.event == LineEvent::kNamesMerged) {
    what += L"：" + WideFromCp932(e.typedName) + L" と " + std::to_wstring(e.otherLine) + L" 行目の " +
            WideFromCp932(e.otherTypedName) + L" → " + WideFromCp932(e.name);
  }
  return what;
}

}  // namespace

std::vector<AccountRow> AccountRows(const ExtractionSummary& summary) {
  std::vector<AccountRow> rows;
  rows.reserve(summary.entries.size() + 1);
  for (const LineEntry& e : summary.entries) {
    rows.push_back({e.line, std::to_wstring(e.line), What(e), WideFromCp932(e.text)});
  }
  // Blank lines are counted only: they have no entries.
  const std::size_t events = std::accumulate(summary.counts.begin(), summary.counts.end(), std::size_t{0}) -
                             summary.Count(LineEvent::kBlank);
  if (events > summary.entries.size()) {
    rows.push_back({0, L"", L"ほかに " + std::to_wstring(events - summary.entries.size()) + L" 件あります（一覧は上から " +
                                std::to_wstring(kMaxLineEntries) + L" 件まで）",
                    L""});
  }
  return rows;
}

}  // namespace roster
