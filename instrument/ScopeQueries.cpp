// Oscilloscope search over VISA, the scale, time-base and offset queries over
// VISA and raw USB, the raw-USB transfer set-up, and reply-value parsing.
#include "instrument/InstrumentLink.h"

#include "instrument/LinkServices.h"
#include "platform/afx/CrtScan.h"
#include "platform/afx/Exception.h"
#include "platform/visa/Visa.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The number at the start of a reply field, read with a point whatever the
// desktop's locale (units after the digits are ignored).
double LeadingNumber(const CString& text) { return CrtStrtod(text, nullptr); }

CString Formatted(const char* format, double value) {
  CString out;
  out.Format(format, value);
  return out;
}

// Integer text: blanks removed, optional sign, "0X" hexadecimal, else the
// decimal digits before any point.
long TextToInt(const CString& text) {
  CString t = text;
  t.Remove(' ');
  return std::strtol(t, nullptr, (t.Left(2) == "0X" || t.Left(2) == "0x") ? 16 : 10);
}

void StripLineEnds(CString& text) {
  text.TrimRight('\n');
  text.TrimRight('\r');
}

float ParseScaleReply(const char* reply) {
  CString value;
  CInstrumentLink::LastFieldValue(reply, value);
  return static_cast<float>(LeadingNumber(value));
}

}  // namespace

void CInstrumentLink::LastFieldValue(const CString& reply, CString& value, bool sampleCount) {
  CString r = reply;
  StripLineEnds(r);
  int comma = r.ReverseFind(',');
  int blank = r.ReverseFind(' ');
  CString field = comma >= 0 ? r.Mid(comma + 1) : blank >= 0 ? r.Mid(blank + 1) : r;
  field.TrimRight("\r\n");
  value = sampleCount ? NormaliseCount(field) : NormaliseValue(field);
}

namespace {

// The field's leading number scaled by its unit prefix: "m" milli, "k" or
// "K" kilo, and "M" milli or mega as the caller says.
CString Normalise(const CString& text, bool megaM) {
  double v = LeadingNumber(text);
  if (text.FindOneOf("eE") >= 0) return Formatted("%.14lf", v);
  if (text.FindOneOf("mMkK") < 0) return v == 0 ? text : Formatted("%lf", v);
  if (text.Find('m') >= 0 || (!megaM && text.Find('M') >= 0))
    v /= 1000;
  else if (text.Find('M') >= 0)
    v *= 1000000;
  else
    v *= 1000;
  return Formatted("%lf", v);
}

}  // namespace

// Volts and seconds: "M" means milli, as instruments answer ("500MV").
CString CInstrumentLink::NormaliseValue(const CString& text) { return Normalise(text, false); }

// Sample counts ("14Mpts", "70kpts"): "M" means mega.
CString CInstrumentLink::NormaliseCount(const CString& text) { return Normalise(text, true); }

CString CInstrumentLink::NormaliseParamValue(const CString& text) {
  double v = LeadingNumber(text);
  if (text.FindOneOf("eE") >= 0) return Formatted("%.6f", v);
  return v == 0 ? text : Formatted("%lf", v);
}

bool CInstrumentLink::SearchScopes(const CString& address) {
  g_ScopeTable = {};
  if (address.IsEmpty()) {
    g_UsbDeviceCount = CountUsbDevices(nullptr);
    g_VisaScopeCount = FindVisaScopes(address);
  } else {
    g_VisaScopeCount = FindVisaScopes(address);
  }
  if (g_UsbDeviceCount == 0 && g_VisaScopeCount == 0) {
    linkio::ShowMessage(linkio::TranslatedText(321));
    return false;
  }
  if (g_VisaScopeCount != 0) return true;
  linkio::ShowMessage(linkio::TranslatedText(322));
  return false;
}

int CInstrumentLink::FindVisaScopes(const CString& address) {
  g_VisaStatus = 0;
  g_VisaStatus = viOpenDefaultRM(&g_VisaDefaultRM);
  if (g_VisaStatus < 0) return 0;
  linkio::Pause(100);
  if (address.IsEmpty()) {
    g_VisaStatus = viFindRsrc(g_VisaDefaultRM, "USB?*INSTR", &g_VisaFindList, &g_VisaFindCount,
                              g_VisaDescriptor);
    linkio::Pause(100);
    g_VisaScopeCount = static_cast<LONG>(g_VisaFindCount);
  } else {
    g_VisaScopeCount = 1;
    std::memset(g_VisaDescriptor, 0, sizeof g_VisaDescriptor);
    std::snprintf(g_VisaDescriptor, sizeof g_VisaDescriptor, "TCPIP0::%s::INSTR",
                  static_cast<const char*>(address));
  }
  if (g_VisaStatus < 0) {
    viClose(g_VisaDefaultRM);
    return 0;
  }
  int rows = 0;
  for (LONG i = 0; i < g_VisaScopeCount; ++i) {
    try {
      CString channels = QueryChannelCount(g_VisaDescriptor);
      if (rows < kDeviceTableRows)
        g_ScopeTable[static_cast<std::size_t>(rows++)] = {g_VisaDescriptor, "-1", "USBTMC",
                                                          channels};
    } catch (CException* e) {
      e->Delete();  // the resource did not open or answer: left out without a message
    }
    if (address.IsEmpty()) viFindNext(g_VisaFindList, g_VisaDescriptor);
  }
  return rows;
}

