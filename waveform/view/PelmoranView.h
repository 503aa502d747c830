#pragma once
// CPelmoranView: the editor view of one waveform window, a form (template
// 103) whose graph shows the waveform's display samples as plot 1, with the
// selection cursors "Cursor1" and "Cursor2" and the cross-hair "CursorXY".
// It takes the main frame's private messages (waveform/PrivateMessages.h)
// and the graph's events, edits its own waveform's record in the store
// (waveform/WaveStore.h) and reports read-outs and status codes back to the
// application's main window. It knows no concrete frame class: it talks to
// the main window only by messages and finds its record by its own frame's
// caption.
//
// Its handlers are spread over files by what they do: presentation and
// cursors (ViewPresentation.cpp, ViewPanning.cpp), editing (ViewEditing.cpp),
// zoom (ViewZoom.cpp), smoothing and replot (ViewSmoothing.cpp), the context
// menu (ViewContextMenu.cpp), drawing (ViewDrawModes.cpp, ViewStrokes.cpp,
// ViewPoints.cpp), printing (ViewPrinting.cpp) and saving (ViewSaving.cpp).

#include "platform/window/WindowSide.h"

#include "controls/CSgGraph.h"
#include "platform/com/Variant.h"
#include "platform/window/CommonDialogs.h"
#include "platform/window/Controls.h"
#include "platform/window/View.h"
#include "waveform/EditOps.h"
#include "waveform/SplinePoint.h"
#include "waveform/drawing/Strokes.h"
#include "waveform/files/CsvWriters.h"
#include "waveform/view/ViewIds.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// The view's context menu, in menu order: command id, handler, when the item
// is off (Never; EditState: greyed unless the cursors are shown; SelectAll:
// disabled but not greyed unless they are; WaveOpen: greyed while no
// waveform window is open), and whether a separator follows.
// clang-format off
#define PELMORAN_VIEW_CONTEXT_MENU(X)                              \
  X(32883, OnCtxCursorLine,     Never,     true)                   \
  X(32884, OnCtxUndo,           EditState, false)                  \
  X(32885, OnCtxRedo,           EditState, false)                  \
  X(32886, OnCtxCut,            EditState, false)                  \
  X(32887, OnCtxCopy,           EditState, false)                  \
  X(32888, OnCtxPaste,          EditState, false)                  \
  X(32891, OnCtxDelete,         EditState, true)                   \
  X(32893, OnCtxSelectAll,      SelectAll, true)                   \
  X(32894, OnCtxFreehand,       Never,     false)                  \
  X(32878, OnCtxHorizontalLine, WaveOpen,  false)                  \
  X(32897, OnCtxVerticalLine,   WaveOpen,  false)                  \
  X(32880, OnCtxTwoPointLine,   WaveOpen,  false)                  \
  X(32898, OnCtxUndoLastDraw,   Never,     true)                   \
  X(32881, OnCtxPointView,      WaveOpen,  false)                  \
  X(32882, OnCtxCursorTrace,    WaveOpen,  true)                   \
  X(32895, OnCtxSmooth,         WaveOpen,  false)
// clang-format on

class CPelmoranView : public CFormView {
  DECLARE_DYNCREATE(CPelmoranView)

 public:
  CPelmoranView();
  ~CPelmoranView() override;

  // The record this view shows: the first one whose name equals its frame's
  // caption without spaces at either end; -1 when none does.
  int FindWaveIndex();
  // The working copy of a drawing becomes the record's samples.
  // The working copy into the record: one step of its history, or, given
  // the serial after the last step (EditList::Serial), that step continued.
  void CommitWorkData(std::uint64_t continues = ~std::uint64_t{0});

  // What the point drawing's undo-last-draw runs to let the user correct
  // the table points: the point-list dialog, opened with the point count.
  // The program installs it (the dialog belongs to the tools); until then
  // nothing opens.
  static void SetPointDialogRunner(std::function<void(int pointCount)> runner);

  // Framework overrides.
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnInitialUpdate() override;
  void OnActivateView(BOOL activate, CView* activated, CView* deactivated) override;
  void OnBeginPrinting(CDC* dc, CPrintInfo* info) override;

