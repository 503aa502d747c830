#include "instrument/LinkState.h"

LONG g_LinkType = 0;
LONG g_LinkDirection = 0;
LONG g_ImportFromScope = 0;
CString g_LinkIpAddress;
CString g_ScopeIpAddress;
bool g_InstrumentConnected = false;
ViStatus g_VisaStatus = 0;
ViSession g_VisaDefaultRM = 0;
ViFindList g_VisaFindList = 0;
ViUInt32 g_VisaFindCount = 0;
char g_VisaDescriptor[256] = {};
ViSession g_VisaInstrument = 0;
LONG g_UsbDeviceCount = 0;
LONG g_VisaScopeCount = 0;
LONG g_UsbGeneratorIndex = -1;
LONG g_UsbDeviceHandle = -1;
bool g_WaitOpcAfterUsbCommand = true;
std::array<GeneratorEntry, kDeviceTableRows> g_UsbGenerators;
std::array<GeneratorEntry, kDeviceTableRows> g_VisaGenerators;
std::array<ScopeEntry, kDeviceTableRows> g_ScopeTable;
std::array<StoredWaveEntry, kStoredWaveRows> g_StoredWaves;
LastReadWave g_LastReadWave;
LONG g_OutputChannel = 0;
LONG g_TransferPoints = 16384;
LONG g_TransferBytes = 32768;

void ResetLinkState() {
  g_LinkType = g_LinkDirection = g_ImportFromScope = 0;
  g_LinkIpAddress = g_ScopeIpAddress = CString();
  g_InstrumentConnected = false;
  g_VisaStatus = 0;
  g_VisaDefaultRM = g_VisaFindList = g_VisaInstrument = 0;
  g_VisaFindCount = 0;
  g_VisaDescriptor[0] = '\0';
  g_UsbDeviceCount = g_VisaScopeCount = 0;
  g_UsbGeneratorIndex = g_UsbDeviceHandle = -1;
  g_WaitOpcAfterUsbCommand = true;
  g_UsbGenerators = {};
  g_VisaGenerators = {};
  g_ScopeTable = {};
  g_StoredWaves = {};
  g_LastReadWave = LastReadWave{};
  g_OutputChannel = 0;
  g_TransferPoints = 16384;
  g_TransferBytes = 32768;
}
