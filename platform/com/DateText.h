#pragma once
// OLE dates (days since 30 December 1899, the time as the fraction; before
// that day the fraction still counts forward from midnight) as text in the
// default US form "M/D/YYYY h:mm:ss AM": the date alone when the time is
// midnight, the time alone on day 0.

#include <optional>
#include <string>
#include <string_view>

#include "platform/win/WinTypes.h"

constexpr DATE kMinDate = -657434.0;         // 1 January 100
constexpr DATE kMaxDate = 2958465.99999999;  // 31 December 9999, end of day

// nullopt for a date outside kMinDate..kMaxDate, infinities and NaN.
std::optional<std::string> DateToText(DATE date);
// Reads "M/D/YYYY", "YYYY-MM-DD", either followed by a time "h:mm[:ss]" with
// an optional AM/PM, or a time alone; nullopt for anything else.
std::optional<DATE> DateFromText(std::string_view text);
