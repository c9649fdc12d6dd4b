// The list 「抽出の記録」: a row for each event that the account of the last
// 「抽出」 kept (its line, what happened, the start of the line), and a last
// row with how many more the account counted.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "pipeline/extraction.h"

namespace roster {

struct AccountRow {
  std::size_t line = 0;  // the pasted text's line, from 1; 0 for the row of the events not listed
  std::wstring number;   // the line as the list shows it
  std::wstring what;
  std::wstring start;

  friend bool operator==(const AccountRow&, const AccountRow&) = default;
};

std::vector<AccountRow> AccountRows(const ExtractionSummary& summary);

}  // namespace roster
