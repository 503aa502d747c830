#include <gtest/gtest.h>

#include "platform/com/Picture.h"

namespace {

HRESULT Get(IDispatch* object, DISPID id, VARIANT& result) {
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  VariantInit(&result);
  return object->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr);
}

HRESULT Put(IDispatch* object, DISPID id, VARIANT value) {
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{&value, &named, 1, 1};
  return object->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr);
}

}  // namespace

TEST(Picture, AnswersTheStandardProperties) {
  auto picture = MakeComObject<PictureObject>(PICTYPE_BITMAP, 77, 2540, 1270);
  ComPtr<IDispatch> dispatch;
  ASSERT_EQ(picture.As(dispatch), S_OK);
  void* p = nullptr;
  ASSERT_EQ(picture->QueryInterface(IID_IPictureDisp, &p), S_OK);
  static_cast<IUnknown*>(p)->Release();

  VARIANT v;
  ASSERT_EQ(Get(dispatch.Get(), DISPID_PICT_TYPE, v), S_OK);
  EXPECT_EQ(v.vt, VT_I2);
  EXPECT_EQ(v.iVal, PICTYPE_BITMAP);
  ASSERT_EQ(Get(dispatch.Get(), DISPID_PICT_WIDTH, v), S_OK);
  EXPECT_EQ(v.lVal, 2540);
  EXPECT_EQ(Get(dispatch.Get(), 99, v), DISP_E_MEMBERNOTFOUND);

  VARIANT palette;
  VariantInit(&palette);
  palette.vt = VT_R8;
  palette.dblVal = 12.0;
  ASSERT_EQ(Put(dispatch.Get(), DISPID_PICT_HPAL, palette),
            S_OK);  // converted to the property's type
  ASSERT_EQ(Get(dispatch.Get(), DISPID_PICT_HPAL, v), S_OK);
  EXPECT_EQ(v.vt, VT_I4);
  EXPECT_EQ(v.lVal, 12);
}

TEST(Font, SizeIsCurrencyAndPutsAreChecked) {
  auto font = MakeComObject<FontObject>("Arial", 9.75, true);
  VARIANT v;
  ASSERT_EQ(Get(font.Get(), DISPID_FONT_SIZE, v), S_OK);
  EXPECT_EQ(v.vt, VT_CY);
  EXPECT_EQ(v.cyVal.int64, 97500);
  ASSERT_EQ(Get(font.Get(), DISPID_FONT_NAME, v), S_OK);
  EXPECT_EQ(BstrView(v.bstrVal), u"Arial");
  VariantClear(&v);

  VARIANT text;
  VariantInit(&text);
  text.vt = VT_BSTR;
  text.bstrVal = SysAllocString(u"heavy");
  EXPECT_EQ(Put(font.Get(), DISPID_FONT_WEIGHT, text), DISP_E_TYPEMISMATCH);
  VariantClear(&text);
  ASSERT_EQ(Get(font.Get(), DISPID_FONT_WEIGHT, v), S_OK);
  EXPECT_EQ(v.iVal, 700);  // unchanged

  DISPPARAMS unnamed{&v, nullptr, 1, 0};
  EXPECT_EQ(font->Invoke(DISPID_FONT_BOLD, IID_NULL, 0, DISPATCH_PROPERTYPUT, &unnamed, nullptr,
                         nullptr, nullptr),
            DISP_E_PARAMNOTOPTIONAL);
}
