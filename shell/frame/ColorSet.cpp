#include "shell/frame/ColorSet.h"

#include "platform/window/CommonDialogs.h"
#include "platform/window/DataExchange.h"
#include "platform/window/WinApp.h"
#include "shell/base/Translator.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveGlobals.h"

namespace {
constexpr WPARAM kDefaultColors = 0;
}  // namespace

BEGIN_MESSAGE_MAP(CColor_Set, CDialog)
ON_COMMAND_RANGE(CColor_Set::IDC_FIRST_PICK, CColor_Set::IDC_FIRST_PICK + CColor_Set::kRoles - 1,
                 OnPick)
ON_BN_CLICKED(CColor_Set::IDC_DEFAULTS, OnDefaults)
ON_BN_CLICKED(CColor_Set::IDC_OK, OnOkButton)
ON_BN_CLICKED(CColor_Set::IDC_CANCEL, OnCancelButton)
END_MESSAGE_MAP()

CColor_Set::CColor_Set(CWnd* parent) : CDialog(IDD, parent) {}
CColor_Set::~CColor_Set() = default;

std::array<bool, CColor_Set::kRoles>& CColor_Set::PickedInForce() {
  static std::array<bool, kRoles> picked{};
  return picked;
}

void CColor_Set::ApplyColors(WPARAM which) {
  if (CWnd* main = AfxGetMainWnd()) main->SendMessage(WM_SET_COLORS, which, 0);
}

void CColor_Set::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  for (int i = 0; i < kRoles; ++i) DDX_Control(dx, IDC_FIRST_SWATCH + i, m_Swatches[i]);
}

BOOL CColor_Set::OnInitDialog() {
  CDialog::OnInitDialog();
  for (int i = 0; i < kRoles; ++i) {
    m_Swatches[i].SetColor(g_ColorsA[i]);
    m_PicksBefore[i] = g_ColorsB[i];
  }
  m_InForceBefore = PickedInForce();
  m_PickedHere.fill(false);
  UpdateData(FALSE);
  g_Translator.TranslateDialog(m_hWnd, IDD);
  return TRUE;
}

// IDOK (Enter) is OK; IDCANCEL (Esc, the close box) is ignored.
BOOL CColor_Set::OnCommand(WPARAM wParam, LPARAM lParam) {
  switch (LOWORD(wParam)) {
    case IDOK: OnOkButton(); return TRUE;
    case IDCANCEL: return TRUE;
    default: return CDialog::OnCommand(wParam, lParam);
  }
}

void CColor_Set::OnPick(UINT id) {
  const int role = static_cast<int>(id - IDC_FIRST_PICK);
  const SG::CSgColor shown = m_Swatches[role].GetColor();
  CColorDialog dialog(RGB(shown.GetRed(), shown.GetGreen(), shown.GetBlue()), CC_FULLOPEN, nullptr);
  if (dialog.DoModal() != IDOK) return;
  m_Swatches[role].SetColor(SG::CSgColor(dialog.GetColor()));
  g_ColorsB[role] = m_Swatches[role].GetColor();
  m_PickedHere[role] = true;
  PickedInForce()[role] = true;
  ApplyColors(static_cast<WPARAM>(role + 1));
}

void CColor_Set::OnDefaults() {
  for (int i = 0; i < kRoles; ++i) m_Swatches[i].SetColor(g_ColorsA[i]);
  PickedInForce().fill(false);
  ApplyColors(kDefaultColors);
  EndDialog(IDOK);
}

void CColor_Set::OnOkButton() { EndDialog(IDOK); }

// Each colour picked here goes back to what the graph showed before: the
// earlier pick where one was in force, else the graph's own colour.
void CColor_Set::OnCancelButton() {
  for (int i = 0; i < kRoles; ++i) {
    if (!m_PickedHere[i]) continue;
    g_ColorsB[i] = m_InForceBefore[i] ? m_PicksBefore[i] : g_ColorsA[i];
    ApplyColors(static_cast<WPARAM>(i + 1));
    g_ColorsB[i] = m_PicksBefore[i];
    PickedInForce()[i] = m_InForceBefore[i];
  }
  EndDialog(IDCANCEL);
}
