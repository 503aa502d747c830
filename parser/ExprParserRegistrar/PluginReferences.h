#pragma once
// This file is not part of the parser's interface: the registrar's list of
// loaded plug-ins, one counted reference each. A copy takes references of
// its own, so each registrar releases only what it holds.

#include <vector>

#include "parser/ExprParserRegistrar/ParserPlugin.h"

namespace exprparser {

struct PluginReferences {
  std::vector<ComPtr<IExprParserPlugin>> plugins;
};

}  // namespace exprparser
