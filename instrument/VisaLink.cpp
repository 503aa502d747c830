// The object itself and its VISA transport: open, close, formatted send and
// receive on the session in g_VisaInstrument.
#include "instrument/InstrumentLink.h"

#include "instrument/LinkServices.h"
#include "platform/visa/Visa.h"

#include <cstring>

CInstrumentLink g_StepTestLink;
std::array<BYTE, kScopeAcqBuffer> g_ScopeAcqBuffer;
std::array<BYTE, kScreenDumpBuffer> g_ScreenDumpBuffer;

CInstrumentLink::CInstrumentLink() { stringList.RemoveAll(); }

CInstrumentLink::~CInstrumentLink() { stringList.RemoveAll(); }

bool IsVisaTag(const CString& tag) { return tag.Find("USBTMC") >= 0; }
bool IsRawUsbTag(const CString& tag) { return !IsVisaTag(tag) && tag.Find("USB") >= 0; }
bool IsSixteenBitFamily(const CString& tag) {
  for (const char* family : {"KRV2000", "KRV1000X", "KRV6000X", "KRP1000X-E"})
    if (tag.Find(family) >= 0) return true;
  return false;
}

bool CInstrumentLink::VisaOpen(const char* descriptor) {
  if (g_VisaDefaultRM == 0) return false;
  g_VisaStatus = viOpen(g_VisaDefaultRM, descriptor, 0, 0, &g_VisaInstrument);
  if (g_VisaStatus < 0) linkio::ThrowAbort();
  linkio::Pause(100);
  viClear(g_VisaInstrument);
  return true;
}

void CInstrumentLink::VisaClose() {
  if (g_VisaInstrument == 0) return;
  g_VisaStatus = 0;
  g_VisaStatus = viClose(g_VisaInstrument);
}

bool CInstrumentLink::VisaSend(const CString& command) {
  g_VisaStatus = 0;
  // The text is passed as an argument, so a '%' in it is written literally.
  g_VisaStatus = viPrintf(g_VisaInstrument, "%s", static_cast<const char*>(command));
  if (g_VisaStatus != 0) {
    linkio::ShowMessage("send cmd failed");
    return false;
  }
  return true;
}

ViStatus CInstrumentLink::VisaReceive(char buffer[256]) {
  g_VisaStatus = 0;
  g_VisaStatus = viScanf(g_VisaInstrument, "%t", buffer);  // at most 256 bytes with the NUL
  switch (g_VisaStatus) {
    case VI_ERROR_INV_OBJECT:
    case VI_ERROR_RSRC_LOCKED:
    case VI_ERROR_IO:
    case VI_ERROR_TMO:
    case VI_ERROR_INV_FMT:
    case VI_ERROR_NSUP_FMT:
    case VI_ERROR_ALLOC: linkio::ThrowAbort();
    default: return g_VisaStatus;
  }
}

// A definite-length block: 12 header bytes, nine length digits, then the
// data and its terminator. The data is read only as far as the caller's
// buffer holds it.
int CInstrumentLink::ReadVisaBlock(unsigned char* buffer, std::size_t capacity) {
  g_VisaStatus = 0;
  unsigned char scratch[512] = {};
  ViUInt32 got = 0;
  viRead(g_VisaInstrument, scratch, 12, &got);
  unsigned char digits[512] = {};
  viRead(g_VisaInstrument, digits, 9, &got);
  long long length = 0;
  for (int i = 0; i < 9; ++i) {
    int d = digits[i] >= '0' && digits[i] <= '9' ? digits[i] - '0' : 0;
    length = length * 10 + d;
  }
  std::size_t want = static_cast<std::size_t>(length) + 1;
  if (want > capacity) want = capacity;
  g_VisaStatus = viRead(g_VisaInstrument, buffer, static_cast<ViUInt32>(want), &got);
  return static_cast<int>(length + 1);
}

bool CInstrumentLink::OpenFirstUsbInstrument() {
  if (viOpenDefaultRM(&g_VisaDefaultRM) < 0) {
    linkio::ShowMessage("Could not open the VISA resource manager.");
    return false;
  }
  linkio::Pause(100);
  if (viFindRsrc(g_VisaDefaultRM, "USB?*INSTR", &g_VisaFindList, &g_VisaFindCount,
                 g_VisaDescriptor) < 0) {
    linkio::ShowMessage("No USB instrument was found.");
    viClose(g_VisaDefaultRM);
    return false;
  }
  linkio::Pause(100);
  if (viOpen(g_VisaDefaultRM, g_VisaDescriptor, 0, 0, &g_VisaInstrument) < 0) {
    linkio::ShowMessage("The USB instrument could not be opened.");
    return false;
  }
  linkio::Pause(100);
  viClear(g_VisaInstrument);
  return true;
}

void CInstrumentLink::CloseFirstUsbInstrument() {
  if (viClose(g_VisaInstrument) < 0) linkio::ShowMessage("The USB instrument could not be closed.");
  if (viClose(g_VisaDefaultRM) < 0)
    linkio::ShowMessage("The VISA resource manager could not be closed.");
}
