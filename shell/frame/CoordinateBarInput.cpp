// What the user does in the coordinate bar's time edits: a press chooses
// the edit Enter acts on, a new value is kept within the other cursor and
// the waveform, and Enter moves the chosen cursor to the time typed.
#include "shell/frame/CoordinateBar.h"

#include "platform/window/WinApp.h"
#include "shell/base/ActiveChild.h"
#include "waveform/DisplayMath.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveCollections.h"

void CBaseDLG::OnLeftEditMouseDown() {
  m_LeftTime.SetFocus();
  m_bLeftActive = 1;
  m_bRightActive = 0;
}

void CBaseDLG::OnRightEditMouseDown() {
  m_RightTime.SetFocus();
  m_bRightActive = 1;
  m_bLeftActive = 0;
}

void CBaseDLG::OnLeftEditValueChanged() {
  double v = m_LeftTime.GetValue();
  const double right = m_RightTime.GetValue();
  if (v <= 0)
    v = 0;
  else if (v > right && right != 0)
    v = right;
  m_LeftTime.SetValue(v);  // the same value raises no new change
}

void CBaseDLG::OnRightEditValueChanged() {
  const double left = m_LeftTime.GetValue();
  const double v = m_RightTime.GetValue();
  if (left > v)
    m_RightTime.SetValue(left);
  else if (v > g_dTimeSpan)
    m_RightTime.SetValue(g_dTimeSpan);
}

// Enter acts once per key press (on the key going down); its other key
// messages are taken too, so nothing else handles the same Enter. Every
// other key, Tab and Space on the buttons included, passes on.
BOOL CBaseDLG::PreTranslateMessage(MSG* msg) {
  if (msg->message < WM_KEYDOWN || msg->message > WM_KEYDOWN + 9 || msg->wParam != VK_RETURN)
    return CDialogBar::PreTranslateMessage(msg);
  if (msg->message == WM_KEYDOWN) MoveCursorToTypedTime();
  return TRUE;
}

void CBaseDLG::MoveCursorToTypedTime() {
  SetFocus();  // the time edit gives up its typed text
  UpdateData(TRUE);
  if (!m_bLeftActive && !m_bRightActive) return;
  CWnd* main = AfxGetMainWnd();
  if (main) UpdateDialogControls(main, FALSE);
  const int index = FindWaveIndex(ActiveChildTitle());
  const double period = index >= 0 ? g_WaveArray[index].period : 0.0;
  const int displaylen = index >= 0 ? g_WaveArray[index].displaylen : 0;
  if (m_bLeftActive) {
    double t = m_LeftTime.GetValue();
    const double limit = m_RightTime.GetValue();
    if (t < 0) t = 0;
    if (t >= limit) t = limit;
    g_dCursor1X = CursorFromTime(t, period, displaylen);
    if (main) main->SendMessage(WM_SET_CURSOR_POS, reinterpret_cast<WPARAM>(&t), 0);
    m_LeftTime.SetValue(t);
  } else {
    double t = m_RightTime.GetValue();
    const double limit = m_LeftTime.GetValue();
    if (t <= limit) t = limit;
    if (t > g_dTimeSpan) t = g_dTimeSpan;
    g_dCursor2X = CursorFromTime(t, period, displaylen);
    if (main) main->SendMessage(WM_SET_CURSOR_POS, reinterpret_cast<WPARAM>(&t), 1);
    m_RightTime.SetValue(t);
  }
}
