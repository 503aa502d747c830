// The view's construction, its one message map, its controls and layout,
// the binding to its record at the initial update, and activation.
#include "waveform/view/PelmoranView.h"

#include "platform/services/Services.h"
#include "platform/window/DataExchange.h"
#include "platform/window/Dialogs.h"
#include "platform/window/Frame.h"
#include "platform/window/WinApp.h"
#include "waveform/ActiveState.h"
#include "waveform/PrivateMessages.h"
#include "waveform/Readouts.h"
#include "waveform/SampleReplacement.h"
#include "waveform/WaveCollections.h"

IMPLEMENT_DYNCREATE(CPelmoranView, CFormView)

// clang-format off
BEGIN_MESSAGE_MAP(CPelmoranView, CFormView)
ON_WM_SIZE()
ON_WM_DESTROY()
ON_MESSAGE(WM_WAVE_UPDATE, OnWaveUpdate)
ON_MESSAGE(WM_VIEW_OPTION, OnViewOption)
ON_MESSAGE(WM_SET_CURSOR_POS, OnSetCursorPos)
ON_MESSAGE(WM_ZOOM, OnZoom)
ON_MESSAGE(WM_DRAW_FREEHAND, OnDrawFreehand)
ON_MESSAGE(WM_DRAW_LINE, OnDrawLine)
ON_MESSAGE(WM_DRAW_POINTS, OnDrawPoints)
ON_MESSAGE(WM_APPLY_EQUATION, OnApplyEquation)
ON_MESSAGE(WM_UNDO_LAST_DRAW, OnUndoLastDraw)
ON_MESSAGE(WM_EDIT_OP, OnEditOp)
ON_MESSAGE(WM_PRINT_PREVIEW, OnPrintPreview)
ON_MESSAGE(WM_PRINT_WAVE, OnPrintWave)
ON_MESSAGE(WM_FILE_SAVE, OnFileSave)
ON_MESSAGE(WM_FILE_SAVEAS, OnFileSaveAs)
ON_MESSAGE(WM_WAVE_REPLOT, OnWaveReplot)
ON_MESSAGE(WM_PAINT_PAGE, OnPaintPage)
ON_MESSAGE(WM_SMOOTH, OnSmooth)
ON_MESSAGE(WM_SET_COLORS, OnSetColors)
ON_MESSAGE(WM_SET_DRAWMODE, OnSetDrawMode)
ON_MESSAGE(WM_WAVE_ACTIVATE, OnWaveActivate)
ON_MESSAGE(WM_SHOW_CURSORS, OnShowCursors)
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_SETCURSOR()
ON_BN_CLICKED(view::kMoveButton, OnMoveButton)
ON_CONTROL_RANGE(0, 1316, 1317, OnReadoutControl)
ON_CONTROL_RANGE(0, 1320, 1321, OnReadoutControl)
ON_CONTROL(0, view::kUnitLabel, OnReadoutControl)
ON_CONTROL_RANGE(EN_CHANGE, 1318, 1319, OnReadoutControl)
ON_CONTROL_RANGE(EN_CHANGE, 1322, 1323, OnReadoutControl)
#define PELMORAN_CONTEXT_COMMAND_ENTRY(id, handler, rule, separator) ON_COMMAND(id, handler)
PELMORAN_VIEW_CONTEXT_MENU(PELMORAN_CONTEXT_COMMAND_ENTRY)
#undef PELMORAN_CONTEXT_COMMAND_ENTRY
END_MESSAGE_MAP()
// clang-format on

namespace {
std::function<void(int)>& PointDialogRunner() {
  static std::function<void(int)> runner;
  return runner;
}
}  // namespace

CPelmoranView::CPelmoranView()
    : CFormView(view::kFormTemplate),
      m_pPrintBitmap(std::make_unique<CBitmap>()),
      m_pPrintDC(std::make_unique<CDC>()) {}

