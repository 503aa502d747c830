#include "platform/com/CodePage.h"

#include <cstring>

#include "platform/win/HResult.h"
#include "platform/win/LastError.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsUtf8CodePage(UINT codePage) {
  return codePage == CP_ACP || codePage == CP_OEMCP || codePage == CP_THREAD_ACP ||
         codePage == CP_UTF8;
}

// Decodes one character at text[i]; advances i; sets valid false for a
// malformed, overlong or surrogate sequence (which then takes one byte).
char32_t DecodeUtf8(std::string_view text, std::size_t& i, bool& valid) {
  const auto lead = static_cast<unsigned char>(text[i]);
  valid = true;
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  int extra = 0;
  char32_t value = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, value = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, value = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, value = lead & 0x07, minimum = 0x10000;
  } else {
    ++i;
    valid = false;
    return kReplacement;
  }
  if (i + extra >= text.size()) {  // truncated sequence
    ++i;
    valid = false;
    return kReplacement;
  }
  for (int k = 1; k <= extra; ++k) {
    const auto c = static_cast<unsigned char>(text[i + k]);
    if ((c & 0xC0) != 0x80) {
      ++i;
      valid = false;
      return kReplacement;
    }
    value = (value << 6) | (c & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    ++i;
    valid = false;
    return kReplacement;
  }
  i += extra + 1;
  return value;
}

void AppendUtf16(std::u16string& out, char32_t c) {
  if (c >= 0x10000) {
    c -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
  } else {
    out.push_back(static_cast<char16_t>(c));
  }
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

bool ToWide(std::string_view text, std::u16string& out) {
  bool allValid = true;
  for (std::size_t i = 0; i < text.size();) {
    bool valid = true;
    AppendUtf16(out, DecodeUtf8(text, i, valid));
    allValid = allValid && valid;
  }
  return allValid;
}

bool ToUtf8(std::u16string_view text, std::string& out) {
  bool allValid = true;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = kReplacement;  // a lone surrogate
      allValid = false;
    }
    AppendUtf8(out, c);
  }
  return allValid;
}

template <class Out>
int Deliver(const Out& converted, typename Out::value_type* target, int targetSize) {
  const int needed = static_cast<int>(converted.size());
  if (targetSize == 0) return needed;
  if (targetSize < needed) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::memcpy(target, converted.data(), converted.size() * sizeof(typename Out::value_type));
  return needed;
}

}  // namespace

UINT GetACP() { return CP_UTF8; }

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR source, int sourceBytes, LPWSTR target,
                        int targetChars) {
  if (!IsUtf8CodePage(codePage) || source == nullptr || sourceBytes == 0 || sourceBytes < -1 ||
      targetChars < 0 || (targetChars > 0 && target == nullptr)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const std::size_t length =
      sourceBytes == -1 ? std::strlen(source) + 1 : static_cast<std::size_t>(sourceBytes);
  std::u16string converted;
  if (!ToWide(std::string_view(source, length), converted) && (flags & MB_ERR_INVALID_CHARS)) {
    SetLastError(ERROR_NO_UNICODE_TRANSLATION);
    return 0;
  }
  return Deliver(converted, target, targetChars);
}

int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR source, int sourceChars, LPSTR target,
                        int targetBytes, LPCSTR defaultChar, BOOL* usedDefaultChar) {
  if (!IsUtf8CodePage(codePage) || source == nullptr || sourceChars == 0 || sourceChars < -1 ||
      targetBytes < 0 || (targetBytes > 0 && target == nullptr) || defaultChar != nullptr ||
      usedDefaultChar != nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::size_t length = 0;
  if (sourceChars == -1) {
    while (source[length] != 0) ++length;
    ++length;
  } else {
    length = static_cast<std::size_t>(sourceChars);
  }
  std::string converted;
  if (!ToUtf8(std::u16string_view(source, length), converted) && (flags & WC_ERR_INVALID_CHARS)) {
    SetLastError(ERROR_NO_UNICODE_TRANSLATION);
    return 0;
  }
  return Deliver(converted, target, targetBytes);
}

std::u16string WideFromUtf8(std::string_view utf8) {
  std::u16string out;
  ToWide(utf8, out);
  return out;
}

std::string Utf8FromWide(std::u16string_view wide) {
  std::string out;
  ToUtf8(wide, out);
  return out;
}
