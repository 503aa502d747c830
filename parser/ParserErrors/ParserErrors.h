#pragma once
// The parser's one exception type and its error records. Every parser failure
// is thrown by value as ExprChainedExceptions<SExprExcepData>; a component
// that catches an inner failure adds one entry in front and throws a copy.

#include <cstdint>
#include <string>
#include <vector>

#include "parser/ParserErrors/ParserErrorTable.h"

namespace exprparser {

enum ParserErrorCode : std::int32_t {
#define EXPR_PARSER_ERROR_ENUM(code, id, text) id = code,
  EXPR_PARSER_ERRORS(EXPR_PARSER_ERROR_ENUM)
#undef EXPR_PARSER_ERROR_ENUM
};

struct SExprExcepData {
  std::int32_t code = 0;
  std::int32_t position = 0;  // 0-based; descriptions show position + 1
  std::u16string item;
  std::u16string conflictingItem;
  std::int32_t id = 0;
  std::int32_t spare = 0;
  std::u16string description;  // left empty: the text travels in the entry
};

struct SExcepEntry {
  std::int32_t line = 0;
  std::int32_t spare = 0;
  std::u16string sourceFile;
  std::u16string description;
  SExprExcepData record;
};

// The English description of a record: reads code, position, item,
// conflicting item and id; never fails.
std::u16string describeError(const SExprExcepData& record);

class ExprException {
 public:
  std::int32_t line = 0;
  std::u16string sourceFile;
  std::u16string description;
  std::vector<std::u16string> descriptions;  // most recent first
};

template <class Record>
class ExprChainedExceptions : public ExprException {
 public:
  ExprChainedExceptions(std::int32_t line, std::u16string sourceFile, std::int32_t spare,
                        const Record& record, std::u16string description) {
    addEntry(line, std::move(sourceFile), spare, record, std::move(description));
  }

  void addEntry(std::int32_t line, std::u16string sourceFile, std::int32_t spare,
                const Record& record, std::u16string description) {
    this->line = line;
    this->sourceFile = sourceFile;
    this->description = description;
    descriptions.insert(descriptions.begin(), description);
    entries.insert(entries.begin(),
                   SExcepEntry{line, spare, std::move(sourceFile), std::move(description), record});
  }

  std::vector<SExcepEntry> entries;  // most recent first
};

using ParserError = ExprChainedExceptions<SExprExcepData>;

// Source-file texts of the raising components, as stored in the entries.
inline constexpr char16_t kRegistrarSource[] = u".\\ExprParserRegistrar";
inline constexpr char16_t kCompilerSource[] = u".\\ExprParserCompiler";
inline constexpr char16_t kDefFuncsSource[] = u".\\ExprParserDefFuncs";

// Builds the record's description and throws a new chained exception.
[[noreturn]] void raiseParserError(SExprExcepData record, std::int32_t line,
                                   const char16_t* sourceFile);

// Adds an outer entry for `record` in front of `inner` and throws a copy.
[[noreturn]] void raiseWithContext(const ParserError& inner, SExprExcepData record,
                                   std::int32_t line, const char16_t* sourceFile);

}  // namespace exprparser
