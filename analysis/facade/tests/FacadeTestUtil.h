#pragma once
// Runs a facade call and reports what it threw: the math code and text, or
// the out-of-memory exception. Every caught exception is ended with Delete.
// Also a vector made of given values, and a vector's values.
#include "containers/CSgExceptionT.h"
#include "containers/CSgScalarVector.h"
#include "platform/afx/Exception.h"

#include <functional>
#include <string>
#include <vector>

namespace facade_test {

struct Outcome {
  int returned = 0;
  bool threwMath = false, threwMemory = false;
  int code = 0;
  std::string text;
};

inline Outcome Call(const std::function<int()>& call) {
  Outcome o;
  try {
    o.returned = call();
  } catch (SG::CSgMathException* e) {
    o.threwMath = true;
    o.code = e->GetErrorCode();
    o.text = e->GetErrorString().GetString();
    e->Delete();
  } catch (CMemoryException* e) {
    o.threwMemory = true;
    e->Delete();
  }
  return o;
}

using Vec = SG::CSgScalarVector<double>;

inline Vec Of(std::vector<double> values) { return Vec(unsigned(values.size()), values.data()); }
inline std::vector<double> Values(const Vec& v) { return {v.GetData(), v.GetData() + v.GetSize()}; }

}  // namespace facade_test
