#include "tools/STD_WAVE_DLG.h"

#include "platform/afx/Exception.h"
#include "tools/ToolSupport.h"
#include "waveform/NumberHelpers.h"
#include "waveform/PrivateMessages.h"
#include "waveform/RecordedEdit.h"
#include "waveform/WaveCollections.h"
#include "waveform/WaveData.h"

#include <algorithm>

namespace {
const char* const kAmplitudeUnits[] = {"Vpp", "mVpp"};
const char* const kOffsetUnits[] = {"V", "mV"};
int UnitIndex(int selection) { return selection < 0 ? 0 : selection; }
}  // namespace

BEGIN_MESSAGE_MAP(CSTD_WAVE_DLG, CToolDialog)
ON_WM_SHOWWINDOW()
ON_CBN_SELCHANGE(1080, OnSelchangeShape)
ON_EN_CHANGE(1029, OnChangeAmplitude)
ON_EN_CHANGE(1086, OnChangeOffset)
ON_EN_CHANGE(1034, OnChangePhase)
ON_EN_CHANGE(1038, OnChangeParam1)
ON_EN_CHANGE(1042, OnChangeParam2)
ON_EN_CHANGE(1081, OnChangePoints)
ON_EN_CHANGE(1082, OnChangeCycles)
ON_CBN_SELCHANGE(1085, OnSelchangeOffsetUnit)
ON_CBN_SELCHANGE(1083, OnSelchangeAmplitudeUnit)
ON_EN_KILLFOCUS(1029, OnKillfocusAmplitude)
ON_EN_KILLFOCUS(1086, OnKillfocusOffset)
ON_EN_KILLFOCUS(1034, OnKillfocusPhase)
ON_EN_KILLFOCUS(1038, OnKillfocusParam1)
ON_EN_KILLFOCUS(1042, OnKillfocusParam2)
END_MESSAGE_MAP()

CSTD_WAVE_DLG::CSTD_WAVE_DLG() : CToolDialog(IDD, 1242, 1079) {}

void CSTD_WAVE_DLG::DoDataExchange(CDataExchange* dx) {
  CToolDialog::DoDataExchange(dx);
  DDX_Control(dx, 1077, m_graph);
  DDX_Text(dx, 1081, m_nPoints);
  DDX_Text(dx, 1029, m_dAmplitude);
  DDX_Text(dx, 1086, m_dOffset);
  DDX_Text(dx, 1082, m_nCycles);
  DDX_Text(dx, 1034, m_dPhase);
  DDX_Text(dx, 1038, m_dParam1);
  DDX_Text(dx, 1042, m_dParam2);
}

BOOL CSTD_WAVE_DLG::OnInitDialog() {
  CToolDialog::OnInitDialog();
  for (const ShapeInfo& shape : kShapes)
    SendDlgItemMessage(1080, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shape.text));
  SelectIndex(1080, m_nShape);
  FillList(1083, kAmplitudeUnits, 2);
  FillList(1085, kOffsetUnits, 2);

  int previewLength = g_nPointCount;
  const int index = tools::FindActiveRecord();
  if (index >= 0) {
    const CWaveData& record = g_WaveArray[index];
    previewLength = record.displaylen;
    if (record.spanunit == 0 || record.spanunit == 1) {
      SetText(1277, kAmplitudeUnits[record.spanunit]);
      SelectIndex(1083, record.spanunit);
      SelectIndex(1085, record.spanunit);
    }
  }
  m_dAmplitude = 6.0;
  tools::SetAxisMaximum(m_graph, "XAxis", previewLength - 1);
  SetYAxis(-m_dAmplitude / 2, m_dAmplitude / 2);
  m_nPoints = static_cast<unsigned int>(g_nPointCount);
  m_dOffset = 0.0;
  m_nCycles = 1;
  m_dPhase = 0.0;
  UpdateData(FALSE);
  return TRUE;
}

void CSTD_WAVE_DLG::OnShowWindow(BOOL show, UINT status) {
  Default();
  // Hiding at the end of the run builds nothing.
  if (!show) return;
  for (int id : {1070, 1069, 1062, 1063}) SetText(id, "");
  Show(1038, false);
  Show(1042, false);
  OnSelchangeShape();
}

void CSTD_WAVE_DLG::OnSelchangeShape() {
  const int code = CurSel(1080);
  if (g_WaveArray.GetSize() == 0 || code < 0 || code >= kShapeCount) return;
  int index = tools::FindActiveRecord();
  CWaveData& wave = g_WaveArray[index >= 0 ? index : g_WaveArray.GetSize() - 1];
  const ShapeInfo& shape = kShapes[code];

  SetText(1070, shape.label1 ? tools::Text(shape.label1) : CString());
  SetText(1063, shape.mark1);
  Show(1038, shape.label1 != 0);
  SetText(1069, shape.label2 ? tools::Text(shape.label2) : CString());
  SetText(1062, shape.mark2);
  Show(1042, shape.label2 != 0);
  const std::pair<int, unsigned> fields[] = {{1081, kFieldPoints},        {1029, kFieldAmplitude},
                                             {1083, kFieldAmplitudeUnit}, {1086, kFieldOffset},
                                             {1085, kFieldOffsetUnit},    {1082, kFieldCycles},
                                             {1034, kFieldPhase}};
  for (const auto& [id, bit] : fields) Enable(id, (shape.disabled & bit) == 0);

  const int labelUnit = LabelUnit();
  if (shape.label1) m_dParam1 = shape.param1;
  if (shape.label2) m_dParam2 = 0.0;
  if (code != kShapeSine) m_dOffset = 0.0;
  if (code == kShapeDC && labelUnit >= 0) m_dAmplitude = labelUnit == 0 ? 0.002 : 2.0;
  // Quietly: a field's handler would read the others back over the values
  // just set (a sinc would be built with the last shape's parameter).
  WriteFieldsQuietly();

  if (code <= kShapeExpFall && labelUnit >= 0) {
    if (wave.vpp == 0.0) wave.vpp = 6.0;
    CString text;
    text.Format("%0.3f", code == kShapeSine && labelUnit == 0 ? wave.vpp : wave.span / 2.0);
    SetText(1029, text);
    m_dAmplitude = wave.span / 2.0;
  } else if (code == kShapeNone && labelUnit >= 0) {
    SetText(1029, labelUnit == 0 ? "0.002" : "2");
  }
  if (code == kShapeSine || code == kShapeSquare) SetText(1086, "0");
  GenerateWave(code);
}

