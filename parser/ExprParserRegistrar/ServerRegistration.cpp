#include "parser/ExprParserRegistrar/ServerRegistration.h"

#include <dlfcn.h>

#include <cstdint>

namespace exprparser {
namespace {

// File names are UTF-8 on this platform; a lone surrogate becomes U+FFFD.
std::string utf8(const std::u16string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    if (c < 0x80) {
      out += char(c);
    } else if (c < 0x800) {
      out += char(0xC0 | (c >> 6));
      out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += char(0xE0 | (c >> 12));
      out += char(0x80 | ((c >> 6) & 0x3F));
      out += char(0x80 | (c & 0x3F));
    } else {
      out += char(0xF0 | (c >> 18));
      out += char(0x80 | ((c >> 12) & 0x3F));
      out += char(0x80 | ((c >> 6) & 0x3F));
      out += char(0x80 | (c & 0x3F));
    }
  }
  return out;
}

bool callEntryPoint(const std::u16string& libraryFile, const char* entryPoint) {
  // An empty name would open the program itself, which is no library.
  if (libraryFile.empty()) return false;
  void* library = dlopen(utf8(libraryFile).c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library) return false;
  // The entry points return a 32-bit status; negative means failure.
  using EntryPoint = std::int32_t (*)();
  bool succeeded = false;
  if (void* symbol = dlsym(library, entryPoint))
    succeeded = reinterpret_cast<EntryPoint>(symbol)() >= 0;
  dlclose(library);
  return succeeded;
}

}  // namespace

bool registerServerLibrary(const std::u16string& libraryFile) {
  return callEntryPoint(libraryFile, "DllRegisterServer");
}

bool unregisterServerLibrary(const std::u16string& libraryFile) {
  return callEntryPoint(libraryFile, "DllUnregisterServer");
}

}  // namespace exprparser
