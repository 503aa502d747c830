#pragma once
// CInportFromSCOPE (template 500): captures one channel of an oscilloscope
// and makes it a new waveform "Wavename<k>" of 16K or 512K samples in a
// window of its own. The connection dialog runs it with the address to
// search in g_ScopeIpAddress (empty for USB). A capture is checked before
// anything is decoded; one that fails says why and creates nothing. The
// raw-USB device an import loaded is released however the dialog closes.

#include "platform/window/WindowSide.h"

#include "instrument/InstrumentLink.h"
#include "platform/window/Controls.h"
#include "platform/window/Dialog.h"

#include <array>

// The program-wide capture buffers, allocated once at their full sizes: the
// raw capture (the VISA response or the raw-USB codes), the samples in volts,
// the stretch step's interpolated sequence and the samples of the new record.
constexpr std::size_t kScopeRawBytes = 33882112;
constexpr std::size_t kScopeSampleCapacity = kScopeRawBytes / sizeof(float);
constexpr int kImportShort = 16384;
constexpr int kImportLong = 524288;
extern std::array<BYTE, kScopeRawBytes> g_ScopeRawBuf;
extern std::array<float, kScopeSampleCapacity> g_ScopeSamples;
extern std::array<float, 2 * kImportLong + 1> g_ScopeStretched;
extern std::array<float, kImportLong> g_ScopeResampled;

class CInportFromSCOPE : public CDialog {
 public:
  enum { IDD = 500 };
  // The template's controls.
  enum Control : int {
    IDC_CH1 = 1089,
    IDC_CH2 = 1096,
    IDC_CH3 = 1090,
    IDC_CH4 = 1091,
    IDC_IMPORT = 1284,
    IDC_SCOPES = 1286,
    IDC_UNLOAD = 1287,
    IDC_LENGTH = 1308,
  };
  explicit CInportFromSCOPE(CWnd* parent = nullptr);

  CComboBox scopeList;  // 1286: the oscilloscopes found (sorted)
  CInstrumentLink link;

  // Byte codes (25 codes a division) to volts in g_ScopeSamples: the network
  // block's codes are two's complement, v = code x vdiv / 25 - offset; the
  // raw-USB reply's are unsigned about 132, v = (code - 132) x vdiv / 25 -
  // offset. The extremes start from the first sample. Both return the count
  // converted.
  static int ConvertCodesVisa(const BYTE* codes, int count, float vdiv, float offset, float& max,
                              float& min);
  static int ConvertCodesUsb(const BYTE* codes, int count, float vdiv, float offset, float& max,
                             float& min);
  // `count` samples to `length`: picked when there are more, stretched when
  // fewer.
  static void ResampleToLength(const float* source, int count, float* destination, int length);
  // destination[k] = source[floor(k x count / length)], in 64-bit integers.
  static void PickSamples(const float* source, int count, float* destination, int length);
  // m = trunc(length / count + 0.95) values between each pair of neighbours,
  // padded with the last value up to `length`; returns the sequence's length
  // (at most 2 x length + 1; a count above length is taken as length).
  static int InterpolateSamples(const float* source, int count, float* destination, int length);
  static void StretchSamples(const float* source, int count, float* destination, int length);
  // Horizontal divisions from the two private identity replies: 18 for a
  // KRP1 model that is not an X model, else 14.
  static int Divisions(const CString& first, const CString& second);

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnImport();
  void OnUnload();
  void OnScopeChange();
  void OnCheck1() { OnChannelCheck(0); }
  void OnCheck2() { OnChannelCheck(1); }
  void OnCheck3() { OnChannelCheck(2); }
  void OnCheck4() { OnChannelCheck(3); }
  void OnDestroy();
  DECLARE_MESSAGE_MAP()

 private:
  void OnChannelCheck(int channel);
  void FillScopeList();
  int FindScopeRow(const CString& resource) const;
  int ScopeUsbIndex(const CString& resource) const;
  void EnableChannels(const CString& channels);
  int CheckedChannel() const;
  // The capture of one channel ("C1" to "C4") and its new waveform.
  void ImportChannelVisa(const CString& channel);
  void ImportChannelUsb(const CString& channel);
  void CreateImportedWave(int count, float max, float min, double tdiv, int divisions);
};
