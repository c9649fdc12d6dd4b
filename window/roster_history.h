// One undo history for the roster box: typing, pastes, drops, 開く and
// 「抽出」 are its steps, so that Ctrl+Z goes back one step at a time
// whatever its kind and Ctrl+Y forward, on Wine as on Windows (the box's
// own undo holds one step and toggles). A step keeps only the text that
// the box does not show: a typing step the few characters it replaced, a
// run of 「抽出」 the whole text before it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace roster {

enum class StepKind { kTyping, kPaste, kDrop, kOpen, kExtract };

class RosterHistory {
 public:
  // Bounds for the whole-text steps (「抽出」 and 開く), the oldest step
  // dropped first; typing steps never push them out, and are bounded
  // apart. The newest step is kept whatever its size.
  static constexpr std::size_t kMaxWholeSteps = 32;
  static constexpr std::size_t kMaxBytes = std::size_t{256} << 20;
  static constexpr std::size_t kMaxTypingSteps = 4096;
  // Typing joins the step before it within this time, where it touches it.
  static constexpr int64_t kTypingPauseMs = 1000;

  struct Step {
    StepKind kind;
    std::size_t at;      // where the replaced part starts
    std::size_t length;  // its length in the text shown on this step's side
    std::wstring text;   // what the other side shows there
    std::size_t run;     // the number of the run of 「抽出」; 0 for other steps
  };

  explicit RosterHistory(std::size_t maxWholeSteps = kMaxWholeSteps, std::size_t maxBytes = kMaxBytes)
      : maxWholeSteps_(maxWholeSteps), maxBytes_(maxBytes) {}

  // The box's text as the history last saw it.
  const std::wstring& shown() const { return shown_; }
  // A text with no history behind it (the roster kept from the last run).
  void Start(std::wstring text);

  // The box now shows `now`: the difference from what it showed becomes a
  // step of `kind`, a typing step joining the one before it when it comes
  // within kTypingPauseMs at a place that touches it. Nothing when the
  // text is the same.
  void Changed(std::wstring now, StepKind kind, int64_t ms);
  // The whole text replaced by `now` (「抽出」, 開く) as one step.
  void Replaced(std::wstring now, StepKind kind);

  // Takes back the newest step, of a run that could not show its report.
  void Withdraw();

  // The step back or forth, applied to shown(); nothing at the end. What
  // changed is the returned step's part: `at`, `length` in the new text.
  std::optional<Step> Undo();
  std::optional<Step> Redo();

  std::size_t undoSteps() const { return done_; }
  std::size_t redoSteps() const { return steps_.size() - done_; }
  // The runs of 「抽出」 so far, the first 1; how many steps back the text
  // before run `run` is, when it is still held.
  std::size_t runs() const { return runs_; }
  std::optional<std::size_t> StepsBackToBeforeRun(std::size_t run) const;
  // The same forth, when that text is behind a step undone.
  std::optional<std::size_t> StepsForthToBeforeRun(std::size_t run) const;

 private:
  void Record(Step step, int64_t ms);
  static std::optional<Step> Swap(Step& step, std::wstring& shown);
  void DropOldest();

  std::size_t maxWholeSteps_;
  std::size_t maxBytes_;
  std::wstring shown_;
  std::deque<Step> steps_;  // oldest first; [0, done_) can be undone, the rest redone
  std::size_t done_ = 0;
  std::size_t runs_ = 0;
  bool joinable_ = false;  // the newest step is typing that more typing may join
  int64_t lastTypingMs_ = 0;
};

}  // namespace roster
