#include "containers/CSgDispatch.h"
#include "containers/CSgPicture.h"
#include "containers/SgTrace.h"
#include "platform/com/ComInit.h"

#include "FakeDispatch.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace SG;

class DispatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    object = MakeComObject<FakeDispatch>();
    dispatch.Attach(object.Get(), IID_IDispatch, 0, false);
  }
  void Answer(VARTYPE vt, LONGLONG bits) {
    VariantClear(&object->answer);
    object->answer.vt = vt;
    object->answer.llVal = bits;
  }
  const VARIANT& Arg(std::size_t i) { return object->last.args.at(i); }

  ComInitScope com;
  ComPtr<FakeDispatch> object;
  CSgDispatch dispatch;
};

TEST_F(DispatchTest, ArgumentsGoLastFirstWithTheirTypes) {
  const BYTE codes[] = {VT_I2, VT_R4, VT_BOOL, 14, VT_BSTR, VT_UI1, VT_NULL, 0};
  dispatch.InvokeHelper(9, DISPATCH_METHOD, VT_EMPTY, nullptr, codes, 300, 1.5, 5, "hi", u"wide",
                        200);
  const auto& call = object->last;
  EXPECT_EQ(call.member, 9);
  EXPECT_FALSE(call.wantsResult);  // VT_EMPTY: no result VARIANT
  ASSERT_EQ(call.args.size(), 7u);
  EXPECT_EQ(Arg(6).vt, VT_I2);
  EXPECT_EQ(Arg(6).iVal, 300);
  EXPECT_EQ(Arg(5).vt, VT_R4);
  EXPECT_EQ(Arg(5).fltVal, 1.5f);
  EXPECT_EQ(Arg(4).boolVal, VARIANT_TRUE);  // 5 arrives as true
  EXPECT_EQ(Arg(3).vt, VT_BSTR);            // an ANSI string becomes a BSTR
  EXPECT_EQ(std::u16string(BstrView(Arg(3).bstrVal)), u"hi");
  EXPECT_EQ(std::u16string(BstrView(Arg(2).bstrVal)), u"wide");
  EXPECT_EQ(Arg(1).bVal, 200);
  EXPECT_EQ(Arg(0).vt, VT_NULL);  // takes no argument
}

TEST_F(DispatchTest, ByReferenceArguments) {
  LONG value = 4;
  BOOL flag = 1;
  const BYTE codes[] = {VT_I4 | 0x40, VT_BOOL | 0x40, 0};
  dispatch.InvokeHelper(1, DISPATCH_METHOD, VT_EMPTY, nullptr, codes, &value, &flag);
  EXPECT_EQ(Arg(1).vt, VT_I4 | VT_BYREF);
  EXPECT_EQ(Arg(1).plVal, &value);
  EXPECT_EQ(Arg(0).vt, VT_BOOL | VT_BYREF);
  EXPECT_EQ(flag, 0x0000FFFF);  // rewritten in place as a VARIANT_BOOL
}

TEST_F(DispatchTest, PropertyPutKinds) {
  dispatch.SetProperty(3, VT_BSTR, "text");
  EXPECT_EQ(object->last.flags, DISPATCH_PROPERTYPUT);
  ASSERT_EQ(object->last.named.size(), 1u);
  EXPECT_EQ(object->last.named[0], DISPID_PROPERTYPUT);
  EXPECT_EQ(std::u16string(BstrView(Arg(0).bstrVal)), u"text");
  dispatch.SetProperty(4, VT_DISPATCH, static_cast<IDispatch*>(object.Get()));
  EXPECT_EQ(object->last.flags, DISPATCH_PROPERTYPUTREF);
  dispatch.SetProperty(5, VT_R8, 2.5);
  EXPECT_EQ(object->last.flags, DISPATCH_PROPERTYPUT);
  EXPECT_EQ(Arg(0).dblVal, 2.5);
}

