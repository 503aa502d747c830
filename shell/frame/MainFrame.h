#pragma once
// CMainFrame: the multiple-document main window. It builds the toolbar, the
// status bar, the coordinate bar at the bottom and the left docking panel
// with the standard-shape panel; translates its menus, status texts and
// tooltips; turns each command (FrameCommands.h) into a message to the
// active waveform view, a drawing-mode change or a dialog; relays the
// private messages the bars and dialogs send it to the active view; shows
// the view's read-outs; opens waveform files; and closes the program.
// Waveforms live in the store (waveform/WaveStore.h); a waveform window is
// found by its caption.

#include "platform/window/WindowSide.h"

#include "platform/window/ControlBar.h"
#include "platform/window/Frame.h"
#include "shell/frame/CoolDialogBar.h"
#include "shell/frame/CoordinateBar.h"
#include "tools/StandWaveDLG.h"

class CView;
class CDocument;

class CMainFrame : public CMDIFrameWnd {
  DECLARE_DYNAMIC(CMainFrame)
 public:
  CMainFrame();
  ~CMainFrame() override;

  // Every command and update is offered to the coordinate bar first.
  BOOL OnCmdMsg(UINT id, int code, void* extra, void* handlerInfo) override;
  void OnIdleUpdateCmdUI() override;

  // The record of the active waveform window; -1 when none matches.
  int FindActiveWave();
  // The view of the active waveform window, or null.
  CView* ActiveWaveView();
  // Sends a message to the active view; nothing when there is none.
  void RelayToActiveView(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  // A window for the newest record, through the document template.
  CDocument* OpenWaveWindow();

  // Menu captions (ids 1 to 10, 110, 111 and the command ids), of the
  // frame's own menu and the waveform windows' menu; an id without a text
  // keeps the resource's caption.
  void TranslateMenus();
  // Pane 1 (text 181) and pane 2 (text 183 and today's date).
  void UpdateStatusTexts();
  // The configured language becomes `name` (nothing happens when it is it
  // already); menus, the coordinate bar and the status texts follow.
  void SwitchLanguage(const char* name);
  // "Pelmoran", with the active waveform's name after it.
  void UpdateFrameTitle();

  // Opens a waveform file: the checks of its name and extension, its
  // reader, then its window. True when a window was opened.
  bool OpenWaveFile(const CString& path);

  // Runs the colour settings dialog (no command reaches it).
  void RunColorDialog();
  // The waveform windows' menu (the template's shared menu), or null.
  HMENU SharedMenu() const;

  CCoolDialogBarCH m_wndFloatDlg;
  // The standard-shape panel the left docking bar hosts.
  CStandWaveDLG m_wndStandWave;
  CBaseDLG m_wndCoordinateBar;
  CStatusBar m_wndStatusBar;
  CToolBar m_wndToolBar;

  // Message handlers.
  int OnCreate(CREATESTRUCT* cs);
  // The close routine of the close box and of Exit: each waveform window
  // closes through its own prompt; a cancel stops the shutdown. Only then
  // is the raw-USB device released and the skin removed.
  void OnClose();
  BOOL OnToolTipText(UINT id, NMHDR* header, LRESULT* result);

  // Commands (FrameCommands.h).
  void OnExit();
  // The tool dialogs, each run modally without a parent (MainFrameTools.cpp).
  void OnNewWave();
  void OnPointList();
  void OnEquation();
  void OnStandardWave();
  void OnMathValue();
  void OnMathWave();
  void OnMathWindow();
  void OnMathFilter();
  void OnCursorLine();
  void OnUndoZoom();
  void OnToggleShapePanel();
  void OnDrawFreehand();
  void OnDrawHorizontalLine();
  void OnDrawVerticalLine();
  void OnDrawTwoPointLine();
  void OnTableView();
  void OnSendWave();
  void OnReadWave();
  void OnImportWave();
  void OnLanguageChinese();
  void OnLanguageEnglish();
  void OnHelp();
  // Update rules.
  void OnUpdateAlways(CCmdUI* ui);
  void OnUpdateWaveform(CCmdUI* ui);
  void OnUpdateEdit(CCmdUI* ui);
  void OnUpdatePanel(CCmdUI* ui);

  // Private messages (waveform/PrivateMessages.h).
  LRESULT OnWaveUpdate(WPARAM wParam, LPARAM lParam);
  LRESULT OnCursorReadout(WPARAM wParam, LPARAM lParam);
  LRESULT OnTrackReadout(WPARAM wParam, LPARAM lParam);
  LRESULT OnFileOpenMessage(WPARAM wParam, LPARAM lParam);
  LRESULT OnDrawModeState(WPARAM wParam, LPARAM lParam);
  LRESULT OnCursorLineMessage(WPARAM wParam, LPARAM lParam);
  LRESULT OnStatusText(WPARAM wParam, LPARAM lParam);
  LRESULT OnEditEnable(WPARAM wParam, LPARAM lParam);
  LRESULT OnLinkState(WPARAM wParam, LPARAM lParam);
  LRESULT OnMenuUpdate(WPARAM wParam, LPARAM lParam);

 protected:
  DECLARE_MESSAGE_MAP()

 private:
  // A line mode: free-hand off first, then the mode's own mark and flag.
  void EnterLineMode(UINT id, int kind);
  // Checks or unchecks a menu item in both menus.
  void CheckItem(UINT id, bool checked);
};
