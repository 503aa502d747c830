#include "tools/Math_windowdlg.h"

#include "analysis/facade/SgAnalysis.h"
#include "tools/ToolSupport.h"
#include "tools/VectorState.h"
#include "waveform/WaveCollections.h"

namespace {

// list text, the call on the work vector w ("NO" leaves the plain copy).
// clang-format off
#define PELMORAN_WINDOWS(X)                               \
  X("NO",             (void)w)                            \
  X("Triangle",       SG::TriangleWindow(w))              \
  X("Hanning",        SG::HanningWindow(w))               \
  X("Hamming",        SG::HammingWindow(w))               \
  X("Blackman",       SG::BlackmanWindow(w))              \
  X("Kaiser",         SG::KaiserWindow(w, 4.86))          \
  X("BlackmanHarris", SG::BlackmanHarrisWindow(w))        \
  X("Extend Cosine",  SG::CosineTaperWindow(w))           \
  X("Fall Exp",       SG::ExponentialWindow(w, 0.01))     \
  X("FlatTop",        SG::FlatTopWindow(w))               \
  X("Force",          SG::ForceWindow(w, 50.0))
// clang-format on

const char* const kWindowNames[] = {
#define PELMORAN_WINDOW_NAME(text, call) text,
    PELMORAN_WINDOWS(PELMORAN_WINDOW_NAME)
#undef PELMORAN_WINDOW_NAME
};
constexpr int kWindowCount = sizeof kWindowNames / sizeof *kWindowNames;

using WindowCall = void (*)(SG::CSgVectorT<double>&);
const WindowCall kWindowCalls[] = {
#define PELMORAN_WINDOW_CALL(text, call) [](SG::CSgVectorT<double>& w) { call; },
    PELMORAN_WINDOWS(PELMORAN_WINDOW_CALL)
#undef PELMORAN_WINDOW_CALL
};

}  // namespace

BEGIN_MESSAGE_MAP(CMath_windowdlg, CMathWorkDialog)
ON_CBN_SELCHANGE(1117, OnSelchangeSource)
ON_CBN_SELCHANGE(1118, OnSelchangeWindow)
END_MESSAGE_MAP()

CMath_windowdlg::CMath_windowdlg() : CMathWorkDialog(IDD, 1226, 1072, 1117, false) {}

void CMath_windowdlg::DoDataExchange(CDataExchange* dx) {
  CMathWorkDialog::DoDataExchange(dx);
  DDX_Control(dx, 1115, m_upper);
  DDX_Control(dx, 1116, m_lower);
}

BOOL CMath_windowdlg::OnInitDialog() {
  CMathWorkDialog::OnInitDialog();
  FillList(1118, kWindowNames, kWindowCount);
  SelectIndex(1118, 0);
  InitSource();
  UpdateData(FALSE);
  OnSelchangeWindow();
  return TRUE;
}

void CMath_windowdlg::OnSelchangeWindow() {
  UpdateData(TRUE);
  m_nSource = CurSel(1117);
  m_nWindow = CurSel(1118);
  if (m_nSource >= 0) ApplyWindow(m_nSource, m_nWindow);
}

void CMath_windowdlg::ApplyWindow(int s, int w) {
  CopySource(s);
  if (w < 0 || w >= kWindowCount) return;
  ClearUpperVectorState();
  kWindowCalls[w](m_work);  // a refused input raises the math error: the copy stays
  PlotWork();
}
