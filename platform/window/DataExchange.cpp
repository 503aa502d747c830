#include "platform/window/DataExchange.h"

#include "platform/afx/CrtScan.h"
#include "platform/afx/Exception.h"
#include "platform/window/MessageBox.h"
#include "platform/window/Resources.h"
#include "platform/win/NumericLocale.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

int AfxMessageBox(LPCSTR text, UINT type, UINT) {
  return ::MessageBox(nullptr, text, nullptr, type);
}

int AfxMessageBox(UINT promptId, UINT type, UINT helpId) {
  auto text = resources::String(promptId);
  return AfxMessageBox(text ? text->c_str() : "", type, helpId);
}

HWND CDataExchange::PrepareCtrl(int id) {
  HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
  m_hWndLastControl = control;
  return control;
}

HWND CDataExchange::PrepareEditCtrl(int id) { return PrepareCtrl(id); }

void CDataExchange::Fail() {
  if (m_bSaveAndValidate && m_hWndLastControl) {
    ::SetFocus(m_hWndLastControl);
    ::SendMessage(m_hWndLastControl, EM_SETSEL, 0, static_cast<LPARAM>(-1));
  }
  AfxThrowUserException();
}

namespace {
// Texts toward the controls are written only when they differ.
void SetTextIfChanged(HWND control, const char* text) {
  if (::GetWindowTextString(control) != text) ::SetWindowText(control, text);
}

bool OnlySpaces(const char* p) {
  while (*p == ' ' || *p == '\t') ++p;
  return *p == '\0';
}

bool ParseLong(const std::string& text, long long& value) {
  const char* start = text.c_str();
  while (*start == ' ' || *start == '\t') ++start;
  if (!*start) return false;
  char* end = nullptr;
  errno = 0;
  value = std::strtoll(start, &end, 10);
  return end != start && errno == 0 && OnlySpaces(end);
}

bool ParseDouble(const std::string& text, double& value) {
  const char* start = text.c_str();
  while (*start == ' ' || *start == '\t') ++start;
  if (!*start) return false;
  char* end = nullptr;
  value = CrtStrtod(start, &end);  // a point, whatever the desktop's locale
  return end != start && OnlySpaces(end);
}

template <class Int>
void ExchangeInteger(CDataExchange* dx, int id, Int& value, const char* format) {
  HWND control = dx->PrepareEditCtrl(id);
  if (!dx->m_bSaveAndValidate) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    SetTextIfChanged(control, text);
    return;
  }
  long long parsed = 0;
  if (!ParseLong(::GetWindowTextString(control), parsed) ||
      static_cast<long long>(static_cast<Int>(parsed)) != parsed) {
    AfxMessageBox("Please enter an integer.", MB_ICONEXCLAMATION);
    dx->Fail();
  }
  value = static_cast<Int>(parsed);
}

template <class Real>
void ExchangeReal(CDataExchange* dx, int id, Real& value, int digits) {
  HWND control = dx->PrepareEditCtrl(id);
  if (!dx->m_bSaveAndValidate) {
    SetTextIfChanged(control, FormatInCLocale("%.*g", digits, static_cast<double>(value)).c_str());
    return;
  }
  double parsed = 0;
  // Infinity and NaN are no number a field can mean, nor a value past the type's range.
  if (!ParseDouble(::GetWindowTextString(control), parsed) ||
      !std::isfinite(static_cast<Real>(parsed))) {
    AfxMessageBox("Please enter a number.", MB_ICONEXCLAMATION);
    dx->Fail();
  }
  value = static_cast<Real>(parsed);
}
}  // namespace

void DDX_Text(CDataExchange* dx, int id, CString& value) {
  HWND control = dx->PrepareEditCtrl(id);
  if (dx->m_bSaveAndValidate)
    value = ::GetWindowTextString(control).c_str();
  else
    SetTextIfChanged(control, value);
}

void DDX_Text(CDataExchange* dx, int id, int& value) { ExchangeInteger(dx, id, value, "%d"); }
void DDX_Text(CDataExchange* dx, int id, UINT& value) { ExchangeInteger(dx, id, value, "%u"); }
void DDX_Text(CDataExchange* dx, int id, double& value) { ExchangeReal(dx, id, value, 15); }
void DDX_Text(CDataExchange* dx, int id, float& value) { ExchangeReal(dx, id, value, 6); }

void DDX_Check(CDataExchange* dx, int id, int& value) {
  HWND control = dx->PrepareCtrl(id);
  if (dx->m_bSaveAndValidate)
    value = static_cast<int>(::SendMessage(control, BM_GETCHECK, 0, 0));
  else
    ::SendMessage(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Radio(CDataExchange* dx, int id, int& value) {
  HWND control = dx->PrepareCtrl(id);
  if (dx->m_bSaveAndValidate) value = -1;
  // The group runs from this button to the next control that starts a
  // group; only its radio buttons count.
  int index = 0;
  for (HWND h = control; h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    const auto style = static_cast<DWORD>(::GetWindowLongPtr(h, GWL_STYLE));
    if (h != control && (style & WS_GROUP)) break;
    const DWORD type = style & BS_TYPEMASK;
    if (::GetClassNameString(h) != "Button" ||
        (type != BS_RADIOBUTTON && type != BS_AUTORADIOBUTTON))
      continue;
    if (dx->m_bSaveAndValidate) {
      if (::SendMessage(h, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
    } else {
      ::SendMessage(h, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    ++index;
  }
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
  HWND control = dx->PrepareCtrl(id);
  if (dx->m_bSaveAndValidate)
    index = static_cast<int>(::SendMessage(control, CB_GETCURSEL, 0, 0));
  else
    ::SendMessage(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_CBString(CDataExchange* dx, int id, CString& value) {
  HWND control = dx->PrepareCtrl(id);
  if (dx->m_bSaveAndValidate) {
    value = ::GetWindowTextString(control).c_str();
  } else if (::SendMessage(control, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(value.GetString())) ==
             static_cast<LRESULT>(CB_ERR)) {
    SetTextIfChanged(control, value);
  }
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  if (control.m_hWnd) return;  // attached at the first exchange
  HWND h = dx->PrepareCtrl(id);
  if (!h || !control.SubclassWindow(h)) AfxThrowNotSupportedException();
}

void DDV_MaxChars(CDataExchange* dx, const CString& value, int count) {
  if (dx->m_bSaveAndValidate && value.GetLength() > count) {
    CString text;
    text.Format("Enter no more than %d characters.", count);
    AfxMessageBox(text, MB_ICONEXCLAMATION);
    dx->Fail();
  } else if (!dx->m_bSaveAndValidate && dx->m_hWndLastControl) {
    ::SendMessage(dx->m_hWndLastControl, EM_LIMITTEXT, static_cast<WPARAM>(count), 0);
  }
}

void DDV_MinMaxInt(CDataExchange* dx, int value, int minimum, int maximum) {
  if (!dx->m_bSaveAndValidate || (value >= minimum && value <= maximum)) return;
  CString text;
  text.Format("Enter an integer between %d and %d.", minimum, maximum);
  AfxMessageBox(text, MB_ICONEXCLAMATION);
  dx->Fail();
}

void DDV_MinMaxDouble(CDataExchange* dx, double value, double minimum, double maximum) {
  if (!dx->m_bSaveAndValidate || (value >= minimum && value <= maximum)) return;
  CString text;
  text.Format("Enter a number between %.*g and %.*g.", 15, minimum, 15, maximum);
  AfxMessageBox(text, MB_ICONEXCLAMATION);
  dx->Fail();
}
