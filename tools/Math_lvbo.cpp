#include "tools/Math_lvbo.h"

#include "analysis/facade/SgAnalysis.h"
#include "platform/afx/Exception.h"
#include "tools/ToolMessages.h"
#include "tools/ToolSupport.h"
#include "tools/UnitLists.h"
#include "tools/VectorState.h"
#include "waveform/WaveCollections.h"

namespace {

constexpr double kRipple = 0.1;        // dB
constexpr double kAttenuation = 40.0;  // dB
enum : unsigned { kLow = 1, kHigh = 2 };

// list text, the call on the work vector w, the cut-off fields it uses.
// clang-format off
#define PELMORAN_FILTERS(X)                                                                      \
  X("ButterworthLowPass",  SG::ButterworthLowPass(w, fs, fl, order),                      kLow)  \
  X("ButterworthHighPass", SG::ButterworthHighPass(w, fs, fh, order),                     kHigh) \
  X("ButterworthBandPass", SG::ButterworthBandPass(w, fs, fl, fh, order),                 kLow | kHigh) \
  X("ButterworthBandStop", SG::ButterworthBandStop(w, fs, fl, fh, order),                 kLow | kHigh) \
  X("ChebyshevLowPass",    SG::ChebyshevLowPass(w, fs, fl, kRipple, order),               kLow)  \
  X("ChebyshevHighPass",   SG::ChebyshevHighPass(w, fs, fh, kRipple, order),              kHigh) \
  X("ChebyshevBandPass",   SG::ChebyshevBandPass(w, fs, fl, fh, kRipple, order),          kLow | kHigh) \
  X("ChebyshevBandStop",   SG::ChebyshevBandStop(w, fs, fl, fh, kRipple, order),          kLow | kHigh) \
  X("EllipticLowPass",     SG::EllipticLowPass(w, fs, fl, kRipple, kAttenuation, order),  kLow)  \
  X("EllipticHighPass",    SG::EllipticHighPass(w, fs, fh, kRipple, kAttenuation, order), kHigh) \
  X("EllipticBandPass",    SG::EllipticBandPass(w, fs, fl, fh, kRipple, kAttenuation, order), kLow | kHigh) \
  X("EllipticBandStop",    SG::EllipticBandStop(w, fs, fl, fh, kRipple, kAttenuation, order), kLow | kHigh)
// clang-format on

struct FilterKind {
  const char* text;
  void (*run)(SG::CSgVectorT<double>& w, double fs, double fl, double fh, int order);
  unsigned fields;
};
const FilterKind kFilters[] = {
#define PELMORAN_FILTER_KIND(text, call, fields)                                              \
  {text, [](SG::CSgVectorT<double>& w, double fs, double fl, double fh, int order) { call; }, \
   fields},
    PELMORAN_FILTERS(PELMORAN_FILTER_KIND)
#undef PELMORAN_FILTER_KIND
};
constexpr int kFilterCount = sizeof kFilters / sizeof *kFilters;

}  // namespace

double ToHertz(double v, int unit) {
  switch (unit) {
    case 0: return v / 1e6;
    case 1: return v / 1e3;
    case 2: return v;
    case 3: return v * 1e3;
    case 4: return v * 1e6;
    default: return 0.0;
  }
}

BEGIN_MESSAGE_MAP(CMath_lvbo, CMathWorkDialog)
ON_CBN_SELCHANGE(1122, OnSelchangeSource)
ON_CBN_SELCHANGE(1123, OnSelchangeType)
ON_BN_CLICKED(1213, OnFilter)
END_MESSAGE_MAP()

CMath_lvbo::CMath_lvbo() : CMathWorkDialog(IDD, 1215, 1214, 1122, true) {}

void CMath_lvbo::DoDataExchange(CDataExchange* dx) {
  CMathWorkDialog::DoDataExchange(dx);
  DDX_Control(dx, 1120, m_upper);
  DDX_Control(dx, 1121, m_lower);
  DDX_Text(dx, 1053, m_nOrder);
  DDX_Text(dx, 1054, m_dSampling);
  DDX_Text(dx, 1058, m_dLow);
  DDX_Text(dx, 1062, m_dHigh);
}

BOOL CMath_lvbo::OnInitDialog() {
  CMathWorkDialog::OnInitDialog();
  for (const FilterKind& kind : kFilters)
    SendDlgItemMessage(1123, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kind.text));
  SelectIndex(1123, 0);
  Enable(1062, false);
  Enable(1052, false);
  for (int id : {1064, 1066, 1052}) {
    FillList(id, kFrequencyUnits, kUnitCount);
    SelectIndex(id, 2);
  }
  InitSource();
  UpdateData(FALSE);
  OnSelchangeType();
  return TRUE;
}

void CMath_lvbo::ReadLists() {
  m_nSource = CurSel(1122);
  m_nType = CurSel(1123);
  m_nSamplingUnit = CurSel(1064);
  m_nLowUnit = CurSel(1066);
  m_nHighUnit = CurSel(1052);
}

void CMath_lvbo::OnSelchangeType() {
  UpdateData(TRUE);
  ReadLists();
  const unsigned fields = m_nType >= 0 && m_nType < kFilterCount ? kFilters[m_nType].fields : 0;
  Enable(1058, fields & kLow);
  Enable(1066, fields & kLow);
  Enable(1062, fields & kHigh);
  Enable(1052, fields & kHigh);
  if (m_nSource >= 0) ApplyFilter(m_nSource, m_nType, m_nSamplingUnit, m_nLowUnit, m_nHighUnit);
}

void CMath_lvbo::OnFilter() {
  UpdateData(TRUE);
  ReadLists();
  if (m_nSource >= 0) ApplyFilter(m_nSource, m_nType, m_nSamplingUnit, m_nLowUnit, m_nHighUnit);
}

void CMath_lvbo::ApplyFilter(int s, int t, int samplingUnit, int lowUnit, int highUnit) {
  const SG::CSgScalarVector<float>& samples = CopySource(s);
  if (t < 0 || t >= kFilterCount) return;
  const double fs = ToHertz(m_dSampling, samplingUnit);
  const double fl = ToHertz(m_dLow, lowUnit);
  const double fh = ToHertz(m_dHigh, highUnit);
  ClearUpperVectorState();
  try {
    kFilters[t].run(m_work, fs, fl, fh, m_nOrder);
  } catch (CException*) {
    m_work.Assign(samples.GetData(), samples.GetSize());  // OK commits the plain copy
    throw;  // the framework reports the refused design
  }
  if (!PlotFiniteWork()) {
    m_work.Assign(samples.GetData(), samples.GetSize());
    tools::ShowText(kMsgNotFinite);
  }
}
