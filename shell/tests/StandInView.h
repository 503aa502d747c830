#pragma once
// A document and view standing in for the editor's in the shell's tests:
// the view titles its frame with the newest record at its initial update,
// finds its record by its frame's caption, answers the private messages as
// the editor's view does where the shell relies on it (WM_WAVE_ACTIVATE,
// WM_WAVE_REPLOT, WM_FILE_SAVE) and records every private message it gets.

#include "platform/window/Document.h"
#include "platform/window/View.h"
#include "platform/window/WinUser.h"

#include <deque>
#include <vector>

namespace shell_test {

// One private message a stand-in view received, with the record the
// cursor-position request pointed to.
struct ViewHeard {
  CString view;  // its frame's caption
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  double time = 0.0;   // WM_SET_CURSOR_POS's time
  COLORREF color = 0;  // WM_SET_COLORS 1 to 5: the picked colour it applies
};

// What every stand-in view heard, in order.
std::vector<ViewHeard>& ViewLog();
// How the next saves end: 1 saved (the record is marked saved), 2 cancelled.
std::deque<int>& SaveAnswers();

class CStandInDoc : public CDocument {
  DECLARE_DYNCREATE(CStandInDoc)
};

class CStandInView : public CView {
  DECLARE_DYNCREATE(CStandInView)
 public:
  void OnInitialUpdate() override;
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  int OwnWave();
};

}  // namespace shell_test
