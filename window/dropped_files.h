// Files dropped on the window: their texts go into the roster box as one
// paste at the caret, read by the one reader that roster-extract uses.
#pragma once

#include <string>
#include <vector>

#include "encoding/encoding.h"
#include "window/control_text.h"
#include "window/dialog_controls.h"

namespace roster {

struct DroppedFiles {
  std::vector<std::string> names;  // as the platform names files, in the order dropped
  std::string text;                // CP932, every line ending in "\r\n" but perhaps the last
  TextForm form;                   // of the first file beyond ASCII, which a save writes back
  ReplacedCharacters replaced;     // characters without a CP932 form, now "?"; the line within its file
  std::string replacedIn;          // the file holding the first of them
  std::string unreadable;          // the first file that could not be read; empty when all were
  enum class Refusal { kCannotRead, kNoText, kUnknownEncoding, kUtf16WithoutMark } refusal = Refusal::kCannotRead;
  std::string reason;              // why, in the system's or the reader's words
  std::size_t refusedLine = 0;     // a line of UTF-8 in a Shift_JIS file: which
};

// Reads the files one after another, a line end added between two where
// the first lacks one, and a bare "\n" made "\r\n" as the box writes it. A
// file that holds a NUL is no text, and one that the reader doubts is CP932
// (UTF-8 with a damaged byte, UTF-16 without a mark, a line of UTF-8) would
// be garbled: both are refused, as roster-extract refuses them.
DroppedFiles ReadDroppedFiles(std::vector<std::string> names);

// Reads the files and, when every one could be read, puts their text in
// place of the roster box's selection, one step for the box's undo.
DroppedFiles DropFiles(DialogControls& dialog, std::vector<std::string> names);

}  // namespace roster
