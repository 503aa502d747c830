#pragma once
// The OLE Automation VARIANT: a 16-byte tagged value (type tag, three
// reserved words, 8 bytes of value) with the platform's VT_ codes, and the
// functions that initialise, clear, copy and convert it. A VARIANT owns its
// BSTR, SAFEARRAY and interface reference; VT_BYREF values own nothing.

#include "platform/com/Bstr.h"
#include "platform/win/WinTypes.h"

struct IUnknown;
struct IDispatch;
struct SAFEARRAY;
struct tagVARIANT;

enum VARENUM : VARTYPE {
  VT_EMPTY = 0,
  VT_NULL = 1,
  VT_I2 = 2,
  VT_I4 = 3,
  VT_R4 = 4,
  VT_R8 = 5,
  VT_CY = 6,
  VT_DATE = 7,
  VT_BSTR = 8,
  VT_DISPATCH = 9,
  VT_ERROR = 10,
  VT_BOOL = 11,
  VT_VARIANT = 12,
  VT_UNKNOWN = 13,
  VT_DECIMAL = 14,
  VT_I1 = 16,
  VT_UI1 = 17,
  VT_UI2 = 18,
  VT_UI4 = 19,
  VT_I8 = 20,
  VT_UI8 = 21,
  VT_INT = 22,
  VT_UINT = 23,
  VT_VOID = 24,
  VT_HRESULT = 25,
  VT_PTR = 26,
  VT_SAFEARRAY = 27,
  VT_CARRAY = 28,
  VT_USERDEFINED = 29,
  VT_LPSTR = 30,
  VT_LPWSTR = 31,
  VT_RECORD = 36,
  VT_INT_PTR = 37,
  VT_UINT_PTR = 38,
  VT_VECTOR = 0x1000,
  VT_ARRAY = 0x2000,
  VT_BYREF = 0x4000,
  VT_RESERVED = 0x8000,
  VT_ILLEGAL = 0xFFFF,
  VT_ILLEGALMASKED = 0x0FFF,
  VT_TYPEMASK = 0x0FFF,
};

// Currency: a 64-bit integer scaled by 10,000.
struct CY {
  LONGLONG int64;
};
using CURRENCY = CY;

struct tagVARIANT {
  VARTYPE vt;
  WORD wReserved1;
  WORD wReserved2;
  WORD wReserved3;
  union {
    LONGLONG llVal;
    LONG lVal;
    BYTE bVal;
    SHORT iVal;
    FLOAT fltVal;
    DOUBLE dblVal;
    VARIANT_BOOL boolVal;
    SCODE scode;
    CY cyVal;
    DATE date;
    BSTR bstrVal;
    IUnknown* punkVal;
    IDispatch* pdispVal;
    SAFEARRAY* parray;
    BYTE* pbVal;
    SHORT* piVal;
    LONG* plVal;
    LONGLONG* pllVal;
    FLOAT* pfltVal;
    DOUBLE* pdblVal;
    VARIANT_BOOL* pboolVal;
    SCODE* pscode;
    CY* pcyVal;
    DATE* pdate;
    BSTR* pbstrVal;
    IUnknown** ppunkVal;
    IDispatch** ppdispVal;
    SAFEARRAY** pparray;
    tagVARIANT* pvarVal;
    void* byref;
    CHAR cVal;
    USHORT uiVal;
    ULONG ulVal;
    ULONGLONG ullVal;
    INT intVal;
    UINT uintVal;
    CHAR* pcVal;
    USHORT* puiVal;
    ULONG* pulVal;
    ULONGLONG* pullVal;
    INT* pintVal;
    UINT* puintVal;
  };
};
using VARIANT = tagVARIANT;
using VARIANTARG = tagVARIANT;
using LPVARIANT = VARIANT*;
using LPVARIANTARG = VARIANT*;
static_assert(sizeof(VARIANT) == 16, "the platform's VARIANT is 16 bytes");

// Accessors the platform's code uses.
#define V_VT(v) ((v)->vt)
#define V_ISBYREF(v) (((v)->vt & VT_BYREF) != 0)
#define V_ISARRAY(v) (((v)->vt & VT_ARRAY) != 0)
#define V_I2(v) ((v)->iVal)
#define V_I4(v) ((v)->lVal)
#define V_R4(v) ((v)->fltVal)
#define V_R8(v) ((v)->dblVal)
#define V_BOOL(v) ((v)->boolVal)
#define V_BSTR(v) ((v)->bstrVal)
#define V_UNKNOWN(v) ((v)->punkVal)
#define V_DISPATCH(v) ((v)->pdispVal)
#define V_ARRAY(v) ((v)->parray)
#define V_ERROR(v) ((v)->scode)
#define V_DATE(v) ((v)->date)
#define V_CY(v) ((v)->cyVal)
#define V_BYREF(v) ((v)->byref)
#define V_VARIANTREF(v) ((v)->pvarVal)

// VariantChangeType flags.
constexpr USHORT VARIANT_NOVALUEPROP = 0x01;
constexpr USHORT VARIANT_ALPHABOOL = 0x02;
constexpr USHORT VARIANT_NOUSEROVERRIDE = 0x04;
constexpr USHORT VARIANT_LOCALBOOL = 0x10;

void VariantInit(VARIANTARG* v);
// Frees what the variant owns and leaves it VT_EMPTY. DISP_E_BADVARTYPE for
// an unknown tag (the variant is left as it was), DISP_E_ARRAYISLOCKED for a
// locked array.
HRESULT VariantClear(VARIANTARG* v);
// Clears dest, then copies src deeply: BSTRs and arrays are duplicated,
// interfaces get a reference; VT_BYREF copies the pointer.
HRESULT VariantCopy(VARIANTARG* dest, const VARIANTARG* src);
// As VariantCopy, but a VT_BYREF source is copied by value.
HRESULT VariantCopyInd(VARIANT* dest, const VARIANTARG* src);
// Converts src (by value when VT_BYREF) to vt into dest; dest may be src.
// Numbers convert among each other (floating values round half to even into
// integers; out of range: DISP_E_OVERFLOW), to and from text ("C" locale
// form, booleans as "-1"/"0", or "True"/"False" with VARIANT_ALPHABOOL);
// VT_EMPTY gives 0 or empty text; VT_NULL only converts to VT_NULL; an
// object converts through its value property (DISPID 0) unless
// VARIANT_NOVALUEPROP. Failures leave dest unchanged and return
// DISP_E_TYPEMISMATCH, DISP_E_OVERFLOW or DISP_E_BADVARTYPE.
HRESULT VariantChangeType(VARIANTARG* dest, const VARIANTARG* src, USHORT flags, VARTYPE vt);
HRESULT VariantChangeTypeEx(VARIANTARG* dest, const VARIANTARG* src, LCID locale, USHORT flags,
                            VARTYPE vt);
