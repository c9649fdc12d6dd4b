// The one way a user's text comes in, whether a roster file, standard
// input, a dropped file or the catalogue: its form found, the text as
// CP932, and what stands in the way of reading it, for each caller to judge.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "encoding/encoding.h"
#include "reader/unconverted.h"

namespace roster {

// Why bytes are no text to read, the first found.
enum class TextProblem {
  kNone,
  kDoubt,             // read as CP932 they look like broken Unicode (`doubt`)
  kUtf16WithoutMark,  // a NUL, with line ends of UTF-16 (`utf16Order`)
  kNul,               // a NUL byte, which no text holds
  kUtf8Line,          // a line of UTF-8 in a CP932 file
};

struct TextReading {
  TextForm form;               // the form the text is written in
  bool bareLf = false;         // its first line end is a bare "\n"
  bool moreThanAscii = false;  // it holds a byte beyond ASCII
  std::string converted;       // the text as CP932 when `form` is not CP932 (else the bytes are that text)
  ConversionLoss loss;         // characters without a CP932 form, now "?" (offsets in the bytes)
  LostCharacter firstLost;     // the first of them, where `loss.count` > 0
  TextProblem problem = TextProblem::kNone;
  std::size_t problemLine = 0;  // where the problem shows, from 1
  std::string doubt;            // kDoubt: what the bytes look like; kUtf16WithoutMark: "LE" or "BE"

  // The CP932 text of `bytes`, which this reading was made of.
  std::string_view Text(std::string_view bytes) const {
    return form.encoding == TextEncoding::kCp932 ? bytes : std::string_view(converted);
  }
  // The problem for a person: "line 21 is UTF-8 in a Shift_JIS file; not
  // read"; empty when there is none. A forced CP932 reads past a doubt and
  // a UTF-8 line, which a caller that can force it says.
  std::string DescribeProblem() const;
};

// `bytes` in the form the one detector finds, or in `forced` (a UTF-8
// mark is still skipped); a forced CP932 is not doubted, and its lines are
// not looked at for UTF-8, but a NUL is always found.
TextReading ReadText(std::string_view bytes, std::optional<TextEncoding> forced = std::nullopt);

}  // namespace roster
