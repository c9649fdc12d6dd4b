#include "app/run_extraction.h"

#include "app/extraction.h"
#include "report/report_layout.h"
#include "report/sort_order.h"

namespace roster {

void InitialiseDialogControls(DialogControls& dialog, const SkillCatalogue& catalogue) {
  dialog.RemoveTextLimit(kReportEdit);
  dialog.RemoveTextLimit(kMemoEdit);
  for (const std::string& key : SortKeyList(catalogue)) dialog.AddComboEntry(kSortKeyCombo, key);
  dialog.SelectComboEntry(kSortKeyCombo, 0);
  dialog.CheckButton(kAscendingRadio);
}

void RunExtraction(DialogControls& dialog, const SkillCatalogue& catalogue, std::string_view header) {
  const std::string text = dialog.ReadControlText(kReportEdit);
  std::vector<CharacterData> characters = CollectCharacters(text);
  // The run holds the user-interface thread, so key and direction cannot
  // change during the sort: reading them once gives the same order.
  const SortKey key = ResolveSortKey(dialog.ReadComboText(kSortKeyCombo), catalogue);
  SortCharacters(characters, key, dialog.IsButtonChecked(kDescendingRadio));
  dialog.ReplaceTextUndoably(kReportEdit, RenderReport(header, characters));
}

void RunExtraction(DialogControls& dialog) {
  RunExtraction(dialog, ProcessSkillCatalogue(), ReportHeader());
}

}  // namespace roster
