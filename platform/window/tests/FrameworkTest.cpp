// The document/view framework: an MDI frame with two views where commands
// reach the active one, a menu command with its update handler, a docked
// dialog bar whose buttons reach the frame, a page printed to a PDF file.
#include "UiTestKit.h"

#include "platform/window/CommonDialogs.h"
#include "platform/window/ControlBar.h"
#include "platform/window/DataExchange.h"
#include "platform/window/Document.h"
#include "platform/window/Menu.h"
#include "platform/window/RenderPng.h"
#include "platform/window/View.h"
#include "platform/window/WinApp.h"

#include <QFile>
#include <QToolButton>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace {
enum : UINT { ID_MARK = 2101, ID_UNHANDLED = 2102, IDD_BAR = 602, ID_BAR_GO = 2201 };
std::vector<std::string> g_log;

class CSampleDoc : public CDocument {
  DECLARE_DYNCREATE(CSampleDoc)
};
IMPLEMENT_DYNCREATE(CSampleDoc, CDocument)

class CSampleView : public CView {
  DECLARE_DYNCREATE(CSampleView)
 public:
  bool markEnabled = true;
  void OnDraw(CDC* dc) override {
    dc->Rectangle(5, 5, 210, 70);
    CRect rc(10, 10, 200, 60);
    dc->DrawText(GetDocument()->GetTitle(), &rc, DT_LEFT | DT_SINGLELINE);
  }
  void OnMark() { g_log.push_back("mark:" + std::string(GetDocument()->GetTitle().GetString())); }
  void OnUpdateMark(CCmdUI* ui) { ui->Enable(markEnabled); }
  DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CSampleView, CView)
BEGIN_MESSAGE_MAP(CSampleView, CView)
ON_COMMAND(ID_MARK, OnMark)
ON_UPDATE_COMMAND_UI(ID_MARK, OnUpdateMark)
END_MESSAGE_MAP()

class CSampleForm : public CFormView {
  DECLARE_DYNCREATE(CSampleForm)
 public:
  CSampleForm() : CFormView(604) {}
  CString name = "form text";
  void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, 2301, name); }
  void OnApply() {
    UpdateData(TRUE);
    g_log.push_back("apply:" + std::string(name.GetString()));
  }
  void OnMark() { g_log.push_back("form-mark"); }
  DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CSampleForm, CFormView)
BEGIN_MESSAGE_MAP(CSampleForm, CFormView)
ON_BN_CLICKED(2302, OnApply)
ON_COMMAND(ID_MARK, OnMark)
END_MESSAGE_MAP()

class CSampleChild : public CMDIChildWnd {
  DECLARE_DYNCREATE(CSampleChild)
};
IMPLEMENT_DYNCREATE(CSampleChild, CMDIChildWnd)

class CSampleMain : public CMDIFrameWnd {
 public:
  CDialogBar bar;
  CStatusBar status;
  CToolBar tools;
  void OnGo() { g_log.push_back("go"); }
  BOOL OnToolTipText(UINT, NMHDR* header, LRESULT* result) {
    auto* tip = reinterpret_cast<TOOLTIPTEXTA*>(header);
    std::snprintf(tip->szText, sizeof tip->szText, "tip %u", static_cast<unsigned>(header->idFrom));
    *result = 0;
    return TRUE;
  }
  int OnCreate(CREATESTRUCT* cs) {
    if (CMDIFrameWnd::OnCreate(cs) == -1) return -1;
    const UINT panes[] = {ID_SEPARATOR, 0};
    tools.CreateEx(this, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY);
    tools.LoadToolBar(603);
    status.Create(this);
    status.SetIndicators(panes, 2);
    bar.Create(this, IDD_BAR, CBRS_LEFT, 0xE900 + 50);
    bar.EnableDocking(CBRS_ALIGN_LEFT);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CSampleMain, CMDIFrameWnd)
ON_WM_CREATE()
ON_BN_CLICKED(ID_BAR_GO, OnGo)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()

class FrameworkTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string error;
    ASSERT_TRUE(resources::Load(SAMPLE_RESOURCES, &error)) << error;
  }
  void SetUp() override {
    g_log.clear();
    app.AddDocTemplate(new CMultiDocTemplate(
        601, RUNTIME_CLASS(CSampleDoc), RUNTIME_CLASS(CSampleChild), RUNTIME_CLASS(CSampleView)));
    main = new CSampleMain;
    ASSERT_TRUE(main->LoadFrame(600));
    app.m_pMainWnd = main;
    main->MoveWindow(0, 0, 640, 480);
    ui_test::ShowActive(main->m_hWnd);
    first = app.OpenDocumentFile(nullptr);
    second = app.OpenDocumentFile(nullptr);
    ASSERT_TRUE(first && second);
    ui_test::Pump();
  }
  void TearDown() override {
    if (app.m_pMainWnd) main->DestroyWindow();
    ui_test::Pump();
  }
  static CSampleView* ViewOf(CDocument* doc) {
    POSITION pos = doc->GetFirstViewPosition();
    return static_cast<CSampleView*>(doc->GetNextView(pos));
  }
  void Command(UINT id) { main->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0); }

  CWinApp app{"Sample"};
  CSampleMain* main = nullptr;
  CDocument* first = nullptr;
  CDocument* second = nullptr;
};

