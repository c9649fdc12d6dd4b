#include "win32/win32_dialog_controls.h"

#include "encoding/encoding.h"

namespace roster {

std::wstring Win32DialogControls::ReadWideText(int id) {
  HWND window = Control(id);
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return text;
}

std::string Win32DialogControls::ReadComboText(int id) {
  const LRESULT selected = Send(id, CB_GETCURSEL, 0, 0);
  if (selected == CB_ERR) return ReadControlText(id);
  const std::vector<std::string>& entries = comboEntries_[id];
  if (static_cast<std::size_t>(selected) < entries.size()) return entries[static_cast<std::size_t>(selected)];
  // An entry this object did not add: read back from its UTF-16 text.
  const LRESULT length = Send(id, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
  if (length == CB_ERR) return {};
  std::wstring entry(static_cast<std::size_t>(length) + 1, L'\0');
  Send(id, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(entry.data()));
  entry.resize(static_cast<std::size_t>(length));
  return Cp932OfControlText(entry, nullptr);
}

int Win32DialogControls::SelectedComboEntry(int id) {
  const LRESULT selected = Send(id, CB_GETCURSEL, 0, 0);
  return selected == CB_ERR ? -1 : static_cast<int>(selected);
}

// Selecting everything and replacing the selection gives the box exactly
// the new text, as one edit that Ctrl+Z takes back; a replacement that is
// not undoable sets the text, which empties the box's undo. The caret then
// goes to the start and the box scrolls there, so the report's header is
// in view.
void Win32DialogControls::ReplaceText(int id, std::wstring_view text, bool undoable) {
  const std::wstring whole(text);
  if (undoable) {
    Send(id, EM_SETSEL, 0, -1);
    Send(id, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(whole.c_str()));
  } else {
    SetWindowTextW(Control(id), whole.c_str());
  }
  Send(id, EM_SETSEL, 0, 0);
  Send(id, EM_SCROLLCARET, 0, 0);
  Send(id, EM_SETMODIFY, FALSE, 0);
}

void Win32DialogControls::ReplaceRange(int id, std::size_t start, std::size_t end, std::wstring_view text) {
  const std::wstring inserted(text);
  Send(id, EM_SETSEL, start, static_cast<LPARAM>(end));
  Send(id, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(inserted.c_str()));
  Send(id, EM_SCROLLCARET, 0, 0);
}

void Win32DialogControls::Select(int id, std::size_t start, std::size_t end) {
  Send(id, EM_SETSEL, start, static_cast<LPARAM>(end));
  Send(id, EM_SCROLLCARET, 0, 0);
}

void Win32DialogControls::ReplaceSelection(int id, std::wstring_view text) {
  const std::wstring inserted(text);
  Send(id, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(inserted.c_str()));
}

bool Win32DialogControls::IsButtonChecked(int id) { return IsDlgButtonChecked(dialog_, id) != 0; }

// The list is unsorted, so an entry's index is its place in comboEntries_.
void Win32DialogControls::AddComboEntry(int id, std::string_view text) {
  const std::wstring wide = WideFromCp932(text);
  if (Send(id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())) >= 0) comboEntries_[id].emplace_back(text);
}

void Win32DialogControls::SelectComboEntry(int id, int index) { Send(id, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

void Win32DialogControls::TypeComboText(int id, std::string_view text) {
  Send(id, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  SetWindowTextW(Control(id), WideFromCp932(text).c_str());
}

void Win32DialogControls::SetCheck(int id, bool checked) {
  Send(id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32DialogControls::RemoveTextLimit(int id) { Send(id, EM_SETLIMITTEXT, 0, 0); }

}  // namespace roster
