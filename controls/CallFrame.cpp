#include "controls/CallFrame.h"

#include "containers/CSgException.h"
#include "platform/afx/Exception.h"
#include "platform/afx/Utf.h"
#include "platform/com/ErrorInfo.h"

namespace SG {

void CheckHResult(HRESULT hr) {
  if (hr >= 0) return;
  CString text;
  IErrorInfo* info = nullptr;
  if (GetErrorInfo(0, &info) == S_OK && info) {
    BSTR description = nullptr;
    if (SUCCEEDED(info->GetDescription(&description)) && description)
      text = CString(AfxUtf16ToUtf8(BstrView(description)));
    SysFreeString(description);
    info->Release();
  }
  auto* error = new COleDispatchException(text, 0, 0);
  // Callers can tell a failure's cause by its status, not only by its text.
  error->m_scError = hr;
  throw error;
}

namespace {
ISgSlotCall* AsSlotCall(IUnknown* p) { return static_cast<ISgSlotCall*>(p); }
}  // namespace

CallFrame::CallFrame(CSgInterface& holder, const char* className) {
  bool mustRelease = false;
  IUnknown* p = holder.GetInterface(false, &mustRelease);
  if (!p) throw new CSgObjectNotInUsableStateException(className, TRUE);
  // Our holders keep exactly the private interface they were given.
  m_interface = AsSlotCall(p);
  m_release = mustRelease;
  m_threadOption = holder.GetThreadOption();
}

CallFrame::CallFrame(IUnknown* pointer, bool mustRelease, int threadOption, const char* className) {
  if (!pointer) throw new CSgObjectNotInUsableStateException(className, TRUE);
  m_interface = AsSlotCall(pointer);
  m_release = mustRelease;
  m_threadOption = threadOption;
}

CallFrame::~CallFrame() {
  if (m_release && m_interface) m_interface->Release();
}

HRESULT CallFrame::Invoke(UINT slot, const Args& args, SlotValue* result) {
  return m_interface->CallSlot(slot, args.Data(), args.Count(), result);
}

CallFrame::Args::~Args() {
  for (BSTR s : m_strings) SysFreeString(s);
  for (IUnknown* p : m_releases) p->Release();
}

void CallFrame::Args::Add(bool v) {
  SlotValue& s = m_values.emplace_back();
  s.kind = SlotKind::Bool;
  s.flag = v ? VARIANT_TRUE : VARIANT_FALSE;
}

void CallFrame::Args::Add(LONG v) {
  SlotValue& s = m_values.emplace_back();
  s.kind = SlotKind::Int32;
  s.int32 = v;
}

void CallFrame::Args::Add(SHORT v) {
  SlotValue& s = m_values.emplace_back();
  s.kind = SlotKind::Int16;
  s.int16 = v;
}

void CallFrame::Args::Add(double v) {
  SlotValue& s = m_values.emplace_back();
  s.kind = SlotKind::Double;
  s.number = v;
}

void CallFrame::Args::Add(AsVariant v) { Add(CSgVariant(v.value)); }

void CallFrame::Args::Add(const CSgColor& v) {
  SlotValue& s = m_values.emplace_back();
  s.kind = SlotKind::Color;
  s.color = v.GetColorRef();
}

void CallFrame::Args::Add(const CString& v) {
  BSTR text = v.AllocSysString();
  if (!text) AfxThrowMemoryException();
  m_strings.push_back(text);
  SlotValue& s = m_values.emplace_back();
  s.kind = SlotKind::Text;
  s.text = text;
}

void CallFrame::Args::Add(const char* v) { Add(CString(v)); }

void CallFrame::Args::Add(const CSgVariant& v) {
  // The frame keeps the VARIANT alive (and clears it) until after the call.
  const CSgVariant& kept = m_variants.emplace_back(v);
  SlotValue& s = m_values.emplace_back();
  s.kind = SlotKind::Variant;
  s.variant = *static_cast<const VARIANT*>(&kept);
}

void CallFrame::Args::Add(Missing) {
  CSgVariant missing;
  VARIANT& raw = missing;
  raw.vt = VT_ERROR;
  raw.scode = DISP_E_PARAMNOTFOUND;
  Add(missing);
}

void CallFrame::Args::Add(const CSgMatrix& m) {
  const CSgVariant& kept = m_variants.emplace_back(m);
  SlotValue& s = m_values.emplace_back();
  s.kind = SlotKind::Variant;
  s.variant = *static_cast<const VARIANT*>(&kept);
}

namespace {

// A float or double vector travels as an array over its own elements
// (FADF_STATIC: the array's destruction leaves them), so a long record is
// not copied once more on its way into the control, which copies what it
// keeps. False for other vectors, which the variant copies.
template <class T>
bool Borrow(const CSgVector& v, VARIANT& out) {
  const auto* typed = dynamic_cast<const CSgVectorT<T>*>(&v);
  if (!typed || typed->GetSize() == 0) return false;
  SAFEARRAY* array = nullptr;
  if (FAILED(SafeArrayAllocDescriptorEx(CSgDataType<T>::GetVarType(), 1, &array))) return false;
  array->rgsabound[0] = SAFEARRAYBOUND{typed->GetSize(), 0};
  array->pvData = const_cast<T*>(typed->GetData());
  array->fFeatures |= FADF_STATIC | FADF_FIXEDSIZE;
  out.vt = static_cast<VARTYPE>(VT_ARRAY | CSgDataType<T>::GetVarType());
  out.parray = array;
  return true;
}

}  // namespace

void CallFrame::Args::Add(const CSgVector& v) {
  VARIANT raw;
  VariantInit(&raw);
  const bool borrowed = Borrow<float>(v, raw) || Borrow<double>(v, raw);
  CSgVariant& kept = borrowed ? m_variants.emplace_back() : m_variants.emplace_back(v);
  if (borrowed) static_cast<VARIANT&>(kept) = raw;  // the variant now owns the descriptor
  SlotValue& s = m_values.emplace_back();
  s.kind = SlotKind::Variant;
  s.variant = *static_cast<const VARIANT*>(&kept);
}

void CallFrame::Args::Add(const CSgInterface& v) {
  bool mustRelease = false;
  IUnknown* p = const_cast<CSgInterface&>(v).GetInterface(false, &mustRelease);
  if (p && mustRelease) m_releases.push_back(p);
  SlotValue& s = m_values.emplace_back();
  s.kind = SlotKind::Object;
  s.object = p;
}

void CallFrame::Args::Add(const OwnedReference& v) {
  if (v.pointer) m_releases.push_back(v.pointer);
  SlotValue& s = m_values.emplace_back();
  s.kind = SlotKind::Object;
  s.object = v.pointer;
}

namespace frame_detail {

CString Result<CString>::From(SlotValue& v, int) {
  BSTR text = v.text;
  v.text = nullptr;
  struct Free {
    BSTR s;
    ~Free() { SysFreeString(s); }
  } free{text};
  return text ? CString(AfxUtf16ToUtf8(BstrView(text))) : CString();
}

namespace {
struct ClearVariant {
  VARIANT* v;
  ~ClearVariant() { VariantClear(v); }
};
}  // namespace

double Result<CallFrame::Tag<kind::VDouble>>::From(SlotValue& v, int) {
  ClearVariant clear{&v.variant};
  return static_cast<double>(CSgVariant(v.variant));
}

CSgScalarVector<double> Result<CSgScalarVector<double>>::From(SlotValue& v, int) {
  ClearVariant clear{&v.variant};
  return CSgScalarVector<double>(CSgVariant(v.variant));
}

CSgPicture Result<CSgPicture>::From(SlotValue& v, int) {
  IUnknown* p = v.object;
  v.object = nullptr;
  try {
    return CSgPicture(p, true);
  } catch (...) {
    if (p) p->Release();
    throw;
  }
}

}  // namespace frame_detail
}  // namespace SG
