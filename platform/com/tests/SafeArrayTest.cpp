#include <gtest/gtest.h>

#include "platform/com/SafeArray.h"
#include "platform/com/tests/FakeObjects.h"

TEST(SafeArray, VectorBoundsAndDescriptor) {
  SAFEARRAY* psa = SafeArrayCreateVector(VT_R4, -2, 5);
  ASSERT_NE(psa, nullptr);
  EXPECT_EQ(SafeArrayGetDim(psa), 1u);
  EXPECT_EQ(SafeArrayGetElemsize(psa), 4u);
  EXPECT_EQ(psa->rgsabound[0].cElements, 5u);
  LONG low = 0, high = 0;
  EXPECT_EQ(SafeArrayGetLBound(psa, 1, &low), S_OK);
  EXPECT_EQ(SafeArrayGetUBound(psa, 1, &high), S_OK);
  EXPECT_EQ(low, -2);
  EXPECT_EQ(high, 2);
  EXPECT_EQ(SafeArrayGetLBound(psa, 2, &low), DISP_E_BADINDEX);
  EXPECT_EQ(SafeArrayGetUBound(psa, 0, &high), DISP_E_BADINDEX);
  VARTYPE vt = 0;
  EXPECT_EQ(SafeArrayGetVartype(psa, &vt), S_OK);
  EXPECT_EQ(vt, VT_R4);

  float value = 1.5f;
  LONG index = 2;
  EXPECT_EQ(SafeArrayPutElement(psa, &index, &value), S_OK);
  index = 3;
  EXPECT_EQ(SafeArrayPutElement(psa, &index, &value), DISP_E_BADINDEX);
  index = -3;
  EXPECT_EQ(SafeArrayGetElement(psa, &index, &value), DISP_E_BADINDEX);
  float* data = nullptr;
  ASSERT_EQ(SafeArrayAccessData(psa, reinterpret_cast<void**>(&data)), S_OK);
  EXPECT_EQ(data[4], 1.5f);
  EXPECT_EQ(data[0], 0.0f);  // created zero-filled
  EXPECT_EQ(SafeArrayDestroy(psa), DISP_E_ARRAYISLOCKED);
  EXPECT_EQ(SafeArrayUnaccessData(psa), S_OK);
  EXPECT_EQ(SafeArrayUnlock(psa), E_UNEXPECTED);
  EXPECT_EQ(SafeArrayDestroy(psa), S_OK);
}

// An array over the caller's memory: destroying it (or clearing the
// variant holding it) frees the descriptor and leaves the elements alone;
// a copy owns fresh elements.
TEST(SafeArray, StaticArrayOverCallerMemory) {
  double values[3] = {1.0, 2.0, 3.0};
  SAFEARRAY* psa = nullptr;
  ASSERT_EQ(SafeArrayAllocDescriptorEx(VT_R8, 1, &psa), S_OK);
  EXPECT_EQ(psa->pvData, nullptr);
  psa->rgsabound[0] = SAFEARRAYBOUND{3, 0};
  psa->pvData = values;
  psa->fFeatures |= FADF_STATIC;
  LONG index = 1;
  double read = 0;
  EXPECT_EQ(SafeArrayGetElement(psa, &index, &read), S_OK);
  EXPECT_EQ(read, 2.0);
  SAFEARRAY* copy = nullptr;
  ASSERT_EQ(SafeArrayCopy(psa, &copy), S_OK);
  EXPECT_NE(copy->pvData, static_cast<void*>(values));
  EXPECT_FALSE(copy->fFeatures & FADF_STATIC);
  EXPECT_EQ(SafeArrayDestroy(copy), S_OK);
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_ARRAY | VT_R8;
  v.parray = psa;
  EXPECT_EQ(VariantClear(&v), S_OK);  // must not free `values`
  EXPECT_EQ(values[2], 3.0);

  EXPECT_EQ(SafeArrayAllocDescriptorEx(VT_EMPTY, 1, &psa), E_INVALIDARG);
  EXPECT_EQ(SafeArrayAllocDescriptorEx(VT_R8, 0, &psa), E_INVALIDARG);
  ASSERT_EQ(SafeArrayAllocDescriptorEx(VT_I4, 2, &psa), S_OK);
  EXPECT_EQ(SafeArrayLock(psa), S_OK);
  EXPECT_EQ(SafeArrayDestroyDescriptor(psa), DISP_E_ARRAYISLOCKED);
  EXPECT_EQ(SafeArrayUnlock(psa), S_OK);
  EXPECT_EQ(SafeArrayDestroyDescriptor(psa), S_OK);
}

