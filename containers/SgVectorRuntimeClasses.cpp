// The run-time class records of the scalar vectors (SgScalarRuntimeClass.h).
#include "containers/CSgScalarVector.h"

namespace SG {

namespace {
#define SG_VECTOR_RECORD(T, stem) SG_SCALAR_RECORD(CSgScalarVector, "ScalarVector", T, stem)
CRuntimeClass g_vectorRecords[] = {SG_SCALAR_ELEMENT_TABLE(SG_VECTOR_RECORD)};
#undef SG_VECTOR_RECORD
const ScalarRecordRegistration g_vectorRegistration(g_vectorRecords);
}  // namespace

#define SG_VECTOR_THIS_CLASS(T, stem) \
  SG_SCALAR_THIS_CLASS(CSgScalarVector, g_vectorRecords, T, stem)
SG_SCALAR_ELEMENT_TABLE(SG_VECTOR_THIS_CLASS)
#undef SG_VECTOR_THIS_CLASS

}  // namespace SG
