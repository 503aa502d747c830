#include <gtest/gtest.h>

#include "platform/com/Guid.h"
#include "platform/win/HResult.h"

namespace {
constexpr GUID kGraph = GuidFromText("{B309AEAA-EF99-49FC-9F80-CDD52F1D5AE7}");
}

TEST(Guid, ParsesTheTextFormAtCompileTime) {
  static_assert(kGraph.Data1 == 0xB309AEAA && kGraph.Data2 == 0xEF99 && kGraph.Data3 == 0x49FC);
  static_assert(kGraph.Data4[0] == 0x9F && kGraph.Data4[7] == 0xE7);
  static_assert(IsEqualGUID(kGraph, GuidFromText("b309aeaa-ef99-49fc-9f80-cdd52f1d5ae7")));
  static_assert(!IsEqualGUID(kGraph, GUID_NULL));
}

TEST(Guid, TextRoundTrip) {
  OLECHAR text[39];
  EXPECT_EQ(StringFromGUID2(kGraph, text, 39), 39);
  EXPECT_EQ(std::u16string(text), u"{B309AEAA-EF99-49FC-9F80-CDD52F1D5AE7}");
  EXPECT_EQ(StringFromGUID2(kGraph, text, 38), 0);
  CLSID parsed{};
  EXPECT_EQ(CLSIDFromString(u"{b309aeaa-ef99-49fc-9f80-cdd52f1d5ae7}", &parsed), S_OK);
  EXPECT_TRUE(parsed == kGraph);

  LPOLESTR allocated = nullptr;
  ASSERT_EQ(StringFromCLSID(kGraph, &allocated), S_OK);
  EXPECT_EQ(std::u16string(allocated), u"{B309AEAA-EF99-49FC-9F80-CDD52F1D5AE7}");
  CoTaskMemFree(allocated);
}

TEST(Guid, MalformedTextIsRefused) {
  const char16_t* bad[] = {u"",
                           u"B309AEAA-EF99-49FC-9F80-CDD52F1D5AE7",
                           u"{B309AEAA-EF99-49FC-9F80-CDD52F1D5AE}",
                           u"{B309AEAA-EF99-49FC-9F80-CDD52F1D5AEG}",
                           u"{B309AEAA-EF99-49FC-9F80CCDD52F1D5AE7}",
                           u"{B309AEAA-EF99-49FC-9F80-CDD52F1D5AE\u00E9}"};
  for (const char16_t* text : bad) {
    CLSID parsed{};
    EXPECT_EQ(CLSIDFromString(text, &parsed), CO_E_CLASSSTRING) << std::string(text, text + 0);
  }
  IID iid{};
  EXPECT_EQ(IIDFromString(u"nonsense", &iid), CO_E_IIDSTRING);
  CLSID clsid{};
  EXPECT_EQ(CLSIDFromProgID(u"Pelmoran.Graph", &clsid), CO_E_CLASSSTRING);
}
