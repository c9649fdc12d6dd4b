#include "support/memory_dialog.h"

#include "encoding/encoding.h"

namespace roster {

void MemoryDialog::Paste(int id, std::wstring text) {
  Edit& e = edits_.at(id);
  e.undo = std::move(e.text);
  e.text = std::move(text);
  e.caret = e.text.size();
  e.anchor = e.caret;
}

void MemoryDialog::Paste(int id, std::string_view cp932) { Paste(id, WideFromCp932(cp932)); }

void MemoryDialog::Type(int id, std::wstring_view text) {
  Edit& e = edits_.at(id);
  e.undo = e.text;
  e.text.insert(e.caret, text);
  e.caret += text.size();
  e.anchor = e.caret;
}

void MemoryDialog::ClickRadio(int id) {
  checks_.at(kAscendingRadio) = id == kAscendingRadio;
  checks_.at(kDescendingRadio) = id == kDescendingRadio;
}

void MemoryDialog::Undo(int id) {
  Edit& e = edits_.at(id);
  if (!e.undo) return;
  std::wstring previous = std::move(*e.undo);
  e.undo = std::move(e.text);  // undoing again redoes, as an edit control does
  e.text = std::move(previous);
  e.caret = e.text.size();
  e.anchor = e.caret;
}

std::wstring MemoryDialog::ReadWideText(int id) { return edits_.at(id).text; }

std::string MemoryDialog::ReadComboText(int id) {
  const Combo& c = combos_.at(id);
  if (c.selected < 0) return c.typed;
  return c.entries.at(static_cast<std::size_t>(c.selected));
}

int MemoryDialog::SelectedComboEntry(int id) { return combos_.at(id).selected; }

void MemoryDialog::ReplaceText(int id, std::wstring_view text, bool undoable) {
  Edit& e = edits_.at(id);
  std::wstring replacement(text);  // as the control does: all or nothing
  e.undo.reset();
  if (undoable) e.undo = std::move(e.text);
  e.text = std::move(replacement);
  e.caret = 0;
  e.anchor = e.caret;
}

void MemoryDialog::ReplaceRange(int id, std::size_t start, std::size_t end, std::wstring_view text) {
  Edit& e = edits_.at(id);
  e.undo.reset();
  e.text.replace(start, end - start, text);
  e.caret = start + text.size();
  e.anchor = e.caret;
}

void MemoryDialog::Select(int id, std::size_t start, std::size_t end) {
  Edit& e = edits_.at(id);
  e.anchor = start;
  e.caret = end;
}

void MemoryDialog::ReplaceSelection(int id, std::wstring_view text) { Type(id, text); }

bool MemoryDialog::IsButtonChecked(int id) { return checks_.at(id); }

void MemoryDialog::AddComboEntry(int id, std::string_view text) { combos_.at(id).entries.emplace_back(text); }

void MemoryDialog::SelectComboEntry(int id, int index) {
  Combo& c = combos_.at(id);
  c.selected = index >= 0 && static_cast<std::size_t>(index) < c.entries.size() ? index : -1;
  c.typed = c.selected >= 0 ? c.entries[static_cast<std::size_t>(index)] : std::string();
}

void MemoryDialog::TypeComboText(int id, std::string_view text) {
  Combo& c = combos_.at(id);
  c.selected = -1;
  c.typed = text;
}

void MemoryDialog::SetCheck(int id, bool checked) { checks_.at(id) = checked; }

void MemoryDialog::RemoveTextLimit(int id) { edits_.at(id).unlimited = true; }

}  // namespace roster
