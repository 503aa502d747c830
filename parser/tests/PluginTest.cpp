// Plug-ins loaded by class id: a small plug-in registered in-process gives a
// constant, an operator and a function; faulty ones are refused.

#include "parser/ExprParserRegistrar/ParserPlugin.h"
#include "parser/tests/ParserTestSupport.h"
#include "platform/com/Bstr.h"
#include "platform/com/ClassRegistry.h"

namespace exprparser::test {
namespace {

constexpr const char16_t* kClassId = u"{9A0C3F52-6B1E-4D7A-8E21-3C5B7D9F0A14}";
constexpr CLSID kClsid = GuidFromText("9A0C3F52-6B1E-4D7A-8E21-3C5B7D9F0A14");

// x # y = 10x + y, between * and ^.
class DigitsOperator final : public OperatorDef {
 public:
  const char16_t* name() const override { return u"#"; }
  const char16_t* usage() const override { return u"x # y"; }
  const char16_t* summary() const override { return u"Appends a digit"; }
  double compute(unsigned, const double* a) override { return 10 * a[0] + a[1]; }
  int precedenceLevel() const override { return 2; }
  std::unique_ptr<OperatorDef> duplicate() const override {
    return std::make_unique<DigitsOperator>();
  }
};

class TwiceFunction final : public FunctionDef {
 public:
  const char16_t* name() const override { return u"twice"; }
  const char16_t* usage() const override { return u"twice(x)"; }
  const char16_t* summary() const override { return u"Doubles"; }
  double compute(unsigned, const double* a) override { return 2 * a[0]; }
  int argCount() const override { return 1; }
  std::unique_ptr<FunctionDef> duplicate() const override {
    return std::make_unique<TwiceFunction>();
  }
};

// What the next plug-in made will do; each test sets it.
struct Behaviour {
  LONG version = kExprParserPluginVersion;
  HRESULT counts = S_OK;
  bool nullFunction = false;
  const char16_t* constantName = u"answer";
};
Behaviour g_behaviour;
int g_livePlugins = 0;

class TestPlugin final : public ComObject<IExprParserPlugin> {
 public:
  TestPlugin() : behaviour_(g_behaviour) { ++g_livePlugins; }
  ~TestPlugin() override { --g_livePlugins; }
  HRESULT STDMETHODCALLTYPE GetVersion(LONG* version) override {
    *version = behaviour_.version;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetConstantCount(ULONG* count) override {
    *count = 1;
    return behaviour_.counts;
  }
  HRESULT STDMETHODCALLTYPE GetConstant(ULONG, BSTR* name, double* value) override {
    *name = SysAllocString(behaviour_.constantName);
    *value = 42;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetOperatorCount(ULONG* count) override {
    *count = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE CreateOperator(ULONG, OperatorDef** op) override {
    *op = new DigitsOperator();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetFunctionCount(ULONG* count) override {
    *count = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE CreateFunction(ULONG, FunctionDef** function) override {
    *function = behaviour_.nullFunction ? nullptr : new TwiceFunction();
    return S_OK;
  }

 private:
  Behaviour behaviour_;
};

// An object of another kind, under a class id of its own.
constexpr const char16_t* kOtherClassId = u"{9A0C3F52-6B1E-4D7A-8E21-3C5B7D9F0A15}";
struct NotAPlugin final : ComObject<IClassFactory> {
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID, void**) override { return E_FAIL; }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

class Plugins : public ::testing::Test {
 protected:
  void SetUp() override { g_behaviour = Behaviour{}; }
  void TearDown() override { EXPECT_EQ(g_livePlugins, 0); }

  ComPtr<ClassFactory<TestPlugin>> factory_ = MakeComObject<ClassFactory<TestPlugin>>();
  ClassRegistration registration_{kClsid, factory_.Get()};
};

TEST_F(Plugins, DefinitionsJoinTheParserAndOutliveTheOriginal) {
  auto parser = std::make_unique<ExprParser>();
  parser->loadPluginByClassId(kClassId);
  EXPECT_EQ(parser->registrar().pluginCount(), 1u);
  EXPECT_EQ(parser->evaluateText(u"twice(answer) # 3 + 1"), 844);
  ExprParser copy(*parser);
  parser.reset();
  EXPECT_EQ(g_livePlugins, 1);  // the copy holds its own reference
  EXPECT_EQ(copy.evaluateProgram(), 844);
  EXPECT_EQ(copy.evaluateText(u"1#2#3"), 123);
}

TEST_F(Plugins, RefusalsSayWhy) {
  const auto otherFactory = MakeComObject<ClassFactory<NotAPlugin>>();
  const ClassRegistration other(GuidFromText("9A0C3F52-6B1E-4D7A-8E21-3C5B7D9F0A15"),
                                otherFactory.Get());
  struct Case {
    const char16_t* classId;
    Behaviour behaviour;
    int code;
  };
  Behaviour version2, failingCount, nullFunction, clash;
  version2.version = 2;
  failingCount.counts = E_UNEXPECTED;
  nullFunction.nullFunction = true;
  clash.constantName = u"NaN";
  const Case cases[] = {
      {u"not a class id", {}, PluginNotFound},
      {u"{00000000-0000-0000-0000-0000000000AB}", {}, PluginNotFound},
      {kOtherClassId, {}, PluginNotFound},
      {kClassId, version2, PluginVersionMismatch},
      {kClassId, failingCount, PluginVersionMismatch},
      {kClassId, nullFunction, PluginVersionMismatch},
      {kClassId, clash, ConstantAlreadyDefined},
  };
  for (const Case& c : cases) {
    g_behaviour = c.behaviour;
    ExprParser parser;
    const ErrorSeen seen = captureError([&] { parser.loadPluginByClassId(c.classId); });
    EXPECT_EQ(seen.code, c.code) << narrow(c.classId);
  }
  EXPECT_EQ(g_livePlugins, 0);
}

}  // namespace
}  // namespace exprparser::test
