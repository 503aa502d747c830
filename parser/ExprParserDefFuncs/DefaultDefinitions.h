#pragma once
// The definitions every new parser starts with: sixteen operators, then the
// built-in functions followed by the numeric macros, in registration order
// (the order decides which overload of a name is found first).

#include "parser/ExprParserRegistrar/DefinitionStore.h"

namespace exprparser {

void defineDefaultOperators(DefinitionStore& store);
void defineDefaultFunctions(DefinitionStore& store);

}  // namespace exprparser
