// The simulated instruments' command sets, driven directly.
#include "sim/SimGenerator.h"
#include "sim/SimScope.h"

#include <gtest/gtest.h>

namespace {

std::string Ask(sim::SimInstrument& inst, const std::string& command) {
  inst.Receive({reinterpret_cast<const std::uint8_t*>(command.data()), command.size()});
  auto reply = inst.TakeReply();
  if (!reply) return "<none>";
  sim::Bytes bytes = reply->Flatten();
  return std::string(bytes.begin(), bytes.end());
}

void Send(sim::SimInstrument& inst, const std::string& bytes) {
  inst.Receive({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
}

}  // namespace

TEST(SimGenerator, EveryFamilyIdentifiesByItsModel) {
  ASSERT_EQ(sim::GeneratorFamilies().size(), 9u);
  for (const auto& family : sim::GeneratorFamilies()) {
    sim::SimGenerator gen(family);
    std::string model(family.model);
    EXPECT_EQ(Ask(gen, "*IDN?\n"), "*IDN KALVO," + model + ",KRG00000001,1.01.01.20\n");
    EXPECT_EQ(Ask(gen, "PROD MODEL?\n"), model + "\n");
  }
  sim::GeneratorIdentity id;
  id.model = "KRV1000";
  id.private1 = "KRV8000 PRI";
  sim::SimGenerator custom(*sim::FindGeneratorFamily("KRV1000"), id);
  EXPECT_EQ(Ask(custom, "*IDN-KVRN-PRI?\n"), "KRV8000 PRI\n");
}

TEST(SimGenerator, FourteenBitSlotsListWriteCommitAndReadBack) {
  sim::SimGenerator gen(*sim::FindGeneratorFamily("KRV1000"));
  std::string list = Ask(gen, "STL? RELEASE\n");
  EXPECT_EQ(list.substr(0, 26), "STL M0, sine, M50, EMPTY, ");
  const std::string codes("\x01\x00\xFE\x1F", 4);
  Send(gen,
       "C1:WVDT M52,WVNM,ramp,TYPE,5,LENGTH,0KB,FREQ,2500.000000000,AMPL,0.200000000,"
       "OFST,-0.050000000,PHASE,90.000000000,WAVEDATA," +
           codes);
  Send(gen, "C1:ARWV INDEX, 52\n");
  EXPECT_EQ(gen.LastCommit(), "52");
  EXPECT_NE(Ask(gen, "STL? RELEASE").find("M52, ramp"), std::string::npos);
  EXPECT_EQ(Ask(gen, "WVPR? M52"),
            "WVPR POS,M52,WVNM,ramp,FREQ,2.50E+03,AMPL,2.00E-01,OFST,-5.00E-02,PHASE,9.00E+01\n");
  EXPECT_EQ(Ask(gen, "WVDT? M52"), "WVDT POS,M52,WVNM,ramp,TYPE,5,LENGTH,0KB,WAVEDATA," + codes);
  EXPECT_EQ(Ask(gen, "WVPR? M99"), "<none>");
}

TEST(SimGenerator, SixteenBitUserWaveformsAndDataFaults) {
  sim::SimGenerator gen(*sim::FindGeneratorFamily("KRV1000X"));
  std::string data(4096, '\x5A');
  Send(gen, "C1:WVDT WVNM,abc,TYPE,5,LENGTH,4KB,WAVEDATA," + data);
  Send(gen, "C1:ARWV NAME, abc\n");
  EXPECT_EQ(gen.LastCommit(), "abc");
  EXPECT_EQ(Ask(gen, "STL? user\n"), "STL,abc\n");
  std::string head = "WVDT POS,USER,WVNM,abc,TYPE,5,LENGTH,4096B,WAVEDATA,";
  EXPECT_EQ(Ask(gen, "WVDT? USER,abc"), head + data);
  sim::SimFaults f;
  f.truncatedBlock = true;
  f.wrongLengthField = true;
  gen.SetFaults(f);
  EXPECT_EQ(Ask(gen, "WVDT? USER,abc"),
            "WVDT POS,USER,WVNM,abc,TYPE,5,LENGTH,8192B,WAVEDATA," + data.substr(0, 2048));
}

TEST(SimScope, AnswersTheQueriesAndCaptures) {
  sim::SimScope scope;
  EXPECT_EQ(Ask(scope, "CHS?\n"), "CHS 4\n");
  EXPECT_EQ(Ask(scope, "C2:VDIV?\n"), "C2:VDIV 5.00E-01V\n");
  EXPECT_EQ(Ask(scope, "C1:OFST?"), "C1:OFST 0.00E+00V\n");
  EXPECT_EQ(Ask(scope, "TDIV?\n"), "TDIV 1.00E-03S\n");
  EXPECT_EQ(Ask(scope, "SANU? C1"), "SANU 7000\n");
  Send(scope, "WFSU NP,1000.00000000000000");
  std::string wave = Ask(scope, "C1:WF?");
  ASSERT_EQ(wave.size(), sim::kCaptureHeaderBytes + 1000);
  EXPECT_EQ(wave.substr(0, 3), "C1:");
  // Raw USB sends unsigned codes about 132, the network block signed ones
  // about 0: a sine of 100 codes starts at the centre and peaks a quarter on.
  const std::size_t at = sim::kCaptureHeaderBytes;
  EXPECT_EQ(static_cast<std::uint8_t>(wave[at]), 132);
  EXPECT_EQ(static_cast<std::uint8_t>(wave[at + 250]), 232);
  EXPECT_EQ(static_cast<std::uint8_t>(wave[at + 750]), 32);
  const std::string block = Ask(scope, "C1:WF? ALL");
  const std::size_t codes = 12 + 9 + sim::kWaveDescriptorBytes;
  EXPECT_EQ(static_cast<std::uint8_t>(block[codes]), 0);
  EXPECT_EQ(static_cast<std::uint8_t>(block[codes + 250]), 100);
  EXPECT_EQ(static_cast<std::uint8_t>(block[codes + 750]), 256 - 100);
  EXPECT_EQ(Ask(scope, "*OPC?"), "*OPC 1");
}

TEST(SimGenerator, ModelNamesAreTheFamilies) {
  EXPECT_TRUE(sim::FindGeneratorFamily("KRP2"));
  EXPECT_FALSE(sim::FindGeneratorFamily("KRP2000"));
}

// Every channel (a link to one client) has its own replies; a new message
// drops what its channel left unread, and a completion poll does not.
TEST(SimInstrument, EachChannelHasItsOwnReplies) {
  sim::SimGenerator gen(*sim::FindGeneratorFamily("KRV1000"));
  auto send = [&](sim::ChannelId c, const std::string& text) {
    gen.Receive(c, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
  };
  auto take = [&](sim::ChannelId c) {
    auto reply = gen.TakeReply(c);
    if (!reply) return std::string("<none>");
    sim::Bytes bytes = reply->Flatten();
    return std::string(bytes.begin(), bytes.end());
  };
  sim::ChannelId a = gen.OpenChannel(), b = gen.OpenChannel();
  send(a, "PROD MODEL?");
  send(b, "*IDN?");
  EXPECT_EQ(take(a), "KRV1000\n");
  EXPECT_EQ(take(b), "*IDN KALVO,KRV1000,KRG00000001,1.01.01.20\n");
  send(a, "PROD MODEL?");
  send(a, "PROD?");  // the unread model reply is dropped
  EXPECT_EQ(take(a), "PROD BANDWIDTH,25MHz\n");
  EXPECT_EQ(take(a), "<none>");
  send(a, "PROD MODEL?");
  send(a, "*OPC?");
  EXPECT_EQ(take(a), "*OPC 1");
  EXPECT_EQ(take(a), "KRV1000\n");
  gen.CloseChannel(b);
  send(b, "*IDN?");  // a closed channel takes nothing
  EXPECT_EQ(take(b), "<none>");
}

// Record lengths the scope cannot hold are refused and the setting stays;
// whole numbers up to its memory depth are taken, with decimals or without.
TEST(SimScope, RecordLengthsBeyondTheMemoryAreRefused) {
  sim::SimScope scope;
  Send(scope, "WFSU NP,1000.000000");
  const char* refused[] = {"-1", "1e12", "4294967296", "28000001", "12.5", "abc", ""};
  for (const char* n : refused) {
    Send(scope, std::string("WFSU NP,") + n);
    EXPECT_EQ(scope.Log().back().substr(0, 6), "error:") << n;
    EXPECT_EQ(Ask(scope, "C1:WF?").size(), sim::kCaptureHeaderBytes + 1000) << n;
  }
  Send(scope, "WFSU NP,2000");
  EXPECT_EQ(Ask(scope, "C1:WF?").size(), sim::kCaptureHeaderBytes + 2000);
}

// "WF? ALL": "C1:WF ALL,#9", nine digits of a length that counts the
// 346-byte descriptor and the codes, the descriptor, the codes, one line feed.
TEST(SimScope, WaveformAllIsTheBlockTheImportReads) {
  sim::SimScope scope;
  Send(scope, "WFSU NP,500");
  std::string reply = Ask(scope, "C2:WF? ALL");
  ASSERT_EQ(reply.size(), 12 + 9 + 346 + 500 + 1u);
  EXPECT_EQ(reply.substr(0, 21), "C2:WF ALL,#9000000846");
  EXPECT_EQ(reply.substr(21, 8), "WAVEDESC");
  sim::Bytes codes = scope.CaptureCodes(2);
  EXPECT_EQ(reply.substr(21 + 346, 500), std::string(codes.begin(), codes.end()));
  EXPECT_EQ(reply.back(), '\n');
}
