// Read-back from simulated generators: parameters, point count by family,
// unpacking, the stored-waveform list and the failures that keep what was.
#include "LinkFixture.h"

#include "waveform/WaveCollections.h"

namespace {

sim::Bytes CodeBytes(const std::vector<int>& codes) {
  sim::Bytes out;
  for (int c : codes) {
    out.push_back(static_cast<std::uint8_t>(c & 0xFF));
    out.push_back(static_cast<std::uint8_t>((c >> 8) & 0xFF));
  }
  return out;
}

std::vector<float> Samples() {
  const auto& v = g_LastReadWave.samples;
  return std::vector<float>(v.GetData(), v.GetData() + v.GetSize());
}

}  // namespace

TEST(StoredList, PairsAndLookup) {
  CInstrumentLink::ParsePositionList("M1,sine,M2,ramp");
  EXPECT_EQ(g_StoredWaves[0].position, "M1");
  EXPECT_EQ(g_StoredWaves[1].name, "ramp");
  EXPECT_EQ(CInstrumentLink::FindStoredPosition("ramp"), "M2");
  EXPECT_EQ(CInstrumentLink::FindStoredPosition("Ramp"), "");
  CInstrumentLink::ParsePositionList("M1,sine,M2");
  EXPECT_EQ(g_StoredWaves[1].position, "");
  EXPECT_EQ(g_StoredWaves[1].name, "M2");
  CInstrumentLink::ParsePositionList(",x");
  EXPECT_EQ(g_StoredWaves[0].name, "");
  std::string many;
  for (int i = 0; i < 250; ++i) many += "M" + std::to_string(i) + ",w" + std::to_string(i) + ",";
  CInstrumentLink::ParsePositionList(many.c_str());  // more pairs than rows: the rest is dropped
  EXPECT_EQ(g_StoredWaves[199].name, "w199");
}

TEST(StoredList, DataStartAfterTheNinthComma) {
  std::string reply = "WVDT POS,M1,WVNM,a,TYPE,5,LENGTH,1KB,WAVEDATA,\x01\x02";
  auto bytes = Bytes(reply);
  EXPECT_EQ(CInstrumentLink::FindWaveDataStart(bytes.data(), bytes.size()), reply.size() - 2);
  EXPECT_EQ(CInstrumentLink::FindWaveDataStart(bytes.data(), 20), 0u);
}

TEST(Params, FieldsInOrderAndUntouchedList) {
  ResetLinkState();
  CInstrumentLink::ParsePositionList("M50,sine");
  CInstrumentLink::ParseWaveParams(
      "WVPR POS,P,WVNM,wavename,FREQ,500,AMPL,4.00E00 ,OFST,0.00E00, PHASE,9.00E01");
  EXPECT_DOUBLE_EQ(g_LastReadWave.frequency, 500);
  EXPECT_DOUBLE_EQ(g_LastReadWave.period, 2);
  EXPECT_EQ(g_LastReadWave.periodUnit, 2);
  EXPECT_DOUBLE_EQ(g_LastReadWave.amplitude, 4);
  EXPECT_DOUBLE_EQ(g_LastReadWave.phase, 90);
  EXPECT_EQ(g_StoredWaves[0].name, "sine");  // the dialogs' list survives a parse
  CInstrumentLink::ParseWaveParams("FREQ,0,PRED,3");
  EXPECT_DOUBLE_EQ(g_LastReadWave.period, 3);
  EXPECT_EQ(g_LastReadWave.periodUnit, 1);
  CInstrumentLink::ParseWaveParams("PRED,3,FREQ,0");
  EXPECT_DOUBLE_EQ(g_LastReadWave.period, 0);
  EXPECT_EQ(g_LastReadWave.periodUnit, 1);
  EXPECT_DOUBLE_EQ(g_LastReadWave.amplitude, 4);  // no AMPL: kept
}

