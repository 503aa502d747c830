#pragma once
// Reading one number out of a field of a waveform file's line, by the rules
// of the program's text-to-number conversion (an optional sign, digits with
// an optional point, an optional exponent of either case; leading blanks and
// tabs skipped) except that a blank ends the number: "1.5 9" reads 1.5, never
// 1.59. Text after the number is not read.

#include <string_view>

// True for the characters that may make up the first field of a data line:
// digits, "+", "-", "." and the lower-case "e" (an upper-case E is not one).
constexpr bool IsNumberChar(char c) {
  return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'e';
}

// True when text is not empty and made only of number characters.
bool IsNumberField(std::string_view text);

// Reads the number at the start of field into value (rounded once from the
// exact decimal to double, as the C library's strtod does; a magnitude
// beyond the double range gives an infinity). False when the field does not
// begin with a number.
bool ScanNumber(std::string_view field, double& value);
