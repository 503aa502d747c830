#include <gtest/gtest.h>

#include <thread>

#include "platform/com/CodePage.h"
#include "platform/com/ErrorInfo.h"

namespace {
std::string Description(IErrorInfo* info) {
  BSTR text = nullptr;
  info->GetDescription(&text);
  std::string result = Utf8FromWide(BstrView(text));
  SysFreeString(text);
  return result;
}
}  // namespace

TEST(ErrorInfo, IsTakenOnceByTheSameThread) {
  IErrorInfo* info = reinterpret_cast<IErrorInfo*>(0x1);
  EXPECT_EQ(GetErrorInfo(0, &info), S_FALSE);
  EXPECT_EQ(info, nullptr);

  EXPECT_EQ(ReportError(E_FAIL, "Axis range is invalid"), E_FAIL);
  ASSERT_EQ(GetErrorInfo(0, &info), S_OK);
  EXPECT_EQ(Description(info), "Axis range is invalid");
  info->Release();
  EXPECT_EQ(GetErrorInfo(0, &info), S_FALSE);  // taken
  EXPECT_EQ(GetErrorInfo(1, &info), E_INVALIDARG);
}

TEST(ErrorInfo, EachThreadHasItsOwn) {
  ReportError(E_FAIL, "main thread");
  bool otherSawNone = false;
  std::thread([&] {
    IErrorInfo* info = nullptr;
    otherSawNone = GetErrorInfo(0, &info) == S_FALSE;
    ReportError(E_FAIL, "left behind when the thread ends");  // released at thread exit
  }).join();
  EXPECT_TRUE(otherSawNone);
  IErrorInfo* info = nullptr;
  ASSERT_EQ(GetErrorInfo(0, &info), S_OK);
  EXPECT_EQ(Description(info), "main thread");
  info->Release();
}

TEST(ErrorInfo, CreatedObjectKeepsEveryField) {
  ICreateErrorInfo* created = nullptr;
  ASSERT_EQ(CreateErrorInfo(&created), S_OK);
  created->SetSource(const_cast<LPOLESTR>(u"Graph"));
  created->SetHelpFile(nullptr);
  created->SetHelpContext(42);
  created->SetGUID(IID_IErrorInfo);
  IErrorInfo* info = nullptr;
  ASSERT_EQ(created->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)), S_OK);
  created->Release();
  ASSERT_EQ(SetErrorInfo(0, info), S_OK);
  info->Release();  // the thread keeps its own reference

  ASSERT_EQ(GetErrorInfo(0, &info), S_OK);
  BSTR source = nullptr, helpFile = nullptr;
  info->GetSource(&source);
  info->GetHelpFile(&helpFile);
  EXPECT_EQ(BstrView(source), u"Graph");
  EXPECT_EQ(SysStringLen(helpFile), 0u);
  DWORD context = 0;
  info->GetHelpContext(&context);
  EXPECT_EQ(context, 42u);
  GUID guid{};
  info->GetGUID(&guid);
  EXPECT_TRUE(guid == IID_IErrorInfo);
  SysFreeString(source);
  SysFreeString(helpFile);
  EXPECT_EQ(SetErrorInfo(0, nullptr), S_OK);
  EXPECT_EQ(info->Release(), 0u);
}
