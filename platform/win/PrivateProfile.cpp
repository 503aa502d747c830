#include "platform/win/PrivateProfile.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct ProfileText {
  std::vector<std::string> lines;  // without their line ends
  bool crlf = false;
};

std::optional<ProfileText> ReadProfile(LPCSTR file) {
  std::ifstream in(file ? file : "", std::ios::binary);
  if (!in) return std::nullopt;
  std::stringstream buffer;
  buffer << in.rdbuf();
  ProfileText text;
  std::string line;
  std::istringstream lines(buffer.str());
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
      text.crlf = true;
    }
    text.lines.push_back(line);
  }
  return text;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

bool SameNoCase(const std::string& a, const char* b) {
  const size_t n = std::strlen(b);
  if (a.size() != n) return false;
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (std::tolower(x) != std::tolower(y)) return false;
  }
  return true;
}

// The section's name when the line is a header.
std::optional<std::string> HeaderName(const std::string& line) {
  const std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return std::nullopt;
  const size_t close = t.find(']');
  if (close == std::string::npos) return std::nullopt;
  return Trim(t.substr(1, close - 1));
}

bool IsEntry(const std::string& line) {
  const std::string t = Trim(line);
  return !t.empty() && t.front() != ';';
}

std::string KeyOf(const std::string& line) {
  const size_t eq = line.find('=');
  return Trim(eq == std::string::npos ? line : line.substr(0, eq));
}

// Line indexes [first, last) of the section's body, when it exists.
std::optional<std::pair<size_t, size_t>> FindSection(const ProfileText& text, LPCSTR section) {
  for (size_t i = 0; i < text.lines.size(); ++i) {
    auto name = HeaderName(text.lines[i]);
    if (!name || !SameNoCase(*name, section)) continue;
    size_t end = i + 1;
    while (end < text.lines.size() && !HeaderName(text.lines[end])) ++end;
    return std::make_pair(i + 1, end);
  }
  return std::nullopt;
}

DWORD CopyOut(const std::string& value, LPSTR out, DWORD size) {
  if (!out || size == 0) return 0;
  const size_t n = std::min<size_t>(value.size(), size - 1);
  std::memcpy(out, value.data(), n);
  out[n] = '\0';
  return static_cast<DWORD>(n);
}

}  // namespace

DWORD GetPrivateProfileString(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR out,
                              DWORD size, LPCSTR file) {
  const std::string fallback = defaultValue ? defaultValue : "";
  auto text = ReadProfile(file);
  if (!text || !section || !key) return CopyOut(fallback, out, size);
  auto body = FindSection(*text, section);
  if (!body) return CopyOut(fallback, out, size);
  for (size_t i = body->first; i < body->second; ++i) {
    const std::string& line = text->lines[i];
    const size_t eq = line.find('=');
    if (!IsEntry(line) || eq == std::string::npos || !SameNoCase(KeyOf(line), key)) continue;
    std::string value = Trim(line.substr(eq + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
      value = value.substr(1, value.size() - 2);
    return CopyOut(value, out, size);
  }
  return CopyOut(fallback, out, size);
}

DWORD GetPrivateProfileSection(LPCSTR section, LPSTR out, DWORD size, LPCSTR file) {
  if (!out || size == 0) return 0;
  out[0] = '\0';
  if (size < 2) return 0;
  out[1] = '\0';
  auto text = ReadProfile(file);
  if (!text || !section) return 0;
  auto body = FindSection(*text, section);
  if (!body) return 0;
  DWORD used = 0;
  for (size_t i = body->first; i < body->second; ++i) {
    const std::string& line = text->lines[i];
    if (!IsEntry(line)) continue;
    // Room for the entry, its NUL and the list's closing NUL.
    if (used + line.size() + 2 > size) {
      // What is left of the entry up to the two closing NULs; nothing when
      // the entries before it already reach them (used is then size - 1).
      if (used < size - 2) std::memcpy(out + used, line.data(), size - 2 - used);
      out[size - 2] = '\0';
      out[size - 1] = '\0';
      return size - 2;
    }
    std::memcpy(out + used, line.data(), line.size());
    used += static_cast<DWORD>(line.size());
    out[used++] = '\0';
  }
  out[used] = '\0';
  return used;
}

BOOL WritePrivateProfileString(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file) {
  if (!section || !key || !file) return FALSE;
  ProfileText text = ReadProfile(file).value_or(ProfileText{});
  const std::string entry = std::string(key) + "=" + (value ? value : "");
  auto body = FindSection(text, section);
  if (!body) {
    if (!value) return TRUE;
    if (!text.lines.empty() && !Trim(text.lines.back()).empty()) text.lines.emplace_back();
    text.lines.push_back("[" + std::string(section) + "]");
    text.lines.push_back(entry);
  } else {
    auto found = std::find_if(text.lines.begin() + static_cast<long>(body->first),
                              text.lines.begin() + static_cast<long>(body->second),
                              [&](const std::string& line) {
                                return IsEntry(line) && line.find('=') != std::string::npos &&
                                       SameNoCase(KeyOf(line), key);
                              });
    if (found != text.lines.begin() + static_cast<long>(body->second)) {
      if (value)
        *found = entry;
      else
        text.lines.erase(found);
    } else if (value) {
      size_t at = body->second;  // after the section's last non-blank line
      while (at > body->first && Trim(text.lines[at - 1]).empty()) --at;
      text.lines.insert(text.lines.begin() + static_cast<long>(at), entry);
    }
  }
  // Written beside the file and moved over it, so a failed write keeps the old profile.
  const std::string temporary = std::string(file) + ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return FALSE;
    for (const std::string& line : text.lines) out << line << (text.crlf ? "\r\n" : "\n");
    if (!out.flush()) {
      std::remove(temporary.c_str());
      return FALSE;
    }
  }
  if (std::rename(temporary.c_str(), file) != 0) {
    std::remove(temporary.c_str());
    return FALSE;
  }
  return TRUE;
}
