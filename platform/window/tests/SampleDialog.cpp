#include "SampleDialog.h"

#include "platform/afx/Exception.h"
#include "platform/window/UpDown.h"

#include <stdexcept>

BEGIN_MESSAGE_MAP(CSampleDialog, CDialog)
ON_BN_CLICKED(IDC_APPLY, OnApply)
ON_EN_CHANGE(IDC_COUNT, OnCountChange)
ON_EN_KILLFOCUS(IDC_COUNT, OnCountKillFocus)
ON_CBN_SELCHANGE(IDC_SHAPE, OnShapeChange)
ON_BN_CLICKED(IDC_ENABLED, OnEnabledClick)
ON_NOTIFY(UDN_DELTAPOS, 1012, OnDeltaPos)
END_MESSAGE_MAP()

void CSampleDialog::OnDeltaPos(NMHDR* header, LRESULT* result) {
  steps.push_back(reinterpret_cast<NMUPDOWN*>(header)->iDelta);
  *result = refuseStep ? 1 : 0;
}

BOOL CSampleDialog::OnInitDialog() {
  for (const char* s : {"Sine", "Square", "Triangle"})
    SendDlgItemMessage(IDC_SHAPE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
  SetDlgItemText(IDC_COUNT, "0");  // notifies, but not before initialisation returns
  events.push_back("init");
  return CDialog::OnInitDialog();
}

void CSampleDialog::OnCancel() {
  events.push_back("cancel");
  if (!ignoreEsc) CDialog::OnCancel();
}

void CSampleDialog::DoDataExchange(CDataExchange* dx) {
  DDX_Text(dx, IDC_COUNT, count);
  DDX_Text(dx, IDC_GAIN, gain);
  DDX_Text(dx, IDC_NAME, name);
  DDX_CBIndex(dx, IDC_SHAPE, shape);
  DDX_Check(dx, IDC_ENABLED, enabled);
  DDX_Radio(dx, IDC_SINE, radio);
}

void CSampleDialog::OnApply() {
  events.push_back("apply");
  switch (throwOnApply) {
    case Throw::Standard: throw std::runtime_error("apply failed");
    case Throw::Framework: AfxThrowNotSupportedException();
    case Throw::User: AfxThrowUserException();
    case Throw::None: break;
  }
}

void CSampleDialog::OnCountKillFocus() {
  events.push_back("count-killfocus");
  if (boxOnKillFocus) AfxMessageBox("check the count");
}
