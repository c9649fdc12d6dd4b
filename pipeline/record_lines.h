// For each record of a part of the text: its line's number, that line's
// notes and where it starts in the part, in one word while the part is
// small enough for both numbers to fit beside the notes.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory_resource>
#include <vector>

namespace roster {

class RecordLines {
 public:
  // For a part of `partBytes` bytes. A line starts within the part and its
  // number is at most one more than the part's bytes (every line but the
  // last ends at a byte of its own), so the widths of those two bounds
  // decide: together with the notes they fit a word for a part of up to
  // 2^28 - 2 bytes. A larger part keeps each start in a word of its own.
  RecordLines(std::size_t partBytes, std::pmr::memory_resource* memory)
      : startBits_(std::bit_width(partBytes)), words_(memory), starts_(memory) {
    if (startBits_ + std::bit_width(partBytes + 1) > kNotesShift) startBits_ = 0;
  }

  void reserve(std::size_t records) {
    words_.reserve(records);
    if (Wide()) starts_.reserve(records);
  }

  void Add(std::size_t line, uint8_t notes, std::size_t start) {
    words_.push_back(uint64_t{notes} << kNotesShift | uint64_t{line} << startBits_ | (Wide() ? 0 : start));
    if (Wide()) starts_.push_back(start);
  }

  std::size_t Line(std::size_t i) const { return (words_[i] & kLineAndStart) >> startBits_; }
  uint8_t Notes(std::size_t i) const { return static_cast<uint8_t>(words_[i] >> kNotesShift); }
  std::size_t Start(std::size_t i) const {
    return Wide() ? starts_[i] : words_[i] & ((uint64_t{1} << startBits_) - 1);
  }

  // Each line numbered `line` becomes `last - line`: lines numbered from
  // the bottom come to count from the top.
  void Renumber(std::size_t last) {
    const uint64_t start = Wide() ? 0 : (uint64_t{1} << startBits_) - 1;
    for (uint64_t& word : words_) {
      const uint64_t line = (word & kLineAndStart) >> startBits_;
      word = (word & ~kLineAndStart) | (last - line) << startBits_ | (word & start);
    }
  }

 private:
  static constexpr int kNotesShift = 56;
  static constexpr uint64_t kLineAndStart = (uint64_t{1} << kNotesShift) - 1;

  bool Wide() const { return startBits_ == 0; }

  int startBits_;  // 0 when the starts are kept apart
  std::pmr::vector<uint64_t> words_;
  std::pmr::vector<std::size_t> starts_;
};

}  // namespace roster
