#include "window/run_extraction.h"

#include <new>

#include "encoding/encoding.h"
#include "pipeline/input_text.h"
#include "pipeline/run_notes.h"
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

// The box shows the history's text, and counts as unchanged, so that the
// next Ctrl+Z or Ctrl+Y steps on; the box's own undo has nothing to toggle.
std::optional<HistoryStep> Step(DialogControls& dialog, ExtractHistory& history, bool back) {
  if (dialog.IsModified(kReportEdit)) return std::nullopt;
  std::wstring current = dialog.ReadWideText(kReportEdit);
  const std::optional<std::wstring> text = back ? history.Undo(std::move(current)) : history.Redo(std::move(current));
  if (!text) return std::nullopt;
  dialog.ReplaceText(kReportEdit, *text, false);
  return HistoryStep{back, back ? history.undoSteps() : history.redoSteps()};
}

}  // namespace

void InitialiseDialogControls(DialogControls& dialog, const SkillCatalogue& catalogue) {
  dialog.RemoveTextLimit(kReportEdit);
  dialog.RemoveTextLimit(kMemoEdit);
  for (const std::string& key : SortKeyList(catalogue)) dialog.AddComboEntry(kSortKeyCombo, key);
  dialog.SelectComboEntry(kSortKeyCombo, 0);
  dialog.SetCheck(kAscendingRadio, true);
}

namespace {

void Run(DialogControls& dialog, const SkillCatalogue& catalogue, ExtractHistory& history, RunResult& result) {
  std::wstring before = dialog.ReadWideText(kReportEdit);
  std::string text = Cp932OfControlText(before, &result.replaced);
  // The run holds the user-interface thread, so key and direction cannot
  // change during the sort: reading them once gives the same order.
  const std::string key = dialog.ReadComboText(kSortKeyCombo);
  const RunNotes notes = NotesOfRun(key, catalogue);
  if (notes.unknownKey) result.unknownKey = key;
  if (notes.groupKey) result.groupKey = key;
  result.noSkillColumns = notes.noSkillColumns;
  ExtractionSettings settings;
  settings.key = key;
  settings.descending = dialog.IsButtonChecked(kDescendingRadio);
  InputText input = InputText::Of(text);
  // The report goes where the pasted text was: about the room it needs,
  // and pages already in use.
  text.clear();
  StringSink sink(text);
  result.summary = Extract(std::move(input), settings, catalogue, sink);
  std::wstring report = WideFromCp932(text);
  // The step back is kept before the text goes, so that no failure loses it.
  history.Record(std::move(before));
  try {
    dialog.ReplaceText(kReportEdit, report, true);
  } catch (const std::bad_alloc&) {
    history.Withdraw();
    throw;
  }
}

}  // namespace

RunResult RunExtraction(DialogControls& dialog, const SkillCatalogue& catalogue, ExtractHistory& history) {
  RunResult result;
  try {
    Run(dialog, catalogue, history, result);
  } catch (const std::bad_alloc&) {
    result = RunResult();
    result.outOfMemory = true;
  }
  return result;
}

std::optional<HistoryStep> UndoExtraction(DialogControls& dialog, ExtractHistory& history) {
  return Step(dialog, history, true);
}

std::optional<HistoryStep> RedoExtraction(DialogControls& dialog, ExtractHistory& history) {
  return Step(dialog, history, false);
}

bool CanUndoExtraction(DialogControls& dialog, const ExtractHistory& history) {
  return history.undoSteps() > 0 && !dialog.IsModified(kReportEdit);
}

}  // namespace roster
