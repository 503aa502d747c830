// Loading a plug-in by its class id: creation through the platform's class
// registry, the version check, and the import of its definitions.

#include "parser/ExprParserRegistrar/ExprParserRegistrar.h"
#include "parser/ExprParserRegistrar/PluginReferences.h"
#include "parser/ParserErrors/ParserErrors.h"
#include "platform/com/Bstr.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/ComInit.h"

namespace exprparser {
namespace {

// A failed call of the plug-in's own interface: its definitions cannot be
// trusted to match this library.
void check(HRESULT result) {
  if (FAILED(result)) ExprParserRegistrar::raiseNames(PluginVersionMismatch, {});
}

template <class Item>
std::unique_ptr<Item> adopt(HRESULT result, Item* item) {
  std::unique_ptr<Item> owned(item);
  check(result);
  if (!owned) ExprParserRegistrar::raiseNames(PluginVersionMismatch, {});
  return owned;
}

ComPtr<IExprParserPlugin> createPlugin(const std::u16string& classId) {
  CLSID clsid{};
  ComPtr<IUnknown> object;
  ComPtr<IExprParserPlugin> plugin;
  if (FAILED(CLSIDFromString(classId.c_str(), &clsid)) ||
      FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IUnknown,
                              object.ReleaseAndGetVoidAddress())) ||
      FAILED(OleRun(object.Get())) || FAILED(object.As(plugin)))
    ExprParserRegistrar::raiseNames(PluginNotFound, classId);
  return plugin;
}

}  // namespace

PluginReferences& ExprParserRegistrar::pluginList() {
  if (!plugins_) plugins_ = std::make_unique<PluginReferences>();
  return *plugins_;
}

void ExprParserRegistrar::loadPluginByClassId(const std::u16string& classId) {
  const ComPtr<IExprParserPlugin> plugin = createPlugin(classId);
  LONG version = 0;
  check(plugin->GetVersion(&version));
  if (version != kExprParserPluginVersion) raiseNames(PluginVersionMismatch, {});
  // Held before anything is taken over: whatever is added lives in its code.
  pluginList().plugins.push_back(plugin);

  ULONG count = 0;
  check(plugin->GetConstantCount(&count));
  for (ULONG i = 0; i < count; ++i) {
    BSTR name = nullptr;
    double value = 0;
    const HRESULT result = plugin->GetConstant(i, &name, &value);
    const std::u16string text(BstrView(name));
    SysFreeString(name);
    check(result);
    addConstant(text, value);
  }
  check(plugin->GetOperatorCount(&count));
  for (ULONG i = 0; i < count; ++i) {
    OperatorDef* op = nullptr;
    const HRESULT result = plugin->CreateOperator(i, &op);
    addOperator(adopt(result, op));
  }
  check(plugin->GetFunctionCount(&count));
  for (ULONG i = 0; i < count; ++i) {
    FunctionDef* function = nullptr;
    const HRESULT result = plugin->CreateFunction(i, &function);
    addFunction(adopt(result, function));
  }
}

}  // namespace exprparser
