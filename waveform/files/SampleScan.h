#pragma once
// Reading one number out of a field of a waveform file's line, by the rules
// of the program's text-to-number conversion (an optional sign, digits with
// an optional point, an optional exponent of either case; leading blanks and
// tabs skipped).

#include <cstddef>
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
// begin with a number. length, when given, receives how many characters
// the number took, the blanks and tabs before it included.
bool ScanNumber(std::string_view field, double& value, std::size_t* length = nullptr);

// Reads a data line's field as the program's text-to-number conversion reads
// a value, every blank removed ("1 000" is 1000, "- 2.5" is -2.5) and tabs
// around it skipped, except that the field must be one number from its start
// to its end: a unit, a word, a tab inside or an exponent without digits
// makes it false. No sample is ever taken from the start of a field alone.
bool ScanField(std::string_view field, double& value);
