#pragma once
// CXYpoint_Drawdlg: the point-list dialog (template 150). It prepares a
// drawing of the active waveform through feature points, clicked on the
// graph or typed into a grid of time and value, joined by straight lines or
// a cubic spline; the view does the drawing (WM_DRAW_POINTS). The main
// frame's command 32824 runs a local one, and the view reopens one after an
// undone table drawing.

#include "shell/base/ListCtrlCB.h"
#include "tools/ToolDialog.h"
#include "waveform/SplinePoint.h"

#include <vector>

// The time column's span and unit for a waveform's period and period unit:
// brought into 1 .. 1000 where the units allow (a step of 1000 per unit).
struct PointTimeSpan {
  double span;
  int unit;  // index into g_TimeUnits
};
PointTimeSpan TimeSpanFor(double period, int periodUnit);

class CXYpoint_Drawdlg : public CToolDialog {
 public:
  enum { IDD = 150 };
  CXYpoint_Drawdlg();

  int m_bByMouse = 1;
  int m_bByTable = 0;
  int m_bLinear = 1;
  int m_bSpline = 0;
  int m_nPointCount = 5;
  double m_dTimeSpan = 1.0;
  int m_nTimeUnit = 2;
  CListCtrlCB m_grid;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnCommit() override;
  void OnByMouse() { SetInput(true); }
  void OnByTable() { SetInput(false); }
  void OnLinear() { SetFill(true); }
  void OnSpline() { SetFill(false); }
  void OnChangeCount();
  DECLARE_MESSAGE_MAP()

 private:
  void SetInput(bool mouse);
  void SetFill(bool linear);
  void SetChecks();
  void FillGrid();
  // The rows 1 .. count as points, or false after the message of the first
  // row that does not pass.
  bool ReadRows(std::vector<SplinePoint>& points);
};