TEST_F(FrameworkTest, CommandsReachTheViewOfTheActiveChild) {
  EXPECT_EQ(first->GetTitle(), CString("Wave1"));
  EXPECT_EQ(second->GetTitle(), CString("Wave2"));
  EXPECT_EQ(main->MDIGetActive(), ViewOf(second)->GetParentFrame());
  Command(ID_MARK);
  ViewOf(first)->GetParentFrame()->SendMessage(WM_NULL);
  static_cast<CMDIChildWnd*>(ViewOf(first)->GetParentFrame())->MDIActivate();
  ui_test::Pump();
  EXPECT_EQ(main->MDIGetActive(), ViewOf(first)->GetParentFrame());
  Command(ID_MARK);
  EXPECT_EQ(g_log, (std::vector<std::string>{"mark:Wave2", "mark:Wave1"}));
  if (const char* out = std::getenv("PELMORAN_REVIEW_PNG_DIR"))
    RenderWindowToPng(main->m_hWnd, std::string(out) + "/mdi-frame.png");
}

// New document windows cascade, each a caption and a frame down and right
// of the last, and the toolbar shows its buttons' pictures.
TEST_F(FrameworkTest, NewChildrenCascadeAndTheToolbarShowsItsPictures) {
  CRect one, two;
  ViewOf(first)->GetParentFrame()->GetWindowRect(&one);
  ViewOf(second)->GetParentFrame()->GetWindowRect(&two);
  const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
  EXPECT_EQ(two.left - one.left, step);
  EXPECT_EQ(two.top - one.top, step);
  EXPECT_EQ(two.Size(), one.Size());
  const auto buttons = WidgetOf(main->tools.m_hWnd)->findChildren<QToolButton*>();
  ASSERT_EQ(buttons.size(), 2);
  for (QToolButton* b : buttons) {
    ASSERT_FALSE(b->icon().isNull());
    EXPECT_EQ(b->icon().pixmap(QSize(16, 15)).size(), QSize(16, 15));
  }
}

// A new document window shows its template's menu in the main frame at once.
TEST_F(FrameworkTest, ANewDocumentWindowShowsItsTemplatesMenu) {
  CDocTemplate* tmpl = ViewOf(second)->GetDocument()->GetDocTemplate();
  EXPECT_EQ(::GetMenu(main->m_hWnd), tmpl->m_hMenuShared);
}

