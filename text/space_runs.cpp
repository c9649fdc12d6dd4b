#include "text/space_runs.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "text/cp932.h"
#include "text/strings.h"

namespace roster {
namespace {

constexpr std::string_view kHalfSpace = " ";
constexpr std::string_view kFullSpace = "　";

bool IsFullSpaceAt(std::string_view text, std::size_t pos) {
  return text[pos] == '\x81' && text[pos + 1] == '\x40';
}

// Copies `text` without the characters that `drop` picks.
template <typename Drop>
std::string WithoutCharacters(std::string_view text, Drop drop) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = CharLength(text, pos);
    if (!drop(pos, length)) {
      out.push_back(text[pos]);
      if (length == 2) out.push_back(text[pos + 1]);
    }
    pos += length;
  }
  return out;
}

// Fills TailItems one item at a time: the first three, then the rest joined
// by single " "; Finish empties the first three that never came. Remarks
// are mostly words apart by one " ", so the rest is a view of the tail
// until an item comes that is not, and only then copied.
class TailCollector {
 public:
  explicit TailCollector(TailItems& out) : out_(out) {}

  // Kept small so that the walk inlines it: most items are words one " "
  // after the rest so far, which then only grows.
  void Take(std::string_view item) {
    if (restEnd_ != nullptr && item.data() == restEnd_ + 1 && *restEnd_ == ' ') {
      restEnd_ = item.data() + item.size();
    } else {
      TakeOther(item);
    }
  }

  void Finish() {
    for (; count_ < 3; ++count_) out_.first[count_] = {};
    out_.rest = copying_ ? std::string_view(out_.joined) : std::string_view(restBegin_, restEnd_ - restBegin_);
  }

 private:
  void TakeOther(std::string_view item) {
    if (count_ < 3) {
      out_.first[count_++] = item;
    } else if (count_ == 3) {
      restBegin_ = item.data();
      restEnd_ = item.data() + item.size();
      ++count_;
    } else {
      if (!copying_) out_.joined.assign(restBegin_, restEnd_);
      copying_ = true;
      restEnd_ = nullptr;  // the view grows no more
      out_.joined.append(kHalfSpace);
      out_.joined.append(item);
    }
  }

  TailItems& out_;
  std::size_t count_ = 0;  // up to 4: the first three, then the rest
  // The rest as a view of the tail while it may still grow: restEnd_ is
  // null before the rest comes, once it is copied, and when it came empty
  // at the tail's end.
  const char* restBegin_ = nullptr;
  const char* restEnd_ = nullptr;
  bool copying_ = false;  // the rest is `joined`
};

}  // namespace

bool IsWellFormed(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = CharLength(text, pos);
    if (length == 1 && IsLeadByte(static_cast<unsigned char>(text[pos]))) return false;
    pos += length;
  }
  return true;
}

std::string RemoveSpaces(std::string_view text) {
  if (text.find(' ') == std::string_view::npos && text.find('\x81') == std::string_view::npos) {
    return std::string(text);
  }
  if (!IsWellFormed(text)) return ReplaceAll(ReplaceAll(text, kHalfSpace, ""), kFullSpace, "");
  return WithoutCharacters(text, [&](std::size_t pos, std::size_t length) {
    return length == 1 ? text[pos] == ' ' : IsFullSpaceAt(text, pos);
  });
}

std::string RemoveFullWidthSpaces(std::string_view text) {
  if (text.find('\x81') == std::string_view::npos) return std::string(text);
  if (!IsWellFormed(text)) return ReplaceAll(text, kFullSpace, "");
  return WithoutCharacters(text, [&](std::size_t pos, std::size_t length) {
    return length == 2 && IsFullSpaceAt(text, pos);
  });
}

