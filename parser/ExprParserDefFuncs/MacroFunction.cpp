#include "parser/ExprParserDefFuncs/MacroFunction.h"

#include <algorithm>
#include <limits>

#include "parser/ExprParserCompiler/ExprParserCompiler.h"
#include "parser/ExprParserRegistrar/TextUtils.h"
#include "parser/ParserFacade/ExprParser.h"

namespace exprparser {
namespace {
constexpr int kLinePrototype = 60;
constexpr int kLineEmptyArgument = 93;
constexpr int kLineArgumentName = 109;

SExprExcepData prototypeRecord(const std::u16string& prototype, unsigned position) {
  SExprExcepData record;
  record.code = MacroPrototypeSyntax;
  record.position = std::int32_t(position);
  record.item = prototype;
  return record;
}
}  // namespace

std::pair<std::u16string, std::vector<std::u16string>> parsePrototype(
    const std::u16string& prototype, const SyntaxChars& syntax) {
  std::vector<unsigned> at;
  const std::u16string t = removeSpaces(prototype, at);
  const std::size_t open = t.find(u'(');
  if (t.empty() || open == std::u16string::npos || t.back() != u')')
    raiseParserError(prototypeRecord(prototype, t.empty() ? 0 : at.back()), kLinePrototype,
                     kDefFuncsSource);
  std::u16string name = t.substr(0, open);
  std::vector<std::u16string> arguments;
  const bool noArguments = t.size() >= 2 && t[t.size() - 2] == u'(';
  ExprParser scratch;  // applies the variable-name rules and refuses repeats
  double dummy = 0;
  for (std::size_t pos = open + 1; pos < t.size();) {
    std::size_t end = t.find(syntax.argumentSeparator, pos);
    if (end == std::u16string::npos) end = t.find(u')', pos);
    if (end == std::u16string::npos) break;
    std::u16string argument = t.substr(pos, end - pos);
    if (argument.empty()) {
      if (!noArguments)
        raiseParserError(prototypeRecord(prototype, at[pos]), kLineEmptyArgument, kDefFuncsSource);
    } else {
      try {
        scratch.bindVariable(argument, &dummy);
      } catch (const ParserError& inner) {
        raiseWithContext(inner, prototypeRecord(prototype, at[pos]), kLineArgumentName,
                         kDefFuncsSource);
      }
      arguments.push_back(std::move(argument));
    }
    pos = end + 1;
  }
  return {std::move(name), std::move(arguments)};
}

MacroFunction::MacroFunction() = default;
MacroFunction::~MacroFunction() = default;

double MacroFunction::compute(unsigned, const double* args) {
  if (!compiled_) return std::numeric_limits<double>::quiet_NaN();
  std::copy(args, args + argumentCount_, values_.get());
  return parser_->evaluateProgram();
}

void MacroFunction::prepare(ExprParserCompiler* compiler, ExprParserRegistrar* registrar) {
  if (!compiled_)
    compile(prototype_, expression_, description_, compiler, registrar, definedAtNesting_);
}

std::unique_ptr<FunctionDef> MacroFunction::duplicate() const {
  auto copy = std::make_unique<MacroFunction>();
  copy->prototype_ = prototype_;
  copy->description_ = description_;
  copy->expression_ = expression_;
  copy->name_ = name_;
  copy->argumentCount_ = argumentCount_;
  copy->definedAtNesting_ = definedAtNesting_;
  return copy;
}

void MacroFunction::compileMacro(const std::u16string& prototype, const std::u16string& expression,
                                 const std::u16string& description, ExprParserCompiler* compiler,
                                 ExprParserRegistrar* registrar) {
  compile(prototype, expression, description, compiler, registrar, compiler->nestingDepth());
  definedAtNesting_ = compiler->nestingDepth();
}

void MacroFunction::compile(const std::u16string& prototype, const std::u16string& expression,
                            const std::u16string& description, ExprParserCompiler* compiler,
                            ExprParserRegistrar* registrar, int nesting) {
  compiled_ = false;
  values_.reset();
  parser_.reset();
  if (const int limit = compiler->limitReached(nesting))
    compiler->raiseAt(MacroNestingTooDeep, 0, {}, limit);
  auto parser = std::make_unique<ExprParser>(*compiler, *registrar);
  parser->setDepths(nesting + 1, compiler->compileDepth() + 1);
  auto [name, arguments] = parsePrototype(prototype, registrar->syntax());
  prototype_ = prototype;
  parser->removeAllVariables();  // the expression sees its arguments only
  const unsigned count = unsigned(arguments.size());
  auto values = std::make_unique<double[]>(count);
  std::vector<const DefinitionItem*> bound;
  std::u16string usage = name + u"(";
  for (unsigned i = 0; i < count; ++i) {
    VariableKey key = parser->bindVariable(arguments[i], &values[i]);
    bound.push_back(parser->variableByKey(key));
    usage += arguments[i];
    if (i + 1 < count) usage += u", ";
  }
  usage += u")";
  parser->compileText(expression);
  foldable_ = parser->compiler().dependsOnlyOn([&bound](const DefinitionItem* item) {
    return std::find(bound.begin(), bound.end(), item) != bound.end();
  });
  argumentCount_ = count;
  values_ = std::move(values);
  parser_ = std::move(parser);
  usage_ = std::move(usage);
  expression_ = expression;
  description_ = description;
  name_ = std::move(name);
  compiled_ = true;
}

}  // namespace exprparser
