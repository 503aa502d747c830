// The driver calls over the libusb driver without a matching device, and the
// id setting.
#include "platform/usb/RawUsbDriver.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(RawUsbDriver, NothingConfiguredFindsNothingAndMovesNothing) {
  rawusb::SetRawUsbDriver(nullptr);
  rawusb::SetRawUsbSettings({});
  EXPECT_EQ(SearchAllUSB(nullptr), 0);
  EXPECT_EQ(LoadUSBDevice(0), 0);
  EXPECT_EQ(LoadOneUsb(3), 0);
  BYTE packet[512] = {};
  EXPECT_EQ(WriteUSBDevice(kRawUsbWritePipe, packet, sizeof packet), 0);
  EXPECT_EQ(ReadUSBDevice(kRawUsbReadPipe, packet, sizeof packet), 0);
  EXPECT_NE(UnloadUSBDevice(), 0);
}

TEST(RawUsbDriver, IdsComeFromTheSetting) {
  rawusb::SetRawUsbSettings({0x1234, 0xABCD, 500});
  auto s = rawusb::GetRawUsbSettings();
  EXPECT_EQ(s.vendorId, 0x1234);
  EXPECT_EQ(s.productId, 0xABCD);
  EXPECT_EQ(s.timeoutMs, 500u);
  // A device of other ids is not ours, whatever is plugged in here.
  rawusb::SetRawUsbSettings({0xFFFE, 0xFFFE, 500});
  EXPECT_EQ(SearchAllUSB(nullptr), 0);
  rawusb::SetRawUsbSettings({});
}

TEST(RawUsbDriver, TimeOutGrowsWithTheTransfer) {
  struct Row {
    DWORD count;
    unsigned base, expected;
  };
  for (Row r : {Row{0, 2000, 2000}, Row{512, 2000, 2001}, Row{64000, 2000, 2064},
                Row{41943104, 2000, 43944}, Row{0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu}})
    EXPECT_EQ(rawusb::TransferTimeoutMs(r.count, r.base), r.expected) << r.count;
}
