// The link under a German desktop locale: replies are read, and commands and
// blocks written, with a point.
#include "LinkFixture.h"
#include "platform/win/tests/GermanLocale.h"

#include "waveform/WaveData.h"

class GermanLink : public LinkFixture {
 protected:
  void SetUp() override {
    LinkFixture::SetUp();
    PELMORAN_ENTER_GERMAN_LOCALE(german);
  }
  void TearDown() override {
    german.Leave();
    LinkFixture::TearDown();
  }
  GermanLocale german;
};

TEST_F(GermanLink, ScopeRepliesAreReadWithAPoint) {
  sim::ScopeSetup setup;
  setup.channel[0].offset = "-1.50E-01V";
  setup.channel[1].vdiv = "500mV";
  setup.tdiv = "2.50E-06S";
  usbtmc->Attach(std::make_shared<sim::SimScope>(setup), 0x1234, 0x0200, "SC1");
  viOpenDefaultRM(&g_VisaDefaultRM);
  ASSERT_TRUE(link.VisaOpen("USB0::0x1234::0x0200::SC1::INSTR"));
  EXPECT_FLOAT_EQ(link.QueryVdivVisa("C1"), 0.5f);  // "5.00E-01V", which strtod read as 5
  EXPECT_FLOAT_EQ(link.QueryVdivVisa("C2"), 0.5f);
  EXPECT_FLOAT_EQ(link.QueryOfstVisa("C1"), -0.15f);
  EXPECT_FLOAT_EQ(link.QueryTdivVisa(), 2.5e-6f);
  EXPECT_EQ(CInstrumentLink::NormaliseValue("500mV"), "0.500000");
}

TEST_F(GermanLink, ReadBackParametersAndBlockHeaderKeepThePoint) {
  auto gen = AttachUsbtmc(Generator("KRV1000"));
  gen->Store("M51", {"abc", "2.50E+03", "5.00E-01", "1.00E-01", "0.00E00", sim::Bytes(32768, 0)});
  viOpenDefaultRM(&g_VisaDefaultRM);
  ASSERT_EQ(viOpen(g_VisaDefaultRM, "USB0::0x1234::0x0100::S1::INSTR", 0, 0, &g_VisaInstrument),
            VI_SUCCESS);
  CInstrumentLink::ParsePositionList("M51,abc");
  ASSERT_TRUE(link.ReadWaveFromGenerator("abc", "USBTMCKRV1000"));
  EXPECT_EQ(g_LastReadWave.samples.GetSize(), 16384u);
  EXPECT_DOUBLE_EQ(g_LastReadWave.frequency, 2500);
  EXPECT_DOUBLE_EQ(g_LastReadWave.amplitude, 0.5);
  EXPECT_DOUBLE_EQ(g_LastReadWave.offset, 0.1);
  EXPECT_DOUBLE_EQ(g_LastReadWave.period, 0.4);

  CWaveData w;
  w.freq = 2.5;
  w.frequnit = 3;
  w.vpp = 200;
  w.vppunit = 1;
  w.offset = -50;
  w.offsetunit = 1;
  w.samplecount = 4;
  EXPECT_EQ(CInstrumentLink::BuildWaveHeader("M50", "w", w, "USBTMCKRV1000"),
            "C1:WVDT M50,WVNM,w,TYPE,5,LENGTH,0KB,FREQ,2500.000000000,AMPL,0.200000000,"
            "OFST,-0.050000000,PHASE,0.000000000,WAVEDATA,");
}
