#pragma once
// Currency values (CY: a 64-bit count of ten-thousandths) as text and back,
// exactly: no detour through a double, whose 53 bits hold only 15 or 16 of
// a currency's 19 digits.

#include <optional>
#include <string>
#include <string_view>

#include "platform/win/WinTypes.h"

// "-12.5", "3": no trailing zeros, no point for whole amounts.
std::string CurrencyText(LONGLONG value);
// A text of the platform's number form (platform/win/NumberForm.h), exponent
// included, rounded half to even at the fourth decimal; nullopt when it lies
// outside the currency's range.
std::optional<LONGLONG> CurrencyFromText(std::string_view number);
