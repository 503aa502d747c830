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
    if (g_VisaDefaultRM) viClose(g_VisaDefaultRM);
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

  services::FakeServices fake;
  services::FakeClock& clock = fake.Clock();
  std::vector<std::string>& messages = fake.BoxTexts();
  std::shared_ptr<sim::FakeRawUsbDriver> usbDriver = std::make_shared<sim::FakeRawUsbDriver>();
  std::shared_ptr<sim::FakeUsbtmcSystem> usbtmc = std::make_shared<sim::FakeUsbtmcSystem>();
  int serials = 0;
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
