#include "window/settings_file.h"

#include <charconv>
#include <vector>

#include "encoding/encoding.h"
#include "encoding/utf8.h"

namespace roster {
namespace {

constexpr int32_t kFarthestCoordinate = 1 << 20;  // beyond any desktop; a larger one is damage
constexpr int kTextPointSteps[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 28, 32, 36};

std::string Escaped(std::string_view value) {
  std::string out;
  for (char c : value) {
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::string Unescaped(std::string_view value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char next = i + 1 < value.size() ? value[i + 1] : '\0';
    if (value[i] == '\\' && (next == 'n' || next == 'r' || next == '\\')) {
      out.push_back(next == 'n' ? '\n' : next == 'r' ? '\r' : '\\');
      ++i;
    } else {
      out.push_back(value[i]);
    }
  }
  return out;
}

// The whole of `text` as one number within the limits; nothing otherwise.
std::optional<int32_t> Number(std::string_view text, int32_t lowest, int32_t highest) {
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < lowest || value > highest) return std::nullopt;
  return value;
}

std::optional<Rect> RectOf(std::string_view text) {
  std::vector<int32_t> values;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    const std::optional<int32_t> value = Number(text.substr(start, comma - start), -kFarthestCoordinate, kFarthestCoordinate);
    if (!value) return std::nullopt;
    values.push_back(*value);
    start = comma + 1;
  }
  if (values.size() != 4 || values[2] <= values[0] || values[3] <= values[1]) return std::nullopt;
  return Rect{values[0], values[1], values[2], values[3]};
}

void Apply(Settings& settings, std::optional<Rect>& normal, bool& maximised, std::string_view name,
           std::string_view value) {
  if (name == "key") {
    ConversionLoss loss;
    std::string key = Cp932FromUtf8(value, &loss);
    if (loss.count == 0) settings.key = std::move(key);
  } else if (name == "key-entry") {
    settings.keyEntry = Number(value, -1, 1 << 16).value_or(settings.keyEntry);
  } else if (name == "descending") {
    settings.descending = Number(value, 0, 1).value_or(0) == 1;
  } else if (name == "window") {
    normal = RectOf(value);
  } else if (name == "maximised") {
    maximised = Number(value, 0, 1).value_or(0) == 1;
  } else if (name == "memo") {
    settings.memo = WideFromUtf8(value);
  } else if (name == "text-size") {
    settings.textPoints = Number(value, kSmallestTextPoints, kLargestTextPoints).value_or(settings.textPoints);
  } else if (name == "folder") {
    settings.folder = WideFromUtf8(value);
  }
}

}  // namespace

int LargerTextPoints(int points) {
  for (int step : kTextPointSteps) {
    if (step > points) return step;
  }
  return kLargestTextPoints;
}

int SmallerTextPoints(int points) {
  int smaller = kSmallestTextPoints;
  for (int step : kTextPointSteps) {
    if (step < points) smaller = step;
  }
  return smaller;
}

std::string SettingsFileText(const Settings& s) {
  std::string text(Utf8Bytes(u8"# roster.exe の設定（終了のたびに書き直されます）\r\n"));
  text += "key=" + Escaped(Utf8FromCp932(s.key)) + "\r\n";
  text += "key-entry=" + std::to_string(s.keyEntry) + "\r\n";
  text += "descending=" + std::string(s.descending ? "1" : "0") + "\r\n";
  if (s.place) {
    const Rect& r = s.place->normal;
    text += "window=" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
            std::to_string(r.bottom) + "\r\n";
    text += "maximised=" + std::string(s.place->maximised ? "1" : "0") + "\r\n";
  }
  text += "memo=" + Escaped(Utf8FromWide(s.memo)) + "\r\n";
  text += "text-size=" + std::to_string(s.textPoints) + "\r\n";
  if (!s.folder.empty()) text += "folder=" + Escaped(Utf8FromWide(s.folder)) + "\r\n";
  return text;
}

Settings ParseSettingsFile(std::string_view bytes) {
  Settings settings;
  std::optional<Rect> normal;
  bool maximised = false;
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  for (std::size_t start = 0; start < bytes.size();) {
    const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
    std::string_view line = bytes.substr(start, end - start);
    start = end + 1;
    if (line.ends_with('\r')) line.remove_suffix(1);
    const std::size_t equals = line.find('=');
    if (line.starts_with('#') || equals == std::string_view::npos) continue;
    Apply(settings, normal, maximised, line.substr(0, equals), Unescaped(line.substr(equals + 1)));
  }
  if (normal) settings.place = WindowPlace{*normal, maximised};
  return settings;
}

Settings ReadDialogSettings(DialogControls& dialog) {
  Settings settings;
  settings.keyEntry = dialog.SelectedComboEntry(kSortKeyCombo);
  settings.key = dialog.ReadComboText(kSortKeyCombo);
  settings.descending = dialog.IsButtonChecked(kDescendingRadio);
  settings.memo = dialog.ReadWideText(kMemoEdit);
  return settings;
}

void ApplyDialogSettings(DialogControls& dialog, const Settings& settings) {
  dialog.SelectComboEntry(kSortKeyCombo, settings.keyEntry);
  if (settings.keyEntry < 0 || dialog.SelectedComboEntry(kSortKeyCombo) != settings.keyEntry ||
      dialog.ReadComboText(kSortKeyCombo) != settings.key) {
    dialog.TypeComboText(kSortKeyCombo, settings.key);
  }
  dialog.SetCheck(kAscendingRadio, !settings.descending);
  dialog.SetCheck(kDescendingRadio, settings.descending);
  dialog.ReplaceText(kMemoEdit, settings.memo, false);
}

}  // namespace roster
