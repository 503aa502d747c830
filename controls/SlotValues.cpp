#include "controls/SlotValues.h"

#include "containers/CSgVariant.h"

namespace SG {

SlotValue CopySlotValue(const SlotValue& v) {
  SlotValue copy = v;
  copy.variant = VARIANT{};
  if (v.kind == SlotKind::Variant) VariantCopy(&copy.variant, &v.variant);
  if (v.text) copy.text = SysAllocStringLen(v.text, SysStringLen(v.text));
  if (v.object) v.object->AddRef();
  return copy;
}

void FreeSlotValue(SlotValue& v) {
  if (v.kind == SlotKind::Variant) VariantClear(&v.variant);
  SysFreeString(v.text);
  v.text = nullptr;
  if (v.object) v.object->Release();
  v.object = nullptr;
}

HRESULT DeliverSlotValue(const SlotValue* stored, SlotValue* out) {
  if (!out) return E_POINTER;
  const SlotKind kind = out->kind;
  if (stored && stored->kind == kind) {
    *out = CopySlotValue(*stored);
  } else {
    *out = SlotValue{};
    out->kind = kind;
  }
  return S_OK;
}

SlotBag::SlotBag(const SlotBag& other) {
  for (const auto& [key, value] : other.values_) Store(key, value);
}

SlotBag& SlotBag::operator=(const SlotBag& other) {
  if (this != &other) {
    SlotBag copy(other);
    std::swap(values_, copy.values_);
  }
  return *this;
}

SlotBag::~SlotBag() {
  for (auto& [key, value] : values_) FreeSlotValue(value);
}

void SlotBag::Store(UINT key, const SlotValue& value) {
  SlotValue copy = CopySlotValue(value);
  auto [it, inserted] = values_.try_emplace(key, copy);
  if (!inserted) {
    FreeSlotValue(it->second);
    it->second = copy;
  }
}

const SlotValue* SlotBag::Find(UINT key) const {
  auto it = values_.find(key);
  return it == values_.end() ? nullptr : &it->second;
}

double ArgDouble(const SlotValue& v) {
  switch (v.kind) {
    case SlotKind::Variant: return static_cast<double>(CSgVariant(v.variant));
    case SlotKind::Double: return v.number;
    case SlotKind::Int32: return v.int32;
    case SlotKind::Int16: return v.int16;
    case SlotKind::Bool: return v.flag ? 1.0 : 0.0;
    default: return 0.0;
  }
}

LONG ArgInt(const SlotValue& v) {
  switch (v.kind) {
    case SlotKind::Variant: return static_cast<LONG>(CSgVariant(v.variant));
    case SlotKind::Double: return static_cast<LONG>(v.number);
    case SlotKind::Int32: return v.int32;
    case SlotKind::Int16: return v.int16;
    case SlotKind::Color: return static_cast<LONG>(v.color);
    default: return 0;
  }
}

bool ArgBool(const SlotValue& v) {
  if (v.kind == SlotKind::Bool) return v.flag != 0;
  if (v.kind == SlotKind::Variant) return static_cast<bool>(CSgVariant(v.variant));
  return ArgInt(v) != 0;
}

bool ArgMissing(const SlotValue& v) {
  return v.kind == SlotKind::Variant && v.variant.vt == VT_ERROR &&
         v.variant.scode == static_cast<SCODE>(DISP_E_PARAMNOTFOUND);
}

}  // namespace SG
