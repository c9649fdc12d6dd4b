// The dialog "MAINDLG": its set-up, the 「抽出」 command and its end. It
// answers FALSE to every message, so the platform sets no initial focus.
#include <windows.h>

#include "app/catalogue_file.h"
#include "app/run_extraction.h"
#include "app/win32/shell.h"
#include "app/win32/win32_dialog_controls.h"

namespace roster {

HFONT EditFont = nullptr;
SkillCatalogue Catalogue;
Win32DialogControls MainDialogControls;

namespace {

void OnInitDialog(HWND dialog) {
  // A missing catalogue leaves only the fixed keys and no skill columns.
  Catalogue = LoadSkillCatalogue().value_or(SkillCatalogue());
  EditFont = CreateFontW(12, 0, 0, 0, 0, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, FIXED_PITCH, L"");
  for (int id : {kReportEdit, kMemoEdit}) {
    SendDlgItemMessageW(dialog, id, WM_SETFONT, reinterpret_cast<WPARAM>(EditFont), TRUE);
  }
  MainDialogControls = Win32DialogControls(dialog);
  InitialiseDialogControls(MainDialogControls, Catalogue);
}

void OnCommand(WPARAM wParam) {
  if (LOWORD(wParam) != kExtractButton) return;
  const std::wstring status = StatusText(RunExtraction(MainDialogControls, Catalogue));
  SetWindowTextW(StatusBar, status.c_str());
}

}  // namespace

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: OnInitDialog(dialog); break;
    case WM_COMMAND: OnCommand(wParam); break;
    case WM_DESTROY: DeleteObject(EditFont); break;
    default: break;
  }
  return FALSE;
}

}  // namespace roster
