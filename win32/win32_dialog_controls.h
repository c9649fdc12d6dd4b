// The dialog-control operations on the real controls of a Win32 dialog.
// One object lives as long as the dialog: it keeps the CP932 bytes of every
// combo-box entry, so a picked entry gives exactly the bytes it was added
// with (code page 932 has characters with two codes, and UTF-16 keeps one).
#pragma once

#include <windows.h>

#include <map>
#include <vector>

#include "window/dialog_controls.h"

namespace roster {

class Win32DialogControls final : public DialogControls {
 public:
  explicit Win32DialogControls(HWND dialog = nullptr) : dialog_(dialog) {}

  std::wstring ReadWideText(int id) override;
  std::string ReadComboText(int id) override;
  int SelectedComboEntry(int id) override;
  void ReplaceText(int id, std::wstring_view text, bool undoable) override;
  void ReplaceRange(int id, std::size_t start, std::size_t end, std::wstring_view text) override;
  void Select(int id, std::size_t start, std::size_t end) override;
  void ReplaceSelection(int id, std::wstring_view text) override;
  bool IsButtonChecked(int id) override;
  void AddComboEntry(int id, std::string_view text) override;
  void SelectComboEntry(int id, int index) override;
  void TypeComboText(int id, std::string_view text) override;
  void SetCheck(int id, bool checked) override;
  void RemoveTextLimit(int id) override;

 private:
  HWND Control(int id) const { return GetDlgItem(dialog_, id); }
  LRESULT Send(int id, UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendDlgItemMessageW(dialog_, id, message, wParam, lParam);
  }

  HWND dialog_;
  std::map<int, std::vector<std::string>> comboEntries_;
};

}  // namespace roster
