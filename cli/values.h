#pragma once
// Variants as the script protocol writes them in JSON, both ways, and the recordset dump.
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "ado/recordset.h"
#include "platform/variant.h"

namespace zolk::cli {

using Json = nlohmann::ordered_json;

// The printed form of a value: numbers, texts, true/false, null, {"empty"}, {"date"},
// {"currency"}; an open recordset as its dump, a closed one as {"state": 0}, another object
// as {"object": CLASSNAME} (Nothing as {"object": null}).
Json toJson(const platform::Variant& value);

// Every field, the counts and paging, and all rows; the cursor is left where it was.
Json dumpRecordset(ado::Recordset& recordset);

// A scalar value of a script: number (Double), string, true/false, null, {"empty": true},
// {"date": ...}, {"currency": ...}. Object references are resolved by the script runner.
// Raises RuntimeError (type mismatch, overflow) for anything else.
platform::Variant scalarFromJson(const Json& json);

// "YYYY-MM-DD" or "YYYY-MM-DD HH:MM:SS"; raises a type mismatch otherwise.
platform::DateTime parseScriptDate(std::string_view text);
// "-12.3456": exact up to four decimals, further digits rounded half to even.
platform::Currency parseScriptCurrency(std::string_view text);
// Exactly four decimals: "12.5000", "-0.0100".
std::string currencyText(platform::Currency value);

// Text of a value for the table of `fichas sql`.
std::string cellText(const platform::Variant& value);

// One line of JSON; invalid UTF-8 in texts is replaced, never fatal.
std::string jsonLine(const Json& json);

}  // namespace zolk::cli
