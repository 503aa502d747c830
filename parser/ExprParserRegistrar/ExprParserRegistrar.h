#pragma once
// Keeps everything an expression may name: operators (longest symbol first),
// functions with overloads by argument count, constants and variables, plus
// the syntax characters and the factory that creates variables on demand.
// Every definition is validated against the others before it is stored;
// a refusal changes nothing.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "parser/ExprParserRegistrar/DefinitionStore.h"

namespace exprparser {

struct PluginReferences;

class ExprParserRegistrar final : public DefinitionStore {
 public:
  explicit ExprParserRegistrar(CompilerCore* callback);
  ~ExprParserRegistrar() override;
  ExprParserRegistrar(const ExprParserRegistrar&) = delete;
  ExprParserRegistrar& operator=(const ExprParserRegistrar&) = delete;

  VariableKey addVariable(std::unique_ptr<VariableDef> variable) override;
  void removeVariable(const VariableKey& key) override;
  void removeAllVariables() override;
  VariableDef* variableByKey(VariableKey& key) override;
  VariableDef* variableByName(const std::u16string& name) override;
  VariableKey variableKey(const std::u16string& name) override;
  void loadPluginByClassId(const std::u16string& classId) override;
  void addConstant(const std::u16string& name, double value) override;
  unsigned constantCount() const override;
  void constantAt(unsigned index, std::u16string& name, double& value) const override;
  void addFunction(std::unique_ptr<FunctionDef> function) override;
  unsigned functionCount() const override;
  FunctionDef* functionAt(unsigned index) const override;
  void addOperator(std::unique_ptr<OperatorDef> op) override;
  unsigned operatorCount() const override;
  OperatorDef* operatorAt(unsigned index) const override;
  void applySyntax(SyntaxChars syntax) override;
  SyntaxChars syntax() const override { return syntax_; }
  // The plug-ins whose definitions this registrar holds (none until one is
  // loaded); each is released after every definition, at destruction.
  std::size_t pluginCount() const;

  void setVariableFactory(std::unique_ptr<VariableFactory> factory);
  VariableKey createVariable(const std::u16string& name);
  bool hasVariable(const std::u16string& name) const;
  bool findOperator(const std::u16string& symbol, bool prefix, unsigned& index) const;
  bool findFunction(const std::u16string& name, unsigned& index) const;
  bool findFunctionForArgs(const std::u16string& name, int count, unsigned& index) const;
  bool findFunctionExact(const std::u16string& name, int count, unsigned& index) const;
  int findConstant(const std::u16string& name) const;
  // The operator symbol (longest first) that starts `text`.
  bool matchOperatorAt(std::u16string_view text, unsigned remaining, std::u16string& symbol) const;
  std::unique_ptr<ExprParserRegistrar> duplicate(CompilerCore* callback) const;

  [[noreturn]] static void raiseNames(int code, std::u16string item, std::u16string other = {});

 private:
  struct VariableRecord {
    int index = 0;
    std::unique_ptr<VariableDef> variable;
  };
  struct OperatorEntry {
    std::unique_ptr<OperatorDef> op;
    int length = 0;
  };
  struct Constant {
    std::u16string name;
    double value = 0;
  };

  [[noreturn]] static void raiseId(int code, int id);
  PluginReferences& pluginList();
  // The first syntax character or bracket in `name`, or 0.
  char16_t syntaxCharIn(std::u16string_view name, const SyntaxChars& syntax) const;
  // The first operator symbol found at some position of `name`, or empty.
  std::u16string operatorIn(std::u16string_view name) const;
  void insertOperator(std::unique_ptr<OperatorDef> op);
  void appendVariable(std::unique_ptr<VariableDef> variable);
  void clearVariables();

  std::vector<OperatorEntry> operators_;
  std::vector<std::unique_ptr<FunctionDef>> functions_;
  std::map<std::u16string, VariableRecord*> variableMap_;
  std::vector<std::unique_ptr<VariableRecord>> variableTable_;
  std::vector<Constant> constants_;
  SyntaxChars syntax_;
  CompilerCore* callback_;
  std::unique_ptr<VariableFactory> factory_;
  int stamp_ = 0;
  std::unique_ptr<PluginReferences> plugins_;
};

}  // namespace exprparser
