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

Shrinkage ShrinkageOf(Rect roster, Rect memo, int32_t extraWidth, int32_t extraHeight, int32_t smallestWidth,
                      int32_t smallestHeight) {
  const auto give = [](int32_t missing, int32_t length, int32_t smallest) {
    return std::clamp<int32_t>(missing, 0, std::max(length - smallest, 0));
  };
  Shrinkage s;
  s.rosterHeight = give(-extraHeight, roster.height(), smallestHeight);
  s.memoHeight = give(-extraHeight - s.rosterHeight, memo.height(), smallestHeight);
  s.width = give(-extraWidth, std::min(roster.width(), memo.width()), smallestWidth);
  return s;
}

Rect Grown(Rect designed, Growth growth, int32_t extraWidth, int32_t extraHeight, Shrinkage shrinkage) {
  const int32_t dx = std::max(extraWidth, 0) - shrinkage.width;
  const int32_t dy = std::max(extraHeight, 0) - shrinkage.rosterHeight;
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
      r.bottom += dy - shrinkage.memoHeight;
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
