// The dialog "MAINDLG": its set-up, the 「抽出」 command and its end. It
// answers FALSE to every message, so the platform sets no initial focus.
#include <windows.h>

#include "app/catalogue_file.h"
#include "app/run_extraction.h"
#include "app/win32/fonts.h"
#include "app/win32/shell.h"
#include "app/win32/win32_dialog_controls.h"

namespace roster {

HFONT EditFont = nullptr;
HFONT ControlFont = nullptr;
SkillCatalogue Catalogue;
Win32DialogControls MainDialogControls;

namespace {

void OnInitDialog(HWND dialog) {
  // A missing catalogue leaves only the fixed keys and no skill columns.
  Catalogue = FindSkillCatalogue().catalogue.value_or(SkillCatalogue());
  EditFont = CreateEditFont(dialog);
  for (int id : {kReportEdit, kMemoEdit}) {
    SendDlgItemMessageW(dialog, id, WM_SETFONT, reinterpret_cast<WPARAM>(EditFont), TRUE);
  }
  // Where the template's font cannot draw Japanese (a system code page other
  // than 932 may map it to such a face), the other controls get one that can.
  ControlFont = CreateFontHoldingJapanese(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
  if (ControlFont != nullptr) {
    for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr; control = GetWindow(control, GW_HWNDNEXT)) {
      const int id = GetDlgCtrlID(control);
      if (id != kReportEdit && id != kMemoEdit) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(ControlFont), TRUE);
    }
  }
  MainDialogControls = Win32DialogControls(dialog);
  InitialiseDialogControls(MainDialogControls, Catalogue);
}

void OnCommand(WPARAM wParam) {
  if (LOWORD(wParam) != kExtractButton) return;
  const std::wstring status = StatusText(RunExtraction(MainDialogControls, Catalogue));
  if (StatusBar != nullptr) SetWindowTextW(StatusBar, status.c_str());
}

}  // namespace

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: OnInitDialog(dialog); break;
    case WM_COMMAND: OnCommand(wParam); break;
    case WM_DESTROY:
      DeleteObject(EditFont);
      if (ControlFont != nullptr) DeleteObject(ControlFont);
      break;
    default: break;
  }
  return FALSE;
}

}  // namespace roster
