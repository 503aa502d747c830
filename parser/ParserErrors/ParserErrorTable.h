#pragma once
// The parser's 49 error codes with their English descriptions, written once.
// In a description, {item}, {other}, {pos} and {number} stand for the item,
// the conflicting item, the 1-based position and the id of the error record.
// The texts are shown to users and kept in their saved error reports: their
// spelling and spacing are part of the interface.

#define EXPR_PARSER_ERRORS(X)                                                                      \
  X(0, ArgSepSameAsDecimalPoint,                                                                   \
    u"The argument separator character and the decinal point character are the same")              \
  X(1, ArgSepSameAsVarDelimiter,                                                                   \
    u"The argument separator character and one of the variable name delimiter characters are the " \
    u"same")                                                                                       \
  X(2, DecimalPointSameAsVarDelimiter,                                                             \
    u"The decimal point character and one of the variable name delimiter characters are the same") \
  X(3, OperatorAlreadyDefined, u"Operator already defined: {item}")                                \
  X(4, OperatorNameNull, u"Operator name cannot be null")                                          \
  X(5, OperatorNameHasSpaces, u"This operator's name contains space characters: {item}")           \
  X(6, OperatorNameHasSyntaxChar,                                                                  \
    u"Operator name '{item}' conflicts with the syntax element character: '{other}'.")             \
  X(7, OperatorInvalidPrecedence, u"Operator: {item}; invalid precedence.")                        \
  X(8, OperatorIdNotFound, u"Cannot find the specified operator: id = {number}")                   \
  X(9, FunctionAlreadyDefined, u"Function already defined: {item}")                                \
  X(10, FunctionNameNull, u"Function name cannot be null")                                         \
  X(11, FunctionNameHasSpaces, u"This function's name contains space characters: {item}")          \
  X(12, FunctionNameHasSyntaxChar,                                                                 \
    u"Function name '{item}' conflicts with the syntax element character: '{other}'.")             \
  X(13, FunctionNameConflictsWithOperator,                                                         \
    u"Function name '{item}' conflicts with the operator '{other}'.")                              \
  X(14, FunctionIdNotFound, u"Cannot find the specified function: id = {number}")                  \
  X(15, VariableAlreadyDefined, u"Variable already defined: {item}")                               \
  X(16, VariableNameNull, u"Variable name cannot be null")                                         \
  X(17, VariableNameHasSpaces, u"This variable's name contains space characters: {item}")          \
  X(18, VariableNameOnlyDigits,                                                                    \
    u"Invalid variable name: {item}. Cannot be composed only of numbers")                          \
  X(19, VariableNameConflictsWithConstant,                                                         \
    u"Variable name '{item}' conflicts with the constant of the same name.")                       \
  X(20, VariableNameHasDelimiter,                                                                  \
    u"Variable name '{item}' contains the variable delimiter character: '{other}'.")               \
  X(21, VariableNotFound, u"Variable not found: {item}")                                           \
  X(22, ConstantAlreadyDefined, u"Constant already defined: {item}")                               \
  X(23, ConstantNameNull, u"Constant name cannot be null")                                         \
  X(24, ConstantNameHasSpaces, u"This constant's name contains space characters: {item}")          \
  X(25, ConstantNameOnlyDigits,                                                                    \
    u"Invalid constant name: {item}. Cannot be composed only of numbers")                          \
  X(26, ConstantNameHasSyntaxChar,                                                                 \
    u"Constant name '{item}' conflicts with the syntax element character: '{other}'.")             \
  X(27, ConstantNameConflictsWithOperator,                                                         \
    u"Constant name '{item}' conflicts with the operator '{other}'.")                              \
  X(28, ConstantNameConflictsWithVariable,                                                         \
    u"Constant name '{item}' conflicts with the variable of the same name.")                       \
  X(29, ConstantIdNotFound, u"Cannot find the specified constant: id = {number}")                  \
  X(30, PluginVersionMismatch, u"The plug-in's version is incompatible with this library")         \
  X(31, PluginNotFound,                                                                            \
    u"The plug-in cannot be found.  Make sure the plug-in is properly registered.")                \
  X(32, MacroPrototypeSyntax,                                                                      \
    u"The macro's prototype syntax is incorrect: '{item}' at position {pos}. The proper syntax "   \
    u"is: macro(arg1, arg2, arg3...).")                                                            \
  X(33, OperatorSyntax, u"Invalid operator syntax: {item}, at position {pos}")                     \
  X(34, FunctionArgumentSyntax,                                                                    \
    u"Invalid function's argument syntax. Function's name: {item}, argument {number}, at "         \
    u"position {pos}")                                                                             \
  X(35, UnexpectedBeginVarDelimiter,                                                               \
    u"Unexpected begin variable name character at position: {pos}")                                \
  X(36, UnexpectedEndVarDelimiter, u"Unexpected end variable name character at position: {pos}")   \
  X(37, UnexpectedOperator, u"Unexpected operator near position: {pos}")                           \
  X(38, MissingOpeningBracket,                                                                     \
    u"Missing opening bracket to macth closing bracket at position: {pos}")                        \
  X(39, ArgSepOutsideFunction,                                                                     \
    u"Invalid use of an argument separator outside a function at position: {pos}")                 \
  X(40, MissingClosingBracket,                                                                     \
    u"Missing closing bracket to match opening bracket at position: {pos}")                        \
  X(41, NoOverloadForArgCount,                                                                     \
    u"Function :{item}, position: {pos}.  No overloaded function takes {number} arguments")        \
  X(42, InvalidSyntax, u"Invalid syntax near position {pos}")                                      \
  X(43, MissingOperator, u"Missing operator before : {item}, at position: {pos}")                  \
  X(44, UndefinedFunction, u"Undefined function: {item}, at position: {pos}")                      \
  X(45, UndefinedVariable, u"Undefined variable: {item}, at position: {pos}")                      \
  X(46, ArgSepMisuse, u"Invalid use of an argument separator at position: {pos}")                  \
  X(47, InternalError, u"Internal error at position: {pos}")                                       \
  X(48, MacroNestingTooDeep,                                                                       \
    u"Macros are nested too deeply at position: {pos}. At most {number} levels are allowed")
