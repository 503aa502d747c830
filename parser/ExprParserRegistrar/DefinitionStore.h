#pragma once
// What both the registrar and the parser facade offer for defining and
// looking up names; the facade forwards every call to its registrar.
// Every add takes ownership; a refused definition is deleted before the
// error leaves.

#include <memory>
#include <string>

#include "parser/ExprParserRegistrar/Definitions.h"

namespace exprparser {

class DefinitionStore {
 public:
  virtual ~DefinitionStore() = default;
  virtual VariableKey addVariable(std::unique_ptr<VariableDef> variable) = 0;
  virtual void removeVariable(const VariableKey& key) = 0;
  virtual void removeAllVariables() = 0;
  virtual VariableDef* variableByKey(VariableKey& key) = 0;
  virtual VariableDef* variableByName(const std::u16string& name) = 0;
  virtual VariableKey variableKey(const std::u16string& name) = 0;
  virtual void loadPluginByClassId(const std::u16string& classId) = 0;
  virtual void addConstant(const std::u16string& name, double value) = 0;
  virtual unsigned constantCount() const = 0;
  virtual void constantAt(unsigned index, std::u16string& name, double& value) const = 0;
  virtual void addFunction(std::unique_ptr<FunctionDef> function) = 0;
  virtual unsigned functionCount() const = 0;
  virtual FunctionDef* functionAt(unsigned index) const = 0;
  virtual void addOperator(std::unique_ptr<OperatorDef> op) = 0;
  virtual unsigned operatorCount() const = 0;
  virtual OperatorDef* operatorAt(unsigned index) const = 0;
  virtual void applySyntax(SyntaxChars syntax) = 0;
  virtual SyntaxChars syntax() const = 0;
};

// What the compiler and the facade share; the registrar calls back through it
// when a variable a program may refer to is removed.
class CompilerCore {
 public:
  virtual ~CompilerCore() = default;
  virtual bool autoDefinitionEnabled() const = 0;
  virtual void compileText(const std::u16string& text) = 0;
  virtual bool isConstantProgram() const = 0;
  virtual unsigned usedVariableCount() const = 0;
  virtual VariableKey usedVariable(unsigned index) const = 0;
  virtual std::u16string expressionText() const = 0;
  virtual void discardProgram() = 0;
};

}  // namespace exprparser
