#pragma once
// Serial run-time classes of the scalar vectors, one record per element type
// (SgElementTypes.h names them). The records are defined once, in
// SgVectorRuntimeClasses.cpp, and registered at start-up so that an archive
// can recreate a vector of the right type from its class name.

#include "containers/SgElementTypes.h"
#include "platform/afx/Object.h"

// Inside CSgScalarVector<T>: its record, its creation function and the
// run-time class slot.
#define SG_DECLARE_SCALAR_VECTOR_CLASS()                                   \
 public:                                                                   \
  static CRuntimeClass* GetThisClass();                                    \
  CRuntimeClass* GetRuntimeClass() const override { return GetThisClass(); } \
  static CObject* CreateObject() { return new CSgScalarVector; }

namespace SG {

template <class T>
class CSgScalarVector;

// The records are defined per element type; these declarations must precede
// every use.
#define SG_DECLARE_VECTOR_RECORD(T, stem, primary) SG_DECLARE_VECTOR_RECORD_##primary(T)
#define SG_DECLARE_VECTOR_RECORD_1(T) template <> CRuntimeClass* CSgScalarVector<T>::GetThisClass();
#define SG_DECLARE_VECTOR_RECORD_0(T)

}  // namespace SG
