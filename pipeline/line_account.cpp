#include "pipeline/line_account.h"

#include <algorithm>

#include "text/cp932.h"

namespace roster {
namespace {

// Copies what `pending` still views of its line: the bytes that cutting it
// to kLineEntryTextBytes on a character boundary looks at, which Entries
// cuts once, for the entries that are still kept.
void CopyText(LineEntry& entry, std::string_view& pending) {
  if (pending.data() == nullptr) return;
  entry.text.assign(pending.substr(0, kLineEntryTextBytes + 1));
  pending = {};
}

}  // namespace

void LineAccount::Grow() {
  ring_.emplace_back();
  pending_.emplace_back();
}

void LineAccount::NumberFromTop(std::size_t lines) {
  for (LineEntry& entry : ring_) {
    entry.line = lines + 1 - entry.line;
    if (entry.otherLine != 0) entry.otherLine = lines + 1 - entry.otherLine;
  }
}

void LineAccount::Keep(std::string_view part) {
  const char* const begin = part.data();
  const char* const end = begin + part.size();
  for (std::size_t i = 0; i < ring_.size(); ++i) {
    const char* const at = pending_[i].data();
    if (at != nullptr && at >= begin && at < end) CopyText(ring_[i], pending_[i]);
  }
}

std::vector<LineEntry> LineAccount::Entries() {
  std::vector<LineEntry> entries;
  entries.reserve(ring_.size());
  // The ring runs from the oldest kept (`oldest`) to the newest: down the
  // text, and in the order met within a line. From the newest back, a line
  // at a time, each line's entries in the order met.
  const std::size_t n = ring_.size();
  const std::size_t oldest = n < kMaxLineEntries ? 0 : next_;
  auto at = [&](std::size_t k) { return (oldest + k) % n; };  // k-th from the oldest
  for (std::size_t end = n; end > 0;) {
    std::size_t begin = end - 1;
    while (begin > 0 && ring_[at(begin - 1)].line == ring_[at(end - 1)].line) --begin;
    for (std::size_t k = begin; k < end; ++k) {
      LineEntry& entry = ring_[at(k)];
      CopyText(entry, pending_[at(k)]);
      if (entry.text.size() > kLineEntryTextBytes) {
        entry.text.resize(StartsCharacter(entry.text, 0, kLineEntryTextBytes) ? kLineEntryTextBytes
                                                                              : kLineEntryTextBytes - 1);
      }
      entries.push_back(std::move(entry));
    }
    end = begin;
  }
  ring_.clear();
  pending_.clear();
  next_ = 0;
  return entries;
}

std::vector<LineEntry> LowestEntries(std::vector<LineEntry> first, std::vector<LineEntry> second) {
  std::vector<LineEntry> merged;
  merged.reserve(std::min(kMaxLineEntries, first.size() + second.size()));
  auto a = first.begin(), b = second.begin();
  while (merged.size() < kMaxLineEntries && (a != first.end() || b != second.end())) {
    const bool fromFirst = b == second.end() || (a != first.end() && a->line <= b->line);
    merged.push_back(std::move(fromFirst ? *a++ : *b++));
  }
  return merged;
}

}  // namespace roster
