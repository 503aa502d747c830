#include "containers/CSgVariant.h"

#include "platform/afx/Exception.h"
#include "platform/com/Bstr.h"

namespace SG {

namespace {

// A VARIANT operation that fails only for lack of memory.
void Check(HRESULT hr) {
  if (hr == E_OUTOFMEMORY) AfxThrowMemoryException();
}

}  // namespace

CSgVariant::~CSgVariant() { VariantClear(this); }

CSgVariant& CSgVariant::operator=(const CSgVariant& other) {
  COleVariant::operator=(other);
  return *this;
}

void CSgVariant::CopyFrom(const CSgDataObject& data) {
  try {
    data.CopyToVariant(*this);
  } catch (...) {
    VariantClear(this);  // never leave a half-built value behind
    throw;
  }
}

void CSgVariant::CopyTo(VARIANT* destination) const {
  VariantClear(destination);
  Check(VariantCopy(destination, this));
}

}  // namespace SG