class ReadBack : public LinkFixture {
 protected:
  void OpenUsbtmc(std::shared_ptr<sim::SimGenerator> gen) {
    AttachUsbtmc(gen);
    viOpenDefaultRM(&g_VisaDefaultRM);
    ASSERT_EQ(viOpen(g_VisaDefaultRM, "USB0::0x1234::0x0100::S1::INSTR", 0, 0, &g_VisaInstrument),
              VI_SUCCESS);
  }
};

TEST_F(ReadBack, SixteenBitUserWaveOverVisa) {
  auto gen = Generator("KRV1000X");
  gen->Store("abc", {"abc", "1.00E03", "2.00E00", "5.00E-01", "0.00E00",
                     CodeBytes({0x8000, 0x7FFF, 0, 0x4000})});
  OpenUsbtmc(gen);
  ASSERT_TRUE(link.ReadWaveFromGenerator("user:abc", "USBTMCKRV1000X"));
  EXPECT_EQ(gen->Log()[0], "WVPR? M0");
  EXPECT_EQ(gen->Log()[1], "WVDT? USER,abc");
  EXPECT_EQ(g_LastReadWave.name, "abc");
  // A user read asks for the parameters at M0 (4 Vpp, no offset here).
  EXPECT_EQ(Samples(), (std::vector<float>{-2.0f, 2.0f * 32767 / 32768, 0.0f, 1.0f}));
  EXPECT_EQ(g_TransferPoints, 4);  // 8 bytes, "8B"
  EXPECT_EQ(g_nPointCount, 4);
  EXPECT_EQ(Pauses(), (std::vector<DWORD>{500, 500}));
}

TEST_F(ReadBack, FourteenBitSlotOverRawUsb) {
  auto gen = Generator("KRV1000");
  std::vector<int> codes(16384, 0);
  codes[0] = 0x2000;
  codes[1] = 0x1FFF;
  gen->Store("M51", {"ramp", "1.00E03", "4.00E00", "0.00E00", "0.00E00", CodeBytes(codes)});
  usbDriver->Attach(gen);
  link.SelectUsbDevice(0);
  CInstrumentLink::ParsePositionList("M50,EMPTY,M51,ramp");
  ASSERT_TRUE(link.ReadWaveFromGenerator("ramp", "USBKRV1000"));
  EXPECT_EQ(gen->Log()[0], "WVPR? M51");
  auto s = Samples();
  ASSERT_EQ(s.size(), 16384u);
  EXPECT_FLOAT_EQ(s[0], -2.0f);
  EXPECT_FLOAT_EQ(s[1], 2.0f * 8191 / 8192);
  EXPECT_FLOAT_EQ(s[2], 0.0f);
}

TEST_F(ReadBack, FailuresKeepTheLastRead) {
  auto gen = Generator("KRV1000X");
  gen->Store("abc", {"abc", "1.00E03", "2.00E00", "0.00E00", "0.00E00",
                     CodeBytes(std::vector<int>(64, 0x1000))});
  OpenUsbtmc(gen);
  ASSERT_TRUE(link.ReadWaveFromGenerator("user:abc", "USBTMCKRV1000X"));
  const std::vector<float> before = Samples();
  // Each failure says what happened: no answer, or data that disagrees with
  // the length the reply announced (fewer bytes, or more).
  struct Row {
    const char* fault;
    const char* message;
  };
  for (Row r : {Row{"no-reply", "text 609"}, Row{"truncated-block", "text 612"},
                Row{"wrong-length", "text 612"}, Row{"overlong-block", "text 612"}}) {
    sim::SimFaults faults;
    ASSERT_TRUE(sim::SetFaultByName(faults, r.fault));
    gen->SetFaults(faults);
    messages.clear();
    EXPECT_FALSE(link.ReadWaveFromGenerator("user:abc", "USBTMCKRV1000X")) << r.fault;
    EXPECT_EQ(messages, std::vector<std::string>{r.message}) << r.fault;
    EXPECT_EQ(Samples(), before) << r.fault;
    viClear(g_VisaInstrument);
  }
  gen->SetFaults({});
  // A length field that announces no sample, or one, reads nothing.
  for (std::size_t bytes : {0u, 2u}) {
    gen->Store("tiny", {"tiny", "1.00E03", "2.00E00", "0.00E00", "0.00E00", sim::Bytes(bytes, 0)});
    messages.clear();
    EXPECT_FALSE(link.ReadWaveFromGenerator("user:tiny", "USBTMCKRV1000X")) << bytes;
    EXPECT_EQ(messages.size(), 1u) << bytes;
    EXPECT_EQ(Samples(), before) << bytes;
  }
  // A reply without nine commas has no data start.
  EXPECT_FALSE(link.ReadWaveFromGenerator("user:nothere", "USBTMCKRV1000X"));
  EXPECT_EQ(Samples(), before);
}