TEST_F(FrameworkTest, MenuItemsFollowTheirUpdateHandlers) {
  CMenu* edit = main->GetMenu()->GetSubMenu(0);
  ASSERT_NE(edit, nullptr);
  main->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit->m_hMenu), 0);
  EXPECT_EQ(edit->GetMenuState(ID_MARK, MF_BYCOMMAND) & MF_GRAYED, 0u);
  EXPECT_NE(edit->GetMenuState(ID_UNHANDLED, MF_BYCOMMAND) & MF_GRAYED, 0u);  // nobody handles it
  ViewOf(second)->markEnabled = false;
  main->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit->m_hMenu), 0);
  EXPECT_NE(edit->GetMenuState(ID_MARK, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

// The menu as the user works it: opening the popup asks the update handlers,
// choosing an item routes its command to the active view; choosing never
// leaves a check mark that no handler set.
TEST_F(FrameworkTest, AMenuItemChosenReachesTheActiveViewThroughItsUpdateHandler) {
  auto* bar = WidgetOf(main->m_hWnd)->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  QMenu* edit = nullptr;
  for (QAction* a : bar->actions())
    if (a->menu()) edit = a->menu();
  ASSERT_NE(edit, nullptr);
  QAction* mark = nullptr;
  for (QAction* a : edit->actions())
    if (a->text().contains("Mark")) mark = a;
  ASSERT_NE(mark, nullptr);
  ViewOf(second)->markEnabled = false;
  emit edit->aboutToShow();
  EXPECT_FALSE(mark->isEnabled());
  mark->trigger();
  emit edit->aboutToHide();
  EXPECT_TRUE(g_log.empty());
  ViewOf(second)->markEnabled = true;
  emit edit->aboutToShow();
  ASSERT_TRUE(mark->isEnabled());
  mark->trigger();
  emit edit->aboutToHide();
  EXPECT_EQ(g_log, std::vector<std::string>{"mark:Wave2"});
  EXPECT_EQ(main->GetMenu()->GetMenuState(ID_MARK, MF_BYCOMMAND) & MF_CHECKED, 0u);
  main->GetMenu()->CheckMenuItem(ID_MARK, MF_BYCOMMAND | MF_CHECKED);
  mark->trigger();
  EXPECT_EQ(main->GetMenu()->GetMenuState(ID_MARK, MF_BYCOMMAND) & MF_CHECKED,
            static_cast<UINT>(MF_CHECKED));
  EXPECT_EQ(main->GetMenu()->CheckMenuItem(ID_MARK, MF_BYCOMMAND | MF_UNCHECKED), UINT{MF_CHECKED});
  EXPECT_EQ(main->GetMenu()->GetMenuState(ID_MARK, MF_BYCOMMAND) & MF_CHECKED, 0u);
  EXPECT_EQ(g_log.size(), 2u);
}

TEST_F(FrameworkTest, TheDialogBarIsDockedLeftAndItsButtonReachesTheFrame) {
  CRect barRect, clientRect, frameRect;
  main->bar.GetWindowRect(&barRect);
  main->GetWindowRect(&frameRect);
  CWnd::FromHandle(main->m_hWndMDIClient)->GetWindowRect(&clientRect);
  EXPECT_EQ(barRect.left, frameRect.left);
  EXPECT_GE(clientRect.left, barRect.right);
  EXPECT_EQ(barRect.Height(), clientRect.Height());
  ui_test::ClickCenter(::GetDlgItem(main->bar.m_hWnd, ID_BAR_GO));
  EXPECT_EQ(g_log, std::vector<std::string>{"go"});
  // The bar's buttons follow the frame's handlers: one nobody takes is disabled.
  HWND go = ::GetDlgItem(main->bar.m_hWnd, ID_BAR_GO);
  main->bar.UpdateDialogControls(main, TRUE);
  EXPECT_TRUE(IsWindowEnabled(go));
  SetWindowLongPtr(go, GWLP_ID, 2299);
  main->bar.UpdateDialogControls(main, TRUE);
  EXPECT_FALSE(IsWindowEnabled(go));
  EXPECT_TRUE(IsWindowEnabled(::GetDlgItem(main->bar.m_hWnd, 2202)));  // not a button
}

// Cascade and tile arrange the document windows and are enabled only while
// one is open.
TEST_F(FrameworkTest, TheWindowArrangementCommandsFollowTheOpenDocumentWindows) {
  CFrameWnd* one = ViewOf(first)->GetParentFrame();
  CFrameWnd* two = ViewOf(second)->GetParentFrame();
  Command(ID_WINDOW_TILE_HORZ);
  ui_test::Pump();
  CRect a, b;
  one->GetWindowRect(&a);
  two->GetWindowRect(&b);
  auto overlap = [](const CRect& r, const CRect& s) {
    return std::max(r.left, s.left) < std::min(r.right, s.right) &&
           std::max(r.top, s.top) < std::min(r.bottom, s.bottom);
  };
  EXPECT_FALSE(overlap(a, b)) << "tiled windows do not overlap";
  Command(ID_WINDOW_CASCADE);
  ui_test::Pump();
  one->GetWindowRect(&a);
  two->GetWindowRect(&b);
  EXPECT_TRUE(overlap(a, b)) << "cascaded windows overlap";
  EXPECT_EQ(b.left - a.left, GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME));
  EXPECT_EQ(a.Size(), b.Size());
  struct Probe : CCmdUI {
    BOOL enabled = TRUE;
    void Enable(BOOL on) override { enabled = on; }
  } probe;
  probe.m_nID = ID_WINDOW_CASCADE;
  probe.DoUpdate(main, TRUE);
  EXPECT_TRUE(probe.enabled);
  one->SendMessage(WM_CLOSE);
  two->SendMessage(WM_CLOSE);
  ui_test::Pump();
  probe.DoUpdate(main, TRUE);
  EXPECT_FALSE(probe.enabled);
}

TEST_F(FrameworkTest, ClosingAChildFrameEndsItsDocument) {
  CFrameWnd* frame = ViewOf(first)->GetParentFrame();
  frame->SendMessage(WM_CLOSE);
  ui_test::Pump();
  EXPECT_EQ(app.m_pDocManager->GetOpenDocumentCount(), 1);
  Command(ID_MARK);
  EXPECT_EQ(g_log, std::vector<std::string>{"mark:Wave2"});
}

TEST_F(FrameworkTest, ToolbarButtonsFollowUpdateHandlersAndRouteTheirCommands) {
  app.OnIdle(0);
  EXPECT_TRUE(main->tools.IsButtonEnabled(ID_MARK));
  EXPECT_FALSE(main->tools.IsButtonEnabled(ID_UNHANDLED));
  ViewOf(second)->markEnabled = false;
  app.OnIdle(0);
  EXPECT_FALSE(main->tools.IsButtonEnabled(ID_MARK));
  ViewOf(second)->markEnabled = true;
  app.OnIdle(0);
  main->tools.PressButton(ID_MARK);
  EXPECT_EQ(g_log, std::vector<std::string>{"mark:Wave2"});
  // Hovering shows the command's prompt in the message pane; leaving, the idle text.
  main->SendMessage(WM_SETMESSAGESTRING, ID_MARK, 0);
  EXPECT_EQ(main->status.GetPaneText(0), CString("Mark the wave"));
  main->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE, 0);
  EXPECT_EQ(main->status.GetPaneText(0), CString("Ready"));
  TOOLTIPTEXTA tip;
  tip.hdr.idFrom = ID_MARK;
  tip.hdr.code = TTN_NEEDTEXTA;
  main->SendMessage(WM_NOTIFY, ID_MARK, reinterpret_cast<LPARAM>(&tip));
  EXPECT_STREQ(tip.szText, "tip 2101");
}

