#include "app/control_text.h"

#include <algorithm>

#include "platform/platform.h"

namespace roster {

std::string Cp932OfControlText(std::wstring_view text, ReplacedCharacters* replaced) {
  ConversionLoss loss;
  std::string cp932 = Cp932FromWide(text, &loss);
  if (replaced != nullptr) {
    *replaced = {};
    if (loss.count > 0) {
      replaced->count = loss.count;
      const auto before = text.begin() + static_cast<std::ptrdiff_t>(loss.firstAt);
      replaced->firstLine = 1 + static_cast<std::size_t>(std::count(text.begin(), before, L'\n'));
      replaced->first = std::wstring(text.substr(loss.firstAt, loss.firstLength));
    }
  }
  return cp932;
}

}  // namespace roster
