// Resource names, search expressions and status names.
#include "platform/visa/Visa.h"
#include "platform/visa/VisaResource.h"

#include <gtest/gtest.h>

using namespace visa;

TEST(VisaResource, ParsesTcpipNames) {
  struct Row {
    const char* name;
    bool ok;
    const char* host;
    const char* device;
  };
  const Row rows[] = {
      {"TCPIP0::192.168.1.5::INSTR", true, "192.168.1.5", "inst0"},
      {"tcpip::localhost::inst1::instr", true, "localhost", "inst1"},
      {"TCPIP0::::INSTR", false, "", ""},
      {"TCPIP0::host::SOCKET", false, "", ""},
      {"TCPIPX::host::INSTR", false, "", ""},
      {"USB0::0x1::0x2::S::INSTR", false, "", ""},
  };
  for (const Row& r : rows) {
    auto parsed = ParseTcpipResource(r.name);
    ASSERT_EQ(parsed.has_value(), r.ok) << r.name;
    if (!r.ok) continue;
    EXPECT_EQ(parsed->host, r.host);
    EXPECT_EQ(parsed->device, r.device);
  }
}

TEST(VisaResource, ParsesUsbNamesAndBuildsThem) {
  auto parsed = ParseUsbResource("USB0::0xBEEF::0x1102::SN123::INSTR");
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->vendorId, 0xBEEF);
  EXPECT_EQ(parsed->productId, 0x1102);
  EXPECT_EQ(parsed->serial, "SN123");
  EXPECT_TRUE(ParseUsbResource("USB0::0x1::0x2::S::0::INSTR"));
  EXPECT_FALSE(ParseUsbResource("USB0::0x10000::0x2::S::INSTR"));
  EXPECT_FALSE(ParseUsbResource("USB0::zz::0x2::S::INSTR"));
  EXPECT_EQ(UsbResourceName({0xBEEF, 0x2, "A1", "/dev/usbtmc0"}),
            "USB0::0xBEEF::0x0002::A1::INSTR");
}

TEST(VisaResource, MatchesSearchExpressions) {
  struct Row {
    const char* expr;
    const char* name;
    bool match;
  };
  const Row rows[] = {
      {"USB?*INSTR", "USB0::0x1::0x2::S::INSTR", true},
      {"USB?*INSTR", "usb0::0x1::0x2::S::instr", true},
      {"USB?*INSTR", "USBINSTR", false},  // the ? needs a character of its own
      {"USB?*INSTR", "TCPIP0::h::INSTR", false},
      {"USB?*INSTR", "USB0::0x1::0x2::S::INSTR::x", false},
      {"?*", "A", true},
      {"*", "", true},
  };
  for (const Row& r : rows)
    EXPECT_EQ(MatchResourceExpression(r.expr, r.name), r.match) << r.expr << " " << r.name;
}

TEST(VisaStatus, NamesAndSigns) {
  EXPECT_STREQ(VisaStatusName(VI_ERROR_TMO), "VI_ERROR_TMO");
  EXPECT_EQ(static_cast<ViUInt32>(VI_ERROR_INV_OBJECT), 0xBFFF000Eu);
  EXPECT_LT(VI_ERROR_ALLOC, 0);
  EXPECT_GT(VI_SUCCESS_MAX_CNT, 0);
  EXPECT_STREQ(VisaStatusName(12345), "");
  // Calls on numbers that were never sessions fail cleanly.
  char desc[VI_FIND_BUFLEN] = "x";
  EXPECT_EQ(viFindNext(999999, desc), VI_ERROR_INV_OBJECT);
  EXPECT_STREQ(desc, "");
  EXPECT_EQ(viClose(999999), VI_ERROR_INV_OBJECT);
}
