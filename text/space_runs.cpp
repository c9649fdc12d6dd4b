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
  explicit TailCollector(TailItems& out) : out_(out) { out_.rest = {}; }

  void Take(std::string_view item) {
    if (count_ < 3) {
      out_.first[count_] = item;
    } else if (count_ == 3) {
      out_.rest = item;
    } else if (!copying_ && item.data() == out_.rest.data() + out_.rest.size() + 1 &&
               out_.rest.data()[out_.rest.size()] == ' ') {
      out_.rest = std::string_view(out_.rest.data(), out_.rest.size() + 1 + item.size());
    } else {
      if (!copying_) out_.joined.assign(out_.rest);
      copying_ = true;
      out_.joined.append(kHalfSpace);
      out_.joined.append(item);
    }
    ++count_;
  }

  void Finish() {
    for (; count_ < 3; ++count_) out_.first[count_] = {};
    if (copying_) out_.rest = out_.joined;
  }

 private:
  TailItems& out_;
  std::size_t count_ = 0;
  bool copying_ = false;
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

void SplitTail(std::string_view tail, TailItems& out) {
  // One pass over a tail with no "|" of its own and no stray lead byte: the
  // items are then the runs between runs of spaces. Any other tail takes
  // the rules' own path.
  TailCollector items(out);
  std::size_t itemStart = 0;
  bool inRun = false;
  for (std::size_t pos = 0; pos < tail.size();) {
    const std::size_t length = CharLength(tail, pos);
    const char c = tail[pos];
    if (length == 1 && (c == '|' || IsLeadByte(static_cast<unsigned char>(c)))) {
      out.rewritten = ReplaceAll(ReplaceAll(ReplaceAll(tail, kHalfSpace, "|"), kFullSpace, "|"), "||", "|");
      TailCollector ruled(out);
      for (std::string_view item : SplitViews(out.rewritten, "|")) ruled.Take(item);
      ruled.Finish();
      return;
    }
    const bool space = length == 1 ? c == ' ' : IsFullSpaceAt(tail, pos);
    if (space && !inRun) {
      items.Take(tail.substr(itemStart, pos - itemStart));
      inRun = true;
    } else if (!space && inRun) {
      itemStart = pos;
      inRun = false;
    }
    pos += length;
  }
  items.Take(inRun ? std::string_view() : tail.substr(itemStart));
  items.Finish();
}

}  // namespace roster
