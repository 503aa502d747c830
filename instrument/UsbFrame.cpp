// The raw-USB frame: "USB:", payload length, checksum, type, two zero bytes,
// then the payload. The checksum makes the byte sum of the frame 0 mod 256.
#include "instrument/InstrumentLink.h"

#include <cctype>
#include <cstring>

namespace {

constexpr BYTE kTypeCommand = 1;

void FillHead(BYTE* buffer, std::size_t length, BYTE type) {
  std::memcpy(buffer, "USB:", 4);
  for (int i = 0; i < 4; ++i) buffer[4 + i] = static_cast<BYTE>(length >> (8 * i));
  buffer[8] = 0;
  buffer[9] = type;
  buffer[10] = buffer[11] = 0;
}

}  // namespace

// The completion and status queries, sent as query frames.
const std::array<UsbQueryEntry, 5> g_UsbQueryTable = {{
    {2, "IQS?"},
    {2, "OLS?"},
    {2, "IQR?"},
    {2, "OLR?"},
    {2, "*OPC?"},
}};

BYTE CInstrumentLink::UsbQueryType(const CString& command) {
  CString upper = command;
  upper.MakeUpper();
  for (const UsbQueryEntry& entry : g_UsbQueryTable)
    if (upper == entry.text) return entry.type;
  return kTypeCommand;
}

BYTE CInstrumentLink::FrameChecksum(const BYTE* bytes, std::size_t count) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < count; ++i) sum += bytes[i];
  return static_cast<BYTE>(~sum + 1);
}

WORD CInstrumentLink::FrameChecksum16(const WORD* words, std::size_t count) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < count; ++i) sum += words[i];
  return static_cast<WORD>(~sum + 1);
}

void CInstrumentLink::BuildUsbCommandFrame(BYTE* buffer, const CString& command, int length) {
  FillHead(buffer, static_cast<std::size_t>(length), UsbQueryType(command));
  std::memcpy(buffer + kUsbHead, static_cast<const char*>(command),
              static_cast<std::size_t>(length));
  buffer[8] = FrameChecksum(buffer, kUsbHead + static_cast<std::size_t>(length));
}

BYTE CInstrumentLink::BuildUsbDataFrame(BYTE* buffer, const BYTE* payload, std::size_t length) {
  FillHead(buffer, length, kTypeCommand);
  if (buffer + kUsbHead != payload) std::memmove(buffer + kUsbHead, payload, length);
  buffer[8] = FrameChecksum(buffer, kUsbHead + length);
  return buffer[8];
}

bool CInstrumentLink::IsNotFrameHead(const BYTE* buffer) {
  return std::memcmp(buffer, "USB:", 4) != 0;
}

void CInstrumentLink::IsScreenDumpCommand(const CString& text) {
  CString upper = text;
  upper.MakeUpper();
  (void)(upper == "SCDP");  // compared and dropped, as the driver's tool does
}