CString CInstrumentLink::QueryChannelCount(const char* descriptor) {
  try {
    VisaOpen(descriptor);
    VisaSend("CHS?\n");
    char reply[256] = {};
    VisaReceive(reply);
    const char* blank = std::strchr(reply, ' ');
    CString channel =
        blank ? CString(blank + 1, blank[1] ? 1 : 0) : CString(reply, reply[0] ? 1 : 0);
    VisaClose();
    return channel;
  } catch (CException* e) {
    e->Delete();
    linkio::ThrowAbort();
  } catch (...) {
    linkio::ThrowAbort();
  }
}

namespace {

// A scale or offset query: send, receive, take the reply's last field.
float VisaScaleQuery(CInstrumentLink& self, const CString& command) {
  self.VisaSend(command + "\n");
  char reply[256] = {};
  self.VisaReceive(reply);
  return ParseScaleReply(reply);
}

float UsbScaleQuery(CInstrumentLink& self, const CString& command) {
  self.SendUsbCommand(command);
  self.PollAfterCommand(false);
  CString reply;
  self.ReadUsbReply(reply);
  return ParseScaleReply(reply);
}

}  // namespace

float CInstrumentLink::QueryVdivVisa(const CString& channel) {
  return VisaScaleQuery(*this, channel + ":VDIV?");
}
float CInstrumentLink::QueryOfstVisa(const CString& channel) {
  return VisaScaleQuery(*this, channel + ":OFST?");
}
float CInstrumentLink::QueryVdivUsb(const CString& channel) {
  return UsbScaleQuery(*this, channel + ":VDIV?");
}
float CInstrumentLink::QueryOfstUsb(const CString& channel) {
  return UsbScaleQuery(*this, channel + ":OFST?");
}

float CInstrumentLink::QueryTdivVisa() {
  VisaSend("TDIV?\n");
  linkio::Pause(50);
  char reply[256] = {};
  VisaReceive(reply);
  CString r(reply);
  int blank = r.Find(' ');
  int s = r.Find('S');
  if (s < 0) return 0.0f;
  CString number = r.Mid(blank + 1, s - blank - 1);
  return static_cast<float>(LeadingNumber(number));
}

float CInstrumentLink::QuerySampleRateVisa() {
  VisaSend("SARA?\n");
  linkio::Pause(50);
  char reply[256] = {};
  VisaReceive(reply);
  CString r(reply);
  int blank = r.Find(' ');
  int sa = r.Find("Sa");
  CString number = sa < 0 ? r.Mid(blank + 1) : r.Mid(blank + 1, sa - blank - 1);
  double v = LeadingNumber(number);
  if (number.Find('M') >= 0)
    v *= 1e6;
  else if (number.Find('K') >= 0)
    v *= 1e3;
  else if (number.Find('G') >= 0)
    v *= 1e9;
  return static_cast<float>(v);
}

int CInstrumentLink::SetupUsbWaveformRead(const CString& channel) {
  SendUsbCommand("WFSU type,0,frmt,1");
  PollAfterCommand(false);
  SendUsbCommand("SANU? " + channel);
  PollAfterCommand(true);
  CString reply, count;
  ReadUsbReply(reply);
  LastFieldValue(reply, count, true);
  int n = static_cast<int>(TextToInt(count));
  SendUsbCommand("WFSU NP," + count);
  PollAfterCommand(false);
  return n;
}

bool CInstrumentLink::FindDataMidpoint(const BYTE* buffer, int& index) {
  int first = 0;
  for (int i = 0; i < 65536; ++i)
    if (buffer[i]) {
      first = i;
      break;
    }
  int last = -1;
  for (int j = 2999; j >= 1; --j)
    if (buffer[j]) {
      last = j;
      break;
    }
  index = last < 0 ? first / 2 : (first + last) / 2;
  return true;
}
