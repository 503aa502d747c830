// Raw-USB transport: command frames out, reply frames reassembled from
// 512-byte packets, completion polls and their judges, and the driver calls.
#include "instrument/InstrumentLink.h"

#include "instrument/LinkServices.h"
#include "platform/usb/RawUsbDriver.h"

#include <cstring>
#include <vector>

namespace {

constexpr int kReplyRetries = 10;
constexpr int kPollQueries = 11;
// A completion poll gives up after about the time of its eleven short polls,
// however long a driver takes over a read that brings nothing.
constexpr ULONGLONG kPollBudgetMs = 1100;

CString Trimmed(const CString& text) {
  CString copy = text;
  copy.Trim(' ');
  return copy;
}

std::uint32_t HeadLength(const BYTE* head) {
  std::uint32_t n = 0;
  for (int i = 0; i < 4; ++i) n |= std::uint32_t{head[4 + i]} << (8 * i);
  return n;
}

}  // namespace

bool CInstrumentLink::SendUsbCommand(const CString& command) {
  CString text = Trimmed(command);
  std::size_t n = static_cast<std::size_t>(text.GetLength());
  if (n == 0 || n > kUsbFrameBuffer - kUsbHead) return false;
  BYTE frame[kUsbFrameBuffer] = {};
  BuildUsbCommandFrame(frame, text, static_cast<int>(n));
  // Anything short of the whole frame did not reach the instrument as a command.
  const int total = static_cast<int>(n + kUsbHead);
  return WriteUSBDevice(kRawUsbWritePipe, frame, static_cast<DWORD>(total)) == total;
}

// One frame, reassembled with the byte counts the driver reports. The
// payload is accepted only when it fits the buffer (a NUL follows it when there is room), the
// checksum holds and it is not itself a frame head; otherwise nothing of it
// is kept and 0 is returned. Packets of a refused frame are still taken so
// the next read starts at a new frame.
std::size_t CInstrumentLink::ReadUsbData(BYTE* buffer, std::size_t capacity, UsbRead* outcome) {
  UsbRead ignored;
  UsbRead& result = outcome ? *outcome : ignored;
  result = UsbRead::Nothing;
  BYTE packet[kUsbPacket] = {};
  int n = ReadUSBDevice(kRawUsbReadPipe, packet, kUsbPacket);
  if (n <= 0) return 0;
  result = UsbRead::Refused;
  if (static_cast<std::size_t>(n) < kUsbHead) return 0;
  std::size_t total = HeadLength(packet);
  BYTE kept = packet[8];
  packet[8] = 0;
  BYTE head = FrameChecksum(packet, kUsbHead);
  bool fits = total <= capacity;
  std::size_t got = std::min<std::size_t>(static_cast<std::size_t>(n) - kUsbHead, total);
  if (fits) std::memcpy(buffer, packet + kUsbHead, got);
  while (got < total) {
    n = ReadUSBDevice(kRawUsbReadPipe, packet, kUsbPacket);
    if (n <= 0) break;  // the frame came short
    std::size_t take = std::min<std::size_t>(static_cast<std::size_t>(n), total - got);
    if (fits) std::memcpy(buffer + got, packet, take);
    got += take;
  }
  bool sound =
      fits && got == total && static_cast<BYTE>(FrameChecksum(buffer, total) + head) == kept;
  if (sound && total >= 4 && !IsNotFrameHead(buffer))
    result = UsbRead::FrameHead;
  else if (sound)
    result = UsbRead::Accepted;
  if (result != UsbRead::Accepted) {
    if (fits) std::memset(buffer, 0, got);
    return 0;
  }
  if (total < capacity) buffer[total] = 0;
  return total;
}

void CInstrumentLink::ReadUsbFrame(CString& reply) {
  reply = CString();
  std::vector<BYTE> buffer(kUsbFrameBuffer, 0);
  std::size_t n = ReadUsbData(buffer.data(), buffer.size() - 1);  // a reply text has its NUL
  if (n > 0) reply = CString(reinterpret_cast<const char*>(buffer.data()), static_cast<int>(n));
}

void CInstrumentLink::ReadUsbReply(CString& reply) {
  ReadUsbFrame(reply);
  for (int retry = 0; reply.IsEmpty() && retry < kReplyRetries; ++retry) {
    linkio::Pause(50);
    ReadUsbFrame(reply);
  }
}

bool CInstrumentLink::JudgeIqs(const CString& reply) {
  CString r = Trimmed(reply);
  if (r.Left(3) != "IQS" || r.GetLength() < 5) return false;
  char c = r[4];
  return c >= '0' && c <= '9' && ((c - '0') & 2);
}

