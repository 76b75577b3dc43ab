#include "platform/amounts.h"

#include <algorithm>

#include "platform/conversions.h"
#include "platform/format.h"

namespace zolk::platform {

namespace {

// Amounts go into SQL text with a decimal point whatever the regional symbol.
std::string withDecimalPoint(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

}  // namespace

std::string amountText2(Currency c) { return withDecimalPoint(Format(c, "#0.00").asString()); }

std::string amountText3(Currency c) { return withDecimalPoint(Format(c, "#0.000").asString()); }

std::string amountTextPlain(Currency c) { return withDecimalPoint(CStr(c)); }

// The text round trip reads the regional form back, so "10,000" is ten.
Currency roundStockBalance(Currency c) { return CCur(Format(c, "#0.000")); }

}  // namespace zolk::platform
