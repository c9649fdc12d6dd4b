// The dialog-control operations on the real controls of a Win32 dialog.
#pragma once

#include <windows.h>

#include "app/dialog_controls.h"

namespace roster {

class Win32DialogControls final : public DialogControls {
 public:
  explicit Win32DialogControls(HWND dialog) : dialog_(dialog) {}

  std::string ReadControlText(int id) override;
  std::string ReadComboText(int id) override;
  void ReplaceTextUndoably(int id, std::string_view text) override;
  bool IsButtonChecked(int id) override;
  void AddComboEntry(int id, std::string_view text) override;
  void SelectComboEntry(int id, int index) override;
  void CheckButton(int id) override;
  void RemoveTextLimit(int id) override;

 private:
  HWND Control(int id) const { return GetDlgItem(dialog_, id); }
  LRESULT Send(int id, UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendDlgItemMessageW(dialog_, id, message, wParam, lParam);
  }

  HWND dialog_;
};

}  // namespace roster
