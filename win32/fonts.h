// The fonts of the window at one DPI: the fixed-pitch font of the two text
// boxes, and fonts that hold Japanese on any system code page for the
// dialog's other controls and the status bar. A DPI change makes a new set
// from the same looks.
#pragma once

#include <windows.h>

#include "window/window_layout.h"

namespace roster {

struct WindowFonts {
  HFONT edit = nullptr;      // Japanese, fixed pitch, a cell of the text size (9 points: 12 pixels at 96 DPI)
  HFONT controls = nullptr;  // the dialog's other controls
  HFONT status = nullptr;    // the status bar and its tooltip
};

// How the controls' and the status bar's fonts look at `dpi`: the dialog's
// own font and the system's status font, each replaced by one of the same
// size and weight that holds Japanese where it has no glyphs for the
// window's texts (its face then chosen by the font mapper from those that
// hold code page 932).
struct FontLooks {
  LOGFONTW dialog = {};  // the template's own, which sets the dialog units
  LOGFONTW controls = {};
  LOGFONTW status = {};
  UINT dpi = 96;
};
FontLooks FindFontLooks(HFONT dialogFont, UINT dpi);

// The dialog units of the template's font at `dpi`, measured as the dialog
// manager measures them.
DialogUnits DialogUnitsAt(const FontLooks& looks, UINT dpi);

WindowFonts CreateWindowFonts(const FontLooks& looks, UINT dpi, int textPoints);
// The controls' font alone, for a window of the controls at a DPI of its own.
HFONT CreateControlsFont(const FontLooks& looks, UINT dpi);
void DeleteWindowFonts(const WindowFonts& fonts);

}  // namespace roster
