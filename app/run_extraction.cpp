#include "app/run_extraction.h"

#include "report/sort_order.h"

namespace roster {
namespace {

// Gathers the report, in memory given to it.
class StringSink final : public ReportSink {
 public:
  explicit StringSink(std::string& report) : report_(report) {}
  void Write(std::string_view piece) override { report_.append(piece); }

 private:
  std::string& report_;
};

}  // namespace

void InitialiseDialogControls(DialogControls& dialog, const SkillCatalogue& catalogue) {
  dialog.RemoveTextLimit(kReportEdit);
  dialog.RemoveTextLimit(kMemoEdit);
  for (const std::string& key : SortKeyList(catalogue)) dialog.AddComboEntry(kSortKeyCombo, key);
  dialog.SelectComboEntry(kSortKeyCombo, 0);
  dialog.CheckButton(kAscendingRadio);
}

RunResult RunExtraction(DialogControls& dialog, const SkillCatalogue& catalogue) {
  RunResult result;
  std::string text = dialog.ReadControlText(kReportEdit, &result.replaced);
  // The run holds the user-interface thread, so key and direction cannot
  // change during the sort: reading them once gives the same order.
  const std::string key = dialog.ReadComboText(kSortKeyCombo);
  ExtractionSettings settings;
  settings.key = key;
  settings.descending = dialog.IsButtonChecked(kDescendingRadio);
  InputText input = InputText::Of(text);
  // The report goes where the pasted text was: about the room it needs,
  // and pages already in use.
  text.clear();
  StringSink sink(text);
  result.summary = Extract(std::move(input), settings, catalogue, sink);
  dialog.ReplaceTextUndoably(kReportEdit, text);
  return result;
}

std::wstring StatusText(const RunResult& result) {
  const ExtractionSummary& s = result.summary;
  std::wstring text = std::to_wstring(s.kept) + L" 人を抽出しました";
  std::wstring details;
  if (s.merged > 0) details += L"同名の上の行 " + std::to_wstring(s.merged);
  if (s.skipped > 0) {
    if (!details.empty()) details += L"、";
    details += L"読めなかった行 " + std::to_wstring(s.skipped) + L"：最初は " + std::to_wstring(s.firstSkippedLine) +
               L" 行目";
  }
  if (!details.empty()) text += L"（" + details + L"）";
  const ReplacedCharacters& r = result.replaced;
  if (r.count > 0) {
    text += L"。変換できない文字 " + std::to_wstring(r.count) + L" 個を「?」にしました（最初は " +
            std::to_wstring(r.firstLine) + L" 行目の「" + r.first + L"」）。Ctrl+Z で元に戻せます";
  }
  return text;
}

}  // namespace roster
