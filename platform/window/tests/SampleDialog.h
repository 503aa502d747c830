#pragma once
// The sample dialog of the window tests, with a record of what reached it.

#include "platform/window/DataExchange.h"
#include "platform/window/Dialog.h"

#include <string>
#include <vector>

enum : int {
  IDC_COUNT = 1001,
  IDC_GAIN = 1002,
  IDC_NAME = 1003,
  IDC_SHAPE = 1004,
  IDC_ENABLED = 1005,
  IDC_SINE = 1006,
  IDC_APPLY = 1008,
  IDC_LIST = 1009,
  IDD_SAMPLE = 500
};

class CSampleDialog : public CDialog {
 public:
  CSampleDialog() : CDialog(IDD_SAMPLE) {}
  int count = 7;
  double gain = 2.5;
  CString name = "wave";
  int shape = 1;
  int enabled = 1;
  int radio = 1;
  bool ignoreEsc = false;
  enum class Throw { None, Standard, Framework, User } throwOnApply = Throw::None;
  bool boxOnKillFocus = false;
  std::vector<std::string> events;
  std::vector<int> steps;  // iDelta of each UDN_DELTAPOS
  bool refuseStep = false;
  void OnDeltaPos(NMHDR* header, LRESULT* result);

  BOOL OnInitDialog() override;
  void OnCancel() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnApply();
  void OnCountChange() { events.push_back("count-change"); }
  void OnCountKillFocus();
  void OnShapeChange() { events.push_back("shape-change"); }
  void OnEnabledClick() { events.push_back("enabled-click"); }

  DECLARE_MESSAGE_MAP()
};
