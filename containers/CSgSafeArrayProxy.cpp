#include "containers/CSgSafeArrayProxy.h"

namespace SG {

void CSgSafeArrayProxy::ReleaseAccess() {
  if (m_accessed) SafeArrayUnaccessData(m_array);
  m_accessed = false;
  m_data = nullptr;
}

bool CSgSafeArrayProxy::Attach(SAFEARRAY* array) {
  ReleaseAccess();
  m_array = array;
  if (!array) return false;
  void* data = nullptr;
  if (FAILED(SafeArrayAccessData(array, &data))) {
    m_data = nullptr;
    return false;
  }
  // An array of no elements may have no block: the access is held (and
  // released later) all the same.
  m_data = data;
  m_accessed = true;
  return true;
}

bool CSgSafeArrayProxy::Attach(const VARIANT& variant) {
  if (!(variant.vt & VT_ARRAY)) return false;
  return Attach(ArrayOfVariant(variant));
}

unsigned int VectorLengthOf(const SAFEARRAY* array) {
  if (!array || array->cDims == 0) return 0;
  const SAFEARRAYBOUND* bounds = array->rgsabound;
  for (USHORT d = 1; d < array->cDims; ++d)
    if (bounds[d].cElements == 0) return 0;
  return bounds[0].cElements;
}

SAFEARRAY* ArrayOfVariant(const VARIANT& variant) {
  if (!(variant.vt & VT_ARRAY)) return nullptr;
  if (variant.vt & VT_BYREF) return variant.pparray ? *variant.pparray : nullptr;
  return variant.parray;
}

}  // namespace SG