CPelmoranView::~CPelmoranView() { DisconnectGraphEvents(); }

void CPelmoranView::SetPointDialogRunner(std::function<void(int)> runner) {
  PointDialogRunner() = std::move(runner);
}

BOOL CPelmoranView::PreCreateWindow(CREATESTRUCT& cs) { return CFormView::PreCreateWindow(cs); }

void CPelmoranView::DoDataExchange(CDataExchange* dx) {
  CFormView::DoDataExchange(dx);
#define PELMORAN_BIND_VIEW_CONTROL(id, Type, member, x, y, w, h) DDX_Control(dx, id, member);
  PELMORAN_VIEW_CONTROLS(PELMORAN_BIND_VIEW_CONTROL)
#undef PELMORAN_BIND_VIEW_CONTROL
}

int CPelmoranView::FindWaveIndex() {
  CFrameWnd* frame = GetParentFrame();
  if (!frame) return -1;
  CString caption;
  frame->GetWindowText(caption);
  return ::FindWaveIndex(caption);
}

CWaveData* CPelmoranView::FindRecord() {
  const int index = FindWaveIndex();
  return index < 0 ? nullptr : &g_WaveArray[index];
}

void CPelmoranView::CommitWorkData(std::uint64_t continues) {
  if (const int index = FindWaveIndex(); index >= 0)
    waveform::CommitWorkData(g_WaveStore.GetEntry(index), std::move(m_WorkData), continues);
  m_WorkData = SG::CSgScalarVector<float>();  // the next stroke makes its own
}

LRESULT CPelmoranView::Tell(UINT message, WPARAM wParam, LPARAM lParam) const {
  return m_pMainFrame && m_pMainFrame->m_hWnd ? m_pMainFrame->SendMessage(message, wParam, lParam)
                                              : 0;
}

void CPelmoranView::SendStatus(int code) const { Tell(WM_STATUS_TEXT, code, 0); }

void CPelmoranView::SendCursorReadout(int cursor, double position, const CWaveData& wave) const {
  CursorReadout readout{position, wave.period,
                        GraphCursor(cursor == 0 ? view::kCursor1 : view::kCursor2).GetYPosition()};
  Tell(WM_CURSOR_READOUT, reinterpret_cast<WPARAM>(&readout), cursor);
}

void CPelmoranView::MessageById(int id) const {
  AfxMessageBox(CString(services::Current().Text(id).c_str()), MB_OK);
}

void CPelmoranView::OnInitialUpdate() {
  CFormView::OnInitialUpdate();
  m_pMainFrame = AfxGetMainWnd();
  ConnectGraphEvents();
  CWaveData& wave = g_WaveArray[g_WaveArray.GetSize() - 1];
  m_strTitle = wave.wavename;
  PublishActiveWave(wave);  // a new window is the active one
  SetUnitLabel(wave);
  CString count;
  switch (wave.samplecount) {
    case 524288: count = "512K"; break;
    case 16384: count = "16K"; break;
    case 32768: count = "32K"; break;
    default: count.Format("%d", wave.samplecount);
  }
  m_CountLabel.SetWindowText(count);
  m_CountLabel.ShowWindow(SW_SHOW);
  if (CFrameWnd* frame = GetParentFrame()) frame->SetWindowText(m_strTitle);
  GraphAxis(view::kXAxis).SetMaximum(wave.displaylen - 1);
  SetYRange(wave.offset, wave.span);
  PlotSamples(view::kWavePlot, wave.showdata);
  // The record keeps its saved state: a waveform just opened from a file is
  // saved, and opening its window changes nothing in it.
  g_bEditEnable = false;
  ShowSelectionCursors(false);
  SendStatus(0);
  SetInteractionMode(view::kCursorMode);
  GraphCursor(view::kCursorXY).SetVisible(false);
  ResizeParentToFit();
  SetTimeLabels(wave);
  UpdateParameterReadouts();
  if (wave.shape == 5) return;
  m_bAxisUpdating = false;
  m_HScroll.SetRange(0, 16384, FALSE);
  CaptureDefaultColors();
}

