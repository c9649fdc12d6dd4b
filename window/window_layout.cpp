#include "window/window_layout.h"

#include <algorithm>

#include "window/resource_ids.h"

namespace roster {
namespace {

int32_t ScaledLength(int32_t length, int32_t from, int32_t to) {
  // Rounded to the nearest pixel, as Windows' MulDiv does.
  const int64_t product = int64_t{length} * to;
  const int64_t half = from / 2;
  return static_cast<int32_t>(product >= 0 ? (product + half) / from : (product - half) / from);
}

}  // namespace

Growth GrowthOf(int controlId) {
  switch (controlId) {
    case IDC_REPORT_EDIT: return Growth::kTakesWidthAndHeight;
    case IDC_MEMO_EDIT: return Growth::kTakesWidthMovesDown;
    case IDC_MEMO_LABEL: return Growth::kMovesDown;
    default: return Growth::kStays;
  }
}

Rect Grown(Rect designed, Growth growth, int32_t extraWidth, int32_t extraHeight) {
  const int32_t dx = std::max(extraWidth, 0), dy = std::max(extraHeight, 0);
  Rect r = designed;
  switch (growth) {
    case Growth::kStays: break;
    case Growth::kTakesWidthAndHeight:
      r.right += dx;
      r.bottom += dy;
      break;
    case Growth::kTakesWidthMovesDown:
      r.right += dx;
      r.top += dy;
      r.bottom += dy;
      break;
    case Growth::kMovesDown:
      r.top += dy;
      r.bottom += dy;
      break;
  }
  return r;
}

Rect Scaled(Rect rect, DialogUnits from, DialogUnits to) {
  if (from.x <= 0 || from.y <= 0 || from == to) return rect;
  return {ScaledLength(rect.left, from.x, to.x), ScaledLength(rect.top, from.y, to.y),
          ScaledLength(rect.right, from.x, to.x), ScaledLength(rect.bottom, from.y, to.y)};
}

Rect PulledOnScreen(Rect window, Rect work) {
  const int32_t width = std::min(window.width(), work.width()), height = std::min(window.height(), work.height());
  const int32_t left = std::clamp(window.left, work.left, work.right - width);
  const int32_t top = std::clamp(window.top, work.top, work.bottom - height);
  return {left, top, left + width, top + height};
}

}  // namespace roster
