// Discovery against simulated instruments: the raw-USB scan and the VISA
// search with its family tags.
#include "LinkFixture.h"

#include "sim/Vxi11Server.h"

namespace {

sim::GeneratorIdentity Identity(const char* model, const char* prod = "", const char* p1 = "",
                                const char* p2 = "") {
  sim::GeneratorIdentity id;
  id.model = model;
  id.prodModel = prod;
  id.private1 = p1;
  id.private2 = p2;
  return id;
}

}  // namespace

TEST(VisaFamilyTag, RulesInOrder) {
  struct Row {
    const char* idn;
    const char* m;
    const char* p1;
    const char* p2;
    const char* tag;
  };
  const Row rows[] = {
      {"K,KRV5000,S,1", "KRV5000", "", "", "USBTMCKRV5000"},
      {"K,X,S,1", "KRV1000X", "", "", "USBTMCKRV1000X"},  // never KRV1000
      {"K,X,S,1", "KRV1000", "", "", "USBTMCKRV1000"},
      {"K,X,S,1", "", "KRV8000", "", "USBTMCKRV1000"},
      {"K,X,S,1", "", "", "KRV8000", "USBTMCKRV1000"},
      {"K,X,S,1", "KRV8000", "", "", "USBTMCKRV800"},  // KRV8000 in M holds KRV800
      {"K,X,S,1", "", "KRV1000", "", ""},              // only rule 9 could take it
      {"K,X,S,1", "KRV800", "", "", "USBTMCKRV800"},
      {"K,X,S,1", "KRP2000", "", "", "USBTMCKRP2"},
      {"K,X,S,1", "KRV2000", "", "", "USBTMCKRV2000"},
      {"K,X,S,1", "KRV6000X", "", "", "USBTMCKRV6000X"},
      {"K,X,S,1", "KRP1000X-E", "", "", "USBTMCKRP1000X-E"},
      {"K,X,S,1", "KRP1000X", "", "", "USBTMCKRP1000X"},
      {"KRP1000X,S", "", "", "", "USBTMCKRP1000X"},       // F1: X seven after KRP1
      {"abcdefX", "", "", "", "USBTMCKRP1000X"},          // F1 with no KRP1: X at index 6
      {"K,Y,S,1", "", "KRP1xyzX", "", "USBTMCKRP1000X"},  // F2
      {"K,Y,S,1", "OTHER", "", "", ""},
  };
  for (const Row& r : rows)
    EXPECT_EQ(std::string(CInstrumentLink::VisaFamilyTag(r.idn, r.m, r.p1, r.p2)), r.tag)
        << r.idn << " " << r.m << " " << r.p1 << " " << r.p2;
}

TEST(IdnModelField, SecondCommaField) {
  EXPECT_EQ(CInstrumentLink::IdnModelField("*IDN KALVO,KDS1104X,SN,1"), "KDS1104X");
  EXPECT_EQ(CInstrumentLink::IdnModelField("one,two"), "");
  EXPECT_EQ(CInstrumentLink::IdnModelField("none"), "");
}

using Discovery = LinkFixture;

TEST_F(Discovery, EveryFamilyIsFoundAndTaggedOverUsbtmc) {
  std::vector<std::shared_ptr<sim::SimGenerator>> gens;
  for (const auto& family : sim::GeneratorFamilies())
    gens.push_back(AttachUsbtmc(std::make_shared<sim::SimGenerator>(family)));
  EXPECT_EQ(link.SearchVisaGenerators(""), 0);
  ASSERT_EQ(link.visaDeviceCount, 9);
  const char* tags[] = {"USBTMCKRV5000",  "USBTMCKRV1000X",   "USBTMCKRV1000",
                        "USBTMCKRV800",   "USBTMCKRP2",       "USBTMCKRV2000",
                        "USBTMCKRV6000X", "USBTMCKRP1000X-E", "USBTMCKRP1000X"};
  for (int i = 0; i < 9; ++i) {
    const GeneratorEntry& row = g_VisaGenerators[static_cast<std::size_t>(i)];
    EXPECT_EQ(row.producer, "KALVO");
    EXPECT_EQ(std::string(row.model), std::string(gens[i]->Family().model));
    EXPECT_EQ(row.version, "1.01.01.20");
    EXPECT_EQ(std::string(row.tag), tags[i]);
    // The session stays open and answers on the number in the row.
    ViSession s = static_cast<ViSession>(std::atoi(row.handle));
    EXPECT_EQ(viPrintf(s, "PROD MODEL?\n"), VI_SUCCESS);
  }
  EXPECT_TRUE(g_VisaGenerators[9].producer.IsEmpty());
  EXPECT_EQ(gens[0]->Log(),
            (std::vector<std::string>{"*IDN?", "PROD MODEL?", "<device clear>", "*IDN-KVRN-PRI?",
                                      "<device clear>", "IDN-KVRN-PRI?", "<device clear>",
                                      "PROD MODEL?"}));
  // Per resource: 100 ms after the search, then 100 + 100 + 100 + 100 + 100.
  EXPECT_EQ(clock.TotalSlept(), 100u + 9 * 500u);
}

TEST_F(Discovery, AResourceThatFailsToOpenDoesNotHideTheRest) {
  auto first = AttachUsbtmc(Generator("KRV1000"));
  auto broken = AttachUsbtmc(Generator("KRV800"));
  auto last = AttachUsbtmc(Generator("KRV2000"));
  sim::SimFaults f;
  f.refuseOpen = true;
  broken->SetFaults(f);
  link.SearchVisaGenerators("");
  EXPECT_EQ(link.visaDeviceCount, 2);
  EXPECT_EQ(g_VisaGenerators[0].tag, "USBTMCKRV1000");
  EXPECT_EQ(g_VisaGenerators[1].tag, "USBTMCKRV2000");
}

