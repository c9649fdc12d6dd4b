#include "window/dropped_files.h"

#include <algorithm>

#include "reader/text_reader.h"
#include "encoding/encoding.h"
#include "platform/platform.h"

namespace roster {
namespace {

void AppendWithCrLf(std::string& out, std::string_view text) {
  out.reserve(out.size() + text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out.push_back('\r');
    out.push_back(text[i]);
  }
}

}  // namespace

DroppedFiles ReadDroppedFiles(std::vector<std::string> names) {
  DroppedFiles dropped;
  dropped.names = std::move(names);
  const auto refuse = [&](const std::string& name, DroppedFiles::Refusal refusal, std::string reason) {
    dropped.unreadable = name;
    dropped.refusal = refusal;
    dropped.reason = std::move(reason);
    return dropped;
  };
  bool beyondAscii = false;
  for (const std::string& name : dropped.names) {
    std::string reason;
    const std::optional<std::string> bytes = ReadFileBytes(name, &reason);
    if (!bytes) return refuse(name, DroppedFiles::Refusal::kCannotRead, reason);
    const TextReading reading = ReadText(*bytes);
    switch (reading.problem) {
      case TextProblem::kNone: break;
      case TextProblem::kNul: return refuse(name, DroppedFiles::Refusal::kNoText, reading.DescribeProblem());
      case TextProblem::kUtf16WithoutMark:
        return refuse(name, DroppedFiles::Refusal::kUtf16WithoutMark, reading.DescribeProblem());
      case TextProblem::kDoubt:
      case TextProblem::kUtf8Line:
        dropped.refusedLine = reading.problem == TextProblem::kUtf8Line ? reading.problemLine : 0;
        return refuse(name, DroppedFiles::Refusal::kUnknownEncoding, reading.DescribeProblem());
    }
    if (reading.moreThanAscii && !beyondAscii) dropped.form = reading.form;
    beyondAscii = beyondAscii || reading.moreThanAscii;
    const ConversionLoss& loss = reading.loss;
    if (loss.count > 0 && dropped.replaced.count == 0) {
      const LostCharacter& lost = reading.firstLost;
      dropped.replaced.firstLine = lost.line;
      AppendWide(dropped.replaced.first, lost.length > 0 ? lost.codePoint : 0xFFFD);
      dropped.replacedIn = name;
    }
    dropped.replaced.count += loss.count;
    if (!dropped.text.empty() && dropped.text.back() != '\n') dropped.text += "\r\n";
    AppendWithCrLf(dropped.text, reading.Text(*bytes));
  }
  return dropped;
}

DroppedFiles DropFiles(DialogControls& dialog, std::vector<std::string> names) {
  DroppedFiles dropped = ReadDroppedFiles(std::move(names));
  if (dropped.unreadable.empty()) dialog.ReplaceSelection(kReportEdit, WideFromCp932(dropped.text));
  return dropped;
}

}  // namespace roster
