#include "containers/CSgDispatch.h"

#include "containers/CSgException.h"
#include "containers/SgTrace.h"
#include "platform/afx/OleException.h"
#include "platform/afx/String.h"
#include "platform/com/Bstr.h"
#include "platform/com/CodePage.h"

#include <vector>

namespace SG {

namespace {

constexpr BYTE kByRefFlag = 0x40;
constexpr VARTYPE kAnsiString = 14;  // an argument or result given as char*

// The Invoke argument block; clears the string arguments it made.
struct Arguments {
  std::vector<VARIANT> values;
  std::vector<bool> ownsString;
  ~Arguments() {
    for (std::size_t i = 0; i < values.size(); ++i)
      if (ownsString[i]) VariantClear(&values[i]);
  }
};

BSTR CopyString(const OLECHAR* text) {
  if (!text) return nullptr;
  BSTR copy = SysAllocString(text);
  if (!copy) AfxThrowMemoryException();
  return copy;
}

// Fills v from the next argument for code c; true when v holds a string.
bool TakeArgument(BYTE c, VARIANT& v, va_list& args) {
  if (c & kByRefFlag) {
    const VARTYPE vt = static_cast<VARTYPE>((c & ~kByRefFlag) | VT_BYREF);
    v.vt = vt;
    if (vt == (VT_BOOL | VT_BYREF)) {
      // A 32-bit BOOL rewritten in place so that its first 16 bits read as a
      // VARIANT_BOOL.
      BOOL* flag = va_arg(args, BOOL*);
      *flag = *flag ? 0x0000FFFF : 0;
      v.byref = flag;
    } else if ((vt >= (VT_I2 | VT_BYREF) && vt <= (VT_ERROR | VT_BYREF)) ||
               vt == (VT_VARIANT | VT_BYREF) || vt == (VT_UNKNOWN | VT_BYREF) ||
               (vt >= (VT_I1 | VT_BYREF) && vt <= (VT_UI4 | VT_BYREF))) {
      v.byref = va_arg(args, void*);
    }
    return false;
  }
  v.vt = c;
  switch (c) {
    case VT_I2: v.iVal = static_cast<SHORT>(va_arg(args, int)); break;
    case VT_UI2: v.uiVal = static_cast<USHORT>(va_arg(args, int)); break;
    case VT_I4:
    case VT_ERROR:
    case VT_UI4: v.lVal = va_arg(args, LONG); break;
    // Interface pointers are pointer-sized on this platform.
    case VT_DISPATCH: v.pdispVal = va_arg(args, IDispatch*); break;
    case VT_UNKNOWN: v.punkVal = va_arg(args, IUnknown*); break;
    case VT_R4: v.fltVal = static_cast<FLOAT>(va_arg(args, double)); break;
    case VT_R8:
    case VT_DATE: v.dblVal = va_arg(args, double); break;
    case VT_CY: v.cyVal = *va_arg(args, const CY*); break;
    case VT_BSTR: v.bstrVal = CopyString(va_arg(args, const OLECHAR*)); return true;
    case kAnsiString: {
      const char* text = va_arg(args, const char*);
      v.vt = VT_BSTR;
      v.bstrVal = text ? CopyString(WideFromUtf8(text).c_str()) : nullptr;
      return true;
    }
    case VT_BOOL: v.boolVal = va_arg(args, int) ? VARIANT_TRUE : VARIANT_FALSE; break;
    case VT_VARIANT: v = *va_arg(args, const VARIANT*); break;  // copied as it is
    case VT_I1:
    case VT_UI1: v.bVal = static_cast<BYTE>(va_arg(args, int)); break;
    default: break;  // takes no argument; the value stays zero
  }
  return false;
}

// Stores a converted result through result by its type.
void StoreResult(VARTYPE type, VARIANT& r, void* result) {
  switch (type) {
    case VT_I2:
    case VT_UI2: *static_cast<SHORT*>(result) = r.iVal; break;
    case VT_R4: *static_cast<FLOAT*>(result) = r.fltVal; break;
    case VT_R8:
    case VT_DATE: *static_cast<DOUBLE*>(result) = r.dblVal; break;
    case VT_CY: *static_cast<CY*>(result) = r.cyVal; break;
    case VT_BSTR:
      *static_cast<CString*>(result) = CString(Utf8FromWide(BstrView(r.bstrVal)).c_str());
      SysFreeString(r.bstrVal);
      break;
    case VT_BOOL: *static_cast<BOOL*>(result) = r.boolVal != 0 ? 1 : 0; break;
    case VT_VARIANT: *static_cast<VARIANT*>(result) = r; break;  // the caller owns it
    case VT_I1:
    case VT_UI1: *static_cast<BYTE*>(result) = r.bVal; break;
    // Interface results keep the reference the call returned.
    case VT_DISPATCH: *static_cast<IDispatch**>(result) = r.pdispVal; break;
    case VT_UNKNOWN: *static_cast<IUnknown**>(result) = r.punkVal; break;
    default:
      if (type >= VT_I4 && type <= VT_UI4) *static_cast<LONG*>(result) = r.lVal;
      break;
  }
}

[[noreturn]] void ThrowDispatchException(EXCEPINFO& info) {
  if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
  auto* e = new COleDispatchException(nullptr, 0, info.wCode);
  auto take = [](BSTR& text) {
    CString s(Utf8FromWide(BstrView(text)).c_str());
    SysFreeString(text);
    text = nullptr;
    return s;
  };
  e->m_strDescription = take(info.bstrDescription);
  e->m_strSource = take(info.bstrSource);
  e->m_strHelpFile = take(info.bstrHelpFile);
  e->m_dwHelpContext = info.dwHelpContext;
  e->m_scError = info.scode;
  throw e;
}

}  // namespace

CSgDispatch::CSgDispatch(IUnknown* p, const IID&, int threadOption, bool takeOwnership)
    : CSgInterface(p, IID_IDispatch, threadOption, takeOwnership) {}

void CSgDispatch::InvokeHelperV(DISPID dispid, WORD flags, VARTYPE resultType, void* result,
                                const BYTE* paramTypes, va_list argList) {
  bool mustRelease = false;
  IUnknown* p = GetInterface(false, &mustRelease);
  if (!p) throw new CSgObjectNotInUsableStateException("CSgDispatch", TRUE);
  CSgScopedRelease guard(p, mustRelease);
  IDispatch* dispatch = static_cast<IDispatch*>(p);

  DISPPARAMS params{};
  DISPID namedPut = DISPID_PROPERTYPUT;
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    params.cNamedArgs = 1;
    params.rgdispidNamedArgs = &namedPut;
  }
  Arguments arguments;
  const std::size_t count =
      paramTypes ? std::char_traits<char>::length(reinterpret_cast<const char*>(paramTypes)) : 0;
  arguments.values.assign(count, VARIANT{});
  arguments.ownsString.assign(count, false);
  va_list args;
  va_copy(args, argList);
  try {
    // The first argument goes to the highest index.
    for (std::size_t i = 0; i < count; ++i)
      arguments.ownsString[count - 1 - i] =
          TakeArgument(paramTypes[i], arguments.values[count - 1 - i], args);
  } catch (...) {
    va_end(args);
    throw;
  }
  va_end(args);
  params.cArgs = static_cast<UINT>(count);
  params.rgvarg = count ? arguments.values.data() : nullptr;

