// roster.exe: the Windows program, its entry point and nothing else.
#include <windows.h>

#include "win32/shell.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  return roster::RunShell(instance, showCommand);
}
