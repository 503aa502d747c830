// Device discovery: the raw-USB scan sorts devices into generators and
// oscilloscopes by their "*IDN?" reply; the VISA search opens every USBTMC
// resource (or the one TCP/IP resource), records its identification and tags
// the row with the model family its replies name.
#include "instrument/InstrumentLink.h"

#include "instrument/LinkServices.h"
#include "platform/visa/Visa.h"

#include <cstdio>
#include <cstring>

namespace {

// Rules tried in order; the first that matches names the family. A rule
// matches when mToken is in M, or pToken in P1 or P2. The last rule also
// takes the two "X after KRP1" flags.
struct TagRule {
  const char* mToken;
  const char* pToken;
  const char* tag;
};
constexpr TagRule kTagRules[] = {
    {"KRV5000", "KRV5000", "USBTMCKRV5000"},
    {"KRV1000X", "KRV1000X", "USBTMCKRV1000X"},
    {"KRV1000", "KRV8000", "USBTMCKRV1000"},  // the private replies name KRV8000 here
    {"KRV800", "KRV800", "USBTMCKRV800"},
    {"KRP2", "KRP2", "USBTMCKRP2"},
    {"KRV2000", "KRV2000", "USBTMCKRV2000"},
    {"KRV6000X", "KRV6000X", "USBTMCKRV6000X"},
    {"KRP1000X-E", "KRP1000X-E", "USBTMCKRP1000X-E"},
    {"1000X", "1000X", "USBTMCKRP1000X"},
};
constexpr const char* kFlagTag = "USBTMCKRP1000X";
constexpr const char* kRawUsbTag = "USBKRV1000";
constexpr const char* kGeneratorTokens[] = {"YXL", "KRV", "QJ", "ZUMR"};
constexpr std::size_t kIdReply = 512;

// The "X seven places after KRP1" test (-1 for a text not found).
bool XAfterKrp1(const CString& text) { return text.Find('X') == text.Find("KRP1") + 7; }

CString AfterFirstBlank(const CString& text) {
  int blank = text.Find(' ');
  return blank < 0 ? text : text.Mid(blank + 1);
}

CString Decimal(long long value) {
  CString text;
  text.Format("%lld", value);
  return text;
}

// producer, model, serial up to successive commas, version the rest. A text
// without a comma leaves every field empty.
void SplitIdentity(const CString& text, GeneratorEntry& row) {
  row.producer = row.model = row.serial = row.version = CString();
  int c1 = text.Find(',');
  if (c1 < 0) return;
  row.producer = text.Left(c1);
  CString rest = text.Mid(c1 + 1);
  int c2 = rest.Find(',');
  if (c2 < 0) {
    row.model = rest;
    return;
  }
  row.model = rest.Left(c2);
  rest = rest.Mid(c2 + 1);
  int c3 = rest.Find(',');
  if (c3 < 0) {
    row.serial = rest;
    return;
  }
  row.serial = rest.Left(c3);
  row.version = rest.Mid(c3 + 1);
}

// Reads one reply with viRead; the text never reaches past the bytes read.
CString ReadText(ViSession s) {
  char buffer[kIdReply] = {};
  ViUInt32 got = 0;
  viRead(s, reinterpret_cast<ViBuf>(buffer), kIdReply - 1, &got);
  return CString(buffer, static_cast<int>(got < kIdReply - 1 ? got : kIdReply - 1));
}

}  // namespace

CString CInstrumentLink::IdnModelField(const CString& reply) {
  int c1 = reply.Find(',');
  if (c1 < 0) return CString();
  int c2 = reply.Find(',', c1 + 1);
  if (c2 < 0) return CString();
  return reply.Mid(c1 + 1, c2 - c1 - 1);
}

CString CInstrumentLink::VisaFamilyTag(const CString& idn, const CString& m, const CString& p1,
                                       const CString& p2) {
  bool f1 = XAfterKrp1(idn), f2 = XAfterKrp1(p1);
  for (const TagRule& rule : kTagRules) {
    bool hit = m.Find(rule.mToken) >= 0 || p1.Find(rule.pToken) >= 0 || p2.Find(rule.pToken) >= 0;
    if (std::strcmp(rule.tag, kFlagTag) == 0) hit = hit || f1 || f2;
    if (hit) return rule.tag;
  }
  return CString();
}

void CInstrumentLink::NoteUnidentified(ViStatus cause) {
  if (unidentified >= 0) unidentified = cause;
}

bool CInstrumentLink::SearchUsbGenerators() {
  g_UsbGenerators = {};
  g_UsbDeviceCount = CountUsbDevices(nullptr);
  if (g_UsbDeviceCount < 1) return false;
  g_UsbGeneratorIndex = ScanUsbDevices();
  return g_UsbGeneratorIndex != -1;
}

