// The equation dialog: Draw into the active waveform through the view's
// message, parser errors listed in the dialog, values that are not numbers
// refused, the history file read and appended; and compiling once giving
// what compiling per point gives.
#include "ToolTestSupport.h"

#include "platform/afx/tests/TempFolder.h"
#include "platform/win/ModulePath.h"
#include "platform/window/ListView.h"
#include "tools/EquationSampler.h"
#include "tools/ExpDraw.h"
#include "waveform/PrivateMessages.h"

#include <cmath>
#include <fstream>
#include <iterator>

namespace {

class EquationDialogTest : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    SetModuleFileNameOverride(folder / "pelmoran");
    index = AddWave(*frame, MakeRecord("wave1", 16384, 0.25f));
    g_nPointCount = 16384;
  }
  void TearDown() override {
    SetModuleFileNameOverride("");
    ToolTest::TearDown();
  }
  INT_PTR Run(std::function<void(HWND)> script) {
    CExpDraw dlg;
    dialogs.Expect(std::move(script));
    return dlg.DoModal();
  }
  std::string History() const {
    std::ifstream in(folder / "Equations/Equations.txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::vector<std::string> ListEntries(HWND d) const {
    std::vector<std::string> entries;
    HWND list = Item(d, 1088);
    for (int i = 0; i < SendMessage(list, CB_GETCOUNT, 0, 0); ++i) {
      char text[256] = {};
      SendMessage(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      entries.push_back(text);
    }
    return entries;
  }
  TempFolder folder;
  int index = 0;
};

TEST_F(EquationDialogTest, DrawFillsTheActiveWaveformOverOneTurn) {
  EXPECT_EQ(Run([&](HWND d) {
              EXPECT_EQ(TextOf(d, 1028), "16384");
              EXPECT_EQ(ListEntries(d).size(), 6u);
              SetText(d, 1053, "  sin(x)  ");
              Review(d, "equation");
              ui_test::PressKey(Item(d, 1053), Qt::Key_Return);
            }),
            IDOK);
  const CWaveData& r = g_WaveArray[index];
  ASSERT_EQ(r.thedata.GetSize(), 16384u);
  EXPECT_EQ(r.thedata[0], 0.0f);
  EXPECT_FLOAT_EQ(r.thedata[4096], 1.0f);
  EXPECT_FLOAT_EQ(r.thedata[16383],
                  static_cast<float>(std::sin(6.283185307179586 * 16383 / 16384)));
  EXPECT_EQ(r.shape, -1);
  const std::vector<FrameMessage> expected = {{WM_DRAWMODE_STATE, 0, 0},
                                              {WM_DRAWMODE_STATE, 0, 1},
                                              {WM_DRAWMODE_STATE, 0, 2},
                                              {WM_DRAWMODE_STATE, 0, 3},
                                              {WM_APPLY_EQUATION, 0, 0}};
  EXPECT_EQ(frame->received, expected);
}

// The list of functions and symbols: a clicked entry reads against its
// highlight, focused or not, and the others stay on the list's white.
TEST_F(EquationDialogTest, AClickedSymbolReadsAgainstItsHighlight) {
  Run([&](HWND d) {
    HWND list = Item(d, 1100);
    RECT row{};
    ASSERT_TRUE(listview::ItemRect(list, 2, &row));
    ui_test::Click(list, POINT{row.left + 10, (row.top + row.bottom) / 2});
    ui_test::Pump();
    ASSERT_EQ(listview::NextItem(list, -1, LVNI_SELECTED), 2);
    for (bool focused : {true, false}) {
      if (!focused) ui_test::MoveFocus(Item(d, 1053));
      const ui_test::RowLook selected = ui_test::LookOfRow(list, 2);
      const ui_test::RowLook plain = ui_test::LookOfRow(list, 3);
      EXPECT_GE(selected.contrast, 3.0) << selected.background.name().toStdString();
      EXPECT_NE(selected.background, plain.background) << "focused " << focused;
      EXPECT_EQ(plain.background, QColor(255, 255, 255));
      EXPECT_GE(plain.contrast, 3.0);
    }
    Click(d, 1204);
  });
}

// Nothing cuts an expression short: 599 characters are taken whole.
TEST_F(EquationDialogTest, AnExpressionOfAnyLengthIsTakenWhole) {
  std::string sum = "x";
  for (int i = 1; i < 300; ++i) sum += "+x";
  ASSERT_EQ(sum.size(), 599u);
  Run([&](HWND d) {
    SetText(d, 1053, sum.c_str());
    Click(d, 1147);
  });
  const CWaveData& r = g_WaveArray[index];
  for (unsigned i : {1u, 8192u, 16383u})
    EXPECT_FLOAT_EQ(r.thedata[i], static_cast<float>(300 * EquationX(i, 16384)));
}

TEST_F(EquationDialogTest, ErrorsStayInTheDialogAndNothingIsApplied) {
  EXPECT_EQ(Run([&](HWND d) {
              boxes.Expect(IDOK, "T318");
              Click(d, 1147);  // nothing typed, entry 0
              SetText(d, 1053, "sin(x");
              Click(d, 1147);
              EXPECT_NE(TextOf(d, 1307), "");
              EXPECT_FALSE(DialogHasEnded(d));
              EXPECT_EQ(Samples(g_EquationWave), std::vector<float>(16384, 0.0f));
              Choose(d, 1088, 4);  // "log(x)": log(0) at the first point
              boxes.Expect(IDOK, "T680");
              Click(d, 1147);
              EXPECT_FALSE(DialogHasEnded(d));
              Click(d, 1204);
            }),
            IDCANCEL);
  EXPECT_EQ(frame->Count(WM_APPLY_EQUATION), 0);
  EXPECT_EQ(g_WaveArray[index].thedata[9], 0.25f);
  EXPECT_EQ(frame->Count(WM_DRAWMODE_STATE), 12);  // every Draw leaves the drawing modes
}

TEST_F(EquationDialogTest, TheLibraryGrowsByTypedEquationsOnly) {
  std::filesystem::create_directories(folder / "Equations");
  std::ofstream(folder / "Equations/Equations.txt", std::ios::binary)
      << "x^2\r\n\r\n2*x\n\ncos(2*x)\r\n";
  Run([&](HWND d) {
    EXPECT_EQ(ListEntries(d), (std::vector<std::string>{
                                  "Please Select one Equation", "sin(x)", "sin(x+(pi/2))", "cos(x)",
                                  "log(x)", "sin(0.5*pi*x)*cos(x)", "x^2", "2*x", "cos(2*x)"}));
    Click(d, 1203);  // empty: nothing
    SetText(d, 1053, "   ");
    Click(d, 1203);  // blank: nothing
    SetText(d, 1053, "x*x");
    Click(d, 1203);
    EXPECT_EQ(ListEntries(d).back(), "x*x");
    Choose(d, 1088, 6);  // a chosen entry wins over the typed text
    Click(d, 1147);
  });
  EXPECT_EQ(History(), "x^2\r\n\r\n2*x\n\ncos(2*x)\r\nx*x\r\n");
  EXPECT_FLOAT_EQ(g_WaveArray[index].thedata[8192], static_cast<float>(M_PI * M_PI));
  Run([&](HWND d) {
    EXPECT_EQ(ListEntries(d).back(), "x*x");
    Click(d, 1204);
  });
}

// The compiled program run per point against a compile per point, as the
// parser's users would call it, over 16384 points: the same floats and the
// same error at the same point.
TEST(EquationSampler, CompilingOnceGivesWhatCompilingPerPointGives) {
  const char16_t* const texts[] = {
      u"sin(x)", u"log(x)", u"x^2-3*x+sqrt(x-3)", u"sin(x+(pi/2))", u"if(x>3,1/0,x)",
      u"sin(x",  u"",       u"max(x,2)*e",        u"unknown(x)"};
  constexpr unsigned n = 16384;
  for (const char16_t* text : texts) {
    SCOPED_TRACE(std::string(text, text + std::char_traits<char16_t>::length(text)));
    ExprParser once, each;
    double x1 = 0, x2 = 0;
    for (auto [parser, x] : {std::pair{&once, &x1}, std::pair{&each, &x2}}) {
      parser->bindVariable(u"x", x);
      parser->addConstant(u"pi", 3.14159265359);
      parser->addConstant(u"e", 2.718281828459045);
    }
    SG::CSgScalarVector<float> fast;
    std::string fastError, slowError;
    try {
      SampleEquation(once, x1, text, n, fast);
    } catch (const ExprException& e) {
      fastError = DescribeParserError(e);
    }
    SG::CSgScalarVector<float> slow(n);
    try {
      for (unsigned i = 0; i < n; ++i) {
        x2 = EquationX(i, n);
        slow[i] = static_cast<float>(each.evaluateText(text));
      }
    } catch (const ExprException& e) {
      slowError = DescribeParserError(e);
    }
    EXPECT_EQ(fastError, slowError);
    ASSERT_EQ(fast.GetSize(), n);
    EXPECT_EQ(std::memcmp(fast.GetData(), slow.GetData(), n * sizeof(float)), 0);
  }
}

}  // namespace
