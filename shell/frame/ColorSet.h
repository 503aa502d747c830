#pragma once
// CColor_Set (dialog 139): the five colours of the waveform graph
// (waveform, background, grid, left cursor, right cursor). Each pick is
// applied at once to the active view through the main frame; OK keeps the
// picks, Defaults puts the graph's own colours back, and Cancel puts back
// the colours that were in force when the dialog opened. Esc and the close
// box are ignored. The main frame's launcher is the only way in, and no
// command reaches it.

#include "platform/window/WindowSide.h"

#include "controls/CSgNumEdit.h"
#include "platform/window/Dialog.h"

#include <array>

class CColor_Set : public CDialog {
 public:
  static constexpr UINT IDD = 139;
  enum : UINT {
    IDC_FIRST_SWATCH = 1253,
    IDC_FIRST_PICK = 1258,
    IDC_DEFAULTS = 1263,
    IDC_OK = 1182,
    IDC_CANCEL = 1183
  };
  static constexpr int kRoles = 5;

  explicit CColor_Set(CWnd* parent = nullptr);
  ~CColor_Set() override;

  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  void OnPick(UINT id);
  void OnDefaults();
  void OnOkButton();
  void OnCancelButton();

  // Which colours the graph shows from the picks (g_ColorsB) rather than
  // its own (g_ColorsA), over all the dialog's runs.
  static std::array<bool, kRoles>& PickedInForce();

 protected:
  DECLARE_MESSAGE_MAP()

 private:
  // Sends WM_SET_COLORS to the main window.
  static void ApplyColors(WPARAM which);

  std::array<SG::CSgButton, kRoles> m_Swatches;
  // The picks and which of them were in force when the dialog opened.
  std::array<SG::CSgColor, kRoles> m_PicksBefore;
  std::array<bool, kRoles> m_InForceBefore{};
  std::array<bool, kRoles> m_PickedHere{};
};
