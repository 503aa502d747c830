#pragma once
// Text helpers the parser components share. Only the ASCII digits 0-9 count
// as digits, whatever the locale, so a text reads the same everywhere.

#include <string>
#include <string_view>
#include <vector>

namespace exprparser {

double quietNaN();  // all bits set except the sign bit
std::u16string integerText(int n);
// x >= 0 with exactly `count` digits after `point`, truncated.
std::u16string fixedText(double x, char16_t point, unsigned count);
// Digits and at most one `point`; true for the empty text.
bool isNumberText(std::u16string_view text, char16_t point);
// The value of a text that passed isNumberText; "." alone is 0.
double numberTextValue(std::u16string_view text, char16_t point);
bool containsText(std::u16string_view text, std::u16string_view part);
bool startsWithText(std::u16string_view text, unsigned available, std::u16string_view symbol,
                    unsigned length);
bool findCharFrom(std::u16string_view text, unsigned start, char16_t c, unsigned& index);
// The text without its U+0020 characters (no other character counts as a
// blank); positionMap[i] is where kept character i stood in `text`.
std::u16string removeSpaces(std::u16string_view text, std::vector<unsigned>& positionMap);
inline bool isAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace exprparser
