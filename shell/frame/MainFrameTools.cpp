// The main frame's commands that open the generation and processing
// dialogs: each runs one modally, without a parent, and uses no result; the
// dialogs change the waveforms and tell the frame themselves.
#include "shell/frame/MainFrame.h"

#include "tools/ExpDraw.h"
#include "tools/Math_lvbo.h"
#include "tools/Math_valuedlg.h"
#include "tools/Math_wavedlg.h"
#include "tools/Math_windowdlg.h"
#include "tools/New_WAVE_SETING.h"
#include "tools/STD_WAVE_DLG.h"
#include "tools/XYpoint_Drawdlg.h"

namespace {
template <class Dialog>
void RunTool() {
  Dialog dialog;
  dialog.DoModal();
}
}  // namespace

void CMainFrame::OnNewWave() { RunTool<CNew_WAVE_SETING>(); }
void CMainFrame::OnPointList() { RunTool<CXYpoint_Drawdlg>(); }
void CMainFrame::OnEquation() { RunTool<CExpDraw>(); }
void CMainFrame::OnMathValue() { RunTool<CMath_valuedlg>(); }
void CMainFrame::OnMathWave() { RunTool<CMath_wavedlg>(); }
void CMainFrame::OnMathWindow() { RunTool<CMath_windowdlg>(); }
void CMainFrame::OnMathFilter() { RunTool<CMath_lvbo>(); }

void CMainFrame::OnStandardWave() {
  CSTD_WAVE_DLG dialog;
  dialog.m_nShape = kShapeSine;
  dialog.DoModal();
}
