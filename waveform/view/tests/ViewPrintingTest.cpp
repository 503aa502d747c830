// Printing the graph: the print preview with the page the view paints, a
// page printed to a PDF file, the graph's background and size put back
// afterwards; and the review pictures of a drawn, zoomed waveform window
// and of the preview, written into build/review/.
#include "ViewTestFixture.h"

#include "controls/GraphRenderer.h"

#include "platform/afx/tests/TempFolder.h"
#include "platform/window/RenderPng.h"
#include "platform/window/tests/UiTestKit.h"
#include "shell/base/preview/PreParent.h"

#include <QEvent>
#include <QFile>
#include <QImage>
#include <QWidget>

#include <cmath>
#include <cstdlib>
#include <filesystem>

namespace {

// Where the pictures for people to look at go.
std::string ReviewPath(const std::string& name) {
  const char* dir = std::getenv("PELMORAN_REVIEW_PNG_DIR");
  const std::string folder = dir && *dir ? dir : REVIEW_DIR;
  std::filesystem::create_directories(folder);
  return folder + "/" + name;
}

// A waveform worth looking at: two periods of a sine.
Floats Sine(unsigned int n, double amplitude) {
  Floats values(n);
  for (unsigned int i = 0; i < n; ++i)
    values[i] = static_cast<float>(amplitude * std::sin(i * 4 * M_PI / n));
  return values;
}

// The sizes a widget was given, in order (each once).
class SizeLog : public QObject {
 public:
  explicit SizeLog(QWidget* widget) : widget_(widget) { widget->installEventFilter(this); }
  ~SizeLog() override { widget_->removeEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Resize && (sizes.empty() || sizes.back() != widget_->size()))
      sizes.push_back(widget_->size());
    return false;
  }
  std::vector<QSize> sizes;

 private:
  QWidget* widget_;
};

class PrintingTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    view = Open(MakeWave("sine", Sine(16384, 1.5)));
    Send(WM_WAVE_REPLOT);
  }
  COLORREF Background() { return Model(view).background; }
  CPelmoranView* view = nullptr;
};

TEST_F(PrintingTest, ThePreviewShowsThePageWithoutTheCursorsAndGivesThemBack) {
  Send(WM_VIEW_OPTION, 0);
  view->Graph().SetBackgroundColor(SG::CSgColor(0, 0, 64));
  ScriptedDialogs dialogs;
  dialogs.Expect([&](HWND preview) {
    EXPECT_EQ(GetWindowTextString(preview), "Print Preview");
    EXPECT_FALSE(Model(view).cursors[0]->visible);
    EXPECT_FALSE(Model(view).cursors[2]->visible);
    ::MoveWindow(preview, 0, 0, 1000, 800, TRUE);
    const QImage shot = RenderWindow(preview);
    ASSERT_TRUE(shot.save(QString::fromStdString(ReviewPath("view-print-preview.png"))));
    // The graph on the page is drawn on white, and its own background is back.
    EXPECT_EQ(Background(), RGB(0, 0, 64));
    ::SendMessage(preview, WM_COMMAND, 32892, 0);  // the close button
  });
  EXPECT_EQ(Send(WM_PRINT_PREVIEW), 1);
  EXPECT_TRUE(Model(view).cursors[0]->visible);
  EXPECT_TRUE(Model(view).cursors[2]->visible);
}

TEST_F(PrintingTest, APageIsPaintedWithItsFrameAndTheGraphOnWhite) {
  CDC none;
  EXPECT_EQ(view->SendMessage(WM_PAINT_PAGE, reinterpret_cast<WPARAM>(&none)), 0);
  view->Graph().SetBackgroundColor(SG::CSgColor(80, 0, 0));
  CClientDC screen(view);
  CBitmap bitmap;  // outlives the DC drawing into it
  CDC page;
  page.CreateCompatibleDC(&screen);
  bitmap.CreateCompatibleBitmap(&screen, 900, 1250);
  page.SelectObject(&bitmap);
  page.FillSolidRect(0, 0, 900, 1250, RGB(0, 255, 0));
  EXPECT_EQ(view->SendMessage(WM_PAINT_PAGE, reinterpret_cast<WPARAM>(&page)), 1);
  // 223 x 315 mm at 96 dots per inch: the frame's far corner is inside 842 x 1190.
  EXPECT_NE(page.GetPixel(860, 1200), RGB(255, 255, 255));
  EXPECT_EQ(page.GetPixel(860, 1200), RGB(0, 255, 0));
  CRect graph;
  view->Graph().GetWindowRect(&graph);
  EXPECT_EQ(page.GetPixel(graph.Width() / 2, 3), RGB(255, 255, 255));  // the graph, on white
  // ... its plot area drawn as on screen, whatever brush the frame left selected.
  EXPECT_EQ(page.GetPixel(graph.Width() / 3, graph.Height() - 40), RGB(0, 0, 0));
  EXPECT_EQ(Background(), RGB(80, 0, 0));
}

