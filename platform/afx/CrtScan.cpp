#include "platform/afx/CrtScan.h"

#include "platform/win/NumberForm.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

namespace {

// Where scanned characters come from: a string or a stream.
class Source {
 public:
  explicit Source(const char* text) : m_text(text) {}
  explicit Source(std::FILE* stream) : m_stream(stream) {}

  int Peek() {
    if (m_text) return m_text[m_used] ? static_cast<unsigned char>(m_text[m_used]) : EOF;
    const int c = std::getc(m_stream);
    if (c != EOF) std::ungetc(c, m_stream);
    return c;
  }
  void Take() {
    if (!m_text) std::getc(m_stream);
    ++m_used;
  }
  // One conversion of this C library at the current place; the count of
  // characters it used, or -1 when it failed.
  int Convert(const std::string& directive, void* target) {
    int used = -1;
    const std::string format = directive + "%n";
    if (m_text) {
      if (target)
        std::sscanf(m_text + m_used, format.c_str(), target, &used);
      else
        std::sscanf(m_text + m_used, format.c_str(), &used);
    } else if (target) {
      std::fscanf(m_stream, format.c_str(), target, &used);
    } else {
      std::fscanf(m_stream, format.c_str(), &used);
    }
    if (used >= 0) m_used += used;
    return used;
  }
  int Used() const { return static_cast<int>(m_used); }
  // Returns the last count characters to a string source; a stream keeps
  // them consumed, as the platform's streams do.
  void GiveBack(std::size_t count) {
    if (m_text) m_used -= count;
  }

 private:
  const char* m_text = nullptr;
  std::FILE* m_stream = nullptr;
  std::size_t m_used = 0;
};

void SkipSpace(Source& in) {
  while (in.Peek() != EOF && std::isspace(in.Peek())) in.Take();
}

struct Directive {
  bool suppress = false;
  int width = 0;
  std::string length;  // the runtime's modifier as written
  char conversion = 0;
  std::string text;  // the whole directive, for this C library
};

const char* ParseDirective(const char* p, Directive& d) {
  const char* start = p - 1;  // the '%'
  if (*p == '*') d.suppress = true, ++p;
  while (*p >= '0' && *p <= '9') d.width = d.width * 10 + (*p++ - '0');
  static const char* const kModifiers[] = {"I64", "I32", "hh", "ll", "h", "l",
                                           "L",   "w",   "I",  "z",  "t", "j"};
  for (const char* m : kModifiers) {
    if (std::strncmp(p, m, std::strlen(m)) == 0) {
      d.length = m;
      p += std::strlen(m);
      break;
    }
  }
  if (!*p) return nullptr;
  d.conversion = *p++;
  if (d.conversion == '[') {
    if (*p == '^') ++p;
    if (*p == ']') ++p;
    while (*p && *p != ']') ++p;
    if (*p) ++p;
  }
  d.text = CrtScanFormat(std::string(start, p).c_str());
  return p;
}

int Scan(Source& in, const char* format, va_list args) {
  int assigned = 0;
  bool converted = false;
  for (const char* p = format; *p;) {
    if (std::isspace(static_cast<unsigned char>(*p))) {
      SkipSpace(in);
      ++p;
      continue;
    }
    if (*p != '%' || p[1] == '%') {
      const char literal = *p;
      p += (*p == '%') ? 2 : 1;
      if (literal == '%') SkipSpace(in);
      if (in.Peek() != static_cast<unsigned char>(literal))
        return (!converted && in.Peek() == EOF) ? EOF : assigned;
      in.Take();
      continue;
    }
    Directive d;
    p = ParseDirective(p + 1, d);
    if (!p) break;
    if (d.conversion == 'n') {
      if (!d.suppress) *va_arg(args, int*) = in.Used();
      continue;
    }
    void* target = d.suppress ? nullptr : va_arg(args, void*);
    if (std::strchr("eEfgGaA", d.conversion)) {
      SkipSpace(in);
      if (in.Peek() == EOF) return converted ? assigned : EOF;
      std::string number;
      if (!ReadNumberForm(in, d.width, number)) return assigned;
      const double value = NumberFormValue(number);
      if (target) {
        if (d.length == "l" || d.length == "L")
          *static_cast<double*>(target) = value;
        else
          *static_cast<float*>(target) = static_cast<float>(value);
        ++assigned;
      }
      converted = true;
      continue;
    }
    if (!std::strchr("c[", d.conversion)) {
      SkipSpace(in);
      if (in.Peek() == EOF) return converted ? assigned : EOF;
    }
    if (in.Convert(d.text, target) < 0) return (!converted && in.Peek() == EOF) ? EOF : assigned;
    converted = true;
    if (target) ++assigned;
  }
  return assigned;
}

}  // namespace

std::string CrtScanFormat(const char* format) {
  std::string out;
  for (const char* p = format; *p;) {
    if (*p != '%') {
      out += *p++;
      continue;
    }
    out += *p++;
    if (*p == '%') {
      out += *p++;
      continue;
    }
    if (*p == '*') out += *p++;
    while (*p >= '0' && *p <= '9') out += *p++;
    std::string length;
    if (std::strncmp(p, "I64", 3) == 0)
      length = "ll", p += 3;
    else if (std::strncmp(p, "I32", 3) == 0)
      p += 3;
    else if (std::strncmp(p, "hh", 2) == 0 || std::strncmp(p, "ll", 2) == 0)
      length.assign(p, 2), p += 2;
    else if (std::strchr("hlLwIztj", *p) && *p)
      length.assign(p, 1), ++p;
    const char c = *p;
    if (c == '\0') break;
    if (std::strchr("diouxXn", c)) {
      if (length == "l")
        length.clear();  // the runtime's long is 32 bits
      else if (length == "I")
        length = "z";
    } else if (std::strchr("eEfgGaA", c)) {
      if (length == "L") length = "l";  // the runtime's long double is double
    } else {
      length.clear();  // characters and strings are read narrow
    }
    out += length;
    if (c == '[') {
      out += *p++;
      if (*p == '^') out += *p++;
      if (*p == ']') out += *p++;
      while (*p && *p != ']') out += *p++;
      if (*p) out += *p++;
      continue;
    }
    out += (c == 'S' ? 's' : c == 'C' ? 'c' : c);
    ++p;
  }
  return out;
}

int CrtVsscanf(const char* text, const char* format, va_list args) {
  Source in(text);
  return Scan(in, format, args);
}

int CrtSscanf(const char* text, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int n = CrtVsscanf(text, format, args);
  va_end(args);
  return n;
}

int CrtVfscanf(std::FILE* stream, const char* format, va_list args) {
  Source in(stream);
  return Scan(in, format, args);
}

int CrtFscanf(std::FILE* stream, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int n = CrtVfscanf(stream, format, args);
  va_end(args);
  return n;
}

double CrtStrtod(const char* text, char** end) {
  Source in(text);
  SkipSpace(in);
  std::string number;
  if (!ReadNumberForm(in, 0, number)) {
    if (end) *end = const_cast<char*>(text);
    return 0.0;
  }
  if (end) *end = const_cast<char*>(text) + in.Used();
  return NumberFormValue(number);
}

double CrtAtof(const char* text) { return CrtStrtod(text, nullptr); }
