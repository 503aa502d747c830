#pragma once
// Serial run-time classes of the scalar container templates (vectors and
// matrices), one record per row of SG_SCALAR_ELEMENT_TABLE, named "CSg" +
// the row's stem + the family's suffix. The records live in one array per
// family and are registered at start-up. Rows whose C++ type an earlier row
// already names (the 32-bit long types are int here) keep their names as
// registered aliases: they create the primary row's class and name it as
// their base, so archives written under either name load.

#include "containers/SgElementTypes.h"
#include "platform/afx/Object.h"

#include <cstddef>
#include <string_view>

// Inside a scalar container class template: its record, its creation
// function and the run-time class slot.
#define SG_DECLARE_SCALAR_CLASS(Class)                                       \
 public:                                                                     \
  static CRuntimeClass* GetThisClass();                                      \
  CRuntimeClass* GetRuntimeClass() const override { return GetThisClass(); } \
  static CObject* CreateObject() { return new Class; }

// After the class template, for each table row: declares the record of a
// primary row (an explicit specialisation must precede every use).
#define SG_DECLARE_SCALAR_RECORD(Class, T, primary) SG_DECLARE_SCALAR_RECORD_##primary(Class, T)
#define SG_DECLARE_SCALAR_RECORD_1(Class, T) template <> CRuntimeClass* Class<T>::GetThisClass();
#define SG_DECLARE_SCALAR_RECORD_0(Class, T)

// One record of the family Class with the name suffix.
#define SG_SCALAR_RECORD(Class, suffix, T, stem, primary)                                     \
  {"CSg" #stem suffix, static_cast<int>(sizeof(Class<T>)), 0, &Class<T>::CreateObject,        \
   primary ? &CObject::GetThisClass : &Class<T>::GetThisClass, nullptr},

// GetThisClass of a primary row: its place in the family's record array.
#define SG_SCALAR_THIS_CLASS(Class, records, T, stem, primary) \
  SG_SCALAR_THIS_CLASS_##primary(Class, records, T, stem)
#define SG_SCALAR_THIS_CLASS_1(Class, records, T, stem) \
  template <>                                           \
  CRuntimeClass* Class<T>::GetThisClass() {             \
    return &records[::SG::ScalarRowIndex(#stem)];       \
  }
#define SG_SCALAR_THIS_CLASS_0(Class, records, T, stem)

namespace SG {

// The position of a stem's row in SG_SCALAR_ELEMENT_TABLE.
constexpr int ScalarRowIndex(std::string_view stem) {
  int index = 0;
#define SG_SCALAR_ROW_INDEX(T, s, primary) \
  if (std::string_view(#s) == stem) return index; \
  ++index;
  SG_SCALAR_ELEMENT_TABLE(SG_SCALAR_ROW_INDEX)
#undef SG_SCALAR_ROW_INDEX
  return -1;
}

// Registers every record of a family during static initialisation.
struct ScalarRecordRegistration {
  template <std::size_t N>
  explicit ScalarRecordRegistration(CRuntimeClass (&records)[N]) {
    for (CRuntimeClass& record : records) AFX_CLASSINIT{&record};
  }
};

}  // namespace SG
