#pragma once
// CInstrumentLink: the communication object through which the instrument
// dialogs talk to generators and oscilloscopes, over VISA and over the
// raw-USB driver. It holds no session: every instance acts on the link-state
// globals (instrument/LinkState.h), so any number may exist at once and
// destroying one closes and unloads nothing.

#include "instrument/LinkState.h"
#include "platform/afx/String.h"
#include "platform/afx/StringArray.h"
#include "platform/win/WinTypes.h"

#include <array>
#include <string>
#include <vector>

class CWaveData;

class CInstrumentLink {
 public:
  CInstrumentLink();
  ~CInstrumentLink();

  // ---- VISA transport
  bool VisaOpen(const char* descriptor);  // aborts when the open fails
  void VisaClose();
  bool VisaSend(const CString& command);
  ViStatus VisaReceive(char buffer[256]);  // aborts on the fatal statuses
  int ReadVisaBlock(unsigned char* buffer, std::size_t capacity);
  bool OpenFirstUsbInstrument();
  void CloseFirstUsbInstrument();

  // ---- raw-USB frame and transport
  static BYTE UsbQueryType(const CString& command);
  static BYTE FrameChecksum(const BYTE* bytes, std::size_t count);
  static WORD FrameChecksum16(const WORD* words, std::size_t count);
  static void BuildUsbCommandFrame(BYTE* buffer, const CString& command, int length);
  static BYTE BuildUsbDataFrame(BYTE* buffer, const BYTE* payload, std::size_t length);
  static bool IsNotFrameHead(const BYTE* buffer);
  bool SendUsbCommand(const CString& command);
  void ReadUsbFrame(CString& reply);
  // What one frame read brought: nothing, an accepted payload, a refused
  // frame (too long, short, bad checksum), or a payload that is itself a
  // frame head (the capture reads again after that one).
  enum class UsbRead { Nothing, Accepted, Refused, FrameHead };
  // Reassembles one frame's payload into the buffer; returns the header's
  // length, or 0 for anything but an accepted payload (which is then not kept).
  std::size_t ReadUsbData(BYTE* buffer, std::size_t capacity, UsbRead* outcome = nullptr);
  std::size_t ReadUsbBulk(BYTE* buffer, std::size_t capacity) {
    return ReadUsbData(buffer, capacity);
  }
  void ReadUsbReply(CString& reply);
  static bool JudgeReply(const CString& query, const CString& reply);
  static bool JudgeIqs(const CString& reply);
  static bool JudgeOpc(const CString& reply);
  static bool JudgeOlr(const CString& reply);
  bool QueryUsb(const CString& query);
  void PollThenRead(const CString& query, CString& reply);
  void WaitOpcThenRead(CString& reply);
  void WaitOlrThenRead(CString& reply);
  void WaitOpcOlrThenRead(CString& reply);
  void WaitUsbReply(const CString& mode, CString& reply);
  // The completion poll after a command; false when the instrument never
  // reported completion (within about a second).
  bool WaitOpcComplete();
  // Short polls of the query until one judges complete: at most 11, and no
  // more once 1.1 s have passed.
  bool PollUntilComplete(const CString& query);
  // The completion poll after a command: "*OPC?", then (when asked) a pause
  // and "OLR?", each until complete; false when one never completed.
  bool PollAfterCommand(bool thenOlr);
  void QueryUsbWithWait(const CString& command, const CString& mode, CString& reply);
  void SendDbstCommand();
  static void IsScreenDumpCommand(const CString& text);
  int CountUsbDevices(void* window);
  void SelectUsbDevice(int index);
  bool LoadUsbDevice(int& number);
  void UnloadUsbDevice(int number);
  void UnloadScopeDevice();
  void UnloadGeneratorDevice();

  // ---- discovery and identification
  bool SearchUsbGenerators();
  int ScanUsbDevices();
  int SearchVisaGenerators(const CString& address);
  static CString IdnModelField(const CString& reply);
  // Keeps the cause of the first device that was found but did not identify
  // itself (its "*IDN?" refused, unanswered or answered late).
  void NoteUnidentified(ViStatus cause);
  // The link tag of the family named by the replies ("" for none).
  static CString VisaFamilyTag(const CString& idn, const CString& prodModel,
                               const CString& private1, const CString& private2);

  // ---- oscilloscope queries and search
  bool SearchScopes(const CString& address);
  int FindVisaScopes(const CString& address);
  CString QueryChannelCount(const char* descriptor);
  float QueryVdivVisa(const CString& channel);
  float QueryTdivVisa();
  float QueryOfstVisa(const CString& channel);
  float QuerySampleRateVisa();
  float QueryVdivUsb(const CString& channel);
  float QueryOfstUsb(const CString& channel);
  int SetupUsbWaveformRead(const CString& channel);
  // The last field of a reply, normalised as a value in volts or seconds, or
  // as a sample count.
  static void LastFieldValue(const CString& reply, CString& value, bool sampleCount = false);
  static CString NormaliseValue(const CString& text);
  static CString NormaliseCount(const CString& text);
  static CString NormaliseParamValue(const CString& text);
  static bool FindDataMidpoint(const BYTE* buffer, int& index);

