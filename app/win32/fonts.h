// The fonts of the window: the fixed-pitch font of the two text boxes, and
// fonts that hold Japanese for the dialog's controls and the status bar on
// any system code page, at the DPI the window is shown at.
#pragma once

#include <windows.h>

namespace roster {

// Japanese and fixed-pitch, a double-byte character exactly two columns
// wide; its cell is 12 pixels high at 96 DPI and grows with the DPI.
HFONT CreateEditFont(HWND window);

// A font for `current`'s place: null when `current` holds the characters of
// the window's texts; else one of the same size and weight that does (its
// face chosen by the font mapper from those that hold code page 932). A
// null `current` is the status bar's default, the system's status font.
HFONT CreateFontHoldingJapanese(HFONT current);

}  // namespace roster
