// libFuzzer entry: a matrix archive, loaded into a matrix of the element
// type the first byte picks. Promises: a refused load leaves the matrix as
// it was; an accepted one stores back exactly the bytes it read, comes back
// unchanged through a VARIANT, and a vector reads from that VARIANT no more
// elements than the matrix has.

#include "containers/CSgScalarVector.h"
#include "containers/CSgVariant.h"
#include "containers/SgElementTypes.h"
#include "fuzz/FuzzSupport.h"
#include "matrix/CSgScalarMatrix.h"

namespace {

using SG::Long32;  // the element table names the types as SG does
using SG::ULong32;

template <class Matrix>
bool SameElements(const Matrix& a, const Matrix& b) {
  return a.GetRows() == b.GetRows() && a.GetCols() == b.GetCols() &&
         (a.GetCount() == 0 || std::memcmp(a.GetData(), b.GetData(), a.GetByteSize()) == 0);
}

template <class T>
void Run(const std::uint8_t* data, std::size_t size) {
  SG::CSgScalarMatrix<T> matrix(1, 2);
  const SG::CSgScalarMatrix<T> before(matrix);
  if (!fuzz::LoadFromBytes(data, size, [&](CArchive& archive) { matrix.Serialize(archive); })) {
    FUZZ_PROMISE(SameElements(matrix, before));
    return;
  }
  const std::vector<BYTE> stored = Stored(matrix);
  FUZZ_PROMISE(stored.size() <= size && std::memcmp(stored.data(), data, stored.size()) == 0);
  const SG::CSgVariant variant(matrix);
  SG::CSgScalarMatrix<T> back;
  back.AssignVariant(variant);
  FUZZ_PROMISE(SameElements(back, matrix));
  SG::CSgScalarVector<double> vector;
  vector.AssignVariant(variant);
  FUZZ_PROMISE(vector.GetSize() <= matrix.GetCount());
}

using Runner = void (*)(const std::uint8_t*, std::size_t);
const Runner kRunners[] = {
#define FUZZ_MATRIX_RUNNER(T, stem) &Run<T>,
    SG_SCALAR_ELEMENT_TABLE(FUZZ_MATRIX_RUNNER)
#undef FUZZ_MATRIX_RUNNER
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  kRunners[data[0] % std::size(kRunners)](data + 1, size - 1);
  return 0;
}
