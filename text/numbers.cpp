#include "text/numbers.h"

#include <algorithm>
#include <limits>

#include "text/cp932.h"
#include "text/width_fold.h"

namespace roster {
namespace {

bool IsCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

namespace {

constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;

// Reads the strtol grammar from a stream of half-width characters: white
// space, one sign, digits. The digits saturate at `Cap`: the 32-bit limit's
// magnitude for reading, one more for telling a number beyond the limits,
// which costs the common reading nothing.
template <int64_t Cap>
class DecimalReader {
 public:
  // Takes the next character; false once the number has ended.
  bool Take(char c) {
    if (state_ == kSpace && IsCSpace(c)) return true;
    if (state_ == kSpace && (c == '+' || c == '-')) {
      negative_ = c == '-';
      state_ = kSign;
      return true;
    }
    if (c >= '0' && c <= '9') {
      magnitude_ = std::min(magnitude_ * 10 + (c - '0'), Cap);
      state_ = kDigits;
      return true;
    }
    return false;
  }

  // Whether the digits went beyond the 32-bit range; told by a reader whose
  // Cap lies beyond it.
  bool Beyond() const { return magnitude_ > (negative_ ? kLimit : kLimit - 1); }

  int32_t Value() const {
    const int64_t value = negative_ ? -magnitude_ : magnitude_;
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
  }

 private:
  enum State { kSpace, kSign, kDigits };
  State state_ = kSpace;
  bool negative_ = false;
  int64_t magnitude_ = 0;
};

}  // namespace

int32_t ToInt(std::string_view text) {
  DecimalReader<kLimit> reader;
  for (char c : text) {
    if (!reader.Take(c)) break;
  }
  return reader.Value();
}

// The half-width fold and ToInt in one pass: only the folds to white space,
// signs and digits can change what ToInt reads, and every other double-byte
// character ends the number just as its folded form would.
namespace {

template <int64_t Cap>
DecimalReader<Cap> ReadFolded(std::string_view text) {
  DecimalReader<Cap> reader;
  for (std::size_t pos = 0; pos < text.size();) {
    char c = text[pos];
    const std::size_t length = CharLength(text, pos);
    if (length == 2) {
      const int half = HalfWidthOf(static_cast<unsigned char>(text[pos]), static_cast<unsigned char>(text[pos + 1]));
      c = half >= 0 ? static_cast<char>(half) : '\x80';
    }
    if (!reader.Take(c)) break;
    pos += length;
  }
  return reader;
}

}  // namespace

int32_t FullWidthToIntFolded(std::string_view text) { return ReadFolded<kLimit>(text).Value(); }

bool FullWidthToIntSaturates(std::string_view text) { return ReadFolded<kLimit + 1>(text).Beyond(); }

namespace {

// Writes `value` in `radix` backwards from `end`; returns where it starts.
char* WriteInt(int32_t value, int32_t radix, char* end) {
  constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  const bool negative = radix == 10 && value < 0;
  uint32_t magnitude = static_cast<uint32_t>(value);
  if (negative) magnitude = 0u - magnitude;
  char* digits = end;
  if (radix == 10) {  // every caller's radix: a constant divisor is cheap
    do {
      *--digits = static_cast<char>('0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude != 0);
  } else {
    do {
      *--digits = kDigits[magnitude % static_cast<uint32_t>(radix)];
      magnitude /= static_cast<uint32_t>(radix);
    } while (magnitude != 0);
  }
  if (negative) *--digits = '-';
  return digits;
}

constexpr std::size_t kIntBuffer = 34;  // 32 binary digits and a sign at the most

}  // namespace

char* WriteDecimalBefore(char* end, int32_t value) { return WriteInt(value, 10, end); }

std::string IntToString(int32_t value, int32_t radix) {
  if (radix < 2 || radix > 36) return {};
  char buffer[kIntBuffer];
  char* end = buffer + kIntBuffer;
  return std::string(WriteInt(value, radix, end), end);
}

void AppendInt(std::string& out, int32_t value) {
  char buffer[kIntBuffer];
  char* end = buffer + kIntBuffer;
  out.append(WriteInt(value, 10, end), end);
}

void AppendFullWidthInt(std::string& out, int32_t value) {
  // One digit, which is what a row mostly holds, is written whole.
  if (value >= 0 && value <= 9) {
    out.append(FullWidthDigit(value));
    return;
  }
  char buffer[kIntBuffer];
  char* end = buffer + kIntBuffer;
  for (const char* c = WriteInt(value, 10, end); c != end; ++c) AppendFullWidthOf(out, *c);
}

std::string IntToFullWidth(int32_t value) {
  std::string out;
  AppendFullWidthInt(out, value);
  return out;
}

}  // namespace roster
