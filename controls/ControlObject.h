#pragma once
// The object a hosted control hands out through its dispatch member 2000:
// the control's private interface, the version interface and IDispatch.

#include "controls/SlotObject.h"

namespace hosted {

inline constexpr const char* kControlVersion = "6.0.0.0";

class ControlObject : public SG::SlotObject {
 public:
  using SG::SlotObject::SlotObject;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  // Member 2000 (method, no arguments) delivers this object as VT_UNKNOWN.
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO*, UINT*) override;
};

}  // namespace hosted
