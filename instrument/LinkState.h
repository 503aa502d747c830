#pragma once
// The link-state globals every instrument dialog shares, and the device,
// stored-waveform and last-read tables. Communication objects hold no
// session; they all act on these.

#include "containers/CSgScalarVector.h"
#include "platform/afx/String.h"
#include "platform/visa/VisaTypes.h"

#include <array>

// One row of a generator table; in use while `producer` is not empty.
struct GeneratorEntry {
  CString producer, model, serial, version;
  CString handle;  // VISA session number or raw-USB device index, as decimal text
  CString tag;     // link tag: "USBTMC" + family, "USBKRV1000", or empty
};

// One row of the oscilloscope table.
struct ScopeEntry {
  CString resource;  // VISA descriptor, or the raw-USB model
  CString usbIndex;  // "-1" for VISA rows
  CString linkType;  // "USBTMC" or "USBRAW"
  CString channels;  // channel count as one character
};

// One row of the stored-waveform list (a position and a name, or a keyword
// and its value after a parameter parse).
struct StoredWaveEntry {
  CString position, name;
};

struct LastReadWave {
  CString name;
  double frequency = 0;
  LONG frequencyUnit = 0;
  double period = 0;
  LONG periodUnit = 0;
  double amplitude = 0;
  LONG amplitudeUnit = 0;
  double offset = 0;
  LONG offsetUnit = 0;
  double phase = 0;
  SG::CSgScalarVector<float> samples;
};

constexpr int kDeviceTableRows = 16;
constexpr int kStoredWaveRows = 200;

extern LONG g_LinkType;
extern LONG g_LinkDirection;
extern LONG g_ImportFromScope;
extern CString g_LinkIpAddress;
extern CString g_ScopeIpAddress;
extern bool g_InstrumentConnected;
extern ViStatus g_VisaStatus;
extern ViSession g_VisaDefaultRM;
extern ViFindList g_VisaFindList;
extern ViUInt32 g_VisaFindCount;
extern char g_VisaDescriptor[256];
extern ViSession g_VisaInstrument;
extern LONG g_UsbDeviceCount;
extern LONG g_VisaScopeCount;
extern LONG g_UsbGeneratorIndex;
extern LONG g_UsbDeviceHandle;
extern bool g_WaitOpcAfterUsbCommand;
extern std::array<GeneratorEntry, kDeviceTableRows> g_UsbGenerators;
extern std::array<GeneratorEntry, kDeviceTableRows> g_VisaGenerators;
extern std::array<ScopeEntry, kDeviceTableRows> g_ScopeTable;
extern std::array<StoredWaveEntry, kStoredWaveRows> g_StoredWaves;
extern LastReadWave g_LastReadWave;
extern LONG g_OutputChannel;
extern LONG g_TransferPoints;
extern LONG g_TransferBytes;

// Back to the values at program start (tests).
void ResetLinkState();