// Long read-backs are unpacked in pieces into buffers the link keeps: each
// read gives its own samples, never what an earlier, longer or shorter, one
// left behind, also when it is written over the last read's samples.
TEST_F(ReadBack, LongReadsGiveTheirOwnSamples) {
  auto gen = Generator("KRV1000X");
  OpenUsbtmc(gen);
  ASSERT_EQ(viSetAttribute(g_VisaInstrument, VI_ATTR_TMO_VALUE, 60000), VI_SUCCESS);
  auto store = [&](std::size_t count, int step) {
    std::vector<int> codes(count);
    for (std::size_t i = 0; i < count; ++i) codes[i] = static_cast<int>((i * step) & 0xFFFF);
    gen->Store("long", {"long", "1.00E03", "2.00E00", "0.00E00", "0.00E00", CodeBytes(codes)});
    // A user read takes the parameters at M0 (4 Vpp, no offset): each volt
    // value is the signed code over 16384, exactly.
    std::vector<float> volts(count);
    for (std::size_t i = 0; i < count; ++i)
      volts[i] = static_cast<float>(static_cast<std::int16_t>(codes[i])) / 16384.0f;
    return volts;
  };
  constexpr std::size_t kLong = (std::size_t{3} << 20) + 3, kShort = (std::size_t{1} << 20) + 1;
  for (auto [count, step] :
       {std::pair{kLong, 7}, std::pair{kShort, 3}, std::pair{kLong, 11}, std::pair{kLong, 13}}) {
    const std::vector<float> expected = store(count, step);
    ASSERT_TRUE(link.ReadWaveFromGenerator("user:long", "USBTMCKRV1000X")) << count << " " << step;
    EXPECT_TRUE(Samples() == expected) << count << " " << step;
  }
}

TEST_F(ReadBack, PointCountByFamily) {
  struct Row {
    const char* model;
    const char* tag;
    std::size_t bytes;
    long expected;  // 0: refused, the count does not cover what arrived
  };
  const Row rows[] = {
      {"KRV5000", "USBTMCKRV5000", 32768, 16384},     {"KRV5000", "USBTMCKRV5000", 1048576, 524288},
      {"KRV5000", "USBTMCKRV5000", 65536, 0},  // 64KB keeps the previous 16,384: half the data
      {"KRV5000", "USBTMCKRV5000", 16384, 0},  // 16KB against a count of 16,384
      {"KRP1000X", "USBTMCKRP1000X", 32768, 16384},   {"KRP1000X", "USBTMCKRP1000X", 65536, 0},
      {"KRP1000X-E", "USBTMCKRP1000X-E", 2000, 1000},
  };
  for (const Row& r : rows) {
    auto gen = Generator(r.model);
    gen->Store("M60", {"w", "1.00E03", "2.00E00", "0.00E00", "0.00E00", sim::Bytes(r.bytes, 0)});
    gen->Store("w", {"w", "1.00E03", "2.00E00", "0.00E00", "0.00E00", sim::Bytes(r.bytes, 0)});
    usbtmc = std::make_shared<sim::FakeUsbtmcSystem>();
    visa::SetUsbtmcSystem(usbtmc);
    serials = 0;
    OpenUsbtmc(gen);
    CInstrumentLink::ParsePositionList("M60,w");
    g_TransferPoints = 16384;
    bool user = std::string(r.tag).find("KRP1000X-E") != std::string::npos;
    g_LastReadWave.samples.SetSize(0, FALSE);
    messages.clear();
    EXPECT_EQ(link.ReadWaveFromGenerator(user ? "user:w" : "w", r.tag), r.expected != 0)
        << r.tag << " " << r.bytes;
    EXPECT_EQ(static_cast<long>(g_LastReadWave.samples.GetSize()), r.expected)
        << r.tag << " " << r.bytes;
    EXPECT_EQ(messages,
              r.expected ? std::vector<std::string>{} : std::vector<std::string>{"text 612"});
    viClose(g_VisaDefaultRM);
  }
}

