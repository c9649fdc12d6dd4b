#include "app/memory_dialog.h"

#include "platform/platform.h"

namespace roster {

void MemoryDialog::Paste(int id, std::wstring text) {
  Edit& e = edits_.at(id);
  e.text = std::move(text);
  e.caret = e.text.size();
}

void MemoryDialog::Paste(int id, std::string_view cp932) { Paste(id, WideFromCp932(cp932)); }

void MemoryDialog::TypeComboText(int id, std::string text) {
  Combo& c = combos_.at(id);
  c.selected = -1;
  c.typed = std::move(text);
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
}

std::string MemoryDialog::ReadControlText(int id, ReplacedCharacters* replaced) {
  return Cp932OfControlText(edits_.at(id).text, replaced);
}

std::string MemoryDialog::ReadComboText(int id) {
  const Combo& c = combos_.at(id);
  if (c.selected < 0) return c.typed;
  return c.entries.at(static_cast<std::size_t>(c.selected));
}

void MemoryDialog::ReplaceTextUndoably(int id, std::string_view text) {
  Edit& e = edits_.at(id);
  e.undo = std::move(e.text);
  e.text = WideFromCp932(text);
  e.caret = e.text.size();
}

bool MemoryDialog::IsButtonChecked(int id) { return checks_.at(id); }

void MemoryDialog::AddComboEntry(int id, std::string_view text) { combos_.at(id).entries.emplace_back(text); }

void MemoryDialog::SelectComboEntry(int id, int index) {
  Combo& c = combos_.at(id);
  c.selected = index >= 0 && static_cast<std::size_t>(index) < c.entries.size() ? index : -1;
  c.typed = c.selected >= 0 ? c.entries[static_cast<std::size_t>(index)] : std::string();
}

void MemoryDialog::CheckButton(int id) { checks_.at(id) = true; }

void MemoryDialog::RemoveTextLimit(int id) { edits_.at(id).unlimited = true; }

}  // namespace roster
