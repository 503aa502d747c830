#pragma once
// What a parser plug-in implements: a COM class, created by its class id,
// that answers IExprParserPlugin. The parser checks the version, then takes
// over the plug-in's constants, operators and functions in that order, each
// validated as if the caller had defined it. Operators and functions are
// handed over as new heap objects, which the parser owns from then on; the
// parser keeps a reference on the plug-in as long as any registrar holding
// its definitions lives, so their code stays loaded.

#include "parser/ExprParserRegistrar/Definitions.h"
#include "platform/com/Unknown.h"

inline constexpr IID IID_IExprParserPlugin = GuidFromText("16B5EAE9-0F34-4930-A86C-7DB86940919D");
// The only version this parser loads.
inline constexpr LONG kExprParserPluginVersion = 3;

struct IExprParserPlugin : IUnknown {
  static constexpr const IID& iid = IID_IExprParserPlugin;
  virtual HRESULT STDMETHODCALLTYPE GetVersion(LONG* version) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetConstantCount(ULONG* count) = 0;
  // The name is a new BSTR, which the caller frees.
  virtual HRESULT STDMETHODCALLTYPE GetConstant(ULONG index, BSTR* name, double* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetOperatorCount(ULONG* count) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateOperator(ULONG index, exprparser::OperatorDef** op) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetFunctionCount(ULONG* count) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateFunction(ULONG index,
                                                   exprparser::FunctionDef** function) = 0;

 protected:
  ~IExprParserPlugin() = default;
};
