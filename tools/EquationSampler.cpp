#include "tools/EquationSampler.h"

#include "platform/afx/Utf.h"
#include "tools/VectorState.h"

#include <algorithm>
#include <cmath>

bool SampleEquation(ExprParser& parser, double& x, const std::u16string& text, unsigned int n,
                    SG::CSgScalarVector<float>& out) {
  out.SetSize(n, TRUE);
  if (n == 0) return true;
  float* d = out.GetData();
  unsigned int i = 0;
  bool finite = true;
  try {
    x = EquationX(0, n);
    parser.compileText(text);  // the first point's compile, as evaluateText would
    ClearUpperVectorState();
    for (; i < n; ++i) {
      x = EquationX(i, n);
      const double value = parser.evaluateProgram();
      d[i] = static_cast<float>(value);
      finite &= std::isfinite(d[i]);
    }
  } catch (...) {
    std::fill(d + i, d + n, 0.0f);  // the points before the error stay
    throw;
  }
  return finite;
}

std::string DescribeParserError(const ExprException& error) {
  std::string text;
  for (size_t i = 0; i < error.descriptions.size(); ++i) {
    if (i) text += "\r\n";
    text += AfxUtf16ToUtf8(error.descriptions[i]);
  }
  return text;
}