TEST_F(Discovery, PrivateRepliesAndMissingAnswers) {
  AttachUsbtmc(std::make_shared<sim::SimGenerator>(*sim::FindGeneratorFamily("KRV1000"),
                                                   Identity("KRV1000", "UNKNOWN", "KRV1000 only")));
  auto silent = AttachUsbtmc(Generator("KRV800"));
  sim::SimFaults f;
  f.noReply = true;
  silent->SetFaults(f);
  link.SearchVisaGenerators("");
  EXPECT_EQ(link.visaDeviceCount, 1);
  EXPECT_EQ(g_VisaGenerators[0].tag, "");       // named only in P1: no rule takes it
  EXPECT_EQ(g_VisaGenerators[1].producer, "");  // unanswered: no row
  EXPECT_EQ(link.unidentified, VI_ERROR_TMO);
}

TEST_F(Discovery, NoUsbtmcDeviceEndsTheSearch) {
  EXPECT_EQ(link.SearchVisaGenerators(""), 0);
  EXPECT_EQ(link.visaDeviceCount, 0);
  EXPECT_EQ(viClose(g_VisaDefaultRM), VI_ERROR_INV_OBJECT);  // already closed
  g_VisaDefaultRM = 0;
}

TEST_F(Discovery, TheIpPathOpensExactlyOneResource) {
  auto gen = Generator("KRV6000X");
  sim::Vxi11Server server(gen, {"127.0.0.1", 0, 1u << 20});
  std::string error;
  ASSERT_TRUE(server.Start(&error)) << error;
  visa::SetPortmapperPort(server.PortmapperPort());
  AttachUsbtmc(Generator("KRV1000"));  // not looked at on the IP path
  link.SearchVisaGenerators("127.0.0.1");
  visa::SetPortmapperPort(0);
  EXPECT_EQ(link.visaDeviceCount, 1);
  EXPECT_STREQ(g_VisaDescriptor, "");
  EXPECT_EQ(g_VisaGenerators[0].tag, "USBTMCKRV6000X");
}

TEST_F(Discovery, RawUsbScanSortsGeneratorsAndScopes) {
  auto gen = Generator("KRV2000");
  auto scope = std::make_shared<sim::SimScope>();
  usbDriver->Attach(scope);
  usbDriver->Attach(gen);
  g_VisaScopeCount = 2;
  EXPECT_TRUE(link.SearchUsbGenerators());
  EXPECT_EQ(g_UsbDeviceCount, 2);
  EXPECT_EQ(g_UsbGeneratorIndex, 1);
  EXPECT_EQ(link.usbGeneratorCount, 1);
  const GeneratorEntry& row = g_UsbGenerators[0];
  EXPECT_EQ(row.producer, "KALVO");
  EXPECT_EQ(row.model, "KRV2000");
  EXPECT_EQ(row.handle, "1");
  EXPECT_EQ(row.tag, "USBKRV1000");  // every raw-USB generator, whatever its model
  // The scope lands after the VISA oscilloscopes: row 2 + its index 0.
  EXPECT_EQ(g_ScopeTable[2].resource, "KDS1104X");
  EXPECT_EQ(g_ScopeTable[2].usbIndex, "0");
  EXPECT_EQ(g_ScopeTable[2].linkType, "USBRAW");
  // Per device: two 100 ms pauses at selection and 100 ms after the query.
  EXPECT_EQ(Pauses(), (std::vector<DWORD>{100, 100, 100, 100, 100, 100}));
}

// Seventeen devices: every table stops at its sixteenth row, and the raw-USB
// scope rows placed after the VISA ones never run past it either.
TEST_F(Discovery, TablesStopAtSixteenRows) {
  for (int i = 0; i < 17; ++i) AttachUsbtmc(Generator("KRV1000"));
  link.SearchVisaGenerators("");
  EXPECT_EQ(link.visaDeviceCount, 16);
  EXPECT_EQ(g_VisaGenerators[15].tag, "USBTMCKRV1000");

  for (int i = 0; i < 3; ++i) usbDriver->Attach(std::make_shared<sim::SimScope>());
  g_VisaScopeCount = 14;
  link.SearchUsbGenerators();
  EXPECT_EQ(g_ScopeTable[14].usbIndex, "0");
  EXPECT_EQ(g_ScopeTable[15].usbIndex, "1");  // device 2 would be row 16: not written
}

// The link object holds nothing: destroying one leaves the sessions the
// searches opened, and the raw-USB device, as they were.
TEST_F(Discovery, DestroyingALinkClosesNothing) {
  AttachUsbtmc(Generator("KRV800"));
  usbDriver->Attach(Generator("KRV1000"));
  {
    CInstrumentLink search;
    search.SearchVisaGenerators("");
    search.SearchUsbGenerators();
    EXPECT_TRUE(search.stringList.IsEmpty());
  }
  ViSession s = static_cast<ViSession>(std::atoi(g_VisaGenerators[0].handle));
  EXPECT_EQ(viClear(s), VI_SUCCESS);
  EXPECT_EQ(usbDriver->Current(), 0);
}

// The protocol test dialog's communication object exists for the whole run
// and acts on the shared link state like any other.
TEST_F(Discovery, TheStepTestLinkIsProgramWide) {
  auto gen = Generator("KRV1000");
  usbDriver->Attach(gen);
  EXPECT_EQ(g_StepTestLink.usbGeneratorCount, 0);
  EXPECT_TRUE(g_StepTestLink.stringList.IsEmpty());
  link.SelectUsbDevice(0);
  EXPECT_TRUE(g_StepTestLink.SendUsbCommand("STL? DEBUG"));
  EXPECT_EQ(gen->Log().back(), "STL? DEBUG");
}
