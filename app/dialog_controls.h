// The few operations by which the logic reads and writes the main dialog's
// controls, behind one interface: the Win32 dialog implements them with real
// controls, MemoryDialog in memory for tests and the headless front end.
#pragma once

#include <string>
#include <string_view>

namespace roster {

// Control IDs of the dialog "MAINDLG".
enum ControlId : int {
  kReportEdit = 1001,      // the pasted list, replaced by the report
  kExtractButton = 1002,   // 「抽出」
  kMemoEdit = 1003,        // free memo; nothing reads it
  kSortKeyCombo = 1005,    // editable drop-down of sort keys
  kAscendingRadio = 1007,  // 「昇順」
  kDescendingRadio = 1008, // 「降順」
  kHiddenCheckBox = 1009,  // created hidden; nothing uses it
};

class DialogControls {
 public:
  virtual ~DialogControls() = default;

  // The whole text of an edit control, as CP932 bytes.
  virtual std::string ReadControlText(int id) = 0;

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
