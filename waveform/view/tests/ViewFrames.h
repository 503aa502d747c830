#pragma once
// A multiple-document frame for the view's tests and benchmark, standing in
// for the program's own: a main frame that relays the private messages to
// the active view as the program's main frame does and records what the
// view tells it (updating the globals the program's frame updates), a child
// frame that keeps the caption its view gives it, republishes its
// waveform's state when it becomes active and asks about saving when it
// closes, and the document template pairing them with the view.

#include "platform/window/Document.h"
#include "platform/window/Frame.h"
#include "waveform/PrivateMessages.h"

#include <vector>

class CPelmoranView;

// One message the view sent to the main window, with a copy of the record
// it pointed to.
struct ToldFrame {
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  CursorReadout cursor{};
  TrackReadout track{};
};

class CTestMainFrame : public CMDIFrameWnd {
 public:
  // Every message the view sent, in order.
  std::vector<ToldFrame> told;
  // Only the messages of one kind.
  std::vector<ToldFrame> Told(UINT message) const;

  // The view of the active waveform window, or null.
  CPelmoranView* ActiveView();

  LRESULT OnRelay(WPARAM wParam, LPARAM lParam);
  LRESULT OnWaveUpdate(WPARAM wParam, LPARAM lParam);
  LRESULT OnCursorReadout(WPARAM wParam, LPARAM lParam);
  LRESULT OnTrackReadout(WPARAM wParam, LPARAM lParam);
  LRESULT OnStatusText(WPARAM wParam, LPARAM lParam);
  LRESULT OnDrawModeState(WPARAM wParam, LPARAM lParam);
  LRESULT OnEditEnable(WPARAM wParam, LPARAM lParam);

 protected:
  DECLARE_MESSAGE_MAP()

 private:
  void Record(UINT message, WPARAM wParam, LPARAM lParam);
};

class CTestChildFrame : public CMDIChildWnd {
  DECLARE_DYNCREATE(CTestChildFrame)

 public:
  // The caption is the view's: the document's title never replaces it.
  void OnUpdateFrameTitle(BOOL) override {}
  void OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated) override;
  // The close prompt: a saved waveform goes at once; otherwise Yes saves
  // (and stays when the save was cancelled), No discards, Cancel keeps it.
  void OnClose();

 protected:
  DECLARE_MESSAGE_MAP()
};

// The document template of the waveform windows, resource 129.
CMultiDocTemplate* NewWaveTemplate();
