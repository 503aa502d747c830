#include "controls/ControlObject.h"

namespace hosted {
namespace {

// Answers the version interface for a control object it keeps alive.
class VersionObject : public ComObject<SG::IControlVersion> {
 public:
  explicit VersionObject(IUnknown* control) : control_(control) {}
  HRESULT STDMETHODCALLTYPE GetVersion(BSTR* version) override {
    if (!version) return E_POINTER;
    *version = SysAllocStringFromUtf8(kControlVersion);
    return S_OK;
  }

 private:
  ComPtr<IUnknown> control_;
};

}  // namespace

HRESULT ControlObject::QueryInterface(REFIID riid, void** object) {
  if (object && IsEqualIID(riid, SG::IID_ControlVersion)) {
    *object = static_cast<SG::IControlVersion*>(new VersionObject(static_cast<ISgSlotCall*>(this)));
    return S_OK;
  }
  return SlotObject::QueryInterface(riid, object);
}

HRESULT ControlObject::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params,
                              VARIANT* result, EXCEPINFO*, UINT*) {
  if (member != SG::DISPID_CONTROL_OBJECT) return DISP_E_MEMBERNOTFOUND;
  if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
  if (params && params->cArgs != 0) return DISP_E_BADPARAMCOUNT;
  if (!result) return S_OK;
  AddRef();
  result->vt = VT_UNKNOWN;
  result->punkVal = static_cast<ISgSlotCall*>(this);
  return S_OK;
}

}  // namespace hosted
