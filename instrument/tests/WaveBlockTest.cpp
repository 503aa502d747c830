// The generator waveform block: formatters, header, packing, write and commit.
#include "LinkFixture.h"

#include "instrument/LinkMessages.h"
#include "waveform/WaveCollections.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <limits>
#include <unistd.h>

namespace {

CWaveData Wave(std::vector<float> samples, double vpp = 2, int vppunit = 0, double offset = 0,
               int offsetunit = 0) {
  CWaveData w;
  w.freq = 1;
  w.frequnit = 3;
  w.vpp = vpp;
  w.vppunit = vppunit;
  w.offset = offset;
  w.offsetunit = offsetunit;
  w.samplecount = static_cast<int>(samples.size());
  w.thedata.SetSize(static_cast<unsigned>(samples.size()), TRUE);
  for (std::size_t i = 0; i < samples.size(); ++i) w.thedata[static_cast<unsigned>(i)] = samples[i];
  return w;
}

std::vector<WORD> Codes(const CWaveData& w, const char* tag) {
  std::vector<BYTE> block;
  CString header = "H";
  std::size_t length = CInstrumentLink::PackWaveFrame(header, w, block, tag);
  std::vector<WORD> codes;
  for (std::size_t i = 13; i + 1 < length; i += 2)
    codes.push_back(static_cast<WORD>(block[i] | block[i + 1] << 8));
  return codes;
}

}  // namespace

TEST(WaveBlock, Formatters) {
  EXPECT_EQ(CInstrumentLink::FormatFrequency(2.5, 3), "2500.000000000");
  EXPECT_EQ(CInstrumentLink::FormatFrequency(7, 9), "7.000000000");
  EXPECT_EQ(CInstrumentLink::FormatPeriod(5, 4), "0.000000005");
  EXPECT_EQ(CInstrumentLink::FormatAmplitude(200, 1), "0.200000000");
  EXPECT_EQ(CInstrumentLink::FormatOffset(-50, 1), "-0.050000000");
}

TEST(WaveBlock, HeadersByFamily) {
  g_OutputChannel = 0;
  CWaveData w = Wave(std::vector<float>(16384, 0.0f));
  EXPECT_EQ(CInstrumentLink::BuildWaveHeader("M50", "ramp", w, "USBTMCKRV1000X"),
            "C1:WVDT "
            "WVNM,ramp,TYPE,5,LENGTH,32KB,FREQ,1000.000000000,AMPL,2.000000000,OFST,0.000000000,"
            "PHASE,0.000000000,WAVEDATA,");
  EXPECT_EQ(CInstrumentLink::BuildWaveHeader("M50", "ramp", w, "USBTMCKRV1000").Left(36),
            "C1:WVDT M50,WVNM,ramp,TYPE,5,LENGTH,");
  g_OutputChannel = 1;
  EXPECT_EQ(CInstrumentLink::BuildWaveHeader("", "r", w, "USBKRV1000").Left(17),
            "C2:WVDT ,WVNM,r,T");
  g_OutputChannel = 0;
  struct Row {
    int n;
    const char* length;
  };
  for (Row r : {Row{16384, "LENGTH,32KB,"}, Row{1000, "LENGTH,1KB,"}, Row{100, "LENGTH,0KB,"},
                Row{512, "LENGTH,1KB,"}, Row{8388608, "LENGTH,16384KB,"}}) {
    w.samplecount = r.n;
    EXPECT_GE(CInstrumentLink::BuildWaveHeader("M1", "a", w, "USBTMCKRV5000").Find(r.length), 0)
        << r.n;
  }
}