TEST_F(PrintingTest, APrintedPageIsAPdfAndTheGraphComesBackAsItWas) {
  TempFolder folder;
  const std::string pdf = folder / "wave.pdf";
  view->Graph().SetBackgroundColor(SG::CSgColor(0, 40, 0));
  view->Graph().MoveWindow(30, 0, 600, 300, TRUE);
  ScriptedCommonDialogs dialogs;
  dialogs.ExpectCancel(CommonDialogRequest::Kind::Print);
  Send(WM_PRINT_WAVE);
  EXPECT_FALSE(std::filesystem::exists(pdf));
  EXPECT_EQ(Background(), RGB(0, 40, 0));

  SizeLog sizes(WidgetOf(view->Graph().m_hWnd));
  dialogs.ExpectPath(CommonDialogRequest::Kind::Print, pdf);
  Send(WM_PRINT_WAVE);
  QFile file(QString::fromStdString(pdf));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF"));
  EXPECT_EQ(
      bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
  // Six inches wide at the screen's 96 dots per inch for the picture, then back.
  ASSERT_EQ(sizes.sizes.size(), 2u);
  EXPECT_EQ(sizes.sizes[0], QSize(576, 288));
  EXPECT_EQ(sizes.sizes[1], QSize(600, 300));
  EXPECT_EQ(Background(), RGB(0, 40, 0));
}

// The page is read on paper: the axes' labels, ticks and frame come out
// dark on the white page, and the screen keeps its light grey.
TEST_F(PrintingTest, TheLabelsAndTheFrameArePrintedDark) {
  CClientDC screen(view);
  CBitmap bitmap;
  CDC page;
  page.CreateCompatibleDC(&screen);
  bitmap.CreateCompatibleBitmap(&screen, 900, 1250);
  page.SelectObject(&bitmap);
  ASSERT_EQ(view->SendMessage(WM_PAINT_PAGE, reinterpret_cast<WPARAM>(&page)), 1);
  CRect graph;
  view->Graph().GetWindowRect(&graph);
  const QRectF area =
      hosted::MapGraph(Model(view), QRectF(0, 0, graph.Width(), graph.Height()), 1.0).area;
  auto dark = [](COLORREF c) {
    return GetRValue(c) < 0x60 && GetGValue(c) < 0x60 && GetBValue(c) < 0x60;
  };
  // The frame: the first pixel that is not white, coming from the left margin.
  const int row = static_cast<int>(area.top() + area.height() / 3);
  int x = static_cast<int>(area.left()) - 3;
  while (x < area.left() + 3 && page.GetPixel(x, row) == RGB(255, 255, 255)) ++x;
  EXPECT_TRUE(dark(page.GetPixel(x, row))) << std::hex << page.GetPixel(x, row);
  // The labels under the plot area and left of it.
  int labelPixels = 0;
  for (int y = static_cast<int>(area.bottom()) + 6; y < graph.Height(); ++y)
    for (int x = 0; x < graph.Width(); ++x) labelPixels += dark(page.GetPixel(x, y));
  for (int y = 0; y < graph.Height(); ++y)
    for (int x = 0; x < static_cast<int>(area.left()) - 6; ++x)
      labelPixels += dark(page.GetPixel(x, y));
  EXPECT_GT(labelPixels, 50);
  EXPECT_EQ(Model(view).axes[0]->color, RGB(192, 192, 192));  // the screen's own
  EXPECT_EQ(Model(view).axes[1]->color, RGB(192, 192, 192));
}

// A page that cannot be written (its folder is not there) is reported, as a
// failed save is, and the command fails.
TEST_F(PrintingTest, APrintThatCannotBeWrittenIsReported) {
  TempFolder folder;
  const std::string pdf = folder / "missing/wave.pdf";
  Fake().SetText(662, "not printed: @@");
  ScriptedCommonDialogs dialogs;
  dialogs.ExpectPath(CommonDialogRequest::Kind::Print, pdf);
  ScriptedBoxes boxes;
  boxes.Expect(IDOK, "not printed: " + pdf);
  view->Graph().SetBackgroundColor(SG::CSgColor(0, 40, 0));
  EXPECT_EQ(view->SendMessage(WM_PRINT_WAVE), 0);
  EXPECT_EQ(boxes.Shown().size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(pdf));
  EXPECT_EQ(Background(), RGB(0, 40, 0));
}

TEST_F(PrintingTest, ThePreviewsPrintButtonPrintsAndClosesIt) {
  ScriptedCommonDialogs printDialog;
  printDialog.ExpectCancel(CommonDialogRequest::Kind::Print);
  ScriptedDialogs dialogs;
  dialogs.Expect([&](HWND preview) {
    ::SendMessage(preview, WM_COMMAND, 32889, 0);
    EXPECT_TRUE(DialogHasEnded(preview));
  });
  Send(WM_PRINT_PREVIEW);
  EXPECT_EQ(Fake().PendingCommonDialogs(), 0u);  // the print dialog was asked
}

// The review picture: a waveform with a free-hand stroke drawn into it,
// zoomed into a region that holds the stroke, with both cursors shown.
TEST_F(PrintingTest, ADrawnZoomedWaveformWithBothCursorsForReview) {
  Send(WM_DRAW_FREEHAND);
  Stroke(view,
         {At(view, 5000, 0.0), At(view, 6000, 1.2), At(view, 7000, -0.8), At(view, 8000, 0.4)});
  ASSERT_NE(Items(Wave().thedata), Sine(16384, 1.5));
  Send(WM_ZOOM, 2);
  Stroke(view, {At(view, 2000, 1.9), At(view, 8000, 0.0), At(view, 14500, -1.9)});
  const double xmin = Model(view).axes[0]->minimum, xmax = Model(view).axes[0]->maximum;
  EXPECT_NEAR(xmin, 2000, 100);
  EXPECT_NEAR(xmax, 14500, 100);
  Send(WM_VIEW_OPTION, 0);  // both cursors back, inside the zoomed region
  EXPECT_TRUE(Model(view).cursors[0]->visible && Model(view).cursors[2]->visible);
  EXPECT_GT(Model(view).cursors[0]->x, xmin);
  EXPECT_LT(Model(view).cursors[2]->x, xmax);
  static_cast<CMDIChildWnd*>(view->GetParentFrame())->MDIActivate();
  ui_test::Pump();
  EXPECT_TRUE(RenderWindowToPng(main_->m_hWnd, ReviewPath("view-drawn-waveform.png")));
}

}  // namespace