bool CInstrumentLink::JudgeOpc(const CString& reply) {
  CString r = Trimmed(reply);
  return r.Left(4) == "*OPC" && r.GetLength() > 5 && r[5] == '1';
}

// An empty reply is an unanswered poll, never a completion.
bool CInstrumentLink::JudgeOlr(const CString& reply) {
  CString r = Trimmed(reply);
  if (r.IsEmpty()) return false;
  if (r.Left(3) != "OLR") return true;
  return r.GetLength() > 4 && r[4] != '0';
}

bool CInstrumentLink::JudgeReply(const CString& query, const CString& reply) {
  if (query == "IQS?") return JudgeIqs(reply);
  if (query == "*OPC?") return JudgeOpc(reply);
  if (query == "OLR?") return JudgeOlr(reply);
  return false;
}

// A short poll: one read of the answer, no retries; the polls themselves
// are the retries.
bool CInstrumentLink::QueryUsb(const CString& query) {
  SendUsbCommand(query);
  linkio::Pause(100);
  CString reply;
  ReadUsbFrame(reply);
  return JudgeReply(query, reply);
}

bool CInstrumentLink::PollUntilComplete(const CString& query) {
  const ULONGLONG start = GetTickCount64();
  for (int i = 0; i < kPollQueries; ++i) {
    if (QueryUsb(query)) return true;
    if (GetTickCount64() - start >= kPollBudgetMs) break;
  }
  return false;
}

bool CInstrumentLink::WaitOpcComplete() {
  if (!g_WaitOpcAfterUsbCommand) {
    linkio::Pause(50);
    return true;
  }
  linkio::Pause(100);
  return PollUntilComplete("*OPC?");
}

bool CInstrumentLink::PollAfterCommand(bool thenOlr) {
  if (!WaitOpcComplete()) return false;
  if (!thenOlr || !g_WaitOpcAfterUsbCommand) return true;
  linkio::Pause(100);
  return PollUntilComplete("OLR?");
}

void CInstrumentLink::PollThenRead(const CString& query, CString& reply) {
  reply = CString();
  for (int i = 0; i < kReplyRetries; ++i) {
    if (QueryUsb(query)) {
      ReadUsbReply(reply);
      return;
    }
  }
}

void CInstrumentLink::WaitOpcThenRead(CString& reply) {
  reply = CString();
  for (int i = 0; i < kReplyRetries; ++i) {
    if (QueryUsb("*OPC?")) {
      ReadUsbReply(reply);
      return;
    }
    linkio::Pause(100);
  }
}

void CInstrumentLink::WaitOlrThenRead(CString& reply) {
  reply = CString();
  if (QueryUsb("OLR?"))
    ReadUsbReply(reply);
  else
    PollThenRead("OLR?", reply);
}

void CInstrumentLink::WaitOpcOlrThenRead(CString& reply) {
  reply = CString();
  for (int i = 0; i < kReplyRetries; ++i) {
    if (QueryUsb("*OPC?")) {
      WaitOlrThenRead(reply);
      return;
    }
    linkio::Pause(100);
  }
}

void CInstrumentLink::WaitUsbReply(const CString& mode, CString& reply) {
  if (mode == "1")
    WaitOpcThenRead(reply);
  else if (mode == "2")
    WaitOlrThenRead(reply);
  else if (mode == "3")
    WaitOpcOlrThenRead(reply);
  else
    ReadUsbReply(reply);
}

void CInstrumentLink::QueryUsbWithWait(const CString& command, const CString& mode,
                                       CString& reply) {
  SendUsbCommand(command);
  WaitOpcComplete();
  WaitUsbReply(mode, reply);
}

void CInstrumentLink::SendDbstCommand() {
  SendUsbCommand("DBST");
  linkio::Pause(2000);
}

int CInstrumentLink::CountUsbDevices(void* window) { return SearchAllUSB(window); }
void CInstrumentLink::SelectUsbDevice(int index) { LoadOneUsb(index); }

bool CInstrumentLink::LoadUsbDevice(int& number) {
  if (LoadUSBDevice(number) == 0) {
    linkio::ShowMessage(linkio::TranslatedText(300));
    return false;
  }
  return true;
}

void CInstrumentLink::UnloadUsbDevice(int) { UnloadUSBDevice(); }
void CInstrumentLink::UnloadScopeDevice() { UnloadDevice(g_UsbDeviceHandle); }
void CInstrumentLink::UnloadGeneratorDevice() { UnloadDevice(g_UsbGeneratorIndex); }
