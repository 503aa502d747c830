// The value side of CSgComplexT<T>: VARIANT exchange, archive form and text
// form. The math operations are in CSgComplexMath.cpp.
#include "matrix/CSgComplexT.h"

#include "containers/CSgTextStream.h"
#include "containers/CSgVariant.h"
#include "containers/SgArchiveIo.h"
#include "containers/SgArrayVariant.h"
#include "containers/SgElementConvert.h"
#include "platform/win/CrtFormat.h"

#include <cstring>
#include <type_traits>

namespace SG {

namespace {

// The type each part is scanned as: the 8-bit types through their 32-bit
// relatives, whose low bits they keep; the long rows as their integers.
template <class T>
using ScanType = std::conditional_t<
    std::is_same_v<T, char>, int,
    std::conditional_t<std::is_same_v<T, unsigned char>, unsigned int, ElementRep<T>>>;

}  // namespace

template <class T>
void CSgComplexT<T>::Serialize(CArchive& archive) {
  CObject::Serialize(archive);
  if (archive.IsStoring())
    archive << *this;
  else
    archive >> *this;
}

template <class T>
void CSgComplexT<T>::CopyToVariant(CSgVariant& target) const {
  void* real = nullptr;
  void* imag = nullptr;
  CreateComplexVariant(&target, CSgDataType<T>::GetVarType(), &real, &imag);
  if (!real || !imag) return;  // no array could be made: nowhere to store
  std::memcpy(real, &m_real, sizeof(T));
  std::memcpy(imag, &m_imag, sizeof(T));
}

template <class T>
void CSgComplexT<T>::AssignVariant(const CSgVariant& source) {
  Set(T(0), T(0));
  const VARIANT& v = source;
  T number{};
  if (ReadVariantNumber(v, number)) {
    m_real = number;
    return;
  }
  if ((v.vt & ~VT_BYREF) == VT_BSTR) {
    FromString(static_cast<CString>(source));
    return;
  }
  void* real = nullptr;
  void* imag = nullptr;
  VARTYPE vt = VT_EMPTY;
  if (!ReadComplexVariant(&v, &real, &imag, &vt) || !IsNumericVarType(vt)) return;
  T re{}, im{};
  VisitNumbers(vt, real, [&](const auto* p) { re = ConvertElement<T>(*p); });
  VisitNumbers(vt, imag, [&](const auto* p) { im = ConvertElement<T>(*p); });
  Set(re, im);
}

template <class T>
void CSgComplexT<T>::ToString(CString& text) const {
  // Not "imag < 0": a NaN takes the form without the plus, -0.0 the one with.
  bool plus = true;
  if constexpr (IsSignedElement<T>) plus = m_imag >= T(0);
  text =
      CrtFormat(plus ? "%g+%gi" : "%g%gi", static_cast<double>(m_real), static_cast<double>(m_imag))
          .c_str();
}

template <class T>
void CSgComplexT<T>::FromString(const CString& text) {
  CSgTextStream stream(text);
  ScanType<T> real{}, imag{};
  stream >> real >> imag;
  Set(ConvertElement<T>(real), ConvertElement<T>(imag));
}

template <class T>
CArchive& operator<<(CArchive& archive, const CSgComplexT<T>& value) {
  return archive << static_cast<LONG>(0) << value.m_real << value.m_imag;
}

template <class T>
CArchive& operator>>(CArchive& archive, CSgComplexT<T>& value) {
  LONG version = 0;
  archive >> version;
  if (version != 0)
    AfxThrowArchiveException(CArchiveException::badSchema, ArchiveFileName(archive));
  T real{}, imag{};
  archive >> real >> imag;  // both read before either is stored
  value.Set(real, imag);
  return archive;
}

#define SG_COMPLEX_INSTANCE(T, stem)                               \
  template class CSgComplexT<T>;                                   \
  template CArchive& operator<<(CArchive&, const CSgComplexT<T>&); \
  template CArchive& operator>>(CArchive&, CSgComplexT<T>&);
SG_SCALAR_ELEMENT_TABLE(SG_COMPLEX_INSTANCE)

}  // namespace SG
