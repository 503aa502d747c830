#pragma once
// A link test bench: the link state reset, the services faked (no test
// sleeps; messages captured; texts "text <id>"), and simulated instruments
// behind the fake raw-USB driver and the fake usbtmc seam.

#include "instrument/InstrumentLink.h"
#include "instrument/LinkServices.h"
#include "platform/afx/Exception.h"
#include "platform/visa/Visa.h"
#include "platform/visa/VisaConfig.h"
#include "platform/services/tests/FakeServices.h"
#include "sim/FakeRawUsb.h"
#include "sim/FakeUsbtmc.h"
#include "sim/SimGenerator.h"
#include "sim/SimScope.h"
#include "sim/Vxi11Server.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class LinkFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetLinkState();
    fake.AnswerUnscriptedBoxes();
    fake.SetTextSource([](int id) { return "text " + std::to_string(id); });
    rawusb::SetRawUsbDriver(usbDriver);
    visa::SetUsbtmcSystem(usbtmc);
  }
  void TearDown() override {
    CloseVxi11();
    rawusb::SetRawUsbDriver(nullptr);
    visa::SetUsbtmcSystem(nullptr);
  }

  static std::shared_ptr<sim::SimGenerator> Generator(const char* model) {
    return std::make_shared<sim::SimGenerator>(*sim::FindGeneratorFamily(model));
  }
  // Attaches a generator behind usbtmc, with the next serial number.
  std::shared_ptr<sim::SimGenerator> AttachUsbtmc(std::shared_ptr<sim::SimGenerator> gen) {
    usbtmc->Attach(gen, 0x1234, 0x0100, "S" + std::to_string(++serials));
    return gen;
  }
  std::vector<DWORD> Pauses() const { return clock.Sleeps(); }

  // Serves the instrument over VXI-11 on loopback and opens it into
  // g_VisaInstrument; a server of an earlier call is stopped first.
  void OpenOverVxi11(std::shared_ptr<sim::SimInstrument> instrument, std::uint32_t maxRecv) {
    CloseVxi11();
    vxi11 = std::make_unique<sim::Vxi11Server>(std::move(instrument),
                                               sim::Vxi11ServerOptions{"127.0.0.1", 0, maxRecv});
    std::string error;
    ASSERT_TRUE(vxi11->Start(&error)) << error;
    visa::SetPortmapperPort(vxi11->PortmapperPort());
    viOpenDefaultRM(&g_VisaDefaultRM);
    ASSERT_EQ(viOpen(g_VisaDefaultRM, "TCPIP0::127.0.0.1::INSTR", 0, 0, &g_VisaInstrument),
              VI_SUCCESS);
  }
  void CloseVxi11() {
    if (g_VisaDefaultRM) viClose(g_VisaDefaultRM);
    g_VisaDefaultRM = 0;
    vxi11.reset();
    visa::SetPortmapperPort(0);
  }

  services::FakeServices fake;
  services::FakeClock& clock = fake.Clock();
  std::vector<std::string>& messages = fake.BoxTexts();
  std::shared_ptr<sim::FakeRawUsbDriver> usbDriver = std::make_shared<sim::FakeRawUsbDriver>();
  std::shared_ptr<sim::FakeUsbtmcSystem> usbtmc = std::make_shared<sim::FakeUsbtmcSystem>();
  int serials = 0;
  std::unique_ptr<sim::Vxi11Server> vxi11;
  CInstrumentLink link;
};

// True when the call ends with an exception of the framework's family (which
// is freed here, as every catcher must).
template <class F>
bool Aborts(F&& call) {
  try {
    call();
  } catch (CException* e) {
    e->Delete();
    return true;
  }
  return false;
}

inline std::vector<BYTE> Bytes(const std::string& s) {
  return std::vector<BYTE>(s.begin(), s.end());
}
