#pragma once
// The waveform windows' document and view until the editor's own view is
// part of the program: the view titles its window with the newest
// waveform, answers the messages the frames rely on and shows the
// waveform's name and length. The editor's view replaces both.

#include "platform/window/Document.h"
#include "platform/window/View.h"

class CPlaceholderDoc : public CDocument {
  DECLARE_DYNCREATE(CPlaceholderDoc)
};

class CPlaceholderView : public CView {
  DECLARE_DYNCREATE(CPlaceholderView)
 public:
  void OnInitialUpdate() override;
  void OnDraw(CDC* dc) override;
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
