// Printing the graph: the print preview (its page painted here on request)
// and a page printed through the print dialog. The graph draws itself into
// a picture at the page's resolution, in the colours of paper for the time.
#include "waveform/view/PelmoranView.h"

#include "controls/GraphPicture.h"
#include "platform/services/Services.h"
#include "platform/window/DataExchange.h"
#include "platform/window/Gdi.h"
#include "shell/base/preview/PreParent.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveMessages.h"

namespace {

constexpr double kPrintedWidthInches = 6.0;
constexpr int kFrameWidthMm = 223, kFrameHeightMm = 315;

// Ends a cleanup that must not throw out of a destructor.
template <class F>
void Quietly(F&& f) noexcept {
  try {
    f();
  } catch (CException* e) {
    e->Delete();
  } catch (...) {
  }
}

// The graph as paper shows it while it is rendered: on white, its axes'
// frame, ticks and labels black (the screen's light grey is hardly seen on
// white). Its own colours come back afterwards, also when the rendering
// fails.
class PaperColours {
 public:
  explicit PaperColours(const SG::CSgGraph& graph)
      : graph_(graph),
        background_(graph.GetBackgroundColor()),
        x_(Axis(view::kXAxis).GetAxisColor()),
        y_(Axis(view::kYAxis).GetAxisColor()) {
    graph.SetBackgroundColor(SG::CSgColor(255, 255, 255));
    Axis(view::kXAxis).SetAxisColor(SG::CSgColor(0, 0, 0));
    Axis(view::kYAxis).SetAxisColor(SG::CSgColor(0, 0, 0));
  }
  ~PaperColours() {
    Quietly([this] {
      Axis(view::kXAxis).SetAxisColor(x_);
      Axis(view::kYAxis).SetAxisColor(y_);
      graph_.SetBackgroundColor(background_);
    });
  }
  PaperColours(const PaperColours&) = delete;
  PaperColours& operator=(const PaperColours&) = delete;

 private:
  SG::CSgAxis Axis(const char* name) const { return graph_.GetAxes().Item(CString(name)); }

  const SG::CSgGraph& graph_;
  SG::CSgColor background_, x_, y_;
};

// A page that could not be written, as a failed save is reported.
void ReportNotPrinted(const CString& output) {
  CString text(services::Current().Text(kMsgNotPrinted).c_str());
  text.Replace("@@", output);
  AfxMessageBox(text, MB_OK);
}

// The graph window moved for its picture goes back to where it was.
class GraphPlace {
 public:
  GraphPlace(SG::CSgGraph& graph, const CRect& place) : graph_(graph), place_(place) {}
  ~GraphPlace() {
    Quietly([this] { graph_.MoveWindow(&place_, TRUE); });
  }
  GraphPlace(const GraphPlace&) = delete;
  GraphPlace& operator=(const GraphPlace&) = delete;

 private:
  SG::CSgGraph& graph_;
  CRect place_;
};

void RenderGraph(const SG::CSgGraph& graph, HDC dc, const RECT& target) {
  SG::CSgPicture picture = graph.GetControlImage();
  IDispatch* disp = picture.GetPictureDisp();
  hosted::RenderControlPicture(disp, dc, target);
  if (disp) disp->Release();
}

}  // namespace

LRESULT CPelmoranView::OnPrintPreview(WPARAM, LPARAM) {
  // The preview shows the waveform without the selection; its close sends
  // WM_SHOW_CURSORS, which brings them back.
  if (const CWaveData* wave = FindRecord(); wave && wave->cursorson) ShowSelectionCursors(false);
  CPreParent preview(nullptr);
  preview.SetPaintTarget(static_cast<int>(WM_PAINT_PAGE), m_hWnd, 0);
  preview.DoModal();
  return 1;
}

LRESULT CPelmoranView::OnPaintPage(WPARAM wParam, LPARAM) {
  auto* dc = reinterpret_cast<CDC*>(wParam);
  if (!dc || !dc->GetSafeHdc()) return 0;
  const double mx = dc->GetDeviceCaps(LOGPIXELSX) * 10.0 / 254;
  const double my = dc->GetDeviceCaps(LOGPIXELSY) * 10.0 / 254;
  dc->Rectangle(0, 0, static_cast<int>(kFrameWidthMm * mx), static_cast<int>(kFrameHeightMm * my));
  PaperColours paper(m_Graph);
  CRect place;
  m_Graph.GetWindowRect(&place);
  ScreenToClient(&place);
  RenderGraph(m_Graph, dc->GetSafeHdc(), CRect(0, 0, place.Width(), place.Height()));
  return 1;
}

LRESULT CPelmoranView::OnPrintWave(WPARAM, LPARAM) {
  CPrintDialog dialog(
      FALSE,
      PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_NOSELECTION,
      this);
  CDC screen;
  screen.Attach(::GetDC(nullptr));
  bool printed = true;
  if (dialog.DoModal() == IDOK) {
    PaperColours paper(m_Graph);
    CDC printer;
    printer.Attach(dialog.CreatePrinterDC());
    DOCINFO info;
    info.lpszDocName = "test run";
    // A document that cannot be started or finished (its file cannot be
    // written) is reported, as a failed save is.
    printed = ::StartDoc(printer, &info) > 0;
    if (printed) {
      ::StartPage(printer);
      const int sx = screen.GetDeviceCaps(LOGPIXELSX), sy = screen.GetDeviceCaps(LOGPIXELSY);
      const int px = printer.GetDeviceCaps(LOGPIXELSX), py = printer.GetDeviceCaps(LOGPIXELSY);
      CRect place;
      m_Graph.GetWindowRect(&place);
      ScreenToClient(&place);
      const double width = kPrintedWidthInches;
      const double height = place.Width() > 0 ? width * place.Height() / place.Width() : 0.0;
      {
        // The control is made 6 inches wide at the screen's resolution for its
        // picture, then drawn 6 inches wide at the printer's.
        GraphPlace back(m_Graph, place);
        m_Graph.MoveWindow(0, 0, static_cast<int>(sx * width), static_cast<int>(sy * height),
                           FALSE);
        RenderGraph(m_Graph, printer,
                    CRect(0, 0, static_cast<int>(px * width), static_cast<int>(py * height)));
      }
      ::EndPage(printer);
      printed = ::EndDoc(printer) > 0;
    }
    if (!printed) ReportNotPrinted(dialog.GetOutputPath());
    printer.DeleteDC();
  }
  ::ReleaseDC(nullptr, screen.Detach());
  return printed ? 1 : 0;
}

void CPelmoranView::OnBeginPrinting(CDC* dc, CPrintInfo* info) {
  m_pPrintDC = std::make_unique<CDC>();
  m_pPrintDC->CreateCompatibleDC(dc);
  CClientDC client(this);
  CRect rect;
  GetClientRect(&rect);
  m_pPrintBitmap = std::make_unique<CBitmap>();
  m_pPrintBitmap->CreateCompatibleBitmap(&client, rect.Width(), rect.Height());
  m_pPrintDC->SelectObject(m_pPrintBitmap.get());
  m_rcPrint = rect;
  m_pPrintDC->BitBlt(0, 0, rect.Width(), rect.Height(), &client, 0, 0, SRCCOPY);
  CFormView::OnBeginPrinting(dc, info);
}
