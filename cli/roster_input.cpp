#include "cli/roster_input.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <new>

#include "pipeline/run_at_once.h"
#include "platform/platform.h"
#include "reader/text_reader.h"
#include "reader/unconverted.h"

namespace roster {

namespace {

std::optional<TextEncoding> Forced(EncodingChoice encoding) {
  switch (encoding) {
    case EncodingChoice::kAuto: break;
    case EncodingChoice::kCp932: return TextEncoding::kCp932;
    case EncodingChoice::kUtf8: return TextEncoding::kUtf8;
  }
  return std::nullopt;
}

// A size as a person reads it: "83 MB", "12 kB", "10 bytes".
std::string SizeText(std::uint64_t bytes) {
  if (bytes >= 1000000) return std::to_string((bytes + 500000) / 1000000) + " MB";
  if (bytes >= 1000) return std::to_string((bytes + 500) / 1000) + " kB";
  return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}

}  // namespace

std::string RosterInput::Where(std::size_t line) const {
  for (auto part = parts.rbegin(); part != parts.rend(); ++part) {
    if (line >= part->firstLine) return part->name + ":" + std::to_string(line - part->firstLine + 1);
  }
  return std::string(kStandardInputName) + ":" + std::to_string(line);
}

namespace {

std::optional<InputFailure> ReadEach(const std::vector<std::string>& inputs, EncodingChoice encoding,
                                     RosterInput& input, std::size_t& i) {
  bool formDecided = encoding != EncodingChoice::kAuto;
  input.form = encoding == EncodingChoice::kUtf8 ? TextForm{TextEncoding::kUtf8, 0} : TextForm{};
  std::optional<bool> bareLf;  // of the input whose form the report takes, else of the first with a line end
  std::size_t line = 1;
  for (i = 0; i < inputs.size(); ++i) {
    const bool standardInput = inputs[i] == "-";
    const std::string name = standardInput ? std::string(kStandardInputName) : inputs[i];
    const std::size_t start = input.text.View().size();
    std::string reason;
    if (!(standardInput ? input.text.AppendStandardInput(&reason) : input.text.AppendFile(inputs[i], &reason, RunAtOnce))) {
      return InputFailure{2, "cannot read " + name + ": " + reason};
    }
    const std::string_view bytes = input.text.View().substr(start);
    const TextReading reading = ReadText(bytes, Forced(encoding));
    // A mapped file cut under the scan reads as zeros: it is named as
    // changed, not as a text that holds them.
    if (!input.text.Intact()) return InputFailure{2, "cannot read " + name + ": " + kChangedWhileRead};
    if (input.text.Mapped()) input.mapped = name;
    // The scan read the whole file; the walk reads it again a step at a time.
    input.text.LetMappedPagesGo();
    if (reading.problem != TextProblem::kNone) {
      const bool forcible = reading.problem == TextProblem::kDoubt || reading.problem == TextProblem::kUtf8Line;
      return InputFailure{1, name + ":" + std::to_string(reading.problemLine) + ": " + reading.DescribeProblem() +
                                 (forcible ? " (--encoding cp932 reads it as Shift_JIS all the same)" : "")};
    }
    if (reading.loss.count > 0) {
      std::size_t at = 0;
      const std::string what = DescribeLoss(bytes, reading.form, reading.loss.firstAt, &at);
      return InputFailure{1, name + ":" + std::to_string(at) + ": " + what};
    }
    const bool decides = !formDecided && (reading.form.encoding != TextEncoding::kCp932 || reading.moreThanAscii);
    if (decides) {
      input.form = reading.form;
      formDecided = true;
    }
    if (reading.form.encoding != TextEncoding::kCp932) input.text.ReplaceFrom(start, reading.converted);
    const std::string_view added = input.text.View().substr(start);
    const bool hasLineEnd = added.find('\n') != std::string_view::npos;
    if (decides || (!bareLf && hasLineEnd)) bareLf = hasLineEnd && reading.bareLf;
    input.parts.push_back({name, line});
    if (i + 1 == inputs.size()) break;
    // The next input starts on the next line: a file without a last line
    // end still ends its last line.
    line += static_cast<std::size_t>(std::count(added.begin(), added.end(), '\n'));
    if (!added.empty() && added.back() != '\n') {
      input.text.Append("\n");
      ++line;
    }
  }
  input.bareLf = bareLf.value_or(false);
  return std::nullopt;
}

}  // namespace

std::optional<InputFailure> ReadRosterInput(const std::vector<std::string>& inputs, EncodingChoice encoding,
                                            RosterInput& input) {
  std::size_t failed = 0;
  try {
    return ReadEach(inputs, encoding, input, failed);
  } catch (const std::bad_alloc&) {
    const bool standardInput = inputs[failed] == "-";
    const std::optional<std::uint64_t> size = standardInput ? std::nullopt : FileSize(inputs[failed]);
    return InputFailure{2, "out of memory while reading " +
                               (standardInput ? std::string(kStandardInputName) : inputs[failed]) +
                               (size ? " (" + SizeText(*size) + ")" : std::string())};
  }
}

}  // namespace roster
