#pragma once
// Dialog data exchange: members to controls (texts written only where they
// differ) and back, with the framework's prompt for a field that does not
// parse. A failed field ends the exchange, so the members from it on keep
// their values.

#include "platform/window/WindowSide.h"

#include "platform/afx/String.h"
#include "platform/window/Wnd.h"

class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL saveAndValidate)
      : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}
  HWND PrepareCtrl(int id);
  HWND PrepareEditCtrl(int id);
  // Gives the last prepared control the focus and ends the exchange.
  [[noreturn]] void Fail();

  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
  HWND m_hWndLastControl = nullptr;
};

void DDX_Text(CDataExchange* dx, int id, CString& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, UINT& value);
void DDX_Text(CDataExchange* dx, int id, double& value);
void DDX_Text(CDataExchange* dx, int id, float& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
void DDX_Radio(CDataExchange* dx, int id, int& value);  // id: the first radio button of the group
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
void DDX_CBString(CDataExchange* dx, int id, CString& value);
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDV_MaxChars(CDataExchange* dx, const CString& value, int count);
void DDV_MinMaxInt(CDataExchange* dx, int value, int minimum, int maximum);
void DDV_MinMaxDouble(CDataExchange* dx, double value, double minimum, double maximum);

// The framework's message box: the caption is the application's title.
int AfxMessageBox(LPCSTR text, UINT type = MB_OK, UINT helpId = 0);
int AfxMessageBox(UINT promptId, UINT type = MB_OK, UINT helpId = 0);
