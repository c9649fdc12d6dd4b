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

// A change the box made without a word (text set from outside) becomes a
// step first, so that the history's text is the box's.
void Catch(DialogControls& dialog, RosterHistory& history) {
  history.Changed(dialog.ReadWideText(kReportEdit), StepKind::kPaste, 0);
}

// A whole-text step shows the text from its start, as after 「抽出」; a
// typing step replaces only its part, the caret after it.
std::optional<HistoryStep> Step(DialogControls& dialog, RosterHistory& history, bool back) {
  Catch(dialog, history);
  const std::optional<RosterHistory::Step> step = back ? history.Undo() : history.Redo();
  if (!step) return std::nullopt;
  if (step->at == 0 && step->length == history.shown().size()) {
    dialog.ReplaceText(kReportEdit, history.shown(), false);
  } else {
    dialog.ReplaceRange(kReportEdit, step->at, step->at + step->text.size(),
                        std::wstring_view(history.shown()).substr(step->at, step->length));
  }
  return HistoryStep{back, back ? history.undoSteps() : history.redoSteps(), step->kind};
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

void Run(DialogControls& dialog, const SkillCatalogue& catalogue, RosterHistory& history, RunResult& result) {
  Catch(dialog, history);
  const std::wstring& before = history.shown();
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
  // The step back is kept before the text goes, so that no failure loses it.
  history.Replaced(WideFromCp932(text), StepKind::kExtract);
  result.run = history.runs();
  try {
    dialog.ReplaceText(kReportEdit, history.shown(), false);
  } catch (const std::bad_alloc&) {
    history.Withdraw();
    throw;
  }
}

}  // namespace

RunResult RunExtraction(DialogControls& dialog, const SkillCatalogue& catalogue, RosterHistory& history) {
  RunResult result;
  try {
    Run(dialog, catalogue, history, result);
  } catch (const std::bad_alloc&) {
    result = RunResult();
    result.outOfMemory = true;
  }
  return result;
}

void NoteRosterChange(DialogControls& dialog, RosterHistory& history, StepKind kind, int64_t ms) {
  history.Changed(dialog.ReadWideText(kReportEdit), kind, ms);
}

void OpenRosterText(DialogControls& dialog, RosterHistory& history, std::wstring text) {
  Catch(dialog, history);
  history.Replaced(std::move(text), StepKind::kOpen);
  dialog.ReplaceText(kReportEdit, history.shown(), false);
}

std::optional<HistoryStep> UndoRosterStep(DialogControls& dialog, RosterHistory& history) {
  return Step(dialog, history, true);
}

std::optional<HistoryStep> RedoRosterStep(DialogControls& dialog, RosterHistory& history) {
  return Step(dialog, history, false);
}

std::optional<HistoryStep> ShowLineBeforeRun(DialogControls& dialog, RosterHistory& history, std::size_t run,
                                             std::size_t line) {
  Catch(dialog, history);
  const std::optional<std::size_t> back = history.StepsBackToBeforeRun(run);
  const std::optional<std::size_t> forth = back ? std::nullopt : history.StepsForthToBeforeRun(run);
  if (!back && !forth) return std::nullopt;
  for (std::size_t i = 0; i < back.value_or(0); ++i) history.Undo();
  for (std::size_t i = 0; i < forth.value_or(0); ++i) history.Redo();
  const std::wstring& text = history.shown();
  dialog.ReplaceText(kReportEdit, text, false);
  // Lines end at "\r\n" in the box, as they did for the run.
  std::size_t start = 0;
  for (std::size_t n = 1; n < line && start != std::wstring::npos; ++n) {
    start = text.find(L"\r\n", start);
    if (start != std::wstring::npos) start += 2;
  }
  if (start == std::wstring::npos) start = text.size();
  dialog.Select(kReportEdit, start, std::min(text.find(L"\r\n", start), text.size()));
  return HistoryStep{true, history.undoSteps(), StepKind::kExtract};
}

}  // namespace roster
