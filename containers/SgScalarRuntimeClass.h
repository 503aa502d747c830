#pragma once
// Serial run-time classes of the scalar container templates (vectors and
// matrices), one record per row of SG_SCALAR_ELEMENT_TABLE, named "CSg" +
// the row's stem + the family's suffix. The records live in one array per
// family and are registered at start-up.

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

// After the class template, for each table row: declares the row's record
// (an explicit specialisation must precede every use).
#define SG_DECLARE_SCALAR_RECORD(Class, T) \
  template <>                              \
  CRuntimeClass* Class<T>::GetThisClass();

// One record of the family Class with the name suffix.
#define SG_SCALAR_RECORD(Class, suffix, T, stem) \
  {"CSg" #stem suffix,                           \
   static_cast<int>(sizeof(Class<T>)),           \
   0,                                            \
   &Class<T>::CreateObject,                      \
   &CObject::GetThisClass,                       \
   nullptr},

// GetThisClass of a row: its place in the family's record array.
#define SG_SCALAR_THIS_CLASS(Class, records, T, stem) \
  template <>                                         \
  CRuntimeClass* Class<T>::GetThisClass() {           \
    return &records[::SG::ScalarRowIndex(#stem)];     \
  }

namespace SG {

// The position of a stem's row in SG_SCALAR_ELEMENT_TABLE.
constexpr int ScalarRowIndex(std::string_view stem) {
  int index = 0;
#define SG_SCALAR_ROW_INDEX(T, s)                 \
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
