#pragma once
// Amount texts written into SQL by the procedure postings, and the stock-balance rounding.
#include <string>

#include "platform/currency.h"

namespace zolk::platform {

// Format(x, "#0.00") with "," replaced by ".": "1234.50".
std::string amountText2(Currency c);
// Format(x, "#0.000") with "," replaced by ".": "7.000".
std::string amountText3(Currency c);
// CStr(x) with "," replaced by ".": "12.5", "3".
std::string amountTextPlain(Currency c);
// CCur(Format(x, "#0.000")): a stock balance rounded to three decimals (half away from zero).
Currency roundStockBalance(Currency c);

}  // namespace zolk::platform
