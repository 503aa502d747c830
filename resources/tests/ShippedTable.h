#pragma once
// The table in the tree, read once for the tests that check what is built
// from it.

#include "resources/gen/Inventory.h"

#include <gtest/gtest.h>

inline const resgen::Inventory& Table() {
  static const resgen::Inventory inventory = [] {
    resgen::Inventory inv;
    std::string error;
    EXPECT_TRUE(resgen::LoadInventory(RESOURCES_DIR, inv, error)) << error;
    return inv;
  }();
  return inventory;
}
