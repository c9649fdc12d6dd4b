#include "app/window_layout.h"

#include <algorithm>

#include "app/resource_ids.h"

namespace roster {
namespace {

int32_t ScaledLength(int32_t length, int32_t fromDpi, int32_t toDpi) {
  // Rounded to the nearest pixel, as Windows' MulDiv does.
  const int64_t product = int64_t{length} * toDpi;
  const int64_t half = fromDpi / 2;
  return static_cast<int32_t>(product >= 0 ? (product + half) / fromDpi : (product - half) / fromDpi);
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

Rect Scaled(Rect rect, int32_t fromDpi, int32_t toDpi) {
  if (fromDpi <= 0 || fromDpi == toDpi) return rect;
  return {ScaledLength(rect.left, fromDpi, toDpi), ScaledLength(rect.top, fromDpi, toDpi),
          ScaledLength(rect.right, fromDpi, toDpi), ScaledLength(rect.bottom, fromDpi, toDpi)};
}

Rect PulledOnScreen(Rect window, Rect work) {
  const int32_t width = std::min(window.width(), work.width()), height = std::min(window.height(), work.height());
  const int32_t left = std::clamp(window.left, work.left, work.right - width);
  const int32_t top = std::clamp(window.top, work.top, work.bottom - height);
  return {left, top, left + width, top + height};
}

}  // namespace roster
