#include "window/extract_history.h"

#include <numeric>

namespace roster {
namespace {

std::size_t Bytes(const std::deque<std::wstring>& texts) {
  return std::accumulate(texts.begin(), texts.end(), std::size_t{0},
                         [](std::size_t sum, const std::wstring& text) { return sum + text.size() * sizeof(wchar_t); });
}

}  // namespace

void ExtractHistory::Record(std::wstring before) {
  undo_.push_back(std::move(before));
  redo_.clear();
  DropOldest();
}

void ExtractHistory::Withdraw() {
  if (!undo_.empty()) undo_.pop_back();
}

std::optional<std::wstring> ExtractHistory::Step(std::deque<std::wstring>& from, std::deque<std::wstring>& to,
                                                 std::wstring current) {
  if (from.empty()) return std::nullopt;
  std::wstring text = std::move(from.back());
  from.pop_back();
  to.push_back(std::move(current));
  return text;
}

std::optional<std::wstring> ExtractHistory::Undo(std::wstring current) {
  std::optional<std::wstring> text = Step(undo_, redo_, std::move(current));
  DropOldest();
  return text;
}

std::optional<std::wstring> ExtractHistory::Redo(std::wstring current) {
  std::optional<std::wstring> text = Step(redo_, undo_, std::move(current));
  DropOldest();
  return text;
}

// The oldest undo step is the one furthest from the box's text; once none
// is left, the redo step furthest from it.
void ExtractHistory::DropOldest() {
  while (undo_.size() + redo_.size() > 1 &&
         (undo_.size() + redo_.size() > maxSteps_ || Bytes(undo_) + Bytes(redo_) > maxBytes_)) {
    (undo_.size() > 1 || redo_.empty() ? undo_ : redo_).pop_front();
  }
}

}  // namespace roster
