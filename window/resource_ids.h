/* The numbers and names by which roster.rc, the shell, the dialog-control
   layer and the Wine tests know the dialog's controls and the resources:
   each stands here once. Plain macros, so that the resource compiler reads
   them too. */
#pragma once

/* Controls of the dialog "MAINDLG". */
#define IDC_REPORT_EDIT 1001      /* the pasted list, replaced by the report */
#define IDC_EXTRACT_BUTTON 1002   /* 「抽出」 */
#define IDC_MEMO_EDIT 1003        /* free memo, kept from one run to the next */
#define IDC_SORT_KEY_COMBO 1005   /* editable drop-down of sort keys */
#define IDC_ASCENDING_RADIO 1007  /* 「昇順」 */
#define IDC_DESCENDING_RADIO 1008 /* 「降順」 */
#define IDC_HIDDEN_CHECK_BOX 1009 /* created hidden; nothing uses it */
#define IDC_MEMO_LABEL 1010       /* 「メモ」, which goes down with the memo box */
#define IDC_SORT_KEY_LABEL 1011   /* 「ソート:」 */

/* The line number in the dialog "GOTOLINE" of 行へ移動. */
#define IDC_LINE_NUMBER 1101

/* The status bar, a child of the main window with the Extract button's number. */
#define ID_STATUS_BAR 1002

/* Resources by name, all in roster.rc: the dialog, the menu bar, the
   accelerators (F5 and Ctrl+Enter for 「抽出」, the menu's keys) and the
   dialog of 行へ移動. */
#define ROSTER_DIALOG_NAME "MAINDLG"
#define ROSTER_MENU_NAME "MENU"
#define ROSTER_ACCELERATORS_NAME "ACCEL"
#define ROSTER_GO_TO_LINE_NAME "GOTOLINE"

/* The icon: the first in the file, so Explorer shows it too. */
#define IDI_ROSTER 1

/* The menu bar's commands, handled by the main window on the box that has
   the focus; none of them is a control's number, so none reaches 「抽出」. */
#define IDM_OPEN 40001
#define IDM_SAVE 40002
#define IDM_SAVE_AS 40003
#define IDM_EXIT 40004
#define IDM_UNDO 40011
#define IDM_REDO 40012
#define IDM_CUT 40013
#define IDM_COPY 40014
#define IDM_PASTE 40015
#define IDM_SELECT_ALL 40016
#define IDM_FIND 40017
#define IDM_FIND_NEXT 40018
#define IDM_FIND_PREVIOUS 40019
#define IDM_GO_TO_LINE 40020
#define IDM_TEXT_LARGER 40021
#define IDM_TEXT_SMALLER 40022
#define IDM_TEXT_STANDARD 40023
#define IDM_ACCOUNT_LIST 40025
#define IDM_HELP 40031
#define IDM_VERSION 40032
#define IDM_FIRST 40001
#define IDM_LAST 40099

/* 「バージョン情報」 in the window's system menu (below 0xF000, a multiple of 16). */
#define IDM_ABOUT 0x0010
