// The main dialog's controls held in memory, with the effects that the real
// controls have, so that the Extract command can be tested without a window.
// Like a real edit control, an edit holds wide text and keeps one step of
// undo, which a second undo takes back.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "window/dialog_controls.h"

namespace roster {

class MemoryDialog final : public DialogControls {
 public:
  struct Edit {
    std::wstring text;
    std::size_t caret = 0;
    std::size_t anchor = 0;  // where the selection up to the caret starts
    std::optional<std::wstring> undo;  // the text before the last undoable edit
    bool unlimited = false;
  };
  struct Combo {
    std::vector<std::string> entries;
    int selected = -1;  // -1: none; the edit field then shows `typed`
    std::string typed;
  };

  // What a user does.
  void Paste(int id, std::wstring text);  // the whole text replaced
  void Paste(int id, std::string_view cp932);
  void Type(int id, std::wstring_view text);  // at the caret
  void ClickRadio(int id);                    // 1007 and 1008 form a group
  void Undo(int id);                          // the control's own undo

  Edit& edit(int id) { return edits_[id]; }
  Combo& combo(int id) { return combos_[id]; }
  bool checked(int id) { return checks_[id]; }

  std::wstring ReadWideText(int id) override;
  std::string ReadComboText(int id) override;
  int SelectedComboEntry(int id) override;
  void ReplaceText(int id, std::wstring_view text, bool undoable) override;
  void ReplaceRange(int id, std::size_t start, std::size_t end, std::wstring_view text) override;
  void Select(int id, std::size_t start, std::size_t end) override;
  void ReplaceSelection(int id, std::wstring_view text) override;
  bool IsButtonChecked(int id) override;
  void AddComboEntry(int id, std::string_view text) override;
  void SelectComboEntry(int id, int index) override;
  void TypeComboText(int id, std::string_view text) override;
  void SetCheck(int id, bool checked) override;
  void RemoveTextLimit(int id) override;

 private:
  std::map<int, Edit> edits_{{kReportEdit, {}}, {kMemoEdit, {}}};
  std::map<int, Combo> combos_{{kSortKeyCombo, {}}};
  std::map<int, bool> checks_{{kAscendingRadio, false}, {kDescendingRadio, false}, {kHiddenCheckBox, false}};
};

}  // namespace roster