  // Window messages.
  void OnSize(UINT type, int cx, int cy);
  void OnDestroy();
  void OnHScroll(UINT code, UINT position, CScrollBar* bar);
  void OnVScroll(UINT code, UINT position, CScrollBar* bar);
  BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
  void OnMoveButton();
  void OnReadoutControl(UINT = 0) {}  // the captions and read-outs: nothing to do

  // Private messages (each returns its result to the sender).
  LRESULT OnWaveUpdate(WPARAM wParam, LPARAM lParam);
  LRESULT OnViewOption(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetCursorPos(WPARAM wParam, LPARAM lParam);
  LRESULT OnZoom(WPARAM wParam, LPARAM lParam);
  LRESULT OnDrawFreehand(WPARAM wParam, LPARAM lParam);
  LRESULT OnDrawLine(WPARAM wParam, LPARAM lParam);
  LRESULT OnDrawPoints(WPARAM wParam, LPARAM lParam);
  LRESULT OnApplyEquation(WPARAM wParam, LPARAM lParam);
  LRESULT OnUndoLastDraw(WPARAM wParam, LPARAM lParam);
  LRESULT OnEditOp(WPARAM wParam, LPARAM lParam);
  LRESULT OnPrintPreview(WPARAM wParam, LPARAM lParam);
  LRESULT OnPrintWave(WPARAM wParam, LPARAM lParam);
  LRESULT OnFileSave(WPARAM wParam, LPARAM lParam);
  LRESULT OnFileSaveAs(WPARAM wParam, LPARAM lParam);
  LRESULT OnWaveReplot(WPARAM wParam, LPARAM lParam);
  LRESULT OnPaintPage(WPARAM wParam, LPARAM lParam);
  LRESULT OnSmooth(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetColors(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetDrawMode(WPARAM wParam, LPARAM lParam);
  LRESULT OnWaveActivate(WPARAM wParam, LPARAM lParam);
  LRESULT OnShowCursors(WPARAM wParam, LPARAM lParam);

  // Graph events (the event sink, ViewEventSink.cpp).
  void OnPlotAreaMouseDown(short* button, short* shift, VARIANT* x, VARIANT* y);
  void OnPlotAreaMouseMove(short* button, short* shift, VARIANT* x, VARIANT* y);
  void OnPlotAreaMouseUp(short* button, short* shift, VARIANT* x, VARIANT* y);
  void OnAxisChange();
  void OnCursorChange(LONG* cursor, VARIANT* x, VARIANT* y, LONG* tracking);
  void OnGraphMouseDown(short button, short shift, LONG x, LONG y);
  void OnPlotMouseDown(short* button, short* shift, VARIANT* x, VARIANT* y, short* plot,
                       LONG* point);
  void OnPlotMouseMove(short*, short*, VARIANT*, VARIANT*, short*, LONG*) {}
  void OnPlotMouseUp(short*, short*, VARIANT*, VARIANT*, short*, LONG*) {}

  // The context menu's commands.
#define PELMORAN_DECLARE_CONTEXT_COMMAND(id, handler, rule, separator) void handler();
  PELMORAN_VIEW_CONTEXT_MENU(PELMORAN_DECLARE_CONTEXT_COMMAND)
#undef PELMORAN_DECLARE_CONTEXT_COMMAND

  // Operations other handlers and the context menu share.
  void Undo();
  void Redo();
  void CutOrDelete(int code);
  void Copy();
  void Paste();
  void SelectAll();
  void FlipHorizontal();
  void FlipVertical();
  void Smooth();
  void UndoLastDraw();
  void SaveDrawSnapshot();
  void UpdateParameterReadouts();
  void CaptureDefaultColors();
  void RemoveSplineCursors();
  void FillFromPoints(int flag);
  void SortSplinePoints(std::vector<SplinePoint>& points);
  void FillLinear(SG::CSgScalarVector<double>& result, const std::vector<SplinePoint>& points);
  int FillSpline(SG::CSgScalarVector<double>& result, const std::vector<SplinePoint>& points);

  // The strokes' steps on the view's own waveform (ViewStrokes.cpp): p a
  // display position, y a level. A press step answers whether it started a
  // stroke; each shows what it drew.
  bool BeginFreehand(int p, double y);
  void ContinueFreehand(int p, double y);
  bool PressHorizontalLine(int p, double y);
  void DragHorizontalLine(int p, double y);
  bool PressVerticalLine(int p);
  void DragVerticalLine(int p, double y);
  bool BeginTwoPointLine(int p);
  void DragTwoPointLine(int p, double y);
  void ReleaseTwoPointLine();

  // The save commands' writers: the record to path in one layout; false,
  // after telling the user, when nothing was written.
  bool WriteHeaderCsv(CWaveData& wave, const CString& path);
  bool WriteAmplitudeCsv(CWaveData& wave, const CString& path);

  // The graph, for the tests and the program's frames.
  SG::CSgGraph& Graph() { return m_Graph; }

 protected:
  DECLARE_MESSAGE_MAP()

 private:
  // Graph access (ViewGraphAccess.cpp); each call makes the wrappers it needs.
  SG::CSgCursor GraphCursor(const char* name) const;
  SG::CSgPlot GraphPlot(int index) const;
  SG::CSgAxis GraphAxis(const char* name) const;
  void PlotSamples(int plot, const SG::CSgScalarVector<float>& samples) const;
  void ShowSelectionCursors(bool show) const;
  void SetInteractionMode(LONG mode) const;
  bool HasSplineCursors() const;
  // The record at FindWaveIndex, or null.
  CWaveData* FindRecord();

  // Sends to the main window; nothing when there is none.
  LRESULT Tell(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  void SendStatus(int code) const;
  void SendCursorReadout(int cursor, double position, const CWaveData& wave) const;
  void MessageById(int id) const;

  // Presentation steps.
  void SetTimeLabels(const CWaveData& wave);
  void SetYRange(double centre, double span) const;
  void SetUnitLabel(const CWaveData& wave);
  void HidePanBars();
  void LeaveTrace(CWaveData& wave);
  void HideSelection(CWaveData& wave);
  void ShowCursorsAt(CWaveData& wave, double first, double second);
  void ApplyColor(int role, const SG::CSgColor& color) const;
  void ToggleCursorLine(CWaveData& wave);
  void ToggleTrace(CWaveData& wave);
  void ResizeParentToFit();

  // Editing steps.
  void AfterEdit(int index, const waveform::EditResult& result);

  // Drawing steps.
  void EnterDrawMode(int mode);
  bool EnterPointsMode();
  void PointPress(double x, double y, int p);
  void ApplyTablePoints();

  // Saving steps.
  bool ChooseFileAndSave(CWaveData& wave, bool plainSave);
  bool WriteCsv(CWaveData& wave, const CString& path, CsvLayout layout);
  void RenameWave(CWaveData& wave, const CString& title);

  // Graph events.
  void ConnectGraphEvents();
  void DisconnectGraphEvents();

#define PELMORAN_DECLARE_VIEW_CONTROL(id, Type, member, x, y, w, h) Type member;
  PELMORAN_VIEW_CONTROLS(PELMORAN_DECLARE_VIEW_CONTROL)
#undef PELMORAN_DECLARE_VIEW_CONTROL

  CRect m_rcPrint;
  std::unique_ptr<CBitmap> m_pPrintBitmap;
  std::unique_ptr<CDC> m_pPrintDC;
  bool m_bAxisUpdating = false;
  double m_dXMin = 0.0, m_dXMax = 0.0, m_dYMin = 0.0, m_dYMax = 0.0;
  CWnd* m_pMainFrame = nullptr;
  int m_nMouseDown = 0;
  bool m_bStroke = false;  // the held press started a stroke, which its release commits
  int m_nTrackMode = -1;
  CString m_strTitle;
  // The working copy of a drawing: filled by a press, committed by the
  // release, empty between strokes (a stroke needs no buffer of its own).
  SG::CSgScalarVector<float> m_WorkData;
  drawing::Stroke m_Stroke{m_WorkData};
  std::vector<SplinePoint> m_pSplinePoints;
  int m_nLinearFill = 0, m_nSplineFill = 0, m_nSplinePoints = 0;
  int m_nPointIndex = 0;
  // The history's serial after the last point drawing's step: dragging a
  // point continues that step while nothing came between.
  std::uint64_t m_nPointStep = ~std::uint64_t{0};
  SG::CSgScalarVector<double> m_PointResult;
  // The zoom this view last switched on, so that leaving it works even when
  // the frame has already reset g_nZoomKind.
  int m_nZoomKind = 0;
  DWORD m_dwEventCookie = 0;
};
