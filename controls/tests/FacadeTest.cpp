// The numeric edit and the button through their facades, and the control
// base's window hook.
#include "ControlsTestSupport.h"

#include "../../platform/window/tests/UiTestKit.h"
#include "containers/CSgException.h"
#include "controls/CSgNumEdit.h"
#include "controls/GraphPicture.h"
#include "controls/NumEditControl.h"

#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace SG;

namespace {

TEST(NumEdit, ShowsAndTakesADouble) {
  HostedWindow window(kNumEditClass, "", 120, 24, 1200);
  CSgNumEdit edit(2);
  edit.SubclassWindow(window.control);
  std::vector<std::pair<double, double>> changes;  // value, typed
  std::vector<std::pair<int, int>> presses, keys;  // button or key code, shift
  IDispatch* sink = hosted::NewEventSink([&](DISPID id, DISPPARAMS& p) {
    if (id == hosted::kValueChanged)
      changes.emplace_back(hosted::EventArgument(p, 0).pvarVal->dblVal,
                           *hosted::EventArgument(p, 2).plVal);
    if (id == hosted::kStockMouseDown)
      presses.emplace_back(hosted::EventArgument(p, 0).iVal, hosted::EventArgument(p, 1).iVal);
    if (id == hosted::kStockKeyDown)
      keys.emplace_back(*hosted::EventArgument(p, 0).piVal, hosted::EventArgument(p, 1).iVal);
  });
  hosted::AdviseControlEvents(window.control, sink);

  edit.SetValue(2.5);
  EXPECT_EQ(edit.GetValue(), 2.5);
  EXPECT_EQ(edit.GetText(), CString("2.5"));
  edit.SetFormat("%.3f");
  EXPECT_EQ(edit.GetText(), CString("2.500"));

  ui_test::ShowActive(window.host);
  auto* line = static_cast<QLineEdit*>(WidgetOf(window.control));
  line->selectAll();
  ui_test::TypeText(window.control, "12.25");
  ui_test::PressKey(window.control, Qt::Key_Return);
  EXPECT_EQ(edit.GetValue(), 12.25);
  for (const char* refused : {"abc", "nan", "inf", "1e999", "12.5x"}) {
    line->selectAll();
    ui_test::TypeText(window.control, refused);
    ui_test::PressKey(window.control, Qt::Key_Return);
    EXPECT_EQ(edit.GetValue(), 12.25) << refused;
    EXPECT_EQ(edit.GetText(), CString("12.250")) << refused;
  }
  // Setting the value the edit already holds reports nothing, so a handler
  // that writes back the value it was told does not run again.
  edit.SetValue(12.25);
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(changes[0], std::make_pair(2.5, 0.0));
  EXPECT_EQ(changes[1], std::make_pair(12.25, 1.0));

  // The coordinate bar's sink takes the stock mouse-down and key-down.
  QTest::mouseClick(line, Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 5));
  ASSERT_EQ(presses.size(), 1u);
  EXPECT_EQ(presses[0], std::make_pair(1, 1));
  keys.clear();
  QTest::keyClick(line, Qt::Key_Return);
  ASSERT_EQ(keys.size(), 1u);
  EXPECT_EQ(keys[0], std::make_pair(0x0D, 0));  // VK_RETURN

  // Its picture shows the number it holds: not a blank page.
  CSgPicture picture = edit.GetControlImage();
  IDispatch* disp = picture.GetPictureDisp();
  const QImage drawn = hosted::ControlPictureImage(disp);
  disp->Release();
  ASSERT_EQ(drawn.size(), QSize(120, 24));
  int dark = 0;
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x) dark += qGray(drawn.pixel(x, y)) < 100;
  EXPECT_GT(dark, 10);

  // A format that does not show one number is refused.
  EXPECT_TRUE(ThrowsPointer<COleDispatchException>([&] { edit.SetFormat("%s"); }));
  sink->Release();
}

TEST(Button, ShowsItsColour) {
  HostedWindow window(kButtonClass, "", 40, 20, 1300);
  CSgButton button(2);
  button.SubclassWindow(window.control);
  button.SetColor(CSgColor(255, 0, 0));
  EXPECT_EQ(button.GetColor(), CSgColor(255, 0, 0));
  QImage shot = WidgetOf(window.control)->grab().toImage();
  EXPECT_EQ(shot.pixelColor(20, 10), QColor(255, 0, 0));
  button.SetCaption("swatch");  // an unnamed property keeps its value
  EXPECT_EQ(button.GetCaption(), CString("swatch"));
  // Its picture shows the colour too, at the size asked for.
  CSgPicture picture = button.GetControlImage(80, 40);
  IDispatch* disp = picture.GetPictureDisp();
  const QImage drawn = hosted::ControlPictureImage(disp);
  disp->Release();
  ASSERT_EQ(drawn.size(), QSize(80, 40));
  EXPECT_EQ(drawn.pixelColor(40, 20), QColor(255, 0, 0));
}

class ThrowingDetach : public CSgGraph {
 public:
  ThrowingDetach() : CSgGraph(2) {}
  void Detach() override {
    CSgGraph::Detach();
    throw new CSgObjectNotInUsableStateException("CSgGraph", TRUE);
  }
};

TEST(ControlHook, NoExceptionEscapesIntoTheWindowSystem) {
  HostedWindow window(kGraphClass, "", 100, 100);
  ScriptedBoxes boxes;
  boxes.Expect(IDOK, "unusable state");
  {
    ThrowingDetach graph;
    graph.SubclassWindow(window.control);
    LRESULT result = 0;
    EXPECT_NO_THROW(result = CSgControl::HookWindowProc(window.control, WM_DESTROY, 0, 0));
    (void)result;
    graph.UnsubclassWindow();
  }
  EXPECT_EQ(boxes.Pending(), 0u);
  // Other messages pass to the previous procedure with its result.
  EXPECT_EQ(CSgControl::HookWindowProc(window.control, WM_USER + 5, 0, 0),
            DefWindowProc(window.control, WM_USER + 5, 0, 0));
}

}  // namespace
