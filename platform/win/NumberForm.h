#pragma once
// The platform's one form of a number in text, as its C runtime reads a
// floating number (strtod, atof, scanf "%f") and as a VARIANT's text is
// changed into a number: an optional sign, then digits with an optional
// point (at least one digit), then an optional exponent, which counts only
// with digits after it. Hexadecimal numbers and the words inf, infinity and
// nan are no numbers, and a second sign ends the number before it.

#include <string>
#include <string_view>

// Reads the longest number of that form from `in`, which offers Peek()
// (the next character as unsigned char, or EOF), Take() and GiveBack(count),
// taking at most `width` characters (0: no limit) and appending them to
// `text`. False when no digit was read; the characters taken then stay taken.
template <class Source>
bool ReadNumberForm(Source& in, int width, std::string& text) {
  auto more = [&] { return width <= 0 || static_cast<int>(text.size()) < width; };
  auto takeIf = [&](auto test) {
    const int c = in.Peek();
    if (c < 0 || !more() || !test(c)) return false;
    text += static_cast<char>(c);
    in.Take();
    return true;
  };
  auto isDigit = [](int c) { return c >= '0' && c <= '9'; };
  takeIf([](int c) { return c == '+' || c == '-'; });
  int digits = 0;
  while (takeIf(isDigit)) ++digits;
  if (takeIf([](int c) { return c == '.'; })) {
    while (takeIf(isDigit)) ++digits;
  }
  if (digits == 0) return false;
  const std::size_t mantissa = text.size();
  if (takeIf([](int c) { return c == 'e' || c == 'E'; })) {
    takeIf([](int c) { return c == '+' || c == '-'; });
    bool any = false;
    while (takeIf(isDigit)) any = true;
    if (!any) {
      in.GiveBack(text.size() - mantissa);
      text.resize(mantissa);
    }
  }
  return true;
}

// The value of a number of that form, whatever the process's locale says
// about points: an infinity beyond the double range, 0 or a subnormal below.
double NumberFormValue(const std::string& number);

// True when the whole text is one number of that form.
inline bool IsNumberForm(std::string_view text) {
  struct View {
    std::string_view text;
    std::size_t used = 0;
    int Peek() const { return used < text.size() ? static_cast<unsigned char>(text[used]) : -1; }
    void Take() { ++used; }
    void GiveBack(std::size_t count) { used -= count; }
  } in{text};
  std::string taken;
  return ReadNumberForm(in, 0, taken) && in.used == text.size();
}
