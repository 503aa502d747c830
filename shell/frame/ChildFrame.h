#pragma once
// CChildFrame: the frame of one waveform window. Its caption is the
// waveform's name, which its view sets and by which everything finds the
// waveform's record. On each activation it publishes the active waveform's
// drawing modes and cursor state to the main frame; when it closes it asks
// about an unsaved waveform and takes the waveform out of the collections.

#include "platform/window/WindowSide.h"

#include "platform/window/Frame.h"

class CChildFrame : public CMDIChildWnd {
  DECLARE_DYNCREATE(CChildFrame)
 public:
  CChildFrame() = default;
  ~CChildFrame() override;

  // The framework's child style without the document title in the
  // caption, with a sizing border.
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  // The caption is the waveform's name, set by the view: the document's
  // title never replaces it.
  void OnUpdateFrameTitle(BOOL addToTitle) override {}
  void OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated) override;

  // The close prompt: decided by this window's own waveform; Yes saves
  // (the window stays when the save was cancelled), No discards, Cancel
  // keeps everything. g_nSaveAnswer tells the main frame's close how it went.
  void OnClose();

 protected:
  DECLARE_MESSAGE_MAP()

 private:
  // Takes this window's waveform (record, history, snapshot and name) out
  // of the collections.
  void RemoveWave(const CString& title);
};
