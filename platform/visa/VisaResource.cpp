#include "platform/visa/VisaResource.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace visa {
namespace {

std::vector<std::string> SplitFields(const std::string& name) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    std::size_t sep = name.find("::", start);
    fields.push_back(name.substr(start, sep == std::string::npos ? sep : sep - start));
    if (sep == std::string::npos) return fields;
    start = sep + 2;
  }
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// A board prefix such as "TCPIP" or "TCPIP0": the word then optional digits.
bool HasPrefix(const std::string& field, const char* word) {
  std::string upper = Upper(field);
  std::string w = word;
  if (upper.compare(0, w.size(), w) != 0) return false;
  for (std::size_t i = w.size(); i < upper.size(); ++i)
    if (!std::isdigit(static_cast<unsigned char>(upper[i]))) return false;
  return true;
}

std::optional<std::uint16_t> ParseId(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  unsigned long value = std::strtoul(text.c_str(), &end, 0);
  if (*end != '\0' || value > 0xFFFF) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

}  // namespace

std::optional<TcpipResource> ParseTcpipResource(const std::string& name) {
  std::vector<std::string> f = SplitFields(name);
  if (f.size() < 3 || f.size() > 4 || !HasPrefix(f[0], "TCPIP")) return std::nullopt;
  if (Upper(f.back()) != "INSTR" || f[1].empty()) return std::nullopt;
  TcpipResource r;
  r.host = f[1];
  if (f.size() == 4) {
    if (f[2].empty()) return std::nullopt;
    r.device = f[2];
  }
  return r;
}

std::optional<UsbResource> ParseUsbResource(const std::string& name) {
  std::vector<std::string> f = SplitFields(name);
  if (f.size() < 5 || f.size() > 6 || !HasPrefix(f[0], "USB")) return std::nullopt;
  if (Upper(f.back()) != "INSTR") return std::nullopt;
  auto vid = ParseId(f[1]);
  auto pid = ParseId(f[2]);
  if (!vid || !pid) return std::nullopt;
  return UsbResource{*vid, *pid, f[3]};
}

std::string UsbResourceName(const UsbtmcDeviceInfo& device) {
  char ids[32];
  std::snprintf(ids, sizeof ids, "USB0::0x%04X::0x%04X::", device.vendorId, device.productId);
  return ids + device.serial + "::INSTR";
}

bool MatchResourceExpression(const std::string& expr, const std::string& name) {
  // Iterative wildcard match with one back-tracking point for '*'.
  std::size_t e = 0, n = 0, starE = std::string::npos, starN = 0;
  auto same = [](char a, char b) {
    return std::toupper(static_cast<unsigned char>(a)) ==
           std::toupper(static_cast<unsigned char>(b));
  };
  while (n < name.size()) {
    if (e < expr.size() && (expr[e] == '?' || same(expr[e], name[n]))) {
      ++e;
      ++n;
    } else if (e < expr.size() && expr[e] == '*') {
      starE = e++;
      starN = n;
    } else if (starE != std::string::npos) {
      e = starE + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (e < expr.size() && expr[e] == '*') ++e;
  return e == expr.size();
}

}  // namespace visa