ShapeSettings CSTD_WAVE_DLG::Settings() const {
  ShapeSettings s;
  s.points = m_nPoints;
  s.amplitude = m_dAmplitude;
  s.offset = m_dOffset;
  s.cycles = m_nCycles;
  s.phase = m_dPhase;
  s.param1 = m_dParam1;
  s.param2 = m_dParam2;
  s.amplitudeUnit = UnitIndex(CurSel(1083));
  s.offsetUnit = UnitIndex(CurSel(1085));
  return s;
}

void CSTD_WAVE_DLG::GenerateWave(int shape) {
  const CString phase = ItemText(1034), offset = ItemText(1086), amplitude = ItemText(1029),
                param1 = ItemText(1038), param2 = ItemText(1042);
  const int index = tools::ActivateAndGetIndex();
  if (g_WaveArray.GetSize() == 0) return;
  CWaveData& record = g_WaveArray[index];
  const auto usable = [](const CString& t) { return !t.IsEmpty() && t != "-"; };
  if (!phase.IsEmpty() && !amplitude.IsEmpty() && usable(offset) && usable(param1) &&
      usable(param2))
    UpdateData(TRUE);
  m_graph.ClearData();

  ShapeSettings settings = Settings();
  settings.shape = shape;
  m_previewFailed = true;
  ShapeOutcome outcome;
  try {
    outcome = BuildStandardShape(settings, m_samples, &record.copydata);
  } catch (CException* e) {
    char text[512];
    m_previewError = e->GetErrorMessage(text, sizeof text) ? CString(text) : CString();
    throw;  // the framework reports it
  }
  if (outcome == ShapeOutcome::NegativeParameter) {
    m_previewError = tools::Text(319);
    tools::ShowText(319);
    return;
  }
  if (outcome == ShapeOutcome::UnknownShape) {
    m_previewError.Empty();
    return;
  }
  const unsigned int n = m_samples.GetSize();
  const unsigned int k = DisplayStepFor(n);
  m_display.SetSize(n / k, TRUE);
  const double* s = m_samples.GetData();
  float* d = m_display.GetData();
  for (unsigned int j = 0; j < m_display.GetSize(); ++j)
    d[j] = static_cast<float>(s[static_cast<size_t>(j) * k]);
  m_graph.GetPlots().Item(1).PlotSamples(m_display, 0.0, 1.0);
  m_previewFailed = false;
}

void CSTD_WAVE_DLG::OnCommitWave() {
  if (m_previewFailed) {
    // The samples of a failed preview are not the shape on show.
    AfxMessageBox(m_previewError.IsEmpty() ? tools::Text(319) : m_previewError);
    return;
  }
  tools::LeaveDrawingModes();
  const int index = tools::ActivateAndGetIndex();
  CWaveData& record = g_WaveArray[index];
  SG::CSgScalarVector<float>& lastDraw = g_LastDrawArray[index];
  UpdateData(TRUE);

  // Everything that can fail first; the record changes only after. The
  // shape is one step of the waveform's history.
  waveform::RecordedEdit edit(g_WaveStore.GetEntry(index));
  edit.Result().Assign(m_samples.GetData(), m_samples.GetSize());
  if (tools::RefuseNonFinite(edit.Result())) return;
  SG::CSgScalarVector<float> snapshot(record.thedata);
  const unsigned int count = edit.Result().GetSize();
  edit.Apply();

  const int shape = CurSel(1080);
  const int amplitudeUnit = UnitIndex(CurSel(1083));
  m_nCommittedShape = shape;
  record.shape = shape;
  record.samplecount = static_cast<int>(count);
  record.vpp = shape == kShapeDC ? LowestAmplitudeIn(amplitudeUnit) : m_dAmplitude;
  record.vppunit = amplitudeUnit;
  record.offset = m_dOffset;
  record.offsetunit = UnitIndex(CurSel(1085));
  record.cycles = static_cast<int>(m_nCycles);
  record.phase = m_dPhase;
  switch (shape) {
    case kShapeSquare: record.duty = static_cast<int>(m_dParam1); break;
    case kShapeRamp: record.symmetry = static_cast<int>(m_dParam1); break;
    case kShapePulse:
      record.width = m_dParam1;
      record.edge = m_dParam2;
      break;
    case kShapeSinc: record.sincparam = static_cast<int>(m_dParam1); break;
    case kShapeExpRise:
    case kShapeExpFall: record.expfactor = m_dParam1; break;
    default: break;
  }
  lastDraw = std::move(snapshot);
  tools::NotifyFrame(WM_WAVE_UPDATE, kWaveUpdateActiveChanged, 0);
  EndDialog(IDOK);
}

void CSTD_WAVE_DLG::ReleaseWork() {
  m_samples.SetSize(0, FALSE);
  m_display.SetSize(0, FALSE);
  m_previewFailed = false;
}
