#include "platform/com/Bstr.h"

#include <cstdlib>
#include <cstring>
#include <limits>

#include "platform/com/CodePage.h"

namespace {

constexpr std::size_t kPrefix = sizeof(std::uint32_t);

// Allocates room for byteLength bytes plus the 2-byte terminator (and one
// more zero byte so an odd length still ends on a whole zero character).
BSTR Allocate(UINT byteLength) {
  if (byteLength > std::numeric_limits<std::uint32_t>::max() - kPrefix - 4) return nullptr;
  auto* block = static_cast<unsigned char*>(std::malloc(kPrefix + byteLength + 3));
  if (block == nullptr) return nullptr;
  const std::uint32_t prefix = byteLength;
  std::memcpy(block, &prefix, kPrefix);
  std::memset(block + kPrefix + byteLength, 0, 3);
  return reinterpret_cast<BSTR>(block + kPrefix);
}

unsigned char* BlockOf(BSTR text) { return reinterpret_cast<unsigned char*>(text) - kPrefix; }

std::size_t Length(const OLECHAR* text) {
  std::size_t n = 0;
  while (text[n] != 0) ++n;
  return n;
}

}  // namespace

BSTR SysAllocString(const OLECHAR* text) {
  if (text == nullptr) return nullptr;
  return SysAllocStringLen(text, static_cast<UINT>(Length(text)));
}

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
  if (length > std::numeric_limits<UINT>::max() / 2) return nullptr;
  BSTR result = Allocate(length * 2);
  if (result != nullptr && text != nullptr) std::memcpy(result, text, length * sizeof(OLECHAR));
  return result;
}

BSTR SysAllocStringByteLen(LPCSTR bytes, UINT length) {
  BSTR result = Allocate(length);
  if (result != nullptr && bytes != nullptr) std::memcpy(result, bytes, length);
  return result;
}

INT SysReAllocString(BSTR* target, const OLECHAR* text) {
  if (text == nullptr) return SysReAllocStringLen(target, nullptr, 0);
  return SysReAllocStringLen(target, text, static_cast<UINT>(Length(text)));
}

INT SysReAllocStringLen(BSTR* target, const OLECHAR* text, UINT length) {
  if (target == nullptr) return FALSE;
  BSTR copy = SysAllocStringLen(nullptr, length);
  if (copy == nullptr) return FALSE;
  if (text != nullptr) std::memmove(copy, text, length * sizeof(OLECHAR));  // text may be *target
  SysFreeString(*target);
  *target = copy;
  return TRUE;
}

void SysFreeString(BSTR text) {
  if (text != nullptr) std::free(BlockOf(text));
}

UINT SysStringByteLen(BSTR text) {
  if (text == nullptr) return 0;
  std::uint32_t prefix;
  std::memcpy(&prefix, BlockOf(text), kPrefix);
  return prefix;
}

UINT SysStringLen(BSTR text) { return SysStringByteLen(text) / 2; }

BSTR SysAllocStringFromUtf8(std::string_view utf8) {
  const std::u16string wide = WideFromUtf8(utf8);
  return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

std::u16string_view BstrView(BSTR text) {
  return text == nullptr ? std::u16string_view() : std::u16string_view(text, SysStringLen(text));
}
