// Oscilloscope search and queries against the simulated oscilloscope.
#include "LinkFixture.h"

TEST(ReplyValues, NormaliseAndLastField) {
  struct Row {
    const char* reply;
    bool count;  // a sample count, where "M" is mega
    double value;
  };
  const Row rows[] = {
      {"C1:VDIV 5.00E-01V", false, 0.5},
      {"C1:VDIV 500mV", false, 0.5},
      {"C1:VDIV 500MV", false, 0.5},  // volts and seconds: "M" is milli, as instruments answer
      {"TDIV 2MS", false, 0.002},
      {"C1:VDIV 2.00kV", false, 2000},
      {"C1:VDIV 2.00KV", false, 2000},
      {"C1:OFST 0", false, 0},
      {"a,b,1.5\r\n", false, 1.5},
      {"7000\n", false, 7000},
      {"C1:VDIV ", false, 0},
      {"C1:VDIV volts", false, 0},
      {"SANU 14Mpts", true, 14000000},  // sample counts: "M" is mega
      {"SANU 70kpts", true, 70000},
      {"SANU 1.40E+07", true, 14000000},
      {"SANU 7000", true, 7000},
  };
  for (const Row& r : rows) {
    CString value;
    CInstrumentLink::LastFieldValue(r.reply, value, r.count);
    EXPECT_DOUBLE_EQ(std::strtod(value, nullptr), r.value) << r.reply << " -> " << value;
  }
  EXPECT_EQ(CInstrumentLink::NormaliseValue("5.00E-01V"), "0.50000000000000");
  EXPECT_EQ(CInstrumentLink::NormaliseValue("0"), "0");
  EXPECT_EQ(CInstrumentLink::NormaliseParamValue("1.00E03"), "1000.000000");
  EXPECT_EQ(CInstrumentLink::NormaliseParamValue("0.00E00"), "0.000000");
  EXPECT_EQ(CInstrumentLink::NormaliseParamValue("12"), "12.000000");
}

class ScopeQueries : public LinkFixture {
 protected:
  void SetUp() override {
    LinkFixture::SetUp();
    setup.channel[0].vdiv = "500mV";
    setup.channel[1].vdiv = "2.00kV";
    setup.channel[0].offset = "-1.50E-01V";
    setup.tdiv = "2.00E-06S";
    scope = std::make_shared<sim::SimScope>(setup);
  }
  sim::ScopeSetup setup;
  std::shared_ptr<sim::SimScope> scope;
};

TEST_F(ScopeQueries, VisaSearchAndQueries) {
  usbtmc->Attach(scope, 0x1234, 0x0200, "SC1");
  auto broken = std::make_shared<sim::SimScope>();
  sim::SimFaults f;
  f.refuseOpen = true;
  broken->SetFaults(f);
  usbtmc->Attach(broken, 0x1234, 0x0200, "SC2");
  ASSERT_TRUE(link.SearchScopes(""));
  EXPECT_EQ(g_VisaScopeCount, 1);  // rows written, not resources found
  EXPECT_EQ(g_ScopeTable[0].resource, "USB0::0x1234::0x0200::SC1::INSTR");
  EXPECT_EQ(g_ScopeTable[0].channels, "4");
  EXPECT_EQ(g_ScopeTable[0].linkType, "USBTMC");
  EXPECT_EQ(g_ScopeTable[0].usbIndex, "-1");

  ASSERT_TRUE(link.VisaOpen(g_ScopeTable[0].resource));
  EXPECT_FLOAT_EQ(link.QueryVdivVisa("C1"), 0.5f);
  EXPECT_FLOAT_EQ(link.QueryVdivVisa("C2"), 2000.0f);
  EXPECT_FLOAT_EQ(link.QueryOfstVisa("C1"), -0.15f);
  EXPECT_FLOAT_EQ(link.QueryTdivVisa(), 2e-6f);
  EXPECT_FLOAT_EQ(link.QuerySampleRateVisa(), 1e9f);
  // A silent instrument: the receive aborts for the caller to catch.
  f = {};
  f.noReply = true;
  scope->SetFaults(f);
  EXPECT_TRUE(Aborts([&] { link.QueryVdivVisa("C1"); }));
  link.VisaClose();
}

TEST_F(ScopeQueries, NoScopesShowTheirMessages) {
  EXPECT_FALSE(link.SearchScopes(""));
  EXPECT_EQ(messages, (std::vector<std::string>{"text 321"}));
  usbDriver->Attach(scope);
  messages.clear();
  EXPECT_FALSE(link.SearchScopes(""));
  EXPECT_EQ(messages, (std::vector<std::string>{"text 322"}));
}

TEST_F(ScopeQueries, OpenBeforeAnySearchOpensNothing) {
  EXPECT_FALSE(link.VisaOpen("USB0::0x1::0x2::S::INSTR"));
  g_VisaDefaultRM = 0;
  viOpenDefaultRM(&g_VisaDefaultRM);
  EXPECT_TRUE(Aborts([&] { link.VisaOpen("USB0::0x1::0x2::NOPE::INSTR"); }));
}