TEST(SafeArray, TwoDimensionsAreColumnMajor) {
  SAFEARRAYBOUND bounds[2] = {{3, 0}, {2, 1}};  // 3 rows from 0, 2 columns from 1
  SAFEARRAY* psa = SafeArrayCreate(VT_R8, 2, bounds);
  ASSERT_NE(psa, nullptr);
  // The descriptor keeps the last dimension first.
  EXPECT_EQ(psa->rgsabound[0].cElements, 2u);
  EXPECT_EQ(psa->rgsabound[0].lLbound, 1);
  EXPECT_EQ(psa->rgsabound[1].cElements, 3u);
  EXPECT_EQ(SafeArrayBound(psa, 1).cElements, 3u);
  LONG high = 0;
  SafeArrayGetUBound(psa, 2, &high);
  EXPECT_EQ(high, 2);
  for (LONG column = 1; column <= 2; ++column)
    for (LONG row = 0; row < 3; ++row) {
      LONG indices[2] = {row, column};
      double value = row * 10 + column;
      ASSERT_EQ(SafeArrayPutElement(psa, indices, &value), S_OK);
    }
  double* data = nullptr;
  SafeArrayAccessData(psa, reinterpret_cast<void**>(&data));
  const double expected[] = {1, 11, 21, 2, 12, 22};  // element (i, j) at i + j * rows
  for (int k = 0; k < 6; ++k) EXPECT_EQ(data[k], expected[k]) << k;
  SafeArrayUnaccessData(psa);
  LONG outside[2] = {0, 3};
  double value = 0;
  EXPECT_EQ(SafeArrayGetElement(psa, outside, &value), DISP_E_BADINDEX);
  SafeArrayDestroy(psa);
}

TEST(SafeArray, CreationRefusesWhatItCannotHold) {
  EXPECT_EQ(SafeArrayCreateVector(VT_EMPTY, 0, 1), nullptr);
  EXPECT_EQ(SafeArrayCreateVector(VT_NULL, 0, 1), nullptr);
  SAFEARRAYBOUND bound{4, 0};
  EXPECT_EQ(SafeArrayCreate(VT_I4, 0, &bound), nullptr);
  SAFEARRAYBOUND huge[2] = {{0x10000, 0}, {0x10000, 0}};
  EXPECT_EQ(SafeArrayCreate(VT_R8, 2, huge), nullptr);
  SAFEARRAY* empty = SafeArrayCreateVector(VT_I2, 0, 0);
  ASSERT_NE(empty, nullptr);  // zero elements is a valid array
  LONG high = 0;
  SafeArrayGetUBound(empty, 1, &high);
  EXPECT_EQ(high, -1);
  SafeArrayDestroy(empty);
  EXPECT_EQ(SafeArrayDestroy(nullptr), S_OK);
}

