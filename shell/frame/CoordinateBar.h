#pragma once
// CBaseDLG (dialog bar 131): the coordinate bar along the bottom of the main
// frame. It shows the active waveform's two cursors (time and value), the
// cross-hair's position and value, and whether an instrument is connected;
// Enter in a cursor's time edit moves that cursor; its buttons start a read
// from or a send to a generator (and, by a zero-size button, the step test).
// The main frame offers it every command first.
//
// Times are shown in the unit the view shows (the period divided by 1000
// when it is 1000 or more); the read-outs use the active waveform's own
// display length, and Enter stores the cursor's display position.

#include "platform/window/WindowSide.h"

#include "controls/CSgNumEdit.h"
#include "platform/window/ControlBar.h"
#include "platform/window/Controls.h"

class CBaseDLG : public CDialogBar {
  DECLARE_DYNAMIC(CBaseDLG)
 public:
  static constexpr UINT IDD = 131;
  enum : UINT {
    IDC_LEFT_TIME = 1013,
    IDC_RIGHT_TIME = 1014,
    IDC_CURSOR_X = 1015,
    IDC_CURSOR_Y = 1016,
    IDC_READ = 1017,
    IDC_SEND = 1018,
    IDC_LEFT_VALUE = 1019,
    IDC_RIGHT_VALUE = 1020,
    IDC_LINK = 1267,
    IDC_STEP_TEST = 1268,
    IDC_BUTTON2 = 1269,
    IDC_LEFT_LABEL = 1164
  };

  CBaseDLG();
  ~CBaseDLG() override;

  void DoDataExchange(CDataExchange* dx) override;
  BOOL PreTranslateMessage(MSG* msg) override;
  void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;

  // Every child's text from the translator, where it has one.
  void TranslateControls();
  // cursor 0 or 1 at a display position (truncated), its value, and the
  // active waveform's period.
  void ShowCursorReadout(int cursor, int sampleIndex, double value, double timeSpan);
  void ShowTrackReadout(double position, double value, int timeUnit, double timeSpan);
  // 1 shows bitmap 202 (connected), anything else 201.
  void ShowLinkState(int connected);

  // Which time edit Enter acts on (the one last pressed with the mouse).
  bool LeftEditActive() const { return m_bLeftActive != 0; }
  bool RightEditActive() const { return m_bRightActive != 0; }

  // Commands and their states.
  void OnReadButton();
  void OnSendButton();
  void OnStepTestButton();
  void OnNothing() {}
  void OnUpdateAlwaysEnabled(CCmdUI* ui);
  void OnUpdateSendButton(CCmdUI* ui);

  // The numeric edits' events.
  void OnLeftEditMouseDown();
  void OnRightEditMouseDown();
  void OnLeftEditValueChanged();
  void OnRightEditValueChanged();

  LRESULT OnInitBar(WPARAM, LPARAM);
  void OnDestroy();

  SG::CSgNumEdit m_LeftTime{2};
  SG::CSgNumEdit m_RightTime{2};
  SG::CSgNumEdit m_CursorX{2};
  SG::CSgNumEdit m_CursorY{2};
  SG::CSgNumEdit m_LeftValue{2};
  SG::CSgNumEdit m_RightValue{2};
  CStatic m_LinkPicture;

 protected:
  DECLARE_MESSAGE_MAP()

 private:
  // Enter: the active time edit's cursor goes to the time typed, within
  // the other cursor and the waveform.
  void MoveCursorToTypedTime();
  void ConnectEditEvents();
  // The display length the read-outs divide by: the active waveform's.
  int ActiveDisplayLength() const;

  BYTE m_bLeftActive = 0;
  BYTE m_bRightActive = 0;
  DWORD m_leftCookie = 0;
  DWORD m_rightCookie = 0;
  HBITMAP m_linkBitmap = nullptr;
};
