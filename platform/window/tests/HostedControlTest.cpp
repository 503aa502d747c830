// Controls of our own in dialog templates: a class registered with its widget
// factory is created by its name like a standard control; the pointer shown
// over a window is the one its WM_SETCURSOR handler sets.
#include "UiTestKit.h"

#include "platform/afx/String.h"
#include "platform/window/Cursors.h"
#include "platform/window/Dialogs.h"
#include "platform/window/Resources.h"
#include "platform/window/WindowWidget.h"

#include <QImage>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {
int g_created = 0;

LRESULT GaugeProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_SETCURSOR) {
    SetCursor(LoadCursor(reinterpret_cast<HINSTANCE>(1), 901));
    return TRUE;
  }
  return DefWindowProc(h, msg, w, l);
}

QWidget* MakeGauge(HWND, QWidget* parent) {
  ++g_created;
  return new QLabel("gauge", parent);
}

INT_PTR Quiet(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST(HostedControl, ATemplateCreatesARegisteredClassByNameAndItsPointerFollowsSetCursor) {
  WNDCLASS wc;
  wc.lpfnWndProc = GaugeProc;
  wc.lpszClassName = "PelmoranTestGauge";
  ASSERT_NE(RegisterClassWithFactory(&wc, MakeGauge), 0);
  EXPECT_EQ(RegisterClassWithFactory(&wc, MakeGauge), 0);  // one class per name

  QImage arrow(8, 8, QImage::Format_ARGB32);
  arrow.fill(Qt::red);
  std::string folder = testing::TempDir();
  ASSERT_TRUE(arrow.save(QString::fromStdString(folder + "/gauge-cursor.png")));
  std::string error;
  ASSERT_TRUE(
      resources::LoadText("cursor 901 \"gauge-cursor.png\" 3 4\n"
                          "dialog 900 0 0 100 50\n"
                          "  control 1 PelmoranTestGauge \"\" 5 5 60 20\n"
                          "end\n",
                          folder, &error))
      << error;
  EXPECT_FALSE(resources::LoadText("dialog 901 0 0 1 1\n  control x\n", folder, &error));
  EXPECT_NE(error.find("line 2"), std::string::npos) << error;
  EXPECT_EQ(resources::Dialog(901), nullptr);  // a malformed file adds nothing

  HWND dialog = CreateDialogParam(nullptr, 900, nullptr, Quiet, 0);
  ASSERT_NE(dialog, nullptr);
  HWND gauge = GetDlgItem(dialog, 1);
  ASSERT_NE(gauge, nullptr);
  EXPECT_EQ(g_created, 1);
  EXPECT_EQ(dynamic_cast<QLabel*>(WidgetOf(gauge))->text(), "gauge");
  ui_test::ShowActive(dialog);
  QTest::mouseMove(WidgetOf(gauge), QPoint(3, 3));
  ui_test::Pump();
  EXPECT_EQ(WidgetOf(gauge)->cursor().hotSpot(), QPoint(3, 4));
  EXPECT_EQ(WidgetOf(gauge)->cursor().pixmap().toImage().pixelColor(1, 1), QColor(Qt::red));
  DestroyWindow(dialog);
}
}  // namespace

namespace {
TEST(StringTable, TheFrameworkStringsComeFromTheResources) {
  std::string error;
  ASSERT_TRUE(resources::Load(SAMPLE_RESOURCES, &error)) << error;
  CString text;
  EXPECT_TRUE(text.LoadString(900));
  EXPECT_EQ(text, CString("Sample string"));
  EXPECT_FALSE(text.LoadString(899));
  char buffer[7];
  EXPECT_EQ(LoadString(nullptr, 900, buffer, sizeof buffer), 6);  // cut to the buffer
  EXPECT_STREQ(buffer, "Sample");
}
}  // namespace