TEST(WaveBlock, CodesClampAtFullScale) {
  CWaveData w = Wave({1.0f, 0.5f, 0.0f, -0.5f, -1.0f, 1.01f, -1.01f, 40.0f});
  EXPECT_EQ(Codes(w, "USBTMCKRV1000X"),
            (std::vector<WORD>{0x7FFE, 0x3FFE, 0, 0xC000, 0x8000, 0x7FFE, 0x8000, 0x7FFE}));
  EXPECT_EQ(Codes(w, "USBTMCKRV1000"),
            (std::vector<WORD>{0x1FFF, 0x0FFF, 0, 0x3000, 0x2000, 0x1FFF, 0x2000, 0x1FFF}));
  // Offset in the amplitude's unit: 500 mVpp with 0.1 V offset works in mV.
  CWaveData mv = Wave({350.0f, 100.0f}, 500, 1, 0.1, 0);
  EXPECT_EQ(Codes(mv, "USBTMCKRV1000X"), (std::vector<WORD>{0x7FFE, 0}));
  CWaveData flat = Wave({1.0f}, 0);  // zero amplitude: code 0, no division
  EXPECT_EQ(Codes(flat, "USBTMCKRV1000X"), (std::vector<WORD>{0}));
  // A sample that is not a number, or infinite, packs as 0, not as full scale.
  constexpr float kInf = std::numeric_limits<float>::infinity();
  CWaveData odd = Wave({std::numeric_limits<float>::quiet_NaN(), kInf, -kInf, 0.25f});
  EXPECT_EQ(Codes(odd, "USBTMCKRV1000X"), (std::vector<WORD>{0, 0, 0, 0x1FFE}));
  EXPECT_EQ(Codes(odd, "USBTMCKRV1000"), (std::vector<WORD>{0, 0, 0, 0x07FF}));
  CWaveData longer = Wave({1.0f, 1.0f, 1.0f});
  longer.samplecount = 2;
  EXPECT_EQ(Codes(longer, "USBTMCKRV1000X").size(), 2u);
  longer.samplecount = 4;
  EXPECT_EQ(Codes(longer, "USBTMCKRV1000X"), (std::vector<WORD>{0x7FFE, 0x7FFE, 0x7FFE, 0}));
  EXPECT_EQ(g_TransferPoints, 4);
  EXPECT_EQ(g_TransferBytes, 8);
}

// A long record is packed in pieces at once: every code still lands in its
// own place, to the last one. Each sample sits half a step inside its code,
// so the expected code (one below the truncated quotient) is plain.
TEST(WaveBlock, LongRecordsPackEveryCodeInPlace) {
  constexpr std::size_t kCount = (std::size_t{3} << 20) + 5;
  std::vector<float> samples(kCount);
  std::vector<WORD> expected(kCount);
  for (std::size_t i = 0; i < kCount; ++i) {
    const int v = static_cast<int>((i * 7919) % 65535) - 32767;  // -32767 ... 32767
    const double inside = v > 0 ? 0.5 : v < 0 ? -0.5 : 0.0;
    samples[i] = static_cast<float>((v + inside) / 32767.5);
    expected[i] = static_cast<WORD>(v == 0 ? 0 : v - 1);
  }
  const CWaveData w = Wave(samples);
  EXPECT_EQ(Codes(w, "USBTMCKRV1000X"), expected);
  for (WORD& code : expected) code = static_cast<WORD>(code >> 2);
  EXPECT_EQ(Codes(w, "USBTMCKRV1000"), expected);
}

using WaveWrite = LinkFixture;

