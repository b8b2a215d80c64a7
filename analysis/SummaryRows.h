#pragma once

#include "database/Records.h"
#include "database/SummaryFigures.h"

#include <QString>
#include <array>

// The rows of the vehicle summary "基本信息" as texts: the label of each row,
// whether it heads a group, and the value the page shows beside it. The page
// and the printed report show the same rows.
namespace summaryrows {

constexpr int kRows = 24;
// The row that shows the sum of every cost.
constexpr int kTotalRow = 18;

QString Label(int row);
bool IsGroup(int row);

// The value texts by row; empty for the header row and the group rows.
std::array<QString, kRows> ValueTexts(const CARPROPERTY& car, const PURCHASEINFO& purchase,
                                      const CostTotals& totals, const SummaryFigures& figures);

} // namespace summaryrows
