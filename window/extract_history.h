// The texts that 「抽出」 replaced, run after run, so that Ctrl+Z in the
// roster box goes back through every run down to the text as pasted, and
// Ctrl+Y forward again. The box's own undo holds one step and toggles, so a
// second run, or a second Ctrl+Z, would lose the pasted text without it.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

namespace roster {

class ExtractHistory {
 public:
  // What the history holds at the most, the oldest steps dropped first; the
  // newest step is kept whatever its size, as it holds what the last run
  // replaced.
  static constexpr std::size_t kMaxSteps = 32;
  static constexpr std::size_t kMaxBytes = std::size_t{256} << 20;

  explicit ExtractHistory(std::size_t maxSteps = kMaxSteps, std::size_t maxBytes = kMaxBytes)
      : maxSteps_(maxSteps), maxBytes_(maxBytes) {}

  // A run replaced `before`; what could be redone is gone.
  void Record(std::wstring before);
  // Takes back the newest step, of a run that could not show its report.
  void Withdraw();

  // The text to show instead of `current`, which the other direction then
  // gives back; nothing when there is no step that way.
  std::optional<std::wstring> Undo(std::wstring current);
  std::optional<std::wstring> Redo(std::wstring current);

  std::size_t undoSteps() const { return undo_.size(); }
  std::size_t redoSteps() const { return redo_.size(); }

 private:
  static std::optional<std::wstring> Step(std::deque<std::wstring>& from, std::deque<std::wstring>& to,
                                          std::wstring current);
  void DropOldest();

  std::size_t maxSteps_;
  std::size_t maxBytes_;
  std::deque<std::wstring> undo_;  // oldest first
  std::deque<std::wstring> redo_;  // oldest first: the next redo is the back
};

}  // namespace roster
