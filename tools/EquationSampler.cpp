#include "tools/EquationSampler.h"

#include "platform/afx/Utf.h"

void SampleEquation(ExprParser& parser, double& x, const std::u16string& text, unsigned int n,
                    SG::CSgScalarVector<float>& out) {
  out.SetSize(n, FALSE);
  if (n == 0) return;
  float* d = out.GetData();
  x = EquationX(0, n);
  parser.compileText(text);  // the first point's compile, as evaluateText would
  for (unsigned int i = 0; i < n; ++i) {
    x = EquationX(i, n);
    d[i] = static_cast<float>(parser.evaluateProgram());
  }
}

std::string DescribeParserError(const ExprException& error) {
  std::string text;
  for (size_t i = 0; i < error.descriptions.size(); ++i) {
    if (i) text += "\r\n";
    text += AfxUtf16ToUtf8(error.descriptions[i]);
  }
  return text;
}