TEST_F(DispatchTest, ResultsAreConvertedToTheAskedType) {
  Answer(VT_I4, 12);
  short s = 0;
  dispatch.GetProperty(3, VT_I2, &s);
  EXPECT_EQ(s, 12);
  EXPECT_EQ(object->last.flags, DISPATCH_PROPERTYGET);
  double d = 0;
  dispatch.GetProperty(3, VT_R8, &d);
  EXPECT_EQ(d, 12.0);
  CString text;
  dispatch.GetProperty(3, VT_BSTR, &text);
  EXPECT_STREQ(text, "12");
  BOOL b = 0;
  dispatch.GetProperty(3, VT_BOOL, &b);
  EXPECT_EQ(b, 1);
  VARIANT whole;
  dispatch.GetProperty(3, VT_VARIANT, &whole);
  EXPECT_EQ(whole.vt, VT_I4);
  VariantClear(&whole);
}

TEST_F(DispatchTest, FailuresBecomeFrameworkExceptions) {
  object->failWith = DISP_E_EXCEPTION;
  for (bool deferred : {false, true}) {
    SCOPED_TRACE(deferred ? "details through the deferred fill-in" : "details given at once");
    object->deferFill = deferred;
    try {
      dispatch.InvokeHelper(1, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
      ADD_FAILURE();
    } catch (COleDispatchException* e) {
      EXPECT_EQ(e->m_wCode, 42);
      EXPECT_STREQ(e->m_strDescription, "bad value");
      EXPECT_STREQ(e->m_strSource, "Fake");
      EXPECT_STREQ(e->m_strHelpFile, "help.hlp");
      EXPECT_EQ(e->m_dwHelpContext, 7u);
      EXPECT_EQ(e->m_scError, E_INVALIDARG);
      e->Delete();
    }
  }
  object->failWith = E_NOTIMPL;
  try {
    dispatch.InvokeHelper(1, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
    ADD_FAILURE();
  } catch (COleException* e) {
    EXPECT_EQ(e->m_sc, E_NOTIMPL);
    e->Delete();
  }
  object->failWith = S_OK;
  Answer(VT_BSTR, 0);
  object->answer.bstrVal = SysAllocStringFromUtf8("not a number");
  double d = 0;
  try {
    dispatch.GetProperty(1, VT_R8, &d);
    ADD_FAILURE();
  } catch (COleException* e) {
    EXPECT_EQ(e->m_sc, DISP_E_TYPEMISMATCH);
    e->Delete();
  }
  EXPECT_NE(GetDefaultTraceCategory(), nullptr);  // the failure was traced
}

TEST(Picture, EmptyPictureIsUnusable) {
  CSgPicture picture(nullptr, false);
  try {
    picture.GetType();
    ADD_FAILURE();
  } catch (CSgObjectNotInUsableStateException* e) {
    EXPECT_STREQ(e->GetErrorString(), "CSgDispatch instance is in an unusable state.");
    e->Delete();
  }
}

TEST(Picture, PropertiesByDispid) {
  ComInitScope com;
  auto object = MakeComObject<FakeDispatch>();
  CSgPicture picture(object.Get(), false);
  EXPECT_EQ(picture.GetThreadOption(), 0);
  object->answer.vt = VT_I2;
  object->answer.iVal = 1;
  EXPECT_EQ(picture.GetType(), 1);
  EXPECT_EQ(object->last.member, 3);
  object->answer.vt = VT_I4;
  object->answer.lVal = 640;
  EXPECT_EQ(picture.GetWidth(), 640);
  EXPECT_EQ(object->last.member, 4);
  EXPECT_EQ(picture.GetHeight(), 640);
  EXPECT_EQ(object->last.member, 5);
  picture.SetHPal(9);
  EXPECT_EQ(object->last.member, 2);
  EXPECT_EQ(object->last.flags, DISPATCH_PROPERTYPUT);
  IDispatch* disp = picture.GetPictureDisp();
  EXPECT_EQ(disp, object.Get());
  disp->Release();
}

}  // namespace