TEST_F(WaveWrite, VisaBlockAndCommitByFamily) {
  for (const char* model : {"KRV1000X", "KRV1000"}) {
    auto gen = Generator(model);
    ASSERT_NO_FATAL_FAILURE(OpenOverVxi11(gen, 4096));
    std::vector<float> samples(5000);
    for (std::size_t i = 0; i < samples.size(); ++i)
      samples[i] = static_cast<float>(i % 200) / 100 - 1;
    CWaveData w = Wave(samples);
    CString tag = CString("USBTMC") + model;
    clock.Clear();
    ASSERT_TRUE(link.WriteWaveRecord("M50", w, "wave%1", tag));
    std::string key = std::string(model) == "KRV1000X" ? "wave%1" : "M50";
    auto slot = gen->Slot(key);
    ASSERT_TRUE(slot);
    std::vector<WORD> expected = Codes(w, tag);
    ASSERT_EQ(slot->data.size(), 2 * expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
      ASSERT_EQ(slot->data[2 * i] | slot->data[2 * i + 1] << 8, expected[i]) << i;
    EXPECT_EQ(gen->LastCommit(), std::string(model) == "KRV1000X" ? "wave%1" : "50");
    EXPECT_EQ(Pauses(), std::vector<DWORD>{200});
  }
}

TEST_F(WaveWrite, RawUsbPaddedFrameThenIndexCommit) {
  auto gen = Generator("KRV2000");
  usbDriver->Attach(gen);
  link.SelectUsbDevice(0);
  CWaveData w = Wave(std::vector<float>(16384, 0.25f));
  ASSERT_TRUE(link.WriteWaveRecord("M52", w, "abc", "USBKRV1000"));
  EXPECT_EQ(gen->Log().back(), "C1:ARWV INDEX, 52");  // by index over raw USB, every family
  EXPECT_EQ(gen->Slot("abc")->data.size(), 32768u);
  EXPECT_TRUE(Pauses().empty());
}

TEST_F(WaveWrite, PaddingToSixtyFourBytes) {
  auto gen = Generator("KRV1000");
  usbDriver->Attach(gen);
  link.SelectUsbDevice(0);
  struct Row {
    std::size_t frame, written;
  };
  for (Row r : {Row{32930, 32960}, Row{33024, 33024}}) {
    const sim::Bytes frame = sim::MakeFrame(sim::Bytes(r.frame - 12, 'x'), 1);
    EXPECT_TRUE(link.WriteUsbPadded(frame.data(), frame.size()));
    EXPECT_EQ(usbDriver->LastWriteCount(), r.written);
  }
  EXPECT_EQ(usbDriver->BadFramesReceived(), 0);  // the length field bounds the padded frame
}

TEST_F(WaveWrite, RefusalsWriteNothing) {
  auto gen = Generator("KRV1000");
  usbDriver->Attach(gen);
  link.SelectUsbDevice(0);
  CWaveData w = Wave({0.5f});
  for (const char* name : {"a,b", "tab\tname", "nl\n"}) {
    EXPECT_FALSE(link.WriteWaveRecord("M50", w, name, "USBKRV1000"));
  }
  w.samplecount = 20971500;  // the block would not fit the transfer buffer
  EXPECT_FALSE(link.WriteWaveRecord("M50", w, "big", "USBKRV1000"));
  EXPECT_EQ(messages.size(), 4u);
  EXPECT_FALSE(link.WriteWaveRecord("M50", w, "x", "LAN"));
  EXPECT_TRUE(gen->Log().empty());
  EXPECT_FALSE(link.WriteWaveToGenerator("M50", -1, "x", "USBKRV1000"));
  EXPECT_TRUE(Aborts([&] { link.WriteWaveToGenerator("M50", 5, "x", "USBKRV1000"); }));
}

// A raw-USB write the driver refuses, or takes only in part (a time-out part
// way), is reported and nothing is committed after it.
TEST_F(WaveWrite, FailedRawUsbWritesAreReportedAndNotCommitted) {
  struct Row {
    const char* fault;
    const char* message;
    std::size_t logged;  // messages that reached the instrument
  };
  for (Row r : {Row{"refuse-write", "text 301", 1}, Row{"partial-usb-write", "text 605", 0}}) {
    auto gen = Generator("KRV1000");
    usbDriver = std::make_shared<sim::FakeRawUsbDriver>();
    usbDriver->Attach(gen);
    rawusb::SetRawUsbDriver(usbDriver);
    link.SelectUsbDevice(0);
    sim::SimFaults f;
    ASSERT_TRUE(sim::SetFaultByName(f, r.fault));
    gen->SetFaults(f);
    messages.clear();
    EXPECT_FALSE(
        link.WriteWaveRecord("M50", Wave(std::vector<float>(16384, 0.25f)), "w", "USBKRV1000"))
        << r.fault;
    EXPECT_EQ(messages, std::vector<std::string>{r.message}) << r.fault;
    EXPECT_EQ(gen->Log().size(), r.logged) << r.fault;
    EXPECT_EQ(gen->LastCommit(), "") << r.fault;
  }
  // The partial count is said: the frame of 12 + 137 header bytes and
  // 32,768 bytes of codes is padded to 32,960.
  fake.SetText(
      605, "The instrument took only ## of the @@ bytes of the waveform; nothing was committed.");
  messages.clear();
  link.WriteWaveRecord("M50", Wave(std::vector<float>(16384, 0.25f)), "w", "USBKRV1000");
  EXPECT_EQ(messages, std::vector<std::string>{"The instrument took only 16384 of the 32960 bytes "
                                               "of the waveform; nothing was committed."});
}

TEST_F(WaveWrite, FailedVisaWriteIsReportedAndNotCommitted) {
  auto gen = AttachUsbtmc(Generator("KRV1000X"));
  viOpenDefaultRM(&g_VisaDefaultRM);
  ASSERT_EQ(viOpen(g_VisaDefaultRM, "USB0::0x1234::0x0100::S1::INSTR", 0, 0, &g_VisaInstrument),
            VI_SUCCESS);
  sim::SimFaults f;
  f.refuseWrite = true;
  gen->SetFaults(f);
  EXPECT_FALSE(link.WriteWaveRecord("M50", Wave({0.5f}), "w", "USBTMCKRV1000X"));
  EXPECT_EQ(messages, (std::vector<std::string>{"text 604"}));
  ASSERT_EQ(gen->Log().size(), 2u);  // the refused block, then the clear; no commit
  EXPECT_EQ(gen->Log()[1], "<device clear>");
  EXPECT_EQ(gen->LastCommit(), "");
  EXPECT_TRUE(Pauses().empty());  // no 200 ms wait for a commit that is not sent
}

TEST(WaveBlock, LogTextIsAppended) {
  auto folder =
      std::filesystem::temp_directory_path() / ("pelmoran-log-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  AppendLogText(folder.string(), "datawritelog.txt", "one ");
  AppendLogText(folder.string(), "datawritelog.txt", "two");
  std::ifstream in(folder / "datawritelog.txt");
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text, "one two");
  AppendLogText((folder / "missing").string(), "datawritelog.txt", "x");  // cannot open: nothing
  EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
  std::filesystem::remove_all(folder);
}

// A block write over VXI-11 that fails after its first piece leaves that
// piece on the instrument: the link clears it before anything else is sent,
// so the next message is a message of its own and the slot keeps its data.
TEST_F(WaveWrite, ABlockWriteBrokenPartWayIsClearedFromTheInstrument) {
  auto gen = Generator("KRV1000");
  ASSERT_NO_FATAL_FAILURE(OpenOverVxi11(gen, 4096));
  const sim::Bytes stored = gen->Slot("M0")->data;
  sim::SimFaults f;
  f.breakBlockWrite = true;
  gen->SetFaults(f);
  EXPECT_FALSE(
      link.WriteWaveRecord("M0", Wave(std::vector<float>(16384, 0.5f)), "w", "USBTMCKRV1000"));
  EXPECT_EQ(messages, std::vector<std::string>{"text 604"});
  gen->SetFaults({});
  char reply[256] = {};
  viPrintf(g_VisaInstrument, "*IDN?\n");
  ASSERT_EQ(viScanf(g_VisaInstrument, "%t", reply), VI_SUCCESS);
  EXPECT_STREQ(reply, "*IDN KALVO,KRV1000,KRG00000001,1.01.01.20\n");
  std::vector<std::string> log = gen->Log();
  ASSERT_EQ(log.size(), 2u);  // the clear, then the query as a message of its own
  EXPECT_EQ(log[0], "<device clear>");
  EXPECT_EQ(gen->Slot("M0")->data, stored);
  EXPECT_EQ(gen->LastCommit(), "");
}

// An instrument that closes the connection: the send and the read-back after
// it fail with "connection lost"; the program lives on.
TEST_F(WaveWrite, AnInstrumentThatHangsUpIsAConnectionLost) {
  std::signal(SIGPIPE, SIG_DFL);
  auto gen = Generator("KRV1000X");
  ASSERT_NO_FATAL_FAILURE(OpenOverVxi11(gen, 64u << 20));
  sim::SimFaults f;
  f.dropConnection = true;
  gen->SetFaults(f);
  fake.SetText(600, "the connection to the instrument was lost");
  fake.SetText(604,
               "The waveform was not sent: ##. The instrument was cleared; nothing was committed.");
  fake.SetText(608, "The waveform was not read: ##.");
  EXPECT_FALSE(
      link.WriteWaveRecord("M0", Wave(std::vector<float>(4000000, 0.5f)), "w", "USBTMCKRV1000X"));
  EXPECT_FALSE(link.ReadWaveFromGenerator("user:w", "USBTMCKRV1000X"));
  EXPECT_EQ(messages,
            (std::vector<std::string>{
                "The waveform was not sent: the connection to the instrument was lost. "
                "The instrument was cleared; nothing was committed.",
                "The waveform was not read: the connection to the instrument was lost."}));
}

TEST(LinkMessages, CausesOfFailedCalls) {
  struct Row {
    ViStatus status;
    int id;
  };
  for (Row r : {Row{VI_ERROR_CONN_LOST, 600}, Row{VI_ERROR_TMO, 601},
                Row{VI_ERROR_RSRC_LOCKED, 602}, Row{VI_ERROR_IO, 603}, Row{VI_ERROR_ALLOC, 603}})
    EXPECT_EQ(CauseOf(r.status), r.id) << VisaStatusName(r.status);
}
