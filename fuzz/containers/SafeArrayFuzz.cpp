// libFuzzer entry: a SAFEARRAY described by the input (element type, one to
// three dimensions with their bounds, the data) handed to every vector and
// matrix kind, directly and by reference, announced with its own element
// type or another. Promises: nothing reads more elements than the array
// holds, the array is left unlocked, and what was read goes back into a
// VARIANT and out again unchanged.

#include "containers/CSgColorVector.h"
#include "containers/CSgScalarVector.h"
#include "containers/CSgVariant.h"
#include "fuzz/FuzzSupport.h"
#include "matrix/CSgScalarMatrix.h"
#include "platform/com/SafeArray.h"

namespace {

// Element types an array is made of. Those holding pointers (BSTR, VARIANT)
// keep the zeros they are made with; the others take the input's bytes.
constexpr VARTYPE kTypes[] = {VT_I1,   VT_UI1, VT_I2,   VT_UI2,   VT_BOOL, VT_I4,
                              VT_UI4,  VT_INT, VT_UINT, VT_R4,    VT_R8,   VT_CY,
                              VT_DATE, VT_I8,  VT_UI8,  VT_ERROR, VT_BSTR, VT_VARIANT};
constexpr ULONG kMostElements = 1 << 16;

ULONGLONG Total(const SAFEARRAYBOUND* bounds, UINT dims) {
  ULONGLONG total = 1;
  for (UINT d = 0; d < dims; ++d) total *= bounds[d].cElements;
  return total;
}

template <class Container>
void Read(const SG::CSgVariant& variant, ULONGLONG total) {
  Container container;
  container.AssignVariant(variant);
  if constexpr (requires { container.GetRows(); })
    FUZZ_PROMISE(container.GetCount() <= total);
  else
    FUZZ_PROMISE(container.GetSize() <= total);
  const SG::CSgVariant out(container);
  Container back;
  back.AssignVariant(out);
  FUZZ_PROMISE(back.GetByteSize() == container.GetByteSize());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Bytes in(data, size);
  const VARTYPE type = kTypes[in.Byte() % std::size(kTypes)];
  const std::uint8_t shape = in.Byte();
  const UINT dims = 1 + shape % 3;
  const bool byReference = shape & 4;
  const VARTYPE announced = shape & 8 ? kTypes[in.Byte() % std::size(kTypes)] : type;
  SAFEARRAYBOUND bounds[3];
  for (UINT d = 0; d < dims; ++d) {
    bounds[d].cElements = in.Value<ULONG>();
    bounds[d].lLbound = in.Value<std::int16_t>();
  }
  // Large arrays say nothing small ones do not; empty ones keep their
  // other dimensions as given, however large.
  if (Total(bounds, dims) > kMostElements)
    for (UINT d = 0; d < dims; ++d) bounds[d].cElements %= 41;
  SAFEARRAY* array = SafeArrayCreate(type, dims, bounds);
  if (!array) return 0;
  const ULONGLONG total = Total(bounds, dims);
  if (type != VT_BSTR && type != VT_VARIANT)
    std::memcpy(array->pvData, in.Rest(),
                std::min<ULONGLONG>(in.Left(), total * array->cbElements));

  SG::CSgVariant variant;
  VARIANT& v = variant;
  SAFEARRAY* held = array;
  if (byReference) {
    v.vt = VT_ARRAY | VT_BYREF | announced;
    v.pparray = &held;
  } else {
    v.vt = VT_ARRAY | announced;
    v.parray = array;
  }
  Read<SG::CSgScalarVector<double>>(variant, total);
  Read<SG::CSgScalarVector<short>>(variant, total);
  Read<SG::CSgScalarVector<unsigned char>>(variant, total);
  Read<SG::CSgScalarVector<SG::ULong32>>(variant, total);
  Read<SG::CSgColorVector>(variant, total);
  Read<SG::CSgScalarMatrix<double>>(variant, total);
  Read<SG::CSgScalarMatrix<char>>(variant, total);
  FUZZ_PROMISE(array->cLocks == 0);
  if (byReference) {
    v.vt = VT_EMPTY;  // the array is not the variant's to free
    SafeArrayDestroy(array);
  } else {
    v.vt = VT_ARRAY | type;  // freed as what it is
  }
  return 0;
}
