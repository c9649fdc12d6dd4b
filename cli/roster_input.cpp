#include "cli/roster_input.h"

#include <algorithm>
#include <cstdio>

#include "pipeline/run_at_once.h"
#include "reader/unconverted.h"

namespace roster {
namespace {

bool HoldsMoreThanAscii(std::string_view bytes) {
  return std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// The form an input is read in: as detected, or as forced (a UTF-8 byte-order
// mark is still skipped).
TextForm FormOf(std::string_view bytes, EncodingChoice encoding) {
  switch (encoding) {
    case EncodingChoice::kAuto: return DetectTextForm(bytes);
    case EncodingChoice::kCp932: return {TextEncoding::kCp932, 0};
    case EncodingChoice::kUtf8: return {TextEncoding::kUtf8, bytes.starts_with("\xEF\xBB\xBF") ? 3u : 0u};
  }
  return {};
}

bool FirstLineEndIsBareLf(std::string_view text) {
  const std::size_t lf = text.find('\n');
  return lf != std::string_view::npos && (lf == 0 || text[lf - 1] != '\r');
}

}  // namespace

std::string RosterInput::Where(std::size_t line) const {
  for (auto part = parts.rbegin(); part != parts.rend(); ++part) {
    if (line >= part->firstLine) return part->name + ":" + std::to_string(line - part->firstLine + 1);
  }
  return std::string(kStandardInputName) + ":" + std::to_string(line);
}

std::optional<InputFailure> ReadRosterInput(const std::vector<std::string>& inputs, EncodingChoice encoding,
                                            RosterInput& input) {
  bool formDecided = encoding != EncodingChoice::kAuto;
  input.form = encoding == EncodingChoice::kUtf8 ? TextForm{TextEncoding::kUtf8, 0} : TextForm{};
  std::optional<bool> bareLf;  // of the input whose form the report takes, else of the first with a line end
  std::size_t line = 1;
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    const bool standardInput = inputs[i] == "-";
    const std::string name = standardInput ? std::string(kStandardInputName) : inputs[i];
    const std::size_t start = input.text.View().size();
    std::string reason;
    if (!(standardInput ? input.text.AppendStandardInput(&reason) : input.text.AppendFile(inputs[i], &reason, RunAtOnce))) {
      return InputFailure{2, "cannot read " + name + ": " + reason};
    }
    const std::string_view bytes = input.text.View().substr(start);
    const TextForm form = FormOf(bytes, encoding);
    if (encoding == EncodingChoice::kAuto && form.encoding == TextEncoding::kCp932) {
      if (const std::optional<TextDoubt> doubt = DoubtAboutCp932(bytes)) {
        const auto at = 1 + std::count(bytes.begin(), bytes.begin() + static_cast<long>(doubt->at), '\n');
        return InputFailure{1, name + ":" + std::to_string(at) + ": this looks like " + doubt->what +
                                   ", which read as Shift_JIS would garble every character; not read (--encoding " +
                                   "cp932 reads it as Shift_JIS all the same)"};
      }
    }
    const bool decides = !formDecided && (form.encoding != TextEncoding::kCp932 || HoldsMoreThanAscii(bytes));
    if (decides) {
      input.form = form;
      formDecided = true;
    }
    if (form.encoding != TextEncoding::kCp932) {
      ConversionLoss loss;
      const std::string cp932 = Cp932FromText(bytes, form, &loss);
      if (loss.count > 0) {
        std::size_t at = 0;
        const std::string what = DescribeLoss(bytes, form, loss.firstAt, &at);
        return InputFailure{1, name + ":" + std::to_string(at) + ": " + what};
      }
      input.text.ReplaceFrom(start, cp932);
    }
    const std::string_view added = input.text.View().substr(start);
    const bool hasLineEnd = added.find('\n') != std::string_view::npos;
    if (decides || (!bareLf && hasLineEnd)) bareLf = hasLineEnd && FirstLineEndIsBareLf(added);
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

}  // namespace roster