void CPelmoranView::ResizeParentToFit() {
  CFrameWnd* frame = GetParentFrame();
  if (!frame) return;
  frame->RecalcLayout();
  CRect form(0, 0, 483, 272);
  ::MapDialogRect(m_hWnd, &form);
  CRect client, outer;
  frame->GetClientRect(&client);
  frame->GetWindowRect(&outer);
  frame->SetWindowPos(nullptr, 0, 0, form.Width() + outer.Width() - client.Width(),
                      form.Height() + outer.Height() - client.Height(),
                      SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  frame->RecalcLayout();
}

void CPelmoranView::OnSize(UINT type, int cx, int cy) {
  CFormView::OnSize(type, cx, cy);
  auto place = [this](int id, int x, int y, int w, int h) {
    if (HWND control = ::GetDlgItem(m_hWnd, id); control && x >= 0)
      ::MoveWindow(control, x, y, w, h, TRUE);
  };
#define PELMORAN_PLACE_VIEW_CONTROL(id, Type, member, x, y, w, h) place(id, x, y, w, h);
  PELMORAN_VIEW_CONTROLS(PELMORAN_PLACE_VIEW_CONTROL)
#undef PELMORAN_PLACE_VIEW_CONTROL
}

void CPelmoranView::OnDestroy() {
  DisconnectGraphEvents();
  CFormView::OnDestroy();
}

// The active window's waveform is the one the other windows work on. Only
// the window becoming active publishes: the one losing it would publish its
// own, stale values.
void CPelmoranView::OnActivateView(BOOL activate, CView* activated, CView* deactivated) {
  if (CWaveData* wave = activate ? FindRecord() : nullptr) PublishActiveWave(*wave);
  CFormView::OnActivateView(activate, activated, deactivated);
}

LRESULT CPelmoranView::OnWaveActivate(WPARAM, LPARAM) {
  if (const int index = FindWaveIndex(); index >= 0) g_nActiveWave = index;
  return 1;
}

void CPelmoranView::OnMoveButton() { GraphPlot(view::kWavePlot).ClearData(); }

void CPelmoranView::UpdateParameterReadouts() {
  const CWaveData* wave = FindRecord();
  if (!wave) return;
  const std::array<CString, 4> texts = ParameterReadouts(*wave);
  for (int field = 0; field < 4; ++field) SetDlgItemText(view::kReadouts[field], texts[field]);
}

void CPelmoranView::CaptureDefaultColors() {
  g_ColorsA[0] = GraphPlot(view::kWavePlot).GetLineColor();
  g_ColorsA[1] = m_Graph.GetBackgroundColor();
  g_ColorsA[2] = GraphAxis(view::kXAxis).GetTicks().GetGridColor();
  g_ColorsA[3] = GraphCursor(view::kCursor1).GetColor();
  g_ColorsA[4] = GraphCursor(view::kCursor2).GetColor();
}

void CPelmoranView::UndoLastDraw() {
  const int index = FindWaveIndex();
  if (index >= 0) {
    WaveEntry& entry = g_WaveStore.GetEntry(index);
    if (waveform::UndoLastDraw(entry)) PlotSamples(view::kWavePlot, entry.record.showdata);
  }
  // A drawing from the table points is corrected in the point-list dialog.
  if (g_bPointsMode && g_bPointsByTable && PointDialogRunner())
    PointDialogRunner()(g_nSplinePointCount);
}

LRESULT CPelmoranView::OnUndoLastDraw(WPARAM, LPARAM) {
  UndoLastDraw();
  return 1;
}

void CPelmoranView::SaveDrawSnapshot() {
  if (const int index = FindWaveIndex(); index >= 0)
    waveform::SaveDrawSnapshot(g_WaveStore.GetEntry(index));
}
