// libFuzzer entry: a vector archive. The first byte picks the vector (the
// ten element types, then the colour vector) and whether the archive holds
// it as an object, class tag first. Promises: a refused load leaves the
// vector as it was; an accepted one stores back exactly the bytes it read,
// and a scalar vector comes back unchanged through a VARIANT.

#include "containers/CSgColorVector.h"
#include "containers/CSgScalarVector.h"
#include "containers/CSgVariant.h"
#include "containers/SgElementTypes.h"
#include "fuzz/FuzzSupport.h"

namespace {

using SG::Long32;  // the element table names the types as SG does
using SG::ULong32;

template <class Vector>
bool SameElements(const Vector& a, const Vector& b) {
  if (a.GetSize() != b.GetSize()) return false;
  if constexpr (std::is_same_v<Vector, SG::CSgColorVector>) {
    return std::equal(a.GetData(), a.GetData() + a.GetSize(), b.GetData());
  } else {  // bit for bit, so that a NaN equals itself
    return a.GetSize() == 0 || std::memcmp(a.GetData(), b.GetData(), a.GetByteSize()) == 0;
  }
}

template <class Vector>
void LoadDirectly(const std::uint8_t* data, std::size_t size) {
  Vector vector(3);
  const Vector before(vector);
  if (!fuzz::LoadFromBytes(data, size, [&](CArchive& archive) { vector.Serialize(archive); })) {
    FUZZ_PROMISE(SameElements(vector, before));
    return;
  }
  const std::vector<BYTE> stored = Stored(vector);
  FUZZ_PROMISE(stored.size() <= size && std::memcmp(stored.data(), data, stored.size()) == 0);
  if constexpr (!std::is_same_v<Vector, SG::CSgColorVector>) {
    const SG::CSgVariant variant(vector);
    Vector back;
    back.AssignVariant(variant);
    FUZZ_PROMISE(SameElements(back, vector));
  }
}

template <class Vector>
void LoadAsObject(const std::uint8_t* data, std::size_t size) {
  Vector* loaded = nullptr;
  fuzz::LoadFromBytes(data, size, [&](CArchive& archive) { archive >> loaded; });
  delete loaded;
}

template <class Vector>
void Run(const std::uint8_t* data, std::size_t size, bool asObject) {
  if (asObject)
    LoadAsObject<Vector>(data, size);
  else
    LoadDirectly<Vector>(data, size);
}

// Colour vectors have no run-time class of their own to load as an object.
void RunColours(const std::uint8_t* data, std::size_t size, bool) {
  LoadDirectly<SG::CSgColorVector>(data, size);
}

using Runner = void (*)(const std::uint8_t*, std::size_t, bool);
const Runner kRunners[] = {
#define FUZZ_VECTOR_RUNNER(T, stem) &Run<SG::CSgScalarVector<T>>,
    SG_SCALAR_ELEMENT_TABLE(FUZZ_VECTOR_RUNNER)
#undef FUZZ_VECTOR_RUNNER
        & RunColours,
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  kRunners[data[0] % std::size(kRunners)](data + 1, size - 1,
                                          (data[0] / std::size(kRunners)) % 2 == 1);
  return 0;
}
