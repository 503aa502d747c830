#pragma once
// Numbers in files, dialogs and instrument texts are always written and read
// with a point, whatever language the desktop runs in. The Qt application
// sets the C locale from the environment (a German desktop makes printf
// write "0,5" and strtod stop at "0.5"'s point); PinNumericLocale undoes that
// for numbers only and is called right after the application object is made.
// Code that must use the C library's own conversions in a library that may
// run before that (or in another thread's locale) holds a CNumericScope.

#include <cstdarg>
#include <string>

// Sets LC_NUMERIC to "C" for the process; the other categories (text
// encoding, messages, time) stay as the environment chose them.
void PinNumericLocale();

// The calling thread formats and reads numbers in the C locale while the
// scope lives; its previous locale comes back after it.
class CNumericScope {
 public:
  CNumericScope();
  ~CNumericScope();
  CNumericScope(const CNumericScope&) = delete;
  CNumericScope& operator=(const CNumericScope&) = delete;

 private:
  void* previous_;  // locale_t of the thread before the scope
};

// printf with the C library's rules in the C locale (the platform's runtime
// rules are CrtFormat's, platform/win/CrtFormat.h).
std::string FormatInCLocaleV(const char* format, va_list args);
std::string FormatInCLocale(const char* format, ...) __attribute__((format(printf, 1, 2)));