  // ---- generator waveform block and parameters
  BOOL WriteWaveToGenerator(const CString& position, int waveIndex, const CString& name,
                            const CString& tag);
  BOOL WriteWaveRecord(const CString& position, const CWaveData& wave, const CString& name,
                       const CString& tag);
  static void BuildWaveParams(CString& out, const CWaveData& wave);
  static CString BuildWaveHeader(const CString& position, const CString& name,
                                 const CWaveData& wave, const CString& tag);
  // Header and codes into `block` (cleared first); returns the frame length
  // 12 + H + 2N.
  static std::size_t PackWaveFrame(const CString& header, const CWaveData& wave,
                                   std::vector<BYTE>& block, const CString& tag);
  BOOL WriteUsbPadded(const BYTE* bytes, std::size_t length);
  static CString FormatFrequency(double value, int unit);
  static CString FormatPeriod(double value, int unit);
  static CString FormatAmplitude(double value, int unit);
  static CString FormatOffset(double value, int unit);
  void WriteWaveParams(const CString& position, int waveIndex, const CString& name);
  void QueryWaveParams(const CString& position);
  void SetWaveParams(const CString& position, int waveIndex, const CString& name);
  static CString BuildArwvIndexCommand(const CString& index, const CString& tag);
  // Refuses a name that would corrupt the block header (a comma, a control
  // character); the refusal text, or empty when the name is sound.
  static CString CheckWaveName(const CString& name);

  // ---- read-back and stored-waveform lists
  // False (with a message) when the read failed; g_LastReadWave then keeps
  // its samples.
  bool ReadWaveFromGenerator(const CString& name, const CString& tag);
  static void ParseWaveParams(const CString& reply);
  static void ParsePositionList(const CString& text);
  static CString FindStoredPosition(const CString& name);
  static std::size_t FindWaveDataStart(const BYTE* bytes, std::size_t count);
  static void ParseFreqField(const CString& value);
  static void ParsePredField(const CString& value);
  static void ParseAmplField(const CString& value);
  static void ParseOfstField(const CString& value);
  static void ParsePhaseField(const CString& value);
  void ReadWaveParams(const CString& position);
  bool ReadWaveDataRaw(const CString& position);

  // ---- raw-USB oscilloscope capture and screen dump
  // Copies the thinned codes into out (at most capacity); returns 300. The
  // count actually copied goes to *copied when asked for.
  int ReadScopeWaveUsb(const CString& channel, BYTE* out, std::size_t capacity,
                       std::size_t* copied = nullptr);
  bool ScreenDump(const CString& path);
  static CString BuildSourceFrequencyCommand(const CString& a, const CString& b);
  static bool IsSingleGroup(const CString& mode, BYTE* a, const BYTE* b);
  static int HexPairToByte(const CString& text);

  // Fields, in order.
  CStringArray stringList;
  bool screenDumpDone;
  LONG usbGeneratorCount = 0;
  LONG visaDeviceCount = 0;
  // The first failed identification's cause, as a VISA status (raw USB: an
  // input/output error for a refused command, a time-out for no reply);
  // VI_SUCCESS while every device found identified itself.
  ViStatus unidentified = VI_SUCCESS;
};

// One query that travels in a frame of its own type: the frame-type byte and
// the query text, NUL-padded.
struct UsbQueryEntry {
  BYTE type;
  char text[56];
};
extern const std::array<UsbQueryEntry, 5> g_UsbQueryTable;

// Capacities fixed by the protocol.
constexpr std::size_t kUsbFrameBuffer = 4096;
constexpr std::size_t kUsbPacket = 512;
constexpr std::size_t kUsbHead = 12;
constexpr std::size_t kWaveBlockBuffer = 41943042;
constexpr std::size_t kScopeAcqBuffer = 33882112;
constexpr std::size_t kScreenDumpBuffer = 424696;

// The program-wide objects of the link: the protocol test dialog's
// communication object, the raw-USB capture's reply buffer (zeroed before
// every capture, holding the last reply after it) and the screen bitmap.
extern CInstrumentLink g_StepTestLink;
extern std::array<BYTE, kScopeAcqBuffer> g_ScopeAcqBuffer;
extern std::array<BYTE, kScreenDumpBuffer> g_ScreenDumpBuffer;

// Diagnostic logs nothing calls: the text appended to "datawritelog.txt" or
// "readdata.txt" at the file-system root; nothing happens when the file cannot
// be opened. AppendLogText does the same in a given folder.
void AppendDataWriteLog(const CString& text);
void AppendReadDataLog(const CString& text);
void AppendLogText(const std::string& folder, const char* fileName, const CString& text);

// The link tag's two tests.
bool IsVisaTag(const CString& tag);
bool IsRawUsbTag(const CString& tag);
bool IsSixteenBitFamily(const CString& tag);
