// The few operations by which the logic reads and writes the main dialog's
// controls, behind one interface: the Win32 dialog implements them with real
// controls, MemoryDialog in memory for the tests.
#pragma once

#include <string>
#include <string_view>

#include "window/control_text.h"
#include "window/resource_ids.h"

namespace roster {

enum ControlId : int {
  kReportEdit = IDC_REPORT_EDIT,
  kExtractButton = IDC_EXTRACT_BUTTON,
  kMemoEdit = IDC_MEMO_EDIT,
  kSortKeyCombo = IDC_SORT_KEY_COMBO,
  kAscendingRadio = IDC_ASCENDING_RADIO,
  kDescendingRadio = IDC_DESCENDING_RADIO,
  kHiddenCheckBox = IDC_HIDDEN_CHECK_BOX,
  kMemoLabel = IDC_MEMO_LABEL,
  kSortKeyLabel = IDC_SORT_KEY_LABEL,
};

class DialogControls {
 public:
  virtual ~DialogControls() = default;

  // The whole text of an edit control as the control holds it (UTF-16 on
  // Windows), so that it can be given back exactly.
  virtual std::wstring ReadWideText(int id) = 0;

  // The same as CP932 bytes; characters that CP932 cannot hold are read as
  // "?" and told in `replaced` (when given).
  std::string ReadControlText(int id, ReplacedCharacters* replaced = nullptr) {
    return Cp932OfControlText(ReadWideText(id), replaced);
  }

  // What a combo box shows: the selected list entry, else the typed text.
  virtual std::string ReadComboText(int id) = 0;
  // The selected list entry's index; -1 when the text is typed.
  virtual int SelectedComboEntry(int id) = 0;

  // Replaces the whole text of an edit control: as one edit that the
  // control's own undo takes back, or leaving it nothing to undo. The caret
  // ends at the start, in view, and the control counts as unmodified until
  // the user changes its text.
  virtual void ReplaceText(int id, std::wstring_view text, bool undoable) = 0;

  // Replaces the characters [start, end) with `text`, leaving the control's
  // own undo nothing, the caret after the text and in view.
  virtual void ReplaceRange(int id, std::size_t start, std::size_t end, std::wstring_view text) = 0;

  // Selects the characters [start, end) of an edit control and scrolls
  // them into view.
  virtual void Select(int id, std::size_t start, std::size_t end) = 0;

  // Puts `text` in place of the selection (at the caret when nothing is
  // selected) as a paste does: one edit that the control's undo takes back.
  virtual void ReplaceSelection(int id, std::wstring_view text) = 0;

  // Non-zero check state.
  virtual bool IsButtonChecked(int id) = 0;

  // Set-up at dialog initialisation, and the settings of the last run.
  virtual void AddComboEntry(int id, std::string_view text) = 0;
  virtual void SelectComboEntry(int id, int index) = 0;
  virtual void TypeComboText(int id, std::string_view text) = 0;  // no entry selected
  virtual void SetCheck(int id, bool checked) = 0;
  // Lifts an edit control's default limit of 32,767 characters, so that a
  // large paste is never cut.
  virtual void RemoveTextLimit(int id) = 0;
};

}  // namespace roster