namespace {

// The tail as the rules rewrite it, cut at "|": for a tail with a "|" of its
// own or a stray lead byte, whose boundaries a replacement can shift.
void SplitByTheRules(std::string_view tail, TailItems& out) {
  out.rewritten = ReplaceAll(ReplaceAll(ReplaceAll(tail, kHalfSpace, "|"), kFullSpace, "|"), "||", "|");
  TailCollector ruled(out);
  for (std::string_view item : SplitViews(out.rewritten, "|")) ruled.Take(item);
  ruled.Finish();
}

// What the walk does at a character, looked up by the character's first
// two bytes: in the low bits the step to the next character in an item (2
// for a double-byte character, 1 for a single byte, 0 at " ", "　", "|" and
// a stray lead byte), in the high bits the same step where a " " before
// another word is a step too. One look-up a character keeps the walk over
// long remarks short.
constexpr unsigned kWordShift = 2;
constexpr unsigned kItemStep = (1u << kWordShift) - 1;

constexpr std::size_t PairIndex(unsigned first, unsigned second) {
  return std::endian::native == std::endian::little ? first | second << 8 : first << 8 | second;
}

// Filled when the program starts: too many steps for a compiler to
// evaluate as a constant.
const std::array<unsigned char, 65536> kSteps = [] {
  std::array<unsigned char, 65536> table{};
  for (unsigned first = 0; first < 256; ++first) {
    for (unsigned second = 0; second < 256; ++second) {
      unsigned step = 0;
      if (first == ' ') {
        // Only the step over a single " ": another space or a lead byte
        // that may make "　" ends the words.
        if (second != ' ' && second != 0x81) step = 1u << kWordShift;
      } else if (first == '|') {
      } else if (!IsLeadByte(static_cast<unsigned char>(first))) {
        step = 1 | 1u << kWordShift;
      } else if (IsTrailByte(static_cast<unsigned char>(second)) && !(first == 0x81 && second == 0x40)) {
        step = 2 | 2u << kWordShift;
      }
      table[PairIndex(first, second)] = static_cast<unsigned char>(step);
    }
  }
  return table;
}();

unsigned StepAt(const unsigned char* at) {
  std::uint16_t pair;
  std::memcpy(&pair, at, sizeof pair);
  return kSteps[pair];
}

// Steps from `pos` while the step table, shifted by `shift` and masked by
// `mask`, gives a step; where the walk stopped. The walk keeps its place in
// a register: the remarks are long and walked a character at a time.
template <unsigned Shift, unsigned Mask>
std::size_t Walk(const unsigned char* bytes, std::size_t pos, std::size_t size) {
  if (pos + 1 >= size) return pos;
  const unsigned char* at = bytes + pos;
  const unsigned char* const last = bytes + size - 1;
  for (;;) {
    const std::size_t step = (StepAt(at) >> Shift) & Mask;
    if (step == 0) break;
    at += step;
    if (at >= last) break;
  }
  return static_cast<std::size_t>(at - bytes);
}

constexpr std::size_t kNeedsTheRules = std::string_view::npos;

// Where the item at `pos` ends: at the next " " or "　" (its length in
// `spaceLength`), or at the end of the tail. kNeedsTheRules for a "|" or a
// stray lead byte before it.
std::size_t ItemEnd(const unsigned char* bytes, std::size_t pos, std::size_t size, std::size_t& spaceLength) {
  for (;;) {
    pos = Walk<0, kItemStep>(bytes, pos, size);
    if (pos == size) break;
    const unsigned char c = bytes[pos];
    if (c == ' ') {
      spaceLength = 1;
      return pos;
    }
    if (c == '|') return kNeedsTheRules;
    if (IsLeadByte(c)) {
      if (pos + 1 == size || !IsTrailByte(bytes[pos + 1])) return kNeedsTheRules;
      spaceLength = 2;  // "　", the one pair with a trail byte that stops the walk
      return pos;
    }
    ++pos;  // the tail's last byte, a character of its own
  }
  spaceLength = 0;
  return pos;
}

// Where the words from `pos` on stop being apart by single " ": they are
// then one item of the rest as they stand, and the collector takes them
// at once.
std::size_t WordsEnd(const unsigned char* bytes, std::size_t pos, std::size_t size, std::size_t& spaceLength) {
  pos = Walk<kWordShift, ~0u>(bytes, pos, size);
  if (pos < size && bytes[pos] == ' ') {
    spaceLength = 1;
    return pos;
  }
  return ItemEnd(bytes, pos, size, spaceLength);
}

}  // namespace

void SplitTail(std::string_view tail, TailItems& out) {
  // One pass over a tail with no "|" of its own and no stray lead byte: the
  // items are then the runs between runs of spaces. Remarks make the tail
  // long; their words, mostly apart by one " ", are walked without a stop.
  const auto* bytes = reinterpret_cast<const unsigned char*>(tail.data());
  const std::size_t size = tail.size();
  TailCollector items(out);
  std::size_t pos = 0;
  for (int taken = 0;; ++taken) {
    const std::size_t itemStart = pos;
    std::size_t spaceLength = 0;
    pos = taken < 3 ? ItemEnd(bytes, pos, size, spaceLength) : WordsEnd(bytes, pos, size, spaceLength);
    if (pos == kNeedsTheRules) return SplitByTheRules(tail, out);
    items.Take(tail.substr(itemStart, pos - itemStart));
    if (pos == size) break;
    // The run of spaces after the item, which ends it.
    pos += spaceLength;
    while (pos < size && (bytes[pos] == ' ' || (pos + 1 < size && IsFullSpaceAt(tail, pos)))) {
      pos += bytes[pos] == ' ' ? 1 : 2;
    }
    if (pos == size) {
      items.Take({});
      break;
    }
  }
  items.Finish();
}

}  // namespace roster
