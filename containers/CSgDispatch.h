#pragma once
// An interface holder for IDispatch with a late-bound call routine: a string
// of VARTYPE codes and a variable argument list become one Invoke, and the
// result is converted back to a typed value. Codes with bit 0x40 pass their
// argument by reference; code 14 (VT_DECIMAL's number) means an ANSI string.

#include "containers/CSgInterface.h"

#include <cstdarg>

namespace SG {

class CSgDispatch : public CSgInterface {
 public:
  CSgDispatch() = default;
  // Attaches p as IDispatch; iid is not used.
  CSgDispatch(IUnknown* p, const IID& iid, int threadOption, bool takeOwnership);
  CSgDispatch(const CSgInterface& other) : CSgInterface(other) {}
  CSgDispatch& operator=(const CSgInterface& other) {
    CSgInterface::operator=(other);
    return *this;
  }
  ~CSgDispatch() override = default;

  bool CreateDispatch(const CLSID& clsid, COleException* error, int threadOption) {
    return CreateInstance(clsid, IID_IDispatch, error, threadOption);
  }
  bool CreateDispatch(const char* clsidOrProgId, COleException* error, int threadOption) {
    return CreateInstance(clsidOrProgId, IID_IDispatch, error, threadOption);
  }

  void InvokeHelperV(DISPID dispid, WORD flags, VARTYPE resultType, void* result,
                     const BYTE* paramTypes, va_list args);
  void InvokeHelper(DISPID dispid, WORD flags, VARTYPE resultType, void* result,
                    const BYTE* paramTypes, ...);
  void GetProperty(DISPID dispid, VARTYPE type, void* value);
  void SetProperty(DISPID dispid, VARTYPE type, ...);
  void SetPropertyV(DISPID dispid, VARTYPE type, va_list args);
};

}  // namespace SG
