#include <gtest/gtest.h>

#include "platform/com/SafeArray.h"
#include "platform/com/tests/FakeObjects.h"

namespace {
VARIANT Make(VARTYPE vt) {
  VARIANT v;
  VariantInit(&v);
  v.vt = vt;
  return v;
}
}  // namespace

TEST(Variant, HasThePlatformLayout) {
  VARIANT v;
  VariantInit(&v);
  EXPECT_EQ(v.vt, VT_EMPTY);
  EXPECT_EQ(sizeof(VARIANT), 16u);
  EXPECT_EQ(reinterpret_cast<char*>(&v.dblVal) - reinterpret_cast<char*>(&v), 8);
  EXPECT_EQ(VT_ARRAY | VT_VARIANT, 0x200C);
  EXPECT_EQ(VT_BYREF | VT_BOOL, 0x400B);
}

TEST(Variant, ClearFreesWhatItOwns) {
  bool destroyed = false;
  VARIANT object = Make(VT_DISPATCH);
  object.pdispVal = new ValueObject(1.0, &destroyed);
  EXPECT_EQ(VariantClear(&object), S_OK);
  EXPECT_TRUE(destroyed);
  EXPECT_EQ(object.vt, VT_EMPTY);

  VARIANT text = Make(VT_BSTR);
  text.bstrVal = SysAllocString(u"freed by clear");
  EXPECT_EQ(VariantClear(&text), S_OK);  // ASan reports a leak otherwise

  VARIANT array = Make(VT_ARRAY | VT_R8);
  array.parray = SafeArrayCreateVector(VT_R8, 0, 4);
  SafeArrayLock(array.parray);
  EXPECT_EQ(VariantClear(&array), DISP_E_ARRAYISLOCKED);
  SafeArrayUnlock(array.parray);
  EXPECT_EQ(VariantClear(&array), S_OK);

  double target = 1;
  VARIANT reference = Make(VT_BYREF | VT_R8);
  reference.pdblVal = &target;
  EXPECT_EQ(VariantClear(&reference), S_OK);  // owns nothing
  EXPECT_EQ(target, 1);

  VARIANT bad = Make(15);
  EXPECT_EQ(VariantClear(&bad), DISP_E_BADVARTYPE);
  EXPECT_EQ(bad.vt, 15);
}

TEST(Variant, CopyIsDeepAndReferenceCountsBalance) {
  auto object = MakeComObject<ValueObject>(2.0);
  VARIANT source = Make(VT_DISPATCH);
  source.pdispVal = object.Get();
  object->AddRef();  // the variant's reference
  VARIANT copy;
  VariantInit(&copy);
  ASSERT_EQ(VariantCopy(&copy, &source), S_OK);
  EXPECT_EQ(object->ReferenceCount(), 3u);
  VariantClear(&copy);
  VariantClear(&source);
  EXPECT_EQ(object->ReferenceCount(), 1u);

  VARIANT text = Make(VT_BSTR);
  text.bstrVal = SysAllocString(u"abc");
  VARIANT textCopy = Make(VT_I4);
  ASSERT_EQ(VariantCopy(&textCopy, &text), S_OK);
  EXPECT_NE(textCopy.bstrVal, text.bstrVal);
  EXPECT_EQ(BstrView(textCopy.bstrVal), u"abc");
  EXPECT_EQ(VariantCopy(&text, &text), S_OK);  // self-copy leaves it alone
  VariantClear(&text);
  VariantClear(&textCopy);

  VARIANT array = Make(VT_ARRAY | VT_BSTR);
  array.parray = SafeArrayCreateVector(VT_BSTR, 0, 2);
  LONG index = 1;
  BSTR kept = SysAllocString(u"kept");
  ASSERT_EQ(SafeArrayPutElement(array.parray, &index, kept), S_OK);  // the array stores a copy
  SysFreeString(kept);
  VARIANT arrayCopy;
  VariantInit(&arrayCopy);
  ASSERT_EQ(VariantCopy(&arrayCopy, &array), S_OK);
  EXPECT_NE(arrayCopy.parray, array.parray);
  VariantClear(&array);
  BSTR element = nullptr;
  ASSERT_EQ(SafeArrayGetElement(arrayCopy.parray, &index, &element), S_OK);
  EXPECT_EQ(BstrView(element), u"kept");
  SysFreeString(element);
  VariantClear(&arrayCopy);
}

TEST(Variant, CopyIndTakesReferencedValues) {
  short number = -7;
  VARIANT reference = Make(VT_BYREF | VT_I2);
  reference.piVal = &number;
  VARIANT plain;
  VariantInit(&plain);
  ASSERT_EQ(VariantCopyInd(&plain, &reference), S_OK);
  EXPECT_EQ(plain.vt, VT_I2);
  EXPECT_EQ(plain.iVal, -7);

  BSTR text = SysAllocString(u"by ref");
  VARIANT textRef = Make(VT_BYREF | VT_BSTR);
  textRef.pbstrVal = &text;
  ASSERT_EQ(VariantCopyInd(&plain, &textRef), S_OK);
  EXPECT_EQ(plain.vt, VT_BSTR);
  EXPECT_NE(plain.bstrVal, text);
  VariantClear(&plain);

  VARIANT inner = Make(VT_R4);
  inner.fltVal = 2.5f;
  VARIANT variantRef = Make(VT_BYREF | VT_VARIANT);
  variantRef.pvarVal = &inner;
  ASSERT_EQ(VariantCopyInd(&plain, &variantRef), S_OK);
  EXPECT_EQ(plain.vt, VT_R4);
  EXPECT_EQ(plain.fltVal, 2.5f);

  // Copying onto itself dereferences in place.
  ASSERT_EQ(VariantCopyInd(&textRef, &textRef), S_OK);
  EXPECT_EQ(textRef.vt, VT_BSTR);
  VariantClear(&textRef);
  SysFreeString(text);
}
