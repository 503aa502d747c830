#include "platform/afx/TextModeStream.h"

#include <cstdio>

namespace {

ssize_t ReadText(void* cookie, char* buffer, size_t size) {
  auto* raw = static_cast<std::FILE*>(cookie);
  size_t n = 0;
  while (n < size) {
    int c = std::getc(raw);
    if (c == EOF) break;
    if (c == '\r') {
      const int next = std::getc(raw);
      if (next == '\n')
        c = '\n';
      else if (next != EOF)
        std::ungetc(next, raw);
    }
    buffer[n++] = static_cast<char>(c);
  }
  if (n == 0 && std::ferror(raw)) return -1;
  return static_cast<ssize_t>(n);
}

ssize_t WriteText(void* cookie, const char* buffer, size_t size) {
  auto* raw = static_cast<std::FILE*>(cookie);
  for (size_t i = 0; i < size; ++i) {
    if ((buffer[i] == '\n' && std::putc('\r', raw) == EOF) || std::putc(buffer[i], raw) == EOF)
      return i > 0 ? static_cast<ssize_t>(i) : -1;
  }
  return static_cast<ssize_t>(size);
}

int SeekText(void* cookie, off64_t* offset, int whence) {
  auto* raw = static_cast<std::FILE*>(cookie);
  if (fseeko(raw, *offset, whence) != 0) return -1;
  *offset = ftello(raw);
  return *offset < 0 ? -1 : 0;
}

int CloseText(void* cookie) { return std::fclose(static_cast<std::FILE*>(cookie)); }

}  // namespace

std::FILE* AfxOpenTextStream(std::FILE* binary) {
  const cookie_io_functions_t functions = {ReadText, WriteText, SeekText, CloseText};
  std::FILE* text = fopencookie(binary, "r+", functions);
  if (!text) return nullptr;
  // Unbuffered here (the binary stream buffers), so that a position is
  // always the underlying file's.
  std::setvbuf(text, nullptr, _IONBF, 0);
  return text;
}
