#include "app/run_extraction.h"

#include "report/sort_order.h"

namespace roster {
namespace {

// Gathers the report, and frees the pasted text as soon as it has been read.
class ReplacementSink final : public ReportSink {
 public:
  explicit ReplacementSink(std::string& text) : text_(text) {}
  void TextRead() override { std::string().swap(text_); }
  void Write(std::string_view piece) override { report.append(piece); }
  std::string report;

 private:
  std::string& text_;
};

}  // namespace

void InitialiseDialogControls(DialogControls& dialog, const SkillCatalogue& catalogue) {
  dialog.RemoveTextLimit(kReportEdit);
  dialog.RemoveTextLimit(kMemoEdit);
  for (const std::string& key : SortKeyList(catalogue)) dialog.AddComboEntry(kSortKeyCombo, key);
  dialog.SelectComboEntry(kSortKeyCombo, 0);
  dialog.CheckButton(kAscendingRadio);
}

ExtractionSummary RunExtraction(DialogControls& dialog, const SkillCatalogue& catalogue) {
  std::string text = dialog.ReadControlText(kReportEdit);
  // The run holds the user-interface thread, so key and direction cannot
  // change during the sort: reading them once gives the same order.
  const std::string key = dialog.ReadComboText(kSortKeyCombo);
  const ExtractionSettings settings{key, dialog.IsButtonChecked(kDescendingRadio)};
  ReplacementSink sink(text);
  const ExtractionSummary summary = Extract(text, settings, catalogue, sink);
  dialog.ReplaceTextUndoably(kReportEdit, sink.report);
  return summary;
}

}  // namespace roster
