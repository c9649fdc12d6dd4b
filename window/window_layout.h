// The main window's layout as arithmetic on rectangles, apart from any
// window: how each control follows a window grown beyond its designed size,
// a layout made with one dialog font shown with another (the same font at
// another DPI), and a remembered place pulled back onto a screen that no
// longer shows it.
#pragma once

#include <cstdint>

namespace roster {

struct Rect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;

  int32_t width() const { return right - left; }
  int32_t height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// How a control follows the window: the roster box takes the extra width
// and height, the memo box the extra width below it, the memo's label goes
// down with it, everything above stays where it is designed.
enum class Growth { kStays, kTakesWidthAndHeight, kTakesWidthMovesDown, kMovesDown };
Growth GrowthOf(int controlId);

// A window lower or narrower than designed (a small screen): what the two
// boxes give up. The roster box gives up height first, down to
// `smallestHeight`, then the memo, down to the same; both give up width,
// down to `smallestWidth`. Nothing where the window is not smaller.
struct Shrinkage {
  int32_t rosterHeight = 0, memoHeight = 0, width = 0;
};
Shrinkage ShrinkageOf(Rect roster, Rect memo, int32_t extraWidth, int32_t extraHeight, int32_t smallestWidth,
                      int32_t smallestHeight);

// Where a control designed at `designed` stands when the dialog is
// `extraWidth` and `extraHeight` larger than designed; a smaller dialog
// gives up `shrinkage`.
Rect Grown(Rect designed, Growth growth, int32_t extraWidth, int32_t extraHeight, Shrinkage shrinkage = {});

// The pixels of four horizontal and eight vertical dialog units: the dialog
// font's average character width and its height. A dialog template places
// its controls in these units, and they do not follow the DPI in proportion
// (a font's widths are whole pixels), so a layout follows them.
struct DialogUnits {
  int32_t x = 4, y = 8;

  friend bool operator==(const DialogUnits&, const DialogUnits&) = default;
};

// A rectangle laid out with the units `from`, with the units `to`.
Rect Scaled(Rect rect, DialogUnits from, DialogUnits to);

// `window` moved (and cut to size when larger) so that it lies within
// `work`, a monitor's work area.
Rect PulledOnScreen(Rect window, Rect work);

}  // namespace roster
