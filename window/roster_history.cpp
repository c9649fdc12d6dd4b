#include "window/roster_history.h"

#include <algorithm>

namespace roster {
namespace {

bool IsWhole(StepKind kind) { return kind == StepKind::kExtract || kind == StepKind::kOpen; }

// The second of two replacements, where it touches the part the first
// left, folded into the first: one replacement from the text before both.
void Join(RosterHistory::Step& first, const RosterHistory::Step& second) {
  const std::size_t p = first.at, l = first.length, q = second.at, r = second.text.size();
  const std::size_t start = std::min(p, q), end = std::max(p + l, q + r);
  std::wstring before = q < p ? second.text.substr(0, p - q) : std::wstring();
  before += first.text;
  if (q + r > p + l) before += second.text.substr(p + l - q);
  first.text = std::move(before);
  first.at = start;
  first.length = end - start - r + second.length;
}

bool Touches(const RosterHistory::Step& first, const RosterHistory::Step& second) {
  return second.at <= first.at + first.length && second.at + second.text.size() >= first.at;
}

}  // namespace

void RosterHistory::Start(std::wstring text) {
  shown_ = std::move(text);
  steps_.clear();
  done_ = 0;
  joinable_ = false;
}

void RosterHistory::Changed(std::wstring now, StepKind kind, int64_t ms) {
  if (now == shown_) return;
  const std::size_t shorter = std::min(now.size(), shown_.size());
  const auto prefix =
      static_cast<std::size_t>(std::mismatch(now.begin(), now.begin() + static_cast<std::ptrdiff_t>(shorter), shown_.begin()).first -
                               now.begin());
  std::size_t suffix = 0;
  while (suffix < shorter - prefix && now[now.size() - 1 - suffix] == shown_[shown_.size() - 1 - suffix]) ++suffix;
  Step step{kind, prefix, now.size() - prefix - suffix, shown_.substr(prefix, shown_.size() - prefix - suffix), 0};
  shown_ = std::move(now);
  Record(std::move(step), ms);
}

void RosterHistory::Replaced(std::wstring now, StepKind kind) {
  Step step{kind, 0, now.size(), std::move(shown_), kind == StepKind::kExtract ? ++runs_ : 0};
  shown_ = std::move(now);
  Record(std::move(step), 0);
}

void RosterHistory::Record(Step step, int64_t ms) {
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
  const bool typing = step.kind == StepKind::kTyping;
  if (typing && joinable_ && done_ > 0 && ms - lastTypingMs_ < kTypingPauseMs && Touches(steps_.back(), step)) {
    Join(steps_.back(), step);
  } else {
    steps_.push_back(std::move(step));
    ++done_;
  }
  joinable_ = typing;
  lastTypingMs_ = ms;
  DropOldest();
}

std::optional<RosterHistory::Step> RosterHistory::Swap(Step& step, std::wstring& shown) {
  std::wstring there = shown.substr(step.at, step.length);
  shown.replace(step.at, step.length, step.text);
  step.length = step.text.size();
  step.text = std::move(there);
  return step;
}

std::optional<RosterHistory::Step> RosterHistory::Undo() {
  if (done_ == 0) return std::nullopt;
  joinable_ = false;
  --done_;
  return Swap(steps_[done_], shown_);
}

std::optional<RosterHistory::Step> RosterHistory::Redo() {
  if (done_ == steps_.size()) return std::nullopt;
  joinable_ = false;
  return Swap(steps_[done_++], shown_);
}

void RosterHistory::Withdraw() {
  if (done_ == 0 || done_ != steps_.size()) return;
  Undo();
  steps_.pop_back();
}

std::optional<std::size_t> RosterHistory::StepsBackToBeforeRun(std::size_t run) const {
  for (std::size_t i = 0; i < done_; ++i) {
    if (steps_[i].run == run) return done_ - i;
  }
  return std::nullopt;
}

std::optional<std::size_t> RosterHistory::StepsForthToBeforeRun(std::size_t run) const {
  for (std::size_t i = done_; i < steps_.size(); ++i) {
    if (steps_[i].run == run) return i - done_;
  }
  return std::nullopt;
}

// Only undo steps go, the oldest first, and never the newest step: whole
// steps over their bounds take the older typing with them, typing over its
// own bounds goes only up to the first whole step.
void RosterHistory::DropOldest() {
  while (steps_.size() > 1 && done_ > 0) {
    std::size_t whole = 0, wholeBytes = 0, typing = 0, typingBytes = 0;
    for (const Step& step : steps_) {
      (IsWhole(step.kind) ? whole : typing) += 1;
      (IsWhole(step.kind) ? wholeBytes : typingBytes) += step.text.size() * sizeof(wchar_t);
    }
    const bool wholeOver = whole > maxWholeSteps_ || wholeBytes > maxBytes_;
    const bool typingOver = (typing > kMaxTypingSteps || typingBytes > maxBytes_) && !IsWhole(steps_.front().kind);
    if (!wholeOver && !typingOver) return;
    steps_.pop_front();
    --done_;
  }
}

}  // namespace roster