int CInstrumentLink::ScanUsbDevices() {
  int last = -1, g = 0;
  for (int j = 0; j < g_UsbDeviceCount; ++j) {
    SelectUsbDevice(j);
    linkio::Pause(100);
    linkio::Pause(100);
    const bool asked = SendUsbCommand("*IDN?");
    linkio::Pause(g_WaitOpcAfterUsbCommand ? 100 : 50);
    CString t;
    ReadUsbReply(t);
    if (!asked || t.IsEmpty()) NoteUnidentified(asked ? VI_ERROR_TMO : VI_ERROR_IO);

    CString first = AfterFirstBlank(t);
    int comma = first.Find(',');
    CString channel = comma < 0 ? CString() : first.Left(comma);
    channel.Trim(' ');
    channel = channel.GetLength() > 6 ? channel.Mid(6, 1) : CString();

    bool generator = false;
    for (const char* token : kGeneratorTokens)
      if (t.Find(token) > 0) generator = true;  // a reply that begins with it does not count
    if (generator) {
      last = j;
      if (g < kDeviceTableRows) {
        GeneratorEntry& row = g_UsbGenerators[static_cast<std::size_t>(g)];
        SplitIdentity(first, row);
        row.handle = Decimal(j);
        row.tag = kRawUsbTag;
      }
      ++g;
      ++usbGeneratorCount;
    } else {
      int index = g_VisaScopeCount + j;
      if (index >= 0 && index < kDeviceTableRows)
        g_ScopeTable[static_cast<std::size_t>(index)] = {IdnModelField(t), Decimal(j), "USBRAW",
                                                         channel};
    }
  }
  return last;
}

int CInstrumentLink::SearchVisaGenerators(const CString& address) {
  g_VisaGenerators = {};
  g_VisaStatus = -1;
  g_VisaStatus = viOpenDefaultRM(&g_VisaDefaultRM);
  if (g_VisaStatus < 0) {
    viClose(g_VisaDefaultRM);
    return visaDeviceCount;
  }
  g_VisaStatus = -1;
  bool searching = address.IsEmpty();
  if (searching) {
    g_VisaStatus = viFindRsrc(g_VisaDefaultRM, "USB?*INSTR", &g_VisaFindList, &g_VisaFindCount,
                              g_VisaDescriptor);
    if (g_VisaStatus < 0 || g_VisaFindCount == 0) {
      viClose(g_VisaDefaultRM);
      return visaDeviceCount;
    }
  } else {
    std::memset(g_VisaDescriptor, 0, sizeof g_VisaDescriptor);
    std::snprintf(g_VisaDescriptor, sizeof g_VisaDescriptor, "TCPIP0::%s::INSTR",
                  static_cast<const char*>(address));
  }
  linkio::Pause(100);

  auto next = [&] {
    if (searching) {
      g_VisaStatus = viFindNext(g_VisaFindList, g_VisaDescriptor);
      if (g_VisaStatus < 0) g_VisaDescriptor[0] = '\0';  // none left, whatever the text
    } else {
      g_VisaDescriptor[0] = '\0';
    }
  };
  while (g_VisaDescriptor[0] != '\0') {
    ViSession s = 0;
    g_VisaStatus = viOpen(g_VisaDefaultRM, g_VisaDescriptor, 0, 0, &s);
    if (g_VisaStatus < 0) {  // this one is gone or busy; the others may answer
      next();
      continue;
    }
    if (visaDeviceCount >= kDeviceTableRows) {  // the table is full
      viClose(s);
      break;
    }
    const ViStatus asked = viPrintf(s, "*IDN?\n");
    linkio::Pause(100);
    char reply[kIdReply] = {};
    ViUInt32 size = kIdReply;
    ViStatus answered = asked < 0 ? asked : viScanf(s, "%#t", &size, reply);
    CString h(reply);
    h.TrimRight('\n');
    if (answered >= 0 && h.IsEmpty()) answered = VI_ERROR_TMO;
    if (answered < 0) {
      // An instrument that cannot say what it is gets no row: no dialog could
      // list or address it, and a row with no producer would hide the rows
      // after it. The connection dialog says why.
      NoteUnidentified(answered);
      viClose(s);
      next();
      continue;
    }
    ++visaDeviceCount;
    GeneratorEntry& row = g_VisaGenerators[static_cast<std::size_t>(visaDeviceCount - 1)];
    if (h.Find("*IDN") >= 0) h = AfterFirstBlank(h);
    CString idn = h;
    SplitIdentity(h, row);
    row.handle = Decimal(s);

    viPrintf(s, "PROD MODEL?\n");
    linkio::Pause(100);
    CString m = ReadText(s);
    linkio::Pause(100);
    viClear(s);
    viPrintf(s, "*IDN-KVRN-PRI?\n");
    linkio::Pause(100);
    CString p1 = ReadText(s);
    viClear(s);
    viPrintf(s, "IDN-KVRN-PRI?\n");
    linkio::Pause(100);
    CString p2 = ReadText(s);
    viClear(s);
    row.tag = VisaFamilyTag(idn, m, p1, p2);
    next();
  }
  return 0;
}
