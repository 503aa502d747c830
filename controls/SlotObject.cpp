#include "controls/SlotObject.h"

#include "containers/CSgVariant.h"
#include "platform/afx/Exception.h"
#include "platform/afx/Utf.h"
#include "platform/com/CodePage.h"
#include "platform/com/ErrorInfo.h"

namespace SG {

SlotObject::SlotObject(const IID& iid, std::span<const SlotSpec> specs, SlotBag* bag,
                       std::vector<UINT> methods)
    : iid_(iid), specs_(specs), bag_(bag), methods_(std::move(methods)) {}

void* SlotObject::QueryExtra(REFIID riid) {
  return IsEqualIID(riid, iid_) ? static_cast<ISgSlotCall*>(this) : nullptr;
}

HRESULT SlotObject::CallSlot(UINT slot, const SlotValue* args, UINT count, SlotValue* result) {
  try {
    HRESULT hr = S_OK;
    if (Handle(slot, args, count, result, &hr)) return hr;
    return Generic(slot, args, count, result);
  } catch (CException* e) {
    char text[256] = "";
    e->GetErrorMessage(text, sizeof text);
    e->Delete();
    return ReportError(E_FAIL, text);
  } catch (const std::bad_alloc&) {
    return ReportError(E_OUTOFMEMORY, "Out of memory.");
  } catch (...) {
    return ReportError(E_UNEXPECTED, "The control failed.");
  }
}

bool SlotObject::IsSetter(UINT slot) const {
  for (const SlotSpec& spec : specs_)
    if (spec.slot == slot) return !spec.getter;
  return false;
}

HRESULT SlotObject::Generic(UINT slot, const SlotValue* args, UINT count, SlotValue* result) {
  for (const SlotSpec& spec : specs_) {
    if (spec.slot != slot) continue;
    if (spec.getter) return DeliverSlotValue(bag_ ? bag_->Find(spec.key) : nullptr, result);
    if (HRESULT hr = NeedArguments(count, 1); FAILED(hr)) return hr;
    if (args[0].kind != spec.kind) return ReportError(DISP_E_TYPEMISMATCH, "Type mismatch.");
    if (bag_) bag_->Store(spec.key, args[0]);
    return S_OK;
  }
  for (UINT m : methods_)
    if (m == slot) return S_OK;
  return ReportError(E_NOTIMPL, "The control has no such operation.");
}

HRESULT SlotObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_INVALIDARG;
  *count = 0;
  return S_OK;
}

HRESULT SlotObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT Deliver(SlotValue* out, double v) {
  if (!out) return E_POINTER;
  if (out->kind == SlotKind::Variant) {
    out->variant = VARIANT{};
    out->variant.vt = VT_R8;
    out->variant.dblVal = v;
  } else {
    out->number = v;
  }
  return S_OK;
}

HRESULT Deliver(SlotValue* out, bool v) {
  if (!out) return E_POINTER;
  out->flag = v ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

HRESULT Deliver(SlotValue* out, LONG v) {
  if (!out) return E_POINTER;
  out->int32 = v;
  return S_OK;
}

HRESULT DeliverShort(SlotValue* out, SHORT v) {
  if (!out) return E_POINTER;
  out->int16 = v;
  return S_OK;
}

HRESULT DeliverColor(SlotValue* out, DWORD colorRef) {
  if (!out) return E_POINTER;
  out->color = colorRef;
  return S_OK;
}

HRESULT Deliver(SlotValue* out, const std::string& text) {
  if (!out) return E_POINTER;
  out->text = SysAllocStringFromUtf8(text);
  return out->text ? S_OK : E_OUTOFMEMORY;
}

HRESULT DeliverObject(SlotValue* out, IUnknown* created) {
  if (!out) {
    if (created) created->Release();
    return E_POINTER;
  }
  out->object = created;
  return S_OK;
}

HRESULT DeliverObject(SlotValue* out, SlotObject* created) {
  return DeliverObject(
      out, created ? static_cast<IUnknown*>(static_cast<ISgSlotCall*>(created)) : nullptr);
}

std::string ArgText(const SlotValue& v) {
  if (v.kind == SlotKind::Text) return v.text ? AfxUtf16ToUtf8(BstrView(v.text)) : std::string();
  if (v.kind == SlotKind::Variant)
    return static_cast<LPCSTR>(static_cast<CString>(CSgVariant(v.variant)));
  return {};
}

int FindItem(const SlotValue& key, const std::vector<std::string>& names) {
  if (key.kind == SlotKind::Variant && key.variant.vt == VT_BSTR) {
    const std::string name = ArgText(key);
    for (size_t i = 0; i < names.size(); ++i)
      if (names[i] == name) return static_cast<int>(i);
    return -1;
  }
  const LONG index = ArgInt(key);
  return index >= 1 && static_cast<size_t>(index) <= names.size() ? index - 1 : -1;
}

HRESULT NoSuchItem() { return ReportError(DISP_E_BADINDEX, "No item has this name or index."); }

HRESULT NeedArguments(UINT count, UINT needed) {
  return count < needed ? ReportError(DISP_E_BADPARAMCOUNT, "Too few arguments.") : S_OK;
}

}  // namespace SG
