#include "text/strings.h"

#include <cstring>

#include "text/cp932.h"

namespace roster {
namespace {

// Text as changed so far by ReplaceAll, kept with a flag per byte telling
// whether the byte starts a character. Whether a byte starts a character
// depends only on the bytes before it and itself, so the flags of a prefix
// stay right when the text is cut back.
class BoundaryBuffer {
 public:
  void Append(unsigned char c) {
    bool starts = true;
    if (!bytes_.empty()) {
      const std::size_t last = bytes_.size() - 1;
      if (starts_[last] && IsLeadByte(static_cast<unsigned char>(bytes_[last])) && IsTrailByte(c)) {
        starts = false;
      }
    }
    bytes_.push_back(static_cast<char>(c));
    starts_.push_back(starts);
  }

  // Whether the buffer ends with `pattern` standing on boundaries, given the
  // byte that follows (or -1 at the end of the text).
  bool EndsWithOccurrence(std::string_view pattern, int next) const {
    const std::size_t m = pattern.size();
    if (bytes_.size() < m) return false;
    const std::size_t start = bytes_.size() - m;
    if (!starts_[start] || std::memcmp(bytes_.data() + start, pattern.data(), m) != 0) return false;
    const std::size_t last = bytes_.size() - 1;
    const bool lastPairsWithNext = starts_[last] &&
                                   IsLeadByte(static_cast<unsigned char>(bytes_[last])) &&
                                   next >= 0 && IsTrailByte(static_cast<unsigned char>(next));
    return !lastPairsWithNext;
  }

  void DropLast(std::size_t count) {
    bytes_.resize(bytes_.size() - count);
    starts_.resize(starts_.size() - count);
  }

  std::string Take() { return std::move(bytes_); }

 private:
  std::string bytes_;
  std::vector<bool> starts_;
};

std::string ReplaceInOnePass(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  std::size_t pos = 0;
  for (std::size_t hit = FindChars(text, from); hit != std::string_view::npos;
       hit = FindChars(text, from, pos)) {
    out.append(text.substr(pos, hit - pos));
    out.append(to);
    pos = hit + from.size();
  }
  out.append(text.substr(pos));
  return out;
}

}  // namespace

std::vector<std::string_view> SplitViews(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> pieces;
  std::size_t pos = 0;
  if (!separator.empty()) {
    for (std::size_t hit = FindChars(text, separator); hit != std::string_view::npos;
         hit = FindChars(text, separator, pos)) {
      pieces.push_back(text.substr(pos, hit - pos));
      pos = hit + separator.size();
    }
  }
  pieces.push_back(text.substr(pos));
  return pieces;
}

std::vector<std::string> Split(std::string_view text, std::string_view separator) {
  std::vector<std::string> pieces;
  for (std::string_view piece : SplitViews(text, separator)) pieces.emplace_back(piece);
  return pieces;
}

// Restarting each search at the beginning finds the occurrence with the
// leftmost start; all occurrences have the same length, so that is also the
// one that ends first. Feeding the text byte by byte into a buffer and
// replacing as soon as the buffer ends with an occurrence therefore replaces
// the same occurrences in the same order. The replacement is fed back in
// front of the rest, since it can form a new occurrence with what precedes.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  const std::size_t first = FindChars(text, from);
  if (first == std::string_view::npos) return std::string(text);
  if (to.find(from) != std::string_view::npos) return ReplaceInOnePass(text, from, to);

  BoundaryBuffer buffer;
  std::string pending;  // bytes fed back, the next one last
  std::size_t in = 0;
  // A `to` no shorter than `from` can keep producing occurrences; past this
  // many replacements the rest gets one left-to-right pass, so the call
  // always ends. None of the tool's own pairs comes near it.
  std::size_t budget = 4 * (text.size() + 1);
  auto next = [&]() -> int {
    if (!pending.empty()) return static_cast<unsigned char>(pending.back());
    if (in < text.size()) return static_cast<unsigned char>(text[in]);
    return -1;
  };
  for (;;) {
    if (buffer.EndsWithOccurrence(from, next())) {
      if (budget-- == 0) {
        std::string rest = buffer.Take();
        rest.append(pending.rbegin(), pending.rend());
        rest.append(text.substr(in));
        return ReplaceInOnePass(rest, from, to);
      }
      buffer.DropLast(from.size());
      pending.append(to.rbegin(), to.rend());
      continue;
    }
    const int c = next();
    if (c < 0) break;
    if (!pending.empty()) {
      pending.pop_back();
    } else {
      ++in;
    }
    buffer.Append(static_cast<unsigned char>(c));
  }
  return buffer.Take();
}

namespace {

void AppendSpaces(std::string& out, int32_t width) {
  if (width <= 0) return;
  if (width % 2 == 1) out.push_back(' ');
  for (int32_t i = 0; i < width / 2; ++i) out.append("　");
}

int32_t Shortfall(std::string_view text, int32_t width) {
  const int64_t shortfall = static_cast<int64_t>(width) - static_cast<int64_t>(text.size());
  return shortfall > 0 ? static_cast<int32_t>(shortfall) : 0;
}

void AppendPadRight(std::string& out, std::string_view text, int32_t width) {
  out.append(text);
  AppendSpaces(out, Shortfall(text, width));
}

void AppendPadLeft(std::string& out, std::string_view text, int32_t width) {
  AppendSpaces(out, Shortfall(text, width));
  out.append(text);
}

}  // namespace

std::string MakeSpaces(int32_t width) {
  std::string spaces;
  AppendSpaces(spaces, width);
  return spaces;
}

std::string PadRight(std::string_view text, int32_t width) {
  std::string out;
  AppendPadRight(out, text, width);
  return out;
}

std::string PadLeft(std::string_view text, int32_t width) {
  std::string out;
  AppendPadLeft(out, text, width);
  return out;
}

}  // namespace roster