TEST_F(ScopeQueries, RawUsbQueriesAndTransferSetup) {
  usbDriver->Attach(scope);
  link.SelectUsbDevice(0);
  EXPECT_FLOAT_EQ(link.QueryVdivUsb("C1"), 0.5f);
  EXPECT_FLOAT_EQ(link.QueryOfstUsb("C1"), -0.15f);
  scope->ClearLog();
  EXPECT_EQ(link.SetupUsbWaveformRead("C1"), 7000);
  std::vector<std::string> log = scope->Log();
  ASSERT_GE(log.size(), 6u);
  EXPECT_EQ(log[0], "WFSU type,0,frmt,1");
  EXPECT_EQ(log[2], "SANU? C1");
  EXPECT_EQ(log.back(), "*OPC?");
  EXPECT_EQ(log[log.size() - 2], "WFSU NP,7000.000000");  // the normalised text, repeated
}

TEST_F(ScopeQueries, DefiniteLengthBlockStaysInTheBuffer) {
  usbtmc->Attach(scope, 0x1234, 0x0200, "SC1");
  viOpenDefaultRM(&g_VisaDefaultRM);
  ASSERT_TRUE(link.VisaOpen("USB0::0x1234::0x0200::SC1::INSTR"));
  link.VisaSend("C1:WF? ALL\n");
  // The block counts the 346-byte descriptor before the codes; one line feed ends it.
  std::vector<unsigned char> buffer(8000, 0xEE);
  EXPECT_EQ(link.ReadVisaBlock(buffer.data(), buffer.size()), 346 + 7000 + 1);
  auto codes = scope->CaptureCodes(1);
  EXPECT_TRUE(std::equal(codes.begin(), codes.end(), buffer.begin() + 346));
  EXPECT_EQ(buffer[7346], '\n');
  EXPECT_EQ(buffer[7347], 0xEE);
  link.VisaSend("C1:WF? ALL\n");
  std::vector<unsigned char> small(100, 0xEE);  // shorter than the block: never written past
  link.ReadVisaBlock(small.data(), 50);
  EXPECT_EQ(small[50], 0xEE);
}

TEST_F(ScopeQueries, FirstUsbInstrumentOpensAndCloses) {
  EXPECT_FALSE(link.OpenFirstUsbInstrument());  // nothing to find
  EXPECT_EQ(messages.size(), 1u);
  usbtmc->Attach(scope, 0x1234, 0x0200, "SC1");
  ASSERT_TRUE(link.OpenFirstUsbInstrument());
  EXPECT_EQ(link.QueryChannelCount(g_VisaDescriptor), "4");
  link.CloseFirstUsbInstrument();
  EXPECT_EQ(messages.size(), 2u);  // the instrument session was already closed by the query
  g_VisaDefaultRM = 0;
}

TEST_F(ScopeQueries, RepliesWithoutTheirMarksGiveZero) {
  setup.tdiv = "";  // "TDIV " holds no S
  setup.channel[0].vdiv = "";
  scope = std::make_shared<sim::SimScope>(setup);
  usbtmc->Attach(scope, 0x1234, 0x0200, "SC1");
  viOpenDefaultRM(&g_VisaDefaultRM);
  ASSERT_TRUE(link.VisaOpen("USB0::0x1234::0x0200::SC1::INSTR"));
  EXPECT_EQ(link.QueryTdivVisa(), 0.0f);
  EXPECT_EQ(link.QueryVdivVisa("C1"), 0.0f);
  link.VisaClose();
  // A closed session is forgotten: a send on it fails and says so.
  EXPECT_FALSE(link.VisaSend("TDIV?\n"));
  EXPECT_EQ(messages, (std::vector<std::string>{"send cmd failed"}));
}

TEST_F(ScopeQueries, TablesStopAtSixteenRows) {
  for (int i = 0; i < 17; ++i)
    usbtmc->Attach(std::make_shared<sim::SimScope>(), 0x1234, 0x0200, "SC" + std::to_string(i));
  ASSERT_TRUE(link.SearchScopes(""));
  EXPECT_EQ(g_VisaScopeCount, 16);
  EXPECT_EQ(g_ScopeTable[15].linkType, "USBTMC");
}

// A network search tries one resource and keeps the last USB count, so a
// search that finds nothing after a USB search that counted raw-USB devices
// shows message 322.
TEST_F(ScopeQueries, NetworkSearchKeepsTheUsbCount) {
  usbDriver->Attach(scope);
  EXPECT_FALSE(link.SearchScopes(""));
  messages.clear();
  visa::SetPortmapperPort(1);  // nothing answers there
  EXPECT_FALSE(link.SearchScopes("127.0.0.1"));
  visa::SetPortmapperPort(0);
  EXPECT_EQ(g_UsbDeviceCount, 1);
  EXPECT_EQ(g_VisaScopeCount, 0);
  EXPECT_STREQ(g_VisaDescriptor, "TCPIP0::127.0.0.1::INSTR");
  EXPECT_EQ(messages, (std::vector<std::string>{"text 322"}));
}
