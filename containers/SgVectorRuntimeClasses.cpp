// The run-time class records of the scalar vectors, registered at start-up.
// Rows whose C++ type an earlier row already names (the 32-bit long types
// are int here) keep their names as registered aliases: they create the
// primary row's class and name it as their base, so archives written under
// either name load.
#include "containers/CSgScalarVector.h"

#include <string_view>

namespace SG {

namespace {

template <class T>
CObject* CreateVector() {
  return CSgScalarVector<T>::CreateObject();
}

#define SG_VECTOR_RECORD(T, stem, primary)                                                   \
  {"CSg" #stem "ScalarVector", static_cast<int>(sizeof(CSgScalarVector<T>)), 0, &CreateVector<T>, \
   primary ? &CObject::GetThisClass : &CSgScalarVector<T>::GetThisClass, nullptr},
CRuntimeClass g_vectorRecords[] = {SG_SCALAR_ELEMENT_TABLE(SG_VECTOR_RECORD)};
#undef SG_VECTOR_RECORD

const struct VectorRegistration {
  VectorRegistration() {
    for (CRuntimeClass& record : g_vectorRecords) AFX_CLASSINIT{&record};
  }
} g_vectorRegistration;

// The record of a primary row, found by its position in the table.
constexpr int RecordIndex(const char* stem) {
  int index = 0;
#define SG_VECTOR_INDEX(T, s, primary) \
  if (std::string_view(#s) == stem) return index; \
  ++index;
  SG_SCALAR_ELEMENT_TABLE(SG_VECTOR_INDEX)
#undef SG_VECTOR_INDEX
  return -1;
}

}  // namespace

#define SG_VECTOR_THIS_CLASS(T, stem, primary) SG_VECTOR_THIS_CLASS_##primary(T, stem)
#define SG_VECTOR_THIS_CLASS_1(T, stem) \
  template <>                           \
  CRuntimeClass* CSgScalarVector<T>::GetThisClass() { return &g_vectorRecords[RecordIndex(#stem)]; }
#define SG_VECTOR_THIS_CLASS_0(T, stem)
SG_SCALAR_ELEMENT_TABLE(SG_VECTOR_THIS_CLASS)
#undef SG_VECTOR_THIS_CLASS

}  // namespace SG
