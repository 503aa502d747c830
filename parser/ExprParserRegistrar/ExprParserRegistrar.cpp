#include "parser/ExprParserRegistrar/ExprParserRegistrar.h"

#include <algorithm>

#include "parser/ExprParserRegistrar/PluginReferences.h"
#include "parser/ExprParserRegistrar/TextUtils.h"
#include "parser/ParserErrors/ParserErrors.h"

namespace exprparser {
namespace {
constexpr int kLineByNames = 1012;
constexpr int kLineById = 1021;
bool hasBlank(std::u16string_view name) { return name.find(u' ') != std::u16string_view::npos; }
}  // namespace

ExprParserRegistrar::ExprParserRegistrar(CompilerCore* callback) : callback_(callback) {}

ExprParserRegistrar::~ExprParserRegistrar() {
  operators_.clear();
  functions_.clear();
  clearVariables();  // never calls back: the compiler may already be gone
  factory_.reset();
  plugins_.reset();  // last: the definitions above may live in a plug-in's code
}

void ExprParserRegistrar::raiseNames(int code, std::u16string item, std::u16string other) {
  SExprExcepData record;
  record.code = code;
  record.item = std::move(item);
  record.conflictingItem = std::move(other);
  raiseParserError(std::move(record), kLineByNames, kRegistrarSource);
}

void ExprParserRegistrar::raiseId(int code, int id) {
  SExprExcepData record;
  record.code = code;
  record.id = id;
  raiseParserError(std::move(record), kLineById, kRegistrarSource);
}

char16_t ExprParserRegistrar::syntaxCharIn(std::u16string_view name, const SyntaxChars& s) const {
  for (char16_t c : name) {
    if (c == 0) continue;
    if (c == s.decimalPoint || c == s.argumentSeparator || c == s.nameBegin || c == s.nameEnd ||
        c == u'(' || c == u')')
      return c;
  }
  return 0;
}

std::u16string ExprParserRegistrar::operatorIn(std::u16string_view name) const {
  std::u16string symbol;
  for (std::size_t i = 0; i < name.size(); ++i)
    if (matchOperatorAt(name.substr(i), unsigned(name.size() - i), symbol)) return symbol;
  return {};
}

// --- variables ---------------------------------------------------------------

VariableKey ExprParserRegistrar::addVariable(std::unique_ptr<VariableDef> variable) {
  const std::u16string n = variable->name();
  if (n.empty()) raiseNames(VariableNameNull, {});
  if (hasBlank(n)) raiseNames(VariableNameHasSpaces, n);
  if (hasVariable(n)) raiseNames(VariableAlreadyDefined, n);
  if (isNumberText(n, syntax_.decimalPoint)) raiseNames(VariableNameOnlyDigits, n);
  if (findConstant(n) >= 0) raiseNames(VariableNameConflictsWithConstant, n);
  for (char16_t d : {syntax_.nameBegin, syntax_.nameEnd})
    if (d != 0 && n.find(d) != std::u16string::npos)
      raiseNames(VariableNameHasDelimiter, n, std::u16string(1, d));
  appendVariable(std::move(variable));
  return variableKey(n);
}

void ExprParserRegistrar::appendVariable(std::unique_ptr<VariableDef> variable) {
  auto record = std::make_unique<VariableRecord>();
  record->index = int(variableTable_.size());
  record->variable = std::move(variable);
  variableMap_[record->variable->name()] = record.get();
  variableTable_.push_back(std::move(record));
}

void ExprParserRegistrar::removeVariable(const VariableKey& key) {
  auto found = variableMap_.find(key.name);
  if (found == variableMap_.end()) raiseNames(VariableNotFound, key.name);
  VariableRecord* record = found->second;
  variableMap_.erase(found);
  variableTable_.erase(variableTable_.begin() + record->index);
  for (std::size_t i = 0; i < variableTable_.size(); ++i) variableTable_[i]->index = int(i);
  if (callback_) callback_->discardProgram();
  ++stamp_;
}

void ExprParserRegistrar::clearVariables() {
  variableMap_.clear();
  variableTable_.clear();
  ++stamp_;
}

void ExprParserRegistrar::removeAllVariables() { clearVariables(); }

VariableKey ExprParserRegistrar::variableKey(const std::u16string& name) {
  auto found = variableMap_.find(name);
  if (found == variableMap_.end()) raiseNames(VariableNotFound, name);
  return VariableKey{found->second->index, name, stamp_};
}

VariableDef* ExprParserRegistrar::variableByName(const std::u16string& name) {
  auto found = variableMap_.find(name);
  if (found == variableMap_.end()) raiseNames(VariableNotFound, name);
  return found->second->variable.get();
}

VariableDef* ExprParserRegistrar::variableByKey(VariableKey& key) {
  if (key.stamp == stamp_ && key.index >= 0 && std::size_t(key.index) < variableTable_.size())
    return variableTable_[key.index]->variable.get();
  const VariableKey fresh = variableKey(key.name);
  key.index = fresh.index;
  key.stamp = fresh.stamp;
  return variableTable_[key.index]->variable.get();
}

bool ExprParserRegistrar::hasVariable(const std::u16string& name) const {
  return variableMap_.count(name) != 0;
}

void ExprParserRegistrar::setVariableFactory(std::unique_ptr<VariableFactory> factory) {
  factory_ = std::move(factory);
}

VariableKey ExprParserRegistrar::createVariable(const std::u16string& name) {
  std::unique_ptr<VariableDef> made = factory_ ? factory_->create(name) : nullptr;
  if (!made) raiseNames(VariableNotFound, name);
  return addVariable(std::move(made));
}

// --- constants ---------------------------------------------------------------

void ExprParserRegistrar::addConstant(const std::u16string& n, double value) {
  if (n.empty()) raiseNames(ConstantNameNull, {});
  if (hasBlank(n)) raiseNames(ConstantNameHasSpaces, n);
  if (findConstant(n) >= 0) raiseNames(ConstantAlreadyDefined, n);
  if (isNumberText(n, syntax_.decimalPoint)) raiseNames(ConstantNameOnlyDigits, n);
  if (char16_t c = syntaxCharIn(n, syntax_)) raiseNames(ConstantNameHasSyntaxChar, n, {c});
  if (auto op = operatorIn(n); !op.empty()) raiseNames(ConstantNameConflictsWithOperator, n, op);
  if (hasVariable(n)) raiseNames(ConstantNameConflictsWithVariable, n);
  constants_.push_back({n, value});
}

unsigned ExprParserRegistrar::constantCount() const { return unsigned(constants_.size()); }

void ExprParserRegistrar::constantAt(unsigned index, std::u16string& name, double& value) const {
  if (index >= constants_.size()) raiseId(ConstantIdNotFound, int(index));
  name = constants_[index].name;
  value = constants_[index].value;
}

int ExprParserRegistrar::findConstant(const std::u16string& name) const {
  for (std::size_t i = 0; i < constants_.size(); ++i)
    if (constants_[i].name == name) return int(i);
  return -1;
}

// --- functions ---------------------------------------------------------------

void ExprParserRegistrar::addFunction(std::unique_ptr<FunctionDef> function) {
  const std::u16string n = function->name();
  unsigned index = 0;
  if (n.empty()) raiseNames(FunctionNameNull, {});
  if (hasBlank(n)) raiseNames(FunctionNameHasSpaces, n);
  if (findFunctionExact(n, function->argCount(), index)) raiseNames(FunctionAlreadyDefined, n);
  if (char16_t c = syntaxCharIn(n, syntax_)) raiseNames(FunctionNameHasSyntaxChar, n, {c});
  if (auto op = operatorIn(n); !op.empty()) raiseNames(FunctionNameConflictsWithOperator, n, op);
  functions_.push_back(std::move(function));
}

unsigned ExprParserRegistrar::functionCount() const { return unsigned(functions_.size()); }

FunctionDef* ExprParserRegistrar::functionAt(unsigned index) const {
  if (index >= functions_.size()) raiseId(FunctionIdNotFound, int(index));
  return functions_[index].get();
}

bool ExprParserRegistrar::findFunction(const std::u16string& name, unsigned& index) const {
  for (std::size_t i = 0; i < functions_.size(); ++i)
    if (functions_[i]->name() == name) return index = unsigned(i), true;
  return false;
}

bool ExprParserRegistrar::findFunctionExact(const std::u16string& name, int count,
                                            unsigned& index) const {
  for (std::size_t i = 0; i < functions_.size(); ++i)
    if (functions_[i]->argCount() == count && functions_[i]->name() == name)
      return index = unsigned(i), true;
  return false;
}

bool ExprParserRegistrar::findFunctionForArgs(const std::u16string& name, int count,
                                              unsigned& index) const {
  int variadic = -1;
  for (std::size_t i = 0; i < functions_.size(); ++i) {
    if (functions_[i]->name() != name) continue;
    if (functions_[i]->argCount() == count) return index = unsigned(i), true;
    if (functions_[i]->argCount() == -1 && count >= 1) variadic = int(i);
  }
  if (variadic < 0) return false;
  index = unsigned(variadic);
  return true;
}

// --- operators ---------------------------------------------------------------

void ExprParserRegistrar::addOperator(std::unique_ptr<OperatorDef> op) {
  const std::u16string s = op->name();
  unsigned index = 0;
  if (s.empty()) raiseNames(OperatorNameNull, {});
  if (hasBlank(s)) raiseNames(OperatorNameHasSpaces, s);
  if (op->precedenceLevel() > 4 || op->precedenceLevel() < 0)
    raiseNames(OperatorInvalidPrecedence, s);
  if (findOperator(s, op->isPrefix(), index)) raiseNames(OperatorAlreadyDefined, s);
  if (char16_t c = syntaxCharIn(s, syntax_)) raiseNames(OperatorNameHasSyntaxChar, s, {c});
  for (const auto& f : functions_)
    if (containsText(f->name(), s)) raiseNames(FunctionNameConflictsWithOperator, f->name(), s);
  for (const auto& c : constants_)
    if (containsText(c.name, s)) raiseNames(ConstantNameConflictsWithOperator, c.name, s);
  insertOperator(std::move(op));
}

void ExprParserRegistrar::insertOperator(std::unique_ptr<OperatorDef> op) {
  const int length = int(std::char_traits<char16_t>::length(op->name()));
  auto at = std::find_if(operators_.begin(), operators_.end(),
                         [&](const OperatorEntry& e) { return e.length < length; });
  operators_.insert(at, OperatorEntry{std::move(op), length});
}

unsigned ExprParserRegistrar::operatorCount() const { return unsigned(operators_.size()); }

OperatorDef* ExprParserRegistrar::operatorAt(unsigned index) const {
  if (index >= operators_.size()) raiseId(OperatorIdNotFound, int(index));
  return operators_[index].op.get();
}

bool ExprParserRegistrar::findOperator(const std::u16string& symbol, bool prefix,
                                       unsigned& index) const {
  for (std::size_t i = 0; i < operators_.size(); ++i)
    if (operators_[i].op->isPrefix() == prefix && operators_[i].op->name() == symbol)
      return index = unsigned(i), true;
  return false;
}

bool ExprParserRegistrar::matchOperatorAt(std::u16string_view text, unsigned remaining,
                                          std::u16string& symbol) const {
  for (const auto& e : operators_) {
    if (unsigned(e.length) > remaining || std::size_t(e.length) > text.size()) continue;
    if (text.substr(0, e.length) == std::u16string_view(e.op->name(), e.length)) {
      symbol.assign(e.op->name(), e.length);
      return true;
    }
  }
  return false;
}

// --- syntax, plug-ins, copies ------------------------------------------------

void ExprParserRegistrar::applySyntax(SyntaxChars s) {
  if (s.argumentSeparator == s.decimalPoint) raiseNames(ArgSepSameAsDecimalPoint, {});
  if (s.argumentSeparator == s.nameBegin || s.argumentSeparator == s.nameEnd)
    raiseNames(ArgSepSameAsVarDelimiter, {});
  if (s.decimalPoint == s.nameBegin || s.decimalPoint == s.nameEnd)
    raiseNames(DecimalPointSameAsVarDelimiter, {});
  for (const auto& e : operators_)
    if (char16_t c = syntaxCharIn(e.op->name(), s))
      raiseNames(OperatorNameHasSyntaxChar, e.op->name(), {c});
  for (const auto& f : functions_)
    if (char16_t c = syntaxCharIn(f->name(), s))
      raiseNames(FunctionNameHasSyntaxChar, f->name(), {c});
  for (const auto& k : constants_)
    if (char16_t c = syntaxCharIn(k.name, s)) raiseNames(ConstantNameHasSyntaxChar, k.name, {c});
  syntax_ = s;
}

std::size_t ExprParserRegistrar::pluginCount() const {
  return plugins_ ? plugins_->plugins.size() : 0;
}

std::unique_ptr<ExprParserRegistrar> ExprParserRegistrar::duplicate(CompilerCore* callback) const {
  auto copy = std::make_unique<ExprParserRegistrar>(callback);
  copy->syntax_ = syntax_;
  if (factory_) copy->factory_ = factory_->duplicate();
  if (plugins_) copy->plugins_ = std::make_unique<PluginReferences>(*plugins_);
  for (const auto& [name, record] : variableMap_)
    copy->appendVariable(record->variable->duplicate());
  copy->constants_ = constants_;
  for (const auto& e : operators_) copy->insertOperator(e.op->duplicate());
  for (const auto& f : functions_) copy->functions_.push_back(f->duplicate());
  return copy;
}

}  // namespace exprparser
