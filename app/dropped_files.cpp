#include "app/dropped_files.h"

#include <algorithm>

#include "platform/platform.h"
#include "platform/utf8.h"

namespace roster {
namespace {

// The character at `bytes` (one whole character of a text in `encoding`)
// as wide text, to name it.
std::wstring WideCharacter(std::string_view bytes, TextEncoding encoding) {
  std::wstring out;
  switch (encoding) {
    case TextEncoding::kUtf8: return WideFromUtf8(bytes);
    case TextEncoding::kUtf16LittleEndian:
    case TextEncoding::kUtf16BigEndian: {
      const bool big = encoding == TextEncoding::kUtf16BigEndian;
      char32_t units[2] = {0, 0};
      for (std::size_t i = 0; i < 2 && 2 * i + 1 < bytes.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]), second = static_cast<unsigned char>(bytes[2 * i + 1]);
        units[i] = big ? (first << 8 | second) : (second << 8 | first);
      }
      const bool pair = units[0] >= 0xD800 && units[0] <= 0xDBFF && units[1] >= 0xDC00 && units[1] <= 0xDFFF;
      AppendWide(out, pair ? 0x10000 + ((units[0] - 0xD800) << 10) + (units[1] - 0xDC00) : units[0]);
      return out;
    }
    case TextEncoding::kCp932: break;
  }
  return WideFromCp932(bytes);
}

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
  for (const std::string& name : dropped.names) {
    const std::optional<std::string> bytes = ReadFileBytes(name, &dropped.reason);
    if (!bytes) {
      dropped.unreadable = name;
      return dropped;
    }
    const TextForm form = DetectTextForm(*bytes);
    ConversionLoss loss;
    const std::string text = Cp932FromText(*bytes, form, &loss);
    if (text.find('\0') != std::string::npos) {  // the box would end its text there
      dropped.unreadable = name;
      dropped.reason.clear();
      return dropped;
    }
    if (loss.count > 0 && dropped.replaced.count == 0) {
      const std::string before = Cp932FromText(std::string_view(*bytes).substr(0, loss.firstAt), form);
      dropped.replaced.firstLine = 1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
      dropped.replaced.first = WideCharacter(std::string_view(*bytes).substr(loss.firstAt, loss.firstLength), form.encoding);
      dropped.replacedIn = name;
    }
    dropped.replaced.count += loss.count;
    if (!dropped.text.empty() && dropped.text.back() != '\n') dropped.text += "\r\n";
    AppendWithCrLf(dropped.text, text);
  }
  dropped.reason.clear();
  return dropped;
}

DroppedFiles DropFiles(DialogControls& dialog, std::vector<std::string> names) {
  DroppedFiles dropped = ReadDroppedFiles(std::move(names));
  if (dropped.unreadable.empty()) dialog.ReplaceSelection(kReportEdit, WideFromCp932(dropped.text));
  return dropped;
}

}  // namespace roster
