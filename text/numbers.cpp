#include "text/numbers.h"

#include <algorithm>
#include <limits>

#include "text/width_fold.h"

namespace roster {
namespace {

bool IsCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

int32_t ToInt(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && IsCSpace(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  // Accumulate the magnitude, stopping once it passes the limit so a number
  // of any length neither overflows nor wraps.
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  int64_t magnitude = 0;
  for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
    magnitude = std::min(magnitude * 10 + (text[pos] - '0'), kLimit);
  }
  const int64_t value = negative ? -magnitude : magnitude;
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

int32_t FullWidthToInt(std::string_view text) { return ToInt(FoldToHalfWidth(text)); }

std::string IntToString(int32_t value, int32_t radix) {
  if (radix < 2 || radix > 36) return {};
  constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  const bool negative = radix == 10 && value < 0;
  uint32_t magnitude = static_cast<uint32_t>(value);
  if (negative) magnitude = 0u - magnitude;
  std::string digits;
  do {
    digits.push_back(kDigits[magnitude % static_cast<uint32_t>(radix)]);
    magnitude /= static_cast<uint32_t>(radix);
  } while (magnitude != 0);
  if (negative) digits.push_back('-');
  std::reverse(digits.begin(), digits.end());
  return digits;
}

std::string IntToFullWidth(int32_t value) { return FoldToFullWidth(IntToString(value, 10)); }

}  // namespace roster