TEST_F(FrameworkTest, AFormViewIsADialogTemplateInsideItsFrame) {
  auto* forms = new CMultiDocTemplate(605, RUNTIME_CLASS(CSampleDoc), RUNTIME_CLASS(CSampleChild),
                                      RUNTIME_CLASS(CSampleForm));
  app.AddDocTemplate(forms);
  CDocument* doc = forms->OpenDocumentFile(nullptr);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->GetTitle(), CString("Form1"));
  POSITION pos = doc->GetFirstViewPosition();
  auto* form = dynamic_cast<CSampleForm*>(doc->GetNextView(pos));
  ASSERT_NE(form, nullptr);
  HWND edit = ::GetDlgItem(form->m_hWnd, 2301);
  EXPECT_EQ(GetWindowTextString(edit), "form text");  // exchanged at the initial update
  ui_test::Pump();
  Command(ID_MARK);  // the form is the active view
  SetWindowText(edit, "typed");
  ui_test::ClickCenter(::GetDlgItem(form->m_hWnd, 2302));
  EXPECT_EQ(g_log, (std::vector<std::string>{"form-mark", "apply:typed"}));
  CRect frameClient, formRect;
  form->GetParentFrame()->GetClientRect(&frameClient);
  form->GetClientRect(&formRect);
  EXPECT_EQ(formRect.Width(), frameClient.Width());
}

TEST_F(FrameworkTest, TheMessageLoopEndsWhenTheMainFrameCloses) {
  main->PostMessage(WM_CLOSE);
  EXPECT_EQ(app.Run(), 0);
  EXPECT_EQ(app.m_pMainWnd, nullptr);  // the frame ended with its window
  EXPECT_EQ(app.m_pDocManager->GetOpenDocumentCount(), 0);
}

TEST_F(FrameworkTest, APagePrintsToAPdfFile) {
  std::string path = testing::TempDir() + "page.pdf";
  QFile::remove(QString::fromStdString(path));
  ScriptedCommonDialogs common;
  common.ExpectCancel(CommonDialogRequest::Kind::Print);
  Command(ID_FILE_PRINT_VIEW);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));  // cancelled: nothing printed
  common.ExpectPath(CommonDialogRequest::Kind::Print, path);
  Command(ID_FILE_PRINT_VIEW);
  QFile pdf(QString::fromStdString(path));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  QByteArray bytes = pdf.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF"));
  EXPECT_EQ(
      bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
  // The document's title is the PDF's (written as UTF-16, big-endian).
  QByteArray title("/Title (\xFE\xFF", 10);
  for (char c : std::string("Wave")) title.append('\0').append(c);
  EXPECT_TRUE(bytes.contains(title));
}
}  // namespace
