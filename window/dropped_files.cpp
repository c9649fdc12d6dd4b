#include "window/dropped_files.h"

#include <algorithm>

#include "reader/unconverted.h"
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
  for (const std::string& name : dropped.names) {
    std::string reason;
    const std::optional<std::string> bytes = ReadFileBytes(name, &reason);
    if (!bytes) return refuse(name, DroppedFiles::Refusal::kCannotRead, reason);
    const TextForm form = DetectTextForm(*bytes);
    if (form.encoding == TextEncoding::kCp932) {
      if (const std::optional<TextDoubt> doubt = DoubtAboutCp932(*bytes)) {
        return refuse(name, DroppedFiles::Refusal::kUnknownEncoding, "looks like " + doubt->what);
      }
    }
    ConversionLoss loss;
    const std::string text = Cp932FromText(*bytes, form, &loss);
    // The box would end its text at a NUL.
    if (text.find('\0') != std::string::npos) return refuse(name, DroppedFiles::Refusal::kNoText, "a NUL character");
    if (loss.count > 0 && dropped.replaced.count == 0) {
      const LostCharacter lost = LostCharacterAt(*bytes, form, loss.firstAt);
      dropped.replaced.firstLine = lost.line;
      AppendWide(dropped.replaced.first, lost.length > 0 ? lost.codePoint : 0xFFFD);
      dropped.replacedIn = name;
    }
    dropped.replaced.count += loss.count;
    if (!dropped.text.empty() && dropped.text.back() != '\n') dropped.text += "\r\n";
    AppendWithCrLf(dropped.text, text);
  }
  return dropped;
}

DroppedFiles DropFiles(DialogControls& dialog, std::vector<std::string> names) {
  DroppedFiles dropped = ReadDroppedFiles(std::move(names));
  if (dropped.unreadable.empty()) dialog.ReplaceSelection(kReportEdit, WideFromCp932(dropped.text));
  return dropped;
}

}  // namespace roster
