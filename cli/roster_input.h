// roster-extract's inputs read as one text, as if pasted one after another:
// each in the encoding it is written in (or the one forced), as CP932, with
// where each of its lines came from for messages ("roster.txt:5").
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "encoding/encoding.h"
#include "pipeline/input_text.h"

namespace roster {

// The one name standard input goes by in messages.
inline constexpr std::string_view kStandardInputName = "standard input";

struct RosterInput {
  InputText text;  // CP932, the inputs one after another, a line end between them
  // The form the report is written in: that of the first input holding more
  // than ASCII (CP932 when none does, and always when forced), and whether
  // its lines end in a bare "\n" (of the first input with a line end, when
  // none holds more than ASCII).
  TextForm form;
  bool bareLf = false;
  // The input whose file the text maps, which may change under the run.
  std::string mapped;

  // "FILE:LINE" for a line of the text, counted from 1 at the top.
  std::string Where(std::size_t line) const;

  struct Part {
    std::string name;       // as messages name it
    std::size_t firstLine;  // the text's line where it starts
  };
  std::vector<Part> parts;
};

// Reads the inputs; on failure the message to show and the exit code (1:
// a character without a CP932 form, or text that looks like Unicode but is
// none the detector can read; 2: a file that cannot be read).
struct InputFailure {
  int exitCode;
  std::string message;
};
std::optional<InputFailure> ReadRosterInput(const std::vector<std::string>& inputs, EncodingChoice encoding,
                                            RosterInput& input);

}  // namespace roster
