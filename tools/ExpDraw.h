#pragma once
// CExpDraw: the equation dialog (template 142). Draw fills the active
// waveform from an expression in x over one turn; the equation list offers
// fixed examples and the equation history, to which "add to library"
// appends. The main frame's command 32826 runs a local one.

#include "parser/ParserFacade/ExprParser.h"
#include "platform/window/Controls.h"
#include "tools/ToolDialog.h"

class CExpDraw : public CToolDialog {
 public:
  enum { IDD = 142 };
  CExpDraw();

  int m_nPointCount;  // g_nPointCount when the dialog is made
  CString m_strEquation;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnCommit() override { OnDraw(); }
  void ReleaseWork() override;
  void OnDraw();
  void OnAddToLibrary();
  DECLARE_MESSAGE_MAP()

 private:
  ExprParser m_parser;
  double m_x = 0.0;
  CListCtrl m_symbols;
};
