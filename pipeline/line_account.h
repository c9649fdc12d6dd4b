// The account of one walk of lines from the bottom up: every event counted,
// and the entries of the last ones met, which are those of the lowest lines.
// A line's text is copied only when its entry is still kept as its memory is
// given back, so that a long run of events costs no copies.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "pipeline/extraction.h"

namespace roster {

class LineAccount {
 public:
  // Counts `event` of `line` and keeps its entry, of which `text` (the line)
  // is read later (a text without data: the caller fills in the entry's
  // text); gives the entry for the fields its event has.
  LineEntry& Add(std::size_t line, LineEvent event, std::string_view text) {
    ++counts_[static_cast<std::size_t>(event)];
    if (ring_.size() < kMaxLineEntries) Grow();
    LineEntry& entry = ring_[next_];
    pending_[next_] = text;
    if (++next_ == kMaxLineEntries) next_ = 0;
    entry.line = line;
    entry.event = event;
    entry.text.clear();
    entry.name.clear();
    entry.typedName.clear();
    entry.otherLine = 0;
    entry.otherTypedName.clear();
    return entry;
  }
  // Counts `event` without an entry (a blank line's).
  void Count(LineEvent event) { ++counts_[static_cast<std::size_t>(event)]; }
  // Takes back one count of `event`: what it told of a line no longer holds.
  void Uncount(LineEvent event) { --counts_[static_cast<std::size_t>(event)]; }

  // The lines were numbered from the bottom, 1 the last of `lines`: the
  // entries number them from the top.
  void NumberFromTop(std::size_t lines);

  // `part` of the text is about to be given back: the entries of its lines
  // copy their texts now.
  void Keep(std::string_view part);

  const std::array<std::size_t, kLineEventKinds>& Counts() const { return counts_; }
  // The entries kept, with their texts (which are read now), by line.
  std::vector<LineEntry> Entries();

 private:
  void Grow();

  std::array<std::size_t, kLineEventKinds> counts_{};
  std::vector<LineEntry> ring_;             // the last kMaxLineEntries met, from `next_` on in the order met
  std::vector<std::string_view> pending_;   // the line of each entry whose text is not copied yet
  std::size_t next_ = 0;
};

// The entries of both lists (each by line), by line (equal lines: `first`'s
// before `second`'s), at most kMaxLineEntries of the lowest lines.
std::vector<LineEntry> LowestEntries(std::vector<LineEntry> first, std::vector<LineEntry> second);

}  // namespace roster
