// What the window remembers from one run to the next, and roster.ini, the
// file that keeps it: UTF-8 lines "name=value" that this code writes and
// reads (the profile API would write the ANSI code page and cannot hold a
// line break), a "\" before "n", "r" or "\" in a value standing for a line
// feed, a carriage return or a "\".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "window/dialog_controls.h"
#include "window/window_layout.h"

namespace roster {

inline constexpr std::u8string_view kSettingsFileName = u8"roster.ini";

struct WindowPlace {
  Rect normal;  // as the window stands when neither maximised nor minimised
  bool maximised = false;

  friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

// The text boxes' one point size, 12 pixels at 96 DPI by default, and the
// sizes Ctrl++ and Ctrl+- step through.
inline constexpr int kStandardTextPoints = 9;
inline constexpr int kSmallestTextPoints = 8;
inline constexpr int kLargestTextPoints = 36;
int LargerTextPoints(int points);
int SmallerTextPoints(int points);

struct Settings {
  int keyEntry = 0;  // the sort box's list entry; -1: `key` was typed
  std::string key;   // CP932, as the sort box shows it
  bool descending = false;
  std::optional<WindowPlace> place;  // none: where Windows puts a new window
  std::wstring memo;
  int textPoints = kStandardTextPoints;
  std::wstring folder;  // where the last file was opened or saved; empty: none yet

  friend bool operator==(const Settings&, const Settings&) = default;
};

std::string SettingsFileText(const Settings& settings);

// The settings in a file's contents. Whatever is missing or cannot be read
// (a damaged line, a number out of range, a key with no CP932 form) keeps
// its default; bytes of the memo that are no UTF-8 become U+FFFD rather
// than lose the rest of it.
Settings ParseSettingsFile(std::string_view bytes);

// The key, the direction and the memo, as the dialog shows them and as the
// next start shows them again: the list entry when it still bears the same
// text, else the text as typed.
Settings ReadDialogSettings(DialogControls& dialog);
void ApplyDialogSettings(DialogControls& dialog, const Settings& settings);

}  // namespace roster
