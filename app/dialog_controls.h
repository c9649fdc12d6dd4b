// The few operations by which the logic reads and writes the main dialog's
// controls, behind one interface: the Win32 dialog implements them with real
// controls, MemoryDialog in memory for the tests.
#pragma once

#include <string>
#include <string_view>

#include "app/control_text.h"
#include "app/resource_ids.h"

namespace roster {

enum ControlId : int {
  kReportEdit = IDC_REPORT_EDIT,
  kExtractButton = IDC_EXTRACT_BUTTON,
  kMemoEdit = IDC_MEMO_EDIT,
  kSortKeyCombo = IDC_SORT_KEY_COMBO,
  kAscendingRadio = IDC_ASCENDING_RADIO,
  kDescendingRadio = IDC_DESCENDING_RADIO,
  kHiddenCheckBox = IDC_HIDDEN_CHECK_BOX,
};

class DialogControls {
 public:
  virtual ~DialogControls() = default;

  // The whole text of an edit control, as CP932 bytes; characters that
  // CP932 cannot hold are read as "?" and told in `replaced` (when given).
  virtual std::string ReadControlText(int id, ReplacedCharacters* replaced = nullptr) = 0;

  // What a combo box shows: the selected list entry, else the typed text.
  virtual std::string ReadComboText(int id) = 0;

  // Replaces the whole text of an edit control as one edit that the user can
  // undo; the caret ends after the new text.
  virtual void ReplaceTextUndoably(int id, std::string_view text) = 0;

  // Non-zero check state.
  virtual bool IsButtonChecked(int id) = 0;

  // Set-up at dialog initialisation.
  virtual void AddComboEntry(int id, std::string_view text) = 0;
  virtual void SelectComboEntry(int id, int index) = 0;
  virtual void CheckButton(int id) = 0;
  // Lifts an edit control's default limit of 32,767 characters, so that a
  // large paste is never cut.
  virtual void RemoveTextLimit(int id) = 0;
};

}  // namespace roster
