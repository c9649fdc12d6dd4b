#include "pipeline/line_account.h"

#include <algorithm>

#include "text/cp932.h"

namespace roster {
namespace {

void CopyText(LineEntry& entry, std::string_view& pending) {
  if (pending.data() == nullptr) return;
  entry.text.assign(pending.substr(0, PrefixOnBoundary(pending, kLineEntryTextBytes)));
  pending = {};
}

void SortByLine(std::vector<LineEntry>& entries) {
  std::stable_sort(entries.begin(), entries.end(),
                   [](const LineEntry& a, const LineEntry& b) { return a.line < b.line; });
}

}  // namespace

LineEntry& LineAccount::Add(std::size_t line, LineEvent event, std::string_view text) {
  ++counts_[static_cast<std::size_t>(event)];
  if (ring_.size() < kMaxLineEntries) {
    ring_.emplace_back();
    pending_.emplace_back();
  }
  const std::size_t slot = next_;
  next_ = (next_ + 1) % kMaxLineEntries;
  LineEntry& entry = ring_[slot];
  entry.line = line;
  entry.event = event;
  entry.text.clear();
  entry.name.clear();
  entry.typedName.clear();
  entry.otherLine = 0;
  entry.otherTypedName.clear();
  pending_[slot] = text;
  return entry;
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
  // From the oldest kept to the newest: the order met.
  const std::size_t oldest = ring_.size() < kMaxLineEntries ? 0 : next_;
  for (std::size_t n = 0; n < ring_.size(); ++n) {
    const std::size_t i = (oldest + n) % ring_.size();
    CopyText(ring_[i], pending_[i]);
    entries.push_back(std::move(ring_[i]));
  }
  ring_.clear();
  pending_.clear();
  next_ = 0;
  SortByLine(entries);
  return entries;
}

std::vector<LineEntry> LowestEntries(std::vector<LineEntry> first, std::vector<LineEntry> second) {
  first.insert(first.end(), std::make_move_iterator(second.begin()), std::make_move_iterator(second.end()));
  SortByLine(first);
  if (first.size() > kMaxLineEntries) first.erase(first.begin() + kMaxLineEntries, first.end());
  return first;
}

}  // namespace roster