// The protocol test dialog's steps over raw USB: parameters written and asked
// for, their reply parsed, and the data read as 14-bit codes.
TEST_F(ReadBack, TestDialogStepsOverRawUsb) {
  auto gen = Generator("KRV1000");
  std::vector<int> codes(100, 0);
  codes[0] = 0x2000;
  gen->Store("M51", {"ramp", "5.00E02", "2.00E00", "1.00E00", "0.00E00", CodeBytes(codes)});
  usbDriver->Attach(gen);
  link.SelectUsbDevice(0);
  g_OutputChannel = 1;

  CWaveData w;
  w.freq = 2;
  w.frequnit = 3;
  w.vpp = 500;
  w.vppunit = 1;
  g_WaveArray.RemoveAll();
  int index = g_WaveArray.Add(w);
  link.WriteWaveParams("M52", index, "sq");
  link.WriteWaveParams("M52", -1, "sq");  // no record: nothing sent
  const std::string params =
      "C2:WVPR "
      "POS,M52,WVNM,sq,FREQ,2000.000000000,AMPL,0.500000000,OFST,0.000000000,PHASE,0.000000000";
  ASSERT_EQ(gen->Log(), (std::vector<std::string>{params}));
  EXPECT_EQ(messages, (std::vector<std::string>{"发送参数" + params}));
  g_WaveArray.RemoveAll();

  messages.clear();
  clock.Clear();
  link.QueryWaveParams("M51");
  EXPECT_EQ(g_LastReadWave.name, "M51");
  EXPECT_EQ(gen->Log().back(), "C2:WVPR? M51");
  EXPECT_EQ(Pauses(), std::vector<DWORD>{500});
  link.ReadWaveParams("M51");
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], "发送获取参数命令C2:WVPR? M51");
  EXPECT_EQ(messages[1].rfind("收到的参数WVPR POS,M51,WVNM,ramp,", 0), 0u) << messages[1];
  EXPECT_DOUBLE_EQ(g_LastReadWave.frequency, 500);
  EXPECT_DOUBLE_EQ(g_LastReadWave.period, 2);
  EXPECT_DOUBLE_EQ(g_LastReadWave.amplitude, 2);
  EXPECT_DOUBLE_EQ(g_LastReadWave.offset, 1);

  ASSERT_TRUE(link.ReadWaveDataRaw("M51"));
  EXPECT_EQ(gen->Log().back(), "WVDT? M51");
  auto s = Samples();
  ASSERT_EQ(s.size(), 100u);    // the codes that came, not the last send's count
  EXPECT_FLOAT_EQ(s[0], 0.0f);  // -half plus the offset
  EXPECT_FLOAT_EQ(s[1], 1.0f);
  gen->Store("M53", {"none", "", "", "", "", {}});
  EXPECT_FALSE(link.ReadWaveDataRaw("M53"));
  EXPECT_EQ(Samples().size(), 100u);
}
