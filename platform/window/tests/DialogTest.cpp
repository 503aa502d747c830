// The sample dialog: a modal run with scripted input, data exchange both ways
// with its parse-error prompt, the Enter and Esc rules, the notification
// rules and an exception escaping a handler.
#include "SampleDialog.h"
#include "UiTestKit.h"

#include "platform/window/Dialogs.h"
#include "platform/window/ListView.h"
#include "platform/window/UpDown.h"
#include "platform/window/RenderPng.h"
#include "platform/window/WinApp.h"
#include "platform/window/WindowServices.h"

#include <QCoreApplication>
#include <QTest>
#include <QToolButton>
#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>

namespace {
int CountOf(const std::vector<std::string>& events, const std::string& what) {
  return static_cast<int>(std::count(events.begin(), events.end(), what));
}

class SampleDialogTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string error;
    ASSERT_TRUE(resources::Load(SAMPLE_RESOURCES, &error)) << error;
  }
  HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }
  ScriptedDialogs dialogs;
  ScriptedBoxes boxes;
  CSampleDialog dlg;
};

TEST_F(SampleDialogTest, ModalRunTakesTypedValuesOnOk) {
  dialogs.Expect([&](HWND d) {
    EXPECT_EQ(GetWindowTextString(d), "Sample");
    EXPECT_EQ(GetWindowTextString(Item(d, IDC_COUNT)), "7");
    EXPECT_EQ(GetWindowTextString(Item(d, IDC_GAIN)), "2.5");
    EXPECT_EQ(SendMessage(Item(d, IDC_SHAPE), CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(IsDlgButtonChecked(d, IDC_SINE + 1),
              BST_CHECKED);  // the label between them does not count
    SetWindowText(Item(d, IDC_COUNT), "");
    ui_test::TypeText(Item(d, IDC_COUNT), "42");
    SetWindowText(Item(d, IDC_NAME), "");
    ui_test::TypeText(Item(d, IDC_NAME), "ramp");
    ui_test::ClickCenter(Item(d, IDC_ENABLED));
    ui_test::ClickCenter(Item(d, IDC_SINE));
    ui_test::ClickCenter(Item(d, IDOK));
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.count, 42);
  EXPECT_EQ(dlg.name, CString("ramp"));
  EXPECT_EQ(dlg.enabled, 0);
  EXPECT_EQ(dlg.radio, 0);
  EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(SampleDialogTest, AFieldThatDoesNotParseShowsThePromptAndKeepsTheRest) {
  dialogs.Expect([&](HWND d) {
    SetWindowText(Item(d, IDC_COUNT), "12");
    SetWindowText(Item(d, IDC_GAIN), "abc");
    SetWindowText(Item(d, IDC_NAME), "changed");
    boxes.Expect(IDOK, "Please enter a number.");
    ui_test::ClickCenter(Item(d, IDOK));
    EXPECT_FALSE(DialogHasEnded(d));  // the framework's OK stops at the prompt
    EXPECT_EQ(dlg.count, 12);         // fields before the failing one were taken
    EXPECT_EQ(dlg.name, CString("wave"));
    SetWindowText(Item(d, IDC_GAIN), " -1e3 ");
    ui_test::ClickCenter(Item(d, IDOK));
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_DOUBLE_EQ(dlg.gain, -1000.0);
  EXPECT_EQ(dlg.name, CString("changed"));
}

// What a typed number field accepts: surrounding blanks yes, anything else
// beside the number no, nor values outside the member's type.
TEST_F(SampleDialogTest, NumberFieldsTakeOnlyNumbersTheirMemberCanHold) {
  struct Row {
    int id;
    const char* text;
    const char* box;  // null: accepted
  };
  const Row rows[] = {
      {IDC_COUNT, " +3 ", nullptr},
      {IDC_COUNT, "3.0", "Please enter an integer."},
      {IDC_COUNT, "", "Please enter an integer."},
      {IDC_COUNT, "99999999999", "Please enter an integer."},
      {IDC_GAIN, "\t-2.5e2 ", nullptr},
      {IDC_GAIN, "2.5x", "Please enter a number."},
      {IDC_GAIN, "1e999", "Please enter a number."},
      {IDC_GAIN, "inf", "Please enter a number."},
      {IDC_GAIN, "nan", "Please enter a number."},
      {IDC_GAIN, " ", "Please enter a number."},
  };
  ASSERT_TRUE(dlg.Create(IDD_SAMPLE));
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    dlg.count = 7;
    dlg.gain = 2.5;
    dlg.UpdateData(FALSE);
    SetWindowText(Item(dlg.m_hWnd, row.id), row.text);
    if (row.box) boxes.Expect(IDOK, row.box);
    EXPECT_EQ(dlg.UpdateData(TRUE), row.box == nullptr);
    if (!row.box)
      EXPECT_TRUE(row.id == IDC_COUNT ? dlg.count == 3 : dlg.gain == -250.0);
    else
      EXPECT_TRUE(row.id == IDC_COUNT ? dlg.count == 7 : dlg.gain == 2.5);
  }
  dlg.DestroyWindow();
}

TEST_F(SampleDialogTest, EnterRunsTheDefaultButtonAndEscCancels) {
  dialogs.Expect([&](HWND d) { ui_test::PressKey(Item(d, IDC_NAME), Qt::Key_Return); });
  EXPECT_EQ(dlg.DoModal(), IDOK);

  CSampleDialog second;
  dialogs.Expect([&](HWND d) { ui_test::PressKey(Item(d, IDC_COUNT), Qt::Key_Escape); });
  EXPECT_EQ(second.DoModal(), IDCANCEL);
  EXPECT_EQ(CountOf(second.events, "cancel"), 1);
}

TEST_F(SampleDialogTest, EnterOnAPushButtonRunsThatButtonAndEscCanBeIgnored) {
  dlg.ignoreEsc = true;
  dialogs.Expect([&](HWND d) {
    ui_test::PressKey(Item(d, IDC_APPLY), Qt::Key_Return);
    EXPECT_EQ(CountOf(dlg.events, "apply"), 1);
    ui_test::PressKey(Item(d, IDC_COUNT), Qt::Key_Escape);
    EXPECT_FALSE(DialogHasEnded(d));
    SendMessage(d, WM_CLOSE, 0, 0);  // the close box is Cancel too
    EXPECT_FALSE(DialogHasEnded(d));
    EndDialog(d, 77);
  });
  EXPECT_EQ(dlg.DoModal(), 77);
  EXPECT_EQ(CountOf(dlg.events, "cancel"), 2);
}

TEST_F(SampleDialogTest, NotificationRules) {
  dialogs.Expect([&](HWND d) {
    // Nothing reached a handler during initialisation.
    EXPECT_EQ(dlg.events, std::vector<std::string>{"init"});
    // A program-set text notifies even when it is the same text.
    SetWindowText(Item(d, IDC_COUNT), "7");
    EXPECT_EQ(CountOf(dlg.events, "count-change"), 1);
    ui_test::TypeText(Item(d, IDC_COUNT), "1");
    EXPECT_EQ(CountOf(dlg.events, "count-change"), 2);
    // Selecting or checking by program is silent; the user's choice is not.
    SendMessage(Item(d, IDC_SHAPE), CB_SETCURSEL, 2, 0);
    SendMessage(Item(d, IDC_ENABLED), BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_EQ(CountOf(dlg.events, "shape-change"), 0);
    EXPECT_EQ(CountOf(dlg.events, "enabled-click"), 0);
    ui_test::ClickCenter(Item(d, IDC_ENABLED));
    EXPECT_EQ(CountOf(dlg.events, "enabled-click"), 1);
    // Exchange toward the controls writes, and so notifies, only the
    // texts that differ; a lockout silences a window's notifications.
    dlg.UpdateData(TRUE);
    dlg.events.clear();
    dlg.UpdateData(FALSE);
    EXPECT_TRUE(dlg.events.empty());
    dlg.count = 99;
    dlg.UpdateData(FALSE);
    EXPECT_EQ(dlg.events, std::vector<std::string>{"count-change"});
    {
      CNotifyLockout quiet(&dlg);
      SetWindowText(Item(d, IDC_COUNT), "5");
    }
    EXPECT_EQ(CountOf(dlg.events, "count-change"), 1);
    // Leaving the edit by a focus move inside the dialog is one message,
    // even when its handler opens a box.
    dlg.boxOnKillFocus = true;
    boxes.Expect(IDOK, "check the count");
    ui_test::MoveFocus(Item(d, IDC_COUNT));
    ui_test::MoveFocus(Item(d, IDC_GAIN));
    ui_test::Pump();
    EXPECT_EQ(CountOf(dlg.events, "count-killfocus"), 1);
    EndDialog(d, IDCANCEL);
  });
  dlg.DoModal();
}

TEST_F(SampleDialogTest, AnExceptionInAHandlerIsReportedAndTheDialogStaysOpen) {
  struct Row {
    CSampleDialog::Throw kind;
    const char* box;  // null: the user was told already, no box
  };
  const Row rows[] = {{CSampleDialog::Throw::Standard, "apply failed"},
                      {CSampleDialog::Throw::Framework, "An unsupported operation was attempted."},
                      {CSampleDialog::Throw::User, nullptr}};
  dialogs.Expect([&](HWND d) {
    for (const Row& row : rows) {
      dlg.throwOnApply = row.kind;
      if (row.box) boxes.Expect(IDOK, row.box);
      ui_test::ClickCenter(Item(d, IDC_APPLY));
      EXPECT_FALSE(DialogHasEnded(d));
      EXPECT_TRUE(IsWindow(d));
    }
    ui_test::ClickCenter(Item(d, IDCANCEL));
  });
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(CountOf(dlg.events, "apply"), 3);
}

// A dialog its runner left open must not stay on screen with nobody to
// close it: the modal run cancels it.
TEST_F(SampleDialogTest, ADialogTheServicesLeaveOpenIsCancelled) {
  services::FakeServices* fake = services::FakeServices::Active();
  ASSERT_NE(fake, nullptr);
  HWND shown = nullptr;
  fake->ExpectModal([&](HWND d) { shown = d; });
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_NE(shown, nullptr);
  EXPECT_FALSE(IsWindow(shown));
}

// The application object brings the real dialogs only where nothing but the
// default was in place, and takes them away again; the program's own (its
// translator's texts) replace them, never a test's fake.
TEST(WindowServices, TheApplicationInstallsThemOnlyOverTheDefault) {
  class Translated : public WindowServices {
    std::string Text(int id) override { return "text " + std::to_string(id); }
  };
  services::Services* fake = &services::Current();
  {
    CWinApp app{"Kept"};
    app.SetWindowServices(std::make_unique<Translated>());
    EXPECT_EQ(&services::Current(), fake);  // the test's fake stays
  }
  EXPECT_EQ(&services::Current(), fake);
  services::Services* previous = services::Install(nullptr);
  ASSERT_EQ(previous, fake);
  {
    CWinApp app{"Real"};
    EXPECT_NE(dynamic_cast<WindowServices*>(&services::Current()), nullptr);
    EXPECT_EQ(services::Current().Text(321), "");
    app.SetWindowServices(std::make_unique<Translated>());
    EXPECT_EQ(services::Current().Text(321), "text 321");
  }
  EXPECT_TRUE(services::DefaultInPlace());
  services::Install(previous);
}

TEST_F(SampleDialogTest, AnUpDownAsksItsParentBeforeEachStep) {
  dialogs.Expect([&](HWND d) {
    HWND updown = Item(d, 1012);
    SendMessage(updown, UDM_SETRANGE32, 1, 3);
    SendMessage(updown, UDM_SETPOS32, 0, 1);
    SendMessage(updown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Item(d, IDC_COUNT)), 0);
    SetWindowLongPtr(updown, GWL_STYLE, GetWindowLongPtr(updown, GWL_STYLE) | UDS_SETBUDDYINT);
    auto arrows = WidgetOf(updown)->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    QTest::mouseClick(arrows[0], Qt::LeftButton);  // the up arrow
    EXPECT_EQ(SendMessage(updown, UDM_GETPOS32, 0, 0), 2);
    EXPECT_EQ(GetWindowTextString(Item(d, IDC_COUNT)), "2");
    dlg.refuseStep = true;
    QTest::mouseClick(arrows[0], Qt::LeftButton);
    EXPECT_EQ(SendMessage(updown, UDM_GETPOS32, 0, 0), 2);  // the parent refused
    dlg.refuseStep = false;
    QTest::mouseClick(arrows[0], Qt::LeftButton);
    QTest::mouseClick(arrows[0], Qt::LeftButton);
    EXPECT_EQ(SendMessage(updown, UDM_GETPOS32, 0, 0), 3);  // held at the range's end
    QTest::mouseClick(arrows[1], Qt::LeftButton);
    EXPECT_EQ(dlg.steps, (std::vector<int>{1, 1, 1, 1, -1}));
    EndDialog(d, IDOK);
  });
  dlg.DoModal();
}

// A window created right after a dialog was destroyed may get the dialog's
// handle while Qt has not yet deleted the dialog's widget: that window is no
// dialog, and a dialog given the handle keeps its own state.
TEST_F(SampleDialogTest, AHandleReusedAfterADialogClosedIsNotThatDialog) {
  auto quiet = [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; };
  HWND first = CreateDialogParam(nullptr, IDD_SAMPLE, nullptr, quiet, 0);
  ASSERT_NE(first, nullptr);
  DestroyWindow(first);
  std::vector<HWND> made;
  bool reused = false;
  for (int i = 0; i < 200 && !reused; ++i) {
    made.push_back(
        CreateWindowEx(0, "Static", "", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr, nullptr));
    reused = made.back() == first;
  }
  if (reused) {
    RECT r{0, 0, 4, 8};
    EXPECT_EQ(OwningDialog(first), nullptr);
    EXPECT_FALSE(MapDialogRect(first, &r));
    DestroyWindow(first);
    made.pop_back();
  }
  HWND second = CreateDialogParam(nullptr, IDD_SAMPLE, nullptr, quiet, 0);
  ASSERT_NE(second, nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the first widget goes now
  RECT r{0, 0, 4, 8};
  EXPECT_TRUE(MapDialogRect(second, &r));
  for (HWND c = GetWindow(second, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    EXPECT_EQ(OwningDialog(c), second);
  DestroyWindow(second);
  for (HWND h : made) DestroyWindow(h);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The font a dialog makes from its template is its controls' WM_GETFONT for
// as long as it lives and goes with it.
TEST_F(SampleDialogTest, ADialogsFontLastsAsLongAsTheDialog) {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  const int before = GdiObject::Live();
  auto quiet = [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; };
  HWND dialog = CreateDialogParam(nullptr, IDD_SAMPLE, nullptr, quiet, 0);
  ASSERT_NE(dialog, nullptr);
  auto font = reinterpret_cast<HFONT>(SendMessage(dialog, WM_GETFONT, 0, 0));
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendDlgItemMessage(dialog, IDOK, WM_GETFONT, 0, 0)), font);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  LOGFONT lf{};
  EXPECT_EQ(GetObject(font, sizeof lf, &lf), int{sizeof lf});  // still good while the dialog lives
  DestroyWindow(dialog);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(GdiObject::Live(), before);
}

TEST_F(SampleDialogTest, ControlsAreRealWidgetsAndTheDialogRenders) {
  dialogs.Expect([&](HWND d) {
    for (int id : std::initializer_list<int>{IDC_COUNT, IDC_SHAPE, IDC_ENABLED, IDC_LIST, 1010,
                                             1011, 1012, 1013, 1014, IDOK})
      EXPECT_NE(WidgetOf(Item(d, id)), nullptr) << id;
    EXPECT_EQ(GetClassNameString(listview::Header(Item(d, IDC_LIST))), "SysHeader32");
    RECT r{0, 0, 4, 8};
    MapDialogRect(d, &r);
    EXPECT_GT(r.right, 0);
    EXPECT_GT(r.bottom, 0);
    QImage image = RenderWindow(d);
    EXPECT_FALSE(image.isNull());
    if (const char* out = std::getenv("PELMORAN_REVIEW_PNG_DIR"))
      RenderWindowToPng(d, std::string(out) + "/sample-dialog.png");
    EndDialog(d, IDOK);
  });
  dlg.DoModal();
}
}  // namespace
