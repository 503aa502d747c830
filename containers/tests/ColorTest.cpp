#include "containers/CSgColor.h"
#include "platform/win/HResult.h"

#include <gtest/gtest.h>

namespace {

using SG::CSgColor;

TEST(Color, ChannelsAndValue) {
  EXPECT_EQ(static_cast<COLORREF>(CSgColor(255, 0, 0)), 0x000000FFu);
  EXPECT_EQ(static_cast<COLORREF>(CSgColor()), 0u);
  CSgColor c(0x00123456u);
  EXPECT_EQ(c.GetBlue(), 0x12);
  EXPECT_EQ(c.GetGreen(), 0x34);
  EXPECT_EQ(c.GetRed(), 0x56);
  c.SetGreen(0xAB);
  EXPECT_EQ(c.GetColorRef(), 0x0012AB56u);
  c.SetRed(1);
  c.SetBlue(2);
  EXPECT_EQ(c, CSgColor(1, 0xAB, 2));
  EXPECT_TRUE(c == 0x0002AB01u);
  EXPECT_TRUE(0x0002AB01u == c);
  EXPECT_TRUE(c != CSgColor());
}

COLORREF FakeSystemColor(int index) { return 0x00010101u * static_cast<COLORREF>(index); }

TEST(Color, OleColorForms) {
  CSgColor c;
  EXPECT_EQ(c.SetOleColor(0x00336699u), S_OK);
  EXPECT_EQ(c.GetColorRef(), 0x00336699u);
  EXPECT_EQ(c.SetOleColor(0x02336699u), S_OK);  // palette-relative RGB
  EXPECT_EQ(c.GetColorRef(), 0x00336699u);

  // System colours need the window system's lookup.
  const auto previous = SetSystemColorLookup(nullptr);
  EXPECT_EQ(c.SetOleColor(0x80000005u), E_INVALIDARG);
  EXPECT_EQ(c.GetColorRef(), 0x00336699u);  // unchanged on failure
  SetSystemColorLookup(&FakeSystemColor);
  EXPECT_EQ(c.SetOleColor(0x80000005u), S_OK);
  EXPECT_EQ(c.GetColorRef(), 0x00050505u);
  EXPECT_EQ(c.SetOleColor(0x80000040u), E_INVALIDARG);  // no such system colour
  EXPECT_EQ(c.SetOleColor(0x01000003u), E_INVALIDARG);  // palette index without palette
  SetSystemColorLookup(previous);
}

}  // namespace
