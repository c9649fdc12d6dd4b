// The Win32 shell of the tool: the process-wide handles and state, set at
// start-up (the fonts and the DPI again when the window moves to a monitor
// of another DPI), and the window procedures. The main window of class
// "toolbase" holds the dialog "MAINDLG" with every control, and a status
// bar below it.
#pragma once

#include <windows.h>

#include <vector>

#include "window/roster_history.h"
#include "window/run_extraction.h"
#include "window/settings_file.h"
#include "window/status_text.h"
#include "window/window_layout.h"
#include "win32/fonts.h"
#include "win32/win32_dialog_controls.h"
#include "catalogue/skill_catalogue.h"

namespace roster {

// The dialog as its template lays it out, in the dialog units it was
// created with: what the layout grows and scales from.
struct DialogDesign {
  struct Control {
    HWND window;
    int id;
    Rect rect;  // in the dialog's client area
  };
  std::vector<Control> controls;
  Rect client;
  DialogUnits units;
};

extern HINSTANCE AppInstance;  // the module, set first thing in WinMain
extern HWND MainWindow;        // set at WM_CREATE
extern HMENU MainMenu;         // the menu bar "MENU"
extern HWND MainDialog;        // the dialog "MAINDLG"
extern HWND StatusBar;         // says what the last command did
extern HWND ToolTips;          // of 「抽出」 (its keys) and of the status bar (its whole text)
extern UINT WindowDpi;         // the DPI the window is laid out and drawn for
extern DialogUnits WindowUnits;  // the dialog units at WindowDpi
extern FontLooks Looks;        // found once, scaled to WindowDpi
extern WindowFonts Fonts;      // at WindowDpi
extern DialogDesign Design;    // recorded when the dialog opens
extern SkillCatalogue Catalogue;  // loaded once when the dialog opens
extern RosterHistory History;     // the roster box's one undo history
extern Win32DialogControls MainDialogControls;  // the dialog's controls, as the logic reads them
extern int TextPoints;         // the point size of both text boxes
extern std::wstring FileFolder;  // where the last file was opened or saved

// The whole program: the main window made and shown, then the messages
// until it closes; the exit code.
int RunShell(HINSTANCE instance, int showCommand);

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The window at `dpi`: the dialog units, the fonts (made again at
// TextPoints, the old ones deleted once no control holds them) and the icons.
void UseDpi(UINT dpi);

// Lays the status bar, the dialog and its controls out in the main
// window's client area, at WindowDpi.
void LayoutMainWindow();
// The window's smallest size: the designed dialog above the status bar,
// no larger than the work area of the window's monitor.
SIZE MinimumWindowSize();
RECT WorkArea();

// The status bar's parts, texts and tooltip; ShowStatus keeps `message` for
// a new layout.
void ShowStatus(const StatusMessage& message);
const StatusMessage& ShownStatus();
void LayoutStatusParts();

// The roster box takes Ctrl+Z and Ctrl+Y through its one history, and
// notes each change it makes as a step of it; while ChangingRosterBox is
// set, the program changes it and records the step itself.
void SubclassRosterBox(HWND dialog);
void UndoRosterBox();
void RedoRosterBox();
extern bool ChangingRosterBox;

// The menu bar's commands (IDM_*), on the box that has the focus, and its
// items greyed when a menu opens where they cannot act.
void OnMenuCommand(int id);
void EnableMenuItems(HMENU popup);
// The control with the focus, or the one that had it when another window
// (the find dialog) took it.
HWND FocusInWindow();

// 検索, 次を検索 (forward) and 前を検索, and 行へ移動, on the memo when it
// has the focus, else on the roster box. The find dialog is modeless: the
// message loop gives it its keys, and its requests come to the main window
// as FindDialogMessage.
extern HWND FindDialog;
extern const UINT FindDialogMessage;
void ShowFindDialog();
void FindAgain(bool forward);
void OnFindDialogMessage(LPARAM request);
void GoToLine();

// Both text boxes at `points`, made again at each DPI.
void UseTextPoints(int points);
void ShowVersion();

// The list 「抽出の記録」 (win32/account_list_window.cpp): the account of
// each run is kept (and shown at once when the list is open); the list
// opens by Ctrl+L, the status bar's first part and the 表示 menu, once a
// run has given an account.
void KeepAccount(const RunResult& result);
bool HasAccount();
void OpenAccountList();

// roster.ini: read before the window shows, written when it closes; false,
// with what failed in `failure`, when no place took it.
Settings LoadSettings();
bool SaveSettings(std::wstring* failure);
// The roster box's text, kept beside roster.ini after each 「抽出」 and at
// exit, and given back at the next start.
bool KeepRosterText(std::wstring* failure = nullptr);
void RestoreRosterText();
// Shows the main window where the settings place it, pulled back onto a
// monitor when it would stand on none.
void ShowMainWindow(const Settings& settings, int showCommand);

}  // namespace roster