  VARIANT r;
  VariantInit(&r);
  EXCEPINFO info{};
  UINT argumentError = static_cast<UINT>(-1);
  const HRESULT hr = dispatch->Invoke(dispid, IID_NULL, 0, flags, &params,
                                      resultType == VT_EMPTY ? nullptr : &r, &info, &argumentError);
  if (FAILED(hr)) {
    VariantClear(&r);
    if (hr == DISP_E_EXCEPTION) ThrowDispatchException(info);
    AfxThrowOleException(hr);
  }
  if (resultType == VT_EMPTY) return;
  if (resultType != VT_VARIANT) {
    const HRESULT changed = VariantChangeType(&r, &r, 0, resultType);
    if (FAILED(changed)) {
      TraceSwallowed("Dispatch", 423, "SG::CSgDispatch::InvokeHelperV");
      VariantClear(&r);
      AfxThrowOleException(changed);
    }
  }
  if (result && resultType != kAnsiString && resultType != 15)
    StoreResult(resultType, r, result);
  else
    VariantClear(&r);  // nowhere to store it: do not leak what it holds
}

void CSgDispatch::InvokeHelper(DISPID dispid, WORD flags, VARTYPE resultType, void* result,
                               const BYTE* paramTypes, ...) {
  va_list args;
  va_start(args, paramTypes);
  try {
    InvokeHelperV(dispid, flags, resultType, result, paramTypes, args);
  } catch (...) {
    va_end(args);
    throw;
  }
  va_end(args);
}

void CSgDispatch::GetProperty(DISPID dispid, VARTYPE type, void* value) {
  InvokeHelper(dispid, DISPATCH_PROPERTYGET, type, value, nullptr);
}

void CSgDispatch::SetProperty(DISPID dispid, VARTYPE type, ...) {
  va_list args;
  va_start(args, type);
  try {
    SetPropertyV(dispid, type, args);
  } catch (...) {
    va_end(args);
    throw;
  }
  va_end(args);
}

void CSgDispatch::SetPropertyV(DISPID dispid, VARTYPE type, va_list args) {
  BYTE code = static_cast<BYTE>(type);
  if (type & VT_BYREF) code = static_cast<BYTE>((type & ~VT_BYREF) | kByRefFlag);
  if (code == VT_BSTR) code = static_cast<BYTE>(kAnsiString);  // the argument is a char*
  const WORD flags = code == VT_DISPATCH ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
  const BYTE codes[2] = {code, 0};
  InvokeHelperV(dispid, flags, VT_EMPTY, nullptr, codes, args);
}

}  // namespace SG
