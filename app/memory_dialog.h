// The main dialog's controls held in memory, with the effects that the real
// controls have, so that the Extract command can be tested without a window.
// Like a real edit control, an edit holds wide text.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/dialog_controls.h"

namespace roster {

class MemoryDialog final : public DialogControls {
 public:
  struct Edit {
    std::wstring text;
    std::size_t caret = 0;
    std::optional<std::wstring> undo;  // the text before the last undoable edit
    bool unlimited = false;
  };
  struct Combo {
    std::vector<std::string> entries;
    int selected = -1;  // -1: none; the edit field then shows `typed`
    std::string typed;
  };

  // What a user does.
  void Paste(int id, std::wstring text);
  void Paste(int id, std::string_view cp932);
  void TypeComboText(int id, std::string text);  // leaves no entry selected
  void ClickRadio(int id);                       // 1007 and 1008 form a group
  void Undo(int id);

  Edit& edit(int id) { return edits_[id]; }
  Combo& combo(int id) { return combos_[id]; }
  bool checked(int id) { return checks_[id]; }

  std::string ReadControlText(int id, ReplacedCharacters* replaced = nullptr) override;
  std::string ReadComboText(int id) override;
  void ReplaceTextUndoably(int id, std::string_view text) override;
  bool IsButtonChecked(int id) override;
  void AddComboEntry(int id, std::string_view text) override;
  void SelectComboEntry(int id, int index) override;
  void CheckButton(int id) override;
  void RemoveTextLimit(int id) override;

 private:
  std::map<int, Edit> edits_{{kReportEdit, {}}, {kMemoEdit, {}}};
  std::map<int, Combo> combos_{{kSortKeyCombo, {}}};
  std::map<int, bool> checks_{{kAscendingRadio, false}, {kDescendingRadio, false}, {kHiddenCheckBox, false}};
};

}  // namespace roster
