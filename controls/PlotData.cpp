// Plot data as it arrives in VARIANTs.
#include "controls/ColumnReduction.h"
#include "controls/GraphObjects.h"

#include "containers/CSgScalarVector.h"
#include "containers/CSgVariant.h"
#include "platform/com/SafeArray.h"

namespace hosted {

using namespace SG;

namespace {

// The plot's previous data is rewritten in place when nothing else shares
// it (no picture holds it): a replot then writes into memory already mapped.
// With a summary requested, the copy and the summary are one pass.
template <class T>
std::shared_ptr<SampleData> CopyArray(SAFEARRAY* array, ULONG count,
                                      std::shared_ptr<SampleData>* reuse, ColumnCache* summary) {
  void* raw = nullptr;
  if (FAILED(SafeArrayAccessData(array, &raw))) return nullptr;
  const T* first = static_cast<const T*>(raw);
  std::shared_ptr<SampleData> data;
  if (reuse && *reuse && reuse->use_count() == 1 && (*reuse)->x.empty() &&
      std::holds_alternative<SampleVector<T>>((*reuse)->values)) {
    data = std::move(*reuse);
    ++data->version;
  } else {
    data = std::make_shared<SampleData>();
    data->values = SampleVector<T>();
  }
  auto& target = std::get<SampleVector<T>>(data->values);
  if (summary && summary->width > 0) {
    CopyAndReduce(first, count, target, *summary);
    summary->data = data.get();
    summary->version = data->version;
  } else {
    target.assign(first, first + count);
  }
  SafeArrayUnaccessData(array);
  return data;
}

}  // namespace

std::shared_ptr<SampleData> SamplesFromVariant(const VARIANT& v, std::shared_ptr<SampleData>* reuse,
                                               ColumnCache* summary) {
  if ((v.vt & VT_ARRAY) && !(v.vt & VT_BYREF) && v.parray && SafeArrayGetDim(v.parray) == 1) {
    const ULONG count = v.parray->rgsabound[0].cElements;
    // The common cases travel without a conversion per element.
    if ((v.vt & VT_TYPEMASK) == VT_R4) return CopyArray<float>(v.parray, count, reuse, summary);
    if ((v.vt & VT_TYPEMASK) == VT_R8) return CopyArray<double>(v.parray, count, reuse, summary);
  }
  const VARTYPE base = v.vt & VT_TYPEMASK;
  if (base == VT_EMPTY || base == VT_NULL || base == VT_BSTR || base == VT_DISPATCH ||
      base == VT_UNKNOWN || base == VT_ERROR)
    return nullptr;
  CSgScalarVector<double> converted{CSgVariant(v)};
  auto data = std::make_shared<SampleData>();
  data->values =
      SampleVector<double>(converted.GetData(), converted.GetData() + converted.GetSize());
  return data;
}

}  // namespace hosted
