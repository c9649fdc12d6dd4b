#include "text/space_runs.h"

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

}  // namespace

void SplitTail(std::string_view tail, TailItems& out) {
  // One pass over a tail with no "|" of its own and no stray lead byte: the
  // items are then the runs between runs of spaces. Remarks make the tail
  // long, so each item is walked in a tight loop of its own.
  const auto* bytes = reinterpret_cast<const unsigned char*>(tail.data());
  const std::size_t size = tail.size();
  TailCollector items(out);
  std::size_t pos = 0;
  for (;;) {
    const std::size_t itemStart = pos;
    std::size_t spaceLength = 0;
    while (pos < size) {
      const unsigned char c = bytes[pos];
      if (IsLeadByte(c)) {
        if (pos + 1 == size || !IsTrailByte(bytes[pos + 1])) return SplitByTheRules(tail, out);
        if (c == 0x81 && bytes[pos + 1] == 0x40) {
          spaceLength = 2;  // "　"
          break;
        }
        pos += 2;
      } else if (c == ' ') {
        spaceLength = 1;
        break;
      } else if (c == '|') {
        return SplitByTheRules(tail, out);
      } else {
        ++pos;
      }
    }
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
