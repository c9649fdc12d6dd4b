// Names of the resources of roster.exe, shared by the resource script and
// the shell. The control IDs are the dialog layer's (app/dialog_controls.h).
#pragma once

#define ROSTER_DIALOG_NAME "MAINDLG"
#define ROSTER_MENU_NAME "MENU"
#define ROSTER_ACCELERATORS_NAME "ACCEL"
#define ROSTER_STATUS_BAR_ID 1002