TEST(SafeArray, OwnedElementsAreCopiedAndFreed) {
  SAFEARRAY* variants = SafeArrayCreateVector(VT_VARIANT, 0, 3);
  VARIANT text;
  VariantInit(&text);
  text.vt = VT_BSTR;
  text.bstrVal = SysAllocString(u"C70F4756-67DC-4BD7-8B88-833438CBAB4F");
  LONG index = 0;
  ASSERT_EQ(SafeArrayPutElement(variants, &index, &text), S_OK);
  VariantClear(&text);

  bool destroyed = false;
  auto* object = new ValueObject(1, &destroyed);
  VARIANT holder;
  VariantInit(&holder);
  holder.vt = VT_DISPATCH;
  holder.pdispVal = object;  // takes the creation reference
  index = 1;
  ASSERT_EQ(SafeArrayPutElement(variants, &index, &holder), S_OK);
  VariantClear(&holder);
  EXPECT_FALSE(destroyed);  // the array keeps its own reference

  SAFEARRAY* copy = nullptr;
  ASSERT_EQ(SafeArrayCopy(variants, &copy), S_OK);
  EXPECT_EQ(object->ReferenceCount(), 2u);
  VARIANT element;
  index = 0;
  ASSERT_EQ(SafeArrayGetElement(copy, &index, &element), S_OK);
  EXPECT_EQ(element.vt, VT_BSTR);
  EXPECT_EQ(BstrView(element.bstrVal), u"C70F4756-67DC-4BD7-8B88-833438CBAB4F");
  VariantClear(&element);
  EXPECT_EQ(SafeArrayDestroy(variants), S_OK);
  EXPECT_EQ(SafeArrayDestroy(copy), S_OK);
  EXPECT_TRUE(destroyed);

  SAFEARRAY* interfaces = SafeArrayCreateVector(VT_UNKNOWN, 0, 1);
  auto kept = MakeComObject<ValueObject>(2);
  index = 0;
  ASSERT_EQ(SafeArrayPutElement(interfaces, &index, static_cast<IUnknown*>(kept.Get())), S_OK);
  EXPECT_EQ(kept->ReferenceCount(), 2u);
  IUnknown* out = nullptr;
  ASSERT_EQ(SafeArrayGetElement(interfaces, &index, &out), S_OK);
  EXPECT_EQ(kept->ReferenceCount(), 3u);
  out->Release();
  SafeArrayDestroy(interfaces);
  EXPECT_EQ(kept->ReferenceCount(), 1u);
}

TEST(SafeArray, CopyKeepsShapeBoundsAndLayout) {
  SAFEARRAYBOUND bounds[2] = {{2, -1}, {3, 5}};
  SAFEARRAY* psa = SafeArrayCreate(VT_I2, 2, bounds);
  SHORT* data = nullptr;
  SafeArrayAccessData(psa, reinterpret_cast<void**>(&data));
  for (SHORT k = 0; k < 6; ++k) data[k] = k;
  SafeArrayUnaccessData(psa);
  SafeArrayLock(psa);  // a locked source copies; the copy starts unlocked

  SAFEARRAY* copy = nullptr;
  ASSERT_EQ(SafeArrayCopy(psa, &copy), S_OK);
  EXPECT_EQ(copy->cLocks, 0u);
  for (UINT d = 1; d <= 2; ++d) {
    LONG low = 0, copyLow = 1;
    SafeArrayGetLBound(psa, d, &low);
    SafeArrayGetLBound(copy, d, &copyLow);
    EXPECT_EQ(low, copyLow);
    EXPECT_EQ(SafeArrayBound(copy, d).cElements, bounds[d - 1].cElements);
  }
  LONG indices[2] = {0, 6};  // second row, second column: 1 + 1 * 2
  SHORT value = 0;
  ASSERT_EQ(SafeArrayGetElement(copy, indices, &value), S_OK);
  EXPECT_EQ(value, 3);
  SafeArrayUnlock(psa);
  SafeArrayDestroy(psa);
  SafeArrayDestroy(copy);

  SAFEARRAY* none = reinterpret_cast<SAFEARRAY*>(0x1);
  EXPECT_EQ(SafeArrayCopy(nullptr, &none), S_OK);
  EXPECT_EQ(none, nullptr);
}

TEST(SafeArray, ArraysByReferenceAreNotOwned) {
  SAFEARRAY* psa = SafeArrayCreateVector(VT_R8, 0, 2);
  VARIANT reference;
  VariantInit(&reference);
  reference.vt = VT_ARRAY | VT_R8 | VT_BYREF;
  reference.pparray = &psa;
  VARIANT copy;
  VariantInit(&copy);
  ASSERT_EQ(VariantCopy(&copy, &reference), S_OK);
  EXPECT_EQ(copy.pparray, &psa);  // the reference is copied, not the array
  ASSERT_EQ(VariantCopyInd(&copy, &reference), S_OK);
  EXPECT_EQ(copy.vt, VT_ARRAY | VT_R8);
  EXPECT_NE(copy.parray, psa);  // now an array of its own
  VariantClear(&copy);
  VariantClear(&reference);
  EXPECT_EQ(SafeArrayDestroy(psa), S_OK);
}
