#pragma once
// CStandWaveDLG: the standard-shape panel (template 130) in the main frame's
// left docking bar: nine picture buttons, one per shape, each opening the
// standard waveform dialog with its shape while a waveform window exists.
// The main frame keeps one as a member and creates it with
// Create(CStandWaveDLG::IDD, bar); a shorter bar gets a vertical scroll bar.

#include "platform/window/Dc.h"
#include "platform/window/Dialog.h"
#include "platform/window/ToolTip.h"
#include "tools/STD_WAVE_DLG.h"

#include <array>

class CStandWaveDLG : public CDialog {
 public:
  enum { IDD = 130 };
  CStandWaveDLG() : CDialog(IDD) {}

  BOOL PreTranslateMessage(MSG* msg) override;
  // Whether a panel shows its vertical scroll bar (one flag for all).
  static bool ScrollBarShown();

  CToolTipCtrl m_tooltip;
  CSTD_WAVE_DLG m_dlgStandard;

 protected:
  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnSize(UINT type, int cx, int cy);
  void OnVScroll(UINT code, UINT position, CScrollBar* bar);
  DECLARE_MESSAGE_MAP()

 private:
  void OnShapeButton(int shape);
  std::array<CBitmap, kShapeNone> m_pictures;
  CSize m_lastSize;
  CRect m_initialWindow;
  CRect m_initialClient;
};
