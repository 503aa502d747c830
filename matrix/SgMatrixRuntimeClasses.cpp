// The run-time class records of the scalar matrices (SgScalarRuntimeClass.h).
#include "matrix/CSgScalarMatrix.h"

namespace SG {

namespace {
#define SG_MATRIX_RECORD(T, stem) SG_SCALAR_RECORD(CSgScalarMatrix, "ScalarMatrix", T, stem)
CRuntimeClass g_matrixRecords[] = {SG_SCALAR_ELEMENT_TABLE(SG_MATRIX_RECORD)};
#undef SG_MATRIX_RECORD
const ScalarRecordRegistration g_matrixRegistration(g_matrixRecords);
}  // namespace

#define SG_MATRIX_THIS_CLASS(T, stem) \
  SG_SCALAR_THIS_CLASS(CSgScalarMatrix, g_matrixRecords, T, stem)
SG_SCALAR_ELEMENT_TABLE(SG_MATRIX_THIS_CLASS)
#undef SG_MATRIX_THIS_CLASS

}  // namespace SG
