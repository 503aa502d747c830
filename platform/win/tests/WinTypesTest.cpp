#include "platform/win/WinTypes.h"

#include <gtest/gtest.h>

// Stored files and instrument blocks depend on these widths.
TEST(WinTypes, KeepThePlatformSizes) {
  EXPECT_EQ(sizeof(LONG), 4u);
  EXPECT_EQ(sizeof(ULONG), 4u);
  EXPECT_EQ(sizeof(BOOL), 4u);
  EXPECT_EQ(sizeof(WORD), 2u);
  EXPECT_EQ(sizeof(OLECHAR), 2u);
  EXPECT_EQ(sizeof(VARIANT_BOOL), 2u);
}
