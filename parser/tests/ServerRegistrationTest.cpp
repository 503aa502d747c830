// The self-registration utilities call the library's entry point and report
// its status; what cannot be loaded or called is a plain false.

#include <gtest/gtest.h>

#include "parser/ExprParserRegistrar/ServerRegistration.h"
#include "parser/tests/ParserTestSupport.h"

namespace exprparser::test {
namespace {

TEST(ServerRegistration, ReportsTheEntryPointsStatus) {
  const std::u16string stub = u16(PARSER_TEST_SERVER);
  EXPECT_TRUE(registerServerLibrary(stub));
  EXPECT_FALSE(unregisterServerLibrary(stub));  // the stub reports a failure
}

TEST(ServerRegistration, WhatCannotBeLoadedOrCalledIsFalse) {
  EXPECT_FALSE(registerServerLibrary(u"/nonexistent/library.so"));
  EXPECT_FALSE(unregisterServerLibrary(u""));
  // Loads, but has no such entry point.
  EXPECT_FALSE(registerServerLibrary(u"libm.so.6"));
}

}  // namespace
}  // namespace exprparser::test
