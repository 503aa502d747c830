#pragma once
// The grid's two in-place editors: an edit box filtered by the column's
// allowed characters and a drop-down list. Each exists once per process;
// its window lives only while an edit is open. Losing the focus ends the
// edit: the text (or, when cancelled, the start text) goes back to the grid
// as its own LVN_ENDLABELEDIT.

#include "platform/afx/List.h"
#include "platform/window/Controls.h"

// What both editors keep of the cell being edited.
struct CellEditState {
  int row = -1;
  int column = -1;
  int cancelled = 0;
  CString startText;
};

class CListCtrlEditCell : public CEdit, public CellEditState {
 public:
  BOOL PreTranslateMessage(MSG* msg) override;
  CString validChars;

  int OnCreate(CREATESTRUCT* cs);
  void OnKillFocus(CWnd* newWnd);
  void OnChar(UINT ch, UINT repeat, UINT flags);
  LRESULT OnPaste(WPARAM, LPARAM);
  DECLARE_MESSAGE_MAP()
};

class CListCtrlComboCell : public CComboBox, public CellEditState {
 public:
  BOOL PreTranslateMessage(MSG* msg) override;
  CStringList items;

  int OnCreate(CREATESTRUCT* cs);
  void OnKillFocus(CWnd* newWnd);
  void OnChar(UINT ch, UINT repeat, UINT flags);
  void OnCloseup();
  DECLARE_MESSAGE_MAP()
};

// Sends the end of an edit to the grid and closes the editor's window.
void EndCellEdit(CWnd& editor, int row, int column, const CString& text);
